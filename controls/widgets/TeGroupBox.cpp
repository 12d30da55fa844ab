#include "controls/widgets/TeGroupBox.h"

#include "controls/core/ParentBackground.h"
#include "controls/core/ThemeSelection.h"
#include "controls/widgets/ClassicLook.h"
#include "controls/widgets/TeCheckBox.h"
#include "framework/Canvas.h"
#include "framework/Messages.h"
#include "framework/TextLayout.h"
#include "framework/TextSize.h"
#include "graphics/CanvasDraw.h"
#include "theme/Theme.h"
#include "theme/ThemeManager.h"
#include "theme/ThemedElements.h"

namespace {

constexpr TteKind kGroupBox = 0;
constexpr unsigned kCaptionFormat = DT_SINGLELINE | DT_CENTER | DT_VCENTER;

}  // namespace

TTeGroupBox::TTeGroupBox(TComponent* owner) : TTeControl(owner)
{
    SetBounds(Left(), Top(), 100, 90);
}

void TTeGroupBox::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    if (checkBox_ != nullptr)
        checkBox_->SetCaption(caption);
    PlaceCheckBox();
    Invalidate();
}

void TTeGroupBox::SetCaptionMargin(int margin)
{
    if (margin == captionMargin_)
        return;
    captionMargin_ = margin;
    PlaceCheckBox();
    Invalidate();
}

void TTeGroupBox::SetCheckBoxAlignment(TTeLeftRight alignment)
{
    checkBoxAlignment_ = alignment;
    if (checkBox_ != nullptr)
        checkBox_->SetAlignment(alignment);
}

void TTeGroupBox::SetChecked(bool value)
{
    if (value == checked_)
        return;
    checked_ = value;
    if (checkBox_ == nullptr)
        return;
    checkBox_->SetChecked(value);
    EnableChildren(value);
}

void TTeGroupBox::SetUseCheckBox(bool value)
{
    useCheckBox_ = value;
    if (ComponentState().Contains(TComponentStateFlag::csLoading))
        return;
    if (value && checkBox_ == nullptr) {
        checkBox_ = CreateCheckBox();
        PlaceCheckBox();
        EnableChildren(checked_);
    } else if (!value && checkBox_ != nullptr) {
        checkBox_->Free();
        EnableChildren(true);
    }
    Invalidate();
}

void TTeGroupBox::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    Invalidate();
}

TTeCheckBox* TTeGroupBox::CreateCheckBox()
{
    auto* box = new TTeCheckBox(this);
    box->SetParent(this);
    box->SetTransparent(true);
    box->SetAlignment(checkBoxAlignment_);
    box->SetChecked(checked_);
    box->SetCaption(caption_);
    box->SetAutoSize(true);
    box->OnClick = [this](TObject*) { CheckBoxClick(); };
    return box;
}

void TTeGroupBox::CheckBoxClick()
{
    TTeControl::Click();
    SetChecked(checkBox_->Checked());
    if (OnCheckBoxClick)
        OnCheckBoxClick(this);
}

void TTeGroupBox::EnableChildren(bool enabled)
{
    if (enabled) {
        for (const TComponentRef<TControl>& child : disabledChildren_)
            if (child != nullptr)
                child->SetEnabled(true);
        disabledChildren_.clear();
        return;
    }
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        if (child == checkBox_.Get() || !child->Enabled())
            continue;
        disabledChildren_.append(TComponentRef<TControl>(child));
        child->SetEnabled(false);
    }
}

void TTeGroupBox::SetEnabled(bool enabled)
{
    if (checkBox_ != nullptr) {
        SetChecked(enabled);
        return;
    }
    TTeControl::SetEnabled(enabled);
    EnableChildren(enabled);
}

void TTeGroupBox::Loaded()
{
    // Not TTeControl's: a group box keeps its own bounds whatever the theme says.
    TCustomControl::Loaded();
    if (useCheckBox_)
        SetUseCheckBox(true);
}

void TTeGroupBox::GetChildren(const std::function<void(TComponent*)>& proc) const
{
    TTeControl::GetChildren([&](TComponent* child) {
        if (child != checkBox_.Get())
            proc(child);
    });
}

void TTeGroupBox::ThemeSelectionChanged()
{
    PlaceCheckBox();
    Invalidate();
}

void TTeGroupBox::Dispatch(TMessage& message)
{
    if (message.Msg == TE_THEMECHANGE || message.Msg == TE_THEMELINKCHANGE) {
        PlaceCheckBox();
        Invalidate();
        return;
    }
    // The caption's accelerator focuses the first child; a caption check box answers it itself.
    if (message.Msg == CM_DIALOGCHAR && checkBox_ == nullptr &&
        IsAccel(QChar(static_cast<char16_t>(message.WParam)), caption_)) {
        for (int i = 0; i < ControlCount(); ++i) {
            auto* child = dynamic_cast<TWinControl*>(Controls(i));
            if (child != nullptr && child->CanFocus()) {
                child->SetFocus();
                message.Result = 1;
                return;
            }
        }
    }
    TTeControl::Dispatch(message);
}

