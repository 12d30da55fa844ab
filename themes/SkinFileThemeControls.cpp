// The control families of the skin-file theme: each picks its object and child, translates the
// element's state into a skin state, and paints the child into the element's rectangle.
#include "framework/Canvas.h"
#include "graphics/CanvasDraw.h"
#include "graphics/FrameGlyphs.h"
#include "graphics/Bitmap.h"
#include "graphics/RectUtils.h"
#include "theme/ThemeColors.h"
#include "theme/ThemeFonts.h"
#include "themes/SkinFileTheme.h"
#include "themes/SkinSource.h"

namespace {

using namespace SkinState;

// The skin state of each element state of a family; states the table does not list are normal.
template <class E>
using TSkinStates = TteEnumTable<E, std::uint8_t>;

// Small buttons: roll-panel and tab-row scroll buttons.
constexpr TSkinStates<TteSmallButtonState> kSmallButton{Normal,
                                                        {{TteSmallButtonState::ksbsHot, Hot},
                                                         {TteSmallButtonState::ksbsPressed, Pressed},
                                                         {TteSmallButtonState::ksbsDisabled, Disabled}}};

TSkinEntry CheckBoxEntry(TteKind kind)
{
    return ThemeEnum<TteCheckBoxKind>(kind) == TteCheckBoxKind::kcbkRadioButton ? TSkinEntry::RadioButton
                                                                                 : TSkinEntry::Checkbox;
}

TSkinEntry MenuEntry(TteKind kind)
{
    return ThemeEnum<TteMenuKind>(kind) == TteMenuKind::kmkPopup ? TSkinEntry::PopupMenu : TSkinEntry::MenuBar;
}

void FillTriangle(TCanvas& canvas, const TRect& rect, bool up, TColor color)
{
    // A 7 × 4 triangle centred in the rectangle.
    const TRect box = CenterRect({0, 0, 7, 4}, rect);
    for (int row = 0; row < 4; ++row) {
        const int inset = up ? 3 - row : row;
        FillRectColor(canvas, {box.Left + inset, box.Top + row, box.Right - inset, box.Top + row + 1}, color);
    }
}

}  // namespace

// --- hint, panel, splitter ---

bool TTeSkinFile::IsHintAvailable(TteKind, const QString& objectName) { return Available(objectName, TSkinEntry::Hint); }

TRect TTeSkinFile::GetHintClientRect(TteKind, TCanvas&, const TRect& rect, const QString&)
{
    return InsetRect(rect, 4, 3);
}

void TTeSkinFile::DrawHint(TteKind, TCanvas& canvas, const TRect& rect, const QString& objectName)
{
    if (TSeSkinObject* hint = Pick(objectName, TSkinEntry::Hint)) {
        PaintObject(hint, canvas, rect, Normal);
        return;
    }
    FillRectColor(canvas, rect, Colors()->GetColor(TteThemeColor::ktcHint));
    canvas.Brush()->SetColor(0x00808080);
    canvas.FrameRect(rect);
}

bool TTeSkinFile::IsPanelAvailable(TteKind, const QString& objectName)
{
    return Available(objectName, TSkinEntry::Container);
}

TRect TTeSkinFile::GetPanelClientRect(TteKind, const TRect& rect, const QString& objectName)
{
    return ShrunkByMargins(ChildOf(Pick(objectName, TSkinEntry::Container), {"Panel"}), rect);
}

void TTeSkinFile::DrawPanel(TteKind, TCanvas& canvas, const TRect& rect, const QString& objectName)
{
    PaintChild(objectName, TSkinEntry::Container, {"Panel"}, canvas, rect, Normal);
}

bool TTeSkinFile::IsSplitterAvailable(TteKind, const QString& objectName)
{
    return Available(objectName, TSkinEntry::Splitter);
}

void TTeSkinFile::DrawSplitter(TteKind, TCanvas& canvas, const TRect& rect, const QString& objectName)
{
    PaintObject(Pick(objectName, TSkinEntry::Splitter), canvas, rect, Normal);
}

// --- buttons and check boxes ---

bool TTeSkinFile::IsButtonAvailable(TteKind kind, const QString& objectName)
{
    if (Names(objectName))
        return true;
    const auto button = ThemeEnum<TteButtonKind>(kind);
    if (button == TteButtonKind::kbkPushButton)
        return Entry(TSkinEntry::Button) != nullptr;
    if (button == TteButtonKind::kbkSpinUp || button == TteButtonKind::kbkSpinDown)
        return Entry(TSkinEntry::SpinButton) != nullptr;
    return false;
}

bool TTeSkinFile::IsButtonTransparent(TteKind, const QString& objectName)
{
    return FrameMasked(objectName, TSkinEntry::Button);
}

