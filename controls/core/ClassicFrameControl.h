#pragma once
// The classic 3-D scroll buttons, thumbs and combo arrows that controls draw without a theme: a
// raised button face (flat and pushed while pressed) with the frame kind's symbol, embossed when
// inactive.
#include "framework/Types.h"

class TCanvas;

// frameType and frameState as in graphics/FrameGlyphs.h (DFC_SCROLL with a DFCS_SCROLL* symbol
// and DFCS_PUSHED, DFCS_FLAT, DFCS_INACTIVE; DFC_BUTTON with DFCS_BUTTONPUSH for a thumb).
void DrawClassicFrameControl(TCanvas& canvas, const TRect& rect, unsigned frameType, unsigned frameState);

// The sunken double frame of an edit-like box: shadow and highlight outside, dark shadow and face inside.
void DrawClassicSunkenFrame(TCanvas& canvas, const TRect& rect);
