#include "themes/MsuxThemeObject.h"

#include <algorithm>

#include "framework/Canvas.h"
#include "framework/IniFile.h"
#include "framework/StringList.h"
#include "graphics/Bitmap.h"
#include "graphics/BitmapList.h"
#include "graphics/CanvasDraw.h"
#include "graphics/NineLattice.h"
#include "graphics/Pixel.h"
#include "graphics/RectUtils.h"
#include "themes/MsuxBitmapSource.h"
#include "themes/MsuxValueForms.h"

namespace {

bool Meets(const TRect& a, const TRect& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// A part with a non-empty clip rectangle that it misses is not drawn.
bool Clipped(const TRect& part, const TRect& clipRect)
{
    return !clipRect.IsEmpty() && !Meets(part, clipRect);
}

TteCellFill Fill(bool stretch) { return stretch ? TteCellFill::kcfStretch : TteCellFill::kcfTile; }

// Keeps the bitmap's drawing flags as they were, whatever the drawing in between does.
class TFlagsGuard {
public:
    explicit TFlagsGuard(TteBitmap& bitmap)
        : bitmap_(bitmap), alphaBlend_(bitmap.AlphaBlend()), transparent_(bitmap.Transparent()) {}
    ~TFlagsGuard()
    {
        bitmap_.SetAlphaBlend(alphaBlend_);
        bitmap_.SetTransparent(transparent_);
    }
    TFlagsGuard(const TFlagsGuard&) = delete;
    TFlagsGuard& operator=(const TFlagsGuard&) = delete;

private:
    TteBitmap& bitmap_;
    bool alphaBlend_;
    bool transparent_;
};

}  // namespace

TmsuxThemeObject::TmsuxThemeObject() : TComponent(nullptr) {}

TmsuxThemeObject::TmsuxThemeObject(const TMemIniFile& ini, const QString& sectionName, TteBitmapList* bitmaps,
                                   TmsuxBitmapSource* theme)
    : TmsuxThemeObject()
{
    Theme = theme;
    Bitmaps = bitmaps;
    LoadSection(ini, sectionName);
}

TmsuxThemeObject::~TmsuxThemeObject() = default;

void TmsuxThemeObject::Loaded()
{
    TComponent::Loaded();
    for (TteBitmapLink* link : {&ImageFile, &ImageFile1, &ImageFile2, &ImageFile3, &GlyphImageFile}) {
        if (link->Name().isEmpty())
            continue;
        const auto fresh = Bitmaps != nullptr ? Bitmaps->GetLink(link->Name(), link->Rect()) : nullptr;
        if (fresh != nullptr)
            link->Assign(fresh.get());
        else
            link->SetBitmap(nullptr);
    }
}

void TmsuxThemeObject::LoadSection(const TMemIniFile& ini, const QString& sectionName)
{
    SectionName = sectionName;
    TStringList lines;
    ini.ReadSectionValues(sectionName, lines);
    // Walking the lines (not looking keys up) lets a repeated key's later value win.
    for (int i = 0; i < lines.Count(); ++i)
        if (lines.Strings(i).contains(u'='))
            SetProp(lines.Names(i).trimmed(), lines.ValueFromIndex(i).trimmed());
    SettleTransparency();
}

void TmsuxThemeObject::SettleTransparency()
{
    const TteColor key = ColorToPixel(TransparentColor);
    if (ImageFile.Valid()) {
        TteBitmap& bitmap = *ImageFile.Bitmap();
        if (!bitmap.Transparent())
            bitmap.SetTransparentColor(key);
        if (bitmap.Transparent())
            Transparent = DrawTransparent = true;
        if (bitmap.AlphaBlend())
            DrawTransparent = true;
    }
    if (GlyphTransparent) {
        for (TteBitmapLink* link : {&GlyphImageFile, &ImageFile1, &ImageFile2, &ImageFile3})
            if (link->Valid() && !link->Bitmap()->Transparent())
                link->Bitmap()->SetTransparentColor(key);
        return;
    }
    for (TteBitmapLink* link : {&ImageFile1, &ImageFile2, &ImageFile3}) {
        if (!link->Valid() || link->Bitmap()->Transparent())
            continue;
        link->Bitmap()->SetTransparentColor(key);
        if (link->Bitmap()->Transparent())
            Transparent = DrawTransparent = true;
    }
}

void TmsuxThemeObject::SetProp(const QString& name, const QString& value)
{
    const QString key = name.toLower();
    QString recorded = value;
    if (key == u"bgtype")
        BgType = MsuxBgType(value);
    else if (key == u"fillcolorhint")
        FillColorHint = MsuxColor(value);
    else if (key == u"fillcolor")
        FillColor = MsuxColor(value);
    else if (key == u"textcolor")
        TextColor = MsuxColor(value);
    else if (key == u"bordercolor")
        BorderColor = MsuxColor(value);
    else if (key == u"transparentcolor")
        TransparentColor = MsuxColor(value);
    else if (key == u"transparent")
        Transparent = MsuxBoolean(value);
    else if (key == u"bordersize")
        BorderSize = MsuxInteger(value);
    else if (key == u"imageselecttype")
        ImageSelectType = MsuxImageSelectType(value);
    else if (key == u"imagefile")
        recorded = SetImage(ImageFile, value, true);
    else if (key == u"imagefile1")
        recorded = SetImage(ImageFile1, value, true);
    else if (key == u"imagefile2")
        recorded = SetImage(ImageFile2, value, true);
    else if (key == u"imagefile3")
        recorded = SetImage(ImageFile3, value, true);
    else if (key == u"imagecount")
        ImageCount = MsuxInteger(value);
    else if (key == u"imagelayout")
        ImageLayout = MsuxImageLayout(value);
    else if (key == u"sizingtype")
        SizingType = MsuxSizingType(value);
    else if (key == u"sizingmargins")
        SizingMargins = MsuxMargins(value);
    else if (key == u"glyphtransparent")
        GlyphTransparent = MsuxBoolean(value);
    else if (key == u"glyphtype")
        GlyphType = MsuxGlyphType(value);
    else if (key == u"glyphimagefile")
        recorded = SetImage(GlyphImageFile, value, false);
    else if (key == u"contentalignment")
        ContentAlignment = MsuxContentAlignment(value);
    else if (key == u"contentmargins")
        ContentMargins = MsuxMargins(value);
    else if (key == u"captionmargins")
        CaptionMargins = MsuxMargins(value);
    else if (key == u"textshadowtype")
        TextShadowType = MsuxTextShadowType(value);
    else if (key == u"textshadowcolor")
        TextShadowColor = MsuxColor(value);
    else if (key == u"textshadowoffset")
        TextShadowOffset = MsuxPoint(value);
    RecordProp(key, recorded);
}

QString TmsuxThemeObject::SetImage(TteBitmapLink& link, const QString& value, bool background)
{
    const QString imageName = ResourceImageName(value);
    if (Theme != nullptr)
        Theme->EnsureBitmap(imageName);
    link.SetName(imageName);
    const TteBitmap* bitmap = Bitmaps != nullptr ? Bitmaps->FindBitmap(imageName) : nullptr;
    link.SetRect(bitmap != nullptr ? bitmap->BoundsRect() : TRect{});
    Loaded();
    if (background) {
        BgType = kbgImage;
        if (bitmap != nullptr && (bitmap->AlphaBlend() || bitmap->Transparent()))
            DrawTransparent = Transparent = true;
    }
    return imageName;
}

void TmsuxThemeObject::RecordProp(const QString& key, const QString& value)
{
    if (TmsuxObjectProp* prop = FindProp(key)) {
        prop->SetValue(value);
        return;
    }
    props_.push_back(std::make_unique<TmsuxObjectProp>(key, value));
}

TmsuxObjectProp* TmsuxThemeObject::FindProp(const QString& name) const
{
    for (const auto& prop : props_)
        if (prop->Name().compare(name, Qt::CaseInsensitive) == 0)
            return prop.get();
    return nullptr;
}

TteBitmapLink* TmsuxThemeObject::ImageBySize(const TRect& rect)
{
    TteBitmapLink* chosen = &ImageFile1;
    const int room = rect.Width() - ContentMargins.Left - ContentMargins.Right;
    for (TteBitmapLink* link : {&ImageFile2, &ImageFile3})
        if (link->Valid() && link->Bitmap()->Width() < room)
            chosen = link;
    return chosen;
}

TSize TmsuxThemeObject::FrameSize() const
{
    const TteBitmap* bitmap = ImageFile.Bitmap();
    if (bitmap == nullptr)
        return {0, 0};
    TSize size{bitmap->Width(), bitmap->Height()};
    if (ImageCount > 0) {
        if (ImageLayout == 1)
            size.cx /= ImageCount;
        else
            size.cy /= ImageCount;
    }
    return size;
}

void TmsuxThemeObject::SelectFrame(TteBitmapLink& link, int imageIndex) const
{
    if (ImageCount <= 0 || imageIndex <= 0)
        return;
    const int k = std::min(imageIndex, ImageCount);
    const int width = link.Bitmap()->Width(), height = link.Bitmap()->Height();
    if (ImageLayout == 1) {
        const int frame = width / ImageCount;
        link.SetRect({(k - 1) * frame, 0, k * frame, height});
    } else {
        const int frame = height / ImageCount;
        link.SetRect({0, (k - 1) * frame, width, k * frame});
    }
}

void TmsuxThemeObject::Draw(TCanvas& canvas, const TRect& rect, int imageIndex, const TRect& clipRect)
{
    switch (BgType) {
    case kbgFill:
        // A section without a fill colour leaves the background as it is.
        if (FillColor != clNone)
            FillRectColor(canvas, rect, FillColor);
        DrawGlyph(canvas, rect, imageIndex, clipRect);
        break;
    case kbgBorderFill: {
        TRect inner = rect;
        for (int i = 0; i < BorderSize && !inner.IsEmpty(); ++i) {
            DrawFrameRect(canvas, inner, BorderColor);
            inner = InflateRectBy(inner, -1);
        }
        if (FillColor != clNone && !inner.IsEmpty())
            FillRectColor(canvas, inner, FillColor);
        DrawGlyph(canvas, rect, imageIndex, clipRect);
        break;
    }
    case kbgImage:
        DrawImage(canvas, rect, imageIndex, clipRect);
        break;
    default:
        break;
    }
}

void TmsuxThemeObject::DrawImage(TCanvas& canvas, const TRect& rect, int imageIndex, const TRect& clipRect)
{
    TteBitmapLink* link = ImageSelectType == 1 && GlyphType != 1 ? ImageBySize(rect) : &ImageFile;
    if (!link->Valid())
        return;
    SelectFrame(*link, imageIndex);
    TteBitmap& bitmap = *link->Bitmap();
    {
        const TFlagsGuard guard(bitmap);
        if (!DrawTransparent) {
            bitmap.SetAlphaBlend(false);
            bitmap.SetTransparent(false);
        }
        const TRect src = link->Rect();
        switch (SizingType) {
        case kstTile:
            DrawNineParts(canvas, bitmap, rect, src, false, false, clipRect);
            break;
        case kstStretch:
            DrawNineParts(canvas, bitmap, rect, src, true, true, clipRect);
            break;
        case kstBorderTileClientStretch:
            DrawNineParts(canvas, bitmap, rect, src, true, false, clipRect);
            break;
        case kstBorderStretchClientTile:
            DrawNineParts(canvas, bitmap, rect, src, false, true, clipRect);
            break;
        case kstTrueSize: {
            const TRect dest = CenterRect(src, rect);
            if (!Clipped(dest, clipRect))
                bitmap.Draw(canvas, dest.Left, dest.Top, src);
            break;
        }
        default:
            // Tiling along one axis only draws no image, just the glyph below; the stored styles
            // never ask for it.
            break;
        }
    }
    LastImage = link;
    DrawGlyph(canvas, rect, imageIndex, clipRect);
}

void TmsuxThemeObject::DrawNineParts(TCanvas& canvas, const TteBitmap& bitmap, const TRect& rect, const TRect& src,
                                     bool stretchCentre, bool stretchBands, const TRect& clipRect) const
{
    // Corners are drawn whatever the clip rectangle.
    DrawNineLattice(canvas, bitmap, TteNineLattice::KeepingSlivers(rect, SizingMargins),
                    TteNineLattice::KeepingSlivers(src, SizingMargins), {Fill(stretchCentre), Fill(stretchBands)},
                    [&](TteLatticeCell cell, const TRect& dest) {
                        return TteNineLattice::IsCorner(cell) || !Clipped(dest, clipRect);
                    });
}

void TmsuxThemeObject::DrawGlyph(TCanvas& canvas, const TRect& rect, int imageIndex, const TRect& clipRect)
{
    if (GlyphType != 1)
        return;
    DrawCentredFrame(canvas, GlyphImageFile, rect, imageIndex, clipRect);
    if (ImageSelectType == 1 || ImageSelectType == 2)
        DrawCentredFrame(canvas, *ImageBySize(rect), rect, imageIndex, clipRect);
}

void TmsuxThemeObject::DrawCentredFrame(TCanvas& canvas, TteBitmapLink& link, const TRect& rect, int imageIndex,
                                        const TRect& clipRect)
{
    if (!link.Valid() || ImageCount <= 0 || imageIndex <= 0)
        return;
    SelectFrame(link, imageIndex);
    TteBitmap& bitmap = *link.Bitmap();
    if (GlyphTransparent)
        bitmap.SetAlphaBlend(true);
    const TRect dest = CenterRect(link.Rect(), rect);
    if (!Clipped(dest, clipRect))
        bitmap.Draw(canvas, dest.Left, dest.Top, link.Rect());
}
