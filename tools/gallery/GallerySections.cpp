// The gallery sections for bars, edits, menus, tool bars, tabs, lists, panels and text.
#include <algorithm>

#include "framework/Canvas.h"
#include "graphics/CanvasDraw.h"
#include "graphics/RectUtils.h"
#include "theme/Theme.h"
#include "tools/gallery/GallerySheet.h"

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
    static const char* const kStates[] = {"normal", "pressed", "dragged out", "dragging", "hot", "under drag", "disabled"};
    const int width = 7 * 130;
    theme_.DrawHeader(0, canvas_, {kMargin, y_, kMargin + width + 40, y_ + 22}, kDefault);
    for (int state = 0; state <= 6; ++state) {
        const int x = kMargin + state * 130;
        const std::uint8_t part = state == 0 ? 0 : state == 6 ? 2 : 1;
        const TtePartInfo info{{x, y_, x + 130, y_ + 22}, part, static_cast<std::uint8_t>(state)};
        theme_.DrawHeaderSection(0, canvas_, info, kDefault);
        theme_.DrawHeaderSectionGlyph(0, canvas_, info, {{x + 4, y_ + 3, x + 20, y_ + 19}, &glyph_, 4, TteGlyphKind::kgkImage}, kDefault);
        UseFont(42 + state);
        theme_.DrawHeaderSectionText(0, canvas_, info, Text({x + 24, y_, x + 126, y_ + 22}, QString::fromLatin1(kStates[state]),
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
    int x = client.Left;
    for (int panel = 0; panel <= 2; ++panel) {
        const TteElementInfo info{{x, client.Top, x + kWidths[panel], client.Bottom}, static_cast<std::uint8_t>(panel)};
        theme_.DrawStatusPanel(0, canvas_, info, kDefault);
        if (panel == 0)
            theme_.DrawStatusPanelGlyph(0, canvas_, info, {{x + 2, client.Top + 1, x + 18, client.Top + 17}, &glyph_, 4, TteGlyphKind::kgkImage}, kDefault);
        UseFont(panel == 1 ? 50 : 49);
        theme_.DrawStatusPanelText(0, canvas_, info,
                                   Text({x + (panel == 0 ? 22 : 4), client.Top, x + kWidths[panel] - 4, client.Bottom},
                                        panel == 1 ? QStringLiteral("disabled text") : QStringLiteral("Track 3 of 12"),
                                        TteTextAlignment::ktaMiddleLeft), kDefault);
        x += kWidths[panel];
    }
    theme_.DrawStatusPanel(0, canvas_, {{bar.Right - 18, bar.Top + 4, bar.Right, bar.Bottom}, 3}, kDefault);
    NextBand(30);
}

void TGallerySheet::Edits()
{
    Heading(QStringLiteral("Edits and combo boxes"), theme_.IsEditAvailable(0, kDefault));
    struct TState {
        std::uint8_t State;
        int Font;
        const char* Name;
    };
    static constexpr TState kStates[] = {{0, 29, "normal"}, {1, 31, "hot"}, {2, 30, "focused"},
                                         {4, 32, "disabled"}, {5, 29, "read-only"}};
    int x = kMargin;
    for (const TState& state : kStates) {
        const TteElementInfo info{{x, y_, x + 120, y_ + 21}, state.State};
        theme_.DrawEdit(0, canvas_, info, kDefault);
        const TRect client = theme_.GetEditClientRect(0, canvas_, info, kDefault);
        UseFont(state.Font);
        theme_.DrawText(canvas_, Text(client, QStringLiteral("Track01.mp3"), TteTextAlignment::ktaMiddleLeft));
        LabelBelow(info.Rect, QString::fromLatin1(state.Name));
        x += 134;
    }
    // A selection: the highlight under selected text.
    {
        const TteElementInfo info{{x, y_, x + 120, y_ + 21}, 0};
        theme_.DrawEdit(0, canvas_, info, kDefault);
        const TRect client = theme_.GetEditClientRect(0, canvas_, info, kDefault);
        UseFont(29);
        const int split = client.Left + canvas_.TextWidth(QStringLiteral("Track"));
        theme_.DrawEdit(0, canvas_, {{split, client.Top, client.Right - 20, client.Bottom}, 6}, kDefault);
        theme_.DrawText(canvas_, Text({client.Left, client.Top, split, client.Bottom}, QStringLiteral("Track"), TteTextAlignment::ktaMiddleLeft));
        UseFont(33);
        theme_.DrawText(canvas_, Text({split, client.Top, client.Right, client.Bottom}, QStringLiteral("01.mp3"), TteTextAlignment::ktaMiddleLeft));
        LabelBelow(info.Rect, QStringLiteral("selection"));
        x += 134;
    }
    // Combo box: the edit with its drop-down button on the right.
    {
        const TteElementInfo info{{x, y_, x + 120, y_ + 21}, 0};
        theme_.DrawEdit(6, canvas_, info, kDefault);
        theme_.DrawEditButton(6, canvas_, {{x + 103, y_ + 2, x + 118, y_ + 19}, 0, 0}, kDefault);
        UseFont(29);
        theme_.DrawText(canvas_, Text({x + 4, y_, x + 100, y_ + 21}, QStringLiteral("44100 Hz"), TteTextAlignment::ktaMiddleLeft));
        LabelBelow(info.Rect, QStringLiteral("combo box"));
    }
    NextBand(40);
    // Edit buttons: states normal, hot, pressed, disabled with arrows drop-down, up, down.
    x = kMargin;
    static const std::uint8_t kButtonStates[] = {0, 1, 2, 4};
    static const std::uint8_t kArrows[] = {0, 2, 3};
    for (std::uint8_t arrow : kArrows) {
        for (int i = 0; i < 4; ++i) {
            const int bx = x + i * 20;
            theme_.DrawEditButton(6, canvas_, {{bx, y_, bx + 17, y_ + 17}, kButtonStates[i], arrow}, kDefault);
        }
        LabelBelow({x, y_, x + 77, y_ + 17}, arrow == 0 ? QStringLiteral("drop-down") : arrow == 2 ? QStringLiteral("up") : QStringLiteral("down"));
        x += 110;
    }
    Label({x, y_, x + 400, y_ + 17}, QStringLiteral("edit buttons × normal, hot, pressed, disabled"), DT_VCENTER | DT_SINGLELINE);
    NextBand(38);
}

void TGallerySheet::GroupBoxes()
{
    Heading(QStringLiteral("Group boxes"), theme_.IsGroupBoxAvailable(0, kDefault));
    int x = kMargin;
    for (int state = 0; state <= 1; ++state) {
        UseFont(25 + state);
        const QString caption = state == 0 ? QStringLiteral("Encoder") : QStringLiteral("Disabled");
        const int width = canvas_.TextWidth(caption);
        TteGroupBoxInfo info{{x, y_ + 6, x + 220, y_ + 70}, {x + 8, y_, x + 12 + width + 4, y_ + 14}, static_cast<std::uint8_t>(state)};
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
    Heading(QStringLiteral("Menus"), theme_.IsMenuAvailable(0, kDefault) && theme_.IsMenuAvailable(1, kDefault));
    // Menu bar: items normal, hot, selected, disabled, then the child-window buttons.
    const TRect bar{kMargin, y_, kMargin + 420, y_ + 20};
    theme_.DrawMenu(0, canvas_, bar, kDefault);
    static const char* const kBarItems[] = {"File", "Edit", "View", "Help"};
    int x = kMargin + 2;
    for (int state = 0; state <= 3; ++state) {
        const TtePartInfo item{{x, y_ + 1, x + 54, y_ + 19}, 0, static_cast<std::uint8_t>(state)};
        theme_.DrawMenuItem(0, canvas_, item, kDefault);
        UseFont(state == 3 ? 37 : state == 0 ? 34 : state == 1 ? 36 : 35);
        theme_.DrawMenuItemText(0, canvas_, item, Text(item.Rect, QString::fromLatin1(kBarItems[state]), TteTextAlignment::ktaCenter), kDefault);
        x += 56;
    }
    for (int part = 7; part <= 9; ++part) {
        const int bx = bar.Right - (10 - part) * 20;
        theme_.DrawMenuItem(0, canvas_, {{bx, y_ + 2, bx + 18, y_ + 18}, static_cast<std::uint8_t>(part), 0}, kDefault);
    }
    LabelBelow(bar, QStringLiteral("bar: normal, hot, selected, disabled; child-window buttons"));

    // Popup menu: a column of items in every state and glyph kind.
    struct TItem {
        std::uint8_t Part;
        std::uint8_t State;
        int Glyph; // -1 none, else a glyph kind
        bool Sub;
        const char* Caption;
    };
    static constexpr TItem kItems[] = {
        {3, 0, -1, false, ""},
        {0, 0, 0, false, "Checked item"},
        {0, 1, 1, false, "Radio item, hot"},
        {0, 2, -1, true, "Submenu, selected"},
        {0, 3, -1, false, "Disabled item"},
        {1, 0, -1, false, ""},
        {0, 0, 3, false, "Image with shadow"},
        {0, 1, 3, false, "Image, hot (shadow)"},
        {0, 0, 4, false, "Plain image"},
        {4, 1, -1, false, ""},
    };
    const int left = kMargin + 460;
    int top = y_;
    int height = 0;
    for (const TItem& item : kItems)
        height += item.Part == 1 ? 15 : item.Part >= 3 ? 10 : 22;
    const TRect popup{left, top, left + 220, top + height + 4};
    theme_.DrawMenu(1, canvas_, popup, kDefault);
    const TRect client = theme_.GetMenuClientRect(1, popup, kDefault);
    int iy = popup.Top + 2;
    for (const TItem& item : kItems) {
        const int h = item.Part == 1 ? 15 : item.Part >= 3 ? 10 : 22;
        const TtePartInfo info{{client.Left, iy, client.Right, iy + h}, item.Part, item.State};
        theme_.DrawMenuItem(1, canvas_, info, kDefault);
        if (item.Part == 0) {
            UseFont(item.State == 3 ? 65 : item.State == 0 ? 62 : item.State == 1 ? 64 : 63);
            if (item.Glyph >= 0)
                theme_.DrawMenuItemGlyph(1, canvas_, info, {{info.Rect.Left, iy, info.Rect.Left + 22, iy + h}, &glyph_, 4,
                                                            static_cast<TteGlyphKind>(item.Glyph)}, kDefault);
            if (item.Sub)
                theme_.DrawMenuItemGlyph(1, canvas_, info, {{info.Rect.Right - 22, iy, info.Rect.Right - 2, iy + h}, nullptr, 4,
                                                            TteGlyphKind::kgkSubMenuArrow}, kDefault);
            theme_.DrawMenuItemText(1, canvas_, info, Text({info.Rect.Left + 26, iy, info.Rect.Right - 22, iy + h},
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
            theme_.IsToolBarAvailable(1, kDefault));
    theme_.DrawControlBar(0, canvas_, {kMargin, y_, kWidth - kMargin, y_ + 100}, kDefault);
    const TRect bar{kMargin + 4, y_ + 4, kWidth - kMargin - 4, y_ + 34};
    theme_.DrawToolBar(1, canvas_, bar, kDefault);
    const TRect client = theme_.GetToolBarClientRect(1, bar, kDefault);
    theme_.DrawToolButton(1, canvas_, {{bar.Left + 2, bar.Top + 2, bar.Left + 8, bar.Bottom - 2}, 13, 0}, kDefault);
    int x = client.Left;
    static const std::uint8_t kParts[] = {0, 3, 5, 8};
    for (std::uint8_t part : kParts) {
        for (int state = 0; state <= 7; ++state) {
            const TtePartInfo info{{x, client.Top, x + 24, client.Top + 24}, part, static_cast<std::uint8_t>(state)};
            theme_.DrawToolButton(1, canvas_, info, kDefault);
            theme_.DrawToolButtonGlyph(1, canvas_, info, {{x + 4, client.Top + 4, x + 20, client.Top + 20}, &glyph_, 4,
                                                          state == 1 ? TteGlyphKind::kgkShadowedImage : TteGlyphKind::kgkImage}, kDefault);
            x += 25;
            if (part == 3) {
                theme_.DrawToolButton(1, canvas_, {{x, client.Top, x + 12, client.Top + 24}, 4, static_cast<std::uint8_t>(state)}, kDefault);
                x += 13;
            }
        }
        theme_.DrawToolButton(1, canvas_, {{x, client.Top, x + 8, client.Top + 24}, 1, 0}, kDefault);
        x += 8;
    }
    const TRect second{kMargin + 4, y_ + 40, kMargin + 400, y_ + 70};
    theme_.DrawToolBar(2, canvas_, second, kDefault);
    x = second.Left + 4;
    for (int part = 10; part <= 12; ++part) {
        theme_.DrawToolButton(1, canvas_, {{x, second.Top + 6, x + 18, second.Top + 24}, static_cast<std::uint8_t>(part), 0}, kDefault);
        x += 20;
    }
    theme_.DrawToolButton(1, canvas_, {{x + 4, second.Top + 3, x + 30, second.Top + 9}, 14, 0}, kDefault);
    UseFont(38);
    theme_.DrawToolButtonText(1, canvas_, {{x + 40, second.Top, x + 200, second.Bottom}, 0, 0},
                              Text({x + 40, second.Top, x + 200, second.Bottom}, QStringLiteral("tool bar kind 2, MDI buttons"), TteTextAlignment::ktaMiddleLeft), kDefault);
    Label({kMargin + 420, y_ + 40, kWidth - kMargin, y_ + 70},
          QStringLiteral("rows: button, split button + drop-down part, drop-down button, part 8; separators after each row"),
          DT_VCENTER | DT_WORDBREAK);
    NextBand(108);
}

void TGallerySheet::Tabs()
{
    Heading(QStringLiteral("Tabs (normal, hot, disabled, selected, selected hot, selected disabled)"), theme_.IsTabAvailable(0, kDefault));
    static const char* const kStates[] = {"normal", "hot", "disabled", "selected", "sel. hot", "sel. dis."};
    // Tabs on top of a pane, tab 3 selected.
    const TRect pane{kMargin, y_ + 22, kMargin + 6 * 74 + 10, y_ + 80};
    theme_.DrawTabPane(0, canvas_, pane, kDefault);
    for (int state = 0; state <= 5; ++state) {
        const int x = kMargin + 4 + state * 74;
        const std::uint8_t part = state == 0 ? 1 : state == 5 ? 2 : 0;
        const bool selected = state >= 3;
        const TtePartInfo info{{x, y_ + (selected ? 0 : 2), x + 72, y_ + 23}, part, static_cast<std::uint8_t>(state)};
        theme_.DrawTab(0, canvas_, info, kDefault);
        UseFont(51 + (selected ? 3 : 0) + state % 3);
        theme_.DrawTabText(0, canvas_, info, Text(info.Rect, QString::fromLatin1(kStates[state]), TteTextAlignment::ktaCenter), kDefault);
    }
    // Left, right and bottom tabs around small panes; the middle tab selected.
    int x = pane.Right + 30;
    for (int group = 1; group <= 3; ++group) {
        const std::uint8_t part = static_cast<std::uint8_t>(group * 3);
        TRect groupPane;
        if (group == 1)
            groupPane = {x + 22, y_, x + 100, y_ + 80};
        else if (group == 2)
            groupPane = {x, y_, x + 78, y_ + 80};
        else
            groupPane = {x, y_, x + 120, y_ + 58};
        theme_.DrawTabPane(0, canvas_, groupPane, kDefault);
        for (int i = 0; i < 3; ++i) {
            const std::uint8_t state = i == 1 ? 3 : 0;
            TRect r;
            if (group == 1)
                r = {x + (state == 3 ? 0 : 2), y_ + 4 + i * 24, x + 23, y_ + 26 + i * 24};
            else if (group == 2)
                r = {x + 77, y_ + 4 + i * 24, x + (state == 3 ? 100 : 98), y_ + 26 + i * 24};
            else
                r = {x + 4 + i * 38, y_ + 57, x + 40 + i * 38, y_ + (state == 3 ? 80 : 78)};
            const TtePartInfo info{r, part, state};
            theme_.DrawTab(0, canvas_, info, kDefault);
            UseFont(state == 3 ? 54 : 51);
            theme_.DrawTabText(0, canvas_, info, Text(r, QString::number(i + 1), TteTextAlignment::ktaCenter), kDefault);
        }
        x += 140;
    }
    NextBand(88);
    // Scroll buttons: close, left, down, up, right in every state.
    x = kMargin;
    for (int part = 0; part <= 4; ++part) {
        for (int state = 0; state <= 3; ++state) {
            const int bx = x + state * 18;
            theme_.DrawTabScrollButton(0, canvas_, {{bx, y_, bx + 16, y_ + 16}, static_cast<std::uint8_t>(part), static_cast<std::uint8_t>(state)}, kDefault);
        }
        x += 84;
    }
    Label({x, y_, x + 400, y_ + 16}, QStringLiteral("tab scroll buttons: close, left, down, up, right × 4 states"), DT_VCENTER | DT_SINGLELINE);
    NextBand(26);
}

void TGallerySheet::ListsAndGrids()
{
    Heading(QStringLiteral("List box, tree and grid"), theme_.IsListBoxAvailable(0, kDefault) && theme_.IsGridAvailable(0, kDefault));
    static const char* const kStates[] = {"normal", "hot", "selected", "focused", "disabled"};
    // List box with its items and check-list boxes.
    const TRect list{kMargin, y_, kMargin + 220, y_ + 5 * 20 + 8};
    theme_.DrawListBox(0, canvas_, list, kDefault);
    theme_.DrawListBoxPart(0, canvas_, list, kDefault);
    const TRect client = theme_.GetListBoxClientRect(0, list, kDefault);
    for (int state = 0; state <= 4; ++state) {
        const int iy = client.Top + state * 20;
        const TteElementInfo item{{client.Left, iy, client.Right, iy + 20}, static_cast<std::uint8_t>(state)};
        theme_.DrawListBoxItem(0, canvas_, item, kDefault);
        const TteListCheck check = state == 0 ? TteListCheck::klcChecked : state == 1 ? TteListCheck::klcUnchecked
                                   : state == 2 ? TteListCheck::klcMixed : state == 3 ? TteListCheck::klcGlyph : TteListCheck::klcChecked;
        theme_.DrawListBoxItemCheck(0, canvas_, item, {{client.Left + 2, iy, client.Left + 20, iy + 20}, 4, &glyph_, check}, kDefault);
        UseFont(57 + state);
        theme_.DrawListBoxItemText(0, canvas_, item, Text({client.Left + 24, iy, client.Right, iy + 20}, QString::fromLatin1(kStates[state]),
                                                          TteTextAlignment::ktaMiddleLeft), kDefault);
    }
    LabelBelow(list, QStringLiteral("check: checked, unchecked, mixed, glyph, checked"));

    // Tree.
    const TRect tree{list.Right + 20, y_, list.Right + 220, list.Bottom};
    theme_.DrawTree(0, canvas_, tree, kDefault);
    const TRect treeClient = theme_.GetTreeClientRect(0, tree, kDefault);
    for (int state = 0; state <= 4; ++state) {
        const int iy = treeClient.Top + state * 20;
        const TteElementInfo item{{treeClient.Left + 16, iy, treeClient.Right, iy + 20}, static_cast<std::uint8_t>(state)};
        theme_.DrawTreeItem(0, canvas_, item, kDefault);
        theme_.DrawTreeItemGlyph(0, canvas_, item, {{treeClient.Left, iy + 2, treeClient.Left + 16, iy + 18}, &glyph_, 4, TteGlyphKind::kgkImage}, kDefault);
        UseFont(57 + state);
        theme_.DrawTreeItemText(0, canvas_, item, Text({item.Rect.Left + 4, iy, item.Rect.Right, iy + 20}, QString::fromLatin1(kStates[state]),
                                                       TteTextAlignment::ktaMiddleLeft), kDefault);
    }
    LabelBelow(tree, QStringLiteral("tree items"));

    // Grid: a fixed row and column, then cells in the states normal, selected, highlighted, disabled.
    const TRect grid{tree.Right + 20, y_, tree.Right + 20 + 4 * 90 + 50 + 4, list.Bottom};
    theme_.DrawGrid(0, canvas_, grid, kDefault);
    const TRect gridClient = theme_.GetGridClientRect(0, grid, kDefault);
    static const std::uint8_t kCells[] = {0, 1, 3, 4};
    static const char* const kCellNames[] = {"normal", "selected", "highlight", "disabled"};
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 5; ++col) {
            const int cx = gridClient.Left + (col == 0 ? 0 : 50 + (col - 1) * 90);
            const int cw = col == 0 ? 49 : 89;
            const int cy = gridClient.Top + row * 24;
            const bool fixed = row == 0 || col == 0;
            const std::uint8_t cellState = fixed ? 0 : kCells[col - 1];
            const TtePartInfo cell{{cx, cy, cx + cw, cy + 23}, cellState, static_cast<std::uint8_t>(fixed ? 1 : 0)};
            theme_.DrawGridCell(0, canvas_, cell, kDefault);
            // As the grid does: its own font, the text at the top-left of the cell shrunk by 2.
            UseFont(57);
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
    for (int kind = 0; kind <= 1; ++kind) {
        const TRect r = place(100);
        theme_.DrawPanel(kind, canvas_, r, kDefault);
        theme_.DrawPanelPart(kind, canvas_, r, kDefault);
        UseFont(8);
        theme_.DrawPanelText(kind, canvas_, r, Text(theme_.GetPanelClientRect(kind, r, kDefault), kind == 0 ? QStringLiteral("raised panel") : QStringLiteral("lowered panel"),
                                                    TteTextAlignment::ktaCenter), kDefault);
    }
    const TRect splitter = place(6);
    theme_.DrawSplitter(0, canvas_, splitter, kDefault);
    LabelBelow(splitter, QStringLiteral("splitter"));
    for (int state = 0; state <= 3; ++state) {
        const TRect r = place(60);
        theme_.DrawMemo(0, canvas_, {r, static_cast<std::uint8_t>(state)}, kDefault);
        LabelBelow(r, QStringLiteral("memo %1").arg(state));
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
    UseFont(8);
    theme_.DrawRollPanelText(0, canvas_, Text({rollCaption.Left + 4, rollCaption.Top, rollCaption.Right - 60, rollCaption.Bottom}, QStringLiteral("Roll panel"),
                                              TteTextAlignment::ktaMiddleLeft), kDefault);
    for (int part = 1; part <= 3; ++part) {
        const int bx = rollCaption.Right - (4 - part) * 18;
        theme_.DrawRollPanelButton(0, canvas_, {{bx, rollCaption.Top + 2, bx + 16, rollCaption.Top + 18}, static_cast<std::uint8_t>(part), static_cast<std::uint8_t>(part - 1)}, kDefault);
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
        UseFont(27);
        theme_.DrawText(canvas_, Text(InflateRectBy(r, -1), QString::fromLatin1(kNames[alignment]), static_cast<TteTextAlignment>(alignment)));
    }
    int x = kMargin + 3 * 150 + 20;
    for (int rotation = 1; rotation <= 2; ++rotation) {
        for (int alignment : {0, 4}) {
            const TRect r{x, y_, x + 40, y_ + 128};
            DrawFrameRect(canvas_, r, 0x00C0C0C0);
            UseFont(27);
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
