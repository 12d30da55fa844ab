// The gallery sections for bars, edits, menus, tool bars, tabs, lists, panels and text.
#include <algorithm>
#include <iterator>
#include <optional>

#include "framework/Canvas.h"
#include "graphics/CanvasDraw.h"
#include "graphics/RectUtils.h"
#include "theme/Theme.h"
#include "tools/gallery/GallerySheet.h"

using enum TteThemeFont;

namespace {

constexpr int kMargin = 12;
const QString kDefault = QStringLiteral("default");

TteTextInfo Text(const TRect& rect, const QString& text, TteTextAlignment alignment)
{
    return MakeTextInfo(rect, text, alignment, kTextSingleLine | kTextNoPrefix, TteTextRotation::ktrNone);
}

} // namespace

void TGallerySheet::Headers()
{
    Heading(QStringLiteral("Headers"), theme_.IsHeaderAvailable(0, kDefault));
    using enum TteHeaderState;
    static constexpr TStateSample<TteHeaderState> kStates[] = {
        {khsNormal, ktfHeaderSectionTextNormal, "normal"},
        {khsPressed, ktfHeaderSectionTextPressed, "pressed"},
        {khsDraggedOut, ktfHeaderSectionTextDraggedOut, "dragged out"},
        {khsDragging, ktfHeaderSectionTextDragging, "dragging"},
        {khsHot, ktfHeaderSectionTextHot, "hot"},
        {khsUnderDrag, ktfHeaderSectionTextUnderDrag, "under drag"},
        {khsDisabled, ktfHeaderSectionTextDisabled, "disabled"}};
    constexpr int kCount = std::size(kStates);
    const int width = kCount * 130;
    theme_.DrawHeader(0, canvas_, {kMargin, y_, kMargin + width + 40, y_ + 22}, kDefault);
    // The first and the last section at the ends.
    for (int i = 0; i < kCount; ++i) {
        const int x = kMargin + i * 130;
        const TteHeaderPart part = i == 0             ? TteHeaderPart::khpFirst
                                   : i == kCount - 1 ? TteHeaderPart::khpLast
                                                     : TteHeaderPart::khpMiddle;
        const TtePartInfo info{{x, y_, x + 130, y_ + 22}, ThemeByte(part), ThemeByte(kStates[i].State)};
        theme_.DrawHeaderSection(0, canvas_, info, kDefault);
        theme_.DrawHeaderSectionGlyph(0, canvas_, info, {{x + 4, y_ + 3, x + 20, y_ + 19}, &glyph_, 4, TteGlyphKind::kgkImage}, kDefault);
        UseFont(kStates[i].Font);
        theme_.DrawHeaderSectionText(0, canvas_, info, Text({x + 24, y_, x + 126, y_ + 22}, QString::fromLatin1(kStates[i].Name),
                                                            TteTextAlignment::ktaMiddleLeft), kDefault);
    }
    NextBand(30);
}

void TGallerySheet::StatusBars()
{
    Heading(QStringLiteral("Status bar (panels: plain, plain, with grip, grip)"), theme_.IsStatusBarAvailable(0, kDefault));
    const TRect bar{kMargin, y_, kMargin + 600, y_ + 22};
    theme_.DrawStatusBar(0, canvas_, bar, kDefault);
    const TRect client = theme_.GetStatusBarClientRect(0, bar, kDefault);
    static const int kWidths[] = {200, 180, 160};
    // The middle panel is drawn with kind 1, which themes draw as a plain panel.
    static const std::uint8_t kPanels[] = {ThemeByte(TteStatusPanel::kspPanel), 1, ThemeByte(TteStatusPanel::kspGripPanel)};
    int x = client.Left;
    for (int panel = 0; panel <= 2; ++panel) {
        const TteElementInfo info{{x, client.Top, x + kWidths[panel], client.Bottom}, kPanels[panel]};
        theme_.DrawStatusPanel(0, canvas_, info, kDefault);
        if (panel == 0)
            theme_.DrawStatusPanelGlyph(0, canvas_, info, {{x + 2, client.Top + 1, x + 18, client.Top + 17}, &glyph_, 4, TteGlyphKind::kgkImage}, kDefault);
        UseFont(panel == 1 ? ktfStatusPanelTextDisabled : ktfStatusPanelTextNormal);
        theme_.DrawStatusPanelText(0, canvas_, info,
                                   Text({x + (panel == 0 ? 22 : 4), client.Top, x + kWidths[panel] - 4, client.Bottom},
                                        panel == 1 ? QStringLiteral("disabled text") : QStringLiteral("Track 3 of 12"),
                                        TteTextAlignment::ktaMiddleLeft), kDefault);
        x += kWidths[panel];
    }
    theme_.DrawStatusPanel(0, canvas_, {{bar.Right - 18, bar.Top + 4, bar.Right, bar.Bottom}, ThemeByte(TteStatusPanel::kspGrip)},
                           kDefault);
    NextBand(30);
}