void TTeSkinFile::DrawButton(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName)
{
    const auto button = ThemeEnum<TteButtonKind>(kind);
    const TSkinEntry entry = button == TteButtonKind::kbkSpinUp || button == TteButtonKind::kbkSpinDown
                                 ? TSkinEntry::SpinButton
                             : button == TteButtonKind::kbkSpinLeft || button == TteButtonKind::kbkSpinRight
                                 ? TSkinEntry::ScrollBar
                                 : TSkinEntry::Button;
    TSeSkinObject* object = Pick(objectName, entry);
    if (object == nullptr)
        return;
    if (button == TteButtonKind::kbkSpinLeft || button == TteButtonKind::kbkSpinRight) {
        object = ChildOf(object, {button == TteButtonKind::kbkSpinLeft ? "LeftButton" : "RightButton"});
        if (object == nullptr)
            return;
    } else if (TSeSkinObject* face = ChildOf(object, {"Face"})) {
        object = face;
    }
    using enum TteButtonState;
    static constexpr TSkinStates<TteButtonState> kStates{Normal,
                                                         {{kbsHot, Hot},
                                                          {kbsPressed, Pressed},
                                                          {kbsDisabled, Disabled},
                                                          {kbsFocused, Focused},
                                                          {kbsNotProduced5, Hot},
                                                          {kbsDefault, Focused},
                                                          {kbsNotProduced7, Hot},
                                                          {kbsNotProduced8, Pressed}}};
    PaintObject(object, canvas, info.Rect, kStates[ThemeEnum<TteButtonState>(info.State)]);
    if (entry == TSkinEntry::SpinButton)
        FillTriangle(canvas, info.Rect, button == TteButtonKind::kbkSpinUp,
                     Fonts()->GetFont(TteThemeFont::ktfButtonTextNormal)->Color());
}

bool TTeSkinFile::IsCheckBoxAvailable(TteKind kind, const QString& objectName)
{
    return Available(objectName, CheckBoxEntry(kind));
}

void TTeSkinFile::DrawCheckBox(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName)
{
    using enum TteCheckRow;
    using enum TteCheckColumn;
    const bool radio = ThemeEnum<TteCheckBoxKind>(kind) == TteCheckBoxKind::kcbkRadioButton;
    const auto state = ThemeEnum<TteCheckState>(info.State);
    const TteCheckRow row = CheckRowOf(state);
    const char* child = row == kcrChecked ? "Checked" : row == kcrUnchecked ? "Unchecked" : "Mixed";
    if (radio && row >= kcrMixed)
        return;
    static constexpr TSkinStates<TteCheckColumn> kColumns{
        Normal, {{kccHot, Hot}, {kccPressed, Pressed}, {kccDisabled, Disabled}}};
    PaintChild(objectName, radio ? TSkinEntry::RadioButton : TSkinEntry::Checkbox, {child}, canvas, info.Rect,
               kColumns[CheckColumnOf(state)], true);
}

TSize TTeSkinFile::GetCheckBoxSize(TteKind kind, const QString& objectName)
{
    if (const TSeSkinObject* checked = ChildOf(Pick(objectName, CheckBoxEntry(kind)), {"Checked"}))
        return {checked->Width(), checked->Height()};
    return TteTheme::GetCheckBoxSize(kind, objectName);
}

// --- scroll, progress and track bars ---

bool TTeSkinFile::IsScrollBarAvailable(TteKind, const QString& objectName)
{
    return Available(objectName, TSkinEntry::ScrollBar);
}

bool TTeSkinFile::IsScrollBarTransparent(TteKind, const QString& objectName)
{
    return FrameMasked(objectName, TSkinEntry::ScrollBar);
}

void TTeSkinFile::DrawScrollBarFrame(TteKind, TCanvas& canvas, const TRect& rect, const QString& objectName)
{
    PaintChild(objectName, TSkinEntry::ScrollBox, {"Frame"}, canvas, rect, Normal);
}

namespace {

constexpr TSkinStates<TteScrollBarState> kScrollStates{Normal,
                                                       {{TteScrollBarState::ksbsPressed, Pressed},
                                                        {TteScrollBarState::ksbsHot, Hot},
                                                        {TteScrollBarState::ksbsDisabled, Disabled}}};

}  // namespace

void TTeSkinFile::DrawScrollBarPart(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName)
{
    const char* child = nullptr;
    switch (ThemeEnum<TteScrollBarPart>(info.Part)) {
    case TteScrollBarPart::ksbpUpArrow: child = "TopButton"; break;
    case TteScrollBarPart::ksbpDownArrow: child = "BottomButton"; break;
    case TteScrollBarPart::ksbpLeftArrow: child = "LeftButton"; break;
    case TteScrollBarPart::ksbpRightArrow: child = "RightButton"; break;
    case TteScrollBarPart::ksbpHorzThumb: child = "HorzSlider"; break;
    case TteScrollBarPart::ksbpVertThumb: child = "VertSlider"; break;
    default: return;
    }
    PaintChild(objectName, TSkinEntry::ScrollBar, {child}, canvas, info.Rect,
               kScrollStates[ThemeEnum<TteScrollBarState>(info.State)]);
}

