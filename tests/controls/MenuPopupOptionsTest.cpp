// The popup options reach a menu's popup windows through their frame: a shadow widens the window
// by its size beside the level, which keeps its own size and look.
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/TePopupMenu.h"
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
