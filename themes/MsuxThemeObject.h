#pragma once
// One element of a visual style (an INI section): its parsed drawing settings, its raw keys, and
// the nine-part drawing of its image into any rectangle.
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/Colors.h"
#include "framework/Component.h"
#include "framework/Types.h"
#include "graphics/BitmapLink.h"
#include "themes/MsuxObjectProp.h"

class TCanvas;
class TMemIniFile;
class TteBitmap;
class TteBitmapList;
class TmsuxBitmapSource;

class TmsuxThemeObject : public TComponent {
public:
    // BgType values.
    static constexpr std::uint8_t kbgFill = 0, kbgBorderFill = 1, kbgImage = 2, kbgNone = 3;
    // SizingType values.
    static constexpr std::uint8_t kstTile = 0, kstStretch = 1, kstTileVertical = 2, kstTileHorizontal = 3,
                                  kstTrueSize = 4, kstBorderTileClientStretch = 5, kstBorderStretchClientTile = 6;
    // The number of keys a section was laid out for; later keys are kept as well.
    static constexpr int kPropCapacity = 51;

    // Defaults only, no bitmaps: image keys then name bitmaps that no link can reach.
    TmsuxThemeObject();
    // The object of a section; bitmaps and theme are not owned (theme may be null when every
    // bitmap is already in the list).
    TmsuxThemeObject(const TMemIniFile& ini, const QString& sectionName, TteBitmapList* bitmaps,
                     TmsuxBitmapSource* theme);
    ~TmsuxThemeObject() override;

    // Rebinds every image link that names a bitmap to that bitmap of the list.
    void Loaded() override;
    // Every key of the section in file order through SetProp, then the transparency of the bitmaps.
    virtual void LoadSection(const TMemIniFile& ini, const QString& sectionName);
    // Paints into rect with frame imageIndex (from 1; 0 keeps the frame last drawn); an empty
    // clipRect clips nothing, else parts that miss it are skipped (image corners never are).
    virtual void Draw(TCanvas& canvas, const TRect& rect, int imageIndex, const TRect& clipRect);

    // Interprets one key, then records it (a repeated key replaces the recorded value).
    void SetProp(const QString& name, const QString& value);
    // The recorded key of that name, case ignored; null when none.
    TmsuxObjectProp* FindProp(const QString& name) const;
    int PropCount() const { return static_cast<int>(props_.size()); }
    TmsuxObjectProp* Prop(int index) const { return props_.at(static_cast<std::size_t>(index)).get(); }
    bool IsLoaded() const { return PropCount() > 0; }
    // One frame of ImageFile's picture (the whole picture without a frame count); (0, 0) without one.
    TSize FrameSize() const;

    QString SectionName;
    TColor FillColor = clNone;
    TteBitmapLink ImageFile, ImageFile1, ImageFile2, ImageFile3;
    // Band widths: Left, Top, Right, Bottom.
    TRect SizingMargins;
    std::uint8_t SizingType = kstStretch;
    // The image is drawn with its own key pixels and alpha; else opaquely.
    bool DrawTransparent = false;
    TmsuxBitmapSource* Theme = nullptr;
    TteBitmapList* Bitmaps = nullptr;
    // 1: frames side by side; 0: stacked.
    std::uint8_t ImageLayout = 1;
    int ImageCount = 1;
    std::uint8_t BgType = kbgFill;
    TColor BorderColor = 0;
    int BorderSize = 0;
    TRect ContentMargins;
    TColor TextColor = 0;
    TColor TransparentColor = 0x00FF00FF;
    bool Transparent = false;
    // 0 none, 1 dpi, 2 size.
    std::uint8_t ImageSelectType = 0;
    TteBitmapLink GlyphImageFile;
    bool GlyphTransparent = false;
    // 1: image glyph.
    std::uint8_t GlyphType = 0;
    TRect CaptionMargins;
    // 0 left, 1 center, 2 right.
    std::uint8_t ContentAlignment = 0;
    // 0 none, 1 single, 2 continuous.
    std::uint8_t TextShadowType = 0;
    TColor TextShadowColor = 0x00282828;
    TPoint TextShadowOffset;
    TColor FillColorHint = 0;
    // The image link of the last image background drawn; null before any.
    TteBitmapLink* LastImage = nullptr;

private:
    QString SetImage(TteBitmapLink& link, const QString& value, bool background);
    void RecordProp(const QString& name, const QString& value);
    void SettleTransparency();
    // ImageFile1, replaced by ImageFile2 and then ImageFile3 when narrower than rect's content.
    TteBitmapLink* ImageBySize(const TRect& rect);
    void SelectFrame(TteBitmapLink& link, int imageIndex) const;
    void DrawImage(TCanvas& canvas, const TRect& rect, int imageIndex, const TRect& clipRect);
    void DrawNineParts(TCanvas& canvas, const TteBitmap& bitmap, const TRect& rect, const TRect& src,
                       bool stretchCentre, bool stretchBands, const TRect& clipRect) const;
    void DrawGlyph(TCanvas& canvas, const TRect& rect, int imageIndex, const TRect& clipRect);
    void DrawCentredFrame(TCanvas& canvas, TteBitmapLink& link, const TRect& rect, int imageIndex,
                          const TRect& clipRect);

    // Declared after the links so that the keys go first when the object is freed.
    std::vector<std::unique_ptr<TmsuxObjectProp>> props_;
};
