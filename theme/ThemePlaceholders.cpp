// What the abstract theme draws for elements a theme kind has not taken over: texts through the
// shared renderer, and plain placeholder blocks that no shipped kind relies on.
#include "framework/Canvas.h"
#include "graphics/CanvasDraw.h"
#include "theme/Theme.h"

namespace {

// Fixed colours, so that an element drawn by the abstract theme stands out.
constexpr TColor kBackground = 0x00FFFF00;
constexpr TColor kElement = 0x000000FF;
constexpr TColor kOutline = 0x00FF0000;

// Backgrounds and panes.
void Background(TCanvas& canvas, const TRect& rect)
{
    FillRectColor(canvas, rect, kBackground);
    DrawFrameRect(canvas, rect, kOutline);
}

// Items, parts and buttons drawn on a background.
void Element(TCanvas& canvas, const TRect& rect)
{
    FillRectColor(canvas, rect, kElement);
    DrawFrameRect(canvas, rect, kOutline);
}

}  // namespace

void TteTheme::DrawHint(TteKind, TCanvas& canvas, const TRect& rect, const QString&) { Background(canvas, rect); }

void TteTheme::DrawLabelText(TteKind, TCanvas& canvas, std::uint8_t, const TteTextInfo& text, const QString&)
{
    DrawText(canvas, text);
}

void TteTheme::DrawPanel(TteKind, TCanvas& canvas, const TRect& rect, const QString&) { Background(canvas, rect); }
// A hook that no theme kind draws on.
void TteTheme::DrawPanelPart(TteKind, TCanvas&, const TRect&, const QString&) {}
void TteTheme::DrawPanelText(TteKind, TCanvas& canvas, const TRect&, const TteTextInfo& text, const QString&)
{
    DrawText(canvas, text);
}

void TteTheme::DrawButton(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    Element(canvas, info.Rect);
}
void TteTheme::DrawButtonText(TteKind, TCanvas& canvas, const TteElementInfo&, const TteTextInfo& text, const QString&)
{
    DrawText(canvas, text);
}

void TteTheme::DrawCheckBox(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    Element(canvas, info.Rect);
}
void TteTheme::DrawCheckBoxText(TteKind, TCanvas& canvas, const TteElementInfo&, const TteTextInfo& text,
                                const QString&)
{
    DrawText(canvas, text);
}

void TteTheme::DrawSplitter(TteKind, TCanvas& canvas, const TRect& rect, const QString&) { Element(canvas, rect); }

// Only scrolled areas of skin files have a frame.
void TteTheme::DrawScrollBarFrame(TteKind, TCanvas&, const TRect&, const QString&) {}
void TteTheme::DrawScrollBarPart(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    Element(canvas, info.Rect);
}
void TteTheme::DrawScrollBarTrack(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    Background(canvas, info.Rect);
}

void TteTheme::DrawProgressBar(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    // Parts 0 and 1 are the frame, the others the filled portion.
    if (info.Part <= 1)
        Background(canvas, info.Rect);
    else
        Element(canvas, info.Rect);
}

void TteTheme::DrawTrackBar(TteKind, TCanvas& canvas, const TRect& rect, const QString&) { Background(canvas, rect); }
void TteTheme::DrawTrackBarTrack(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    Background(canvas, info.Rect);
}
void TteTheme::DrawTrackBarThumb(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    Element(canvas, info.Rect);
}

void TteTheme::DrawHeader(TteKind, TCanvas& canvas, const TRect& rect, const QString&) { Background(canvas, rect); }
void TteTheme::DrawHeaderSection(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    Element(canvas, info.Rect);
}
void TteTheme::DrawHeaderSectionText(TteKind, TCanvas& canvas, const TtePartInfo&, const TteTextInfo& text,
                                     const QString&)
{
    DrawText(canvas, text);
}

void TteTheme::DrawStatusBar(TteKind, TCanvas& canvas, const TRect& rect, const QString&) { Background(canvas, rect); }
void TteTheme::DrawStatusPanel(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    Element(canvas, info.Rect);
}
void TteTheme::DrawStatusPanelText(TteKind, TCanvas& canvas, const TteElementInfo&, const TteTextInfo& text,
                                   const QString&)
{
    DrawText(canvas, text);
}

