#include "tools/gallery/WindowPicture.h"

#include <QPainter>
#include <QWidget>
#include <cstdio>

QImage WindowOnGround(QWidget& window, int margin)
{
    const QImage image = window.grab().toImage();
    const QRegion shape = window.mask().isEmpty() ? QRegion(window.rect()) : window.mask();
    QImage sheet(image.width() + 2 * margin, image.height() + 2 * margin, QImage::Format_ARGB32);
    sheet.fill(QColor(0x80, 0x90, 0xA0));
    QPainter painter(&sheet);
    painter.setClipRegion(shape.translated(margin, margin));
    painter.drawImage(margin, margin, image);
    return sheet;
}

int SaveSheet(const QImage& sheet, const QString& outFile)
{
    if (!sheet.save(outFile, "PNG")) {
        std::fprintf(stderr, "cannot write \"%s\"\n", qPrintable(outFile));
        return 1;
    }
    return 0;
}
