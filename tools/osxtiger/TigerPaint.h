#pragma once
// Painting helpers shared by every OSXTiger picture: frame strips, gloss, round lights, brushed metal.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>
#include <functional>

namespace tiger {

// Frame states of the pictures, in the order the theme counts them.
enum class TLook { Normal, Hot, Pressed, Disabled, Accent };

// count frames of width × height stacked top to bottom on a clear ground; paintFrame gets an
// antialiased painter whose origin is the frame's top-left corner and the frame's index from 0.
QImage FrameStrip(int width, int height, int count, const std::function<void(QPainter&, int)>& paintFrame);
// The same frames side by side.
QImage FrameRow(int width, int height, int count, const std::function<void(QPainter&, int)>& paintFrame);

QPainterPath RoundedRect(const QRectF& rect, qreal radius);

// The aqua gloss across rect from top to bottom (or left to right when across is set): a bright
// upper half, a soft break, and a deeper lower half that brightens towards the far edge.
QLinearGradient Gloss(const QRectF& rect, const QColor& base, bool across = false);

// Fills shape with the gloss of base, outlines it in edge and lays a faint shadow under it.
void PaintGlossyShape(QPainter& painter, const QPainterPath& shape, const QColor& base, const QColor& edge,
                      bool across = false);

// A round caption light in circle: a lens of base with a highlight at the top.
void PaintRoundLight(QPainter& painter, const QRectF& circle, const QColor& base, const QColor& edge);

// A sunken well: fill, a soft inner shadow along the top, outline.
void PaintWell(QPainter& painter, const QPainterPath& shape, const QRectF& bounds, const QColor& fill,
               const QColor& edge);

// Brushed metal over rect: a vertical blend from top to bottom with horizontal streaks from a
// fixed-seed noise, so the same seed always gives the same pixels.
void PaintBrushedMetal(QImage& image, const QRect& rect, const QColor& top, const QColor& bottom,
                       std::uint32_t seed, int strength);

// A solid triangle pointing up (0), down (1), left (2) or right (3), centred on centre.
void PaintArrow(QPainter& painter, const QPointF& centre, qreal size, int direction, const QColor& color);

// Paints the key colour over the pixels of rect outside its rounded corners (only the top corners
// when top is set, only the bottom ones when bottom is set).
void KeyCorners(QImage& image, const QRect& rect, int radius, bool top, bool bottom);

// The colour moved towards white (amount > 0) or black (amount < 0), amount in 0..1.
QColor Tint(const QColor& color, qreal amount);
QColor WithAlpha(const QColor& color, int alpha);

}  // namespace tiger
