// What an open popup shows: the classic frame and colours without a theme, and a scrolling level
// that shows only its ScrollCount items between its two buttons and follows the highlight.
#include <QGuiApplication>
#include <QImage>
#include <QScreen>

#include "controls/menus/TePopupMenu.h"
#include "framework/Colors.h"
#include "framework/SystemMetrics.h"
#include "tests/controls/MenuFixtures.h"
#include "theme/Theme.h"
#include "theme/ThemeManager.h"

namespace {

QRgb Rgb(TColor color)
{
    return ToQColor(ColorToRGB(color)).rgb();
}

}  // namespace

TEST(MenuPainting, AClassicPopupHasThreeFramesAndHighlightsInTheHighlightColour)
{
    ClearCurrentTheme();
    TMainMenu m;
    QImage grabbed;
    TRect highlighted;
    TRect normal;
    DriveMenu(m.KeyIn(Qt::Key_O, Qt::AltModifier), {{10, m.KeyIn(Qt::Key_Down)}, {60, [&] {
                                                        grabbed = RunningLevel()->Window()->grab().toImage();
                                                        highlighted = m.rip->ItemRect;
                                                        normal = m.openFolder->ItemRect;
                                                    }}});
    ASSERT_FALSE(grabbed.isNull());
    const int w = grabbed.width();
    const int h = grabbed.height();
    struct TPixel {
        int x, y;
        TColor color;
    };
    const TPixel pixels[] = {
        {0, 0, clBtnFace},          {w - 1, h - 1, clBlack},          {0, h - 2, clBtnFace},
        {1, 1, clBtnHighlight},     {w - 2, h - 2, clBtnShadow},      {2, 2, clMenu},
        {w - 3, h - 3, clMenu},     {highlighted.Left + 1, highlighted.Top + 1, clHighlight},
        {highlighted.Right - 1, highlighted.Bottom - 1, clHighlight}, {normal.Left + 1, normal.Top + 1, clMenu},
    };
    for (const TPixel& p : pixels) {
        SCOPED_TRACE(testing::Message() << "at " << p.x << ", " << p.y);
        EXPECT_EQ(grabbed.pixel(p.x, p.y), Rgb(p.color));
    }
    // The client area is the window less 3 on every side; items are as wide as the widest.
    EXPECT_EQ(highlighted.Left, 3);
    EXPECT_EQ(m.openCd->ItemRect.Top, 3);
    EXPECT_EQ(highlighted.Right, w - 3);
    EXPECT_EQ(highlighted.Height(), SystemMetrics().NonClientMetrics().MenuHeight);
}

TEST(MenuPainting, AScrollingLevelShowsItsCountBetweenButtonsAndFollowsTheHighlight)
{
    TMainMenu m;
    TTeItem* tracks = m.Add(m.bar.Items(), "&Tracks");
    for (int i = 1; i <= 6; ++i)
        m.Add(tracks, QStringLiteral("Track%1").arg(i).toUtf8().constData());
    tracks->SetScrolled(true);
    tracks->SetScrollCount(3);
    const int itemHeight = SystemMetrics().NonClientMetrics().MenuHeight;
    int windowHeight = 0;
    QList<int> firstShown;
    const auto look = [&] { firstShown << tracks->FirstVisible; };
    std::vector<TMenuStep> steps{{40, [&] { windowHeight = RunningLevel()->Window()->height(); }}, {0, look}};
    for (int i = 0; i < 6; ++i) {
        steps.push_back({10, m.KeyIn(Qt::Key_Down)});
        steps.push_back({10, look});
    }
    DriveMenu(m.KeyIn(Qt::Key_T, Qt::AltModifier), steps);
    EXPECT_EQ(windowHeight, 3 * itemHeight + 2 * kMenuScrollButtonHeight + 6);
    // Down through Track2..Track6, then wrapping to Track1.
    EXPECT_EQ(firstShown, (QList<int>{0, 0, 0, 1, 2, 3, 0}));
    // Back at the top: the first three are laid out below the up button, the rest take no room.
    EXPECT_EQ(tracks->Items(0)->ItemRect.Top, 3 + kMenuScrollButtonHeight);
    EXPECT_TRUE(tracks->Items(3)->ItemRect.IsEmpty());
}

TEST(MenuPainting, APopupTallerThanTheScreenScrollsWithWhatFits)
{
    TOwned<TTeItem> root = MakeOwned<TTeItem>(nullptr);
    for (int i = 0; i < 120; ++i) {
        auto* item = new TTeItem(root.get());
        item->SetCaption(QStringLiteral("Track %1").arg(i + 1));
        root->Add(item);
    }
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    int height = 0;
    int shown = 0;
    int firstAfterUp = -1;
    DriveMenu([&] { RunContextMenu(*root, work.topLeft() + QPoint(10, 10)); },
              {{40,
                [&] {
                    height = RunningLevel()->Window()->height();
                    shown = RunningLevel()->ScrollCount();
                }},
               {0, [] { QTest::keyClick(RunningLevel()->Window(), Qt::Key_Up); }},  // wraps to the last
               {20, [&] { firstAfterUp = root->FirstVisible; }}});
    EXPECT_LE(height, work.height());
    ASSERT_GT(shown, 0);
    EXPECT_LT(shown, 120);
    EXPECT_EQ(firstAfterUp, 120 - shown);
}

// A checked radio item shows a bullet where a checked item shows its mark, in the classic look and
// through a theme alike.
TEST(MenuPainting, ACheckedRadioItemShowsABulletInsteadOfTheCheckMark)
{
    const auto columns = [](bool themed) {
        if (themed)
            SetCurrentTheme(ThemeClassOf<TteTheme>().Create().release());
        else
            ClearCurrentTheme();
        TTePopupMenu menu(nullptr);
        TTeItem* items[2] = {};
        for (int i = 0; i < 2; ++i) {
            items[i] = new TTeItem(&menu);
            items[i]->SetCaption(QStringLiteral("Look"));
            items[i]->SetChecked(true);
            menu.Items()->Add(items[i]);
        }
        items[1]->SetRadioItem(true);
        QImage grabbed;
        DriveMenu([&] { menu.Popup(100, 100); },
                  {{60, [&] { grabbed = RunningLevel()->Window()->grab().toImage(); }}});
        EXPECT_FALSE(grabbed.isNull());
        QList<QImage> marks;
        for (const TTeItem* item : items) {
            const TRect r = item->ItemRect;
            marks << grabbed.copy(r.Left, r.Top, 20, r.Height());
        }
        return marks;
    };
    for (bool themed : {false, true}) {
        SCOPED_TRACE(themed ? "themed" : "classic");
        const QList<QImage> marks = columns(themed);
        ASSERT_EQ(marks.size(), 2);
        EXPECT_NE(marks[0], marks[1]);
        // Both show something in the column, not an empty one.
        for (const QImage& mark : marks) {
            QImage blank(mark.size(), mark.format());
            blank.fill(mark.pixel(0, 0));
            EXPECT_NE(mark, blank) << "an empty column";
        }
    }
    ClearCurrentTheme();
}
