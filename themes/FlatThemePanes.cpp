// The flat theme's scroll boxes, roll panels, tabs, lists, trees and grids.
#include "framework/Canvas.h"
#include "graphics/Bitmap.h"
#include "graphics/RectUtils.h"
#include "themes/FlatTheme.h"
#include "themes/FlatThemeDraw.h"
#include "themes/TabTextRotation.h"

using enum TteThemeColor;

namespace {

// Fill colour of small buttons by state: 0 normal, 1 hot, 2 pressed, 3 disabled.
TteThemeColor ButtonFace(std::uint8_t state)
{
    switch (state) {
    case 1: return ktcButtonHot;
    case 2: return ktcButtonPressed;
    case 3: return ktcButtonDisabled;
    default: return ktcButtonNormal;
    }
}

} // namespace

// Scroll box and roll panel.

bool TTeFlatTheme::IsScrollBoxAvailable(TteKind, const QString&) { return true; }

TRect TTeFlatTheme::GetScrollBoxClientRect(TteKind, TCanvas&, const TRect& rect, const QString&)
{
    return InflateRectBy(rect, -2);
}

void TTeFlatTheme::DrawScrollBox(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    DrawBoxIn(canvas, rect, Color(ktcButtonNormal));
}

bool TTeFlatTheme::IsRollPanelAvailable(TteKind, const QString&) { return true; }

TRect TTeFlatTheme::GetRollPanelClientRect(TteKind, TCanvas&, const TRect& rect, const QString&)
{
    return InflateRectBy(rect, -2);
}

void TTeFlatTheme::DrawRollPanel(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    DrawBoxIn(canvas, rect, Color(ktcButtonNormal));
}

void TTeFlatTheme::DrawRollPanelCaption(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    DrawBoxIn(canvas, info.Rect, Color(ktcButtonNormal));
}

void TTeFlatTheme::DrawRollPanelButton(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    const TColor border = Color(ktcBorder);
    DrawBoxIn(canvas, info.Rect, Color(ButtonFace(info.State)));
    switch (info.Part) {
    case 1: DrawArrow(canvas, info.Rect, DFCS_SCROLLUP, border); break;
    case 2: DrawArrow(canvas, info.Rect, DFCS_SCROLLDOWN, border); break;
    case 3: DrawCaptionGlyph(canvas, info.Rect, DFCS_CAPTIONCLOSE, border); break;
    default: break;
    }
}

// Tab.

bool TTeFlatTheme::IsTabAvailable(TteKind, const QString&) { return true; }
bool TTeFlatTheme::IsTabTransparent(TteKind, const QString&) { return false; }
TRect TTeFlatTheme::GetTabClientRect(TteKind, const TRect& rect, const QString&) { return rect; }

void TTeFlatTheme::DrawTabPane(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    DrawBoxIn(canvas, rect, Color(ktcButtonNormal));
}

void TTeFlatTheme::DrawTab(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    const TRect& r = info.Rect;
    FillRectColor(canvas, r, Color(info.State == 1 ? ktcButtonHot : ktcButtonNormal));
    // A selected tab opens into the pane: its outline leaves out the edge that faces the pane. The
    // exclusion is undone afterwards, so later drawing on a shared buffer is not clipped by it.
    const int saved = canvas.SaveDC();
    if (info.State >= 3 && info.State <= 5) {
        if (info.Part <= 2)
            canvas.ExcludeClipRect({r.Left, r.Bottom - 1, r.Right, r.Bottom});
        else if (info.Part <= 5)
            canvas.ExcludeClipRect({r.Right - 1, r.Top, r.Right, r.Bottom});
        else if (info.Part <= 8)
            canvas.ExcludeClipRect({r.Left, r.Top, r.Left + 1, r.Bottom});
        else if (info.Part <= 11)
            canvas.ExcludeClipRect({r.Left, r.Top, r.Right, r.Top + 1});
    }
    DrawFrameRect(canvas, r, Color(ktcBorder));
    canvas.RestoreDC(saved);
}

void TTeFlatTheme::DrawTabScrollButton(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    const TColor border = Color(ktcBorder);
    DrawBoxIn(canvas, info.Rect, Color(ButtonFace(info.State)));
    switch (info.Part) {
    case 0: DrawCaptionGlyph(canvas, info.Rect, DFCS_CAPTIONCLOSE, border); break;
    case 1: DrawArrow(canvas, info.Rect, DFCS_SCROLLLEFT, border); break;
    case 2: DrawArrow(canvas, info.Rect, DFCS_SCROLLDOWN, border); break;
    case 3: DrawArrow(canvas, info.Rect, DFCS_SCROLLUP, border); break;
    case 4: DrawArrow(canvas, info.Rect, DFCS_SCROLLRIGHT, border); break;
    default: break;
    }
}

