#include "graphics/CanvasDraw.h"

#include <QIcon>
#include <algorithm>

#include "framework/Canvas.h"
#include "framework/SystemMetrics.h"
#include "graphics/Bitmap.h"
#include "graphics/FrameGlyphs.h"
#include "graphics/MulDiv.h"
#include "graphics/RectUtils.h"

namespace {

void SolidPen(TCanvas& canvas, TColor colour)
{
    canvas.Pen()->SetStyle(TPenStyle::psSolid);
    canvas.Pen()->SetColor(colour);
}

void SolidBrush(TCanvas& canvas, TColor colour)
{
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(colour);
}

void ClearBrush(TCanvas& canvas)
{
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
}

QImage CheckerPattern(TColor colour1, TColor colour2)
{
    QImage pattern(TBrush::kPatternSize, TBrush::kPatternSize, QImage::Format_RGB32);
    const QRgb one = ToQColor(ColorToRGB(colour1)).rgb();
    const QRgb two = ToQColor(ColorToRGB(colour2)).rgb();
    for (int j = 0; j < TBrush::kPatternSize; ++j)
        for (int i = 0; i < TBrush::kPatternSize; ++i)
            pattern.setPixel(i, j, (i & 1) == (j & 1) ? two : one);
    return pattern;
}

// round(start + (end - start) * k / n), halves to even, in whole numbers.
int Interpolate(int start, int end, int k, int n)
{
    const long long numerator = static_cast<long long>(start) * n + static_cast<long long>(end - start) * k;
    long long q = numerator / n;
    long long r = numerator % n;
    if (r < 0) {
        r += n;
        --q;
    }
    if (2 * r > n || (2 * r == n && (q & 1) != 0))
        ++q;
    return static_cast<int>(q);
}

}  // namespace

void MoveToPoint(TCanvas& canvas, int x, int y)
{
    canvas.MoveTo(x, y);
}

void DrawLine(TCanvas& canvas, int x, int y, TColor colour)
{
    SolidPen(canvas, colour);
    canvas.LineTo(x, y);
}

void DrawFrameRect(TCanvas& canvas, const TRect& rect, TColor colour)
{
    ClearBrush(canvas);
    SolidPen(canvas, colour);
    canvas.Rectangle(rect);
}

void DrawFrameRect(TCanvas& canvas, int left, int top, int right, int bottom, TColor colour)
{
    DrawFrameRect(canvas, TRect{left, top, right, bottom}, colour);
}

void Draw3DFrame(TCanvas& canvas, const TRect& rect, TColor topLeft, TColor bottomRight)
{
    ClearBrush(canvas);
    SolidPen(canvas, topLeft);
    canvas.MoveTo(rect.Left, rect.Bottom - 2);
    canvas.LineTo(rect.Left, rect.Top);
    canvas.LineTo(rect.Right - 1, rect.Top);
    canvas.Pen()->SetColor(bottomRight);
    canvas.LineTo(rect.Right - 1, rect.Bottom - 1);
    canvas.LineTo(rect.Left - 1, rect.Bottom - 1);
}

void FillRectColor(TCanvas& canvas, const TRect& rect, TColor colour)
{
    SolidBrush(canvas, colour);
    canvas.FillRect(rect);
}

void FillRectColor(TCanvas& canvas, int left, int top, int right, int bottom, TColor colour)
{
    FillRectColor(canvas, TRect{left, top, right, bottom}, colour);
}

void DrawFocusFrame(TCanvas& canvas, const TRect& rect, TColor colour)
{
    SolidBrush(canvas, colour);
    canvas.DrawFocusRect(rect);
}

void DrawRoundFrame(TCanvas& canvas, const TRect& rect, int radius, TColor colour)
{
    ClearBrush(canvas);
    SolidPen(canvas, colour);
    canvas.RoundRect(rect, radius, radius);
}

void FillRoundRect(TCanvas& canvas, const TRect& rect, int radius, TColor colour)
{
    SolidBrush(canvas, colour);
    canvas.Pen()->SetColor(colour);
    canvas.RoundRect(rect, radius, radius);
}

void DrawPolygonFrame(TCanvas& canvas, const QList<TPoint>& points, TColor colour)
{
    ClearBrush(canvas);
    SolidPen(canvas, colour);
    canvas.Polygon(points);
}

