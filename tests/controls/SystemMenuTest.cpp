// The frame's system menu: its items by border icons and state, a program's menu merged into it or
// shown instead, and the menu opened from the caption, the system-menu icon and the tray icon,
// driven with the mouse and the keys.
#include <QTest>
#include <gtest/gtest.h>

#include "controls/frame/WindowStates.h"
#include "controls/menus/TePopupMenu.h"
#include "controls/window/SystemMenu.h"
#include "framework/Application.h"
#include "framework/VirtualKeys.h"
#include "tests/controls/FrameFixtures.h"
#include "tests/controls/MenuFixtures.h"
#include "tests/support/PlatformFakes.h"

namespace {

using TState = TTeWindowState;
using enum TTeBorderIcon;

const TTeBorderIcons kProgramIcons{kbiClose, kbiSystemMenu, kbiMinimize, kbiRollup, kbiTray};

QStringList Captions(const TTeItem& root)
{
    QStringList captions;
    for (int i = 0; i < root.Count(); ++i)
        captions << root.Items(i)->Caption();
    return captions;
}

// What the running menu level shows, and where its window is.
struct TSeen {
    QStringList captions;
    QPoint at;
};

TMenuStep Look(TSeen& seen)
{
    return {50, [&seen] {
                TTeItemView* level = RunningLevel();
                ASSERT_NE(level, nullptr);
                for (int i = 0; i < level->ParentItem()->Count(); ++i)
                    if (level->ParentItem()->Items(i)->Visible())
                        seen.captions << level->ParentItem()->Items(i)->Caption();
                seen.at = level->Window()->pos();
            }};
}

TMenuStep Key(Qt::Key key)
{
    return {20, [key] {
                if (TTeItemView* level = RunningLevel())
                    QTest::keyClick(level->Window(), key);
            }};
}

struct TProgramWindow {
    TRecordingTrayFactory trays;
    TFramedForm framed;
    TTeForm& frame{*framed.frame};
    ~TProgramWindow()
    {
        if (Application->Minimized())
            Application->Restore();
    }
    QPoint Caption() const { return {60, 10}; }
};

}  // namespace

TEST(SystemMenu, ItsItemsFollowTheBorderIconsAndTheState)
{
    const struct {
        const char* name;
        TTeBorderIcons icons;
        TState state;
        QStringList captions;
    } cases[] = {
        {"the program's window", kProgramIcons, TState::kwsNormal, {"Mi&nimize", "Ro&llup", "Minimize to &Tray", "-", "&Close"}},
        {"every icon", kDefaultBorderIcons, TState::kwsNormal,
         {"Mi&nimize", "Ma&ximize", "Ro&llup", "Minimize to &Tray", "-", "&Close"}},
        {"maximized", kDefaultBorderIcons, TState::kwsMaximized,
         {"&Restore", "Mi&nimize", "Ro&llup", "Minimize to &Tray", "-", "&Close"}},
        {"minimized", kDefaultBorderIcons, TState::kwsMinimized, {"&Restore", "-", "&Close"}},
        {"rolled up", kDefaultBorderIcons, TState::kwsRollup,
         {"&Restore", "Mi&nimize", "Ma&ximize", "Minimize to &Tray", "-", "&Close"}},
        {"in the tray", kProgramIcons, TState::kwsTray, {"&Restore", "-", "&Close"}},
        {"close only", {kbiClose}, TState::kwsNormal, {"&Close"}},
        {"no icons, maximized", {}, TState::kwsMaximized, {"&Restore"}},
    };
    const QHash<QString, int> images{{"&Restore", 3}, {"Mi&nimize", 1}, {"Ma&ximize", 2},
                                     {"Ro&llup", 4},   {"Minimize to &Tray", 5}, {"&Close", 0}};
    TFramedForm framed;
    TTePopupMenu menu(nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TSystemMenuRequest request;
        request.State = c.state;
        request.Icons = c.icons;
        BuildSystemMenu(menu, *framed.frame, request);
        const TTeItem& root = *menu.Items();
        EXPECT_EQ(Captions(root), c.captions);
        for (int i = 0; i < root.Count(); ++i) {
            const TTeItem& item = *root.Items(i);
            EXPECT_TRUE(item.Enabled());
            if (!item.IsLine()) {
                EXPECT_EQ(item.ImageIndex(), images.value(item.Caption())) << item.Caption().toStdString();
            }
            EXPECT_EQ(item.ShortCut(), item.Caption() == "&Close" ? (kShortCutAlt | VK_F4) : 0);
        }
    }
}

