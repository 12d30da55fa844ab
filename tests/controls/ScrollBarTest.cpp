// The themed scroll bar: where its parts lie, what a press, a hold, a drag and a release do, and the
// setters' limits.
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/core/ScrollBarGeometry.h"
#include "controls/core/TeScrollBar.h"
#include "framework/SystemMetrics.h"
#include "tests/controls/ControlFixtures.h"

namespace {

struct TGeometryCase {
    const char* name;
    TRect bounds;
    TTeScrollOrientation orientation;
    int border;
    bool buttons;
    TScrollBarRange range;
    TRect first;
    TRect second;
    TRect thumb;
};

constexpr auto kVert = TTeScrollOrientation::ksoVertical;
constexpr auto kHorz = TTeScrollOrientation::ksoHorizontal;

// SM_CYVTHUMB is 16 on the classic desktop.
const TGeometryCase kGeometry[] = {
    {"no page: thumb of 16 at the top", Rect(0, 0, 16, 100), kVert, 0, true, {0, 100, 0, 0},
     Rect(0, 0, 16, 16), Rect(0, 84, 16, 100), Rect(0, 16, 16, 32)},
    {"no page: thumb at the end for Max", Rect(0, 0, 16, 100), kVert, 0, true, {0, 100, 0, 100},
     Rect(0, 0, 16, 16), Rect(0, 84, 16, 100), Rect(0, 68, 16, 84)},
    {"page: thumb as long as the page's share, halfway", Rect(0, 0, 200, 16), kHorz, 0, true, {0, 99, 50, 25},
     Rect(0, 0, 16, 16), Rect(184, 0, 200, 16), Rect(58, 0, 142, 16)},
    {"page: a small page still gets a thumb of 10", Rect(0, 0, 16, 100), kVert, 0, true, {0, 999, 10, 0},
     Rect(0, 0, 16, 16), Rect(0, 84, 16, 100), Rect(0, 16, 16, 26)},
    {"border: everything inset", Rect(0, 0, 20, 100), kVert, 2, true, {0, 100, 0, 50},
     Rect(2, 2, 18, 18), Rect(2, 82, 18, 98), Rect(2, 42, 18, 58)},
    {"no buttons: the track is the whole bar", Rect(0, 0, 16, 100), kVert, 0, false, {0, 100, 0, 100},
     TRect{}, TRect{}, Rect(0, 84, 16, 100)},
    {"shorter than two buttons: they share the length, no track", Rect(0, 0, 16, 20), kVert, 0, true,
     {0, 100, 0, 0}, Rect(0, 0, 16, 10), Rect(0, 10, 16, 20), TRect{}},
    {"a page as large as the range: no thumb", Rect(0, 0, 16, 100), kVert, 0, true, {0, 9, 10, 0},
     Rect(0, 0, 16, 16), Rect(0, 84, 16, 100), TRect{}},
};

}  // namespace

TEST(ScrollBarGeometry, PartsFollowSizeRangeAndPosition)
{
    for (const TGeometryCase& c : kGeometry) {
        SCOPED_TRACE(c.name);
        const TScrollBarLayout layout = LayOutScrollBar(c.bounds, c.orientation, c.border, c.buttons, 16, c.range);
        EXPECT_EQ(layout.FirstButton, c.first);
        EXPECT_EQ(layout.SecondButton, c.second);
        if (c.thumb.IsEmpty())
            EXPECT_TRUE(layout.Thumb.IsEmpty());
        else
            EXPECT_EQ(layout.Thumb, c.thumb);
    }
}

TEST(ScrollBarGeometry, APixelStandsForTheNearestPositionWithinTheRange)
{
    const TScrollBarRange range{0, 99, 50, 0};  // 50 positions over 84 free pixels
    const TScrollBarLayout layout = LayOutScrollBar(Rect(0, 0, 200, 16), kHorz, 0, true, 16, range);
    EXPECT_EQ(ScrollPositionAt(layout, range, 16), 0);
    EXPECT_EQ(ScrollPositionAt(layout, range, 16 + 42), 25);
    EXPECT_EQ(ScrollPositionAt(layout, range, 16 + 84), 50);
    EXPECT_EQ(ScrollPositionAt(layout, range, 0), 0);     // before the track
    EXPECT_EQ(ScrollPositionAt(layout, range, 199), 50);  // past it
}

