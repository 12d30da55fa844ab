#include "tools/gallery/GalleryPictures.h"

#include <QImage>
#include <QPainter>
#include <functional>

namespace {

// 16 × 16 on magenta, the transparent colour, with hard edges.
QImage Picture(const std::function<void(QPainter&)>& draw)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(0xFFFF00FF);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    draw(painter);
    return image;
}

QImage Disc()
{
    return Picture([](QPainter& p) {
        p.setPen(QColor(64, 64, 96));
        p.setBrush(QColor(190, 200, 225));
        p.drawEllipse(1, 1, 13, 13);
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(5, 5, 5, 5);
    });
}

QImage Folder()
{
    return Picture([](QPainter& p) {
        p.setPen(QColor(120, 90, 20));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(1, 3, 6, 2);
        p.drawRect(1, 5, 13, 8);
    });
}

QImage Stop()
{
    return Picture([](QPainter& p) {
        p.setPen(QColor(110, 20, 20));
        p.setBrush(QColor(210, 50, 50));
        p.drawRect(3, 3, 9, 9);
    });
}

QImage Note()
{
    return Picture([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 80, 150));
        p.drawRect(9, 2, 2, 10);
        p.drawRect(11, 2, 3, 2);
        p.drawEllipse(4, 10, 6, 4);
    });
}

}  // namespace

TCustomImageList& GalleryPictures()
{
    static TImageList pictures(nullptr);
    static const bool filled = [] {
        for (const QImage& picture : {Disc(), Folder(), Stop(), Note()})
            pictures.AddMasked(picture, RGB(255, 0, 255));
        return true;
    }();
    static_cast<void>(filled);
    return pictures;
}
