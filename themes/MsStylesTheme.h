#pragma once
// The visual-style theme kind: an INI text of element sections plus named bitmaps, carried as a
// packed stream, and one element object per section the theme draws with.
#include <QString>
#include <QStringList>
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

    TTeThemeMsStyles();
    ~TTeThemeMsStyles() override;

    const TteThemeClass& ThemeClass() const override;
    static QString GetThemeKindName();
    static TteThemeConfig GetThemeConfig();
    // Reads 7 bytes and answers whether they are the magic.
    static bool IsValidStream(TStream& stream);

    // LoadPacked, then a rebuild from the new style; answers true even when the magic did not match.
    bool LoadFromStream(TStream& stream) override;
    bool SaveToStream(TStream& stream) override;
    // A ".theme" file holds a packed stream; any other file is read as a visual-style module: false when
    // its name lists are empty or name no style text for the variant, EModuleError when it is no module
    // or lacks a resource. A refused file changes nothing.
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
    // loads nothing; damaged data raises (EDecompressionError, EReadError) and changes nothing.
    void LoadPacked(TStream& stream);
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

private:
    bool LoadFromModule(const QString& fileName);

    // The metrics and sections of a framed kind's caption and edges; none for frameless kinds.
    struct TFrameStyle {
        int CaptionBarHeight;
        int BorderWidth;
        TMsElement Caption, Left, Right, Bottom;
    };
    std::optional<TFrameStyle> FrameStyle(TteFormKind kind) const;

    TColor Tinted(TColor color) const;
    TColor MetricColor(const QString& key, const QString& defaultValue) const;

    QString msStylesFileName_;
    QString themeName_;
    // The variant of a module's styles; nothing chooses another one yet.
    int sizeIndex_ = 0;
    int colorIndex_ = 0;
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
    // The packed form of the unshifted style, so shifts start from fresh pixels every time.
    std::unique_ptr<TMemoryStream> packedCache_;
    std::unique_ptr<TFont> msgBoxFont_;
    TColor menuColor_ = 0;
    TColor menuHilightColor_ = 0;
};
