#include <gtest/gtest.h>

#include "framework/Component.h"
#include "framework/Exception.h"
#include "framework/Font.h"

namespace {

// Records what it is told about other components.
class Watcher : public TComponent {
public:
    using TComponent::TComponent;
    QStringList log;
    TComponent* watched = nullptr;

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove && component == watched) {
            log << QStringLiteral("removed ") + component->Name();
            watched = nullptr;
        }
    }
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

}  // namespace

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

TEST(Component, FreeNotificationTellsWatcherOfDestruction)
{
    Watcher watcher(nullptr);
    auto* target = new TComponent(nullptr);
    target->SetName("Target");
    watcher.watched = target;
    target->FreeNotification(&watcher);
    delete target;
    EXPECT_EQ(watcher.log, QStringList{"removed Target"});
    EXPECT_EQ(watcher.watched, nullptr);
}

TEST(Component, WatcherDestroyedFirstLeavesNoDanglingLink)
{
    auto* watcher = new Watcher(nullptr);
    TComponent target(nullptr);
    target.FreeNotification(watcher);
    delete watcher;  // target must not tell a destroyed watcher later
    SUCCEED();
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
