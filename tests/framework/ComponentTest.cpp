#include <gtest/gtest.h>

#include <optional>

#include "framework/Component.h"
#include "framework/ComponentRef.h"
#include "framework/Exception.h"
#include "framework/Font.h"

namespace {

// Follows a component it does not own, as the theme engine follows its theme list.
class Watcher : public TComponent {
public:
    using TComponent::TComponent;
    void Watch(TComponent* component)
    {
        watchedName_ = component->Name();
        watched = component;
    }
    QStringList log;
    TComponentRef<TComponent> watched{[this] { log << QStringLiteral("removed ") + watchedName_; }};

private:
    QString watchedName_;
};

class Counted : public TComponent {
public:
    Counted(TComponent* owner, QStringList& order, QString name) : TComponent(owner), order_(order)
    {
        SetName(std::move(name));
    }
    ~Counted() override { order_ << Name(); }

private:
    QStringList& order_;
};

// Logs its teardown and, when told of a removal, whether the component it is told of is still a
// TPart (that is, still whole).
class TPart : public TComponent {
public:
    TPart(TComponent* owner, QStringList& log, const QString& name) : TComponent(owner), log_(log) { SetName(name); }

protected:
    ~TPart() override { log_ << "deleted " + Name(); }
    void Destroying() override
    {
        log_ << "destroying " + Name();
        TComponent::Destroying();
    }
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove && component != this)
            log_ << QStringLiteral("%1 told of %2%3")
                        .arg(Name(), component->Name(), dynamic_cast<TPart*>(component) != nullptr ? "" : " (not whole)");
    }

private:
    QStringList& log_;
};

// Holds a reference to a part it does not own and logs, when told of the part's end, whether the
// part was still whole then.
struct TPartFollower {
    TPartFollower(QStringList& log, TComponent* part) : log(log), part(part) { ref = part; }
    QStringList& log;
    TComponent* part;
    TComponentRef<TComponent> ref{[this] {
        log << QStringLiteral("Watcher told of %1%2")
                   .arg(part->Name(), dynamic_cast<TPart*>(part) != nullptr ? "" : " (not whole)");
    }};
};

}  // namespace

