// Painting helpers shared by every OSXTiger picture.
#include "tools/osxtiger/TigerPaint.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/osxtiger/TigerPalette.h"

namespace tiger {

namespace {

QImage Frames(int width, int height, int count, bool stacked, const std::function<void(QPainter&, int)>& paintFrame)
{
    QImage image(stacked ? width : width * count, stacked ? height * count : height,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < count; ++i) {
        painter.save();
        const QPoint origin = stacked ? QPoint(0, i * height) : QPoint(i * width, 0);
        painter.setClipRect(QRect(origin, QSize(width, height)));
        painter.translate(origin);
        paintFrame(painter, i);
        painter.restore();
    }
    return image;
}

// A small xorshift generator: the noise must be the same on every build and every library.
class TNoise {
public:
    explicit TNoise(std::uint32_t seed) : state_(seed == 0 ? 0x9E3779B9u : seed) {}
    // A value in -1 .. 1.
    double Next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_ % 20001u) / 10000.0 - 1.0;
    }

private:
    std::uint32_t state_;
};

int Clamp(double value) { return std::clamp(static_cast<int>(std::lround(value)), 0, 255); }

}  // namespace

QImage FrameStrip(int width, int height, int count, const std::function<void(QPainter&, int)>& paintFrame)
{
    return Frames(width, height, count, true, paintFrame);
}

QImage FrameRow(int width, int height, int count, const std::function<void(QPainter&, int)>& paintFrame)
{
    return Frames(width, height, count, false, paintFrame);
}

QPainterPath RoundedRect(const QRectF& rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QColor Tint(const QColor& color, qreal amount)
{
    const QColor target = amount >= 0 ? QColor(255, 255, 255) : QColor(0, 0, 0);
    const qreal t = std::abs(amount);
    return QColor(Clamp(color.red() + (target.red() - color.red()) * t),
                  Clamp(color.green() + (target.green() - color.green()) * t),
                  Clamp(color.blue() + (target.blue() - color.blue()) * t), color.alpha());
}

QColor WithAlpha(const QColor& color, int alpha)
{
    QColor result = color;
    result.setAlpha(alpha);
    return result;
}

QLinearGradient Gloss(const QRectF& rect, const QColor& base, bool across)
{
    QLinearGradient gloss = across ? QLinearGradient(rect.topLeft(), rect.topRight())
                                   : QLinearGradient(rect.topLeft(), rect.bottomLeft());
    gloss.setColorAt(0.0, Tint(base, 0.62));
    gloss.setColorAt(0.46, Tint(base, 0.30));
    gloss.setColorAt(0.50, Tint(base, -0.04));
    gloss.setColorAt(0.80, base);
    gloss.setColorAt(1.0, Tint(base, 0.42));
    return gloss;
}

void PaintGlossyShape(QPainter& painter, const QPainterPath& shape, const QColor& base, const QColor& edge,
                      bool across)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 26));
    painter.drawPath(shape.translated(0, 1));
    painter.setBrush(Gloss(shape.boundingRect(), base, across));
    painter.setPen(QPen(edge, 1.0));
    painter.drawPath(shape);
    painter.restore();
}

void PaintRoundLight(QPainter& painter, const QRectF& circle, const QColor& base, const QColor& edge)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 34));
    painter.drawEllipse(circle.translated(0, 0.8));
    // Light comes through the lens from above and gathers at its bottom.
    QRadialGradient lens(circle.center().x(), circle.bottom() - circle.height() * 0.22, circle.width() * 0.75);
    lens.setColorAt(0.0, Tint(base, 0.45));
    lens.setColorAt(0.55, base);
    lens.setColorAt(1.0, Tint(base, -0.25));
    painter.setBrush(lens);
    painter.setPen(QPen(edge, 0.9));
    painter.drawEllipse(circle);
    // The reflection of the light source on the upper half.
    const QRectF shine(circle.left() + circle.width() * 0.22, circle.top() + circle.height() * 0.07,
                       circle.width() * 0.56, circle.height() * 0.42);
    QLinearGradient highlight(shine.topLeft(), shine.bottomLeft());
    highlight.setColorAt(0.0, QColor(255, 255, 255, 235));
    highlight.setColorAt(1.0, QColor(255, 255, 255, 20));
    painter.setPen(Qt::NoPen);
    painter.setBrush(highlight);
    painter.drawEllipse(shine);
    painter.restore();
}

