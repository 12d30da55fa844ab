#pragma once
// The visual-style theme kind: an INI text of element sections plus named bitmaps, carried as a
// packed stream, and one element object per section the theme draws with.
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "framework/Colors.h"
#include "theme/Theme.h"
#include "themes/MsStylesElements.h"
#include "themes/MsuxBitmapSource.h"

class TFont;
class TMemIniFile;
class TMemoryStream;
class TModuleResources;
class TStream;
class TteBitmap;
class TteBitmapList;
class TmsuxThemeObject;

class TTeThemeMsStyles : public TteTheme, public TmsuxBitmapSource {
public:
    static constexpr char kMagic[7] = {'Z', 'V', 'M', 'S', 'S', 'T', 'L'};
    // The largest inflated body a packed style may have.
    static constexpr std::int64_t kMaxBodySize = std::int64_t{256} << 20;

    ~TTeThemeMsStyles() override;

    const TteThemeClass& ThemeClass() const override;
    static QString GetThemeKindName();
    static TteThemeConfig GetThemeConfig();
    // Reads 7 bytes and answers whether they are the magic.
    static bool IsValidStream(TStream& stream);

    // LoadPacked, then a rebuild from the new style; answers true even when the magic did not match.
    bool LoadFromStream(TStream& stream) override;
    bool SaveToStream(TStream& stream) override;
    // A ".theme" file holds a packed stream (false when it does not start with the magic); any other
    // file is read as a visual-style module in its first style (its first colour scheme at its first
    // size; the program offers no choice among them): false when its name lists are empty,
    // EModuleError when it is no module or lacks a resource. A refused file changes nothing.
    bool LoadFromFile(const QString& fileName) override;
    // Only to a ".theme" file (any letter case); any other name answers false and writes nothing.
    bool SaveToFile(const QString& fileName) override;
    void Assign(const TPersistent* source) override;
    // BuildObjects, then the tables.
    void Changed() override;
    void InitColors() override;
    void InitSysColors() override;
    void InitFonts() override;

    // Reads a packed stream into the name, the INI text and the bitmaps. A stream without the magic
    // loads nothing (false); damaged data raises (EDecompressionError, EReadError) and changes nothing.
    bool LoadPacked(TStream& stream);
    // Writes the packed form of the current name, INI text and bitmaps.
    void SavePacked(TStream& stream);
    // Recreates the element objects from the unshifted style and applies the hue and brightness shifts.
    void BuildObjects();
    void EnsureBitmap(const QString& imageName) override;
    // True when there are no bitmaps or the push button section has no keys.
    bool IsEmpty() const;

    const QString& ThemeName() const { return themeName_; }
    const QStringList& ColorNames() const { return colorNames_; }
    const QStringList& SizeNames() const { return sizeNames_; }
    const QStringList& FileResNames() const { return fileResNames_; }
    TMemIniFile& Ini() const { return *ini_; }
    TteBitmapList& Bitmaps() const { return *bitmaps_; }
    // The element object of a section of the element table (case ignored); null before BuildObjects
    // or for a section outside the table.
    TmsuxThemeObject* Element(const QString& sectionName) const;
    // The element object of a table entry; only once BuildObjects has run (it always does on construction).
    TmsuxThemeObject& Element(TMsElement element) const;
    // The sections that get element objects, in the order they are built.
    static const std::vector<QString>& ElementSections();

    int CaptionBarHeight() const { return captionBarHeight_; }
    int SMCaptionBarHeight() const { return smCaptionBarHeight_; }
    int BorderWidth() const { return borderWidth_; }
    int SMBorderWidth() const { return smBorderWidth_; }
    const TFont& MsgBoxFont() const { return *msgBoxFont_; }
    TColor MenuColor() const { return menuColor_; }
    TColor MenuHilightColor() const { return menuHilightColor_; }