TEST(ScrollBar, SettersKeepTheRangeConsistent)
{
    TTeScrollBar bar(nullptr);
    EXPECT_EQ(bar.Width(), 121);
    EXPECT_EQ(bar.Height(), GetSystemMetrics(SM_CYVTHUMB));
    int changes = 0;
    bar.OnChange = [&](TObject*) { ++changes; };
    bar.SetPosition(150);
    EXPECT_EQ(bar.Position(), 100);
    bar.SetPosition(100);
    EXPECT_EQ(changes, 1);  // an unchanged value is ignored
    bar.SetMax(50);
    EXPECT_EQ(bar.Position(), 50);  // pulled inside
    EXPECT_EQ(changes, 2);
    bar.SetMin(80);
    EXPECT_EQ(bar.Min(), 50);  // never above Max
    bar.SetMin(0);
    bar.SetPageSize(-3);
    EXPECT_EQ(bar.PageSize(), 0);
    bar.SetPageSize(500);
    EXPECT_EQ(bar.PageSize(), 51);  // cut to Max - Min + 1
    bar.SetMax(20);
    EXPECT_EQ(bar.PageSize(), 21);
    bar.SetOrientation(TTeScrollOrientation::ksoVertical);
    EXPECT_EQ(bar.Width(), GetSystemMetrics(SM_CYVTHUMB));
    EXPECT_EQ(bar.Height(), 121);
}

namespace {

// A vertical bar 16 × 116 on a control of a shown form: buttons 0-16 and 100-116, track 16-100.
struct TBarOnForm {
    TShownForm shown{100, 160};
    TPlainControl host;
    TTeScrollBar bar{nullptr};
    QList<std::pair<TScrollCode, int>> scrolls;
    int changes = 0;
    TBarOnForm()
    {
        host.SetParent(&shown.form);
        host.SetBounds(0, 0, 100, 160);
        bar.SetOrientation(TTeScrollOrientation::ksoVertical);
        bar.SetParent(&host);
        bar.SetBounds(10, 10, 16, 116);
        bar.SetMax(99);
        bar.SetPageSize(10);
        bar.SetPosition(40);
        bar.OnScroll = [this](TObject*, TScrollCode code, int& position) { scrolls.append({code, position}); };
        bar.OnChange = [this](TObject*) { ++changes; };
    }
    QWidget* Client() { return host.Handle(); }
    QPoint At(int x, int y) const { return QPoint(10 + x, 10 + y); }
};

}  // namespace

TEST(ScrollBar, ArrowsAndPageAreasStepOncePerClick)
{
    TBarOnForm f;
    QTest::mouseClick(f.Client(), Qt::LeftButton, {}, f.At(8, 110));  // down arrow
    EXPECT_EQ(f.bar.Position(), 41);
    QTest::mouseClick(f.Client(), Qt::LeftButton, {}, f.At(8, 4));  // up arrow
    EXPECT_EQ(f.bar.Position(), 40);
    const TRect thumb = f.bar.Layout().Thumb;
    QTest::mouseClick(f.Client(), Qt::LeftButton, {}, f.At(8, thumb.Bottom + 1));  // page after
    EXPECT_EQ(f.bar.Position(), 50);
    QTest::mouseClick(f.Client(), Qt::LeftButton, {}, f.At(8, 17));  // page before
    EXPECT_EQ(f.bar.Position(), 40);
    EXPECT_EQ(f.changes, 4);
    using enum TScrollCode;
    const QList<std::pair<TScrollCode, int>> expected{{scLineDown, 41}, {scEndScroll, 41}, {scLineUp, 40},
                                                      {scEndScroll, 40}, {scPageDown, 50}, {scEndScroll, 50},
                                                      {scPageUp, 40},   {scEndScroll, 40}};
    EXPECT_EQ(f.scrolls, expected);
}

