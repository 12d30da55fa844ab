#pragma once
// Draws a scroll bar from its layout and the states of its parts: through the theme when one is
// given, else in classic 3-D style. The transparent background is the caller's business.
#include <QString>

#include "controls/core/ScrollBarGeometry.h"

class TCanvas;
class TteTheme;

// The parts of a scroll bar that can be hot or pressed.
enum class TScrollBarPart : std::uint8_t { ksbpNone, ksbpFirstButton, ksbpSecondButton, ksbpThumb, ksbpPageBefore, ksbpPageAfter };

struct TScrollBarLook {
    TRect Bounds;
    TTeScrollOrientation Orientation = TTeScrollOrientation::ksoVertical;
    int BorderWidth = 0;
    bool ShowButtons = true;
    bool Enabled = true;
    // A part is drawn pressed when it is in Pressed, else hot when it is Hot.
    TScrollBarPart Hot = TScrollBarPart::ksbpNone;
    TScrollBarPart Pressed = TScrollBarPart::ksbpNone;
    // nullptr: classic drawing.
    TteTheme* Theme = nullptr;
    QString ThemeObject;
};

void PaintScrollBar(TCanvas& canvas, const TScrollBarLook& look, const TScrollBarLayout& layout);
