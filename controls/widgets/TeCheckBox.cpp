#include "controls/widgets/TeCheckBox.h"

#include "controls/core/ParentBackground.h"
#include "controls/core/ThemeSelection.h"
#include "controls/widgets/ClassicLook.h"
#include "framework/Canvas.h"
#include "framework/Messages.h"
#include "framework/TextLayout.h"
#include "framework/TextSize.h"
#include "framework/VirtualKeys.h"
#include "graphics/CanvasDraw.h"
#include "graphics/RectUtils.h"
#include "theme/Theme.h"
#include "theme/ThemedElements.h"

namespace {

constexpr TteKind kCheckBox = ThemeByte(TteCheckBoxKind::kcbkCheckBox);
constexpr TSize kClassicCheckSize{13, 13};

// The mark's state for the theme: a row per check state, a column per condition.
TteCheckState MarkState(TTeCheckBoxState state, bool disabled, bool pressed, bool hot)
{
    static constexpr TteCheckState rows[3][4] = {
        {TteCheckState::kcsUncheckedDisabled, TteCheckState::kcsUncheckedPressed, TteCheckState::kcsUncheckedHot,
         TteCheckState::kcsUncheckedNormal},
        {TteCheckState::kcsCheckedDisabled, TteCheckState::kcsCheckedPressed, TteCheckState::kcsCheckedHot,
         TteCheckState::kcsCheckedNormal},
        {TteCheckState::kcsMixedDisabled, TteCheckState::kcsMixedPressed, TteCheckState::kcsMixedHot,
         TteCheckState::kcsMixedNormal},
    };
    const int column = disabled ? 0 : pressed ? 1 : hot ? 2 : 3;
    return rows[static_cast<int>(state)][column];
}

}  // namespace

TTeCheckBox::TTeCheckBox(TComponent* owner) : TTeControl(owner)
{
    SetPerformance(TTePerformance::kspDoubleBuffer);
    SetTabStop(true);
    SetBounds(Left(), Top(), 98, 20);
}

void TTeCheckBox::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    AdjustSize();
    Invalidate();
}

void TTeCheckBox::SetAlignment(TTeLeftRight alignment)
{
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    Invalidate();
}

void TTeCheckBox::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    AdjustSize();
}

void TTeCheckBox::SetSpacing(int spacing)
{
    if (spacing == spacing_)
        return;
    spacing_ = spacing;
    Invalidate();
}

void TTeCheckBox::SetState(TTeCheckBoxState state)
{
    if (state == state_)
        return;
    state_ = state;
    Click();
    Invalidate();
}

void TTeCheckBox::SetWordWrap(bool value)
{
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    Invalidate();
}

void TTeCheckBox::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    Invalidate();
}

void TTeCheckBox::Toggle()
{
    switch (state_) {
    case TTeCheckBoxState::kcbsUnChecked:
        SetState(allowGrayed_ ? TTeCheckBoxState::kcbsMixed : TTeCheckBoxState::kcbsChecked);
        break;
    case TTeCheckBoxState::kcbsChecked:
        SetState(TTeCheckBoxState::kcbsUnChecked);
        break;
    case TTeCheckBoxState::kcbsMixed:
        SetState(TTeCheckBoxState::kcbsChecked);
        break;
    }
}

void TTeCheckBox::Click()
{
    if (!ComponentState().Contains(TComponentStateFlag::csLoading))
        TTeControl::Click();
}

void TTeCheckBox::Loaded()
{
    TTeControl::Loaded();
    AdjustSize();
}

void TTeCheckBox::FontChanged()
{
    AdjustSize();
    TTeControl::FontChanged();
}

void TTeCheckBox::AdjustSize()
{
    if (!autoSize_ || ComponentState().Contains(TComponentStateFlag::csLoading))
        return;
    const TSize check = GetCheckSize();
    const TSize text = MeasureText(*Font(), caption_, DT_WORDBREAK | DT_EXPANDTABS, Width() - check.cx - 10);
    SetWidth(check.cx + text.cx + spacing_ + 2);
}

// Input.

void TTeCheckBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    push_.MouseDown(button, Enabled());
    TTeControl::MouseDown(button, shift, x, y);
}

void TTeCheckBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    // A click is a toggle here, not the base's.
    SetControlState(ControlState() - TControlState{TControlStateFlag::csLButtonDown});
    const bool released = push_.MouseUp(button);
    TTeControl::MouseUp(button, shift, x, y);
    // The right and bottom edges count as inside.
    if (released && x >= 0 && y >= 0 && x <= Width() && y <= Height())
        Toggle();
}

void TTeCheckBox::KeyDown(std::uint16_t& key, TShiftState shift)
{
    push_.KeyDown(key, shift);
    TTeControl::KeyDown(key, shift);
}

void TTeCheckBox::KeyUp(std::uint16_t& key, TShiftState shift)
{
    if (push_.KeyUp(key))
        Toggle();
    TTeControl::KeyUp(key, shift);
}

void TTeCheckBox::MouseEnter()
{
    TTeControl::MouseEnter();
    Invalidate();
}

void TTeCheckBox::MouseLeave()
{
    TTeControl::MouseLeave();
    Invalidate();
}

void TTeCheckBox::EnabledChanged()
{
    if (!Enabled())
        push_.Reset();
    TTeControl::EnabledChanged();
}

void TTeCheckBox::Dispatch(TMessage& message)
{
    if (message.Msg == CM_DIALOGCHAR && IsAccel(QChar(static_cast<char16_t>(message.WParam)), caption_) &&
        CanFocus()) {
        message.Result = 1;
        SetFocus();
        if (Focused())
            Toggle();
        return;
    }
    TTeControl::Dispatch(message);
}