TEST(Component, EveryWayToFreeRunsTheTeardownWhileTheComponentIsWhole)
{
    struct Case {
        const char* way;
        std::function<void(TPart* part, TComponent* owner)> free;
    };
    const Case cases[] = {
        {"Free", [](TPart* part, TComponent*) { part->Free(); }},
        {"delete through the base", [](TPart* part, TComponent*) { delete static_cast<TComponent*>(part); }},
        {"TOwned", [](TPart* part, TComponent*) { TOwned<TPart> owned(part); }},
        {"owner", [](TPart*, TComponent* owner) { owner->Free(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.way);
        QStringList log;
        auto* owner = new TComponent(nullptr);
        auto* part = new TPart(owner, log, "Part");
        TPartFollower watcher(log, part);
        const TComponentRef<TPart> ref(part);
        const TComponentRef<TComponent> ownerRef(owner);
        c.free(part, owner);
        EXPECT_EQ(log, QStringList({"destroying Part", "Watcher told of Part", "deleted Part"}));
        EXPECT_EQ(ref.Get(), nullptr);
        if (ownerRef != nullptr) {
            EXPECT_EQ(owner->ComponentCount(), 0);
            owner->Free();
        }
    }
}

TEST(Component, AnOwnedTreeFreesChildrenFirstTheLastCreatedFirstEachToldWhileWhole)
{
    QStringList log;
    auto* root = new TPart(nullptr, log, "Root");
    auto* a = new TPart(root, log, "A");
    new TPart(a, log, "A1");
    new TPart(a, log, "A2");
    auto* b = new TPart(root, log, "B");
    new TPart(b, log, "B1");
    root->Free();
    // Destroying reaches the whole tree before anything goes. Each part goes after its own parts;
    // its owner's tree is told of it (the owned parts first) while it is whole.
    EXPECT_EQ(log.join(", ").toStdString(),
              "destroying Root, destroying A, destroying A1, destroying A2, destroying B, destroying B1, "
              "B told of B1, deleted B1, A1 told of B, A2 told of B, A told of B, Root told of B, deleted B, "
              "A1 told of A2, A told of A2, deleted A2, A told of A1, deleted A1, Root told of A, deleted A, "
              "deleted Root");
}

TEST(Component, FreeingAgainWhileBeingFreedIsLeftToTheFirstFree)
{
    // Whoever is told of the end frees what it is told of, as a careless handler might: the holder
    // of a reference, or the owner told that the part leaves its tree.
    struct TFreeingOwner : TComponent {
        using TComponent::TComponent;
        void Notification(TComponent* component, TOperation operation) override
        {
            TComponent::Notification(component, operation);
            if (operation == TOperation::opRemove)
                component->Free();
        }
    };
    for (const bool byOwner : {false, true}) {
        SCOPED_TRACE(byOwner ? "owner" : "reference");
        QStringList log;
        TFreeingOwner owner(nullptr);
        auto* part = new TPart(byOwner ? &owner : nullptr, log, "Part");
        TComponentRef<TPart> careless([&part] { part->Free(); });
        if (!byOwner)
            careless = part;
        part->Free();
        EXPECT_EQ(log.count("deleted Part"), 1);
    }
}

TEST(ComponentRef, ClearedWhenTheComponentIsFreedAndNeverBefore)
{
    QStringList log;
    auto* first = new TPart(nullptr, log, "First");
    auto* second = new TPart(nullptr, log, "Second");
    int freedCalls = 0;
    TComponentRef<TPart> ref([&] {
        ++freedCalls;
        log << "ref cleared";
    });
    ref = first;
    const TComponentRef<TPart> copy = ref;
    auto early = std::make_unique<TComponentRef<TPart>>(first);
    early.reset();  // a reference that goes first leaves nothing behind in the component
    ref = second;
    first->Free();
    EXPECT_EQ(copy.Get(), nullptr);
    EXPECT_EQ(ref.Get(), second);
    EXPECT_EQ(freedCalls, 0);
    second->Free();
    EXPECT_EQ(ref.Get(), nullptr);
    EXPECT_EQ(freedCalls, 1);
    // Told while the component is whole: before its destructor.
    EXPECT_LT(log.indexOf("ref cleared"), log.indexOf("deleted Second"));
}

TEST(ComponentRef, AReferenceTakenDuringTheTeardownReadsNothing)
{
    // An owner whose part hands out a reference to itself while it is being destroyed.
    TComponentRef<TComponent> late;
    struct TLate : TComponent {
        TLate(TComponentRef<TComponent>& late) : TComponent(nullptr), late_(late) {}
        void Destroying() override
        {
            TComponent::Destroying();
            late_ = this;  // taken before the references are cleared: cleared with them
        }
        ~TLate() override { late_ = this; }  // taken after: never held
        TComponentRef<TComponent>& late_;
    };
    (new TLate(late))->Free();
    EXPECT_EQ(late.Get(), nullptr);
}

TEST(Component, OwnerKeepsCreationOrderAndFreesLastFirst)
{
    QStringList destroyed;
    auto* owner = new TComponent(nullptr);
    new Counted(owner, destroyed, "A");
    new Counted(owner, destroyed, "B");
    new Counted(owner, destroyed, "C");
    ASSERT_EQ(owner->ComponentCount(), 3);
    EXPECT_EQ(owner->Components(1)->Name(), "B");
    EXPECT_EQ(owner->FindComponent("c"), owner->Components(2));
    EXPECT_EQ(owner->Components(2)->ComponentIndex(), 2);
    delete owner;
    EXPECT_EQ(destroyed, QStringList({"C", "B", "A"}));
}

TEST(Component, NamesMustBeIdentifiersAndUniquePerOwner)
{
    TComponent owner(nullptr);
    auto* first = new TComponent(&owner);
    first->SetName("Button1");
    auto* second = new TComponent(&owner);
    EXPECT_THROW(second->SetName("button1"), Exception);
    EXPECT_THROW(second->SetName("1Button"), Exception);
    EXPECT_THROW(second->SetName("Bad Name"), Exception);
    second->SetName("Button2");
    EXPECT_EQ(second->Name(), "Button2");
}

TEST(ComponentRef, AComponentFollowingAnotherIsToldOfItsEnd)
{
    Watcher watcher(nullptr);
    auto* target = new TComponent(nullptr);
    target->SetName("Target");
    watcher.Watch(target);
    delete target;
    EXPECT_EQ(watcher.log, QStringList{"removed Target"});
    EXPECT_EQ(watcher.watched.Get(), nullptr);
}

TEST(ComponentRef, AHolderThatLetsGoFirstIsNeverToldAndTheOthersStillAre)
{
    // Three holders of one target; the one that lets go first, by going or by turning to another
    // component, is taken out of the target's list wherever it stands in it, so the target's Free
    // neither tells nor clears it and still reaches every other holder once.
    for (const bool destroyed : {false, true}) {
        for (int first = 0; first < 3; ++first) {
            SCOPED_TRACE(testing::Message() << "holder " << first << (destroyed ? " destroyed" : " turned away"));
            TComponent other(nullptr);
            auto* target = new TComponent(nullptr);
            int told[3] = {};
            std::optional<TComponentRef<TComponent>> holders[3];
            for (int i = 0; i < 3; ++i) {
                holders[i].emplace([&told, i] { ++told[i]; });
                *holders[i] = target;
            }
            if (destroyed)
                holders[first].reset();
            else
                *holders[first] = &other;
            target->Free();
            for (int i = 0; i < 3; ++i) {
                if (i == first)
                    continue;
                EXPECT_EQ(holders[i]->Get(), nullptr) << i;
                EXPECT_EQ(told[i], 1) << i;
            }
            EXPECT_EQ(told[first], 0);
            if (!destroyed) {
                EXPECT_EQ(holders[first]->Get(), &other);
            }
        }
    }
}

TEST(Component, LoadingFlagClearedByLoaded)
{
    TComponent component(nullptr);
    component.SetLoading(true);
    EXPECT_TRUE(component.ComponentState().Contains(TComponentStateFlag::csLoading));
    component.Loaded();
    EXPECT_FALSE(component.ComponentState().Contains(TComponentStateFlag::csLoading));
}

TEST(Persistent, UnsupportedAssignNamesBothClasses)
{
    TFont font;
    TComponent component(nullptr);
    try {
        font.Assign(&component);
        FAIL() << "no error";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), "Cannot assign a TComponent to a TFont");
    }
    EXPECT_THROW(font.Assign(nullptr), EConvertError);
}

TEST(Font, AssignCopiesEveryPropertyAndHeightFollowsSize)
{
    TFont source;
    source.SetName("Tahoma");
    source.SetSize(10);
    source.SetColor(clRed);
    source.SetStyle({TFontStyle::fsBold, TFontStyle::fsUnderline});
    TFont copy;
    int changes = 0;
    copy.OnChange = [&](TObject*) { ++changes; };
    copy.Assign(&source);
    EXPECT_TRUE(copy == source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(copy.Height(), -13);
    copy.SetSize(8);
    EXPECT_EQ(copy.Height(), -11);
    EXPECT_EQ(copy.ToQFont().pixelSize(), 11);
}