void TTeSkinFile::DrawScrollBarTrack(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName)
{
    const bool horizontal = ThemeEnum<TteScrollBarTrack>(info.Part) == TteScrollBarTrack::ksbtHorizontal;
    PaintChild(objectName, TSkinEntry::ScrollBar, {horizontal ? "HorzFrame" : "VertFrame"}, canvas, info.Rect,
               kScrollStates[ThemeEnum<TteScrollBarState>(info.State)]);
}

bool TTeSkinFile::IsProgressBarAvailable(TteKind, const QString& objectName)
{
    return Available(objectName, TSkinEntry::ProgressBar);
}

bool TTeSkinFile::IsProgressBarTransparent(TteKind, const QString& objectName)
{
    return FrameMasked(objectName, TSkinEntry::ProgressBar);
}

void TTeSkinFile::DrawProgressBar(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName)
{
    TSeSkinObject* bar = Pick(objectName, TSkinEntry::ProgressBar);
    TSeSkinObject* child = nullptr;
    switch (ThemeEnum<TteProgressBarPart>(info.Part)) {
    case TteProgressBarPart::kpbpVertFrame: child = ChildOf(bar, {"FrameVert", "Frame"}); break;
    case TteProgressBarPart::kpbpHorzFrame: child = ChildOf(bar, {"FrameHorz", "Frame"}); break;
    case TteProgressBarPart::kpbpVertChunks: child = ChildOf(bar, {"BarVert", "Bar"}); break;
    case TteProgressBarPart::kpbpHorzChunks: child = ChildOf(bar, {"BarHorz", "Bar"}); break;
    case TteProgressBarPart::kpbpVertSmooth: child = ChildOf(bar, {"SolidVert", "Solid", "BarVert", "Bar"}); break;
    case TteProgressBarPart::kpbpHorzSmooth: child = ChildOf(bar, {"SolidHorz", "Solid", "BarHorz", "Bar"}); break;
    }
    PaintObject(child, canvas, info.Rect, Normal);
}

bool TTeSkinFile::IsTrackBarAvailable(TteKind, const QString& objectName)
{
    return Available(objectName, TSkinEntry::TrackBar);
}

// A skin has no picture for the whole bar: its track and thumb lie on what is under the control.
bool TTeSkinFile::IsTrackBarTransparent(TteKind, const QString&) { return true; }

void TTeSkinFile::DrawTrackBar(TteKind, TCanvas&, const TRect&, const QString&) {}

void TTeSkinFile::DrawTrackBarTrack(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName)
{
    const bool vertical = ThemeEnum<TteTrackBarTrack>(info.Part) == TteTrackBarTrack::ktbtVertical;
    const bool disabled = ThemeEnum<TteTrackBarTrackState>(info.State) == TteTrackBarTrackState::ktbtsDisabled;
    PaintChild(objectName, TSkinEntry::TrackBar, {vertical ? "TrackVert" : "TrackHorz", "Track"}, canvas, info.Rect,
               disabled ? Disabled : Normal);
}

void TTeSkinFile::DrawTrackBarThumb(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName)
{
    using enum TteTrackBarThumb;
    static constexpr TteEnumTable<TteTrackBarThumb, const char*> kThumbs{nullptr,
                                                                        {{ktbtVertBoth, "ThumbVertBoth"},
                                                                         {ktbtVertRight, "ThumbVertRight"},
                                                                         {ktbtVertLeft, "ThumbVertLeft"},
                                                                         {ktbtHorzBoth, "ThumbHorzBoth"},
                                                                         {ktbtHorzDown, "ThumbHorzBottom"},
                                                                         {ktbtHorzUp, "ThumbHorzTop"}}};
    const auto thumb = ThemeEnum<TteTrackBarThumb>(info.Part);
    if (kThumbs[thumb] == nullptr)
        return;
    const char* family = thumb <= ktbtVertLeft ? "ThumbVert" : "ThumbHorz";
    static constexpr TSkinStates<TteTrackBarThumbState> kStates{Normal,
                                                                {{TteTrackBarThumbState::ktbtsHot, Hot},
                                                                 {TteTrackBarThumbState::ktbtsPressed, Pressed},
                                                                 {TteTrackBarThumbState::ktbtsFocused, Focused},
                                                                 {TteTrackBarThumbState::ktbtsDisabled, Disabled}}};
    PaintChild(objectName, TSkinEntry::TrackBar, {kThumbs[thumb], family, "Thumb"}, canvas, info.Rect,
               kStates[ThemeEnum<TteTrackBarThumbState>(info.State)], true);
}

