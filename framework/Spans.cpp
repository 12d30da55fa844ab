#include "framework/Spans.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

// Walks two normalized span lists row by row; op combines the runs of one row.
template <typename RowOp>
TSpans CombineRows(const TSpans& a, const TSpans& b, RowOp op)
{
    TSpans result;
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() || j < b.size()) {
        int y = INT_MAX;
        if (i < a.size())
            y = a[i].Y;
        if (j < b.size())
            y = std::min(y, b[j].Y);
        const std::size_t ia = i;
        while (i < a.size() && a[i].Y == y)
            ++i;
        const std::size_t jb = j;
        while (j < b.size() && b[j].Y == y)
            ++j;
        op(y, a.data() + ia, a.data() + i, b.data() + jb, b.data() + j, result);
    }
    return result;
}

int PixelFromSample(double edge)
{
    // The first pixel whose centre x + 0.5 is at or right of edge.
    return static_cast<int>(std::ceil(edge - 0.5));
}

}  // namespace

TSpans NormalizeSpans(TSpans spans)
{
    std::erase_if(spans, [](const TSpan& s) { return s.X2 <= s.X1; });
    std::sort(spans.begin(), spans.end(),
              [](const TSpan& l, const TSpan& r) { return l.Y != r.Y ? l.Y < r.Y : l.X1 < r.X1; });
    TSpans result;
    for (const TSpan& s : spans) {
        if (!result.empty() && result.back().Y == s.Y && s.X1 <= result.back().X2)
            result.back().X2 = std::max(result.back().X2, s.X2);
        else
            result.push_back(s);
    }
    return result;
}

TSpans UniteSpans(const TSpans& a, const TSpans& b)
{
    TSpans all = a;
    all.insert(all.end(), b.begin(), b.end());
    return NormalizeSpans(std::move(all));
}

TSpans SubtractSpans(const TSpans& a, const TSpans& b)
{
    return CombineRows(a, b, [](int y, const TSpan* a0, const TSpan* a1, const TSpan* b0, const TSpan* b1, TSpans& out) {
        for (const TSpan* s = a0; s != a1; ++s) {
            int x = s->X1;
            for (const TSpan* cut = b0; cut != b1 && x < s->X2; ++cut) {
                if (cut->X2 <= x || cut->X1 >= s->X2)
                    continue;
                if (cut->X1 > x)
                    out.push_back({y, x, cut->X1});
                x = std::max(x, cut->X2);
            }
            if (x < s->X2)
                out.push_back({y, x, s->X2});
        }
    });
}

TSpans IntersectSpans(const TSpans& a, const TSpans& b)
{
    return CombineRows(a, b, [](int y, const TSpan* a0, const TSpan* a1, const TSpan* b0, const TSpan* b1, TSpans& out) {
        for (const TSpan* s = a0; s != a1; ++s)
            for (const TSpan* t = b0; t != b1; ++t) {
                const int x1 = std::max(s->X1, t->X1);
                const int x2 = std::min(s->X2, t->X2);
                if (x1 < x2)
                    out.push_back({y, x1, x2});
            }
    });
}

TSpans TranslateSpans(TSpans spans, int dx, int dy)
{
    for (TSpan& s : spans) {
        s.Y += dy;
        s.X1 += dx;
        s.X2 += dx;
    }
    return spans;
}

TSpans ErodeSpans(const TSpans& spans, int times)
{
    TSpans result = spans;
    for (int k = 0; k < times && !result.empty(); ++k) {
        TSpans narrowed;
        for (const TSpan& s : result)
            if (s.X2 - s.X1 > 2)
                narrowed.push_back({s.Y, s.X1 + 1, s.X2 - 1});
        result = IntersectSpans(IntersectSpans(narrowed, TranslateSpans(result, 0, 1)), TranslateSpans(result, 0, -1));
    }
    return result;
}

TRect SpansBounds(const TSpans& spans)
{
    if (spans.empty())
        return {};
    TRect r{INT_MAX, spans.front().Y, INT_MIN, spans.back().Y + 1};
    for (const TSpan& s : spans) {
        r.Left = std::min(r.Left, s.X1);
        r.Right = std::max(r.Right, s.X2);
    }
    return r;
}

TSpans RectSpans(const TRect& rect)
{
    TSpans spans;
    if (rect.IsEmpty())
        return spans;
    spans.reserve(static_cast<std::size_t>(rect.Height()));
    for (int y = rect.Top; y < rect.Bottom; ++y)
        spans.push_back({y, rect.Left, rect.Right});
    return spans;
}

