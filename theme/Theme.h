#pragma once
// The abstract theme: every themed control and window frame draws itself by calling these
// operations; theme kinds override what they draw, and the rest keeps the abstract theme's look.
#include <QRegion>
#include <QString>
#include <memory>
#include <optional>
#include <utility>

#include "framework/Persistent.h"
#include "framework/Types.h"
#include "theme/ThemeColors.h"
#include "theme/ThemeFonts.h"
#include "theme/ThemeOptions.h"
#include "theme/ThemeParts.h"
#include "theme/ThemeRecords.h"
#include "theme/ThemeSysColors.h"

class TCanvas;
class TStream;
class TteTheme;

// A theme kind as the manager knows it without an instance: its virtual constructor and the
// class-level questions.
class TteThemeClass {
public:
    virtual ~TteThemeClass() = default;
    virtual std::unique_ptr<TteTheme> Create() const = 0;
    virtual QString GetThemeKindName() const = 0;
    virtual TteThemeConfig GetThemeConfig() const = 0;
    // The stream, read from its current position, holds this kind's data (the position may move).
    virtual bool IsValidStream(TStream& stream) const = 0;
};

// A theme of kind T with its tables built: Changed runs once, after T and all its bases are
// whole, so that the kind's own Init operations are the ones that run. Theme constructors are
// protected, so every theme is made as one of these.
template <class T>
class TteBuiltTheme final : public T {
public:
    template <class... Args>
    explicit TteBuiltTheme(Args&&... args) : T(std::forward<Args>(args)...)
    {
        this->Changed();
    }
};

// The class object of theme kind T, built from T's static GetThemeKindName, GetThemeConfig and
// IsValidStream and its default constructor.
template <class T>
class TteThemeClassOf final : public TteThemeClass {
public:
    std::unique_ptr<TteTheme> Create() const override { return std::make_unique<TteBuiltTheme<T>>(); }
    QString GetThemeKindName() const override { return T::GetThemeKindName(); }
    TteThemeConfig GetThemeConfig() const override { return T::GetThemeConfig(); }
    bool IsValidStream(TStream& stream) const override { return T::IsValidStream(stream); }
};

// One class object per kind for the whole process; compare kinds by its address.
template <class T>
const TteThemeClass& ThemeClassOf()
{
    static const TteThemeClassOf<T> kind;
    return kind;
}

class TteTheme : public TPersistent {
public:
    ~TteTheme() override;

    // From another theme: Name, Colors, SysColors, Fonts and Options (not the deltas, not
    // FileName); anything else as the framework does.
    void Assign(const TPersistent* source) override;

    // The kind of this instance; every kind overrides it with ThemeClassOf<itself>().
    virtual const TteThemeClass& ThemeClass() const;

    // --- operations in the order of their slots ---

    // Fill Colors with this kind's values, then apply DeltaHue and DeltaBrightness.
    virtual void InitColors();
    // The abstract theme only applies the deltas to what SysColors holds.
    virtual void InitSysColors();
    // Fill Fonts, then apply the deltas to the font colours.
    virtual void InitFonts();
    // Copies font fontIndex into font; a kind may adjust it for the object.
    virtual void AssignFont(TFont& font, int fontIndex, const QString& objectName);

    // Class-level operations (the virtual constructor is TteThemeClass::Create).
    static QString GetThemeKindName();
    static TteThemeConfig GetThemeConfig();
    static bool IsValidStream(TStream& stream);

    virtual bool LoadFromStream(TStream& stream);
    virtual bool SaveToStream(TStream& stream);
    virtual bool LoadFromFile(const QString& fileName);
    virtual bool SaveToFile(const QString& fileName);
    // Rebuilds the tables: InitColors, InitSysColors, InitFonts.
    virtual void Changed();
    // The shared text renderer, in the font the caller has selected into the canvas.
    virtual void DrawText(TCanvas& canvas, const TteTextInfo& info);

    // Form (window frame).
    virtual bool IsFormAvailable(TteFormKind kind, const QString& objectName);
    // No region (nullopt) means a rectangular window.
    virtual std::optional<QRegion> GetFormRegion(TteFormKind kind, const TRect& rect, const QString& objectName);
    virtual TteFormHit FormHitTest(TteFormKind kind, const TteWindowInfo& info, int x, int y, const QString& objectName);
    virtual TRect GetFormClientRect(TteFormKind kind, const TteWindowInfo& info, const QString& objectName);
    virtual TRect GetFormCaptionRect(TteFormKind kind, const TteWindowInfo& info, const QString& objectName);
    // Empty when the button is not in info.Buttons.
    virtual TRect GetFormButtonRect(TteFormKind kind, const TteWindowInfo& info, TteFormButton button,
                                    const QString& objectName);
    virtual void DrawForm(TteFormKind kind, TCanvas& canvas, const TteWindowInfo& info, const QString& objectName);
    virtual void DrawFormBackground(TteFormKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName);
    virtual void DrawFormCaptionText(TteFormKind kind, TCanvas& canvas, const TteWindowInfo& info, const TRect& rect,
                                     const QString& objectName);
    virtual void DrawFormButton(TteFormKind kind, TCanvas& canvas, const TteFormButtonInfo& info,
                                const QString& objectName);
    // info.State is 1 when the window can be sized.
    virtual void DrawFormGrip(TteFormKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName);

