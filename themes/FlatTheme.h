#pragma once
// The built-in flat theme: every element as a plain fill with a one-pixel outline in the Border
// colour, colours from its own table, and a simple caption bar for window frames.
#include "theme/Theme.h"
#include "themes/BuiltInTables.h"

class TTeFlatTheme : public TteTheme {
public:
    const TteThemeClass& ThemeClass() const override;
    static QString GetThemeKindName();
    static TteThemeConfig GetThemeConfig();

    void InitColors() override;
    void InitFonts() override;

    // Width of the strip at the left of a popup menu painted in ButtonNormal.
    int PopupGutterWidth() const { return popupGutterWidth_; }

    // Form.
    bool IsFormAvailable(TteFormKind kind, const QString& objectName) override;
    std::optional<QRegion> GetFormRegion(TteFormKind kind, const TRect& rect, const QString& objectName) override;
    TRect GetFormClientRect(TteFormKind kind, const TteWindowInfo& info, const QString& objectName) override;
    TRect GetFormCaptionRect(TteFormKind kind, const TteWindowInfo& info, const QString& objectName) override;
    TRect GetFormButtonRect(TteFormKind kind, const TteWindowInfo& info, TteFormButton button,
                            const QString& objectName) override;
    void DrawForm(TteFormKind kind, TCanvas& canvas, const TteWindowInfo& info, const QString& objectName) override;
    void DrawFormCaptionText(TteFormKind kind, TCanvas& canvas, const TteWindowInfo& info, const TRect& rect,
                             const QString& objectName) override;
    void DrawFormButton(TteFormKind kind, TCanvas& canvas, const TteFormButtonInfo& info,
                        const QString& objectName) override;

    bool IsHintAvailable(TteKind kind, const QString& objectName) override;
    bool IsLabelAvailable(TteKind kind, const QString& objectName) override;

