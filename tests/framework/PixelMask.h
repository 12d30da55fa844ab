#pragma once
// Small pictures for canvas tests: a filled image and a text map of the pixels that changed.
#include <QImage>
#include <QStringList>
#include <ostream>

#include "framework/Types.h"

// Readable failure messages for text maps.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline QImage FilledImage(int width, int height, QRgb color = 0xFFFFFFFF)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

// One string per row: '.' where the pixel is background, '#' elsewhere (or the letter that
// legend gives the pixel's colour, when the legend has it).
inline QStringList Mask(const QImage& image, QRgb background = 0xFFFFFFFF,
                        const QList<QPair<QRgb, QChar>>& legend = {})
{
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            QChar c = pixel == background ? QChar(u'.') : QChar(u'#');
            for (const auto& [color, letter] : legend)
                if (pixel == color)
                    c = letter;
            row += c;
        }
        rows << row;
    }
    return rows;
}

// Bounds of the pixels that differ from background, right and bottom exclusive; empty when none.
inline TRect InkBounds(const QImage& image, QRgb background = 0xFFFFFFFF)
{
    TRect r{image.width(), image.height(), 0, 0};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background) {
                r.Left = std::min(r.Left, x);
                r.Top = std::min(r.Top, y);
                r.Right = std::max(r.Right, x + 1);
                r.Bottom = std::max(r.Bottom, y + 1);
            }
    return r.IsEmpty() ? TRect{} : r;
}
