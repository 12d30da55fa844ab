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

// The skin state of an element state, by a table indexed with the element state; states past the
// table are normal.
template <std::size_t N>
std::uint8_t Translate(const std::uint8_t (&table)[N], std::uint8_t state)
{
    return state < N ? table[state] : Normal;
}

// Small buttons (roll panel, tab scroll buttons, edit buttons by their 0-4 states): normal, hot,
// pressed, disabled.
constexpr std::uint8_t kSmallButton[] = {Normal, Hot, Pressed, Disabled};

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
    const auto button = static_cast<TteButtonKind>(kind);
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
    const auto button = static_cast<TteButtonKind>(kind);
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
    constexpr std::uint8_t kStates[] = {Normal, Hot, Pressed, Disabled, Focused, Hot, Focused, Hot, Pressed};
    PaintObject(object, canvas, info.Rect, Translate(kStates, info.State));
    if (entry == TSkinEntry::SpinButton)
        FillTriangle(canvas, info.Rect, button == TteButtonKind::kbkSpinUp,
                     Fonts()->GetFont(TteThemeFont::ktfButtonTextNormal)->Color());
}

bool TTeSkinFile::IsCheckBoxAvailable(TteKind kind, const QString& objectName)
{
    return Available(objectName, kind == 1 ? TSkinEntry::RadioButton : TSkinEntry::Checkbox);
}

void TTeSkinFile::DrawCheckBox(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName)
{
    const bool radio = kind == static_cast<TteKind>(TteCheckBoxKind::kcbkRadioButton);
    const char* child = info.State < 5 ? "Checked" : info.State < 10 ? "Unchecked" : "Mixed";
    if (radio && info.State >= 10)
        return;
    constexpr std::uint8_t kPosition[] = {Normal, Hot, Pressed, Disabled, Normal};
    PaintChild(objectName, radio ? TSkinEntry::RadioButton : TSkinEntry::Checkbox, {child}, canvas, info.Rect,
               kPosition[info.State % 5], true);
}

TSize TTeSkinFile::GetCheckBoxSize(TteKind kind, const QString& objectName)
{
    if (const TSeSkinObject* checked = ChildOf(Pick(objectName, kind == 1 ? TSkinEntry::RadioButton : TSkinEntry::Checkbox),
                                               {"Checked"}))
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

constexpr std::uint8_t kScrollStates[] = {Normal, Pressed, Hot, Disabled};

}  // namespace

void TTeSkinFile::DrawScrollBarPart(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName)
{
    const char* child = nullptr;
    switch (static_cast<TteScrollBarPart>(info.Part)) {
    case TteScrollBarPart::ksbpUpArrow: child = "TopButton"; break;
    case TteScrollBarPart::ksbpDownArrow: child = "BottomButton"; break;
    case TteScrollBarPart::ksbpLeftArrow: child = "LeftButton"; break;
    case TteScrollBarPart::ksbpRightArrow: child = "RightButton"; break;
    case TteScrollBarPart::ksbpHorzThumb: child = "HorzSlider"; break;
    case TteScrollBarPart::ksbpVertThumb: child = "VertSlider"; break;
    default: return;
    }
    PaintChild(objectName, TSkinEntry::ScrollBar, {child}, canvas, info.Rect, Translate(kScrollStates, info.State));
}

