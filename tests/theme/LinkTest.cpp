#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "tests/theme/ManagerTestKinds.h"
#include "theme/ThemeLink.h"
#include "theme/ThemeList.h"

namespace {

class LinkTest : public testing::Test {
protected:
    TTestKinds kinds;
    TComponent holder{nullptr};
    TTeThemeList* list = new TTeThemeList(&holder);
    TTeThemeLink* link = new TTeThemeLink(&holder);
    TRecordingTarget target;

    void SetUp() override
    {
        list->Themes().Add()->SetData("first", TThemeA::Data("first"));
        list->Themes().Add()->SetData("second", TThemeB::Data("second"));
        AddThemeNotification(&target);
    }
    void TearDown() override { RemoveThemeNotification(&target); }

    // How many link notifications, each naming the link, the controls got.
    int LinkNotifications() const
    {
        const auto value = reinterpret_cast<std::intptr_t>(static_cast<TteCustomThemeLink*>(link));
        int count = 0;
        for (const auto& [msg, wParam, lParam] : target.Log) {
            if (msg == TE_THEMELINKCHANGE && wParam == value && lParam == value)
                ++count;
        }
        return count;
    }
    QString LinkName() const { return link->GetTheme() != nullptr ? link->GetTheme()->Name() : QString("none"); }
};

}  // namespace

TEST_F(LinkTest, ThemeIndexLoadsAPrivateThemeAndLeavesTheApplicationThemeAlone)
{
    link->SetDeltaHue(20);
    link->SetThemeList(list);
    target.Log.clear();
    struct {
        int index;
        int kept;
        QString theme;
        int notifications;
    } const cases[] = {{0, 0, "first", 1}, {9, 1, "second", 1}, {-1, -1, "none", 1}, {-1, -1, "none", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        target.Log.clear();
        link->SetThemeIndex(c.index);
        EXPECT_EQ(link->ThemeIndex(), c.kept);
        EXPECT_EQ(LinkName(), c.theme);
        EXPECT_EQ(LinkNotifications(), c.notifications);
        EXPECT_FALSE(HasCurrentTheme());
        EXPECT_TRUE(target.Changes().isEmpty());
    }
    link->SetThemeIndex(0);
    EXPECT_EQ(link->GetTheme()->DeltaHue(), 20);
    EXPECT_EQ(LiveTestThemes(), 1);
}

TEST_F(LinkTest, WhileLoadingNoIndexKeepsTheTheme)
{
    link->SetThemeList(list);
    link->SetThemeIndex(0);
    link->SetLoading(true);
    link->SetThemeIndex(-1);
    EXPECT_EQ(LinkName(), "first");
    link->SetLoading(false);
}

TEST_F(LinkTest, DeltasAlwaysNotifyAndActOnlyOnTheLinksTheme)
{
    target.Log.clear();
    link->SetDeltaHue(0);
    EXPECT_EQ(LinkNotifications(), 1);

    link->SetThemeList(list);
    link->SetThemeIndex(0);
    SetCurrentTheme(NewTheme('B', "application"));
    for (int hue : {10, 10, 0}) {
        target.Log.clear();
        link->SetDeltaHue(hue);
        link->SetDeltaBrightness(-hue);
        EXPECT_EQ(LinkNotifications(), 2);
        EXPECT_TRUE(target.Changes().isEmpty());
        EXPECT_EQ(link->GetTheme()->DeltaHue(), hue);
        EXPECT_EQ(link->GetTheme()->DeltaBrightness(), -hue);
        EXPECT_EQ(CurrentTheme()->DeltaHue(), 0);
    }
}

TEST_F(LinkTest, AFileThatYieldsNoThemeKeepsThePreviousOne)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("link.tsa");
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(TThemeA::Data("from file"));
    }
    link->SetThemeList(list);
    link->SetThemeIndex(1);
    target.Log.clear();
    link->SetThemeFile(dir.filePath("missing.tsa"));
    EXPECT_EQ(LinkName(), "second");
    EXPECT_EQ(link->ThemeIndex(), 1);
    EXPECT_EQ(LinkNotifications(), 0);

    link->SetThemeFile(file);
    EXPECT_EQ(LinkName(), "from file");
    EXPECT_EQ(link->ThemeIndex(), -1);
    EXPECT_EQ(LinkNotifications(), 1);
}

TEST_F(LinkTest, ThemeBuildingReplacesTheLinksTheme)
{
    link->SetThemeList(list);
    link->SetThemeIndex(0);
    target.Log.clear();
    link->SetThemeBuilding("plain");
    EXPECT_EQ(link->ThemeBuilding(), "Plain");
    EXPECT_EQ(&link->GetTheme()->ThemeClass(), &ThemeClassOf<TPlainTheme>());
    EXPECT_EQ(link->ThemeIndex(), -1);
    EXPECT_EQ(LinkNotifications(), 1);
    EXPECT_FALSE(HasCurrentTheme());

    link->SetThemeBuilding("unknown");
    EXPECT_EQ(link->ThemeBuilding(), "No theme");
    EXPECT_EQ(&link->GetTheme()->ThemeClass(), &ThemeClassOf<TPlainTheme>());
}

TEST_F(LinkTest, LosingItsListKeepsTheTheme)
{
    link->SetThemeList(list);
    link->SetThemeIndex(1);
    delete list;
    EXPECT_EQ(link->ThemeList(), nullptr);
    EXPECT_EQ(link->ThemeIndex(), -1);
    EXPECT_EQ(LinkName(), "second");
}