TEST(SystemMenu, AProgramsMenuJoinsBeforeOrAfterTheFramesItemsButNotInTheTray)
{
    TFramedForm framed;
    TTePopupMenu program(nullptr);
    for (const char* caption : {"&Tiger", "&Classic"}) {
        auto* item = new TTeItem(&program);
        item->SetCaption(QString::fromLatin1(caption));
        program.Items()->Add(item);
    }
    program.Items()->Items(1)->SetChecked(true);
    program.Items()->Items(1)->SetRadioItem(true);
    auto* child = new TTeItem(&program);
    child->SetCaption(QStringLiteral("Not copied"));
    program.Items()->Items(0)->Add(child);

    const struct {
        bool atFirst;
        TState state;
        QStringList captions;
    } cases[] = {
        {true, TState::kwsNormal, {"&Tiger", "&Classic", "Mi&nimize", "Ro&llup", "Minimize to &Tray", "-", "&Close"}},
        {false, TState::kwsNormal, {"Mi&nimize", "Ro&llup", "Minimize to &Tray", "-", "&Close", "&Tiger", "&Classic"}},
        {false, TState::kwsTray, {"&Restore", "-", "&Close"}},
    };
    TTePopupMenu menu(nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.atFirst);
        TSystemMenuRequest request;
        request.State = c.state;
        request.Icons = kProgramIcons;
        request.Merged = &program;
        request.MergeAtFirst = c.atFirst;
        BuildSystemMenu(menu, *framed.frame, request);
        EXPECT_EQ(Captions(*menu.Items()), c.captions);
    }
    TSystemMenuRequest request;
    request.Icons = kProgramIcons;
    request.Merged = &program;
    request.MergeAtFirst = true;
    BuildSystemMenu(menu, *framed.frame, request);
    EXPECT_EQ(menu.Items()->Items(0)->Count(), 0);
    EXPECT_TRUE(menu.Items()->Items(1)->Checked());
    EXPECT_TRUE(menu.Items()->Items(1)->RadioItem());
    EXPECT_FALSE(menu.Items()->Items(0)->RadioItem());
}

TEST(SystemMenu, ARightClickOnTheCaptionOpensItAtTheCursorAndItsItemsAct)
{
    TProgramWindow window;
    TSeen seen;
    const QPoint cursor = window.framed.Window()->mapToGlobal(window.Caption());
    DriveMenu([&] { QTest::mouseClick(window.framed.Window(), Qt::RightButton, {}, window.Caption()); },
              {Look(seen), Key(Qt::Key_L)});
    EXPECT_EQ(seen.captions, QStringList({"Mi&nimize", "Ro&llup", "Minimize to &Tray", "-", "&Close"}));
    EXPECT_EQ(seen.at, cursor);
    EXPECT_EQ(window.frame.WindowState(), TState::kwsRollup);

    // Rolled up, the menu offers the way back.
    seen = {};
    DriveMenu([&] { QTest::mouseClick(window.framed.Window(), Qt::RightButton, {}, window.Caption()); },
              {Look(seen), Key(Qt::Key_Return)});
    EXPECT_EQ(seen.captions.first(), QStringLiteral("&Restore"));
    EXPECT_EQ(window.frame.WindowState(), TState::kwsNormal);
}

TEST(SystemMenu, TheSystemMenuIconOpensItBelowTheIcon)
{
    TProgramWindow window;
    const TRect icon = window.frame.GetButtonRect(kbiSystemMenu);
    TSeen seen;
    DriveMenu(
        [&] { QTest::mouseClick(window.framed.Window(), Qt::LeftButton, {}, window.framed.Centre(kbiSystemMenu)); },
        {Look(seen), Key(Qt::Key_Escape)});
    EXPECT_EQ(seen.at, window.framed.Window()->mapToGlobal(QPoint(icon.Left, icon.Bottom)));
    EXPECT_EQ(window.frame.WindowState(), TState::kwsNormal);
}

