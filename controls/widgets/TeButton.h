#pragma once
// The themed push button: a caption and an optional picture on a face the theme draws (or the
// classic raised face), pressed by the mouse, the space bar, Enter when it is the active default
// button, Escape when it is the cancel button, and the accelerator of its caption with Alt. A
// click hands ModalResult to the form (a bkClose button closes it) and fires OnClick.
#include <QString>

#include "controls/core/TeControl.h"
#include "controls/widgets/ButtonKinds.h"
#include "controls/widgets/FaceCache.h"
#include "controls/widgets/FontOptions.h"
#include "controls/widgets/PushState.h"
#include "framework/Action.h"
#include "framework/Alignment.h"
#include "framework/ChangeLink.h"
#include "framework/Form.h"
#include "framework/ImageList.h"
#include "graphics/Bitmap.h"

class TTeButton : public TTeControl {
public:
    explicit TTeButton(TComponent* owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    bool Default() const { return default_; }
    void SetDefault(bool value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    // Enter presses this button now: the focus is on it, or it is Default and the focus is on no
    // other button.
    bool ActiveDefault() const { return activeDefault_; }
    bool BlackAndWhiteGlyph() const { return blackAndWhiteGlyph_; }
    void SetBlackAndWhiteGlyph(bool value);
    // Empty when the button has no picture.
    const TteBitmap& Glyph() const { return glyph_; }
    // Also sets NumGlyphs: width ÷ height when the width is a multiple of the height below 5, else 1.
    void SetGlyph(const TteBitmap& glyph);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    // The picture's other source, used while Glyph is empty.
    TCustomImageList* Images() const { return images_.Get(); }
    void SetImages(TCustomImageList* images);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    // The button shows the action's caption, enabled and visible state, and its picture when the
    // action's image list is Images; a click executes it unless OnClick has a handler of its own.
    TAction* Action() const { return action_.Get(); }
    void SetAction(TAction* action);
    // Glyph is stored only for a custom button whose image list does not supply the picture.
    bool GlyphStored() const;
    TBitBtnKind Kind() const { return kind_; }
    // A standard kind sets Default, the caption (kept while loading a button that has one),
    // ModalResult, the picture and NumGlyphs 2.
    void SetKind(TBitBtnKind kind);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    // What lies beneath shows around the face; only without a theme.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    TTeFontOptions* FontOptions() { return &fontOptions_; }
    const TTeFontOptions* FontOptions() const { return &fontOptions_; }
    void SetFontOptions(const TTeFontOptions* options) { fontOptions_.Assign(options); }
    bool IsPressed() const { return push_.Pressed(); }

    // bkClose closes the parent form; any other kind hands ModalResult to it; then OnClick.
    void Click() override;
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;

protected:
    // The caption and picture together, placed by Alignment (offset by one pixel while pressed).
    virtual TRect GetTextRect();
    // Where the caption goes: the text rectangle less the picture and Spacing.
    virtual TRect GetContentRect();
    // Where the picture goes: the text rectangle's part on the picture's side.
    virtual TRect GetGlyphRect();
    virtual void PaintFace();
    virtual void PaintGlyph();
    virtual void PaintCaption();

    void PaintControl() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyUp(std::uint16_t& key, TShiftState shift) override;
    void EnabledChanged() override;
    void FocusLeave() override;
    void ThemeSelectionChanged() override;

    // The state handed to the theme: disabled, pressed, hot, focused, active default, normal.
    std::uint8_t State() const;

private:
    void FocusChanged(const TControl* focused);
    // The caption's own size (without the picture) in the paint font.
    TSize CaptionSize();
    TSize GlyphSize();
    bool HasGlyph() { return Picture() != nullptr; }
    // Glyph, else the image list's picture at ImageIndex, else the action's; nullptr for none.
    const TteBitmap* Picture();
    // Glyph's cells; a picture from an image list is one cell.
    int Cells() const { return glyph_.Empty() ? 1 : numGlyphs_; }
    void PictureChanged();
    void ActionChanged();
    bool GlyphBeside() const { return layout_ == TButtonLayout::blGlyphLeft || layout_ == TButtonLayout::blGlyphRight; }
    unsigned CaptionFormat() const;
    // Selects the caption font of the state into the canvas.
    void UseCaptionFont();
    // The cell the state shows, converted for drawing (cached until something it depends on changes).
    const TteBitmap& PreparedCell();

    TAlignment alignment_ = TAlignment::taCenter;
    QString caption_;
    bool default_ = false;
    bool cancel_ = false;
    bool activeDefault_ = false;
    bool blackAndWhiteGlyph_ = false;
    TteBitmap glyph_;
    int numGlyphs_ = 1;
    TBitBtnKind kind_ = TBitBtnKind::bkCustom;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    TModalResult modalResult_ = mrNone;
    int spacing_ = 4;
    bool wordWrap_ = false;
    bool transparent_ = false;
    TTeFontOptions fontOptions_;
    TPushState push_{[this] { Invalidate(); }};
    // Set for the length of one paint: the theme draws the button.
    bool themed_ = false;
    TFont captionFont_;
    // The caption's size at the start of each paint, measured again only when the caption, its
    // font or the width it wraps in changed: text measuring is most of a paint's cost.
    TSize captionSize_;
    QString measuredCaption_;
    TFont measuredFont_;
    int measuredWrapWidth_ = -1;
    TteBitmap cell_;
    int cellKey_ = -1;
    TChangeLink<TCustomImageList> images_{[this] { PictureChanged(); }, [this] { PictureChanged(); }};
    int imageIndex_ = -1;
    TChangeLink<TAction> action_{[this] { ActionChanged(); }, [this] { PictureChanged(); }};
    // The picture an image list supplies, with the transparent pixels magenta; rebuilt on demand.
    TteBitmap listPicture_;
    TFaceCache faces_;
    bool listPictureValid_ = false;
    bool hasListPicture_ = false;
};

void RegisterButtonProperties();
