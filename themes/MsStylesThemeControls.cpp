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

// Push and spin buttons: 0 normal, 1 hot, 2 pressed, 3 disabled, 4 focused, 6 default.
int ButtonFrame(std::uint8_t state)
{
    switch (state) {
    case 0: return 1;
    case 1: case 5: case 7: return 2;
    case 3: case 9: return 4;
    case 4: case 6: return 5;
    default: return 3;
    }
}

// The strip holds unchecked frames 1-4, checked 5-8 and mixed 9-12 (normal, hot, pressed, disabled),
// while the states count checked 0-4, unchecked 5-9 and mixed 10-14; the fifth state of a row shows
// the row's normal frame.
int CheckBoxFrame(std::uint8_t state)
{
    if (state > 14)
        return 0;
    static constexpr int kRowStart[] = {5, 1, 9};
    const int column = state % 5;
    return kRowStart[state / 5] + (column == 4 ? 0 : column);
}

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
    // The horizontal spin arrows are drawn from each other's section: kind 6 (left) shows "Spin.Downhorz".
    TMsElement element = ButtonPushbutton;
    switch (kind) {
    case 4: element = SpinUp; break;
    case 5: element = SpinDown; break;
    case 6: element = SpinDownhorz; break;
    case 7: element = SpinUphorz; break;
    default: break;
    }
    DrawElementFrame(Element(element), canvas, info.Rect, ButtonFrame(info.State));
}

// Check box.

bool TTeThemeMsStyles::IsCheckBoxAvailable(TteKind, const QString&) { return true; }
bool TTeThemeMsStyles::IsCheckBoxTransparent(TteKind, const QString&) { return true; }

void TTeThemeMsStyles::DrawCheckBox(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString&)
{
    if (kind > 1)
        return;
    DrawElementFrame(Element(kind == 0 ? ButtonCheckbox : ButtonRadiobutton), canvas, info.Rect,
                     CheckBoxFrame(info.State));
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
    const bool combo = kind >= 4 && kind <= 6;
    TmsuxThemeObject& element = Element(combo ? Combobox : Edit);
    switch (info.State) {
    case 0: case 1: case 2: case 3: DrawElementFrame(element, canvas, info.Rect, 1); break;
    case 4:
        DrawWithFillOf(element, Element(combo ? ComboboxDisabled : EditEdittextDisabled), canvas, info.Rect);
        break;
    case 5:
        if (!combo)
            DrawWithFillOf(element, Element(EditEdittextReadonly), canvas, info.Rect);
        break;
    case 6:
        if (!combo)
            FillRectColor(canvas, info.Rect, SysColor(clHighlight));
        break;
    default: break;
    }
}

void TTeThemeMsStyles::DrawEditButton(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&)
{
    // Here Part carries the button's state: 0 normal, 1 hot, 2 pressed, 4 disabled.
    int frame = 1;
    switch (info.Part) {
    case 1: frame = 2; break;
    case 2: frame = 3; break;
    case 4: frame = 4; break;
    default: break;
    }
    DrawElementFrame(Element(ComboboxDropDownButton), canvas, info.Rect, frame);
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
    TmsuxThemeObject& edit = Element(Edit);
    switch (info.State) {
    case 0: case 1: case 2: DrawElementFrame(edit, canvas, info.Rect, 1); break;
    case 3: DrawWithFillOf(edit, Element(EditEdittextDisabled), canvas, info.Rect); break;
    case 4: DrawWithFillOf(edit, Element(EditEdittextReadonly), canvas, info.Rect); break;
    case 5: FillRectColor(canvas, info.Rect, SysColor(clHighlight)); break;
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