// --- header, status bar ---

bool TTeSkinFile::IsHeaderAvailable(TteKind, const QString& objectName)
{
    return Available(objectName, TSkinEntry::Header);
}

void TTeSkinFile::DrawHeader(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName)
{
    if (TSeSkinObject* frame = ChildOf(Pick(objectName, TSkinEntry::Header), {"Frame"}))
        PaintObject(frame, canvas, rect, Normal);
    else
        TteTheme::DrawHeader(kind, canvas, rect, objectName);
}

void TTeSkinFile::DrawHeaderSection(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName)
{
    using enum TteHeaderState;
    const auto part = ThemeEnum<TteHeaderPart>(info.Part);
    const char* first = part == TteHeaderPart::khpFirst  ? "SectionFirst"
                        : part == TteHeaderPart::khpLast ? "SectionLast"
                                                         : "Section";
    static constexpr TSkinStates<TteHeaderState> kStates{Normal,
                                                         {{khsPressed, Pressed},
                                                          {khsDraggedOut, Disabled},
                                                          {khsDragging, Hot},
                                                          {khsHot, Hot},
                                                          {khsUnderDrag, Pressed},
                                                          {khsDisabled, Disabled}}};
    PaintChild(objectName, TSkinEntry::Header, {first, "Section"}, canvas, info.Rect,
               kStates[ThemeEnum<TteHeaderState>(info.State)]);
}

bool TTeSkinFile::IsStatusBarAvailable(TteKind, const QString& objectName)
{
    return Available(objectName, TSkinEntry::StatusBar);
}

void TTeSkinFile::DrawStatusBar(TteKind, TCanvas& canvas, const TRect& rect, const QString& objectName)
{
    PaintChild(objectName, TSkinEntry::StatusBar, {"Frame"}, canvas, rect, Normal);
}

void TTeSkinFile::DrawStatusPanel(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName)
{
    const auto panel = ThemeEnum<TteStatusPanel>(info.State);
    if (panel == TteStatusPanel::kspGrip) {
        PaintChild(objectName, TSkinEntry::StatusBar, {"Gripper"}, canvas, info.Rect, Normal);
        return;
    }
    if (panel > TteStatusPanel::kspGripPanel)
        return;
    TRect rect = info.Rect;
    if (panel == TteStatusPanel::kspGripPanel)
        rect.Right += 7;
    PaintChild(objectName, TSkinEntry::StatusBar, {"Panel"}, canvas, rect, Normal);
}

void TTeSkinFile::DrawStatusPanelText(TteKind kind, TCanvas& canvas, const TteElementInfo& info,
                                      const TteTextInfo& text, const QString& objectName)
{
    TteTextInfo inset = text;
    if (const TSeSkinObject* panel = ChildOf(Pick(objectName, TSkinEntry::StatusBar), {"Panel"})) {
        inset.Rect.Left += panel->TextMarginLeft();
        inset.Rect.Right -= panel->TextMarginRight();
        inset.Rect.Top += panel->TextMarginTop();
    }
    TteTheme::DrawStatusPanelText(kind, canvas, info, inset, objectName);
}

// --- edit, group box, memo ---

bool TTeSkinFile::IsEditAvailable(TteKind, const QString& objectName) { return Available(objectName, TSkinEntry::Edit); }

TRect TTeSkinFile::GetEditClientRect(TteKind, TCanvas&, const TteElementInfo& info, const QString&)
{
    return InsetRect(info.Rect, 4, 4);
}

void TTeSkinFile::DrawEdit(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName)
{
    const auto state = ThemeEnum<TteEditState>(info.State);
    if (state == TteEditState::kesSelection) {
        FillRectColor(canvas, info.Rect, Colors()->GetColor(TteThemeColor::ktcEditSelection));
        return;
    }
    static constexpr TSkinStates<TteEditState> kStates{
        Normal, {{TteEditState::kesDisabled, Disabled}, {TteEditState::kesHot, Hot}}};
    PaintChild(objectName, TSkinEntry::Edit, {"Frame"}, canvas, info.Rect, kStates[state]);
}

void TTeSkinFile::DrawEditButton(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName)
{
    // The arrow is in State, the button state in Part.
    using enum TteEditButtonArrow;
    const auto arrow = ThemeEnum<TteEditButtonArrow>(info.State);
    TSkinEntry entry;
    if (arrow == kebaDropDown)
        entry = TSkinEntry::ComboBox;
    else if (arrow >= kebaUp && arrow <= kebaNotProduced9)
        entry = TSkinEntry::Edit;
    else
        return;
    static constexpr TSkinStates<TteEditButtonState> kStates{Normal,
                                                             {{TteEditButtonState::kebsDisabled, Disabled},
                                                              {TteEditButtonState::kebsPressed, Pressed},
                                                              {TteEditButtonState::kebsHot, Hot}}};
    PaintChild(objectName, entry, {"Button"}, canvas, info.Rect, kStates[ThemeEnum<TteEditButtonState>(info.Part)]);
}

