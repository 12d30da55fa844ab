#pragma once
// The themed group box: a frame with a caption in its top edge around child controls. Its caption
// can be a check box that enables and disables the children; it never takes its bounds from the
// theme.
#include <QList>
#include <QString>

#include "controls/core/TeControl.h"
#include "controls/widgets/CheckBoxState.h"
#include "framework/ComponentRef.h"

class TTeCheckBox;

class TTeGroupBox : public TTeControl {
public:
    explicit TTeGroupBox(TComponent* owner);

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    // The caption's left offset.
    int CaptionMargin() const { return captionMargin_; }
    void SetCaptionMargin(int margin);
    TTeLeftRight CheckBoxAlignment() const { return checkBoxAlignment_; }
    void SetCheckBoxAlignment(TTeLeftRight alignment);
    // With the check box: the children are enabled.
    bool Checked() const { return checked_; }
    void SetChecked(bool value);
    bool UseCheckBox() const { return useCheckBox_; }
    void SetUseCheckBox(bool value);
    // What lies beneath shows inside and around the frame; only without a theme.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    // The caption check box while UseCheckBox, else nullptr.
    TTeCheckBox* CheckBox() const { return checkBox_; }

    // (12, top, width - 12, height - 8), top being the caption's height (or the check box's).
    TRect ClientRect() const override;
    // Disables (enables) the children with the group box. With the check box the group box stays
    // enabled and this checks or unchecks it instead.
    void SetEnabled(bool enabled) override;
    void SetBounds(int left, int top, int width, int height) override;
    void Dispatch(TMessage& message) override;
    void Loaded() override;
    // The owned components but the caption check box, which UseCheckBox makes again.
    void GetChildren(const std::function<void(TComponent*)>& proc) const override;

    TNotifyEvent OnCheckBoxClick;

protected:
    // The check box was clicked: the group's click, Checked from the box, then OnCheckBoxClick.
    virtual void CheckBoxClick();
    virtual TTeCheckBox* CreateCheckBox();
    // (3, h ÷ 2 + 1, width - 2, height - 2), h being the caption's height (or the check box's).
    virtual TRect GetFrameRect();

    void PaintControl() override;
    void ThemeSelectionChanged() override;
    void FontChanged() override;

private:
    bool Themed() const;
    // The caption's text size in the font it is drawn in (the height of "Tg" when empty).
    TSize CaptionTextSize() const;
    int CaptionHeight() const;
    TRect CaptionRect() const;
    void PlaceCheckBox();
    // Children other than the check box follow enabled; re-enabling restores exactly those this
    // group box disabled.
    void EnableChildren(bool enabled);

    QString caption_;
    int captionMargin_ = 12;
    TTeLeftRight checkBoxAlignment_ = TTeLeftRight::kalLeftJustify;
    bool checked_ = true;
    bool useCheckBox_ = false;
    bool transparent_ = true;
    TComponentRef<TTeCheckBox> checkBox_;
    QList<TComponentRef<TControl>> disabledChildren_;
    TFont captionFont_;
};

void RegisterGroupBoxProperties();
