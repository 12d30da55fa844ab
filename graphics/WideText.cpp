#include "graphics/WideText.h"

#include <algorithm>
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
    // Only the part of rect that the canvas can show is drawn, so a vast rectangle costs no more
    // than the device: v is that part relative to rect, part the matching area of the lying text.
    const TRect clip = canvas.ClipRect();
    const TRect v{std::max(rect.Left, clip.Left) - rect.Left, std::max(rect.Top, clip.Top) - rect.Top,
                  std::min(rect.Right, clip.Right) - rect.Left, std::min(rect.Bottom, clip.Bottom) - rect.Top};
    if (w <= 0 || h <= 0 || v.IsEmpty())
        return 0;
    const TRect part = clockwise ? TRect{v.Top, w - v.Right, v.Bottom, w - v.Left}
                                 : TRect{h - v.Bottom, v.Left, h - v.Top, v.Right};
    TteBitmap lying;
    lying.SetSize(part.Width(), part.Height());
    // Opaque key: text blended onto transparent pixels would keep the ink's colour but not its
    // coverage, and the smoothed edges could not be told from real ink. Over the opaque key each
    // edge pixel shows its coverage, and IsInk makes it ink or key.
    const TteColor key = TransparentKey | 0xFF000000u;
    lying.Fill(key);
    TCanvas& lyingCanvas = lying.Canvas();
    lyingCanvas.SetFont(canvas.Font());
    lyingCanvas.SetWindowOrg(part.Left, part.Top);
    TRect textRect{0, 0, h, w};
    const int result = DrawWideText(lyingCanvas, text, textRect, format);
    lyingCanvas.Handle()->EndPainting();

    TteBitmap work;
    work.SetSize(v.Width(), v.Height());
    work.Fill(TransparentKey);
    const TteColor ink = ColorToPixelAlpha(canvas.Font()->Color(), 255);
    for (int y2 = part.Top; y2 < part.Bottom; ++y2) {
        const TteColor* row = lying.ScanLine(y2 - part.Top) - part.Left;
        for (int x2 = part.Left; x2 < part.Right; ++x2) {
            if (IsKeyPixel(row[x2]) || !IsInk(row[x2], key, ink))
                continue;
            if (clockwise)
                work.SetPixel(w - 1 - y2 - v.Left, x2 - v.Top, ink);
            else
                work.SetPixel(y2 - v.Left, h - 1 - x2 - v.Top, ink);
        }
    }
    work.SetTransparent(true);
    work.Draw(canvas, rect.Left + v.Left, rect.Top + v.Top);
    return result;
}
