// The popup options reach a menu's popup windows through their frame: a shadow widens the window
// by its size beside the level, which keeps its own size and look.
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/menus/TePopupMenu.h"
#include "controls/window/ControlComponents.h"
#include "framework/ComponentStream.h"
#include "tests/controls/MenuFixtures.h"

TEST(MenuPopupOptions, AShadowLiesBesideTheLevelInsideTheWindow)
{
    TShownForm shown;
    TOwned<TTePopupMenu> menu = MakeOwned<TTePopupMenu>(nullptr);
    for (const char* caption : {"&Aqua", "&Graphite"}) {
        auto* item = new TTeItem(menu.get());
        item->SetCaption(QString::fromLatin1(caption));
        menu->Items()->Add(item);
    }
    const QPoint at = shown.form.Handle()->mapToGlobal(QPoint(20, 20));
    const auto open = [&] {
        QImage seen;
        DriveMenu([&] { menu->Popup(at.x(), at.y()); },
                  {{40, [&] { seen = RunningLevel()->Window()->grab().toImage(); }}});
        return seen;
    };
    const QImage plain = open();
    menu->PopupMenuOptions().Shadow().SetEnabled(true);
    menu->PopupMenuOptions().Shadow().SetSize(4);
    const QImage shadowed = open();
    ASSERT_FALSE(plain.isNull());
    EXPECT_EQ(shadowed.size(), plain.size() + QSize(4, 4));
    // The level's right frame and its first item are where they were.
    for (const QPoint p : {QPoint(plain.width() - 1, plain.height() / 2), QPoint(plain.width() / 2, 8)})
        EXPECT_EQ(shadowed.pixel(p), plain.pixel(p)) << p.x() << "," << p.y();
}

// The bar's options are stored with it and reach the popups it opens: a shadow read from the
// description widens the first level and the submenu alike.
TEST(MenuPopupOptions, TheBarsStoredOptionsReachEveryLevelItOpens)
{
    RegisterControlComponents();
    TMainMenu menu;
    const auto open = [&] {
        QSize first;
        QSize second;
        DriveMenu(menu.PressOn(menu.operation),
                  {{20, [&] { QTest::mouseRelease(menu.BarWindow(), Qt::LeftButton, {}, CenterOf(menu.operation)); }},
                   {20, [&] { first = RunningLevel()->Window()->size(); }},
                   {0, [&] { QTest::keyClick(menu.shown.form.Handle(), Qt::Key_Down); }},
                   {0, [&] { QTest::keyClick(menu.shown.form.Handle(), Qt::Key_Right); }},
                   {40, [&] { second = RunningLevel()->Window()->size(); }}});
        return std::pair(first, second);
    };
    const auto plain = open();
    StringToComponent(QStringLiteral("object TeMenuBar1: TTeMenuBar\n"
                                     "  PopupMenuOptions.Shadow.Enabled = True\n"
                                     "  PopupMenuOptions.Shadow.Size = 6\n"
                                     "end\n"),
                      &menu.bar);
    EXPECT_TRUE(ComponentToString(menu.bar).contains(QStringLiteral("PopupMenuOptions.Shadow.Size = 6")));
    const auto shadowed = open();
    ASSERT_FALSE(plain.first.isEmpty());
    ASSERT_FALSE(plain.second.isEmpty());
    EXPECT_EQ(shadowed.first, plain.first + QSize(6, 6));
    EXPECT_EQ(shadowed.second, plain.second + QSize(6, 6));
}
