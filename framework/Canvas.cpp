#include "framework/Canvas.h"

#include <QPainterPathStroker>
#include <algorithm>

#include "framework/StaticTextCache.h"

namespace {

constexpr QPainter::CompositionMode kCopy = QPainter::CompositionMode_Source;

// The colour and Qt raster operation of a pen mode; false when the mode draws nothing.
bool PenOperation(TPenMode mode, TColor color, QColor& source, QPainter::CompositionMode& operation)
{
    const QColor pen = ToQColor(color);
    source = pen;
    operation = kCopy;
    switch (mode) {
    case TPenMode::pmBlack: source = Qt::black; return true;
    case TPenMode::pmWhite: source = Qt::white; return true;
    case TPenMode::pmNop: return false;
    case TPenMode::pmNot: operation = QPainter::RasterOp_NotDestination; return true;
    case TPenMode::pmCopy: return true;
    case TPenMode::pmNotCopy: source = QColor(~pen.rgb() | 0xFF000000u); return true;
    case TPenMode::pmMergePenNot: operation = QPainter::RasterOp_SourceOrNotDestination; return true;
    case TPenMode::pmMaskPenNot: operation = QPainter::RasterOp_SourceAndNotDestination; return true;
    case TPenMode::pmMergeNotPen: operation = QPainter::RasterOp_NotSourceOrDestination; return true;
    case TPenMode::pmMaskNotPen: operation = QPainter::RasterOp_NotSourceAndDestination; return true;
    case TPenMode::pmMerge: operation = QPainter::RasterOp_SourceOrDestination; return true;
    case TPenMode::pmNotMerge: operation = QPainter::RasterOp_NotSourceAndNotDestination; return true;
    case TPenMode::pmMask: operation = QPainter::RasterOp_SourceAndDestination; return true;
    case TPenMode::pmNotMask: operation = QPainter::RasterOp_NotSourceOrNotDestination; return true;
    case TPenMode::pmXor: operation = QPainter::RasterOp_SourceXorDestination; return true;
    case TPenMode::pmNotXor: operation = QPainter::RasterOp_NotSourceXorDestination; return true;
    }
    return false;
}

// The run lengths of styled one-pixel pens, as the classic platform draws them.
TDashState DashFor(TPenStyle style)
{
    switch (style) {
    case TPenStyle::psDash: return TDashState({18, 6});
    case TPenStyle::psDot: return TDashState({3, 3});
    case TPenStyle::psDashDot: return TDashState({9, 6, 3, 6});
    case TPenStyle::psDashDotDot: return TDashState({9, 3, 3, 3, 3, 3});
    default: return TDashState();
    }
}

TRect Normalized(int left, int top, int right, int bottom)
{
    return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

}  // namespace

TCanvas::TCanvas()
    : pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>()), font_(std::make_unique<TFont>())
{
}

TCanvas::TCanvas(QPaintDevice* device) : TCanvas()
{
    owned_ = std::make_unique<TDeviceContext>(device);
    context_ = owned_.get();
}

TCanvas::~TCanvas() = default;

TDeviceContext& TCanvas::Context()
{
    if (context_ == nullptr)
        throw EInvalidGraphicOperation(QStringLiteral("Canvas does not allow drawing"));
    // The background follows the brush only when the brush changed (or the context did), so a
    // background mode set after the brush stays in force.
    const std::pair realized{brush_->Style(), brush_->Color()};
    if (realizedBrush_ != realized) {
        const bool solid = brush_->Style() == TBrushStyle::bsSolid;
        context_->SetBkMode(solid ? TBackgroundMode::bmOpaque : TBackgroundMode::bmTransparent);
        context_->SetBkColor(ColorToRGB(brush_->Color()));
        realizedBrush_ = realized;
    }
    return *context_;
}

TDeviceContext* TCanvas::Handle()
{
    return &Context();
}

void TCanvas::SetHandle(TDeviceContext* context)
{
    context_ = context;
    realizedBrush_.reset();
}

