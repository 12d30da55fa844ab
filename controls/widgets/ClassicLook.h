#pragma once
// The classic 3-D drawing the controls fall back to when no theme draws them (the platform's visual
// styles never exist here): push-button faces, check boxes, embossed text and etched frames.
#include <QString>

#include "controls/widgets/CheckBoxState.h"
#include "framework/Colors.h"
#include "framework/Types.h"

class TCanvas;

// The face of a push button over rect: with framed (focused or default) a black outline first;
// raised (highlight and black, then face and shadow) or, pressed, flat in the shadow colour.
// Answers the rectangle inside the edges.
TRect DrawClassicButtonFace(TCanvas& canvas, const TRect& rect, TColor face, bool pressed, bool framed);
// The check box of a classic frame control in rect: a sunken two-pixel edge around a window-coloured
// well (face-coloured when disabled or mixed) with the black check mark (grey when disabled or mixed).
void DrawClassicCheckBox(TCanvas& canvas, const TRect& rect, TTeCheckBoxState state, bool disabled);
// Text as a disabled control shows it: in the highlight colour one pixel down and right, then in
// the shadow colour. The canvas's font colour is changed.
void DrawEmbossedText(TCanvas& canvas, const QString& text, const TRect& rect, unsigned format);
// Text in the font's colour, or embossed when disabled, with a clear background.
void DrawControlText(TCanvas& canvas, const QString& text, const TRect& rect, unsigned format, bool disabled);
// An etched outline of rect (highlight, then shadow one pixel up and left), open on the top edge
// between gapLeft and gapRight (nothing left open when gapRight <= gapLeft).
void DrawEtchedFrame(TCanvas& canvas, const TRect& rect, int gapLeft, int gapRight);
