#pragma once
// Small drawing helpers shared by the flat theme's families.
#include "framework/Colors.h"
#include "framework/Types.h"
#include "graphics/CanvasDraw.h"
#include "graphics/FrameGlyphs.h"
#include "graphics/RectUtils.h"

class TCanvas;

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
