// The visual-style theme's plain controls: panels, buttons, check boxes, splitters, edit and combo
// boxes, group boxes, memos and boxes.
#include <QImage>
#include <QRect>

#include "framework/Canvas.h"
#include "graphics/CanvasDraw.h"
#include "graphics/Pixel.h"
#include "graphics/RectUtils.h"
#include "themes/MsStylesDraw.h"
#include "themes/MsStylesTheme.h"

using enum TMsElement;

namespace {

// Push and spin buttons; a state without a frame of its own shows the pressed one.
constexpr TteEnumTable<TteButtonState, int> kButtonFrames{3,
                                                          {{TteButtonState::kbsNormal, 1},
                                                           {TteButtonState::kbsHot, 2},
                                                           {TteButtonState::kbsPressed, 3},
                                                           {TteButtonState::kbsNotProduced5, 2},
                                                           {TteButtonState::kbsNotProduced7, 2},
                                                           {TteButtonState::kbsDisabled, 4},
                                                           {TteButtonState::kbsNotProduced9, 4},
                                                           {TteButtonState::kbsFocused, 5},
                                                           {TteButtonState::kbsDefault, 5}}};

// The strip holds unchecked frames 1-4, checked 5-8 and mixed 9-12 (normal, hot, pressed, disabled),
// while the states count checked, unchecked and mixed rows; the fifth column of a row shows the
// row's normal frame.
int CheckBoxFrame(std::uint8_t byte)
{
    using enum TteCheckRow;
    using enum TteCheckColumn;
    static constexpr TteEnumTable<TteCheckRow, int> kRowStart{0, {{kcrChecked, 5}, {kcrUnchecked, 1}, {kcrMixed, 9}}};
    static constexpr TteEnumTable<TteCheckColumn, int> kColumnOffset{
        0, {{kccNormal, 0}, {kccHot, 1}, {kccPressed, 2}, {kccDisabled, 3}, {kccNotProduced, 0}}};
    const auto state = ThemeEnum<TteCheckState>(byte);
    if (CheckRowOf(state) > kcrMixed)
        return 0;
    return kRowStart[CheckRowOf(state)] + kColumnOffset[CheckColumnOf(state)];
}

constexpr TteEnumTable<TteEditButtonState, int> kEditButtonFrames{1,
                                                                  {{TteEditButtonState::kebsHot, 2},
                                                                   {TteEditButtonState::kebsPressed, 3},
                                                                   {TteEditButtonState::kebsDisabled, 4}}};

// Lends an element another element's fill colour for one drawing; its own colour comes back even
// when the drawing raises.
class TLentFillColor {
public:
    TLentFillColor(TmsuxThemeObject& element, TColor colour) : element_(element), own_(element.FillColor)
    {
        element_.FillColor = colour;
    }
    ~TLentFillColor() { element_.FillColor = own_; }
    TLentFillColor(const TLentFillColor&) = delete;
    TLentFillColor& operator=(const TLentFillColor&) = delete;

private:
    TmsuxThemeObject& element_;
    TColor own_;
};

void DrawWithFillOf(TmsuxThemeObject& element, const TmsuxThemeObject& lender, TCanvas& canvas, const TRect& rect)
{
    const TLentFillColor lent(element, lender.FillColor);
    DrawElementFrame(element, canvas, rect, 1);
}

}  // namespace

TColor TTeThemeMsStyles::SysColor(TColor identifier) const { return SysColors()->GetSysColor(identifier); }

void TTeThemeMsStyles::DrawBevel(TCanvas& canvas, const TRect& rect, bool raised) const
{
    const TColor face = SysColor(clBtnFace);
    const TColor light = OffsetColorRGB(face, 30);
    const TColor dark = OffsetColorRGB(face, -30);
    Draw3DFrame(canvas, rect, raised ? light : dark, raised ? dark : light);
}

// Panel.

bool TTeThemeMsStyles::IsPanelAvailable(TteKind, const QString&) { return true; }
TRect TTeThemeMsStyles::GetPanelClientRect(TteKind, const TRect& rect, const QString&) { return InflateRectBy(rect, -2); }

void TTeThemeMsStyles::DrawPanel(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    FillRectColor(canvas, rect, SysColor(clBtnFace));
    DrawBevel(canvas, rect, true);
}

// Button.

bool TTeThemeMsStyles::IsButtonAvailable(TteKind, const QString&)
{
    // Every kind has its object once the objects are built: spin 4 "Spin.Up", 5 "Spin.Down",
    // 6 "Spin.Uphorz", 7 "Spin.Downhorz", others "Button.Pushbutton".
    return true;
}

bool TTeThemeMsStyles::IsButtonTransparent(TteKind, const QString&) { return Element(ButtonPushbutton).Transparent; }

void TTeThemeMsStyles::DrawButton(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    // The horizontal spin arrows are drawn from each other's section: the left arrow shows "Spin.Downhorz".
    using enum TteButtonKind;
    static constexpr TteEnumTable<TteButtonKind, TMsElement> kElements{
        ButtonPushbutton,
        {{kbkSpinUp, SpinUp}, {kbkSpinDown, SpinDown}, {kbkSpinLeft, SpinDownhorz}, {kbkSpinRight, SpinUphorz}}};
    DrawElementFrame(Element(kElements[ThemeEnum<TteButtonKind>(kind)]), canvas, info.Rect,
                     kButtonFrames[ThemeEnum<TteButtonState>(info.State)]);
}

// Check box.

