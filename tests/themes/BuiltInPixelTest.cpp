// Telling pixels of every family the flat and Office XP kinds draw.
#include <gtest/gtest.h>

#include <functional>

#include "graphics/CanvasDraw.h"
#include "graphics/Pixel.h"
#include "tests/themes/ThemeFixture.h"

namespace {

constexpr TColor kFace = clBtnFace;
constexpr TColor kGray = 0x00808080;
constexpr TColor kFlatBorder = 0x008396A0;
constexpr TColor kFlatHot = 0x00E1EAEB;
constexpr TColor kFlatPressed = 0x00996633;
constexpr TColor kXPHot = 0x00D2BDB6;
constexpr TColor kXPPressed = 0x00B59285;

using enum TteFormButton;
using TDraw = std::function<void(TteTheme&, TCanvas&)>;

struct PixelCase {
    const char* Name;
    TKind Kind;
    TDraw Draw;
    int X, Y;
    TColor Expected; // kUntouched: left alone
};

constexpr TRect R{10, 10, 50, 40};

TDraw Button(std::uint8_t kind, std::uint8_t state)
{
    return [=](TteTheme& t, TCanvas& c) { t.DrawButton(kind, c, {R, state}, kObject); };
}
TDraw Part(void (TteTheme::*op)(TteKind, TCanvas&, const TtePartInfo&, const QString&), TteKind kind, TRect r,
           std::uint8_t part, std::uint8_t state)
{
    return [=](TteTheme& t, TCanvas& c) { (t.*op)(kind, c, {r, part, state}, kObject); };
}
TDraw Element(void (TteTheme::*op)(TteKind, TCanvas&, const TteElementInfo&, const QString&), TteKind kind, TRect r,
              std::uint8_t state)
{
    return [=](TteTheme& t, TCanvas& c) { (t.*op)(kind, c, {r, state}, kObject); };
}
TDraw Plain(void (TteTheme::*op)(TteKind, TCanvas&, const TRect&, const QString&), TteKind kind, TRect r)
{
    return [=](TteTheme& t, TCanvas& c) { (t.*op)(kind, c, r, kObject); };
}
TDraw FormButton(TteFormButton button, TteFormButtonState state)
{
    return [=](TteTheme& t, TCanvas& c) {
        t.DrawFormButton(TteFormKind::kfkStandard, c, {{10, 10, 32, 28}, button, state, nullptr}, kObject);
    };
}
TDraw Form(bool active)
{
    return [=](TteTheme& t, TCanvas& c) {
        TteWindowInfo info;
        info.Rect = {0, 0, 80, 60};
        info.Active = active;
        t.DrawForm(TteFormKind::kfkStandard, c, info, kObject);
    };
}

const PixelCase kCases[] = {
    // Buttons: Border outline, face by state, the default button's red dot, arrows on spin buttons.
    {"button frame", TKind::Flat, Button(0, 0), 10, 10, kFlatBorder},
    {"button normal", TKind::Flat, Button(0, 0), 30, 25, kFace},
    {"button hot", TKind::Flat, Button(0, 1), 30, 25, kFlatHot},
    {"button pressed", TKind::Flat, Button(0, 2), 30, 25, kFlatPressed},
    {"button disabled", TKind::Flat, Button(0, 3), 30, 25, kFace},
    {"button focused", TKind::Flat, Button(0, 4), 30, 25, kFlatPressed},
    {"button default", TKind::Flat, Button(0, 6), 30, 25, kFlatPressed},
    {"button kind 2 dot", TKind::Flat, Button(2, 0), 30, 25, 0x000000FF},
    {"button kind above 9", TKind::Flat, Button(10, 0), 10, 10, kUntouched},
    {"XP button frame", TKind::OfficeXP, Button(0, 1), 49, 39, clHighlight},
    {"XP button hot", TKind::OfficeXP, Button(0, 1), 30, 25, kXPHot},
    // Check boxes: the mark, mixed fill and radio dot in the text's ink when enabled (black), in
    // Border when disabled, so that the two look different.
    {"check mixed hot face", TKind::Flat, Element(&TteTheme::DrawCheckBox, 0, {10, 10, 23, 23}, 11), 11, 11, kFlatHot},
    {"check mixed fill", TKind::Flat, Element(&TteTheme::DrawCheckBox, 0, {10, 10, 23, 23}, 11), 16, 16, clBlack},
    {"check mixed disabled fill", TKind::Flat, Element(&TteTheme::DrawCheckBox, 0, {10, 10, 23, 23}, 13), 16, 16,
     kFlatBorder},
    {"check unchecked pressed", TKind::Flat, Element(&TteTheme::DrawCheckBox, 0, {10, 10, 23, 23}, 7), 16, 16, kFlatPressed},
    {"radio checked dot", TKind::Flat, Element(&TteTheme::DrawCheckBox, 1, {10, 10, 23, 23}, 0), 16, 16, clBlack},
    {"radio checked disabled dot", TKind::Flat, Element(&TteTheme::DrawCheckBox, 1, {10, 10, 23, 23}, 3), 16, 16,
     kFlatBorder},
    {"radio unchecked", TKind::Flat, Element(&TteTheme::DrawCheckBox, 1, {10, 10, 23, 23}, 5), 16, 16, kFace},
    // Scroll bars: thumbs by state (1 pressed, 2 hot), the checker track.
    {"thumb pressed", TKind::Flat, Part(&TteTheme::DrawScrollBarPart, 0, R, 8, 1), 30, 25, kFlatPressed},
    {"thumb hot", TKind::Flat, Part(&TteTheme::DrawScrollBarPart, 0, R, 8, 2), 30, 25, kFlatHot},
    {"track even", TKind::Flat, Part(&TteTheme::DrawScrollBarTrack, 0, R, 0, 0), 10, 10, clWhite},
    {"track odd", TKind::Flat, Part(&TteTheme::DrawScrollBarTrack, 0, R, 0, 0), 11, 10, kFace},
    // Progress and track bars.
    {"progress frame", TKind::Flat, Part(&TteTheme::DrawProgressBar, 0, R, 1, 0), 30, 25, kFace},
    {"progress fill", TKind::Flat, Part(&TteTheme::DrawProgressBar, 0, R, 3, 0), 30, 25, kFlatHot},
    {"progress part 6", TKind::Flat, Part(&TteTheme::DrawProgressBar, 0, R, 6, 0), 30, 25, kUntouched},
    {"track bar track inset", TKind::Flat, Part(&TteTheme::DrawTrackBarTrack, 0, R, 1, 0), 11, 11, kUntouched},
    {"track bar track frame", TKind::Flat, Part(&TteTheme::DrawTrackBarTrack, 0, R, 1, 0), 12, 12, kFlatBorder},
    {"thumb pressed lit", TKind::Flat, Part(&TteTheme::DrawTrackBarThumb, 0, R, 3, 2), 30, 25, kFlatHot},
    {"thumb focused plain", TKind::Flat, Part(&TteTheme::DrawTrackBarThumb, 0, R, 3, 3), 30, 25, kFace},
    // Headers and status bars.
    {"header pressed", TKind::Flat, Part(&TteTheme::DrawHeaderSection, 0, R, 1, 1), 30, 25, kFlatPressed},
    {"header state 7 outline", TKind::Flat, Part(&TteTheme::DrawHeaderSection, 0, R, 1, 7), 10, 10, kFlatBorder},
    {"header state 7 inside", TKind::Flat, Part(&TteTheme::DrawHeaderSection, 0, R, 1, 7), 30, 25, kUntouched},
    {"status panel line", TKind::Flat, Element(&TteTheme::DrawStatusPanel, 0, R, 0), 48, 25, OffsetColorRGB(kFace, -40)},
    {"status panel face", TKind::Flat, Element(&TteTheme::DrawStatusPanel, 0, R, 0), 47, 25, kFace},
    {"status panel 2 no line", TKind::Flat, Element(&TteTheme::DrawStatusPanel, 0, R, 2), 48, 25, kFace},
    // Edits and their buttons (Part is the button's state).
    {"edit frame", TKind::Flat, Element(&TteTheme::DrawEdit, 0, R, 0), 10, 10, kFlatBorder},
    {"edit face", TKind::Flat, Element(&TteTheme::DrawEdit, 0, R, 2), 30, 25, clWhite},
    {"edit selection", TKind::Flat, Element(&TteTheme::DrawEdit, 0, R, 6), 10, 10, 0x00B59285},
    {"edit button pressed", TKind::Flat, Part(&TteTheme::DrawEditButton, 6, R, 2, 1), 30, 25, kFlatPressed},
    {"edit button disabled", TKind::Flat, Part(&TteTheme::DrawEditButton, 6, R, 4, 1), 30, 25, kFace},
    // Popup menus: the Office XP gutter is 21 + 2 in the menu and 21 in the items.
    {"XP popup gutter", TKind::OfficeXP, Plain(&TteTheme::DrawMenu, 1, {0, 0, 80, 60}), 22, 30, kFace},
    {"XP popup body", TKind::OfficeXP, Plain(&TteTheme::DrawMenu, 1, {0, 0, 80, 60}), 23, 30, clWhite},
    {"XP popup outline", TKind::OfficeXP, Plain(&TteTheme::DrawMenu, 1, {0, 0, 80, 60}), 79, 30, kGray},
    {"flat popup gutter", TKind::Flat, Plain(&TteTheme::DrawMenu, 1, {0, 0, 80, 60}), 1, 30, kFace},
    {"flat popup body", TKind::Flat, Plain(&TteTheme::DrawMenu, 1, {0, 0, 80, 60}), 2, 30, clWhite},
    {"XP item gutter", TKind::OfficeXP, Part(&TteTheme::DrawMenuItem, 1, {0, 10, 80, 30}, 0, 0), 20, 20, kFace},
    {"XP item body", TKind::OfficeXP, Part(&TteTheme::DrawMenuItem, 1, {0, 10, 80, 30}, 0, 0), 21, 20, clWhite},
    {"XP item hot", TKind::OfficeXP, Part(&TteTheme::DrawMenuItem, 1, {0, 10, 80, 30}, 0, 1), 10, 20, kXPHot},
    {"XP item hot frame", TKind::OfficeXP, Part(&TteTheme::DrawMenuItem, 1, {0, 10, 80, 30}, 0, 2), 0, 20, clHighlight},
    {"bar item selected frame", TKind::Flat, Part(&TteTheme::DrawMenuItem, 0, R, 0, 2), 10, 10, kGray},
    {"bar item selected face", TKind::Flat, Part(&TteTheme::DrawMenuItem, 0, R, 0, 2), 30, 25, kFace},
    {"XP separator line", TKind::OfficeXP, Part(&TteTheme::DrawMenuItem, 1, {10, 10, 70, 25}, 1, 0), 40, 17, kGray},
    {"XP separator clear of gutter", TKind::OfficeXP, Part(&TteTheme::DrawMenuItem, 1, {10, 10, 70, 25}, 1, 0), 36, 17, clWhite},
    {"XP separator in gutter", TKind::OfficeXP, Part(&TteTheme::DrawMenuItem, 1, {10, 10, 70, 25}, 1, 0), 30, 17, kFace},
    // Tool bars.
    {"tool bar 2 frame", TKind::Flat, Plain(&TteTheme::DrawToolBar, 2, R), 10, 10, kGray},
    {"tool bar 2 face", TKind::Flat, Plain(&TteTheme::DrawToolBar, 2, R), 30, 25, clWhite},
    {"tool bar light edge", TKind::Flat, Plain(&TteTheme::DrawToolBar, 1, R), 10, 10, OffsetColorRGB(kFace, 30)},
    {"tool bar face", TKind::Flat, Plain(&TteTheme::DrawToolBar, 1, R), 30, 25, OffsetColorRGB(kFace, 10)},
    {"tool button checked", TKind::Flat, Part(&TteTheme::DrawToolButton, 1, R, 0, 5), 30, 25, OffsetColorRGB(kFlatPressed, 10)},
    {"tool button normal", TKind::Flat, Part(&TteTheme::DrawToolButton, 1, R, 0, 0), 30, 25, kUntouched},
    {"tool separator", TKind::Flat, Part(&TteTheme::DrawToolButton, 1, {10, 10, 18, 40}, 1, 0), 15, 20, kGray},
    {"tool separator width", TKind::Flat, Part(&TteTheme::DrawToolButton, 1, {10, 10, 18, 40}, 1, 0), 16, 20, kUntouched},
    {"gripper", TKind::Flat, Part(&TteTheme::DrawToolButton, 1, R, 13, 0), 11, 11, kFlatBorder},
    // Tabs, lists, trees and grids.
    {"tab hot", TKind::Flat, Part(&TteTheme::DrawTab, 0, R, 0, 1), 30, 25, kFlatHot},
    {"tab frame", TKind::Flat, Part(&TteTheme::DrawTab, 0, R, 0, 0), 30, 39, kFlatBorder},
    {"selected tab open at the bottom", TKind::Flat, Part(&TteTheme::DrawTab, 0, R, 0, 3), 30, 39, kFace},
    {"selected left tab open at the right", TKind::Flat, Part(&TteTheme::DrawTab, 0, R, 3, 3), 49, 25, kFace},
    {"selected right tab open at the left", TKind::Flat, Part(&TteTheme::DrawTab, 0, R, 6, 4), 10, 25, kFace},
    {"selected bottom tab open at the top", TKind::Flat, Part(&TteTheme::DrawTab, 0, R, 9, 5), 30, 10, kFace},
    {"tab scroll pressed", TKind::Flat, Part(&TteTheme::DrawTabScrollButton, 0, R, 5, 2), 30, 25, kFlatPressed},
    {"list item selected", TKind::Flat, Element(&TteTheme::DrawListBoxItem, 0, R, 2), 30, 25, kFlatHot},
    {"list item other state", TKind::Flat, Element(&TteTheme::DrawListBoxItem, 0, R, 5), 30, 25, kUntouched},
    {"tree item focused frame", TKind::Flat, Element(&TteTheme::DrawTreeItem, 0, R, 3), 10, 10, kFlatBorder},
    {"tree item normal", TKind::Flat, Element(&TteTheme::DrawTreeItem, 0, R, 1), 30, 25, clWhite},
    {"grid fixed cell", TKind::Flat, Part(&TteTheme::DrawGridCell, 0, R, 3, 1), 10, 10, kFace},
    {"grid highlighted cell", TKind::Flat, Part(&TteTheme::DrawGridCell, 0, R, 3, 0), 30, 25, kFlatPressed},
    {"grid selected cell", TKind::Flat, Part(&TteTheme::DrawGridCell, 0, R, 1, 0), 10, 10, kFlatHot},
    {"grid part 5", TKind::Flat, Part(&TteTheme::DrawGridCell, 0, R, 5, 0), 30, 25, kUntouched},
    {"XP grid highlighted", TKind::OfficeXP, Part(&TteTheme::DrawGridCell, 0, R, 3, 0), 30, 25, kXPPressed},
    // Panels and boxes.
    {"panel", TKind::Flat, Plain(&TteTheme::DrawPanel, 0, R), 30, 25, kFace},
    {"memo", TKind::Flat, Element(&TteTheme::DrawMemo, 0, R, 3), 30, 25, clWhite},
    {"roll button pressed", TKind::Flat, Part(&TteTheme::DrawRollPanelButton, 0, R, 0, 2), 30, 25, kFlatPressed},
    // Window frame and caption buttons.
    {"form outline", TKind::Flat, Form(true), 0, 0, kFlatBorder},
    {"form edge", TKind::Flat, Form(true), 1, 30, kFace},
    {"form caption frame", TKind::Flat, Form(true), 3, 10, kFlatBorder},
    {"form caption active", TKind::Flat, Form(true), 30, 10, 0x009CDEF7},
    {"form caption inactive", TKind::Flat, Form(false), 30, 10, kFace},
    {"form client untouched", TKind::Flat, Form(true), 30, 40, kUntouched},
    {"caption button hot light", TKind::Flat, FormButton(TteFormButton::kfbClose, TteFormButtonState::kfbsHot), 11, 11, clWhite},
    {"caption button hot dark", TKind::Flat, FormButton(TteFormButton::kfbClose, TteFormButtonState::kfbsHot), 30, 26, OffsetColorRGB(kFlatHot, -100)},
    {"caption button pressed dark", TKind::Flat, FormButton(TteFormButton::kfbClose, TteFormButtonState::kfbsPressed), 11, 11, OffsetColorRGB(kFace, -100)},
    {"caption button frame", TKind::Flat, FormButton(TteFormButton::kfbHelp, TteFormButtonState::kfbsNormal), 10, 10, kFlatBorder},
    {"system menu has no box", TKind::Flat, FormButton(TteFormButton::kfbSysMenu, TteFormButtonState::kfbsHot), 10, 10, kUntouched},
    {"empty caption button", TKind::Flat, [](TteTheme& t, TCanvas& c) {
         t.DrawFormButton(TteFormKind::kfkStandard, c, {{10, 10, 10, 28}, kfbClose, TteFormButtonState::kfbsHot, nullptr}, kObject);
     }, 10, 10, kUntouched},
    {"tray square", TKind::Flat, FormButton(TteFormButton::kfbTray, TteFormButtonState::kfbsNormal), 27, 23, clBlack},
};

TEST(BuiltInPixelTest, TellingPixelsOfEveryFamily)
{
    for (const PixelCase& c : kCases) {
        SCOPED_TRACE(c.Name);
        std::unique_ptr<TteTheme> theme = MakeTheme(c.Kind);
        TThemeSurface surface;
        c.Draw(*theme, surface.Canvas());
        EXPECT_EQ(surface.At(c.X, c.Y), Rgb(c.Expected)) << "at (" << c.X << ", " << c.Y << ")";
    }
}

TEST(BuiltInPixelTest, SelectedTabAndGroupBoxLeaveTheClippingAsTheyFoundIt)
{
    // The excluded edge of a selected tab and the caption gap of a group box must not keep later
    // drawing on a shared buffer from painting there.
    TteBuiltTheme<TTeFlatTheme> theme;
    TThemeSurface surface;
    theme.DrawTab(0, surface.Canvas(), {R, 0, 3}, kObject);
    theme.DrawGroupBox(0, surface.Canvas(), {{0, 45, 80, 60}, {10, 40, 30, 50}, 0}, kObject);
    EXPECT_EQ(surface.At(20, 45), kUntouched) << "the caption gap";
    FillRectColor(surface.Canvas(), {0, 0, 80, 60}, clRed);
    EXPECT_EQ(surface.At(30, 39), Rgb(clRed));
    EXPECT_EQ(surface.At(20, 45), Rgb(clRed));
}

TEST(BuiltInPixelTest, CheckMarksSitInTheirBoxes)
{
    // The mark sits inside the box: a check box's in its text's ink (black), a list item's in Border.
    TteBuiltTheme<TTeFlatTheme> theme;
    struct Case {
        const char* Name;
        TDraw Draw;
        TRect Box;
        TColor Ink;
    } const cases[] = {
        {"check box", Element(&TteTheme::DrawCheckBox, 0, {10, 10, 23, 23}, 0), {10, 10, 23, 23}, clBlack},
        {"list check",
         [](TteTheme& t, TCanvas& c) {
             t.DrawListBoxItemCheck(0, c, {R, 0}, {R, 4, nullptr, TteListCheck::klcChecked}, kObject);
         },
         {23, 18, 36, 31},
         0x008396A0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TThemeSurface surface;
        c.Draw(theme, surface.Canvas());
        int marked = 0;
        for (int y = c.Box.Top + 1; y < c.Box.Bottom - 1; ++y)
            for (int x = c.Box.Left + 1; x < c.Box.Right - 1; ++x)
                marked += surface.At(x, y) == Rgb(c.Ink);
        EXPECT_GT(marked, 8);
        EXPECT_EQ(surface.At(c.Box.Left, c.Box.Top), Rgb(0x008396A0)) << "the box outline";
        EXPECT_EQ(surface.At(c.Box.Right, c.Box.Bottom), kUntouched) << "nothing outside the box";
    }
}

TEST(BuiltInPixelTest, HoveredImageCastsAShadowAndLeavesTheImageAsItWas)
{
    // A 4 × 4 half-transparent square in an 8 × 8 image on a key ground, centred in a 20 × 20 glyph
    // rectangle: hot, it
    // moves up-left by one and its grey silhouette falls two pixels down-right of it.
    TteBitmap image;
    image.SetSize(8, 8);
    image.Fill(TransparentKey);
    image.FillRect({2, 2, 6, 6}, 0x80FF0000);
    image.SetTransparent(true);
    const QImage before = image.ToImage();
    TteBuiltTheme<TTeOfficeXPTheme> theme;
    TThemeSurface surface;
    surface.bitmap.Fill(0xFFFFFFFF);
    const TteGlyphInfo glyph{{10, 10, 30, 30}, &image, 4, TteGlyphKind::kgkShadowedImage};
    theme.DrawMenuItemGlyph(1, surface.Canvas(), {{0, 0, 80, 60}, 0, 1}, glyph, kObject);
    EXPECT_EQ(image.ToImage(), before) << "the caller's image is not changed";
    // The image's square now covers (17, 17)-(20, 20); its shadow (19, 19)-(22, 22) shows beside it.
    EXPECT_NE(surface.At(17, 17), Rgb(clWhite));
    EXPECT_NE(surface.At(22, 22), Rgb(clWhite));
    EXPECT_EQ(surface.At(23, 23), Rgb(clWhite));
    EXPECT_EQ(surface.At(16, 16), Rgb(clWhite));
}

} // namespace
