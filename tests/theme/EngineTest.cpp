#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "framework/ClassRegistry.h"
#include "framework/ComponentStream.h"
#include "tests/theme/ManagerTestKinds.h"
#include "theme/ThemeEngine.h"
#include "theme/ThemeLink.h"
#include "theme/ThemeList.h"

namespace {

// The window that carries the theme components in a stored description.
class TThemeHolder : public TComponent {
public:
    using TComponent::TComponent;
};

class EngineTest : public testing::Test {
protected:
    TTestKinds kinds;
    TThemeHolder holder{nullptr};
    TTeThemeList* list = new TTeThemeList(&holder);
    TTeThemeEngine* engine = new TTeThemeEngine(&holder);
    TRecordingTarget target;
    int changedEvents = 0;

    void SetUp() override
    {
        RegisterThemeComponents();
        RegisterClass<TThemeHolder>("TThemeHolder");
        list->SetName("TeThemeList1");
        engine->SetName("TeThemeEngine1");
        list->Themes().Add()->SetData("first", TThemeA::Data("first"));
        list->Themes().Add()->SetData("second", TThemeB::Data("second"));
        engine->OnThemeChanged = [this](TObject*) { ++changedEvents; };
        AddThemeNotification(&target);
    }
    void TearDown() override { RemoveThemeNotification(&target); }

    QString CurrentName() const { return HasCurrentTheme() ? CurrentTheme()->Name() : QString("none"); }
};

}  // namespace

TEST_F(EngineTest, ThemeIndexMakesTheItemCurrentClampedToTheLastOne)
{
    engine->SetThemeList(list);
    struct {
        int index;
        int kept;
        QString current;
    } const cases[] = {{0, 0, "first"}, {5, 1, "second"}, {0, 0, "first"}, {-1, -1, "none"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        changedEvents = 0;
        engine->SetThemeIndex(c.index);
        EXPECT_EQ(engine->ThemeIndex(), c.kept);
        EXPECT_EQ(CurrentName(), c.current);
        EXPECT_EQ(engine->ThemeBuilding(), "No theme");
        EXPECT_EQ(changedEvents, 1);
    }
    EXPECT_EQ(LiveTestThemes(), 0);
}

TEST_F(EngineTest, TheItemAskedForWinsOverAnEarlierItemOfTheSameName)
{
    list->Themes().Items(0)->SetData("same", TThemeA::Data("same"));
    list->Themes().Items(1)->SetData("same", TThemeB::Data("same"));
    engine->SetThemeList(list);
    engine->SetThemeIndex(1);
    EXPECT_EQ(engine->ThemeIndex(), 1);
    EXPECT_EQ(&CurrentTheme()->ThemeClass(), &ThemeClassOf<TThemeB>());
}

TEST_F(EngineTest, ThemeBuildingMakesABuiltInKindCurrentByName)
{
    engine->SetThemeList(list);
    engine->SetThemeIndex(1);
    engine->SetThemeBuilding("pLAIN");
    EXPECT_EQ(engine->ThemeBuilding(), "Plain");
    EXPECT_EQ(engine->ThemeIndex(), -1);
    EXPECT_EQ(&CurrentTheme()->ThemeClass(), &ThemeClassOf<TPlainTheme>());

    // Kinds that need data are not built by name.
    for (const char* name : {"Nothing", "TaggedA", "No theme"}) {
        engine->SetThemeBuilding(name);
        EXPECT_EQ(engine->ThemeBuilding(), "No theme");
        EXPECT_EQ(&CurrentTheme()->ThemeClass(), &ThemeClassOf<TPlainTheme>());
    }
}

TEST_F(EngineTest, DeltasFollowTheEngineIncludingBackToNone)
{
    engine->SetThemeList(list);
    engine->SetThemeIndex(0);
    struct {
        int hue;
        int brightness;
    } const steps[] = {{30, 0}, {0, 0}, {0, -10}, {40, -10}, {0, -10}, {0, 0}};
    for (const auto& s : steps) {
        SCOPED_TRACE(testing::Message() << s.hue << "," << s.brightness);
        target.Log.clear();
        engine->SetDeltaHue(s.hue);
        engine->SetDeltaBrightness(s.brightness);
        EXPECT_EQ(CurrentTheme()->DeltaHue(), s.hue);
        EXPECT_EQ(CurrentTheme()->DeltaBrightness(), s.brightness);
        EXPECT_EQ(target.Changes(), (QList<std::intptr_t>{5}));
    }
    // A theme that becomes current gets the engine's deltas.
    engine->SetDeltaHue(25);
    engine->SetThemeIndex(1);
    EXPECT_EQ(CurrentTheme()->DeltaHue(), 25);
}

TEST_F(EngineTest, ThemeFileLoadsOrKeepsTheIndexedTheme)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("file.tsb");
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(TThemeB::Data("from file"));
    }
    engine->SetThemeList(list);
    engine->SetThemeIndex(0);

    engine->SetThemeFile(dir.filePath("missing.tsb"));
    EXPECT_EQ(CurrentName(), "first");
    EXPECT_EQ(engine->ThemeIndex(), 0);

    engine->SetThemeFile(file);
    EXPECT_EQ(CurrentName(), "from file");
    EXPECT_EQ(engine->ThemeIndex(), -1);
    EXPECT_EQ(engine->ThemeFile(), file);

    engine->SetThemeFile(dir.filePath("missing.tsb"));
    EXPECT_EQ(CurrentName(), "none");
    EXPECT_EQ(engine->ThemeFile(), "");
}