    // Window frame.
    bool IsFormAvailable(TteFormKind kind, const QString& objectName) override;
    std::optional<QRegion> GetFormRegion(TteFormKind kind, const TRect& rect, const QString& objectName) override;
    TteFormHit FormHitTest(TteFormKind kind, const TteWindowInfo& info, int x, int y,
                           const QString& objectName) override;
    TRect GetFormClientRect(TteFormKind kind, const TteWindowInfo& info, const QString& objectName) override;
    TRect GetFormCaptionRect(TteFormKind kind, const TteWindowInfo& info, const QString& objectName) override;
    TRect GetFormButtonRect(TteFormKind kind, const TteWindowInfo& info, TteFormButton button,
                            const QString& objectName) override;
    void DrawForm(TteFormKind kind, TCanvas& canvas, const TteWindowInfo& info, const QString& objectName) override;
    void DrawFormBackground(TteFormKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawFormCaptionText(TteFormKind kind, TCanvas& canvas, const TteWindowInfo& info, const TRect& rect,
                             const QString& objectName) override;
    void DrawFormButton(TteFormKind kind, TCanvas& canvas, const TteFormButtonInfo& info,
                        const QString& objectName) override;

    // Control families.

    // Panel.
    bool IsPanelAvailable(TteKind kind, const QString& objectName) override;
    TRect GetPanelClientRect(TteKind kind, const TRect& rect, const QString& objectName) override;
    void DrawPanel(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;

    // Button.
    bool IsButtonAvailable(TteKind kind, const QString& objectName) override;
    bool IsButtonTransparent(TteKind kind, const QString& objectName) override;
    void DrawButton(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;

    // Check box.
    bool IsCheckBoxAvailable(TteKind kind, const QString& objectName) override;
    bool IsCheckBoxTransparent(TteKind kind, const QString& objectName) override;
    void DrawCheckBox(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;

    // Splitter.
    bool IsSplitterAvailable(TteKind kind, const QString& objectName) override;
    void DrawSplitter(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;

    // Scroll bar.
    bool IsScrollBarAvailable(TteKind kind, const QString& objectName) override;
    bool IsScrollBarTransparent(TteKind kind, const QString& objectName) override;
    void DrawScrollBarFrame(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawScrollBarPart(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;
    void DrawScrollBarTrack(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;

    // Progress bar.
    bool IsProgressBarAvailable(TteKind kind, const QString& objectName) override;
    bool IsProgressBarTransparent(TteKind kind, const QString& objectName) override;
    void DrawProgressBar(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;

    // Track bar.
    bool IsTrackBarAvailable(TteKind kind, const QString& objectName) override;
    bool IsTrackBarTransparent(TteKind kind, const QString& objectName) override;
    void DrawTrackBar(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawTrackBarTrack(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;
    void DrawTrackBarThumb(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;
    // The frame size of a thumb drawn at its true size; (0, 0) for thumbs that stretch.
    TPoint GetTrackBarThumbSize(TteKind kind, TCanvas& canvas, const TtePartInfo& info,
                                const QString& objectName) override;

    // Header.
    bool IsHeaderAvailable(TteKind kind, const QString& objectName) override;
    void DrawHeader(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawHeaderSection(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;

    // Status bar.
    bool IsStatusBarAvailable(TteKind kind, const QString& objectName) override;
    TRect GetStatusBarClientRect(TteKind kind, const TRect& rect, const QString& objectName) override;
    void DrawStatusBar(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawStatusPanel(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;

    // Edit and combo box.
    bool IsEditAvailable(TteKind kind, const QString& objectName) override;
    TRect GetEditClientRect(TteKind kind, TCanvas& canvas, const TteElementInfo& info,
                            const QString& objectName) override;
    void DrawEdit(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;
    void DrawEditButton(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;

    // Group box.
    bool IsGroupBoxAvailable(TteKind kind, const QString& objectName) override;
    bool IsGroupBoxTransparent(TteKind kind, const QString& objectName) override;
    void DrawGroupBox(TteKind kind, TCanvas& canvas, const TteGroupBoxInfo& info, const QString& objectName) override;

    // Memo and box.
    bool IsMemoAvailable(TteKind kind, const QString& objectName) override;
    bool IsMemoTransparent(TteKind kind, const QString& objectName) override;
    TRect GetMemoClientRect(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawMemo(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;
    bool IsBoxAvailable(TteKind kind, const QString& objectName) override;
    bool IsBoxTransparent(TteKind kind, const QString& objectName) override;
    TRect GetBoxClientRect(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawBox(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;

    // Menu.
    bool IsMenuAvailable(TteKind kind, const QString& objectName) override;
    bool IsMenuTransparent(TteKind kind, const QString& objectName) override;
    TRect GetMenuClientRect(TteKind kind, const TRect& rect, const QString& objectName) override;
    void DrawMenu(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawMenuItem(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;
    void DrawMenuItemGlyph(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const TteGlyphInfo& glyph,
                           const QString& objectName) override;

    // Control bar.
    bool IsControlBarAvailable(TteKind kind, const QString& objectName) override;
    TRect GetControlBarClientRect(TteKind kind, const TRect& rect, const QString& objectName) override;
    void DrawControlBar(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;

    // Tool bar.
    bool IsToolBarAvailable(TteKind kind, const QString& objectName) override;
    void DrawToolBar(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawToolButton(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;

    // Scroll box and roll panel.
    bool IsScrollBoxAvailable(TteKind kind, const QString& objectName) override;
    TRect GetScrollBoxClientRect(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawScrollBox(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    bool IsRollPanelAvailable(TteKind kind, const QString& objectName) override;
    bool IsRollPanelTransparent(TteKind kind, const QString& objectName) override;
    TRect GetRollPanelClientRect(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawRollPanel(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawRollPanelCaption(TteKind kind, TCanvas& canvas, const TteElementInfo& info,
                              const QString& objectName) override;
    void DrawRollPanelButton(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;

    // Tab.
    bool IsTabAvailable(TteKind kind, const QString& objectName) override;
    TRect GetTabClientRect(TteKind kind, const TRect& rect, const QString& objectName) override;
    void DrawTabPane(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawTab(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;
    void DrawTabScrollButton(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;
    void DrawTabText(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const TteTextInfo& text,
                     const QString& objectName) override;

    // List box and tree.
    bool IsListBoxAvailable(TteKind kind, const QString& objectName) override;
    void DrawListBox(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawListBoxItem(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;
    void DrawListBoxItemCheck(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const TteListCheckInfo& check,
                              const QString& objectName) override;
    bool IsTreeAvailable(TteKind kind, const QString& objectName) override;
    void DrawTree(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawTreeItem(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;

    // Grid.
    bool IsGridAvailable(TteKind kind, const QString& objectName) override;
    void DrawGrid(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawGridCell(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;

protected:
    TTeThemeMsStyles();

private:
    // The substitute of a system colour (clBtnFace, clWindow, clHighlight).
    TColor SysColor(TColor identifier) const;
    // A 3-D frame in the button face lightened and darkened by 30: light above when raised, below when sunken.
    void DrawBevel(TCanvas& canvas, const TRect& rect, bool raised) const;
    void DrawScrollThumb(TCanvas& canvas, const TtePartInfo& info, int frame);
    // The list items and tree items alike.
    void DrawItem(TCanvas& canvas, const TteElementInfo& info) const;
    // The rectangle of the picture frame that drawing element into rect would use, learnt by drawing
    // it into the 1 x 1 scratch bitmap; empty when it draws no picture.
    TRect DrawnImageRect(TmsuxThemeObject& element, const TRect& rect, int frame) const;

    bool LoadFromModule(const QString& fileName);
    // Replaces the style by what load puts into the INI text and the bitmaps (false: it put nothing),
    // then rebuilds; when the new style cannot be built, the previous one comes back and the error
    // passes on.
    void ReplaceStyle(const std::function<bool()>& load);

    // The metrics and sections of a framed kind's caption and edges; none for frameless kinds.
    struct TFrameStyle {
        int CaptionBarHeight;
        int BorderWidth;
        TMsElement Caption, Left, Right, Bottom;
    };
    std::optional<TFrameStyle> FrameStyle(TteFormKind kind) const;

    // The body of the packed stream (name, INI text, bitmap records), uncompressed.
    void ReadBody(TStream& body);
    void WriteBody(TStream& body) const;
    TColor Tinted(TColor color) const;
    TColor MetricColor(const QString& key, const QString& defaultValue) const;

    QString msStylesFileName_;
    QString themeName_;
    QStringList colorNames_;
    QStringList sizeNames_;
    QStringList fileResNames_;
    // The module being loaded, while its bitmaps are fetched.
    std::unique_ptr<TModuleResources> module_;
    std::unique_ptr<TMemIniFile> ini_;
    std::unique_ptr<TteBitmapList> bitmaps_;
    std::vector<std::unique_ptr<TmsuxThemeObject>> elements_;
    int captionBarHeight_ = 0;
    int smCaptionBarHeight_ = 0;
    int borderWidth_ = 0;
    int smBorderWidth_ = 0;
    // The unshifted style, so shifts start from fresh pixels every time. It holds the packed
    // stream's body uncompressed: filling it after a load then costs no deflate, and a rebuild no
    // inflate.
    std::unique_ptr<TMemoryStream> packedCache_;
    // The body the style was last read from by LoadPacked, until the next BuildObjects: when the cache
    // is to be filled, this body is the unshifted style already, and writing it out again would cost
    // more than the rest of a load.
    std::unique_ptr<TMemoryStream> justRead_;
    std::unique_ptr<TFont> msgBoxFont_;
    std::unique_ptr<TteBitmap> scratch_;
    TColor menuColor_ = 0;
    TColor menuHilightColor_ = 0;
};
