#pragma once
// The visual-style theme kind: an INI text of element sections plus named bitmaps, carried as a
// packed stream, and one element object per section the theme draws with.
#include <QString>
#include <memory>
#include <vector>

#include "framework/Colors.h"
#include "theme/Theme.h"
#include "themes/MsStylesElements.h"
#include "themes/MsuxBitmapSource.h"

class TFont;
class TMemIniFile;
class TMemoryStream;
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
    // A ".theme" file holds a packed stream; module files are not read yet (false).
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

    // Control families.

private:
    // The body of the packed stream (name, INI text, bitmap records), uncompressed.
    void ReadBody(TStream& body);
    void WriteBody(TStream& body) const;
    TColor Tinted(TColor color) const;
    TColor MetricColor(const QString& key, const QString& defaultValue) const;

    QString msStylesFileName_;
    QString themeName_;
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
    std::unique_ptr<TFont> msgBoxFont_;
    TColor menuColor_ = 0;
    TColor menuHilightColor_ = 0;
};