TEST(ScrollBar, TheOwnerMayChangeAStep)
{
    TBarOnForm f;
    f.bar.OnScroll = [](TObject*, TScrollCode code, int& position) {
        if (code == TScrollCode::scLineDown)
            position = 70;
    };
    QTest::mouseClick(f.Client(), Qt::LeftButton, {}, f.At(8, 110));
    EXPECT_EQ(f.bar.Position(), 70);
}

TEST(ScrollBar, AHeldArrowRepeatsAfterTheKeyboardDelay)
{
    TBarOnForm f;
    EXPECT_EQ(TTeScrollBar::RepeatDelay(), 400);   // delay setting 1
    EXPECT_EQ(TTeScrollBar::RepeatInterval(), 14);  // speed setting 31
    QTest::mousePress(f.Client(), Qt::LeftButton, {}, f.At(8, 110));
    EXPECT_EQ(f.bar.Position(), 41);
    QTest::qWait(200);
    EXPECT_EQ(f.bar.Position(), 41);  // still in the delay
    QTest::qWait(450);
    QTest::mouseRelease(f.Client(), Qt::LeftButton, {}, f.At(8, 110));
    const int held = f.bar.Position();
    EXPECT_GT(held, 43);
    QTest::qWait(100);
    EXPECT_EQ(f.bar.Position(), held);  // stopped at the release
}

TEST(ScrollBar, TheThumbFollowsTheMouseFromWhereItWasTaken)
{
    TBarOnForm f;
    const TRect thumb = f.bar.Layout().Thumb;
    const int grip = thumb.Top + 3;
    QTest::mousePress(f.Client(), Qt::LeftButton, {}, f.At(8, grip));
    EXPECT_TRUE(f.bar.Dragging());
    // The owner's answer does not hold the thumb back.
    f.bar.OnScroll = [&f](TObject*, TScrollCode code, int& position) {
        f.scrolls.append({code, position});
        position = 0;
    };
    QTest::mouseMove(f.Client(), f.At(8, grip + 20));
    const TScrollBarLayout layout = f.bar.Layout();
    const TScrollBarRange range{0, 99, 10, 0};
    EXPECT_EQ(f.bar.Position(), ScrollPositionAt(layout, range, thumb.Top + 20));
    EXPECT_EQ(layout.Thumb.Top, thumb.Top + 20);
    QTest::mouseMove(f.Client(), f.At(8, 300));  // far past the end
    EXPECT_EQ(f.bar.Position(), 90);              // Max - PageSize + 1
    f.bar.OnScroll = [&f](TObject*, TScrollCode code, int& position) { f.scrolls.append({code, position}); };
    QTest::mouseRelease(f.Client(), Qt::LeftButton, {}, f.At(8, 300));
    EXPECT_FALSE(f.bar.Dragging());
    ASSERT_GE(f.scrolls.size(), 2);
    EXPECT_EQ(f.scrolls[f.scrolls.size() - 2], std::make_pair(TScrollCode::scPosition, 90));
    EXPECT_EQ(f.scrolls.last(), std::make_pair(TScrollCode::scEndScroll, 90));
}

TEST(ScrollBar, PartsUnderTheMouseAreHot)
{
    TBarOnForm f;
    QTest::mouseMove(f.Client(), f.At(8, 4));
    EXPECT_EQ(f.bar.HotPart(), TScrollBarPart::ksbpFirstButton);
    QTest::mouseMove(f.Client(), f.At(8, f.bar.Layout().Thumb.Top + 1));
    EXPECT_EQ(f.bar.HotPart(), TScrollBarPart::ksbpThumb);
    QTest::mouseMove(f.Client(), QPoint(80, 150));
    EXPECT_EQ(f.bar.HotPart(), TScrollBarPart::ksbpNone);
}
