// The shared text renderer: nine alignments by measuring and moving the text's rectangle, flags
// mapped to the platform's format bits, and quarter-turned text.
#include "framework/Canvas.h"
#include "graphics/Bitmap.h"
#include "graphics/RectUtils.h"
#include "graphics/WideText.h"
#include "theme/Theme.h"

namespace {

unsigned FormatOf(std::uint8_t flags)
{
    unsigned format = 0;
    if ((flags & kTextRtlReading) != 0)
        format |= DT_RTLREADING;
    if ((flags & kTextNoPrefix) != 0)
        format |= DT_NOPREFIX;
    if ((flags & kTextWordBreak) != 0)
        format |= DT_WORDBREAK;
    if ((flags & kTextSingleLine) != 0)
        format |= DT_SINGLELINE;
    return format;
}

// Quarter-turned text: at the top-left as it stands, or centred; other alignments draw nothing.
void DrawTurnedText(TCanvas& canvas, const TteTextInfo& info, TteTextAlignment alignment, unsigned format)
{
    const TRect& t = info.Rect;
    const bool clockwise = info.Rotation == TteTextRotation::ktrClockwise;
    if (alignment == TteTextAlignment::ktaTopLeft) {
        DrawRotatedText(canvas, info.Text, t, clockwise, format);
        return;
    }
    if (alignment != TteTextAlignment::ktaCenter)
        return;
    // The text is laid out across the rectangle's height before it is turned, so it is measured
    // in a rectangle of the turned size.
    TRect measured{t.Left, t.Top, t.Left + t.Height(), t.Top + t.Width()};
    DrawWideText(canvas, info.Text, measured, format | DT_CALCRECT);
    TRect box{t.Left, t.Top, t.Left + measured.Height(), t.Top + measured.Width()};
    box = OffsetRectBy(box, (t.Width() - box.Width()) / 2, (t.Height() - box.Height()) / 2);
    box.Top -= 2;
    box.Bottom += 2;
    DrawRotatedText(canvas, info.Text, box, clockwise, format);
}

}  // namespace

void TteTheme::DrawText(TCanvas& canvas, const TteTextInfo& info)
{
    TteTextAlignment alignment = info.Alignment;
    // Right-to-left reading mirrors the left column to the right one.
    if ((info.Flags & kTextRtlReading) != 0 && static_cast<int>(alignment) <= 2)
        alignment = static_cast<TteTextAlignment>(static_cast<int>(alignment) + 6);
    const unsigned format = FormatOf(info.Flags);

    if (info.Rotation == TteTextRotation::ktrClockwise || info.Rotation == TteTextRotation::ktrCounterClockwise) {
        // Turned text goes through scratch bitmaps of the rectangle's size; a rectangle too large
        // for them shows no text rather than failing the paint.
        try {
            DrawTurnedText(canvas, info, alignment, format);
        } catch (const EBitmapError&) {
        }
        return;
    }

    const TRect& t = info.Rect;
    TRect r = t;
    if (alignment == TteTextAlignment::ktaTopLeft) {
        DrawWideText(canvas, info.Text, r, format);
        return;
    }
    DrawWideText(canvas, info.Text, r, format | DT_CALCRECT);
    const int freeX = t.Width() - r.Width();
    const int freeY = t.Height() - r.Height();
    switch (alignment) {
    case TteTextAlignment::ktaMiddleLeft:
        r = OffsetRectBy(r, 0, freeY / 2);
        break;
    case TteTextAlignment::ktaBottomLeft:
        r = OffsetRectBy(r, 0, freeY);
        break;
    case TteTextAlignment::ktaTopCenter:
        r = OffsetRectBy(r, freeX / 2, 0);
        break;
    case TteTextAlignment::ktaCenter:
        r = OffsetRectBy(r, freeX / 2, freeY / 2);
        break;
    case TteTextAlignment::ktaBottomCenter:
        r = OffsetRectBy(r, freeX / 2, freeY);
        break;
    case TteTextAlignment::ktaTopRight:
        r = OffsetRectBy(r, freeX, 0);
        break;
    case TteTextAlignment::ktaMiddleRight:
        r = OffsetRectBy(r, freeX, freeY / 2);
        break;
    case TteTextAlignment::ktaBottomRight:
        r = OffsetRectBy(r, freeX, freeY);
        break;
    default:
        break;
    }
    DrawWideText(canvas, info.Text, r, format);
}