bool TTeSkinFile::IsGroupBoxAvailable(TteKind, const QString& objectName)
{
    return Available(objectName, TSkinEntry::GroupBox);
}

bool TTeSkinFile::IsGroupBoxTransparent(TteKind, const QString& objectName)
{
    return FrameMasked(objectName, TSkinEntry::GroupBox);
}

void TTeSkinFile::DrawGroupBox(TteKind, TCanvas& canvas, const TteGroupBoxInfo& info, const QString& objectName)
{
    TSeSkinObject* box = Pick(objectName, TSkinEntry::GroupBox);
    TSeSkinObject* frame = ChildOf(box, {"Frame"});
    // The caption's gap keeps what was under it.
    QImage under;
    if (!info.CaptionRect.IsEmpty())
        under = canvas.CopyImage(info.CaptionRect);
    const bool disabled = ThemeEnum<TteGroupBoxState>(info.State) == TteGroupBoxState::kgbsDisabled;
    PaintObject(frame != nullptr ? frame : box, canvas, info.Rect, disabled ? Disabled : Normal);
    if (!under.isNull())
        canvas.Draw(info.CaptionRect.Left, info.CaptionRect.Top, under);
}

bool TTeSkinFile::IsMemoAvailable(TteKind, const QString& objectName) { return Available(objectName, TSkinEntry::Edit); }

TRect TTeSkinFile::GetMemoClientRect(TteKind, TCanvas&, const TRect& rect, const QString&)
{
    return InsetRect(rect, 4, 4);
}

void TTeSkinFile::DrawMemo(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName)
{
    const bool disabled = ThemeEnum<TteMemoState>(info.State) == TteMemoState::kmsDisabled;
    PaintChild(objectName, TSkinEntry::Edit, {"Frame"}, canvas, info.Rect, disabled ? Disabled : Normal);
}

// The box is drawn as the memo is.
bool TTeSkinFile::IsBoxAvailable(TteKind, const QString& objectName) { return Available(objectName, TSkinEntry::Edit); }

TRect TTeSkinFile::GetBoxClientRect(TteKind, TCanvas&, const TRect& rect, const QString&)
{
    return InsetRect(rect, 4, 4);
}

void TTeSkinFile::DrawBox(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName)
{
    DrawMemo(kind, canvas, info, objectName);
}

// --- menus, control bar, tool bar ---

bool TTeSkinFile::IsMenuAvailable(TteKind kind, const QString& objectName)
{
    return Available(objectName, MenuEntry(kind));
}

bool TTeSkinFile::IsMenuTransparent(TteKind kind, const QString& objectName)
{
    return FrameMasked(objectName, MenuEntry(kind));
}

TRect TTeSkinFile::GetMenuClientRect(TteKind kind, const TRect& rect, const QString& objectName)
{
    return ShrunkByMargins(ChildOf(Pick(objectName, MenuEntry(kind)), {"Frame"}), rect);
}

void TTeSkinFile::DrawMenu(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName)
{
    PaintChild(objectName, MenuEntry(kind), {"Frame"}, canvas, rect, Normal);
}