void PaintWell(QPainter& painter, const QPainterPath& shape, const QRectF& bounds, const QColor& fill,
               const QColor& edge)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(shape);
    painter.setClipPath(shape, Qt::IntersectClip);
    QLinearGradient shadow(bounds.topLeft(), bounds.topLeft() + QPointF(0, 4));
    shadow.setColorAt(0.0, QColor(0, 0, 0, 46));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.setBrush(shadow);
    painter.drawRect(bounds);
    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(edge, 1.0));
    painter.drawPath(shape);
    painter.restore();
}

void PaintBrushedMetal(QImage& image, const QRect& rect, const QColor& top, const QColor& bottom,
                       std::uint32_t seed, int strength)
{
    TNoise noise(seed);
    // One streak value per row, softened along the row by a slow drift, gives the brushed grain.
    std::vector<double> rowGrain(static_cast<std::size_t>(rect.height()));
    for (double& grain : rowGrain)
        grain = noise.Next() * strength;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const double t = rect.height() > 1 ? double(y - rect.top()) / (rect.height() - 1) : 0.0;
        const double r = top.red() + (bottom.red() - top.red()) * t;
        const double g = top.green() + (bottom.green() - top.green()) * t;
        const double b = top.blue() + (bottom.blue() - top.blue()) * t;
        const double grain = rowGrain[static_cast<std::size_t>(y - rect.top())];
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        double drift = 0;
        for (int x = rect.left(); x <= rect.right(); ++x) {
            drift = drift * 0.9 + noise.Next() * strength * 0.12;
            const double d = grain + drift;
            line[x] = qRgb(Clamp(r + d), Clamp(g + d), Clamp(b + d));
        }
    }
}

void PaintArrow(QPainter& painter, const QPointF& centre, qreal size, int direction, const QColor& color)
{
    const qreal h = size / 2;
    const qreal d = size * 0.3;
    QPolygonF triangle;
    switch (direction) {
    case 0:
        triangle << QPointF(centre.x() - h, centre.y() + d) << QPointF(centre.x() + h, centre.y() + d)
                 << QPointF(centre.x(), centre.y() - d);
        break;
    case 1:
        triangle << QPointF(centre.x() - h, centre.y() - d) << QPointF(centre.x() + h, centre.y() - d)
                 << QPointF(centre.x(), centre.y() + d);
        break;
    case 2:
        triangle << QPointF(centre.x() + d, centre.y() - h) << QPointF(centre.x() + d, centre.y() + h)
                 << QPointF(centre.x() - d, centre.y());
        break;
    default:
        triangle << QPointF(centre.x() - d, centre.y() - h) << QPointF(centre.x() - d, centre.y() + h)
                 << QPointF(centre.x() + d, centre.y());
        break;
    }
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPolygon(triangle);
    painter.restore();
}

void KeyCorners(QImage& image, const QRect& rect, int radius, bool top, bool bottom)
{
    const QRgb key = kKey.rgb();
    for (int dy = 0; dy < radius; ++dy)
        for (int dx = 0; dx < radius; ++dx) {
            // Pixel centres further than the radius from the corner circle's centre fall outside.
            const double cx = radius - (dx + 0.5);
            const double cy = radius - (dy + 0.5);
            if (cx * cx + cy * cy <= double(radius) * radius)
                continue;
            if (top) {
                image.setPixel(rect.left() + dx, rect.top() + dy, key);
                image.setPixel(rect.right() - dx, rect.top() + dy, key);
            }
            if (bottom) {
                image.setPixel(rect.left() + dx, rect.bottom() - dy, key);
                image.setPixel(rect.right() - dx, rect.bottom() - dy, key);
            }
        }
}

}  // namespace tiger
