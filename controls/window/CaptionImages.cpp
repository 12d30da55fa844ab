#include "controls/window/CaptionImages.h"

#include <QImage>
#include <QPainter>
#include <functional>

#include "framework/Colors.h"

namespace {

constexpr QRgb kMagenta = 0xFFFF00FF;
constexpr QRgb kInk = 0xFF000000;

// A picture of side × side pixels on magenta (the transparent colour), drawn with hard edges.
QImage Picture(int side, const std::function<void(QPainter&)>& draw)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(kMagenta);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgb(kInk));
    draw(painter);
    return image;
}

void Box(QPainter& painter, int left, int top, int width, int height)
{
    // A window outline with a two-pixel title bar.
    painter.drawRect(left, top, width, 2);
    painter.drawRect(left, top, 1, height);
    painter.drawRect(left + width - 1, top, 1, height);
    painter.drawRect(left, top + height - 1, width, 1);
}

QImage ClosePicture()
{
    return Picture(16, [](QPainter& painter) {
        // Two strokes two pixels thick crossing in the middle.
        for (int i = 0; i < 8; ++i) {
            painter.drawRect(4 + i, 4 + i, 2, 1);
            painter.drawRect(10 - i, 4 + i, 2, 1);
        }
    });
}

QImage MinimizePicture()
{
    // Drawn on 17 × 17 like the platform's own; the list keeps its top-left 16 × 16.
    return Picture(17, [](QPainter& painter) { painter.drawRect(4, 11, 7, 2); });
}

QImage MaximizePicture()
{
    return Picture(16, [](QPainter& painter) { Box(painter, 3, 3, 10, 9); });
}

QImage RestorePicture()
{
    return Picture(16, [](QPainter& painter) {
        // The back window shows only where the front one does not cover it.
        painter.drawRect(6, 2, 7, 2);
        painter.drawRect(12, 2, 1, 6);
        painter.drawRect(10, 7, 3, 1);
        Box(painter, 3, 6, 7, 7);
    });
}

QImage RollupPicture()
{
    return Picture(16, [](QPainter& painter) {
        // A title bar with an arrow pointing up at it.
        painter.drawRect(3, 3, 10, 2);
        for (int row = 0; row < 4; ++row)
            painter.drawRect(8 - row - 1, 7 + row, 2 * row + 2, 1);
    });
}

QImage TrayPicture()
{
    return Picture(16, [](QPainter& painter) {
        // An arrow pointing down into a tray.
        painter.drawRect(7, 2, 2, 5);
        for (int row = 0; row < 4; ++row)
            painter.drawRect(4 + row, 7 + row, 8 - 2 * row, 1);
        painter.drawRect(2, 12, 12, 1);
        painter.drawRect(2, 10, 1, 3);
        painter.drawRect(13, 10, 1, 3);
    });
}

}  // namespace

TCustomImageList& CaptionImages()
{
    static TImageList images(nullptr);
    static const bool filled = [] {
        // In the order of TCaptionImage.
        for (const QImage& picture : {ClosePicture(), MinimizePicture(), MaximizePicture(), RestorePicture(),
                                      RollupPicture(), TrayPicture()})
            images.AddMasked(picture, RGB(255, 0, 255));
        return true;
    }();
    static_cast<void>(filled);
    return images;
}
