#include "graphics/WideText.h"

#include <cstdlib>

#include "framework/Canvas.h"
#include "graphics/Bitmap.h"

int DrawWideText(TCanvas& canvas, const QString& text, TRect& rect, unsigned format)
{
    canvas.SetBkMode(TBackgroundMode::bmTransparent);
    return canvas.DrawText(text, rect, format);
}

int WideTextWidth(TCanvas& canvas, const QString& text, unsigned format)
{
    if (format == 0)
        return canvas.TextExtent(text).cx;
    TRect rect;
    canvas.DrawText(text, rect, format | DT_CALCRECT);
    return rect.Right;
}

int WideTextHeight(TCanvas& canvas, const QString& text)
{
    return canvas.TextExtent(text).cy;
}

QString EllipsisText(TCanvas& canvas, const QString& text, int maxWidth)
{
    if (canvas.TextWidth(text) <= maxWidth)
        return text;
    const QString dots = QStringLiteral("...");
    QString result;
    for (const QChar c : text) {
        if (canvas.TextWidth(result + c + dots) > maxWidth)
            break;
        result += c;
    }
    return result + dots;
}

namespace {

// Where ink pixels were drawn over the opaque key: a pixel at least half way from the key to the
// ink becomes the ink, anything less stays the key, so no pixel mixes the two.
bool IsInk(TteColor pixel, TteColor key, TteColor ink)
{
    int reach = 0, span = 0;
    for (int shift : {16, 8, 0}) {
        const int k = static_cast<int>((key >> shift) & 0xFF);
        const int d = static_cast<int>((ink >> shift) & 0xFF) - k;
        if (std::abs(d) > std::abs(span)) {
            span = d;
            reach = static_cast<int>((pixel >> shift) & 0xFF) - k;
        }
    }
    return span != 0 && 2 * reach * (span < 0 ? -1 : 1) >= std::abs(span);
}

}  // namespace

int DrawRotatedText(TCanvas& canvas, const QString& text, const TRect& rect, bool clockwise, unsigned format)
{
    const int w = rect.Width(), h = rect.Height();
    if (w <= 0 || h <= 0)
        return 0;
    TteBitmap work;
    work.SetSize(w, h);
    work.Fill(TransparentKey);
    TteBitmap lying;
    lying.SetSize(h, w);
    // Opaque key: text blended onto transparent pixels would keep the ink's colour but not its
    // coverage, and the smoothed edges could not be told from real ink. Over the opaque key each
    // edge pixel shows its coverage, and IsInk makes it ink or key.
    const TteColor key = TransparentKey | 0xFF000000u;
    lying.Fill(key);
    TCanvas& lyingCanvas = lying.Canvas();
    lyingCanvas.SetFont(canvas.Font());
    TRect textRect{0, 0, h, w};
    const int result = DrawWideText(lyingCanvas, text, textRect, format);
    lyingCanvas.Handle()->EndPainting();

    const TteColor ink = ColorToPixelAlpha(canvas.Font()->Color(), 255);
    for (int y2 = 0; y2 < w; ++y2) {
        const TteColor* row = lying.ScanLine(y2);
        for (int x2 = 0; x2 < h; ++x2) {
            if (IsKeyPixel(row[x2]) || !IsInk(row[x2], key, ink))
                continue;
            if (clockwise)
                work.SetPixel(w - 1 - y2, x2, ink);
            else
                work.SetPixel(y2, h - 1 - x2, ink);
        }
    }
    work.SetTransparent(true);
    work.Draw(canvas, rect.Left, rect.Top);
    return result;
}
