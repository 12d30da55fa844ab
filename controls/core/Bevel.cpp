#include "controls/core/Bevel.h"

#include "framework/Brush.h"
#include "framework/Canvas.h"

const QStringList& BevelCutNames()
{
    static const QStringList names{"kbvNone", "kbvLowered", "kbvRaised", "kbvSpace", "kbvBorder", "kbvFlatBorder"};
    return names;
}

const QStringList& BevelKindNames()
{
    static const QStringList names{"kbkNone", "kbkSingle", "kbkTile", "kbkSoft", "kbkBorder", "kbkFlat"};
    return names;
}

const QStringList& BevelEdgeNames()
{
    static const QStringList names{"kbsLeft", "kbsTop", "kbsRight", "kbsBottom"};
    return names;
}

bool BevelColors(TTeBevelCut cut, bool inner, TTeBevelColors& colors)
{
    switch (cut) {
    case TTeBevelCut::kbvNone:
        return false;
    case TTeBevelCut::kbvLowered:
        colors = inner ? TTeBevelColors{cl3DDkShadow, clBtnFace} : TTeBevelColors{clBtnShadow, clBtnHighlight};
        return true;
    case TTeBevelCut::kbvRaised:
        colors = inner ? TTeBevelColors{clBtnShadow, clBtnShadow} : TTeBevelColors{clBtnHighlight, cl3DDkShadow};
        return true;
    case TTeBevelCut::kbvSpace:
        colors = {clBtnFace, clBtnFace};
        return true;
    case TTeBevelCut::kbvBorder:
        colors = inner ? TTeBevelColors{clWindow, clWindow} : TTeBevelColors{cl3DDkShadow, cl3DDkShadow};
        return true;
    case TTeBevelCut::kbvFlatBorder:
        colors = inner ? TTeBevelColors{clBtnFace, clBtnFace} : TTeBevelColors{clBtnShadow, clBtnShadow};
        return true;
    }
    return false;
}

bool BevelCutOfKind(TTeBevelKind kind, TTeBevelCut& cut)
{
    switch (kind) {
    case TTeBevelKind::kbkNone:
        return false;
    case TTeBevelKind::kbkSingle:
    case TTeBevelKind::kbkTile:
    case TTeBevelKind::kbkSoft:
        cut = TTeBevelCut::kbvLowered;
        return true;
    case TTeBevelKind::kbkBorder:
        cut = TTeBevelCut::kbvBorder;
        return true;
    case TTeBevelKind::kbkFlat:
        cut = TTeBevelCut::kbvFlatBorder;
        return true;
    }
    return false;
}

TRect BorderInnerRect(const TRect& outer, const TTeBorder& border)
{
    TRect r = Rect(outer.Left + border.BorderWidth, outer.Top + border.BorderWidth, outer.Right - border.BorderWidth,
                   outer.Bottom - border.BorderWidth);
    const int bevel = ((border.BevelInner != TTeBevelCut::kbvNone ? 1 : 0) +
                       (border.BevelOuter != TTeBevelCut::kbvNone ? 1 : 0)) *
                      border.BevelWidth;
    if (border.BevelSides.Contains(TTeBevelEdge::kbsLeft))
        r.Left += bevel;
    if (border.BevelSides.Contains(TTeBevelEdge::kbsTop))
        r.Top += bevel;
    if (border.BevelSides.Contains(TTeBevelEdge::kbsRight))
        r.Right -= bevel;
    if (border.BevelSides.Contains(TTeBevelEdge::kbsBottom))
        r.Bottom -= bevel;
    return r;
}

namespace {

void Line(TCanvas& canvas, const TRect& r, TColor color)
{
    if (r.IsEmpty())
        return;
    canvas.Brush()->SetColor(color);
    canvas.FillRect(r);
}

// One pass of one bevel on rect's edge pixels; rect then shrinks on the drawn sides.
void BevelPass(TCanvas& canvas, TRect& r, TTeBevelSides sides, const TTeBevelColors& colors)
{
    if (sides.Contains(TTeBevelEdge::kbsLeft))
        Line(canvas, Rect(r.Left, r.Top, r.Left + 1, r.Bottom), colors.First);
    if (sides.Contains(TTeBevelEdge::kbsTop))
        Line(canvas, Rect(r.Left, r.Top, r.Right, r.Top + 1), colors.First);
    if (sides.Contains(TTeBevelEdge::kbsRight))
        Line(canvas, Rect(r.Right - 1, r.Top, r.Right, r.Bottom), colors.Second);
    if (sides.Contains(TTeBevelEdge::kbsBottom))
        Line(canvas, Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), colors.Second);
    if (sides.Contains(TTeBevelEdge::kbsLeft))
        ++r.Left;
    if (sides.Contains(TTeBevelEdge::kbsTop))
        ++r.Top;
    if (sides.Contains(TTeBevelEdge::kbsRight))
        --r.Right;
    if (sides.Contains(TTeBevelEdge::kbsBottom))
        --r.Bottom;
}

}  // namespace

void PaintBevels(TCanvas& canvas, const TRect& outer, const TTeBorder& border, TColor color)
{
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    TRect r = outer;
    TTeBevelColors colors;
    for (bool inner : {false, true}) {
        if (border.BevelWidth <= 0)
            break;
        if (!BevelColors(inner ? border.BevelInner : border.BevelOuter, inner, colors))
            continue;
        for (int pass = 0; pass < border.BevelWidth; ++pass)
            BevelPass(canvas, r, border.BevelSides, colors);
    }
    canvas.Brush()->SetColor(color);
    for (int i = 0; i < border.BorderWidth; ++i) {
        canvas.FrameRect(r);
        r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    }
}