TSpans RegionSpans(const QRegion& region)
{
    TSpans spans;
    for (const QRect& r : region)
        for (int y = r.top(); y <= r.bottom(); ++y)
            spans.push_back({y, r.left(), r.left() + r.width()});
    return NormalizeSpans(std::move(spans));
}

TSpans PolygonSpans(const QList<QPolygonF>& polygons, Qt::FillRule rule)
{
    struct Edge {
        QPointF from;
        QPointF to;
        int direction;
    };
    std::vector<Edge> edges;
    double top = INFINITY;
    double bottom = -INFINITY;
    for (const QPolygonF& polygon : polygons) {
        for (qsizetype i = 0; i < polygon.size(); ++i) {
            const QPointF p = polygon[i];
            const QPointF q = polygon[(i + 1) % polygon.size()];
            if (p.y() == q.y())
                continue;
            edges.push_back(p.y() < q.y() ? Edge{p, q, 1} : Edge{q, p, -1});
            top = std::min(top, std::min(p.y(), q.y()));
            bottom = std::max(bottom, std::max(p.y(), q.y()));
        }
    }
    TSpans spans;
    if (edges.empty())
        return spans;
    std::vector<std::pair<double, int>> crossings;
    for (int y = PixelFromSample(top); y + 0.5 < bottom; ++y) {
        const double sy = y + 0.5;
        crossings.clear();
        for (const Edge& e : edges)
            if (e.from.y() <= sy && sy < e.to.y()) {
                const double t = (sy - e.from.y()) / (e.to.y() - e.from.y());
                crossings.emplace_back(e.from.x() + t * (e.to.x() - e.from.x()), e.direction);
            }
        std::sort(crossings.begin(), crossings.end());
        int winding = 0;
        for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
            winding += rule == Qt::OddEvenFill ? 1 : crossings[i].second;
            const bool inside = rule == Qt::OddEvenFill ? (winding & 1) != 0 : winding != 0;
            if (inside)
                spans.push_back({y, PixelFromSample(crossings[i].first), PixelFromSample(crossings[i + 1].first)});
        }
    }
    return NormalizeSpans(std::move(spans));
}

TSpans PathSpans(const QPainterPath& path)
{
    return PolygonSpans(path.toFillPolygons(), path.fillRule());
}

TSpans IntegerPolygonSpans(const QList<TPoint>& points, Qt::FillRule rule)
{
    QPolygonF polygon;
    for (const TPoint& p : points)
        polygon << QPointF(p.X + 0.5, p.Y + 0.5);
    return PolygonSpans({polygon}, rule);
}

bool TDashState::Next()
{
    if (lengths_.empty())
        return true;
    const bool on = index_ % 2 == 0;
    if (++used_ >= lengths_[index_]) {
        used_ = 0;
        index_ = (index_ + 1) % lengths_.size();
    }
    return on;
}

void LineSpans(TPoint a, TPoint b, TDashState& dash, TSpans& on, TSpans& off)
{
    const int dx = b.X - a.X;
    const int dy = b.Y - a.Y;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    // Bresenham along the major axis; the minor coordinate is the exact one rounded, halves
    // toward the start point's side.
    for (int i = 0; i < steps; ++i) {
        int x;
        int y;
        if (std::abs(dx) >= std::abs(dy)) {
            x = a.X + (dx > 0 ? i : -i);
            const std::int64_t num = std::int64_t{2} * i * std::abs(dy) + std::abs(dx) - 1;
            y = a.Y + (dy >= 0 ? 1 : -1) * static_cast<int>(num / (std::int64_t{2} * std::abs(dx)));
        } else {
            y = a.Y + (dy > 0 ? i : -i);
            const std::int64_t num = std::int64_t{2} * i * std::abs(dx) + std::abs(dy) - 1;
            x = a.X + (dx >= 0 ? 1 : -1) * static_cast<int>(num / (std::int64_t{2} * std::abs(dy)));
        }
        TSpans& target = dash.Next() ? on : off;
        if (!target.empty() && target.back().Y == y && target.back().X2 == x)
            ++target.back().X2;
        else if (!target.empty() && target.back().Y == y && target.back().X1 == x + 1)
            --target.back().X1;
        else
            target.push_back({y, x, x + 1});
    }
}