void TTeFlatTheme::DrawTabText(TteKind, TCanvas& canvas, const TtePartInfo& info, const TteTextInfo& text,
                               const QString&)
{
    DrawText(canvas, TabTextTurned(info, text));
}

// List box.

bool TTeFlatTheme::IsListBoxAvailable(TteKind, const QString&) { return true; }
bool TTeFlatTheme::IsListBoxTransparent(TteKind, const QString&) { return false; }
TRect TTeFlatTheme::GetListBoxClientRect(TteKind, const TRect& rect, const QString&) { return InflateRectBy(rect, -2); }

void TTeFlatTheme::DrawListBox(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    DrawBoxIn(canvas, rect, Color(ktcList));
}

void TTeFlatTheme::DrawListBoxPart(TteKind, TCanvas&, const TRect&, const QString&) {}

void TTeFlatTheme::DrawListBoxItem(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    switch (info.State) {
    case 0: case 1: case 4: FillRectColor(canvas, info.Rect, Color(ktcList)); break;
    case 2: case 3: DrawBoxIn(canvas, info.Rect, Color(ktcButtonHot)); break;
    default: break;
    }
}

void TTeFlatTheme::DrawListBoxItemCheck(TteKind, TCanvas& canvas, const TteElementInfo& info,
                                        const TteListCheckInfo& check, const QString&)
{
    if (check.Check == TteListCheck::klcGlyph) {
        if (check.Glyph != nullptr && !check.Glyph->Empty()) {
            const TRect place = CenterRect(check.Glyph->BoundsRect(), check.Rect);
            check.Glyph->Draw(canvas, place.Left, place.Top);
        }
        return;
    }
    TteThemeColor face = ktcButtonNormal;
    if (info.State == 1)
        face = ktcButtonHot;
    else if (info.State == 2 || info.State == 3)
        face = ktcButtonFocused;
    const TRect box = CenterRect(TRect{0, 0, 13, 13}, check.Rect);
    const TColor border = Color(ktcBorder);
    DrawBoxIn(canvas, box, Color(face));
    if (check.Check == TteListCheck::klcChecked)
        DrawCheckMarkAt(canvas, {(box.Left + box.Right) / 2 - 1, (box.Top + box.Bottom) / 2 + 1}, border);
    else if (check.Check == TteListCheck::klcMixed)
        FillRectColor(canvas, InflateRectBy(box, -3), border);
}

// Tree.

bool TTeFlatTheme::IsTreeAvailable(TteKind, const QString&) { return true; }
bool TTeFlatTheme::IsTreeTransparent(TteKind, const QString&) { return false; }
TRect TTeFlatTheme::GetTreeClientRect(TteKind, const TRect& rect, const QString&) { return InflateRectBy(rect, -2); }

void TTeFlatTheme::DrawTree(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    DrawBoxIn(canvas, rect, Color(ktcTree));
}

void TTeFlatTheme::DrawTreeItem(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    if (info.State == 2 || info.State == 3)
        FillRectColor(canvas, info.Rect, Color(ktcButtonHot));
    else if (info.State == 0 || info.State == 1 || info.State == 4)
        FillRectColor(canvas, info.Rect, Color(ktcTree));
    DrawFrameRect(canvas, info.Rect, Color(ktcBorder));
}

// Grid.

bool TTeFlatTheme::IsGridAvailable(TteKind, const QString&) { return true; }
bool TTeFlatTheme::IsGridTransparent(TteKind, const QString&) { return false; }
TRect TTeFlatTheme::GetGridClientRect(TteKind, const TRect& rect, const QString&) { return InflateRectBy(rect, -2); }

void TTeFlatTheme::DrawGrid(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    DrawBoxIn(canvas, rect, Color(ktcGrid));
}

void TTeFlatTheme::DrawGridCell(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    // Here Part carries the cell's state and State whether it is a fixed cell.
    if (info.State == 1) {
        FillRectColor(canvas, info.Rect, Color(ktcButtonNormal));
        return;
    }
    switch (info.Part) {
    case 0: case 4: FillRectColor(canvas, info.Rect, Color(ktcGrid)); break;
    case 1: FillRectColor(canvas, info.Rect, Color(ktcButtonHot)); break;
    case 2: case 3: DrawBoxIn(canvas, info.Rect, Color(ktcButtonFocused)); break;
    default: break;
    }
}
