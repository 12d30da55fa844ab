// Pictures put onto a widget during its paint event: a finished buffer copied by BlitToWidget, and
// bitmaps drawn through a canvas on the widget. The suite runs once more at QT_SCALE_FACTOR=2 and
// once on a screen of 144 dpi, each with the ratio it must find in TRACKWELL_PIXEL_RATIO.
#include <gtest/gtest.h>

#include <QPainter>
#include <QWidget>
#include <functional>

#include "framework/Canvas.h"
#include "graphics/Bitmap.h"
#include "graphics/WidgetBlit.h"
#include "tests/graphics/TestBitmaps.h"
#include "tests/support/AllocationCounter.h"

namespace {

constexpr TteColor R = 0xFFE01010u, G = 0xFF10E010u, B = 0xFF1010E0u, Grey = 0xFF808080u;

// Paints itself by the test's routine during its paint event, as a control does.
class TPaintedWidget : public QWidget {
public:
    explicit TPaintedWidget(std::function<void(QWidget&)> paint) : paint_(std::move(paint))
    {
        // An opaque widget: its grab keeps no alpha, as a window's backing store keeps none.
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(6, 4);
    }

protected:
    void paintEvent(QPaintEvent*) override { paint_(*this); }

private:
    std::function<void(QWidget&)> paint_;
};

// The widget's device pixel ratio: a whole number, and the one the run expects.
int WholeRatio(const QWidget& widget)
{
    const qreal ratio = widget.devicePixelRatioF();
    EXPECT_EQ(ratio, std::round(ratio)) << "the high-dpi policy rounds the ratio";
    EXPECT_EQ(ratio, qEnvironmentVariable("TRACKWELL_PIXEL_RATIO", QStringLiteral("1")).toDouble());
    return static_cast<int>(std::round(ratio));
}

// Through one canvas on the widget: a finished buffer copied by BlitToWidget, and a bitmap with key
// holes drawn straight on (the painter route of a control without a buffer).
TEST(WidgetPaintTest, PicturesOnTheWidgetShowEachPixelScaledByTheRatio)
{
    TteBitmap buffer;
    // Copied as the colours are: neither the alpha byte nor the flags play a part.
    Make(buffer, {{R, G, 0x40000000u | (B & 0xFFFFFFu)}, {B, R, G}});
    buffer.SetAlphaBlend(true);
    TteBitmap keyed;
    Make(keyed, {{R, TransparentKey}});
    keyed.SetTransparent(true);
    TPaintedWidget widget([&](QWidget& self) {
        TCanvas canvas(&self);
        QPainter& painter = canvas.Handle()->Painter();
        painter.fillRect(QRect(0, 0, 6, 4), QColor::fromRgb(Grey));
        BlitToWidget(painter, buffer, {0, 0, 3, 2}, {1, 1});
        BlitToWidget(painter, buffer, {2, 1, 5, 3}, {4, 3});  // cut to the buffer: its last pixel only
        BlitToWidget(painter, buffer, {-1, -1, 1, 0}, {0, 0});  // nothing of the buffer
        keyed.Draw(canvas, 4, 0);
    });
    const TteColor expected[4][6] = {
        {Grey, Grey, Grey, Grey, R, Grey},
        {Grey, R, G, B, Grey, Grey},
        {Grey, B, R, G, Grey, Grey},
        {Grey, Grey, Grey, Grey, G, Grey},
    };
    const int ratio = WholeRatio(widget);
    const QImage shot = widget.grab().toImage();
    ASSERT_EQ(shot.size(), QSize(6 * ratio, 4 * ratio));
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            ASSERT_EQ(shot.pixel(x, y) | 0xFF000000u, expected[y / ratio][x / ratio]) << x << "," << y;
}

// Every drawing form onto a widget, once each kind has been drawn: no allocation per call, so a
// repaint costs no trip to the heap.
TEST(WidgetPaintTest, DrawingOntoAWidgetAllocatesNothingPerCall)
{
    TteBitmap copied, keyed, blended, buffer;
    Make(copied, {{R, G}, {B, R}});
    Make(keyed, {{R, TransparentKey}, {TransparentKey, B}});
    keyed.SetTransparent(true);
    Make(blended, {{0x80FFFFFFu, G}, {B, 0x20000000u}});
    blended.SetAlphaBlend(true);
    Make(buffer, {{R, G, B}});
    long allocations = -1;
    TPaintedWidget widget([&](QWidget& self) {
        TCanvas canvas(&self);
        const auto drawAll = [&] {
            for (const TteBitmap* bitmap : {&copied, &keyed, &blended}) {
                bitmap->Draw(canvas, 0, 0);
                bitmap->Draw(canvas, TRect{1, 1, 6, 4}, bitmap->BoundsRect());
                bitmap->Tile(canvas, TRect{0, 0, 6, 4}, bitmap->BoundsRect());
                bitmap->TileClipped(canvas, TRect{0, 0, 6, 4}, TRect{0, 0, 1, 1}, TRect{2, 2, 3, 3});
            }
        };
        drawAll();  // the first of each kind may set up what later calls reuse
        BlitToWidget(canvas.Handle()->Painter(), buffer, buffer.BoundsRect(), {0, 0});
        {
            const TAllocationCounter counter;
            for (int i = 0; i < 3; ++i) {
                drawAll();
                BlitToWidget(canvas.Handle()->Painter(), buffer, buffer.BoundsRect(), {0, 0});
            }
            allocations = counter.Count();
        }
    });
    widget.grab();
    EXPECT_EQ(allocations, 0);
}

}  // namespace
