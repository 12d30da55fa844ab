#pragma once
// The skin object classes beyond the base: objects with active and disabled looks, bitmap objects
// painted in nine parts, caption buttons, text and colour buttons, bitmap boxes and roll panels.
#include "themes/SkinObjects.h"

class TSeActiveObject : public TSeSkinObject {
public:
    explicit TSeActiveObject(TComponent* owner);
    void CopyFrom(const TSeSkinObject& other) override;
    TColor ActiveColor() const { return activeColor_; }
    void SetActiveColor(TColor value) { activeColor_ = value; }
    TFont& ActiveFont() const { return activeFont_; }
    TFont& DisabledFont() const { return disabledFont_; }
    void Paint(TCanvas& canvas, const TRect& clip) override;
    const TFont& StateFont(std::uint8_t state) const override;
    void TintHue(int delta) override;
    void TintBrightness(int delta) override;

private:
    TColor activeColor_ = clWhite;
    mutable TSkinFont activeFont_;
    mutable TSkinFont disabledFont_;
};

class TSeActiveSkinObject : public TSeSkinObject {
public:
    explicit TSeActiveSkinObject(TComponent* owner);
    void CopyFrom(const TSeSkinObject& other) override;
    TColor ActiveColor() const { return activeColor_; }
    void SetActiveColor(TColor value) { activeColor_ = value; }
    TFont& ActiveFont() const { return activeFont_; }
    void Paint(TCanvas& canvas, const TRect& clip) override;
    void TintHue(int delta) override;
    void TintBrightness(int delta) override;

private:
    TColor activeColor_ = clWhite;
    mutable TSkinFont activeFont_;
};

class TSeBitmapObject : public TSeSkinObject {
public:
    explicit TSeBitmapObject(TComponent* owner);
    void CopyFrom(const TSeSkinObject& other) override;
    TteBitmapLink& Bitmap() const { return bitmap_; }
    TscTileStyle BorderTileStyle() const { return borderTileStyle_; }
    void SetBorderTileStyle(TscTileStyle value) { borderTileStyle_ = value; }
    TscTileStyle TileStyle() const { return tileStyle_; }
    void SetTileStyle(TscTileStyle value) { tileStyle_ = value; }
    bool MaskedBorder() const { return maskedBorder_; }
    void SetMaskedBorder(bool value) { maskedBorder_ = value; }
    bool MaskedAngles() const { return maskedAngles_; }
    void SetMaskedAngles(bool value) { maskedAngles_ = value; }
    void BindOwnLinks() override;
    void Paint(TCanvas& canvas, const TRect& clip) override;

protected:
    std::optional<QRegion> OwnRegion() override;
    // The link this object paints with in its present state.
    virtual const TteBitmapLink& CurrentLink() const { return bitmap_; }
    void PaintLink(TCanvas& canvas, const TRect& clip, const TteBitmapLink& link);

private:
    mutable TteBitmapLink bitmap_;
    TscTileStyle borderTileStyle_ = TscTileStyle::tsTile;
    TscTileStyle tileStyle_ = TscTileStyle::tsTile;
    bool maskedBorder_ = true;
    bool maskedAngles_ = true;
};

class TSeActiveBitmap : public TSeBitmapObject {
public:
    explicit TSeActiveBitmap(TComponent* owner);
    void CopyFrom(const TSeSkinObject& other) override;
    TteBitmapLink& ActiveBitmap() const { return activeBitmap_; }
    TFont& ActiveFont() const { return activeFont_; }
    void BindOwnLinks() override;
    const TFont& StateFont(std::uint8_t state) const override;
    void TintHue(int delta) override;
    void TintBrightness(int delta) override;

protected:
    const TteBitmapLink& CurrentLink() const override;

private:
    mutable TteBitmapLink activeBitmap_;
    mutable TSkinFont activeFont_;
};

// Caption button states, apart from State: window states take State's values, and they decide
// which caption buttons are shown.
enum class TSeButtonState : std::uint8_t { Normal = 0, Hot = 1, Pressed = 2 };

