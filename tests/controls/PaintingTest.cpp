// Painting of themed controls: the three buffering modes give the same pixels, buffers are
// neither leaked nor made per paint, and transparent controls show what their parent draws.
#include <QCoreApplication>
#include <gtest/gtest.h>

#include "controls/core/SharedBuffer.h"
#include "framework/Colors.h"
#include "framework/DeviceContext.h"
#include "tests/controls/ControlFixtures.h"
#include "theme/BackgroundPainters.h"
#include "theme/ThemeManager.h"
#include "themes/FlatTheme.h"

namespace {

constexpr TTePerformance kModes[] = {TTePerformance::kspNoBuffer, TTePerformance::kspSharedBuffer,
                                     TTePerformance::kspDoubleBuffer};

QImage Grab(TWinControl& control)
{
    return control.Handle()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRgb Rgb(TColor color)
{
    return ToQColor(color).rgb();
}

}  // namespace

TEST(ControlPainting, EveryPerformanceModeGivesTheSamePixels)
{
    TShownForm shown;
    QImage reference;
    for (TTePerformance mode : kModes) {
        SCOPED_TRACE(PerformanceNames()[static_cast<int>(mode)].toStdString());
        TSampleControl control;
        control.SetParent(&shown.form);
        control.SetBounds(4, 4, 24, 16);
        control.SetColor(RGB(10, 20, 30));
        control.SetBevelOuter(TTeBevelCut::kbvLowered);
        control.SetBevelInner(TTeBevelCut::kbvRaised);
        control.SetBevelWidth(1);
        control.SetBorderWidth(1);
        control.SetPerformance(mode);
        TSampleGraphic child;
        child.SetParent(&control);
        child.SetBounds(8, 4, 6, 6);
        child.SetPerformance(mode);

        const QImage image = Grab(control);
        ASSERT_EQ(image.size(), QSize(24, 16));
        if (reference.isNull()) {
            reference = image;
            EXPECT_EQ(image.pixel(0, 8), Rgb(clBtnShadow));       // outer bevel, left
            EXPECT_EQ(image.pixel(23, 8), Rgb(clBtnHighlight));   // outer bevel, right
            EXPECT_EQ(image.pixel(1, 8), Rgb(clBtnShadow));       // inner raised bevel, left
            EXPECT_EQ(image.pixel(2, 8), Rgb(RGB(10, 20, 30)));   // border outline in Color
            EXPECT_EQ(image.pixel(3, 3), Rgb(clRed));             // the control's mark
            EXPECT_EQ(image.pixel(8, 4), Rgb(RGB(10, 20, 30)));   // the child shows the control
            EXPECT_EQ(image.pixel(9, 5), Rgb(clLime));            // the child's mark
        }
        EXPECT_EQ(image, reference);
    }
}

TEST(ControlPainting, AZeroWidthControlPaintsNothingAndTouchesNoBuffer)
{
    FreeSharedBuffer();
    const int bitmaps = LiveBitmapCount();
    QImage image(8, 8, QImage::Format_ARGB32);
    for (TTePerformance mode : kModes) {
        TSampleControl control;
        control.SetPerformance(mode);
        control.SetBounds(0, 0, 0, 8);
        TDeviceContext surface(&image);
        control.PaintOn(surface);
        EXPECT_EQ(control.Paints, 0);
        EXPECT_EQ(LiveBitmapCount(), bitmaps);
    }
}

TEST(ControlPainting, AFailingPaintRestoresTheCanvasAndSurfaceAndFreesTheBuffer)
{
    QImage image(30, 20, QImage::Format_ARGB32);
    for (TTePerformance mode : kModes) {
        SCOPED_TRACE(PerformanceNames()[static_cast<int>(mode)].toStdString());
        TSampleControl control;
        control.SetBounds(0, 0, 30, 20);
        control.SetPerformance(mode);
        TDeviceContext surface(&image);
        control.PaintOn(surface);  // the shared buffer exists from here on
        const int bitmaps = LiveBitmapCount();

        control.Throws = true;
        EXPECT_THROW(control.PaintOn(surface), Exception);
        EXPECT_FALSE(control.Canvas().HandleAllocated());
        EXPECT_EQ(LiveBitmapCount(), bitmaps);
        EXPECT_EQ(surface.SaveDC(), 1);  // no state left saved on the surface
        surface.RestoreDC(-1);

        // The shared buffer was given back: the next paint gets it again.
        control.Throws = false;
        control.PaintOn(surface);
        EXPECT_EQ(control.PaintedOnBitmap, mode != TTePerformance::kspNoBuffer);
    }
}

TEST(ControlPainting, OnlyTheDoubleBufferMakesABitmapPerPaint)
{
    TShownForm shown;
    const struct {
        TTePerformance mode;
        int extraBitmaps;
        bool onBitmap;
    } cases[] = {
        {TTePerformance::kspNoBuffer, 0, false},
        {TTePerformance::kspSharedBuffer, 0, true},
        {TTePerformance::kspDoubleBuffer, 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(PerformanceNames()[static_cast<int>(c.mode)].toStdString());
        TSampleControl control;
        control.SetParent(&shown.form);
        control.SetPerformance(c.mode);
        control.Repaint();
        const int bitmaps = LiveBitmapCount();
        for (int i = 0; i < 3; ++i) {
            control.Repaint();
            EXPECT_EQ(control.LiveBitmapsWhilePainting, bitmaps + c.extraBitmaps);
            EXPECT_EQ(control.PaintedOnBitmap, c.onBitmap);
        }
        EXPECT_EQ(LiveBitmapCount(), bitmaps);
    }
}

TEST(ControlTransparency, AWindowlessControlOnAPlainControlShowsTheParentsPainting)
{
    TShownForm shown;
    TPlainControl parent;
    parent.SetParent(&shown.form);
    parent.SetBounds(0, 0, 40, 20);
    parent.SetColor(clWhite);
    TSampleGraphic child;
    child.SetParent(&parent);
    child.SetBounds(16, 4, 8, 8);

    const QImage image = Grab(parent);
    EXPECT_EQ(image.pixel(16, 10), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(19, 10), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(20, 10), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(23, 4), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(17, 5), qRgb(0, 255, 0));
    EXPECT_GT(child.Paints, 0);
}

TEST(ControlTransparency, ATransparentControlOnAFormShowsTheFormsColour)
{
    TShownForm shown;
    TSampleControl control;
    control.Transparent = true;
    control.SetParent(&shown.form);
    control.SetBounds(10, 10, 20, 12);
    const QImage image = Grab(control);
    EXPECT_EQ(image.pixel(0, 0), qRgb(200, 200, 200));
    EXPECT_EQ(image.pixel(19, 11), qRgb(200, 200, 200));
    EXPECT_EQ(image.pixel(2, 2), qRgb(255, 0, 0));
}

TEST(ControlTransparency, AWindowlessControlOnAThemedBoxShowsTheFrameButNotTheSiblings)
{
    SetCurrentTheme(new TteBuiltTheme<TTeFlatTheme>());
    TShownForm shown;
    TFramedBox box;
    box.SetParent(&shown.form);
    box.SetBounds(0, 0, 60, 40);
    box.SetColor(RGB(230, 220, 210));
    TSpot sibling;
    sibling.SetParent(&box);
    sibling.SetBounds(8, 12, 10, 10);
    sibling.SetColor(clRed);
    TSampleGraphic child;
    child.SetParent(&box);
    const TRect area = Rect(1, 4, 30, 30);
    child.SetBoundsRect(area);

    child.SetVisible(false);
    sibling.SetVisible(false);
    const QImage reference = Grab(box);
    ASSERT_NE(reference.pixel(3, 20), reference.pixel(15, 20));  // the frame passes through the area
    child.SetVisible(true);
    sibling.SetVisible(true);
    const QImage image = Grab(box);
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x) {
            const bool mark = x >= area.Left + 1 && x < area.Left + 3 && y >= area.Top + 1 && y < area.Top + 3;
            ASSERT_EQ(image.pixel(x, y), mark ? qRgb(0, 255, 0) : reference.pixel(x, y)) << x << "," << y;
        }
    ClearCurrentTheme();
}

TEST(ControlTransparency, TheMostDerivedPainterWinsWhateverTheOrder)
{
    TShownForm shown;
    for (bool derivedFirst : {true, false}) {
        SCOPED_TRACE(derivedFirst ? "derived first" : "derived last");
        ClearBackgroundPainters();
        const auto registerDerived = [] {
            RegisterBackgroundPainter<TSampleControl>([](TCanvas& canvas, const TteBackgroundPaintInfo& info) {
                FillWith(canvas, info.ChildBounds, clYellow);
                return true;
            });
        };
        if (derivedFirst)
            registerDerived();
        RegisterControlBackgroundPainters();
        if (!derivedFirst)
            registerDerived();

        TSampleControl derivedParent;
        TFramedBox baseParent;
        baseParent.SetColor(clNavy);
        for (TTeControl* parent : std::initializer_list<TTeControl*>{&derivedParent, &baseParent}) {
            parent->SetParent(&shown.form);
            parent->SetBounds(0, 0, 40, 30);
            TSampleGraphic child;
            child.SetParent(parent);
            child.SetBounds(12, 12, 6, 6);
            const QImage image = Grab(*parent);
            EXPECT_EQ(image.pixel(16, 16), parent == &derivedParent ? Rgb(clYellow) : Rgb(clNavy));
        }
    }
    ClearBackgroundPainters();
    RegisterFrameworkBackgroundPainters();
    RegisterControlBackgroundPainters();
}