const QFont& TCanvas::QtFont()
{
    // A new colour alone keeps the QFont, and with it everything kept for it.
    if (!fontOfQtFont_.SameQFont(*font_)) {
        fontOfQtFont_.Assign(font_.get());
        qfont_ = font_->ToQFont();
    }
    return qfont_;
}

bool TCanvas::PenDraws() const
{
    return pen_->Style() != TPenStyle::psClear && pen_->Color() != clNone && pen_->Mode() != TPenMode::pmNop;
}

void TCanvas::DrawPenSpans(const TSpans& on, const TSpans& off)
{
    TDeviceContext& dc = Context();
    if (!PenDraws())
        return;
    QColor color;
    QPainter::CompositionMode operation;
    if (!PenOperation(pen_->Mode(), pen_->Color(), color, operation))
        return;
    const TPoint o = dc.WindowOrg();
    dc.FillSpans(TranslateSpans(on, -o.X, -o.Y), color, operation);
    if (!off.empty() && dc.BkMode() == TBackgroundMode::bmOpaque) {
        PenOperation(pen_->Mode(), dc.BkColor(), color, operation);
        dc.FillSpans(TranslateSpans(off, -o.X, -o.Y), color, operation);
    }
}

void TCanvas::FillInterior(const TSpans& interior)
{
    TDeviceContext& dc = Context();
    if (brush_->Style() == TBrushStyle::bsClear || (brush_->Color() == clNone && !brush_->HasPattern()))
        return;
    QColor color;
    QPainter::CompositionMode operation;
    if (!PenOperation(pen_->Mode(), brush_->Color(), color, operation))
        return;
    const QBrush brush = brush_->HasPattern() ? QBrush(brush_->Pattern()) : QBrush(color);
    const TPoint o = dc.WindowOrg();
    dc.FillSpans(TranslateSpans(interior, -o.X, -o.Y), brush, operation);
}

TRect TCanvas::ShapeBounds(int left, int top, int right, int bottom) const
{
    TRect r = Normalized(left, top, right, bottom);
    const int w = std::max(1, pen_->Width());
    if (pen_->Style() == TPenStyle::psClear) {
        --r.Right;
        --r.Bottom;
    } else if (pen_->Style() != TPenStyle::psInsideFrame && w > 1) {
        // A wide pen is centred on the edge pixels.
        r = {r.Left - w / 2, r.Top - w / 2, r.Right + (w - 1) / 2, r.Bottom + (w - 1) / 2};
    }
    return r;
}

void TCanvas::DrawShape(const TSpans& shape, const TSpans* knownInterior)
{
    if (pen_->Style() == TPenStyle::psClear) {
        FillInterior(shape);
        return;
    }
    const TSpans interior = knownInterior != nullptr ? *knownInterior : ErodeSpans(shape, std::max(1, pen_->Width()));
    FillInterior(interior);
    DrawPenSpans(SubtractSpans(shape, interior), {});
}

TPoint TCanvas::PenPos()
{
    return Context().PenPos();
}

void TCanvas::SetPenPos(TPoint pos)
{
    Context().SetPenPos(pos);
}

void TCanvas::MoveTo(int x, int y)
{
    Context().SetPenPos({x, y});
}

void TCanvas::LineTo(int x, int y)
{
    TDeviceContext& dc = Context();
    const TPoint from = dc.PenPos();
    PenLines({from, {x, y}}, false, nullptr);
    dc.SetPenPos({x, y});
}

void TCanvas::Polyline(const QList<TPoint>& points)
{
    Context();
    PenLines(points, false, nullptr);
}