void TTeSkinFile::DrawMenuItem(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName)
{
    using enum TteMenuItemPart;
    using enum TteMenuItemState;
    const bool popup = ThemeEnum<TteMenuKind>(kind) == TteMenuKind::kmkPopup;
    TSeSkinObject* menu = popup ? Entry(TSkinEntry::PopupMenu) : Entry(TSkinEntry::MenuBar);
    TSeSkinObject* named = Names(objectName) ? working_->FindObject(objectName) : nullptr;
    static constexpr TSkinStates<TteMenuItemState> kStates{
        Normal, {{kmisHot, Hot}, {kmisSelected, Focused}, {kmisDisabled, Disabled}}};
    const auto itemState = ThemeEnum<TteMenuItemState>(info.State);
    const std::uint8_t state = kStates[itemState];
    const auto part = ThemeEnum<TteMenuItemPart>(info.Part);
    switch (part) {
    case kmipItem:
        PaintObject(named != nullptr ? named : ChildOf(menu, {"Item"}), canvas, info.Rect, state);
        break;
    case kmipSeparator: {
        TSeSkinObject* separator = popup && named != nullptr ? named
                                   : popup                   ? ChildOf(menu, {"Separator", "Item"})
                                                             : ChildOf(menu, {"Separator", "Item"});
        if (separator == nullptr)
            break;
        const QString text = separator->Text();
        separator->SetText(QStringLiteral("-"));
        PaintObject(separator, canvas, info.Rect, Normal);
        separator->SetText(text);
        break;
    }
    case kmipScrollUp:
    case kmipScrollDown: {
        const bool up = part == kmipScrollUp;
        PaintObject(popup ? ChildOf(menu, {up ? "UpButton" : "DownButton", "Item"}) : ChildOf(menu, {"Item"}), canvas,
                    info.Rect, state);
        // States past disabled take its ink.
        static constexpr TteEnumTable<TteMenuItemState, TteThemeFont> kInk{
            TteThemeFont::ktfMenuItemTextDisabled,
            {{kmisNormal, TteThemeFont::ktfMenuItemTextNormal},
             {kmisHot, TteThemeFont::ktfMenuItemTextHot},
             {kmisSelected, TteThemeFont::ktfMenuItemTextSelected}}};
        FillTriangle(canvas, info.Rect, up, Fonts()->GetFont(kInk[itemState])->Color());
        break;
    }
    case kmipMinimize:
    case kmipRestore:
    case kmipClose: {
        const char* name = part == kmipMinimize ? "Min" : part == kmipRestore ? "Restore" : "Close";
        const unsigned symbol = name[0] == 'M' ? DFCS_CAPTIONMIN : name[0] == 'R' ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONCLOSE;
        if (TSeSkinObject* button = ChildOf(menu, {name}))
            PaintObject(button, canvas, info.Rect, state, true);
        else
            DrawFrameGlyph(canvas, info.Rect, DFC_CAPTION, symbol, clBlack);
        break;
    }
    default:
        break;
    }
}

bool TTeSkinFile::IsControlBarAvailable(TteKind, const QString& objectName)
{
    return Available(objectName, TSkinEntry::ControlBar);
}

void TTeSkinFile::DrawControlBar(TteKind, TCanvas& canvas, const TRect& rect, const QString& objectName)
{
    PaintChild(objectName, TSkinEntry::ControlBar, {"Back"}, canvas, rect, Normal);
}

bool TTeSkinFile::IsToolBarAvailable(TteKind, const QString& objectName)
{
    return Available(objectName, TSkinEntry::ControlBar);
}

void TTeSkinFile::DrawToolBar(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName)
{
    if (ThemeEnum<TteToolBarKind>(kind) == TteToolBarKind::ktbkPopupMenu)
        DrawMenu(ThemeByte(TteMenuKind::kmkPopup), canvas, rect, objectName);
    else
        PaintChild(objectName, TSkinEntry::ControlBar, {"Frame"}, canvas, rect, Normal);
}

void TTeSkinFile::DrawToolButton(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName)
{
    using enum TteToolButtonState;
    static constexpr TSkinStates<TteToolButtonState> kStates{Normal,
                                                             {{ktbsHot, Hot},
                                                              {ktbsPressed, Pressed},
                                                              {ktbsDisabled, Disabled},
                                                              {ktbsAlsoChecked, Pressed},
                                                              {ktbsHotChecked, Pressed}}};
    const std::uint8_t state = kStates[ThemeEnum<TteToolButtonState>(info.State)];
    switch (ThemeEnum<TteToolButtonPart>(info.Part)) {
    case TteToolButtonPart::ktbpButton:
    case TteToolButtonPart::ktbpSplitButton:
    case TteToolButtonPart::ktbpDropDown: {
        TSeSkinObject* button = Pick(objectName, TSkinEntry::SpeedButton);
        TSeSkinObject* face = ChildOf(button, {"FlatFace", "Face"});
        PaintObject(face != nullptr ? face : button, canvas, info.Rect, state);
        break;
    }
    case TteToolButtonPart::ktbpSplitDropDown:
        PaintChild(objectName, TSkinEntry::SpeedButton, {"FlatChevron", "Chevron"}, canvas, info.Rect, state);
        break;
    case TteToolButtonPart::ktbpSeparator:
        PaintChild(objectName, TSkinEntry::SpeedButton, {"Separator"}, canvas, InsetRect(info.Rect, 0, 2), Normal);
        break;
    case TteToolButtonPart::ktbpGripper:
        PaintChild(objectName, TSkinEntry::ControlBar, {"Grabber"}, canvas, info.Rect, state);
        break;
    case TteToolButtonPart::ktbpVertGripper:
        PaintChild(objectName, TSkinEntry::ControlBar, {"GrabberVert", "Grabber"}, canvas, info.Rect, state);
        break;
    default:
        break;
    }
}

// --- scroll box, roll panel ---

bool TTeSkinFile::IsScrollBoxAvailable(TteKind, const QString& objectName)
{
    return Available(objectName, TSkinEntry::ScrollBox);
}