    // Hint window.
    virtual bool IsHintAvailable(TteKind kind, const QString& objectName);
    virtual TRect GetHintClientRect(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName);
    virtual void DrawHint(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName);

    // Label.
    virtual bool IsLabelAvailable(TteKind kind, const QString& objectName);
    virtual bool IsLabelTransparent(TteKind kind, const QString& objectName);
    virtual void DrawLabelText(TteKind kind, TCanvas& canvas, std::uint8_t state, const TteTextInfo& text,
                               const QString& objectName);

    // Panel.
    virtual bool IsPanelAvailable(TteKind kind, const QString& objectName);
    virtual bool IsPanelTransparent(TteKind kind, const QString& objectName);
    virtual TRect GetPanelClientRect(TteKind kind, const TRect& rect, const QString& objectName);
    virtual void DrawPanel(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName);
    virtual void DrawPanelPart(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName);
    virtual void DrawPanelText(TteKind kind, TCanvas& canvas, const TRect& rect, const TteTextInfo& text,
                               const QString& objectName);

    // Button (push, speed and spin buttons).
    virtual bool IsButtonAvailable(TteKind kind, const QString& objectName);
    virtual bool IsButtonTransparent(TteKind kind, const QString& objectName);
    virtual void DrawButton(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName);
    virtual void DrawButtonText(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const TteTextInfo& text,
                                const QString& objectName);
    virtual void DrawButtonGlyph(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const TteGlyphInfo& glyph,
                                 const QString& objectName);

    // Check box and radio button.
    virtual bool IsCheckBoxAvailable(TteKind kind, const QString& objectName);
    virtual bool IsCheckBoxTransparent(TteKind kind, const QString& objectName);
    virtual void DrawCheckBox(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName);
    virtual void DrawCheckBoxText(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const TteTextInfo& text,
                                  const QString& objectName);
    virtual TSize GetCheckBoxSize(TteKind kind, const QString& objectName);

    // Splitter.
    virtual bool IsSplitterAvailable(TteKind kind, const QString& objectName);
    virtual bool IsSplitterTransparent(TteKind kind, const QString& objectName);
    virtual void DrawSplitter(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName);

    // Scroll bar.
    virtual bool IsScrollBarAvailable(TteKind kind, const QString& objectName);
    virtual bool IsScrollBarTransparent(TteKind kind, const QString& objectName);
    virtual void DrawScrollBarFrame(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName);
    virtual void DrawScrollBarPart(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName);
    virtual void DrawScrollBarTrack(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName);

    // Progress bar.
    virtual bool IsProgressBarAvailable(TteKind kind, const QString& objectName);
    virtual bool IsProgressBarTransparent(TteKind kind, const QString& objectName);
    virtual TRect GetProgressBarClientRect(TteKind kind, const TRect& rect, const QString& objectName);
    virtual void DrawProgressBar(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName);

    // Track bar.
    virtual bool IsTrackBarAvailable(TteKind kind, const QString& objectName);
    virtual bool IsTrackBarTransparent(TteKind kind, const QString& objectName);
    virtual void DrawTrackBar(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName);
    virtual void DrawTrackBarTrack(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName);
    virtual void DrawTrackBarThumb(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName);
    // (0, 0): the control uses its own thumb size.
    virtual TPoint GetTrackBarThumbSize(TteKind kind, TCanvas& canvas, const TtePartInfo& info,
                                        const QString& objectName);

    // Header (list-view column header).
    virtual bool IsHeaderAvailable(TteKind kind, const QString& objectName);
    virtual bool IsHeaderTransparent(TteKind kind, const QString& objectName);
    virtual void DrawHeader(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName);
    virtual void DrawHeaderSection(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName);
    virtual void DrawHeaderSectionText(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const TteTextInfo& text,
                                       const QString& objectName);
    virtual void DrawHeaderSectionGlyph(TteKind kind, TCanvas& canvas, const TtePartInfo& info,
                                        const TteGlyphInfo& glyph, const QString& objectName);