void TTeSkinFile::DrawScrollBarTrack(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName)
{
    const bool horizontal = info.Part == static_cast<std::uint8_t>(TteScrollBarTrack::ksbtHorizontal);
    PaintChild(objectName, TSkinEntry::ScrollBar, {horizontal ? "HorzFrame" : "VertFrame"}, canvas, info.Rect,
               Translate(kScrollStates, info.State));
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
    switch (static_cast<TteProgressBarPart>(info.Part)) {
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
    const bool vertical = info.Part == static_cast<std::uint8_t>(TteTrackBarTrack::ktbtVertical);
    PaintChild(objectName, TSkinEntry::TrackBar, {vertical ? "TrackVert" : "TrackHorz", "Track"}, canvas, info.Rect,
               info.State == 1 ? Disabled : Normal);
}

void TTeSkinFile::DrawTrackBarThumb(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName)
{
    static const char* const kThumbs[] = {"ThumbVertBoth", "ThumbVertRight", "ThumbVertLeft",
                                          "ThumbHorzBoth", "ThumbHorzBottom", "ThumbHorzTop"};
    if (info.Part >= std::size(kThumbs))
        return;
    const char* family = info.Part < 3 ? "ThumbVert" : "ThumbHorz";
    constexpr std::uint8_t kStates[] = {Normal, Hot, Pressed, Focused, Disabled};
    PaintChild(objectName, TSkinEntry::TrackBar, {kThumbs[info.Part], family, "Thumb"}, canvas, info.Rect,
               Translate(kStates, info.State), true);
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
    const char* first = info.Part == static_cast<std::uint8_t>(TteHeaderPart::khpFirst)  ? "SectionFirst"
                        : info.Part == static_cast<std::uint8_t>(TteHeaderPart::khpLast) ? "SectionLast"
                                                                                          : "Section";
    constexpr std::uint8_t kStates[] = {Normal, Pressed, Disabled, Hot, Hot, Pressed, Disabled};
    PaintChild(objectName, TSkinEntry::Header, {first, "Section"}, canvas, info.Rect, Translate(kStates, info.State));
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
    if (info.State == static_cast<std::uint8_t>(TteStatusPanel::kspGrip)) {
        PaintChild(objectName, TSkinEntry::StatusBar, {"Gripper"}, canvas, info.Rect, Normal);
        return;
    }
    if (info.State > static_cast<std::uint8_t>(TteStatusPanel::kspGripPanel))
        return;
    TRect rect = info.Rect;
    if (info.State == static_cast<std::uint8_t>(TteStatusPanel::kspGripPanel))
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
    if (info.State == static_cast<std::uint8_t>(TteEditState::kesSelection)) {
        FillRectColor(canvas, info.Rect, Colors()->GetColor(TteThemeColor::ktcEditSelection));
        return;
    }
    const std::uint8_t state = info.State == static_cast<std::uint8_t>(TteEditState::kesDisabled) ? Disabled
                               : info.State == static_cast<std::uint8_t>(TteEditState::kesHot)    ? Hot
                                                                                                  : Normal;
    PaintChild(objectName, TSkinEntry::Edit, {"Frame"}, canvas, info.Rect, state);
}

void TTeSkinFile::DrawEditButton(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName)
{
    // The arrow is in State, the button state in Part.
    TSkinEntry entry;
    if (info.State == static_cast<std::uint8_t>(TteEditButtonArrow::kebaDropDown))
        entry = TSkinEntry::ComboBox;
    else if (info.State >= 2 && info.State <= 9)
        entry = TSkinEntry::Edit;
    else
        return;
    const std::uint8_t state = info.Part == static_cast<std::uint8_t>(TteEditButtonState::kebsDisabled) ? Disabled
                               : info.Part == static_cast<std::uint8_t>(TteEditButtonState::kebsPressed) ? Pressed
                               : info.Part == static_cast<std::uint8_t>(TteEditButtonState::kebsHot)     ? Hot
                                                                                                         : Normal;
    PaintChild(objectName, entry, {"Button"}, canvas, info.Rect, state);
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
    PaintObject(frame != nullptr ? frame : box, canvas, info.Rect, info.State == 1 ? Disabled : Normal);
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
    PaintChild(objectName, TSkinEntry::Edit, {"Frame"}, canvas, info.Rect, info.State == 3 ? Disabled : Normal);
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
    return Available(objectName, kind == 1 ? TSkinEntry::PopupMenu : TSkinEntry::MenuBar);
}

bool TTeSkinFile::IsMenuTransparent(TteKind kind, const QString& objectName)
{
    return FrameMasked(objectName, kind == 1 ? TSkinEntry::PopupMenu : TSkinEntry::MenuBar);
}

TRect TTeSkinFile::GetMenuClientRect(TteKind kind, const TRect& rect, const QString& objectName)
{
    return ShrunkByMargins(ChildOf(Pick(objectName, kind == 1 ? TSkinEntry::PopupMenu : TSkinEntry::MenuBar), {"Frame"}),
                           rect);
}

void TTeSkinFile::DrawMenu(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName)
{
    PaintChild(objectName, kind == 1 ? TSkinEntry::PopupMenu : TSkinEntry::MenuBar, {"Frame"}, canvas, rect, Normal);
}

void TTeSkinFile::DrawMenuItem(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName)
{
    const bool popup = kind == static_cast<TteKind>(TteMenuKind::kmkPopup);
    TSeSkinObject* menu = popup ? Entry(TSkinEntry::PopupMenu) : Entry(TSkinEntry::MenuBar);
    TSeSkinObject* named = Names(objectName) ? working_->FindObject(objectName) : nullptr;
    constexpr std::uint8_t kStates[] = {Normal, Hot, Focused, Disabled};
    const std::uint8_t state = Translate(kStates, info.State);
    switch (static_cast<TteMenuItemPart>(info.Part)) {
    case TteMenuItemPart::kmipItem:
        PaintObject(named != nullptr ? named : ChildOf(menu, {"Item"}), canvas, info.Rect, state);
        break;
    case TteMenuItemPart::kmipSeparator: {
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
    case TteMenuItemPart::kmipScrollUp:
    case TteMenuItemPart::kmipScrollDown: {
        const bool up = info.Part == static_cast<std::uint8_t>(TteMenuItemPart::kmipScrollUp);
        PaintObject(popup ? ChildOf(menu, {up ? "UpButton" : "DownButton", "Item"}) : ChildOf(menu, {"Item"}), canvas,
                    info.Rect, state);
        static constexpr TteThemeFont kInk[] = {TteThemeFont::ktfMenuItemTextNormal, TteThemeFont::ktfMenuItemTextHot,
                                                TteThemeFont::ktfMenuItemTextSelected,
                                                TteThemeFont::ktfMenuItemTextDisabled};
        FillTriangle(canvas, info.Rect, up, Fonts()->GetFont(kInk[std::min<int>(info.State, 3)])->Color());
        break;
    }
    case TteMenuItemPart::kmipMinimize:
    case TteMenuItemPart::kmipRestore:
    case TteMenuItemPart::kmipClose: {
        const char* name = info.Part == static_cast<std::uint8_t>(TteMenuItemPart::kmipMinimize)  ? "Min"
                           : info.Part == static_cast<std::uint8_t>(TteMenuItemPart::kmipRestore) ? "Restore"
                                                                                                   : "Close";
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
    if (kind == 2)
        DrawMenu(static_cast<TteKind>(TteMenuKind::kmkPopup), canvas, rect, objectName);
    else
        PaintChild(objectName, TSkinEntry::ControlBar, {"Frame"}, canvas, rect, Normal);
}

void TTeSkinFile::DrawToolButton(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName)
{
    constexpr std::uint8_t kStates[] = {Normal, Hot, Pressed, Disabled, Normal, Pressed, Pressed};
    const std::uint8_t state = Translate(kStates, info.State);
    switch (static_cast<TteToolButtonPart>(info.Part)) {
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
    const char* child = info.Part == 1 ? "ButtonRollup" : info.Part == 2 ? "ButtonRollDown" : info.Part == 3 ? "ButtonHide" : nullptr;
    if (child != nullptr)
        PaintChild(objectName, TSkinEntry::Panel, {child}, canvas, info.Rect, Translate(kSmallButton, info.State));
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
    TSeSkinObject* tabs = Pick(objectName, TSkinEntry::Tabs);
    const char* own = info.Part <= 2 ? "TabTop" : info.Part <= 5 ? "TabLeft" : "TabRight";
    constexpr std::uint8_t kStates[] = {Normal, Hot, Disabled, Focused};
    const std::uint8_t state = Translate(kStates, info.State);
    if (TSeSkinObject* tab = ChildOf(tabs, {own})) {
        PaintObject(tab, canvas, info.Rect, state);
        return;
    }
    TSeSkinObject* tab = ChildOf(tabs, {"Tab"});
    if (tab == nullptr || info.Rect.IsEmpty())
        return;
    if (info.Part <= 2) {
        PaintObject(tab, canvas, info.Rect, state);
        return;
    }
    // Tabs at the sides and bottom are the top tab turned: drawn unturned, then copied turned.
    const bool sideways = info.Part <= 8;
    const int w = sideways ? info.Rect.Height() : info.Rect.Width();
    const int h = sideways ? info.Rect.Width() : info.Rect.Height();
    TteBitmap unturned;
    unturned.SetSize(w, h);
    PaintObject(tab, unturned.Canvas(), {0, 0, w, h}, state);
    QImage turned = unturned.ToImage();
    if (info.Part <= 5)
        turned = turned.transformed(QTransform().rotate(-90));
    else if (info.Part <= 8)
        turned = turned.transformed(QTransform().rotate(90));
    else
        turned = turned.mirrored(false, true);
    canvas.Draw(info.Rect.Left, info.Rect.Top, turned);
}

void TTeSkinFile::DrawTabScrollButton(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName)
{
    PaintChild(objectName, TSkinEntry::Tabs,
               {info.Part == static_cast<std::uint8_t>(TteTabScrollButton::ktsbLeft) ? "LeftButton" : "RightButton"},
               canvas, info.Rect, Translate(kSmallButton, info.State));
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

constexpr std::uint8_t kItemStates[] = {Normal, Normal, Focused, Focused, Disabled};

}  // namespace

void TTeSkinFile::DrawListBoxItem(TteKind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName)
{
    PaintChild(objectName, TSkinEntry::ListBox, {"Item"}, canvas, info.Rect, Translate(kItemStates, info.State));
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
    constexpr std::uint8_t kStates[] = {Normal, Hot, Focused, Focused, Disabled};
    const bool fixed = info.State == static_cast<std::uint8_t>(TteGridCellKind::kgckFixed);
    PaintChild(objectName, TSkinEntry::Grid, {fixed ? "Fixed" : "Cell"}, canvas, info.Rect,
               Translate(kStates, info.Part));
}
