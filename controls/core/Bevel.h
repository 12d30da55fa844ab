#pragma once
// The bevels and plain border around a control's inner area, in classic 3-D colours.
#include <QStringList>
#include <cstdint>

#include "framework/Colors.h"
#include "framework/Set.h"
#include "framework/Types.h"

class TCanvas;

enum class TTeBevelCut : std::uint8_t { kbvNone, kbvLowered, kbvRaised, kbvSpace, kbvBorder, kbvFlatBorder };
enum class TTeBevelKind : std::uint8_t { kbkNone, kbkSingle, kbkTile, kbkSoft, kbkBorder, kbkFlat };
enum class TTeBevelEdge : std::uint8_t { kbsLeft, kbsTop, kbsRight, kbsBottom };
using TTeBevelSides = TSet<TTeBevelEdge>;

inline constexpr TTeBevelSides kAllBevelSides{TTeBevelEdge::kbsLeft, TTeBevelEdge::kbsTop, TTeBevelEdge::kbsRight,
                                              TTeBevelEdge::kbsBottom};

const QStringList& BevelCutNames();
const QStringList& BevelKindNames();
const QStringList& BevelEdgeNames();

// The colours of one bevel line: left and top in First, right and bottom in Second.
struct TTeBevelColors {
    TColor First;
    TColor Second;
};
// Nothing for kbvNone.
bool BevelColors(TTeBevelCut cut, bool inner, TTeBevelColors& colors);
// The cut both bevels take when the kind is set (kbkNone leaves them: answers false).
bool BevelCutOfKind(TTeBevelKind kind, TTeBevelCut& cut);

// What a control's border is made of.
struct TTeBorder {
    int BorderWidth = 0;
    TTeBevelCut BevelInner = TTeBevelCut::kbvLowered;
    TTeBevelCut BevelOuter = TTeBevelCut::kbvLowered;
    TTeBevelSides BevelSides = kAllBevelSides;
    int BevelWidth = 0;
};

// outer shrunk by the border width on all sides, then by the bevel size on each bevelled side.
TRect BorderInnerRect(const TRect& outer, const TTeBorder& border);
// The outer bevel, then the inner one, each BevelWidth passes stepping inwards on the drawn sides;
// then BorderWidth one-pixel outlines in color, stepping inwards.
void PaintBevels(TCanvas& canvas, const TRect& outer, const TTeBorder& border, TColor color);