    // Status bar.
    virtual bool IsStatusBarAvailable(TteKind kind, const QString& objectName);
    virtual bool IsStatusBarTransparent(TteKind kind, const QString& objectName);
    virtual TRect GetStatusBarClientRect(TteKind kind, const TRect& rect, const QString& objectName);
    virtual void DrawStatusBar(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName);
    virtual void DrawStatusPanel(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName);
    virtual void DrawStatusPanelText(TteKind kind, TCanvas& canvas, const TteElementInfo& info,
                                     const TteTextInfo& text, const QString& objectName);
    virtual void DrawStatusPanelGlyph(TteKind kind, TCanvas& canvas, const TteElementInfo& info,
                                      const TteGlyphInfo& glyph, const QString& objectName);

    // Edit and combo box.
    virtual bool IsEditAvailable(TteKind kind, const QString& objectName);
    virtual bool IsEditTransparent(TteKind kind, const QString& objectName);
    virtual TRect GetEditClientRect(TteKind kind, TCanvas& canvas, const TteElementInfo& info,
                                    const QString& objectName);
    virtual void DrawEdit(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName);
    virtual void DrawEditButton(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName);

    // Group box.
    virtual bool IsGroupBoxAvailable(TteKind kind, const QString& objectName);
    virtual bool IsGroupBoxTransparent(TteKind kind, const QString& objectName);
    virtual TRect GetGroupBoxClientRect(TteKind kind, const TRect& rect, const QString& objectName);
    virtual void DrawGroupBox(TteKind kind, TCanvas& canvas, const TteGroupBoxInfo& info, const QString& objectName);
    virtual void DrawGroupBoxText(TteKind kind, TCanvas& canvas, const TteGroupBoxInfo& info, const TteTextInfo& text,
                                  const QString& objectName);

    // Memo and box.
    virtual bool IsMemoAvailable(TteKind kind, const QString& objectName);
    virtual bool IsMemoTransparent(TteKind kind, const QString& objectName);
    virtual TRect GetMemoClientRect(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName);
    virtual void DrawMemo(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName);
    virtual bool IsBoxAvailable(TteKind kind, const QString& objectName);
    virtual bool IsBoxTransparent(TteKind kind, const QString& objectName);
    virtual TRect GetBoxClientRect(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName);
    virtual void DrawBox(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName);

    // Menu bar and popup menu.
    virtual bool IsMenuAvailable(TteKind kind, const QString& objectName);
    virtual bool IsMenuTransparent(TteKind kind, const QString& objectName);
    virtual TRect GetMenuClientRect(TteKind kind, const TRect& rect, const QString& objectName);
    virtual void DrawMenu(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName);
    virtual void DrawMenuItem(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName);
    virtual void DrawMenuItemText(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const TteTextInfo& text,
                                  const QString& objectName);
    virtual void DrawMenuItemGlyph(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const TteGlyphInfo& glyph,
                                   const QString& objectName);

    // Control bar (tool bar dock).
    virtual bool IsControlBarAvailable(TteKind kind, const QString& objectName);
    virtual TRect GetControlBarClientRect(TteKind kind, const TRect& rect, const QString& objectName);
    virtual void DrawControlBar(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName);

    // Tool bar.
    virtual bool IsToolBarAvailable(TteKind kind, const QString& objectName);
    virtual TRect GetToolBarClientRect(TteKind kind, const TRect& rect, const QString& objectName);
    virtual void DrawToolBar(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName);
    virtual void DrawToolButton(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName);
    virtual void DrawToolButtonText(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const TteTextInfo& text,
                                    const QString& objectName);
    virtual void DrawToolButtonGlyph(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const TteGlyphInfo& glyph,
                                     const QString& objectName);

    // Scroll box and roll panel.
    virtual bool IsScrollBoxAvailable(TteKind kind, const QString& objectName);
    virtual TRect GetScrollBoxClientRect(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName);
    virtual void DrawScrollBox(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName);
    virtual bool IsRollPanelAvailable(TteKind kind, const QString& objectName);
    virtual bool IsRollPanelTransparent(TteKind kind, const QString& objectName);
    virtual TRect GetRollPanelClientRect(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName);
    virtual void DrawRollPanel(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName);
    virtual void DrawRollPanelCaption(TteKind kind, TCanvas& canvas, const TteElementInfo& info,
                                      const QString& objectName);
    virtual void DrawRollPanelButton(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName);
    virtual void DrawRollPanelPart(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName);
    virtual void DrawRollPanelText(TteKind kind, TCanvas& canvas, const TteTextInfo& text, const QString& objectName);

