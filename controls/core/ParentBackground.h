#pragma once
// What lies beneath a transparent control, drawn into its own surface by the painter registered
// for its parent's class (theme/BackgroundPainters.h), never read from the screen.
class TCanvas;
class TControl;
class TDeviceContext;
struct TRect;

// Draws into surface, in control's own coordinates, its parent's background (and, for a parent
// without a painter, the parent's whole drawing). Nothing for a missing or parentless control, an
// empty one, or one being painted as part of another control's background.
void DrawParentBackground(TControl* control, TDeviceContext& surface);

// What a control shows beneath its face: its parent's background when it is transparent, else its
// own colour over rect.
void PaintControlBackground(TControl& control, TCanvas& canvas, bool transparent, const TRect& rect);

// Registers the painter of the themed controls (the parent draws its border and content, not its
// children) unless it is registered already.
void RegisterControlBackgroundPainters();
