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

// A scroll arrow (DFCS_SCROLLUP ... DFCS_SCROLLRIGHT) in colour over rect.
inline void DrawArrow(TCanvas& canvas, const TRect& rect, unsigned direction, TColor colour)
{
    DrawFrameGlyph(canvas, rect, DFC_SCROLL, direction, colour);
}
// A caption-button symbol (DFCS_CAPTIONCLOSE ... DFCS_CAPTIONHELP, optionally DFCS_PUSHED) over rect.
inline void DrawCaptionGlyph(TCanvas& canvas, const TRect& rect, unsigned symbol, TColor colour)
{
    DrawFrameGlyph(canvas, rect, DFC_CAPTION, symbol, colour);
}