void TGallerySheet::Edits()
{
    using enum TteEditState;
    constexpr TteKind kEdit = ThemeByte(TteEditKind::kekEdit);
    constexpr TteKind kCombo = ThemeByte(TteEditKind::kekComboButtonRight);
    Heading(QStringLiteral("Edits and combo boxes"), theme_.IsEditAvailable(kEdit, kDefault));
    static constexpr TStateSample<TteEditState> kStates[] = {{kesNormal, ktfEditBoxTextNormal, "normal"},
                                         {kesHot, ktfEditBoxTextHot, "hot"},
                                         {kesFocused, ktfEditBoxTextFocused, "focused"},
                                         {kesDisabled, ktfEditBoxTextDisabled, "disabled"},
                                         {kesReadOnly, ktfEditBoxTextNormal, "read-only"}};
    int x = kMargin;
    for (const TStateSample<TteEditState>& state : kStates) {
        const TteElementInfo info{{x, y_, x + 120, y_ + 21}, ThemeByte(state.State)};
        theme_.DrawEdit(kEdit, canvas_, info, kDefault);
        const TRect client = theme_.GetEditClientRect(kEdit, canvas_, info, kDefault);
        UseFont(state.Font);
        theme_.DrawText(canvas_, Text(client, QStringLiteral("Track01.mp3"), TteTextAlignment::ktaMiddleLeft));
        LabelBelow(info.Rect, QString::fromLatin1(state.Name));
        x += 134;
    }
    // A selection: the highlight under selected text.
    {
        const TteElementInfo info{{x, y_, x + 120, y_ + 21}, ThemeByte(kesNormal)};
        theme_.DrawEdit(kEdit, canvas_, info, kDefault);
        const TRect client = theme_.GetEditClientRect(kEdit, canvas_, info, kDefault);
        UseFont(ktfEditBoxTextNormal);
        const int split = client.Left + canvas_.TextWidth(QStringLiteral("Track"));
        theme_.DrawEdit(kEdit, canvas_, {{split, client.Top, client.Right - 20, client.Bottom}, ThemeByte(kesSelection)},
                        kDefault);
        theme_.DrawText(canvas_, Text({client.Left, client.Top, split, client.Bottom}, QStringLiteral("Track"), TteTextAlignment::ktaMiddleLeft));
        UseFont(ktfEditBoxTextSelected);
        theme_.DrawText(canvas_, Text({split, client.Top, client.Right, client.Bottom}, QStringLiteral("01.mp3"), TteTextAlignment::ktaMiddleLeft));
        LabelBelow(info.Rect, QStringLiteral("selection"));
        x += 134;
    }
    // Combo box: the edit with its drop-down button on the right.
    {
        const TteElementInfo info{{x, y_, x + 120, y_ + 21}, ThemeByte(kesNormal)};
        theme_.DrawEdit(kCombo, canvas_, info, kDefault);
        theme_.DrawEditButton(kCombo, canvas_,
                              {{x + 103, y_ + 2, x + 118, y_ + 19}, ThemeByte(TteEditButtonState::kebsNormal),
                               ThemeByte(TteEditButtonArrow::kebaDropDown)},
                              kDefault);
        UseFont(ktfEditBoxTextNormal);
        theme_.DrawText(canvas_, Text({x + 4, y_, x + 100, y_ + 21}, QStringLiteral("44100 Hz"), TteTextAlignment::ktaMiddleLeft));
        LabelBelow(info.Rect, QStringLiteral("combo box"));
    }
    NextBand(40);
    // Edit buttons: states normal, hot, pressed, disabled with arrows drop-down, up, down.
    x = kMargin;
    using enum TteEditButtonState;
    using enum TteEditButtonArrow;
    for (TteEditButtonArrow arrow : {kebaDropDown, kebaUp, kebaDown}) {
        int bx = x;
        for (TteEditButtonState state : {kebsNormal, kebsHot, kebsPressed, kebsDisabled}) {
            theme_.DrawEditButton(kCombo, canvas_, {{bx, y_, bx + 17, y_ + 17}, ThemeByte(state), ThemeByte(arrow)}, kDefault);
            bx += 20;
        }
        LabelBelow({x, y_, x + 77, y_ + 17}, arrow == kebaDropDown ? QStringLiteral("drop-down")
                                             : arrow == kebaUp     ? QStringLiteral("up")
                                                                   : QStringLiteral("down"));
        x += 110;
    }
    Label({x, y_, x + 400, y_ + 17}, QStringLiteral("edit buttons × normal, hot, pressed, disabled"), DT_VCENTER | DT_SINGLELINE);
    NextBand(38);
}

