// The band of push buttons with pictures: from an image list in each state and layout, from an
// action, from a two-cell Glyph, and the window commands' pictures that the system menu shows.
#include "controls/widgets/TeButton.h"
#include "controls/window/CaptionImages.h"
#include "framework/Action.h"
#include "tools/gallery/ControlSections.h"
#include "tools/gallery/GalleryPictures.h"

namespace {

constexpr int kRowHeight = 44;

TTeButton* AddButton(TWinControl& host, int x, int y, int width, int height, const char* caption,
                     TCustomImageList& images, int index)
{
    auto* button = new TTeButton(&host);
    button->SetParent(&host);
    button->SetBounds(x, y, width, height);
    button->SetCaption(QString::fromUtf8(caption));
    button->SetImages(&images);
    button->SetImageIndex(index);
    return button;
}

void States(TWinControl& host, int y)
{
    TCustomImageList& pictures = GalleryPictures();
    const int disc = static_cast<int>(TGalleryPicture::kgpDisc);
    AddButton(host, 8, y, 98, 25, "Open CD", pictures, disc);
    AddButton(host, 114, y, 98, 25, "Hot", pictures, disc)->MouseEnter();
    AddButton(host, 220, y, 98, 25, "Pressed", pictures, disc)->MouseDown(TMouseButton::mbLeft, {}, 10, 10);
    AddButton(host, 326, y, 98, 25, "Disabled", pictures, static_cast<int>(TGalleryPicture::kgpStop))->SetEnabled(false);
    auto* grey = AddButton(host, 432, y, 98, 25, "Grey", pictures, static_cast<int>(TGalleryPicture::kgpNote));
    grey->SetBlackAndWhiteGlyph(true);
    AddButton(host, 538, y, 25, 25, "", pictures, static_cast<int>(TGalleryPicture::kgpFolder));

    // A button that shows its action: caption and picture come from there.
    auto* actions = new TActionList(&host);
    actions->SetImages(&pictures);
    auto* rip = new TAction(actions);
    rip->SetCaption(QStringLiteral("&Rip"));
    rip->SetImageIndex(static_cast<int>(TGalleryPicture::kgpNote));
    auto* linked = AddButton(host, 571, y, 98, 25, "", pictures, -1);
    linked->SetAction(rip);
}

void Layouts(TWinControl& host, int y)
{
    TCustomImageList& pictures = GalleryPictures();
    const int folder = static_cast<int>(TGalleryPicture::kgpFolder);
    const TButtonLayout layouts[] = {TButtonLayout::blGlyphLeft, TButtonLayout::blGlyphRight, TButtonLayout::blGlyphTop,
                                     TButtonLayout::blGlyphBottom};
    const char* names[] = {"Left", "Right", "Top", "Bottom"};
    for (int i = 0; i < 4; ++i)
        AddButton(host, 8 + 106 * i, y, 98, 40, names[i], pictures, folder)->SetLayout(layouts[i]);
    // A two-cell Glyph (normal, disabled) from a standard kind, enabled and not.
    auto* ok = AddButton(host, 432, y, 98, 25, "", pictures, -1);
    ok->SetImages(nullptr);
    ok->SetKind(TBitBtnKind::bkOK);
    ok->SetDefault(false);
    auto* off = AddButton(host, 538, y, 98, 25, "", pictures, -1);
    off->SetImages(nullptr);
    off->SetKind(TBitBtnKind::bkOK);
    off->SetDefault(false);
    off->SetEnabled(false);
}

void CaptionPictures(TWinControl& host, int y)
{
    for (int i = 0; i < CaptionImages().Count(); ++i)
        AddButton(host, 8 + 30 * i, y, 25, 25, "", CaptionImages(), i);
}

void Build(TWinControl& host)
{
    States(host, 8);
    Layouts(host, 8 + kRowHeight - 10);
    CaptionPictures(host, 8 + 2 * kRowHeight);
}

}  // namespace

extern const TControlSection kPicturesSection{"Buttons with pictures", QSize(860, 8 + 3 * kRowHeight), Build};
