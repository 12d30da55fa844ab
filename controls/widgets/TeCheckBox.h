#pragma once
// The themed check box: a mark in two or three states beside a caption. A click, the space bar or
// the caption's accelerator with Alt toggles it (unchecked, checked, and mixed only with
// AllowGrayed); every change of State fires OnClick.
#include <QString>

#include "controls/core/TeControl.h"
#include "controls/widgets/CheckBoxState.h"
#include "controls/widgets/PushState.h"

class TTeCheckBox : public TTeControl {
public:
    explicit TTeCheckBox(TComponent* owner);

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool value) { allowGrayed_ = value; }
    // The mark on the left (kalLeftJustify) or on the right of the caption.
    TTeLeftRight Alignment() const { return alignment_; }
    void SetAlignment(TTeLeftRight alignment);
    // The width follows the caption: mark, Spacing, text and 2 pixels.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool Checked() const { return state_ == TTeCheckBoxState::kcbsChecked; }
    void SetChecked(bool value) { SetState(value ? TTeCheckBoxState::kcbsChecked : TTeCheckBoxState::kcbsUnChecked); }
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    TTeCheckBoxState State() const { return state_; }
    // A change fires OnClick and repaints; the same state does nothing.
    void SetState(TTeCheckBoxState state);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    // What lies beneath shows behind the box; only without a theme.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool IsPressed() const { return push_.Pressed(); }

    // Unchecked to checked (to mixed with AllowGrayed), checked to unchecked, mixed to checked.
    virtual void Toggle();
    // OnClick, unless the check box is being loaded.
    void Click() override;
    void Dispatch(TMessage& message) override;
    void Loaded() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;

protected:
    // 13 × 13 without a theme, else the theme's size for ThemeObject.
    virtual TSize GetCheckSize();
    virtual void PaintCheck();
    virtual void PaintCaption();

    void PaintControl() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyUp(std::uint16_t& key, TShiftState shift) override;
    void FontChanged() override;
    void EnabledChanged() override;

private:
    void AdjustSize();
    bool Themed() const;
    TRect CheckRect();
    TRect CaptionRect();
    unsigned CaptionFormat() const;
    // The state of the caption handed to the theme: disabled, pressed, hot, focused, normal.
    std::uint8_t TextState() const;

    QString caption_;
    bool allowGrayed_ = false;
    TTeLeftRight alignment_ = TTeLeftRight::kalLeftJustify;
    bool autoSize_ = false;
    int spacing_ = 5;
    TTeCheckBoxState state_ = TTeCheckBoxState::kcbsUnChecked;
    bool wordWrap_ = false;
    bool transparent_ = true;
    TPushState push_{[this] { Invalidate(); }};
    TFont captionFont_;
};

void RegisterCheckBoxProperties();