void TteTheme::DrawEdit(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    Background(canvas, info.Rect);
}
void TteTheme::DrawEditButton(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    Element(canvas, info.Rect);
}

void TteTheme::DrawGroupBox(TteKind, TCanvas& canvas, const TteGroupBoxInfo& info, const QString&)
{
    DrawFrameRect(canvas, info.Rect, kOutline);
}
void TteTheme::DrawGroupBoxText(TteKind, TCanvas& canvas, const TteGroupBoxInfo&, const TteTextInfo& text,
                                const QString&)
{
    DrawText(canvas, text);
}

void TteTheme::DrawMemo(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    Background(canvas, info.Rect);
}
void TteTheme::DrawBox(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    Background(canvas, info.Rect);
}

void TteTheme::DrawMenu(TteKind, TCanvas& canvas, const TRect& rect, const QString&) { Background(canvas, rect); }
void TteTheme::DrawMenuItem(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    Element(canvas, info.Rect);
}
void TteTheme::DrawMenuItemText(TteKind, TCanvas& canvas, const TtePartInfo&, const TteTextInfo& text, const QString&)
{
    DrawText(canvas, text);
}

void TteTheme::DrawControlBar(TteKind, TCanvas& canvas, const TRect& rect, const QString&) { Background(canvas, rect); }

void TteTheme::DrawToolBar(TteKind, TCanvas& canvas, const TRect& rect, const QString&) { Background(canvas, rect); }
void TteTheme::DrawToolButton(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    Element(canvas, info.Rect);
}
void TteTheme::DrawToolButtonText(TteKind, TCanvas& canvas, const TtePartInfo&, const TteTextInfo& text,
                                  const QString&)
{
    DrawText(canvas, text);
}

void TteTheme::DrawScrollBox(TteKind, TCanvas& canvas, const TRect& rect, const QString&) { Background(canvas, rect); }
void TteTheme::DrawRollPanel(TteKind, TCanvas& canvas, const TRect& rect, const QString&) { Background(canvas, rect); }
void TteTheme::DrawRollPanelCaption(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    Element(canvas, info.Rect);
}
void TteTheme::DrawRollPanelButton(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    Element(canvas, info.Rect);
}
void TteTheme::DrawRollPanelPart(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    Element(canvas, info.Rect);
}
void TteTheme::DrawRollPanelText(TteKind, TCanvas& canvas, const TteTextInfo& text, const QString&)
{
    DrawText(canvas, text);
}

void TteTheme::DrawTabPane(TteKind, TCanvas& canvas, const TRect& rect, const QString&) { Background(canvas, rect); }
void TteTheme::DrawTab(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&) { Element(canvas, info.Rect); }
void TteTheme::DrawTabScrollButton(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    Element(canvas, info.Rect);
}
void TteTheme::DrawTabText(TteKind, TCanvas& canvas, const TtePartInfo&, const TteTextInfo& text, const QString&)
{
    DrawText(canvas, text);
}

void TteTheme::DrawListBox(TteKind, TCanvas& canvas, const TRect& rect, const QString&) { Background(canvas, rect); }
// A hook that no theme kind draws on.
void TteTheme::DrawListBoxPart(TteKind, TCanvas&, const TRect&, const QString&) {}
void TteTheme::DrawListBoxItem(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    Element(canvas, info.Rect);
}
void TteTheme::DrawListBoxItemText(TteKind, TCanvas& canvas, const TteElementInfo&, const TteTextInfo& text,
                                   const QString&)
{
    DrawText(canvas, text);
}

void TteTheme::DrawTree(TteKind, TCanvas& canvas, const TRect& rect, const QString&) { Background(canvas, rect); }
void TteTheme::DrawTreeItem(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    Element(canvas, info.Rect);
}
void TteTheme::DrawTreeItemText(TteKind, TCanvas& canvas, const TteElementInfo&, const TteTextInfo& text,
                                const QString&)
{
    DrawText(canvas, text);
}

void TteTheme::DrawGrid(TteKind, TCanvas& canvas, const TRect& rect, const QString&) { Background(canvas, rect); }
void TteTheme::DrawGridCell(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    Element(canvas, info.Rect);
}
void TteTheme::DrawGridCellText(TteKind, TCanvas& canvas, const TtePartInfo&, const TteTextInfo& text,
                                const QString&)
{
    DrawText(canvas, text);
}