void TCanvas::PenLines(const QList<TPoint>& points, bool closed, TSpans* covered)
{
    if (points.size() < 2)
        return;
    TSpans on;
    TSpans off;
    const int width = std::max(1, pen_->Width());
    if (width > 1) {
        QPainterPath path(QPointF(points[0].X + 0.5, points[0].Y + 0.5));
        for (qsizetype i = 1; i < points.size(); ++i)
            path.lineTo(points[i].X + 0.5, points[i].Y + 0.5);
        if (closed)
            path.closeSubpath();
        QPainterPathStroker stroker;
        stroker.setWidth(width);
        stroker.setCapStyle(Qt::RoundCap);
        stroker.setJoinStyle(Qt::RoundJoin);
        on = PathSpans(stroker.createStroke(path));
    } else {
        TDashState dash = DashFor(pen_->Style());
        for (qsizetype i = 1; i < points.size(); ++i)
            LineSpans(points[i - 1], points[i], dash, on, off);
        if (closed)
            LineSpans(points.last(), points.first(), dash, on, off);
    }
    if (covered != nullptr)
        *covered = UniteSpans(NormalizeSpans(on), NormalizeSpans(off));
    DrawPenSpans(on, off);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    Context();
    const TRect r = Normalized(left, top, right, bottom);
    const bool styled = pen_->Width() <= 1 && pen_->Style() != TPenStyle::psSolid &&
                        pen_->Style() != TPenStyle::psInsideFrame && pen_->Style() != TPenStyle::psClear;
    if (styled && r.Width() > 1 && r.Height() > 1) {
        FillInterior(RectSpans({r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}));
        PenLines({{r.Left, r.Top}, {r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left, r.Bottom - 1}}, true,
                 nullptr);
        return;
    }
    const TRect shape = ShapeBounds(left, top, right, bottom);
    const int w = std::max(1, pen_->Width());
    const TSpans interior = RectSpans({shape.Left + w, shape.Top + w, shape.Right - w, shape.Bottom - w});
    DrawShape(RectSpans(shape), &interior);
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    Context();
    const TRect r = ShapeBounds(left, top, right, bottom);
    if (r.IsEmpty())
        return;
    const double rx = std::min(std::abs(cornerWidth) / 2.0, r.Width() / 2.0);
    const double ry = std::min(std::abs(cornerHeight) / 2.0, r.Height() / 2.0);
    QPainterPath path;
    path.addRoundedRect(QRectF(r.Left, r.Top, r.Width(), r.Height()), rx, ry);
    DrawShape(PathSpans(path));
}

void TCanvas::Ellipse(int left, int top, int right, int bottom)
{
    Context();
    const TRect r = ShapeBounds(left, top, right, bottom);
    if (r.IsEmpty())
        return;
    QPainterPath path;
    path.addEllipse(QRectF(r.Left, r.Top, r.Width(), r.Height()));
    DrawShape(PathSpans(path));
}

void TCanvas::Polygon(const QList<TPoint>& points)
{
    Context();
    if (points.size() < 2)
        return;
    TSpans outline;
    if (PenDraws())
        PenLines(points, true, &outline);
    // The outline already covers the edge pixels; they are not filled again.
    FillInterior(SubtractSpans(IntegerPolygonSpans(points, Qt::OddEvenFill), outline));
}

void TCanvas::FillRect(const TRect& rect)
{
    TDeviceContext& dc = Context();
    if (brush_->Style() == TBrushStyle::bsClear || (brush_->Color() == clNone && !brush_->HasPattern()))
        return;
    const QBrush brush = brush_->HasPattern() ? QBrush(brush_->Pattern()) : QBrush(ToQColor(brush_->Color()));
    dc.FillSpans(RectSpans(dc.ToDevice(rect)), brush, kCopy);
}

void TCanvas::FrameRect(const TRect& rect)
{
    TDeviceContext& dc = Context();
    if (rect.IsEmpty() || brush_->Style() == TBrushStyle::bsClear || (brush_->Color() == clNone && !brush_->HasPattern()))
        return;
    const QBrush brush = brush_->HasPattern() ? QBrush(brush_->Pattern()) : QBrush(ToQColor(brush_->Color()));
    const TRect r = dc.ToDevice(rect);
    const TSpans frame = SubtractSpans(RectSpans(r), RectSpans({r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}));
    dc.FillSpans(frame, brush, kCopy);
}