void TGallerySheet::GroupBoxes()
{
    Heading(QStringLiteral("Group boxes"), theme_.IsGroupBoxAvailable(0, kDefault));
    int x = kMargin;
    for (bool enabled : {true, false}) {
        UseFont(enabled ? ktfGroupBoxTextNormal : ktfGroupBoxTextDisabled);
        const QString caption = enabled ? QStringLiteral("Encoder") : QStringLiteral("Disabled");
        const int width = canvas_.TextWidth(caption);
        TteGroupBoxInfo info{{x, y_ + 6, x + 220, y_ + 70}, {x + 8, y_, x + 12 + width + 4, y_ + 14},
                             ThemeByte(enabled ? TteGroupBoxState::kgbsNormal : TteGroupBoxState::kgbsDisabled)};
        theme_.DrawGroupBox(0, canvas_, info, kDefault);
        theme_.DrawGroupBoxText(0, canvas_, info, Text({info.CaptionRect.Left + 2, info.CaptionRect.Top, info.CaptionRect.Right, info.CaptionRect.Bottom},
                                                       caption, TteTextAlignment::ktaMiddleLeft), kDefault);
        const TRect client = theme_.GetGroupBoxClientRect(0, info.Rect, kDefault);
        DrawFrameRect(canvas_, client, 0x00D0D0D0);
        Label(client, QStringLiteral("client area"), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        x += 240;
    }
    NextBand(78);
}

void TGallerySheet::Menus()
{
    using enum TteMenuItemPart;
    using enum TteMenuItemState;
    constexpr TteKind kBar = ThemeByte(TteMenuKind::kmkBar);
    constexpr TteKind kPopup = ThemeByte(TteMenuKind::kmkPopup);
    Heading(QStringLiteral("Menus"), theme_.IsMenuAvailable(kBar, kDefault) && theme_.IsMenuAvailable(kPopup, kDefault));
    // Menu bar: items normal, hot, selected, disabled, then the child-window buttons.
    const TRect bar{kMargin, y_, kMargin + 420, y_ + 20};
    theme_.DrawMenu(kBar, canvas_, bar, kDefault);
    // Named by the caption each shows.
    static constexpr TStateSample<TteMenuItemState> kBarItems[] = {{kmisNormal, ktfMenuItemTextNormal, "File"},
                                             {kmisHot, ktfMenuItemTextHot, "Edit"},
                                             {kmisSelected, ktfMenuItemTextSelected, "View"},
                                             {kmisDisabled, ktfMenuItemTextDisabled, "Help"}};
    int x = kMargin + 2;
    for (const TStateSample<TteMenuItemState>& barItem : kBarItems) {
        const TtePartInfo item{{x, y_ + 1, x + 54, y_ + 19}, ThemeByte(kmipItem), ThemeByte(barItem.State)};
        theme_.DrawMenuItem(kBar, canvas_, item, kDefault);
        UseFont(barItem.Font);
        theme_.DrawMenuItemText(kBar, canvas_, item, Text(item.Rect, QString::fromLatin1(barItem.Name), TteTextAlignment::ktaCenter), kDefault);
        x += 56;
    }
    int bx = bar.Right - 3 * 20;
    for (TteMenuItemPart part : {kmipMinimize, kmipRestore, kmipClose}) {
        theme_.DrawMenuItem(kBar, canvas_, {{bx, y_ + 2, bx + 18, y_ + 18}, ThemeByte(part), ThemeByte(kmisNormal)}, kDefault);
        bx += 20;
    }
    LabelBelow(bar, QStringLiteral("bar: normal, hot, selected, disabled; child-window buttons"));

    // Popup menu: a column of items in every state and glyph kind.
    struct TItem {
        TteMenuItemPart Part;
        TteMenuItemState State;
        std::optional<TteGlyphKind> Glyph;
        bool Sub;
        const char* Caption;
    };
    using enum TteGlyphKind;
    static constexpr TItem kItems[] = {
        {kmipScrollUp, kmisNormal, {}, false, ""},
        {kmipItem, kmisNormal, kgkCheck, false, "Checked item"},
        {kmipItem, kmisHot, kgkRadio, false, "Radio item, hot"},
        {kmipItem, kmisSelected, {}, true, "Submenu, selected"},
        {kmipItem, kmisDisabled, {}, false, "Disabled item"},
        {kmipSeparator, kmisNormal, {}, false, ""},
        {kmipItem, kmisNormal, kgkShadowedImage, false, "Image with shadow"},
        {kmipItem, kmisHot, kgkShadowedImage, false, "Image, hot (shadow)"},
        {kmipItem, kmisNormal, kgkImage, false, "Plain image"},
        {kmipScrollDown, kmisHot, {}, false, ""},
    };
    // Popup fonts in the order of the item states.
    static constexpr TteThemeFont kPopupFonts[] = {ktfPopupMenuItemTextNormal, ktfPopupMenuItemTextHot,
                                                   ktfPopupMenuItemTextSelected, ktfPopupMenuItemTextDisabled};
    const auto heightOf = [](TteMenuItemPart part) {
        return part == kmipSeparator ? 15 : part == kmipScrollUp || part == kmipScrollDown ? 10 : 22;
    };
    const int left = kMargin + 460;
    int top = y_;
    int height = 0;
    for (const TItem& item : kItems)
        height += heightOf(item.Part);
    const TRect popup{left, top, left + 220, top + height + 4};
    theme_.DrawMenu(kPopup, canvas_, popup, kDefault);
    const TRect client = theme_.GetMenuClientRect(kPopup, popup, kDefault);
    int iy = popup.Top + 2;
    for (const TItem& item : kItems) {
        const int h = heightOf(item.Part);
        const TtePartInfo info{{client.Left, iy, client.Right, iy + h}, ThemeByte(item.Part), ThemeByte(item.State)};
        theme_.DrawMenuItem(kPopup, canvas_, info, kDefault);
        if (item.Part == kmipItem) {
            UseFont(kPopupFonts[ThemeByte(item.State)]);
            if (item.Glyph)
                theme_.DrawMenuItemGlyph(kPopup, canvas_, info, {{info.Rect.Left, iy, info.Rect.Left + 22, iy + h}, &glyph_, 4,
                                                                 *item.Glyph}, kDefault);
            if (item.Sub)
                theme_.DrawMenuItemGlyph(kPopup, canvas_, info, {{info.Rect.Right - 22, iy, info.Rect.Right - 2, iy + h}, nullptr, 4,
                                                                 kgkSubMenuArrow}, kDefault);
            theme_.DrawMenuItemText(kPopup, canvas_, info, Text({info.Rect.Left + 26, iy, info.Rect.Right - 22, iy + h},
                                                           QString::fromLatin1(item.Caption), TteTextAlignment::ktaMiddleLeft), kDefault);
        }
        iy += h;
    }
    Label({popup.Right + 10, popup.Top, popup.Right + 300, popup.Bottom},
          QStringLiteral("popup: scroll up, check, radio (hot), submenu (selected), disabled, separator, "
                         "image with hover shadow, plain image, scroll down (hot)"),
          DT_WORDBREAK);
    NextBand(std::max(40, popup.Height()) + 10);
}

void TGallerySheet::ToolBars()
{
    Heading(QStringLiteral("Tool bars (states: normal, hot, pressed, disabled, checked, checked, hot checked, pressed)"),
            theme_.IsToolBarAvailable(ThemeByte(TteToolBarKind::ktbkControl), kDefault));
    using enum TteToolButtonPart;
    using enum TteToolButtonState;
    constexpr TteKind kTool = ThemeByte(TteToolBarKind::ktbkControl);
    const auto drawButton = [this](const TRect& rect, TteToolButtonPart part, TteToolButtonState state) {
        theme_.DrawToolButton(kTool, canvas_, {rect, ThemeByte(part), ThemeByte(state)}, kDefault);
    };
    theme_.DrawControlBar(0, canvas_, {kMargin, y_, kWidth - kMargin, y_ + 100}, kDefault);
    const TRect bar{kMargin + 4, y_ + 4, kWidth - kMargin - 4, y_ + 34};
    theme_.DrawToolBar(kTool, canvas_, bar, kDefault);
    const TRect client = theme_.GetToolBarClientRect(kTool, bar, kDefault);
    drawButton({bar.Left + 2, bar.Top + 2, bar.Left + 8, bar.Bottom - 2}, ktbpGripper, ktbsNormal);
    int x = client.Left;
    // Part 8 is one of the parts drawn as a plain button.
    static constexpr TteToolButtonPart kParts[] = {ktbpButton, ktbpSplitButton, ktbpDropDown, TteToolButtonPart{8}};
    static constexpr TteToolButtonState kStates[] = {ktbsNormal,  ktbsHot,         ktbsPressed,    ktbsDisabled,
                                                     ktbsChecked, ktbsAlsoChecked, ktbsHotChecked, ktbsAsPressed};
    for (TteToolButtonPart part : kParts) {
        for (TteToolButtonState state : kStates) {
            const TtePartInfo info{{x, client.Top, x + 24, client.Top + 24}, ThemeByte(part), ThemeByte(state)};
            theme_.DrawToolButton(kTool, canvas_, info, kDefault);
            theme_.DrawToolButtonGlyph(kTool, canvas_, info, {{x + 4, client.Top + 4, x + 20, client.Top + 20}, &glyph_, 4,
                                                              state == ktbsHot ? TteGlyphKind::kgkShadowedImage : TteGlyphKind::kgkImage}, kDefault);
            x += 25;
            if (part == ktbpSplitButton) {
                drawButton({x, client.Top, x + 12, client.Top + 24}, ktbpSplitDropDown, state);
                x += 13;
            }
        }
        drawButton({x, client.Top, x + 8, client.Top + 24}, ktbpSeparator, ktbsNormal);
        x += 8;
    }
    // Kind 2 is not a kind controls pass; the sheet shows what a theme makes of it.
    const TRect second{kMargin + 4, y_ + 40, kMargin + 400, y_ + 70};
    theme_.DrawToolBar(2, canvas_, second, kDefault);
    x = second.Left + 4;
    for (TteToolButtonPart part : {ktbpMinimize, ktbpRestore, ktbpClose}) {
        drawButton({x, second.Top + 6, x + 18, second.Top + 24}, part, ktbsNormal);
        x += 20;
    }
    drawButton({x + 4, second.Top + 3, x + 30, second.Top + 9}, ktbpVertGripper, ktbsNormal);
    UseFont(ktfToolItemTextNormal);
    theme_.DrawToolButtonText(kTool, canvas_, {{x + 40, second.Top, x + 200, second.Bottom}, ThemeByte(ktbpButton), ThemeByte(ktbsNormal)},
                              Text({x + 40, second.Top, x + 200, second.Bottom}, QStringLiteral("tool bar kind 2, MDI buttons"), TteTextAlignment::ktaMiddleLeft), kDefault);
    Label({kMargin + 420, y_ + 40, kWidth - kMargin, y_ + 70},
          QStringLiteral("rows: button, split button + drop-down part, drop-down button, part 8; separators after each row"),
          DT_VCENTER | DT_WORDBREAK);
    NextBand(108);
}

void TGallerySheet::Tabs()
{
    Heading(QStringLiteral("Tabs (normal, hot, disabled, selected, selected hot, selected disabled)"), theme_.IsTabAvailable(0, kDefault));
    using enum TteTabPart;
    using enum TteTabState;
    static constexpr TStateSample<TteTabState> kStates[] = {
        {ktsNormal, ktfTabTextInactiveNormal, "normal"},
        {ktsHot, ktfTabTextInactiveHot, "hot"},
        {ktsDisabled, ktfTabTextInactiveDisabled, "disabled"},
        {ktsSelected, ktfTabTextActiveNormal, "selected"},
        {ktsSelectedHot, ktfTabTextActiveHot, "sel. hot"},
        {ktsSelectedDisabled, ktfTabTextActiveDisabled, "sel. dis."}};
    constexpr int kCount = std::size(kStates);
    // Tabs on top of a pane, one per state; the first and the last visible tab at the ends.
    const TRect pane{kMargin, y_ + 22, kMargin + kCount * 74 + 10, y_ + 80};
    theme_.DrawTabPane(0, canvas_, pane, kDefault);
    for (int i = 0; i < kCount; ++i) {
        const int x = kMargin + 4 + i * 74;
        const TteTabPart part = i == 0 ? ktpTopFirst : i == kCount - 1 ? ktpTopLast : ktpTop;
        const bool selected = kStates[i].State >= ktsSelected;
        const TtePartInfo info{{x, y_ + (selected ? 0 : 2), x + 72, y_ + 23}, ThemeByte(part), ThemeByte(kStates[i].State)};
        theme_.DrawTab(0, canvas_, info, kDefault);
        UseFont(kStates[i].Font);
        theme_.DrawTabText(0, canvas_, info, Text(info.Rect, QString::fromLatin1(kStates[i].Name), TteTextAlignment::ktaCenter), kDefault);
    }
    // Left, right and bottom tabs around small panes; the middle tab selected.
    int x = pane.Right + 30;
    for (TteTabPart part : {ktpLeft, ktpRight, ktpBottom}) {
        const int group = ThemeByte(part) / 3;
        TRect groupPane;
        if (group == 1)
            groupPane = {x + 22, y_, x + 100, y_ + 80};
        else if (group == 2)
            groupPane = {x, y_, x + 78, y_ + 80};
        else
            groupPane = {x, y_, x + 120, y_ + 58};
        theme_.DrawTabPane(0, canvas_, groupPane, kDefault);
        for (int i = 0; i < 3; ++i) {
            const bool selected = i == 1;
            TRect r;
            if (group == 1)
                r = {x + (selected ? 0 : 2), y_ + 4 + i * 24, x + 23, y_ + 26 + i * 24};
            else if (group == 2)
                r = {x + 77, y_ + 4 + i * 24, x + (selected ? 100 : 98), y_ + 26 + i * 24};
            else
                r = {x + 4 + i * 38, y_ + 57, x + 40 + i * 38, y_ + (selected ? 80 : 78)};
            const TtePartInfo info{r, ThemeByte(part), ThemeByte(selected ? ktsSelected : ktsNormal)};
            theme_.DrawTab(0, canvas_, info, kDefault);
            UseFont(selected ? ktfTabTextActiveNormal : ktfTabTextInactiveNormal);
            theme_.DrawTabText(0, canvas_, info, Text(r, QString::number(i + 1), TteTextAlignment::ktaCenter), kDefault);
        }
        x += 140;
    }
    NextBand(88);
    // Scroll buttons: close, left, down, up, right in every state.
    x = kMargin;
    using enum TteTabScrollButton;
    using enum TteSmallButtonState;
    for (TteTabScrollButton button : {ktsbClose, ktsbLeft, ktsbDown, ktsbUp, ktsbRight}) {
        int bx = x;
        for (TteSmallButtonState state : {ksbsNormal, ksbsHot, ksbsPressed, ksbsDisabled}) {
            theme_.DrawTabScrollButton(0, canvas_, {{bx, y_, bx + 16, y_ + 16}, ThemeByte(button), ThemeByte(state)}, kDefault);
            bx += 18;
        }
        x += 84;
    }
    Label({x, y_, x + 400, y_ + 16}, QStringLiteral("tab scroll buttons: close, left, down, up, right × 4 states"), DT_VCENTER | DT_SINGLELINE);
    NextBand(26);
}

void TGallerySheet::ListsAndGrids()
{
    Heading(QStringLiteral("List box, tree and grid"), theme_.IsListBoxAvailable(0, kDefault) && theme_.IsGridAvailable(0, kDefault));
    using enum TteListItemState;
    static constexpr TStateSample<TteListItemState> kStates[] = {{klisNormal, ktfListItemTextNormal, "normal"},
                                                                 {klisHot, ktfListItemTextHot, "hot"},
                                                                 {klisSelected, ktfListItemTextSelected, "selected"},
                                                                 {klisFocused, ktfListItemTextFocused, "focused"},
                                                                 {klisDisabled, ktfListItemTextDisabled, "disabled"}};
    // One check per item: checked, unchecked, mixed, glyph, checked.
    static constexpr TteListCheck kChecks[] = {TteListCheck::klcChecked, TteListCheck::klcUnchecked, TteListCheck::klcMixed,
                                               TteListCheck::klcGlyph, TteListCheck::klcChecked};
    // List box with its items and check-list boxes.
    const TRect list{kMargin, y_, kMargin + 220, y_ + 5 * 20 + 8};
    theme_.DrawListBox(0, canvas_, list, kDefault);
    theme_.DrawListBoxPart(0, canvas_, list, kDefault);
    const TRect client = theme_.GetListBoxClientRect(0, list, kDefault);
    for (int i = 0; i < static_cast<int>(std::size(kStates)); ++i) {
        const int iy = client.Top + i * 20;
        const TteElementInfo item{{client.Left, iy, client.Right, iy + 20}, ThemeByte(kStates[i].State)};
        theme_.DrawListBoxItem(0, canvas_, item, kDefault);
        theme_.DrawListBoxItemCheck(0, canvas_, item, {{client.Left + 2, iy, client.Left + 20, iy + 20}, 4, &glyph_, kChecks[i]}, kDefault);
        UseFont(kStates[i].Font);
        theme_.DrawListBoxItemText(0, canvas_, item, Text({client.Left + 24, iy, client.Right, iy + 20}, QString::fromLatin1(kStates[i].Name),
                                                          TteTextAlignment::ktaMiddleLeft), kDefault);
    }
    LabelBelow(list, QStringLiteral("check: checked, unchecked, mixed, glyph, checked"));

    // Tree.
    const TRect tree{list.Right + 20, y_, list.Right + 220, list.Bottom};
    theme_.DrawTree(0, canvas_, tree, kDefault);
    const TRect treeClient = theme_.GetTreeClientRect(0, tree, kDefault);
    for (int i = 0; i < static_cast<int>(std::size(kStates)); ++i) {
        const int iy = treeClient.Top + i * 20;
        const TteElementInfo item{{treeClient.Left + 16, iy, treeClient.Right, iy + 20}, ThemeByte(kStates[i].State)};
        theme_.DrawTreeItem(0, canvas_, item, kDefault);
        theme_.DrawTreeItemGlyph(0, canvas_, item, {{treeClient.Left, iy + 2, treeClient.Left + 16, iy + 18}, &glyph_, 4, TteGlyphKind::kgkImage}, kDefault);
        UseFont(kStates[i].Font);
        theme_.DrawTreeItemText(0, canvas_, item, Text({item.Rect.Left + 4, iy, item.Rect.Right, iy + 20}, QString::fromLatin1(kStates[i].Name),
                                                       TteTextAlignment::ktaMiddleLeft), kDefault);
    }
    LabelBelow(tree, QStringLiteral("tree items"));

    // Grid: a fixed row and column, then cells in the states normal, selected, highlighted, disabled.
    const TRect grid{tree.Right + 20, y_, tree.Right + 20 + 4 * 90 + 50 + 4, list.Bottom};
    theme_.DrawGrid(0, canvas_, grid, kDefault);
    const TRect gridClient = theme_.GetGridClientRect(0, grid, kDefault);
    using enum TteGridCellState;
    static constexpr TteGridCellState kCells[] = {kgcsNormal, kgcsSelected, kgcsHighlighted, kgcsDisabled};
    static const char* const kCellNames[] = {"normal", "selected", "highlight", "disabled"};
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 5; ++col) {
            const int cx = gridClient.Left + (col == 0 ? 0 : 50 + (col - 1) * 90);
            const int cw = col == 0 ? 49 : 89;
            const int cy = gridClient.Top + row * 24;
            const bool fixed = row == 0 || col == 0;
            const TteGridCellState cellState = fixed ? kgcsNormal : kCells[col - 1];
            const TteGridCellKind cellKind = fixed ? TteGridCellKind::kgckFixed : TteGridCellKind::kgckOrdinary;
            const TtePartInfo cell{{cx, cy, cx + cw, cy + 23}, ThemeByte(cellState), ThemeByte(cellKind)};
            theme_.DrawGridCell(0, canvas_, cell, kDefault);
            // As the grid does: its own font, the text at the top-left of the cell shrunk by 2.
            UseFont(ktfListItemTextNormal);
            const QString text = row == 0 ? (col == 0 ? QString() : QString::fromLatin1(kCellNames[col - 1]))
                                 : col == 0 ? QStringLiteral("%1").arg(row)
                                            : QStringLiteral("Track%1").arg(row, 2, 10, QLatin1Char('0'));
            const TRect inner = InflateRectBy(cell.Rect, -2);
            theme_.DrawGridCellText(0, canvas_, {inner, cell.Part, cell.State},
                                    Text(inner, text, TteTextAlignment::ktaTopLeft), kDefault);
        }
    }
    LabelBelow(grid, QStringLiteral("grid: fixed cells; normal, selected, highlighted, disabled"));
    NextBand(list.Height() + 22);
}