void TTeSkinFile::DrawScrollBox(TteKind, TCanvas& canvas, const TRect& rect, const QString& objectName)
{
    PaintChild(objectName, TSkinEntry::ScrollBox, {"Frame"}, canvas, rect, Normal);
}

bool TTeSkinFile::IsRollPanelAvailable(TteKind, const QString& objectName)
{
    return Available(objectName, TSkinEntry::Panel);
}

TRect TTeSkinFile::GetRollPanelClientRect(TteKind, TCanvas&, const TRect& rect, const QString& objectName)
{
    const bool isDefault = objectName.compare(QLatin1String("default"), Qt::CaseInsensitive) == 0;
    TSeSkinObject* panel = isDefault ? Entry(TSkinEntry::Panel) : working_->FindObject(objectName);
    return ShrunkByMargins(panel, rect);
}

void TTeSkinFile::DrawRollPanel(TteKind, TCanvas& canvas, const TRect& rect, const QString& objectName)
{
    PaintChild(objectName, TSkinEntry::Panel, {"Frame"}, canvas, rect, Normal);
}

void TTeSkinFile::DrawRollPanelCaption(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName)
{
    TSeSkinObject* caption = ChildOf(Pick(objectName, TSkinEntry::Panel), {"Caption"});
    PaintObject(caption, canvas, info.Rect, Normal);
    if (caption != nullptr)
        caption->SetText({});
}

void TTeSkinFile::DrawRollPanelButton(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName)
{
    using enum TteRollPanelButton;
    static constexpr TteEnumTable<TteRollPanelButton, const char*> kChildren{
        nullptr, {{krpbRollUp, "ButtonRollup"}, {krpbRollDown, "ButtonRollDown"}, {krpbHide, "ButtonHide"}}};
    if (const char* child = kChildren[ThemeEnum<TteRollPanelButton>(info.Part)])
        PaintChild(objectName, TSkinEntry::Panel, {child}, canvas, info.Rect,
                   kSmallButton[ThemeEnum<TteSmallButtonState>(info.State)]);
}

// --- tabs ---

bool TTeSkinFile::IsTabAvailable(TteKind, const QString& objectName) { return Available(objectName, TSkinEntry::Tabs); }

TRect TTeSkinFile::GetTabClientRect(TteKind, const TRect& rect, const QString&) { return InsetRect(rect, 2, 2); }

void TTeSkinFile::DrawTabPane(TteKind, TCanvas& canvas, const TRect& rect, const QString& objectName)
{
    PaintChild(objectName, TSkinEntry::Tabs, {"Frame"}, canvas, rect, Normal);
}

void TTeSkinFile::DrawTab(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName)
{
    using enum TteTabPart;
    TSeSkinObject* tabs = Pick(objectName, TSkinEntry::Tabs);
    const auto part = ThemeEnum<TteTabPart>(info.Part);
    const char* own = part <= ktpTopLast ? "TabTop" : part <= ktpLeftLast ? "TabLeft" : "TabRight";
    static constexpr TSkinStates<TteTabState> kStates{
        Normal,
        {{TteTabState::ktsHot, Hot}, {TteTabState::ktsDisabled, Disabled}, {TteTabState::ktsSelected, Focused}}};
    const std::uint8_t state = kStates[ThemeEnum<TteTabState>(info.State)];
    if (TSeSkinObject* tab = ChildOf(tabs, {own})) {
        PaintObject(tab, canvas, info.Rect, state);
        return;
    }
    TSeSkinObject* tab = ChildOf(tabs, {"Tab"});
    if (tab == nullptr || info.Rect.IsEmpty())
        return;
    if (part <= ktpTopLast) {
        PaintObject(tab, canvas, info.Rect, state);
        return;
    }
    // Tabs at the sides and bottom are the top tab turned: drawn unturned, then copied turned.
    const bool sideways = part <= ktpRightLast;
    const int w = sideways ? info.Rect.Height() : info.Rect.Width();
    const int h = sideways ? info.Rect.Width() : info.Rect.Height();
    TteBitmap unturned;
    unturned.SetSize(w, h);
    PaintObject(tab, unturned.Canvas(), {0, 0, w, h}, state);
    QImage turned = unturned.ToImage();
    if (part <= ktpLeftLast)
        turned = turned.transformed(QTransform().rotate(-90));
    else if (part <= ktpRightLast)
        turned = turned.transformed(QTransform().rotate(90));
    else
        turned = turned.mirrored(false, true);
    canvas.Draw(info.Rect.Left, info.Rect.Top, turned);
}

void TTeSkinFile::DrawTabScrollButton(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName)
{
    const bool left = ThemeEnum<TteTabScrollButton>(info.Part) == TteTabScrollButton::ktsbLeft;
    PaintChild(objectName, TSkinEntry::Tabs, {left ? "LeftButton" : "RightButton"},
               canvas, info.Rect, kSmallButton[ThemeEnum<TteSmallButtonState>(info.State)]);
}