void TTeGroupBox::SetBounds(int left, int top, int width, int height)
{
    TTeControl::SetBounds(left, top, width, height);
    PlaceCheckBox();
}

void TTeGroupBox::FontChanged()
{
    PlaceCheckBox();
    TTeControl::FontChanged();
}

bool TTeGroupBox::Themed() const
{
    return IsGroupBoxThemed(kGroupBox, ThemeObject(), ThemeLink());
}

TSize TTeGroupBox::CaptionTextSize() const
{
    TFont font;
    if (Themed())
        Theme()->AssignFont(font, static_cast<int>(TteThemeFont::ktfGroupBoxTextNormal), DefaultThemeObject());
    else
        font.Assign(Font());
    const TSize size = MeasureText(font, caption_.isEmpty() ? QStringLiteral("Tg") : caption_, DT_SINGLELINE);
    return caption_.isEmpty() ? TSize{0, size.cy} : size;
}

int TTeGroupBox::CaptionHeight() const
{
    return checkBox_ != nullptr ? checkBox_->Height() : CaptionTextSize().cy;
}

TRect TTeGroupBox::CaptionRect() const
{
    const TSize text = CaptionTextSize();
    if (checkBox_ != nullptr)
        return Rect(captionMargin_, 0, captionMargin_ + checkBox_->Width(), text.cy + 6);
    return Rect(captionMargin_, 0, captionMargin_ + text.cx, text.cy);
}

TRect TTeGroupBox::GetFrameRect()
{
    return Rect(3, CaptionHeight() / 2 + 1, Width() - 2, Height() - 2);
}

TRect TTeGroupBox::ClientRect() const
{
    return Rect(12, CaptionHeight(), Width() - 12, Height() - 8);
}

void TTeGroupBox::PlaceCheckBox()
{
    if (checkBox_ == nullptr)
        return;
    checkBox_->SetCaption(caption_);
    checkBox_->SetBounds(captionMargin_, 0, checkBox_->Width(), CaptionTextSize().cy + 6);
}

void TTeGroupBox::PaintControl()
{
    TCanvas& canvas = Canvas();
    const bool themed = Themed();
    const bool transparent = themed ? Theme()->IsGroupBoxTransparent(kGroupBox, DefaultThemeObject()) : transparent_;
    PaintControlBackground(*this, canvas, transparent, Rect(0, 0, Width(), Height()));

    const TRect frame = GetFrameRect();
    const TRect caption = caption_.isEmpty() && checkBox_ == nullptr ? TRect{} : CaptionRect();
    if (themed) {
        const TteThemeFont font = Enabled() ? TteThemeFont::ktfGroupBoxTextNormal : TteThemeFont::ktfGroupBoxTextDisabled;
        Theme()->AssignFont(captionFont_, static_cast<int>(font), DefaultThemeObject());
        canvas.SetFont(&captionFont_);
        const TteGroupBoxState state = Enabled() ? TteGroupBoxState::kgbsNormal : TteGroupBoxState::kgbsDisabled;
        const TteGroupBoxInfo info{frame, caption, ThemeByte(state)};
        Theme()->DrawGroupBox(kGroupBox, canvas, info, DefaultThemeObject());
        if (checkBox_ == nullptr && !caption_.isEmpty())
            Theme()->DrawGroupBoxText(kGroupBox, canvas, info, MakeTextInfo(caption, caption_, kCaptionFormat),
                                      DefaultThemeObject());
        return;
    }
    DrawEtchedFrame(canvas, frame, caption.Left, caption.Right);
    if (checkBox_ == nullptr && !caption_.isEmpty())
        DrawControlText(canvas, caption_, caption, kCaptionFormat, !Enabled());
}

void RegisterGroupBoxProperties()
{
    TPropRegistrar<TTeGroupBox> properties = RegisterProperties<TTeGroupBox, TTeControl>();
    properties.String("Caption", &TTeGroupBox::Caption, &TTeGroupBox::SetCaption, QString())
        .Integer("CaptionMargin", &TTeGroupBox::CaptionMargin, &TTeGroupBox::SetCaptionMargin, 12)
        .Enumeration("CheckBoxAlignment", &TTeGroupBox::CheckBoxAlignment, &TTeGroupBox::SetCheckBoxAlignment,
                     LeftRightNames(), TTeLeftRight::kalLeftJustify)
        .Boolean("Checked", &TTeGroupBox::Checked, &TTeGroupBox::SetChecked, true)
        .Boolean("UseCheckBox", &TTeGroupBox::UseCheckBox, &TTeGroupBox::SetUseCheckBox, false)
        .Boolean("Transparent", &TTeGroupBox::Transparent, &TTeGroupBox::SetTransparent, true)
        .Event("OnCheckBoxClick", &TTeGroupBox::OnCheckBoxClick);
    AddThemeSelectionProperties(properties);
}
