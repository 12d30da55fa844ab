#pragma once
// Rectangle arithmetic on platform rectangles (right and bottom exclusive) and polygon hit tests.
#include <QList>
#include <algorithm>

#include "framework/Types.h"

constexpr int RectWidth(const TRect& r) { return r.Right - r.Left; }
constexpr int RectHeight(const TRect& r) { return r.Bottom - r.Top; }
constexpr bool RectIsEmpty(const TRect& r) { return RectWidth(r) <= 0 || RectHeight(r) <= 0; }
constexpr bool RectsEqual(const TRect& a, const TRect& b) { return a == b; }
// a lies within b.
constexpr bool RectInRect(const TRect& a, const TRect& b)
{
    return a.Left >= b.Left && a.Top >= b.Top && a.Right <= b.Right && a.Bottom <= b.Bottom;
}
constexpr TRect InflateRectBy(const TRect& r, int d) { return {r.Left - d, r.Top - d, r.Right + d, r.Bottom + d}; }
// Shrunk by dx on the left and right, by dy at the top and bottom.
constexpr TRect InsetRect(const TRect& r, int dx, int dy)
{
    return {r.Left + dx, r.Top + dy, r.Right - dx, r.Bottom - dy};
}
constexpr TRect OffsetRectBy(const TRect& r, int dx, int dy)
{
    return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}
// The pixels both cover; empty (possibly inverted) when they do not meet.
constexpr TRect IntersectRects(const TRect& a, const TRect& b)
{
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
}
// r moved to the middle of within (halves rounded toward zero); it may stick out of within.
constexpr TRect CenterRect(const TRect& r, const TRect& within)
{
    const int left = within.Left + (RectWidth(within) - RectWidth(r)) / 2;
    const int top = within.Top + (RectHeight(within) - RectHeight(r)) / 2;
    return {left, top, left + RectWidth(r), top + RectHeight(r)};
}
// r moved to within's left edge, centred vertically.
constexpr TRect CenterRectVert(const TRect& r, const TRect& within)
{
    const int top = within.Top + (RectHeight(within) - RectHeight(r)) / 2;
    return {within.Left, top, within.Left + RectWidth(r), top + RectHeight(r)};
}
// The pixel at point lies inside the polygon through points, winding fill rule.
bool PointInPolygon(TPoint point, const QList<TPoint>& points);