TEST(SystemMenu, AltSpaceOpensItAtTheClientOrigin)
{
    TProgramWindow window;
    QWidget* handle = window.framed.Window();
    handle->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(handle));
    TSeen seen;
    DriveMenu([&] { QTest::keyClick(handle, Qt::Key_Space, Qt::AltModifier); }, {Look(seen), Key(Qt::Key_Escape)});
    EXPECT_EQ(seen.captions.last(), QStringLiteral("&Close"));
    EXPECT_EQ(seen.at, window.framed.form.ClientWidget()->mapToGlobal(QPoint(0, 0)));
}

TEST(SystemMenu, AProgramAddsItsOwnItemsThroughALinkedMenuOrReplacesTheMenu)
{
    TProgramWindow window;
    TTePopupMenu program(nullptr);
    QStringList clicks;
    for (const char* caption : {"&Aqua", "&Graphite"}) {
        auto* item = new TTeItem(&program);
        item->SetCaption(QString::fromLatin1(caption));
        item->OnClick = [&clicks, caption](TObject*) { clicks << QString::fromLatin1(caption); };
        program.Items()->Add(item);
    }
    window.frame.SetSystemMenuLink(&program);
    window.frame.SetSystemMenuLinkMerge(true);
    TSeen seen;
    DriveMenu([&] { QTest::mouseClick(window.framed.Window(), Qt::RightButton, {}, window.Caption()); },
              {Look(seen), Key(Qt::Key_G)});
    EXPECT_EQ(seen.captions.mid(5), QStringList({"&Aqua", "&Graphite"}));
    EXPECT_EQ(clicks, QStringList({"&Graphite"}));

    // Not merged, the program's menu is shown instead, with the frame's options.
    window.frame.SetSystemMenuLinkMerge(false);
    window.frame.SystemMenuOptions().Shadow().SetEnabled(true);
    seen = {};
    DriveMenu([&] { QTest::mouseClick(window.framed.Window(), Qt::RightButton, {}, window.Caption()); },
              {Look(seen), Key(Qt::Key_A)});
    EXPECT_EQ(seen.captions, QStringList({"&Aqua", "&Graphite"}));
    EXPECT_EQ(clicks, QStringList({"&Graphite", "&Aqua"}));
    EXPECT_TRUE(program.PopupMenuOptions().Shadow().Enabled());
}

TEST(SystemMenu, TheTrayIconsRightClickOpensItAtTheCursorAndRestoreBringsTheWindowBack)
{
    TProgramWindow window;
    QTest::mouseClick(window.framed.Window(), Qt::LeftButton, {}, window.framed.Centre(kbiTray));
    ASSERT_EQ(window.frame.WindowState(), TState::kwsTray);
    TRecordingTrayIcon& tray = *window.trays.icons.last();
    TSeen seen;
    DriveMenu([&] { tray.OnContextMenu(&tray, Point(300, 200)); }, {Look(seen), Key(Qt::Key_Return)});
    EXPECT_EQ(seen.captions, QStringList({"&Restore", "-", "&Close"}));
    EXPECT_EQ(seen.at, QPoint(300, 200));
    EXPECT_EQ(window.frame.WindowState(), TState::kwsNormal);
    EXPECT_TRUE(window.framed.form.Visible());
    EXPECT_FALSE(tray.visible);

    // A tray menu of the program's own replaces it there.
    TTePopupMenu trayMenu(nullptr);
    auto* quit = new TTeItem(&trayMenu);
    quit->SetCaption(QStringLiteral("&Quit"));
    trayMenu.Items()->Add(quit);
    window.frame.SetTrayMenuLink(&trayMenu);
    QTest::mouseClick(window.framed.Window(), Qt::LeftButton, {}, window.framed.Centre(kbiTray));
    seen = {};
    DriveMenu([&] { tray.OnContextMenu(&tray, Point(300, 200)); }, {Look(seen), Key(Qt::Key_Escape)});
    EXPECT_EQ(seen.captions, QStringList({"&Quit"}));
    tray.OnDblClick(&tray);
    EXPECT_EQ(window.frame.WindowState(), TState::kwsNormal);
}