    bool IsPanelAvailable(TteKind kind, const QString& objectName) override;
    bool IsPanelTransparent(TteKind kind, const QString& objectName) override;
    TRect GetPanelClientRect(TteKind kind, const TRect& rect, const QString& objectName) override;
    void DrawPanel(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;

    bool IsButtonAvailable(TteKind kind, const QString& objectName) override;
    bool IsButtonTransparent(TteKind kind, const QString& objectName) override;
    void DrawButton(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;
    void DrawButtonGlyph(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const TteGlyphInfo& glyph,
                         const QString& objectName) override;

    bool IsCheckBoxAvailable(TteKind kind, const QString& objectName) override;
    bool IsCheckBoxTransparent(TteKind kind, const QString& objectName) override;
    void DrawCheckBox(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;

    bool IsSplitterAvailable(TteKind kind, const QString& objectName) override;
    bool IsSplitterTransparent(TteKind kind, const QString& objectName) override;
    void DrawSplitter(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;

    bool IsScrollBarAvailable(TteKind kind, const QString& objectName) override;
    bool IsScrollBarTransparent(TteKind kind, const QString& objectName) override;
    void DrawScrollBarFrame(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawScrollBarPart(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;
    void DrawScrollBarTrack(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;

    bool IsProgressBarAvailable(TteKind kind, const QString& objectName) override;
    bool IsProgressBarTransparent(TteKind kind, const QString& objectName) override;
    void DrawProgressBar(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;

    bool IsTrackBarAvailable(TteKind kind, const QString& objectName) override;
    bool IsTrackBarTransparent(TteKind kind, const QString& objectName) override;
    void DrawTrackBar(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawTrackBarTrack(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;
    void DrawTrackBarThumb(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;

    bool IsHeaderAvailable(TteKind kind, const QString& objectName) override;
    bool IsHeaderTransparent(TteKind kind, const QString& objectName) override;
    void DrawHeader(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawHeaderSection(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;
    void DrawHeaderSectionText(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const TteTextInfo& text,
                               const QString& objectName) override;
    void DrawHeaderSectionGlyph(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const TteGlyphInfo& glyph,
                                const QString& objectName) override;

    bool IsStatusBarAvailable(TteKind kind, const QString& objectName) override;
    bool IsStatusBarTransparent(TteKind kind, const QString& objectName) override;
    TRect GetStatusBarClientRect(TteKind kind, const TRect& rect, const QString& objectName) override;
    void DrawStatusBar(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawStatusPanel(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;
    void DrawStatusPanelGlyph(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const TteGlyphInfo& glyph,
                              const QString& objectName) override;

    bool IsEditAvailable(TteKind kind, const QString& objectName) override;
    bool IsEditTransparent(TteKind kind, const QString& objectName) override;
    TRect GetEditClientRect(TteKind kind, TCanvas& canvas, const TteElementInfo& info,
                            const QString& objectName) override;
    void DrawEdit(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;
    void DrawEditButton(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;

    bool IsGroupBoxAvailable(TteKind kind, const QString& objectName) override;
    bool IsGroupBoxTransparent(TteKind kind, const QString& objectName) override;
    TRect GetGroupBoxClientRect(TteKind kind, const TRect& rect, const QString& objectName) override;
    void DrawGroupBox(TteKind kind, TCanvas& canvas, const TteGroupBoxInfo& info, const QString& objectName) override;

    bool IsMemoAvailable(TteKind kind, const QString& objectName) override;
    bool IsMemoTransparent(TteKind kind, const QString& objectName) override;
    TRect GetMemoClientRect(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawMemo(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;
    bool IsBoxAvailable(TteKind kind, const QString& objectName) override;
    TRect GetBoxClientRect(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawBox(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;

    bool IsMenuAvailable(TteKind kind, const QString& objectName) override;
    bool IsMenuTransparent(TteKind kind, const QString& objectName) override;
    TRect GetMenuClientRect(TteKind kind, const TRect& rect, const QString& objectName) override;
    void DrawMenu(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawMenuItem(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;
    void DrawMenuItemGlyph(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const TteGlyphInfo& glyph,
                           const QString& objectName) override;

    bool IsControlBarAvailable(TteKind kind, const QString& objectName) override;
    TRect GetControlBarClientRect(TteKind kind, const TRect& rect, const QString& objectName) override;
    void DrawControlBar(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;

    bool IsToolBarAvailable(TteKind kind, const QString& objectName) override;
    void DrawToolBar(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawToolButton(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;
    void DrawToolButtonGlyph(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const TteGlyphInfo& glyph,
                             const QString& objectName) override;

    bool IsScrollBoxAvailable(TteKind kind, const QString& objectName) override;
    TRect GetScrollBoxClientRect(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawScrollBox(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    bool IsRollPanelAvailable(TteKind kind, const QString& objectName) override;
    TRect GetRollPanelClientRect(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawRollPanel(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawRollPanelCaption(TteKind kind, TCanvas& canvas, const TteElementInfo& info,
                              const QString& objectName) override;
    void DrawRollPanelButton(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;

    bool IsTabAvailable(TteKind kind, const QString& objectName) override;
    bool IsTabTransparent(TteKind kind, const QString& objectName) override;
    TRect GetTabClientRect(TteKind kind, const TRect& rect, const QString& objectName) override;
    void DrawTabPane(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawTab(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;
    void DrawTabScrollButton(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;
    void DrawTabText(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const TteTextInfo& text,
                     const QString& objectName) override;

    bool IsListBoxAvailable(TteKind kind, const QString& objectName) override;
    bool IsListBoxTransparent(TteKind kind, const QString& objectName) override;
    TRect GetListBoxClientRect(TteKind kind, const TRect& rect, const QString& objectName) override;
    void DrawListBox(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawListBoxPart(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawListBoxItem(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;
    void DrawListBoxItemCheck(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const TteListCheckInfo& check,
                              const QString& objectName) override;
    bool IsTreeAvailable(TteKind kind, const QString& objectName) override;
    bool IsTreeTransparent(TteKind kind, const QString& objectName) override;
    TRect GetTreeClientRect(TteKind kind, const TRect& rect, const QString& objectName) override;
    void DrawTree(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawTreeItem(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;
    bool IsGridAvailable(TteKind kind, const QString& objectName) override;
    bool IsGridTransparent(TteKind kind, const QString& objectName) override;
    TRect GetGridClientRect(TteKind kind, const TRect& rect, const QString& objectName) override;
    void DrawGrid(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawGridCell(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;

protected:
    TTeFlatTheme();
    // For the Office XP kind, which only widens the popup gutter.
    explicit TTeFlatTheme(int popupGutterWidth);

    // Writes the given kind's fonts from the built-in table, then shifts their colours.
    void WriteFonts(TteBuiltInFontLook TteBuiltInFont::*kindLook);
    TColor Color(TteThemeColor color) const { return Colors()->GetColor(color); }
    // A fill in colour with a one-pixel outline in Border.
    void DrawBoxIn(TCanvas& canvas, const TRect& rect, TColor colour) const;
    // The check mark of the point table in colour around centre.
    static void DrawCheckMarkAt(TCanvas& canvas, TPoint centre, TColor colour);

private:
    int popupGutterWidth_ = 0;
};
