#pragma once
// Small drawing and rectangle helpers shared by the flat theme's families.
#include "framework/Colors.h"
#include "framework/Types.h"
#include "graphics/CanvasDraw.h"
#include "graphics/FrameGlyphs.h"

class TCanvas;

constexpr TRect OffsetRectBy(const TRect& r, int dx, int dy)
{
    return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}
// Shrunk by dx on the left and right, by dy at the top and bottom.
constexpr TRect InsetRect(const TRect& r, int dx, int dy)
{
    return {r.Left + dx, r.Top + dy, r.Right - dx, r.Bottom - dy};
}

// A frame-control symbol in colour over rect. The symbol goes through a scratch bitmap of the
// rectangle's size; a rectangle too large for one shows no symbol rather than failing the paint.
void DrawSymbol(TCanvas& canvas, const TRect& rect, unsigned frameType, unsigned frameState, TColor colour);

// A scroll arrow (DFCS_SCROLLUP ... DFCS_SCROLLRIGHT) in colour over rect.
inline void DrawArrow(TCanvas& canvas, const TRect& rect, unsigned direction, TColor colour)
{
    DrawSymbol(canvas, rect, DFC_SCROLL, direction, colour);
}
// A caption-button symbol (DFCS_CAPTIONCLOSE ... DFCS_CAPTIONHELP, optionally DFCS_PUSHED) over rect.
inline void DrawCaptionGlyph(TCanvas& canvas, const TRect& rect, unsigned symbol, TColor colour)
{
    DrawSymbol(canvas, rect, DFC_CAPTION, symbol, colour);
}
