#pragma once
// The track bar's thumb in the classic 3-D look: a raised block when ticks are on both sides,
// else a block pointing at the ticks, in the button face (a checker while it is dragged).
#include "controls/widgets/TrackBarLayout.h"

class TCanvas;

void DrawClassicTrackThumb(TCanvas& canvas, const TRect& thumb, bool vertical, TTeTickMark marks, bool dragging);