    // Tab and page control.
    virtual bool IsTabAvailable(TteKind kind, const QString& objectName);
    virtual bool IsTabTransparent(TteKind kind, const QString& objectName);
    virtual TRect GetTabClientRect(TteKind kind, const TRect& rect, const QString& objectName);
    virtual void DrawTabPane(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName);
    virtual void DrawTab(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName);
    virtual void DrawTabScrollButton(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName);
    virtual void DrawTabText(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const TteTextInfo& text,
                             const QString& objectName);
    virtual void DrawTabGlyph(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const TteGlyphInfo& glyph,
                              const QString& objectName);

    // List box, tree and grid.
    virtual bool IsListBoxAvailable(TteKind kind, const QString& objectName);
    virtual bool IsListBoxTransparent(TteKind kind, const QString& objectName);
    virtual TRect GetListBoxClientRect(TteKind kind, const TRect& rect, const QString& objectName);
    virtual void DrawListBox(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName);
    virtual void DrawListBoxPart(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName);
    virtual void DrawListBoxItem(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName);
    virtual void DrawListBoxItemText(TteKind kind, TCanvas& canvas, const TteElementInfo& info,
                                     const TteTextInfo& text, const QString& objectName);
    virtual void DrawListBoxItemCheck(TteKind kind, TCanvas& canvas, const TteElementInfo& info,
                                      const TteListCheckInfo& check, const QString& objectName);
    virtual bool IsTreeAvailable(TteKind kind, const QString& objectName);
    virtual bool IsTreeTransparent(TteKind kind, const QString& objectName);
    virtual TRect GetTreeClientRect(TteKind kind, const TRect& rect, const QString& objectName);
    virtual void DrawTree(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName);
    virtual void DrawTreeItem(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName);
    virtual void DrawTreeItemText(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const TteTextInfo& text,
                                  const QString& objectName);
    virtual void DrawTreeItemGlyph(TteKind kind, TCanvas& canvas, const TteElementInfo& info,
                                   const TteGlyphInfo& glyph, const QString& objectName);
    virtual bool IsGridAvailable(TteKind kind, const QString& objectName);
    virtual bool IsGridTransparent(TteKind kind, const QString& objectName);
    virtual TRect GetGridClientRect(TteKind kind, const TRect& rect, const QString& objectName);
    virtual void DrawGrid(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName);
    virtual void DrawGridCell(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName);
    virtual void DrawGridCellText(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const TteTextInfo& text,
                                  const QString& objectName);
    virtual void DrawGridCellGlyph(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const TteGlyphInfo& glyph,
                                   const QString& objectName);

    // Bounds the theme stores for a named object; empty in the abstract theme.
    virtual TRect GetObjectBounds(const QString& objectName);
    // A named colour the theme stores; clNone in the abstract theme.
    virtual TColor GetCustomColor(const QString& colorName);

    // --- fields ---

    TteThemeColors* Colors() const { return colors_.get(); }
    TteThemeSysColors* SysColors() const { return sysColors_.get(); }
    TteThemeFonts* Fonts() const { return fonts_.get(); }
    TteThemeOptions* Options() const { return options_.get(); }

    const QString& Name() const { return name_; }
    void SetName(const QString& name) { name_ = name; }
    // The file the theme was last loaded from.
    const QString& FileName() const { return fileName_; }
    void SetFileName(const QString& fileName) { fileName_ = fileName; }

    // Setting a value different from the stored one stores it and calls Changed, so the tables
    // are rebuilt from their base values before the shift acts (shifts do not accumulate).
    int DeltaHue() const { return deltaHue_; }
    void SetDeltaHue(int delta);
    int DeltaBrightness() const { return deltaBrightness_; }
    void SetDeltaBrightness(int delta);
    // Both at once, with one rebuild when either differs.
    void SetDeltas(int hue, int brightness);

    // The check mark every theme kind draws: two polylines in the canvas font colour around the
    // centre of the 16 × 16 box centred in rect.
    static void DrawCheckMark(TCanvas& canvas, const TRect& rect);

protected:
    // Sets Name to "Default theme" and creates the tables with the abstract theme's values;
    // TteBuiltTheme then builds them through the kind's own Init operations.
    TteTheme();

private:
    std::unique_ptr<TteThemeColors> colors_;
    std::unique_ptr<TteThemeFonts> fonts_;
    int deltaHue_ = 0;
    int deltaBrightness_ = 0;
    QString name_;
    QString fileName_;
    std::unique_ptr<TteThemeSysColors> sysColors_;
    std::unique_ptr<TteThemeOptions> options_;
};
