#include "controls/widgets/ClassicTrackThumb.h"

#include "framework/Canvas.h"
#include "graphics/CanvasDraw.h"
#include "graphics/RectUtils.h"

namespace {

// A line with both end points drawn.
void DrawEdge(TCanvas& canvas, TPoint from, TPoint to, TColor colour)
{
    MoveToPoint(canvas, from.X, from.Y);
    DrawLine(canvas, to.X, to.Y, colour);
    canvas.SetPixel(to.X, to.Y, colour);
}

void DrawBlockThumb(TCanvas& canvas, const TRect& thumb, bool dragging)
{
    if (dragging)
        FillChecker(canvas, thumb, clBtnFace, clBtnHighlight);
    else
        FillRectColor(canvas, thumb, clBtnFace);
    Draw3DFrame(canvas, thumb, clBtnHighlight, clBlack);
    Draw3DFrame(canvas, InsetRect(thumb, 1, 1), clBtnFace, clBtnShadow);
}

}  // namespace

void DrawClassicTrackThumb(TCanvas& canvas, const TRect& thumb, bool vertical, TTeTickMark marks, bool dragging)
{
    if (RectIsEmpty(thumb))
        return;
    if (marks == TTeTickMark::ktbmBoth) {
        DrawBlockThumb(canvas, thumb, dragging);
        return;
    }
    // Worked out along the axis (a) and across it (c), then turned into x and y.
    const int a0 = vertical ? thumb.Top : thumb.Left;
    const int a1 = (vertical ? thumb.Bottom : thumb.Right) - 1;
    const int half = (a1 - a0) / 2;
    const int ac = a0 + half;
    const int c0 = vertical ? thumb.Left : thumb.Top;
    const int c1 = (vertical ? thumb.Right : thumb.Bottom) - 1;
    // The point faces the ticks; the back edge is the side away from them.
    const bool pointsFar = marks == TTeTickMark::ktbmBottomRight;
    const int back = pointsFar ? c0 : c1;
    const int tip = pointsFar ? c1 : c0;
    const int inward = pointsFar ? -1 : 1;  // across, from the tip towards the back
    const int shoulder = tip + inward * half;
    const auto at = [vertical](int along, int across) { return vertical ? Point(across, along) : Point(along, across); };

    const QList<TPoint> outline{at(a0, back), at(a0, shoulder), at(ac, tip), at(a1, shoulder), at(a1, back)};
    if (dragging)
        FillPolygonChecker(canvas, outline, clBtnHighlight, clBtnFace);
    else
        FillPolygon(canvas, outline, clBtnFace);

    // Light comes from the top left: the side and the slant nearer to it are lit, and so is the
    // back edge when it faces up or left; the others are dark, with a shadow one pixel inside.
    DrawEdge(canvas, at(a1 - 1, shoulder), at(a1 - 1, back), clBtnShadow);
    DrawEdge(canvas, at(ac, tip + inward), at(a1, shoulder + inward), clBtnShadow);
    if (!pointsFar)
        DrawEdge(canvas, at(a1, back - 1), at(a0, back - 1), clBtnShadow);
    DrawEdge(canvas, at(ac, tip), at(a1, shoulder), cl3DDkShadow);
    DrawEdge(canvas, at(a1, shoulder), at(a1, back), cl3DDkShadow);
    DrawEdge(canvas, at(a1, back), at(a0, back), pointsFar ? clBtnHighlight : cl3DDkShadow);
    DrawEdge(canvas, at(a0, back), at(a0, shoulder), clBtnHighlight);
    DrawEdge(canvas, at(a0, shoulder), at(ac, tip), clBtnHighlight);
}
