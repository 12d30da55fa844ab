#pragma once
// How the visual-style theme's control families draw an element object: one frame, unclipped.
#include "framework/Types.h"
#include "themes/MsuxThemeObject.h"

class TCanvas;

// Frame 0 stands for a state that has no frame of its own: nothing is drawn.
inline void DrawElementFrame(TmsuxThemeObject& element, TCanvas& canvas, const TRect& rect, int frame)
{
    if (frame > 0)
        element.Draw(canvas, rect, frame, TRect{});
}