void FillPolygon(TCanvas& canvas, const QList<TPoint>& points, TColor colour)
{
    SolidBrush(canvas, colour);
    SolidPen(canvas, colour);
    canvas.Polygon(points);
}

void FillChecker(TCanvas& canvas, const TRect& rect, TColor colour1, TColor colour2)
{
    const TRect r{std::max(rect.Left, 0), std::max(rect.Top, 0), rect.Right, rect.Bottom};
    if (r.IsEmpty())
        return;
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetPattern(CheckerPattern(colour1, colour2));
    canvas.FillRect(r);
    canvas.Brush()->ClearPattern();
}

void FillPolygonChecker(TCanvas& canvas, const QList<TPoint>& points, TColor colour1, TColor colour2)
{
    // A clear brush would fill nothing, pattern or not.
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetPattern(CheckerPattern(colour1, colour2));
    canvas.Pen()->SetStyle(TPenStyle::psClear);
    canvas.Polygon(points);
    canvas.Brush()->ClearPattern();
}

void FillGradient(TCanvas& canvas, const TRect& rect, TColor start, TColor end, bool vertical)
{
    if (rect.IsEmpty())
        return;
    const int size = vertical ? rect.Height() : rect.Width();
    const int n = std::min(size, 255);
    const TColor from = ColorToRGB(start), to = ColorToRGB(end);
    const int base = vertical ? rect.Top : rect.Left;
    const int limit = vertical ? rect.Bottom : rect.Right;
    for (int k = 0; k < n; ++k) {
        const int a = base + MulDiv(k, size, n);
        const int b = std::min(base + MulDiv(k + 1, size, n), limit);
        if (a >= b)
            continue;
        const TColor colour = RGB(Interpolate(GetRValue(from), GetRValue(to), k, n),
                                  Interpolate(GetGValue(from), GetGValue(to), k, n),
                                  Interpolate(GetBValue(from), GetBValue(to), k, n));
        FillRectColor(canvas, vertical ? TRect{rect.Left, a, rect.Right, b} : TRect{a, rect.Top, b, rect.Bottom},
                      colour);
    }
}

void DrawSmallIcon(TCanvas& canvas, const TRect& rect, const QIcon& icon)
{
    if (icon.isNull())
        return;
    const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
    const TRect place = CenterRect(TRect{0, 0, cx, cy}, rect);
    const QSize size = icon.actualSize(QSize(cx, cy));
    TteBitmap picture;
    picture.Assign(icon.pixmap(size).toImage());
    picture.Draw(canvas, place.Left, place.Top);
}

void DrawFrameGlyph(TCanvas& canvas, const TRect& rect, unsigned frameType, unsigned frameState, TColor colour)
{
    // Only the part the canvas can show is drawn, so a vast rectangle costs no more than the device.
    const TRect clip = canvas.ClipRect();
    const TRect visible = IntersectRects(rect, clip);
    if (rect.IsEmpty() || visible.IsEmpty())
        return;
    TteBitmap glyph;
    glyph.SetSize(visible.Width(), visible.Height());
    glyph.Fill(TransparentKey);
    const TRect inGlyph{rect.Left - visible.Left, rect.Top - visible.Top, rect.Right - visible.Left,
                        rect.Bottom - visible.Top};
    if (!DrawFrameSymbol(glyph, inGlyph, frameType, frameState, ColorToPixelAlpha(colour, 255)))
        return;
    glyph.SetTransparent(true);
    glyph.Draw(canvas, visible.Left, visible.Top);
}

void DrawSilhouette(TCanvas& canvas, int x, int y, TColor colour, const TteBitmap& bitmap)
{
    if (bitmap.Empty())
        return;
    TteBitmap shape;
    shape.Assign(bitmap);
    shape.SetAlphaBlend(true);
    shape.SetTransparentColor(TransparentKey);
    const TteColor ink = ColorToPixelAlpha(colour, 100);
    TteColor* p = shape.Bits();
    TteColor* const end = p + static_cast<std::ptrdiff_t>(shape.Width()) * shape.Height();
    for (; p != end; ++p)
        if (AlphaOf(*p) > 0)
            *p = ink;
    shape.Draw(canvas, x, y);
}