TEST_F(EngineTest, FollowsAThemeMadeCurrentElsewhere)
{
    engine->SetThemeList(list);
    SetCurrentTheme(NewTheme('A', "second"));
    EXPECT_EQ(engine->ThemeIndex(), 1);

    auto* fromFile = NewTheme('B', "elsewhere");
    fromFile->SetFileName("/themes/elsewhere.tsb");
    SetCurrentTheme(fromFile);
    EXPECT_EQ(engine->ThemeFile(), "/themes/elsewhere.tsb");
    EXPECT_EQ(engine->ThemeIndex(), -1);

    SetCurrentTheme(new TPlainTheme);
    EXPECT_EQ(engine->ThemeBuilding(), "Plain");
    EXPECT_EQ(engine->ThemeFile(), "");

    ClearCurrentTheme();
    EXPECT_EQ(engine->ThemeBuilding(), "No theme");
    EXPECT_EQ(changedEvents, 4);
}

TEST_F(EngineTest, LosingItsListClearsTheCurrentTheme)
{
    engine->SetThemeList(list);
    engine->SetThemeIndex(1);
    delete list;
    EXPECT_EQ(engine->ThemeList(), nullptr);
    EXPECT_EQ(engine->ThemeIndex(), -1);
    EXPECT_FALSE(HasCurrentTheme());
}

// The main window's case: a list with one stored theme, and an engine and a link that both select it.
TEST_F(EngineTest, AStoredWindowMakesItsThemeCurrentAndGivesTheLinkItsOwnCopyOnceLoaded)
{
    auto* link = new TTeThemeLink(&holder);
    link->SetName("TeThemeLink1");
    list->Themes().Delete(1);
    engine->SetDeltaHue(30);
    engine->SetThemeList(list);
    link->SetThemeList(list);
    engine->SetThemeIndex(0);
    link->SetThemeIndex(0);
    const QString text = ComponentToString(holder);
    EXPECT_TRUE(text.contains("object TeThemeEngine1: TTeThemeEngine\n    DeltaHue = 30\n    ThemeList = TeThemeList1\n"
                              "    ThemeIndex = 0\n    ThemeBuilding = 'No theme'\n    Version = '6.0'\n  end\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("object TeThemeLink1: TTeThemeLink\n    ThemeBuilding = 'No theme'\n"
                              "    ThemeList = TeThemeList1\n    ThemeIndex = 0\n  end\n"));

    // Stored before the theme goes: the engine follows the current theme's removal.
    TMemoryStream stored;
    WriteComponent(stored, holder);
    ClearCurrentTheme();
    for (bool binary : {false, true}) {
        SCOPED_TRACE(binary ? "binary" : "text");
        TThemeHolder copy(nullptr);
        target.Log.clear();
        if (binary) {
            stored.SetPosition(0);
            ReadComponent(stored, &copy);
        } else {
            StringToComponent(text, &copy);
        }
        auto* copiedLink = static_cast<TTeThemeLink*>(copy.FindComponent("TeThemeLink1"));
        ASSERT_NE(copiedLink, nullptr);
        ASSERT_TRUE(HasCurrentTheme());
        EXPECT_EQ(CurrentTheme()->Name(), "first");
        EXPECT_EQ(CurrentTheme()->DeltaHue(), 30);
        ASSERT_NE(copiedLink->GetTheme(), nullptr);
        EXPECT_NE(copiedLink->GetTheme(), CurrentTheme());
        EXPECT_EQ(copiedLink->GetTheme()->Name(), "first");
        const auto linkValue = reinterpret_cast<std::intptr_t>(static_cast<TteCustomThemeLink*>(copiedLink));
        EXPECT_TRUE(target.Log.contains(TRecordingTarget::TEntry{TE_THEMELINKCHANGE, linkValue, linkValue}));
        ClearCurrentTheme();
    }
}