void TCanvas::DrawFocusRect(const TRect& rect)
{
    TDeviceContext& dc = Context();
    if (rect.IsEmpty())
        return;
    const TRect r = dc.ToDevice(rect);
    TSpans dots;
    for (const TSpan& s : SubtractSpans(RectSpans(r), RectSpans({r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1})))
        for (int x = s.X1; x < s.X2; ++x)
            if (((x + s.Y) & 1) == 0)
                dots.push_back({s.Y, x, x + 1});
    dc.FillSpans(dots, QColor(Qt::white), QPainter::RasterOp_SourceXorDestination);
}

TColor TCanvas::Pixel(int x, int y)
{
    TDeviceContext& dc = Context();
    const QImage* image = dc.Image();
    const TPoint p = dc.ToDevice(TPoint{x, y});
    if (image == nullptr || !image->rect().contains(p.X, p.Y) || !dc.ClipRegion().contains(QPoint(p.X, p.Y)))
        return CLR_INVALID;
    const QRgb rgb = image->pixel(p.X, p.Y);
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void TCanvas::SetPixel(int x, int y, TColor color)
{
    TDeviceContext& dc = Context();
    if (color == clNone)
        return;
    const TPoint p = dc.ToDevice(TPoint{x, y});
    dc.FillSpans({{p.Y, p.X, p.X + 1}}, ToQColor(color), kCopy);
}

void TCanvas::DrawTextRun(int x, int y, const QString& text, int width, bool rtl, const TRect* limit)
{
    TDeviceContext& dc = Context();
    const TPoint p = dc.ToDevice(TPoint{x, y});
    const int height = QFontMetrics(QtFont()).height();
    if (dc.BkMode() == TBackgroundMode::bmOpaque && dc.BkColor() != clNone) {
        TSpans cell = RectSpans({p.X, p.Y, p.X + width, p.Y + height});
        if (limit != nullptr)
            cell = IntersectSpans(cell, RectSpans(*limit));
        dc.FillSpans(cell, ToQColor(dc.BkColor()), kCopy);
    }
    if (text.isEmpty() || font_->Color() == clNone || (dc.HasClip() && dc.ClipRegion().isEmpty()))
        return;
    QPainter& painter = dc.Painter(limit);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setFont(QtFont());
    painter.setPen(ToQColor(font_->Color()));
    painter.setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
    if (rtl) {
        painter.drawText(QRectF(p.X, p.Y, std::max(width, 1), height),
                         Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, text);
    } else if (QtFont().underline() || QtFont().strikeOut()) {
        // Prepared text draws its lines shorter than the run's advance: these go the long way.
        painter.drawText(QPointF(p.X, p.Y + QFontMetrics(QtFont()).ascent()), text);
    } else {
        // One run laid out once and kept: the same pixels as a top-left aligned rectangle, without
        // shaping the text again on every paint.
        painter.drawStaticText(QPointF(p.X, p.Y), StaticTextFor(text, QtFont()));
    }
    painter.setLayoutDirection(Qt::LeftToRight);
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
    TDeviceContext& dc = Context();
    const int width = QFontMetrics(QtFont()).horizontalAdvance(text);
    DrawTextRun(x, y, text, width, false, nullptr);
    dc.SetPenPos({x + width, y});
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const QString& text)
{
    TDeviceContext& dc = Context();
    const TRect limit = dc.ToDevice(rect);
    if (brush_->Style() != TBrushStyle::bsClear && dc.BkColor() != clNone)
        dc.FillSpans(RectSpans(limit), ToQColor(dc.BkColor()), kCopy);
    DrawTextRun(x, y, text, QFontMetrics(QtFont()).horizontalAdvance(text), false, &limit);
}

TSize TCanvas::TextExtent(const QString& text)
{
    Context();
    const QFontMetrics metrics(QtFont());
    return {metrics.horizontalAdvance(text), metrics.height()};
}

int TCanvas::DrawText(const QString& text, TRect& rect, unsigned format)
{
    TDeviceContext& dc = Context();
    const TTextMeasure measure(QtFont(), (format & DT_EXPANDTABS) != 0);
    const QList<TTextLine> lines = LayoutText(text, format, rect.Width(), measure);
    const int lineHeight = measure.Metrics().height();
    if ((format & DT_CALCRECT) != 0) {
        int widest = 0;
        for (const TTextLine& line : lines)
            widest = std::max(widest, line.Width);
        rect.Right = rect.Left + widest;
        rect.Bottom = rect.Top + lineHeight * static_cast<int>(lines.size());
        return rect.Bottom - rect.Top;
    }
    int y = rect.Top;
    if ((format & DT_SINGLELINE) != 0) {
        if ((format & DT_VCENTER) != 0)
            y = rect.Top + (rect.Height() - lineHeight) / 2;
        else if ((format & DT_BOTTOM) != 0)
            y = rect.Bottom - lineHeight;
    }
    const TRect deviceRect = dc.ToDevice(rect);
    const TRect* limit = (format & DT_NOCLIP) != 0 ? nullptr : &deviceRect;
    const bool rtl = (format & DT_RTLREADING) != 0;
    for (const TTextLine& line : lines) {
        int x = rect.Left;
        if ((format & DT_CENTER) != 0)
            x = (rect.Left + rect.Right - line.Width) / 2;
        else if ((format & DT_RIGHT) != 0)
            x = rect.Right - line.Width;
        if (measure.ExpandTabs() && line.Text.contains(u'\t')) {
            const QList<QString> pieces = line.Text.split(u'\t');
            const QList<int> offsets = measure.PieceOffsets(pieces);
            for (qsizetype i = 0; i < pieces.size(); ++i)
                DrawTextRun(x + offsets[i], y, pieces[i], offsets[i + 1] - offsets[i], rtl, limit);
        } else {
            DrawTextRun(x, y, line.Text, line.Width, rtl, limit);
        }
        if (line.Underline >= 0 && font_->Color() != clNone) {
            // One pixel below the baseline, under the accelerator character's advance.
            const int from = measure.Width(line.Text.left(line.Underline));
            const int to = measure.Width(line.Text.left(line.Underline + 1));
            const TPoint p = dc.ToDevice(TPoint{x, y + measure.Metrics().ascent() + 1});
            TSpans underline{{p.Y, p.X + from, p.X + to}};
            if (limit != nullptr)
                underline = IntersectSpans(underline, RectSpans(*limit));
            dc.FillSpans(underline, ToQColor(font_->Color()), kCopy);
        }
        y += lineHeight;
    }
    return y - rect.Top;
}

void TCanvas::Draw(int x, int y, const QImage& image)
{
    DrawImage({x, y, x + image.width(), y + image.height()}, image, {0, 0, image.width(), image.height()});
}

void TCanvas::StretchDraw(const TRect& dest, const QImage& image)
{
    DrawImage(dest, image, {0, 0, image.width(), image.height()});
}

void TCanvas::DrawImage(const TRect& dest, const QImage& image, const TRect& source)
{
    TDeviceContext& dc = Context();
    if (image.isNull() || dest.IsEmpty() || source.IsEmpty() || (dc.HasClip() && dc.ClipRegion().isEmpty()))
        return;
    QPainter& painter = dc.Painter();
    painter.setCompositionMode(kCopy);
    const TRect d = dc.ToDevice(dest);
    painter.drawImage(QRectF(d.Left, d.Top, d.Width(), d.Height()), image,
                      QRectF(source.Left, source.Top, source.Width(), source.Height()));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

QImage TCanvas::CopyImage(const TRect& rect)
{
    TDeviceContext& dc = Context();
    const QImage* image = dc.Image();
    if (image == nullptr || rect.IsEmpty())
        return {};
    return image->copy(dc.ToDevice(rect).ToQRect()).convertToFormat(QImage::Format_ARGB32);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect)
{
    const QImage pixels = source.CopyImage(sourceRect);
    if (!pixels.isNull())
        DrawImage(dest, pixels, {0, 0, pixels.width(), pixels.height()});
}