// Painting.

bool TTeCheckBox::Themed() const
{
    return IsCheckBoxThemed(kCheckBox, ThemeObject(), ThemeLink());
}

TSize TTeCheckBox::GetCheckSize()
{
    if (!Themed())
        return kClassicCheckSize;
    return Theme()->GetCheckBoxSize(kCheckBox, ThemeObject());
}

TRect TTeCheckBox::CheckRect()
{
    const TSize size = GetCheckSize();
    const int top = (Height() - size.cy) / 2;
    const int left = alignment_ == TTeLeftRight::kalRightJustify ? Width() - size.cx : 0;
    return Rect(left, top, left + size.cx, top + size.cy);
}

unsigned TTeCheckBox::CaptionFormat() const
{
    return DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE);
}

TRect TTeCheckBox::CaptionRect()
{
    const TRect check = CheckRect();
    TRect r = Rect(0, 0, std::max(0, Width() - check.Width() - 10), 0);
    Canvas().DrawText(caption_, r, DT_CALCRECT | CaptionFormat());
    const int width = r.Width();
    const int height = r.Height();
    const int left = alignment_ == TTeLeftRight::kalRightJustify ? check.Left - spacing_ - width : check.Right + spacing_;
    const int top = (ClientHeight() - height) / 2;
    return Rect(left, top, left + width, top + height);
}

std::uint8_t TTeCheckBox::TextState() const
{
    if (!Enabled())
        return ThemeByte(TteCheckTextState::kctsDisabled);
    if (push_.Pressed())
        return ThemeByte(TteCheckTextState::kctsPressed);
    if (IsHot())
        return ThemeByte(TteCheckTextState::kctsHot);
    if (IsFocused())
        return ThemeByte(TteCheckTextState::kctsFocused);
    return ThemeByte(TteCheckTextState::kctsNormal);
}

void TTeCheckBox::PaintControl()
{
    TCanvas& canvas = Canvas();
    const bool themed = Themed();
    const bool transparent = themed ? Theme()->IsCheckBoxTransparent(kCheckBox, ThemeObject()) : transparent_;
    PaintControlBackground(*this, canvas, transparent, Rect(0, 0, Width(), Height()));
    PaintCheck();
    PaintCaption();
}

void TTeCheckBox::PaintCheck()
{
    const TRect check = CheckRect();
    if (Themed()) {
        const TteCheckState state = MarkState(state_, !Enabled(), push_.Pressed(), IsHot());
        Theme()->DrawCheckBox(kCheckBox, Canvas(), TteElementInfo{check, ThemeByte(state)}, ThemeObject());
        return;
    }
    DrawClassicCheckBox(Canvas(), check, state_, !Enabled());
}

void TTeCheckBox::PaintCaption()
{
    if (caption_.isEmpty())
        return;
    TCanvas& canvas = Canvas();
    const bool themed = Themed();
    const std::uint8_t state = TextState();
    if (themed) {
        static constexpr TteThemeFont fonts[] = {TteThemeFont::ktfCheckBoxTextNormal, TteThemeFont::ktfCheckBoxTextHot,
                                                 TteThemeFont::ktfCheckBoxTextPressed,
                                                 TteThemeFont::ktfCheckBoxTextDisabled,
                                                 TteThemeFont::ktfCheckBoxTextFocused};
        Theme()->AssignFont(captionFont_, static_cast<int>(fonts[state]), ThemeObject());
    } else {
        captionFont_.Assign(&PaintFont());
    }
    canvas.SetFont(&captionFont_);
    const TRect r = CaptionRect();
    if (themed) {
        // The caption is the "default" object's, whatever the control's own object is.
        Theme()->DrawCheckBoxText(kCheckBox, canvas, TteElementInfo{r, state}, MakeTextInfo(r, caption_, CaptionFormat()),
                                  DefaultThemeObject());
    } else {
        DrawControlText(canvas, caption_, r, CaptionFormat(), !Enabled());
    }
    if (IsFocused())
        DrawFocusFrame(canvas, InflateRectBy(r, 2), clWhite);
}

void RegisterCheckBoxProperties()
{
    TPropRegistrar<TTeCheckBox> properties = RegisterProperties<TTeCheckBox, TTeControl>();
    properties.String("Caption", &TTeCheckBox::Caption, &TTeCheckBox::SetCaption, QString())
        .Boolean("AllowGrayed", &TTeCheckBox::AllowGrayed, &TTeCheckBox::SetAllowGrayed, false)
        .Enumeration("Alignment", &TTeCheckBox::Alignment, &TTeCheckBox::SetAlignment, LeftRightNames(),
                     TTeLeftRight::kalLeftJustify)
        .Boolean("AutoSize", &TTeCheckBox::AutoSize, &TTeCheckBox::SetAutoSize, false)
        // State carries it; Checked is only a view of it.
        .Integer("Spacing", &TTeCheckBox::Spacing, &TTeCheckBox::SetSpacing, 5)
        .Enumeration("State", &TTeCheckBox::State, &TTeCheckBox::SetState, CheckBoxStateNames(),
                     TTeCheckBoxState::kcbsUnChecked)
        .Boolean("WordWrap", &TTeCheckBox::WordWrap, &TTeCheckBox::SetWordWrap, false)
        .Boolean("Transparent", &TTeCheckBox::Transparent, &TTeCheckBox::SetTransparent, true);
    AddThemeSelectionProperties(properties);
}