void TGallerySheet::Panels()
{
    Heading(QStringLiteral("Panels, splitter, memo, box, scroll box, roll panel, hint"), theme_.IsPanelAvailable(0, kDefault));
    int x = kMargin;
    const auto place = [&](int width) {
        const TRect r{x, y_, x + width, y_ + 60};
        x += width + 14;
        return r;
    };
    for (TtePanelKind panel : {TtePanelKind::kpkRaised, TtePanelKind::kpkLowered}) {
        const TteKind kind = ThemeByte(panel);
        const TRect r = place(100);
        theme_.DrawPanel(kind, canvas_, r, kDefault);
        theme_.DrawPanelPart(kind, canvas_, r, kDefault);
        UseFont(ktfPanelTextNormal);
        theme_.DrawPanelText(kind, canvas_, r, Text(theme_.GetPanelClientRect(kind, r, kDefault), panel == TtePanelKind::kpkRaised ? QStringLiteral("raised panel") : QStringLiteral("lowered panel"),
                                                    TteTextAlignment::ktaCenter), kDefault);
    }
    const TRect splitter = place(6);
    theme_.DrawSplitter(0, canvas_, splitter, kDefault);
    LabelBelow(splitter, QStringLiteral("splitter"));
    for (TteMemoState state : {TteMemoState::kmsNormal, TteMemoState::kmsHot, TteMemoState::kmsFocused,
                               TteMemoState::kmsDisabled}) {
        const TRect r = place(60);
        theme_.DrawMemo(0, canvas_, {r, ThemeByte(state)}, kDefault);
        LabelBelow(r, QStringLiteral("memo %1").arg(ThemeByte(state)));
    }
    const TRect box = place(60);
    theme_.DrawBox(0, canvas_, {box, 0}, kDefault);
    LabelBelow(box, QStringLiteral("box"));
    const TRect scrollBox = place(60);
    theme_.DrawScrollBox(0, canvas_, scrollBox, kDefault);
    LabelBelow(scrollBox, QStringLiteral("scroll box"));
    const TRect roll = place(150);
    theme_.DrawRollPanel(0, canvas_, roll, kDefault);
    const TRect rollCaption{roll.Left, roll.Top, roll.Right, roll.Top + 20};
    theme_.DrawRollPanelCaption(0, canvas_, {rollCaption, 0}, kDefault);
    // The further roll-panel hook has a look of its own only in the abstract theme.
    if (&theme_.ThemeClass() == &ThemeClassOf<TteTheme>())
        theme_.DrawRollPanelPart(0, canvas_, {rollCaption, 0}, kDefault);
    UseFont(ktfPanelTextNormal);
    theme_.DrawRollPanelText(0, canvas_, Text({rollCaption.Left + 4, rollCaption.Top, rollCaption.Right - 60, rollCaption.Bottom}, QStringLiteral("Roll panel"),
                                              TteTextAlignment::ktaMiddleLeft), kDefault);
    // Each button in a different state: roll up normal, roll down hot, hide pressed.
    struct TRollButton {
        TteRollPanelButton Part;
        TteSmallButtonState State;
    };
    static constexpr TRollButton kRollButtons[] = {{TteRollPanelButton::krpbRollUp, TteSmallButtonState::ksbsNormal},
                                                   {TteRollPanelButton::krpbRollDown, TteSmallButtonState::ksbsHot},
                                                   {TteRollPanelButton::krpbHide, TteSmallButtonState::ksbsPressed}};
    int bx = rollCaption.Right - 3 * 18;
    for (const TRollButton& button : kRollButtons) {
        theme_.DrawRollPanelButton(0, canvas_, {{bx, rollCaption.Top + 2, bx + 16, rollCaption.Top + 18}, ThemeByte(button.Part), ThemeByte(button.State)}, kDefault);
        bx += 18;
    }
    const TRect hint = place(120);
    if (theme_.IsHintAvailable(0, kDefault) || &theme_.ThemeClass() == &ThemeClassOf<TteTheme>()) {
        theme_.DrawHint(0, canvas_, hint, kDefault);
        LabelBelow(hint, QStringLiteral("hint"));
    } else {
        DrawFrameRect(canvas_, hint, 0x00C8C8C8);
        Label(hint, QStringLiteral("hint: not themed"), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    NextBand(80);
}

void TGallerySheet::Texts()
{
    Heading(QStringLiteral("Text: nine alignments, and both rotations (alignments top-left and centre)"), true);
    static const char* const kNames[] = {"top-left", "middle-left", "bottom-left", "top-centre", "centre",
                                         "bottom-centre", "top-right", "middle-right", "bottom-right"};
    for (int alignment = 0; alignment <= 8; ++alignment) {
        const int x = kMargin + (alignment / 3) * 150 + (alignment % 3) * 0;
        const int y = y_ + (alignment % 3) * 44;
        const TRect r{x, y, x + 140, y + 40};
        DrawFrameRect(canvas_, r, 0x00C0C0C0);
        UseFont(ktfWindowTextNormal);
        theme_.DrawText(canvas_, Text(InflateRectBy(r, -1), QString::fromLatin1(kNames[alignment]), static_cast<TteTextAlignment>(alignment)));
    }
    int x = kMargin + 3 * 150 + 20;
    for (int rotation = 1; rotation <= 2; ++rotation) {
        for (int alignment : {0, 4}) {
            const TRect r{x, y_, x + 40, y_ + 128};
            DrawFrameRect(canvas_, r, 0x00C0C0C0);
            UseFont(ktfWindowTextNormal);
            theme_.DrawText(canvas_, MakeTextInfo(InflateRectBy(r, -1), QStringLiteral("Rotated %1").arg(rotation),
                                                  static_cast<TteTextAlignment>(alignment), kTextSingleLine,
                                                  static_cast<TteTextRotation>(rotation)));
            LabelBelow(r, QStringLiteral("%1, %2").arg(rotation == 1 ? QStringLiteral("cw") : QStringLiteral("ccw"),
                                                       alignment == 0 ? QStringLiteral("top-left") : QStringLiteral("centre")));
            x += 70;
        }
    }
    NextBand(3 * 44 + 16);
}
