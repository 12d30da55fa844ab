// A frame without a non-client area: the client area covers the window, the frame is painted in it
// beneath the controls, windowless controls in the frame zone keep their mouse input, and the rest
// of the window moves it as the caption does.
#include <QImage>
#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "framework/WindowHook.h"
#include "graphics/CanvasDraw.h"
#include "graphics/RectUtils.h"
#include "tests/controls/FrameFixtures.h"

namespace {

// The same outer window with and without the non-client area.
QImage Grab(TFramedForm& framed)
{
    ProcessPending();
    return framed.Window()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void NoClientArea(TFramedForm& framed, bool value)
{
    const TRect bounds = framed.form.BoundsRect();
    framed.frame->SetDisabledNCArea(value);
    framed.form.SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    ProcessPending();
}

// Counts the paints of a widget that meet a rectangle, ahead of the frame's hook (which takes them).
class TPaintsOf : public TWindowHook {
public:
    TPaintsOf(QWidget& widget, QRect watched) : watched_(watched) { HookWindow(&widget); }
    int paints = 0;

protected:
    bool BeforeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::Paint && static_cast<QPaintEvent*>(event)->rect().intersects(watched_))
            ++paints;
        return false;
    }

private:
    QRect watched_;
};

struct TPressCounter {
    int presses = 0;
    explicit TPressCounter(TSpot& spot)
    {
        spot.OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { ++presses; };
    }
};

}  // namespace

TEST(NoClientArea, TheFrameIsPaintedInTheClientAreaPixelForPixel)
{
    auto tiger = Tiger();
    ASSERT_TRUE(tiger);
    TFixedLink link(tiger.get());
    for (TteCustomThemeLink* look : {static_cast<TteCustomThemeLink*>(nullptr), static_cast<TteCustomThemeLink*>(&link)}) {
        TFramedForm framed(200, 90, look);
        framed.form.SetCaption(QString());
        const TRect inner = framed.form.ClientBounds();
        const QImage framedImage = Grab(framed);
        NoClientArea(framed, true);
        EXPECT_EQ(framed.form.ClientBounds(), Rect(0, 0, framed.form.Width(), framed.form.Height()));
        // The frame still knows where its own client area is.
        EXPECT_EQ(framed.frame->GetFrameClientRect(), inner);
        const QImage inClient = Grab(framed);
        ASSERT_EQ(inClient.size(), framedImage.size());
        EXPECT_EQ(inClient, framedImage) << (look != nullptr ? "OSXTiger" : "built-in");
    }
}

TEST(NoClientArea, WindowlessControlsInTheFrameKeepTheirMouseAndTheRestMovesTheWindow)
{
    TFramedForm framed;
    NoClientArea(framed, true);
    TSpot spot;
    spot.SetParent(&framed.form);
    spot.SetBounds(30, 4, 20, 12);  // on the caption
    TPressCounter counter(spot);
    ProcessPending();
    QWidget* target = framed.form.WindowlessHost()->Handle();
    const TRect start = framed.form.BoundsRect();

    // On the control: the control gets it, the window stays.
    QTest::mousePress(target, Qt::LeftButton, {}, QPoint(35, 8));
    QTest::mouseMove(target, QPoint(65, 28));
    QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(65, 28));
    EXPECT_EQ(counter.presses, 1);
    EXPECT_EQ(framed.form.BoundsRect(), start);

    // The caption beside it, and the client background inside the frame, move the window.
    const struct {
        QPoint press;
        const char* where;
    } drags[] = {{{120, 10}, "caption"}, {{120, 80}, "client background"}};
    for (const auto& drag : drags) {
        const TRect before = framed.form.BoundsRect();
        QTest::mousePress(target, Qt::LeftButton, {}, drag.press);
        QTest::mouseMove(target, drag.press + QPoint(30, 20));
        QTest::mouseRelease(target, Qt::LeftButton, {}, drag.press + QPoint(30, 20));
        EXPECT_EQ(framed.form.BoundsRect(), OffsetRectBy(before, 30, 20)) << drag.where;
    }
    EXPECT_EQ(counter.presses, 1);

    // The caption buttons answer as on a frame of its own.
    int closes = 0;
    framed.frame->OnClose = [&](TObject*, bool& callDefault) {
        ++closes;
        callDefault = false;
    };
    const QPoint close = framed.Centre(TTeBorderIcon::kbiClose);
    TPaintsOf paints(*framed.form.ClientWidget(), framed.frame->GetButtonRect(TTeBorderIcon::kbiClose).ToQRect());
    QTest::mouseMove(target, close);
    EXPECT_EQ(framed.frame->HotPart(), TteFormHit::kfhClose);
    ProcessPending();
    EXPECT_GT(paints.paints, 0) << "the hot button is painted anew";
    QTest::mousePress(target, Qt::LeftButton, {}, close);
    QTest::mouseRelease(target, Qt::LeftButton, {}, close);
    EXPECT_EQ(closes, 1);
    spot.SetParent(static_cast<TForm*>(nullptr));
}

TEST(NoClientArea, TransparentChildrenInTheFrameZoneShowTheFrameBeneathThem)
{
    TFramedForm framed(200, 90);
    framed.form.SetCaption(QString());
    NoClientArea(framed, true);
    const QImage window = Grab(framed);
    TSampleControl control;
    control.Transparent = true;
    control.SetParent(&framed.form);
    control.SetBounds(20, 2, 40, 30);  // across the top border, the caption and the client top
    ProcessPending();
    const QImage image = control.Handle()->grab().toImage();
    for (const QPoint p : {QPoint(10, 0), QPoint(10, 10), QPoint(30, 25)})
        EXPECT_EQ(image.pixel(p) & 0xFFFFFF, window.pixel(p + QPoint(20, 2)) & 0xFFFFFF) << p.x() << "," << p.y();
    control.SetParent(static_cast<TForm*>(nullptr));
}

TEST(NoClientArea, TheBackgroundHandlerReplacesTheFrameBeneathChildren)
{
    TFramedForm framed(200, 90);
    NoClientArea(framed, true);
    framed.frame->OnPaintBackground = [](TObject*, TCanvas& canvas, const TRect& rect) {
        FillRectColor(canvas, rect, clRed);
    };
    TSampleControl control;
    control.Transparent = true;
    control.SetParent(&framed.form);
    control.SetBounds(20, 2, 40, 30);
    ProcessPending();
    EXPECT_EQ(QColor(control.Handle()->grab().toImage().pixel(10, 10)), QColor(Qt::red));
    control.SetParent(static_cast<TForm*>(nullptr));
}