// A caption button.
class TSeSystemButton : public TSeActiveBitmap {
public:
    explicit TSeSystemButton(TComponent* owner);
    void CopyFrom(const TSeSkinObject& other) override;
    TSeButtonState ButtonState() const { return buttonState_; }
    void SetButtonState(TSeButtonState value) { buttonState_ = value; }
    TSeAction Action() const { return action_; }
    void SetAction(TSeAction value) { action_ = value; }
    TteBitmapLink& BitmapHot() const { return bitmapHot_; }
    TteBitmapLink& BitmapPressed() const { return bitmapPressed_; }
    void BindOwnLinks() override;
    void Paint(TCanvas& canvas, const TRect& clip) override;
    void SetState(std::uint8_t state) override;
    void SetButtons(std::uint16_t buttons) override;

private:
    TSeAction action_ = TSeAction::sbaNone;
    TSeButtonState buttonState_ = TSeButtonState::Normal;
    mutable TteBitmapLink bitmapHot_;
    mutable TteBitmapLink bitmapPressed_;
};

class TSeButtonObject : public TSeBitmapObject {
public:
    explicit TSeButtonObject(TComponent* owner);
    void CopyFrom(const TSeSkinObject& other) override;
    TteBitmapLink& BitmapHot() const { return hot_; }
    TteBitmapLink& BitmapFocused() const { return focused_; }
    TteBitmapLink& BitmapPressed() const { return pressed_; }
    TteBitmapLink& BitmapDisabled() const { return disabled_; }
    void BindOwnLinks() override;

protected:
    const TteBitmapLink& CurrentLink() const override;

private:
    mutable TteBitmapLink hot_;
    mutable TteBitmapLink focused_;
    mutable TteBitmapLink pressed_;
    mutable TteBitmapLink disabled_;
};

class TSeTextObject : public TSeSkinObject {
public:
    explicit TSeTextObject(TComponent* owner);
    void CopyFrom(const TSeSkinObject& other) override;
    TFont& FontHot() const { return hot_; }
    TFont& FontFocused() const { return focused_; }
    TFont& FontPressed() const { return pressed_; }
    TFont& FontDisabled() const { return disabled_; }
    void Paint(TCanvas& canvas, const TRect& clip) override;
    const TFont& StateFont(std::uint8_t state) const override;
    void TintHue(int delta) override;
    void TintBrightness(int delta) override;

private:
    mutable TSkinFont hot_;
    mutable TSkinFont focused_;
    mutable TSkinFont pressed_;
    mutable TSkinFont disabled_;
};

// Stands for a real control of the name; drawn only as a placeholder in state 1.
class TSeLinkSkinObject : public TSeSkinObject {
public:
    explicit TSeLinkSkinObject(TComponent* owner);
    void CopyFrom(const TSeSkinObject& other) override;
    const QString& LinkControl() const { return linkControl_; }
    void SetLinkControl(const QString& value) { linkControl_ = value; }
    void Paint(TCanvas& canvas, const TRect& clip) override;

private:
    QString linkControl_;
};

class TSeBitmapSkinObject : public TSeSkinObject {
public:
    explicit TSeBitmapSkinObject(TComponent* owner);
    void CopyFrom(const TSeSkinObject& other) override;
    TteBitmapLink& Bitmap() const { return bitmap_; }
    TscTileStyle TileStyle() const { return tileStyle_; }
    void SetTileStyle(TscTileStyle value) { tileStyle_ = value; }
    void BindOwnLinks() override;
    void Paint(TCanvas& canvas, const TRect& clip) override;

protected:
    virtual const TteBitmapLink& CurrentLink() const { return bitmap_; }

private:
    mutable TteBitmapLink bitmap_;
    TscTileStyle tileStyle_ = TscTileStyle::tsTile;
};

class TSeFormBitmapSkinObject : public TSeBitmapSkinObject {
public:
    explicit TSeFormBitmapSkinObject(TComponent* owner);
    void CopyFrom(const TSeSkinObject& other) override;
    TteBitmapLink& InactiveBitmap() const { return inactive_; }
    void BindOwnLinks() override;

protected:
    const TteBitmapLink& CurrentLink() const override;

private:
    mutable TteBitmapLink inactive_;
};

