#pragma once
// Gravitation: a window being moved snaps to the edges of the work area and of other framed
// windows when it comes within the gravitation distance of them.
#include <QList>

#include "controls/frame/FormOptions.h"
#include "framework/Types.h"

struct TSnapContext {
    // Where the desktop edges are (the work area, or the whole monitor for a window on top).
    TRect Area;
    // The window's bounds now (or the outline of an outline drag).
    TRect Current;
    // The bounds of the other visible framed windows, for SnapToForms.
    QList<TRect> Others;
    // The shadow band on the right and bottom that does not count as the window's edge.
    int ShadowSize = 0;
};

// Whether other is docked to ours: an edge of one lies on the opposite edge of the other and the two
// touch along it (a window far away on the same line is not docked).
bool EdgeToEdge(const TRect& ours, const TRect& other);

// The proposed window rectangle snapped as gravitation says; unchanged when it is off. Each
// comparison is strictly within the gravitation size.
TRect SnapBounds(const TRect& proposed, const TTeGravitation& gravitation, const TSnapContext& context);
