// Drawing operations of the abstract theme not yet filled in.
#include "theme/Theme.h"

#include "framework/Canvas.h"

void TteTheme::DrawText(TCanvas&, const TteTextInfo&) {}
TteFormHit TteTheme::FormHitTest(TteFormKind, const TteWindowInfo&, int, int, const QString&) { return TteFormHit::kfhNothing; }
TRect TteTheme::GetFormClientRect(TteFormKind, const TteWindowInfo&, const QString&) { return {}; }
TRect TteTheme::GetFormCaptionRect(TteFormKind, const TteWindowInfo&, const QString&) { return {}; }
TRect TteTheme::GetFormButtonRect(TteFormKind, const TteWindowInfo&, TteFormButton, const QString&) { return {}; }
void TteTheme::DrawForm(TteFormKind, TCanvas&, const TteWindowInfo&, const QString&) {}
void TteTheme::DrawFormBackground(TteFormKind, TCanvas&, const TRect&, const QString&) {}
void TteTheme::DrawFormCaptionText(TteFormKind, TCanvas&, const TteWindowInfo&, const TRect&, const QString&) {}
void TteTheme::DrawFormButton(TteFormKind, TCanvas&, const TteFormButtonInfo&, const QString&) {}
void TteTheme::DrawFormGrip(TteFormKind, TCanvas&, const TteElementInfo&, const QString&) {}
void TteTheme::DrawHint(TteKind, TCanvas&, const TRect&, const QString&) {}
void TteTheme::DrawLabelText(TteKind, TCanvas&, std::uint8_t, const TteTextInfo&, const QString&) {}
void TteTheme::DrawPanel(TteKind, TCanvas&, const TRect&, const QString&) {}
void TteTheme::DrawPanelPart(TteKind, TCanvas&, const TRect&, const QString&) {}
void TteTheme::DrawPanelText(TteKind, TCanvas&, const TRect&, const TteTextInfo&, const QString&) {}
void TteTheme::DrawButton(TteKind, TCanvas&, const TteElementInfo&, const QString&) {}
void TteTheme::DrawButtonText(TteKind, TCanvas&, const TteElementInfo&, const TteTextInfo&, const QString&) {}
void TteTheme::DrawButtonGlyph(TteKind, TCanvas&, const TteElementInfo&, const TteGlyphInfo&, const QString&) {}
void TteTheme::DrawCheckBox(TteKind, TCanvas&, const TteElementInfo&, const QString&) {}
void TteTheme::DrawCheckBoxText(TteKind, TCanvas&, const TteElementInfo&, const TteTextInfo&, const QString&) {}
void TteTheme::DrawSplitter(TteKind, TCanvas&, const TRect&, const QString&) {}
void TteTheme::DrawScrollBarFrame(TteKind, TCanvas&, const TRect&, const QString&) {}
void TteTheme::DrawScrollBarPart(TteKind, TCanvas&, const TtePartInfo&, const QString&) {}
void TteTheme::DrawScrollBarTrack(TteKind, TCanvas&, const TtePartInfo&, const QString&) {}
void TteTheme::DrawProgressBar(TteKind, TCanvas&, const TtePartInfo&, const QString&) {}
void TteTheme::DrawTrackBar(TteKind, TCanvas&, const TRect&, const QString&) {}
void TteTheme::DrawTrackBarTrack(TteKind, TCanvas&, const TtePartInfo&, const QString&) {}
void TteTheme::DrawTrackBarThumb(TteKind, TCanvas&, const TtePartInfo&, const QString&) {}
void TteTheme::DrawHeader(TteKind, TCanvas&, const TRect&, const QString&) {}
void TteTheme::DrawHeaderSection(TteKind, TCanvas&, const TtePartInfo&, const QString&) {}
void TteTheme::DrawHeaderSectionText(TteKind, TCanvas&, const TtePartInfo&, const TteTextInfo&, const QString&) {}
void TteTheme::DrawHeaderSectionGlyph(TteKind, TCanvas&, const TtePartInfo&, const TteGlyphInfo&, const QString&) {}
void TteTheme::DrawStatusBar(TteKind, TCanvas&, const TRect&, const QString&) {}
void TteTheme::DrawStatusPanel(TteKind, TCanvas&, const TteElementInfo&, const QString&) {}
void TteTheme::DrawStatusPanelText(TteKind, TCanvas&, const TteElementInfo&, const TteTextInfo&, const QString&) {}
void TteTheme::DrawStatusPanelGlyph(TteKind, TCanvas&, const TteElementInfo&, const TteGlyphInfo&, const QString&) {}
void TteTheme::DrawEdit(TteKind, TCanvas&, const TteElementInfo&, const QString&) {}
void TteTheme::DrawEditButton(TteKind, TCanvas&, const TtePartInfo&, const QString&) {}
void TteTheme::DrawGroupBox(TteKind, TCanvas&, const TteGroupBoxInfo&, const QString&) {}
void TteTheme::DrawGroupBoxText(TteKind, TCanvas&, const TteGroupBoxInfo&, const TteTextInfo&, const QString&) {}
void TteTheme::DrawMemo(TteKind, TCanvas&, const TteElementInfo&, const QString&) {}
void TteTheme::DrawBox(TteKind, TCanvas&, const TteElementInfo&, const QString&) {}
void TteTheme::DrawMenu(TteKind, TCanvas&, const TRect&, const QString&) {}
void TteTheme::DrawMenuItem(TteKind, TCanvas&, const TtePartInfo&, const QString&) {}
void TteTheme::DrawMenuItemText(TteKind, TCanvas&, const TtePartInfo&, const TteTextInfo&, const QString&) {}
void TteTheme::DrawMenuItemGlyph(TteKind, TCanvas&, const TtePartInfo&, const TteGlyphInfo&, const QString&) {}
void TteTheme::DrawControlBar(TteKind, TCanvas&, const TRect&, const QString&) {}
void TteTheme::DrawToolBar(TteKind, TCanvas&, const TRect&, const QString&) {}
void TteTheme::DrawToolButton(TteKind, TCanvas&, const TtePartInfo&, const QString&) {}
void TteTheme::DrawToolButtonText(TteKind, TCanvas&, const TtePartInfo&, const TteTextInfo&, const QString&) {}
void TteTheme::DrawToolButtonGlyph(TteKind, TCanvas&, const TtePartInfo&, const TteGlyphInfo&, const QString&) {}
void TteTheme::DrawScrollBox(TteKind, TCanvas&, const TRect&, const QString&) {}
void TteTheme::DrawRollPanel(TteKind, TCanvas&, const TRect&, const QString&) {}
void TteTheme::DrawRollPanelCaption(TteKind, TCanvas&, const TteElementInfo&, const QString&) {}
void TteTheme::DrawRollPanelButton(TteKind, TCanvas&, const TtePartInfo&, const QString&) {}
void TteTheme::DrawRollPanelPart(TteKind, TCanvas&, const TteElementInfo&, const QString&) {}
void TteTheme::DrawRollPanelText(TteKind, TCanvas&, const TteTextInfo&, const QString&) {}
void TteTheme::DrawTabPane(TteKind, TCanvas&, const TRect&, const QString&) {}
void TteTheme::DrawTab(TteKind, TCanvas&, const TtePartInfo&, const QString&) {}
void TteTheme::DrawTabScrollButton(TteKind, TCanvas&, const TtePartInfo&, const QString&) {}
void TteTheme::DrawTabText(TteKind, TCanvas&, const TtePartInfo&, const TteTextInfo&, const QString&) {}
void TteTheme::DrawTabGlyph(TteKind, TCanvas&, const TtePartInfo&, const TteGlyphInfo&, const QString&) {}
void TteTheme::DrawListBox(TteKind, TCanvas&, const TRect&, const QString&) {}
void TteTheme::DrawListBoxPart(TteKind, TCanvas&, const TRect&, const QString&) {}
void TteTheme::DrawListBoxItem(TteKind, TCanvas&, const TteElementInfo&, const QString&) {}
void TteTheme::DrawListBoxItemText(TteKind, TCanvas&, const TteElementInfo&, const TteTextInfo&, const QString&) {}
void TteTheme::DrawListBoxItemCheck(TteKind, TCanvas&, const TteElementInfo&, const TteListCheckInfo&, const QString&) {}
void TteTheme::DrawTree(TteKind, TCanvas&, const TRect&, const QString&) {}
void TteTheme::DrawTreeItem(TteKind, TCanvas&, const TteElementInfo&, const QString&) {}
void TteTheme::DrawTreeItemText(TteKind, TCanvas&, const TteElementInfo&, const TteTextInfo&, const QString&) {}
void TteTheme::DrawTreeItemGlyph(TteKind, TCanvas&, const TteElementInfo&, const TteGlyphInfo&, const QString&) {}
void TteTheme::DrawGrid(TteKind, TCanvas&, const TRect&, const QString&) {}
void TteTheme::DrawGridCell(TteKind, TCanvas&, const TtePartInfo&, const QString&) {}
void TteTheme::DrawGridCellText(TteKind, TCanvas&, const TtePartInfo&, const TteTextInfo&, const QString&) {}
void TteTheme::DrawGridCellGlyph(TteKind, TCanvas&, const TtePartInfo&, const TteGlyphInfo&, const QString&) {}
void TteTheme::DrawCheckMark(TCanvas&, const TRect&) {}
