// The track bar: its geometry, every keyboard and mouse path to a position with one OnChange per
// change, and what it draws in the classic look and through a theme.
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "tests/controls/BarFixtures.h"
#include "tests/controls/ControlFixtures.h"
#include "tests/support/GoldenImage.h"

namespace {

// 147 pixels long with 0..12: the usable length is 120, so value v sits at pixel 13 + 10 v.
TTrackBarLayout TenPixelsAStep()
{
    TTrackBarLayout layout;
    layout.Length = 147;
    layout.Max = 12;
    return layout;
}

// A default track bar (150 × 45, 0..10 at 3) on a shown form, counting its changes.
struct TTrackFixture {
    TShownForm shown{200, 80};
    TTeTrackBar* bar = new TTeTrackBar(&shown.form);
    int changes = 0;
    TTrackFixture()
    {
        bar->SetParent(&shown.form);
        bar->SetBounds(10, 10, 150, 45);
        bar->OnChange = [this](TObject*) { ++changes; };
    }
    QWidget* widget() const { return bar->Handle(); }
    // The centre of the thumb as the bar stands.
    QPoint thumb() const { return bar->Layout().ThumbRect(bar->Position()).ToQRect().center(); }
    QPoint atValue(int value) const { return {bar->Layout().PixelOf(value), 15}; }
};

void Wheel(QWidget* widget, int delta)
{
    QWheelEvent event(QPointF(20, 15), widget->mapToGlobal(QPointF(20, 15)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &event);
}

}  // namespace

TEST(TrackBarLayout, MapsValuesToPixelsAndBackWithSnapping)
{
    const TTrackBarLayout layout = TenPixelsAStep();
    EXPECT_EQ(layout.PixelOf(0), 13);
    EXPECT_EQ(layout.PixelOf(3), 43);
    EXPECT_EQ(layout.PixelOf(12), 133);
    const struct {
        int pixel, frequency, value;
    } cases[] = {
        {43, 1, 3},  {47, 1, 3},  {49, 1, 4},     // rounded to the nearest value
        {43, 2, 2},                               // an odd value snaps down to the even one below
        {63, 3, 6},  {53, 3, 3},                  // 5 snaps up to 6, 4 down to 3
        {0, 1, 0},   {1000, 1, 12}, {1000, 5, 12}, // kept inside Min..Max
        {73, 0, 6},                               // no snapping without a frequency
    };
    for (const auto& c : cases)
        EXPECT_EQ(layout.ValueAt(c.pixel, c.frequency), c.value) << "pixel " << c.pixel << " frequency " << c.frequency;

    TTrackBarLayout empty = layout;
    empty.Max = empty.Min;
    EXPECT_EQ(empty.PixelOf(0), 0);
}

TEST(TrackBarLayout, TrackAndThumbMoveAwayFromTicksOnTheTopOrLeft)
{
    // The default thumb: 9 long, 20 broad; the track behind its body.
    const struct {
        TTeTickMark marks;
        bool showTicks;
        TRect track, thumb;
    } cases[] = {
        {TTeTickMark::ktbmBottomRight, true, Rect(9, 9, 138, 23), Rect(39, 7, 48, 27)},
        {TTeTickMark::ktbmTopLeft, true, Rect(9, 16, 138, 30), Rect(39, 12, 48, 32)},
        {TTeTickMark::ktbmTopLeft, false, Rect(9, 11, 138, 25), Rect(39, 7, 48, 27)},
        {TTeTickMark::ktbmBoth, true, Rect(9, 15, 138, 29), Rect(39, 12, 48, 32)},
    };
    for (const auto& c : cases) {
        TTrackBarLayout layout = TenPixelsAStep();
        layout.TickMarks = c.marks;
        layout.ShowTicks = c.showTicks;
        EXPECT_EQ(layout.TrackRect(), c.track) << static_cast<int>(c.marks) << " " << c.showTicks;
        EXPECT_EQ(layout.ThumbRect(3), c.thumb) << static_cast<int>(c.marks) << " " << c.showTicks;
    }
    TTrackBarLayout vertical = TenPixelsAStep();
    vertical.Vertical = true;
    EXPECT_EQ(vertical.ThumbRect(3), Rect(7, 39, 27, 48));

    TTrackBarLayout ticks = TenPixelsAStep();
    ticks.Min = -3;
    ticks.Max = 7;
    EXPECT_EQ(ticks.TickValues(4), (QList<int>{-3, 0, 4, 7}));
}

TEST(TrackBar, RangeAndPositionAreKeptConsistent)
{
    TTrackFixture f;
    EXPECT_EQ(f.bar->Position(), 3);
    f.bar->SetMax(f.bar->Min());  // ignored
    EXPECT_EQ(f.bar->Max(), 10);
    f.bar->SetMin(10);  // ignored: not below Max
    EXPECT_EQ(f.bar->Min(), 0);
    f.bar->SetMax(2);  // pulls the position in, one change
    EXPECT_EQ(f.bar->Position(), 2);
    EXPECT_EQ(f.changes, 1);
    f.bar->SetPosition(50);
    EXPECT_EQ(f.bar->Position(), 2);
    EXPECT_EQ(f.changes, 1);
    f.bar->SetMin(-5);
    f.bar->SetPosition(-9);
    EXPECT_EQ(f.bar->Position(), -5);
    EXPECT_EQ(f.changes, 2);
}

TEST(TrackBar, TurningItWhileDesigningTurnsItsShape)
{
    TTrackFixture f;
    f.bar->SetOrientation(TTeTrackOrientation::ktoVertical);
    EXPECT_EQ(f.bar->BoundsRect(), Rect(10, 10, 160, 55));  // at run time the shape stays
    f.bar->SetOrientation(TTeTrackOrientation::ktoHorizontal);
    f.bar->SetDesigning(true);
    f.bar->SetOrientation(TTeTrackOrientation::ktoVertical);
    EXPECT_EQ(f.bar->BoundsRect(), Rect(10, 10, 55, 160));
    f.bar->SetOrientation(TTeTrackOrientation::ktoHorizontal);
    EXPECT_EQ(f.bar->BoundsRect(), Rect(10, 10, 160, 55));
}

TEST(TrackBar, KeysMoveByLineAndPageAndToTheEnds)
{
    const struct {
        Qt::Key key;
        int from, to;
    } cases[] = {
        {Qt::Key_PageUp, 5, 2},  {Qt::Key_PageDown, 5, 8}, {Qt::Key_Home, 5, 0},  {Qt::Key_End, 5, 10},
        {Qt::Key_Left, 5, 4},    {Qt::Key_Up, 5, 4},       {Qt::Key_Right, 5, 6}, {Qt::Key_Down, 5, 6},
        {Qt::Key_PageDown, 9, 10}, {Qt::Key_Home, 0, 0},   {Qt::Key_End, 10, 10}, {Qt::Key_Right, 10, 10},
        {Qt::Key_Left, 0, 0},    {Qt::Key_A, 5, 5},
    };
    for (const auto& c : cases) {
        TTrackFixture f;
        f.bar->SetPageSize(3);
        f.bar->SetPosition(c.from);
        f.changes = 0;
        QTest::keyClick(f.widget(), c.key);
        EXPECT_EQ(f.bar->Position(), c.to) << QKeySequence(c.key).toString().toStdString() << " from " << c.from;
        EXPECT_EQ(f.changes, c.from == c.to ? 0 : 1) << QKeySequence(c.key).toString().toStdString();
    }
}

TEST(TrackBar, ClicksOnTheTrackStepAPageOrJump)
{
    const struct {
        const char* what;
        bool jump;
        int clickValue, to;
        bool thumb = true;
    } cases[] = {
        {"far right steps one page", false, 10, 5},
        {"far left steps one page", false, 0, 1},
        {"jump to the click point", true, 8, 8},
        {"jump to the left end", true, 0, 0},
        {"a click where it is, without a thumb, steps nowhere", false, 3, 3, false},
        {"a jump to where it is changes nothing", true, 3, 3, false},
    };
    for (const auto& c : cases) {
        TTrackFixture f;
        f.bar->SetJumpByClick(c.jump);
        f.bar->SetThumbVisible(c.thumb);
        QTest::mouseClick(f.widget(), Qt::LeftButton, Qt::NoModifier, f.atValue(c.clickValue));
        EXPECT_EQ(f.bar->Position(), c.to) << c.what;
        EXPECT_EQ(f.changes, c.to == 3 ? 0 : 1) << c.what;
        EXPECT_FALSE(f.bar->Dragging()) << c.what;
    }
}

TEST(TrackBar, DraggingTheThumbFollowsTheMouseAndEndsOnRelease)
{
    TTrackFixture f;
    const QPoint start = f.thumb();
    QTest::mousePress(f.widget(), Qt::LeftButton, Qt::NoModifier, start);
    EXPECT_TRUE(f.bar->Dragging());
    EXPECT_TRUE(f.bar->Focused());
    EXPECT_EQ(f.changes, 0);  // a press on the thumb moves nothing

    QTest::mouseMove(f.widget(), f.atValue(7));
    EXPECT_EQ(f.bar->Position(), 7);
    QTest::mouseMove(f.widget(), f.atValue(7) + QPoint(2, 20));  // same value: no change
    QTest::mouseMove(f.widget(), QPoint(400, 15));  // beyond the end
    EXPECT_EQ(f.bar->Position(), 10);
    QTest::mouseMove(f.widget(), QPoint(-300, 15));
    EXPECT_EQ(f.bar->Position(), 0);
    EXPECT_EQ(f.changes, 3);

    QTest::mouseRelease(f.widget(), Qt::LeftButton, Qt::NoModifier, QPoint(-300, 15));
    EXPECT_FALSE(f.bar->Dragging());
    QTest::mouseMove(f.widget(), f.atValue(9));
    EXPECT_EQ(f.bar->Position(), 0);
    EXPECT_EQ(f.changes, 3);
}

TEST(TrackBar, TheThumbIsHotWhileTheMouseIsOverIt)
{
    TTrackFixture f;
    QTest::mouseMove(f.widget(), f.thumb());
    EXPECT_TRUE(f.bar->ThumbHot());
    QTest::mouseMove(f.widget(), f.atValue(9));
    EXPECT_FALSE(f.bar->ThumbHot());
    QTest::mouseMove(f.widget(), f.thumb());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(f.widget(), &leave);
    EXPECT_FALSE(f.bar->ThumbHot());
}

TEST(TrackBar, TheWheelMovesALinePerNotch)
{
    TTrackFixture f;
    f.bar->SetPosition(5);
    f.changes = 0;
    Wheel(f.widget(), 120);  // away from the user: towards Min
    EXPECT_EQ(f.bar->Position(), 4);
    Wheel(f.widget(), -240);
    EXPECT_EQ(f.bar->Position(), 6);
    Wheel(f.widget(), -60);  // half a notch: nothing yet
    EXPECT_EQ(f.bar->Position(), 6);
    Wheel(f.widget(), -60);
    EXPECT_EQ(f.bar->Position(), 7);
    EXPECT_EQ(f.changes, 3);
}

TEST(TrackBar, ClassicLookPixels)
{
    TLookScope look(kBarLooks[0]);
    TTrackFixture f;
    f.bar->SetTransparent(false);
    f.bar->SetColor(RGB(10, 20, 30));
    QImage image = GrabWidget(f.widget());
    // Track 9..141 × 9..23 (the control is 150 long): sunken double frame, highlight inside.
    EXPECT_EQ(image.pixel(9, 9), ToQColor(clBtnShadow).rgb());
    EXPECT_EQ(image.pixel(10, 10), ToQColor(cl3DDkShadow).rgb());
    EXPECT_EQ(image.pixel(20, 15), ToQColor(clBtnHighlight).rgb());
    EXPECT_EQ(image.pixel(3, 3), qRgb(10, 20, 30));
    // Ticks below the thumb: 3 pixels from o + b + 2 = 29, 4 at the ends.
    const int tick = f.bar->Layout().PixelOf(5);
    EXPECT_EQ(image.pixel(tick, 29), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(tick, 31), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(tick, 32), qRgb(10, 20, 30));
    EXPECT_EQ(image.pixel(13, 32), qRgb(0, 0, 0));
    // The thumb's face and its lit left edge.
    const TRect thumb = f.bar->Layout().ThumbRect(3);
    EXPECT_EQ(image.pixel(thumb.Left + 3, thumb.Top + 5), ToQColor(clBtnFace).rgb());
    EXPECT_EQ(image.pixel(thumb.Left, thumb.Top + 5), ToQColor(clBtnHighlight).rgb());
    EXPECT_EQ(image.pixel(thumb.Right - 1, thumb.Top + 5), ToQColor(cl3DDkShadow).rgb());

    // The low interval in the highlight colour up to the thumb.
    f.bar->SetIntervalHighlightType(TIntervalHighlightType::htLowInterval);
    image = GrabWidget(f.widget());
    EXPECT_EQ(image.pixel(20, 15), ToQColor(clHighlight).rgb());
    EXPECT_EQ(image.pixel(100, 15), ToQColor(clBtnHighlight).rgb());
}

// Every look: both orientations, ticks on either side, both or none, focused and disabled.
TEST(TrackBar, LooksMatchTheirGoldens)
{
    for (const TBarLook& look : kBarLooks) {
        SCOPED_TRACE(look.Name);
        TLookScope scope(look);
        TShownForm shown(300, 180);
        shown.form.SetColor(RGB(236, 233, 216));
        const auto add = [&](int left, int top, int width, int height, TTeTickMark marks) {
            auto* bar = new TTeTrackBar(&shown.form);
            bar->SetParent(&shown.form);
            bar->SetBounds(left, top, width, height);
            bar->SetTickMarks(marks);
            bar->SetMax(6);
            return bar;
        };
        add(0, 0, 100, 45, TTeTickMark::ktbmBottomRight);
        add(100, 0, 100, 45, TTeTickMark::ktbmTopLeft)->SetThumbHalfWidth(2);
        add(200, 0, 100, 45, TTeTickMark::ktbmBoth);
        add(0, 45, 100, 45, TTeTickMark::ktbmBottomRight)->SetEnabled(false);
        TTeTrackBar* focused = add(100, 45, 100, 45, TTeTickMark::ktbmBottomRight);
        add(200, 45, 100, 45, TTeTickMark::ktbmBottomRight)->SetShowTicks(false);
        int left = 0;
        for (TTeTickMark marks : {TTeTickMark::ktbmBottomRight, TTeTickMark::ktbmTopLeft, TTeTickMark::ktbmBoth}) {
            add(left, 90, 45, 90, marks)->SetOrientation(TTeTrackOrientation::ktoVertical);
            left += 50;
        }
        shown.form.Handle()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(shown.form.Handle()));
        focused->SetFocus();
        FlushPaints();
        ASSERT_TRUE(focused->IsFocused());
        const QImage image = GrabWidget(shown.form.ClientWidget());
        EXPECT_TRUE(MatchesGolden(image, QStringLiteral("controls/golden/trackbar_%1.png").arg(look.Name)));
    }
}

TEST(TrackBar, RepaintsWhenTheCurrentThemeChanges)
{
    ClearCurrentTheme();
    TShownForm shown(200, 60);
    TCounted<TTeTrackBar> bar(nullptr);
    bar.SetParent(&shown.form);
    bar.SetBounds(2, 2, 150, 45);
    FlushPaints();
    const QImage classic = GrabWidget(bar.Handle());

    const int before = bar.Paints;
    SetCurrentTheme(kBarLooks[2].Make());
    FlushPaints();
    EXPECT_GT(bar.Paints, before);
    EXPECT_NE(GrabWidget(bar.Handle()), classic);

    ClearCurrentTheme();
    FlushPaints();
    EXPECT_EQ(GrabWidget(bar.Handle()), classic);
}