class TSeSysButtonSkinObject : public TSeBitmapSkinObject {
public:
    explicit TSeSysButtonSkinObject(TComponent* owner);
    void CopyFrom(const TSeSkinObject& other) override;
    TSeButtonState ButtonState() const { return buttonState_; }
    void SetButtonState(TSeButtonState value) { buttonState_ = value; }
    TSeAction Action() const { return action_; }
    void SetAction(TSeAction value) { action_ = value; }
    TteBitmapLink& BitmapHover() const { return hover_; }
    TteBitmapLink& BitmapDown() const { return down_; }
    const QString& RollPanel() const { return rollPanel_; }
    void SetRollPanel(const QString& value) { rollPanel_ = value; }
    void BindOwnLinks() override;

protected:
    const TteBitmapLink& CurrentLink() const override;

private:
    TSeAction action_ = TSeAction::sbaNone;
    TSeButtonState buttonState_ = TSeButtonState::Normal;
    mutable TteBitmapLink hover_;
    mutable TteBitmapLink down_;
    QString rollPanel_;
};

class TSeColorButtonObject : public TSeSkinObject {
public:
    explicit TSeColorButtonObject(TComponent* owner);
    void CopyFrom(const TSeSkinObject& other) override;
    TColor HotColor() const { return colors_[0]; }
    void SetHotColor(TColor value) { colors_[0] = value; }
    TColor PressedColor() const { return colors_[1]; }
    void SetPressedColor(TColor value) { colors_[1] = value; }
    TColor FocusedColor() const { return colors_[2]; }
    void SetFocusedColor(TColor value) { colors_[2] = value; }
    TColor DisabledColor() const { return colors_[3]; }
    void SetDisabledColor(TColor value) { colors_[3] = value; }
    TFont& HotFont() const { return fonts_[0]; }
    TFont& PressedFont() const { return fonts_[1]; }
    TFont& FocusedFont() const { return fonts_[2]; }
    TFont& DisabledFont() const { return fonts_[3]; }
    void Paint(TCanvas& canvas, const TRect& clip) override;
    void TintHue(int delta) override;
    void TintBrightness(int delta) override;

private:
    // Hot, pressed, focused, disabled.
    TColor colors_[4] = {clWhite, clWhite, clWhite, clWhite};
    mutable TSkinFont fonts_[4];
};

class TSeBitmapBoxObject : public TSeBitmapSkinObject {
public:
    explicit TSeBitmapBoxObject(TComponent* owner);
    void CopyFrom(const TSeSkinObject& other) override;
    TscTileStyle BorderTileStyle() const { return borderTileStyle_; }
    void SetBorderTileStyle(TscTileStyle value) { borderTileStyle_ = value; }
    void Paint(TCanvas& canvas, const TRect& clip) override;

private:
    TscTileStyle borderTileStyle_ = TscTileStyle::tsTile;
};

class TSeActiveBitmapBoxObject : public TSeBitmapBoxObject {
public:
    explicit TSeActiveBitmapBoxObject(TComponent* owner);
    void CopyFrom(const TSeSkinObject& other) override;
    TteBitmapLink& FocusedBitmap() const { return focused_; }
    void BindOwnLinks() override;

protected:
    const TteBitmapLink& CurrentLink() const override;

private:
    mutable TteBitmapLink focused_;
};

class TSeButtonBitmapBoxObject : public TSeBitmapBoxObject {
public:
    explicit TSeButtonBitmapBoxObject(TComponent* owner);
    void CopyFrom(const TSeSkinObject& other) override;
    TteBitmapLink& HotBitmap() const { return hot_; }
    TteBitmapLink& FocusedBitmap() const { return focused_; }
    TteBitmapLink& PressedBitmap() const { return pressed_; }
    TteBitmapLink& DisabledBitmap() const { return disabled_; }
    void BindOwnLinks() override;

protected:
    const TteBitmapLink& CurrentLink() const override;

private:
    mutable TteBitmapLink hot_;
    mutable TteBitmapLink focused_;
    mutable TteBitmapLink pressed_;
    mutable TteBitmapLink disabled_;
};

class TSeRollPanelObject : public TSeSkinObject {
public:
    explicit TSeRollPanelObject(TComponent* owner);
    void CopyFrom(const TSeSkinObject& other) override;
    TSeRollKind RollKind() const { return rollKind_; }
    void SetRollKind(TSeRollKind value) { rollKind_ = value; }
    int RollValue() const { return rollValue_; }
    void SetRollValue(int value) { rollValue_ = value; }

private:
    TSeRollKind rollKind_ = TSeRollKind::rkLeft;
    int rollValue_ = 0;
};

// The bitmap link of the state: the state's own when valid, else the base link.
const TteBitmapLink& ValidOr(const TteBitmapLink& preferred, const TteBitmapLink& fallback);
