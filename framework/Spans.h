#pragma once
// Row spans: the pixel runs a drawing covers, built so that every pixel is drawn exactly once
// (raster operations such as XOR depend on it), with the pixel rules of the classic line and
// area drawing (line end points excluded, areas sampled at pixel centres, top-left edges inside).
#include <QList>
#include <QPainterPath>
#include <QPolygonF>
#include <QRegion>
#include <vector>

#include "framework/Types.h"

struct TSpan {
    int Y = 0;
    int X1 = 0;  // first pixel
    int X2 = 0;  // one past the last pixel
    constexpr bool operator==(const TSpan&) const = default;
};
using TSpans = std::vector<TSpan>;

// Sorted by row, then column; overlapping and touching runs of a row merged; empty runs dropped.
TSpans NormalizeSpans(TSpans spans);
// Set operations on normalized spans; the results are normalized.
TSpans UniteSpans(const TSpans& a, const TSpans& b);
TSpans SubtractSpans(const TSpans& a, const TSpans& b);
TSpans IntersectSpans(const TSpans& a, const TSpans& b);
// The pixels that keep all four neighbours inside, applied `times` times: what is left inside a
// `times`-pixel border.
TSpans ErodeSpans(const TSpans& spans, int times);
TSpans TranslateSpans(TSpans spans, int dx, int dy);
TRect SpansBounds(const TSpans& spans);

TSpans RectSpans(const TRect& rect);
TSpans RegionSpans(const QRegion& region);
// Pixels whose centres (x + 0.5, y + 0.5) lie inside; on an edge counts as inside for left and top
// edges only.
TSpans PolygonSpans(const QList<QPolygonF>& polygons, Qt::FillRule rule);
TSpans PathSpans(const QPainterPath& path);
// A polygon given in whole pixels, filled as the classic platform does: the pixel (x, y) itself is
// the sample point, so its right and bottom edges stay outside.
TSpans IntegerPolygonSpans(const QList<TPoint>& points, Qt::FillRule rule);

// The on/off run lengths of a styled one-pixel line, carried from one segment to the next.
class TDashState {
public:
    TDashState() = default;  // solid
    explicit TDashState(std::vector<int> lengths) : lengths_(std::move(lengths)) {}
    // True when the next pixel is on; advances by one pixel.
    bool Next();

private:
    std::vector<int> lengths_;
    std::size_t index_ = 0;
    int used_ = 0;
};

// Appends the pixels of the line from a to b, b excluded, to on (dashes) and off (gaps).
void LineSpans(TPoint a, TPoint b, TDashState& dash, TSpans& on, TSpans& off);