bool TTeThemeMsStyles::IsCheckBoxAvailable(TteKind, const QString&) { return true; }
bool TTeThemeMsStyles::IsCheckBoxTransparent(TteKind, const QString&) { return true; }

void TTeThemeMsStyles::DrawCheckBox(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    const auto box = ThemeEnum<TteCheckBoxKind>(kind);
    if (box > TteCheckBoxKind::kcbkRadioButton)
        return;
    DrawElementFrame(Element(box == TteCheckBoxKind::kcbkCheckBox ? ButtonCheckbox : ButtonRadiobutton), canvas,
                     info.Rect, CheckBoxFrame(info.State));
}

// Splitter.

bool TTeThemeMsStyles::IsSplitterAvailable(TteKind, const QString&) { return true; }

void TTeThemeMsStyles::DrawSplitter(TteKind, TCanvas& canvas, const TRect& rect, const QString&)
{
    FillRectColor(canvas, rect, SysColor(clBtnFace));
}

// Edit and combo box.

bool TTeThemeMsStyles::IsEditAvailable(TteKind, const QString&) { return Element(Edit).IsLoaded(); }

TRect TTeThemeMsStyles::GetEditClientRect(TteKind, TCanvas&, const TteElementInfo& info, const QString&)
{
    return InflateRectBy(info.Rect, -4);
}

void TTeThemeMsStyles::DrawEdit(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    using enum TteEditState;
    const auto edit = ThemeEnum<TteEditKind>(kind);
    const bool combo = edit >= TteEditKind::kekCombo && edit <= TteEditKind::kekComboButtonRight;
    TmsuxThemeObject& element = Element(combo ? Combobox : Edit);
    switch (ThemeEnum<TteEditState>(info.State)) {
    case kesNormal: case kesHot: case kesFocused: case kesNotProduced3:
        DrawElementFrame(element, canvas, info.Rect, 1);
        break;
    case kesDisabled:
        DrawWithFillOf(element, Element(combo ? ComboboxDisabled : EditEdittextDisabled), canvas, info.Rect);
        break;
    case kesReadOnly:
        if (!combo)
            DrawWithFillOf(element, Element(EditEdittextReadonly), canvas, info.Rect);
        break;
    case kesSelection:
        if (!combo)
            FillRectColor(canvas, info.Rect, SysColor(clHighlight));
        break;
    default: break;
    }
}

void TTeThemeMsStyles::DrawEditButton(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    // Here Part carries the button's state.
    DrawElementFrame(Element(ComboboxDropDownButton), canvas, info.Rect,
                     kEditButtonFrames[ThemeEnum<TteEditButtonState>(info.Part)]);
}

// Group box.

bool TTeThemeMsStyles::IsGroupBoxAvailable(TteKind, const QString&) { return Element(ButtonGroupbox).IsLoaded(); }
bool TTeThemeMsStyles::IsGroupBoxTransparent(TteKind, const QString&) { return Element(ButtonGroupbox).Transparent; }

void TTeThemeMsStyles::DrawGroupBox(TteKind, TCanvas& canvas, const TteGroupBoxInfo& info, const QString&)
{
    // The frame must not show behind the caption: the pixels under it are put aside and back. Only
    // the part the canvas can show matters, which also keeps the copy small for a huge caption rect.
    const TRect caption = TRect::FromQRect(info.CaptionRect.ToQRect().intersected(canvas.ClipRect().ToQRect()));
    const QImage underCaption = caption.IsEmpty() ? QImage() : canvas.CopyImage(caption);
    DrawElementFrame(Element(ButtonGroupbox), canvas, info.Rect, 1);
    if (!underCaption.isNull())
        canvas.Draw(caption.Left, caption.Top, underCaption);
}

// Memo and box.

bool TTeThemeMsStyles::IsMemoAvailable(TteKind, const QString&) { return Element(Edit).IsLoaded(); }
bool TTeThemeMsStyles::IsMemoTransparent(TteKind, const QString&) { return false; }

TRect TTeThemeMsStyles::GetMemoClientRect(TteKind, TCanvas&, const TRect& rect, const QString&)
{
    return InflateRectBy(rect, -2);
}

void TTeThemeMsStyles::DrawMemo(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    using enum TteMemoState;
    TmsuxThemeObject& edit = Element(Edit);
    switch (ThemeEnum<TteMemoState>(info.State)) {
    case kmsNormal: case kmsHot: case kmsFocused: DrawElementFrame(edit, canvas, info.Rect, 1); break;
    case kmsDisabled: DrawWithFillOf(edit, Element(EditEdittextDisabled), canvas, info.Rect); break;
    case kmsReadOnly: DrawWithFillOf(edit, Element(EditEdittextReadonly), canvas, info.Rect); break;
    case kmsSelection: FillRectColor(canvas, info.Rect, SysColor(clHighlight)); break;
    default: break;
    }
}

bool TTeThemeMsStyles::IsBoxAvailable(TteKind, const QString&) { return true; }
bool TTeThemeMsStyles::IsBoxTransparent(TteKind, const QString&) { return false; }

TRect TTeThemeMsStyles::GetBoxClientRect(TteKind, TCanvas&, const TRect& rect, const QString&)
{
    return InflateRectBy(rect, -2);
}

void TTeThemeMsStyles::DrawBox(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    FillRectColor(canvas, info.Rect, SysColor(clBtnFace));
    DrawFrameRect(canvas, info.Rect, Element(Edit).BorderColor);
}