// --- list box, tree, grid ---

bool TTeSkinFile::IsListBoxAvailable(TteKind, const QString& objectName)
{
    return Available(objectName, TSkinEntry::ListBox);
}

TRect TTeSkinFile::GetListBoxClientRect(TteKind, const TRect& rect, const QString& objectName)
{
    return ShrunkByMargins(ChildOf(Pick(objectName, TSkinEntry::ListBox), {"Frame"}), rect);
}

void TTeSkinFile::DrawListBox(TteKind, TCanvas& canvas, const TRect& rect, const QString& objectName)
{
    PaintChild(objectName, TSkinEntry::ListBox, {"Frame"}, canvas, rect, Normal);
}

namespace {

constexpr TSkinStates<TteListItemState> kItemStates{Normal,
                                                    {{TteListItemState::klisSelected, Focused},
                                                     {TteListItemState::klisFocused, Focused},
                                                     {TteListItemState::klisDisabled, Disabled}}};

}  // namespace

void TTeSkinFile::DrawListBoxItem(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName)
{
    PaintChild(objectName, TSkinEntry::ListBox, {"Item"}, canvas, info.Rect,
               kItemStates[ThemeEnum<TteListItemState>(info.State)]);
}

void TTeSkinFile::DrawListBoxItemCheck(TteKind kind, TCanvas& canvas, const TteElementInfo& info,
                                       const TteListCheckInfo& check, const QString& objectName)
{
    if (check.Check == TteListCheck::klcGlyph) {
        if (check.Glyph != nullptr && !check.Glyph->Empty())
            check.Glyph->Draw(canvas, CenterRect(check.Glyph->BoundsRect(), check.Rect));
        return;
    }
    const char* name = check.Check == TteListCheck::klcChecked ? "Checked"
                       : check.Check == TteListCheck::klcUnchecked ? "Unchecked"
                                                                   : "Mixed";
    TSeSkinObject* list = Pick(objectName, TSkinEntry::ListBox);
    TSeSkinObject* checkBox = Entry(TSkinEntry::Checkbox);
    TSeSkinObject* mark = ChildOf(list, {name});
    if (mark == nullptr)
        mark = ChildOf(checkBox, {name});
    if (mark == nullptr && check.Check == TteListCheck::klcMixed)
        mark = ChildOf(list, {"Checked"}) != nullptr ? ChildOf(list, {"Checked"}) : ChildOf(checkBox, {"Checked"});
    if (mark != nullptr)
        PaintObject(mark, canvas, check.Rect, Normal, true);
    else
        TteTheme::DrawListBoxItemCheck(kind, canvas, info, check, objectName);
}

bool TTeSkinFile::IsTreeAvailable(TteKind, const QString& objectName) { return Available(objectName, TSkinEntry::ListBox); }

// The list box's insets serve the tree too.
TRect TTeSkinFile::GetTreeClientRect(TteKind kind, const TRect& rect, const QString& objectName)
{
    return GetListBoxClientRect(kind, rect, objectName);
}

void TTeSkinFile::DrawTree(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName)
{
    DrawListBox(kind, canvas, rect, objectName);
}

void TTeSkinFile::DrawTreeItem(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName)
{
    DrawListBoxItem(kind, canvas, info, objectName);
}

bool TTeSkinFile::IsGridAvailable(TteKind, const QString& objectName) { return Available(objectName, TSkinEntry::Grid); }

// The frame's margins, as for the list box.
TRect TTeSkinFile::GetGridClientRect(TteKind, const TRect& rect, const QString& objectName)
{
    return ShrunkByMargins(ChildOf(Pick(objectName, TSkinEntry::Grid), {"Frame"}), rect);
}

void TTeSkinFile::DrawGrid(TteKind, TCanvas& canvas, const TRect& rect, const QString& objectName)
{
    PaintChild(objectName, TSkinEntry::Grid, {"Frame"}, canvas, rect, Normal);
}

void TTeSkinFile::DrawGridCell(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName)
{
    // The cell's state is in Part and its kind in State.
    using enum TteGridCellState;
    static constexpr TSkinStates<TteGridCellState> kStates{
        Normal,
        {{kgcsSelected, Hot}, {kgcsNotProduced2, Focused}, {kgcsHighlighted, Focused}, {kgcsDisabled, Disabled}}};
    const bool fixed = ThemeEnum<TteGridCellKind>(info.State) == TteGridCellKind::kgckFixed;
    PaintChild(objectName, TSkinEntry::Grid, {fixed ? "Fixed" : "Cell"}, canvas, info.Rect,
               kStates[ThemeEnum<TteGridCellState>(info.Part)]);
}
