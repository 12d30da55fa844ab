// The visual-style theme's fills in the style's colours: faces and bevels, edit and memo states that
// borrow another section's fill, the group box caption gap, menus, list items, grid cells and glyphs.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "graphics/Bitmap.h"
#include "tests/themes/MsStylesFixture.h"
#include "tests/themes/ThemeFixture.h"

namespace {

using enum TMsElement;

// The button face 60 60 60 lightened and darkened by 30.
constexpr TColor kLight = 0x005A5A5A;
constexpr TColor kDark = 0x001E1E1E;

constexpr TColor kEditFill = 0x00030201;
constexpr TColor kEditBorder = 0x00060504;
constexpr TColor kDisabledFill = 0x00090807;
constexpr TColor kReadOnlyFill = 0x000C0B0A;
constexpr TColor kComboFill = 0x000F0E0D;
constexpr TColor kComboDisabledFill = 0x00121110;

// Edit and combo sections that fill instead of showing an image.
std::unique_ptr<TTeThemeMsStyles> FillStyle()
{
    return MakeFrameStyle({
        {Edit, QStringLiteral("fillcolor=1 2 3\r\nbordercolor=4 5 6")},
        {EditEdittextDisabled, QStringLiteral("fillcolor=7 8 9")},
        {EditEdittextReadonly, QStringLiteral("fillcolor=10 11 12")},
        {Combobox, QStringLiteral("fillcolor=13 14 15")},
        {ComboboxDisabled, QStringLiteral("fillcolor=16 17 18")},
    });
}

struct TFillCase {
    std::string name;
    std::function<void(TTeThemeMsStyles&, TCanvas&, const TRect&)> draw;
    // At the centre and at the top-left corner of the rectangle.
    TColor centre;
    TColor corner;
};

std::vector<TFillCase> FillCases()
{
    const QString& o = kObject;
    using T = TTeThemeMsStyles;
    using C = TCanvas;
    using R = TRect;
    std::vector<TFillCase> cases = {
        {"DrawPanel", [o](T& t, C& c, const R& r) { t.DrawPanel(0, c, r, o); }, kStyleBtnFace, kLight},
        {"DrawSplitter", [o](T& t, C& c, const R& r) { t.DrawSplitter(0, c, r, o); }, kStyleBtnFace, kStyleBtnFace},
        {"DrawScrollBox", [o](T& t, C& c, const R& r) { t.DrawScrollBox(0, c, r, o); }, kStyleBtnFace, kDark},
        {"DrawBox", [o](T& t, C& c, const R& r) { t.DrawBox(0, c, {r, 0}, o); }, kStyleBtnFace, kEditBorder},
        {"DrawToolBar 1", [o](T& t, C& c, const R& r) { t.DrawToolBar(1, c, r, o); }, kUntouched, kLight},
        {"DrawToolBar 2", [o](T& t, C& c, const R& r) { t.DrawToolBar(2, c, r, o); }, kStyleMenu, kStyleMenuHilight},
        {"DrawMenu 0", [o](T& t, C& c, const R& r) { t.DrawMenu(0, c, r, o); }, kStyleMenu, kStyleMenu},
        {"DrawMenu 1", [o](T& t, C& c, const R& r) { t.DrawMenu(1, c, r, o); }, kStyleMenu, kStyleMenuHilight},
        {"DrawMenu 2", [o](T& t, C& c, const R& r) { t.DrawMenu(2, c, r, o); }, kUntouched, kUntouched},
        {"DrawGridCell fixed", [o](T& t, C& c, const R& r) { t.DrawGridCell(0, c, {r, 3, 1}, o); }, kStyleBtnFace,
         kLight},
    };
    // Edits and memos: the edit section's own fill, or another section's lent for one drawing.
    const std::vector<std::tuple<int, int, TColor>> edits = {
        {0, 0, kEditFill},     {0, 3, kEditFill},          {0, 4, kDisabledFill},     {0, 5, kReadOnlyFill},
        {0, 6, kStyleHighlight}, {0, 7, kUntouched},       {2, 4, kDisabledFill},     {7, 5, kReadOnlyFill},
        {4, 0, kComboFill},    {5, 3, kComboFill},         {6, 4, kComboDisabledFill}, {4, 5, kUntouched},
        {6, 6, kUntouched}};
    for (const auto& [kind, state, colour] : edits)
        cases.push_back({"DrawEdit " + std::to_string(kind) + "/" + std::to_string(state),
                         [o, kind, state](T& t, C& c, const R& r) {
                             t.DrawEdit(static_cast<TteKind>(kind), c, {r, static_cast<std::uint8_t>(state)}, o);
                         },
                         colour, colour});
    const std::pair<int, TColor> memos[] = {{0, kEditFill},     {2, kEditFill},       {3, kDisabledFill},
                                            {4, kReadOnlyFill}, {5, kStyleHighlight}, {6, kUntouched}};
    for (const auto& [state, colour] : memos)
        cases.push_back({"DrawMemo " + std::to_string(state),
                         [o, state](T& t, C& c, const R& r) {
                             t.DrawMemo(0, c, {r, static_cast<std::uint8_t>(state)}, o);
                         },
                         colour, colour});
    // List and tree items: 0 normal, 1 hot, 2 selected, 3 focused, 4 disabled.
    const std::pair<int, TColor> items[] = {{0, kStyleWindow},    {1, kStyleWindow}, {2, kStyleHighlight},
                                            {3, kStyleHighlight}, {4, kStyleWindow}, {5, kUntouched}};
    for (const auto& [state, colour] : items) {
        const auto s = static_cast<std::uint8_t>(state);
        cases.push_back({"DrawListBoxItem " + std::to_string(state),
                         [o, s](T& t, C& c, const R& r) { t.DrawListBoxItem(0, c, {r, s}, o); }, colour, colour});
        cases.push_back({"DrawTreeItem " + std::to_string(state),
                         [o, s](T& t, C& c, const R& r) { t.DrawTreeItem(0, c, {r, s}, o); }, colour, colour});
    }
    // Grid cells carry their state in Part.
    const std::pair<int, TColor> cells[] = {{0, kStyleWindow},    {1, kStyleBtnFace}, {2, kStyleHighlight},
                                            {3, kStyleHighlight}, {4, kStyleWindow},  {5, kUntouched}};
    for (const auto& [part, colour] : cells)
        cases.push_back({"DrawGridCell " + std::to_string(part),
                         [o, part](T& t, C& c, const R& r) {
                             t.DrawGridCell(0, c, {r, static_cast<std::uint8_t>(part), 0}, o);
                         },
                         colour, colour});
    // Menu items: hot and selected are lit.
    const std::pair<int, TColor> menuItems[] = {
        {0, kStyleMenu}, {1, kStyleMenuHilight}, {2, kStyleMenuHilight}, {3, kStyleMenu}};
    for (const auto& [state, colour] : menuItems)
        cases.push_back({"DrawMenuItem 0/" + std::to_string(state),
                         [o, state](T& t, C& c, const R& r) {
                             t.DrawMenuItem(1, c, {r, 0, static_cast<std::uint8_t>(state)}, o);
                         },
                         colour, colour});
    return cases;
}

TEST(MsStylesFills, FamiliesFillInTheStylesColours)
{
    auto theme = FillStyle();
    const TRect rect{4, 4, 28, 28};
    for (const TFillCase& c : FillCases()) {
        TThemeSurface surface(32, 32);
        c.draw(*theme, surface.Canvas(), rect);
        EXPECT_EQ(surface.At(16, 16), c.centre) << c.name;
        EXPECT_EQ(surface.At(4, 4), c.corner) << c.name;
        EXPECT_EQ(surface.At(2, 2), kUntouched) << c.name;
    }
    // Lending a fill never changes the sections' own colours.
    EXPECT_EQ(theme->Element(Edit).FillColor, kEditFill);
    EXPECT_EQ(theme->Element(Combobox).FillColor, kComboFill);
}

TEST(MsStylesFills, LentFillComesBackWhenDrawingRaises)
{
    auto theme = FillStyle();
    TCanvas unbound;
    EXPECT_ANY_THROW(theme->DrawEdit(0, unbound, {{0, 0, 8, 8}, 4}, kObject));
    EXPECT_ANY_THROW(theme->DrawEdit(5, unbound, {{0, 0, 8, 8}, 4}, kObject));
    EXPECT_ANY_THROW(theme->DrawMemo(0, unbound, {{0, 0, 8, 8}, 4}, kObject));
    EXPECT_EQ(theme->Element(Edit).FillColor, kEditFill);
    EXPECT_EQ(theme->Element(Combobox).FillColor, kComboFill);
}

TEST(MsStylesFills, GroupBoxFrameStaysOutOfTheCaption)
{
    auto theme = MakeFrameStyle();
    const TColor frame = FrameColour(ButtonGroupbox, 1);
    TThemeSurface withCaption(32, 32);
    theme->DrawGroupBox(0, withCaption.Canvas(), {{2, 2, 30, 30}, {8, 0, 20, 6}, 0}, kObject);
    EXPECT_EQ(withCaption.At(10, 3), kUntouched);
    EXPECT_EQ(withCaption.At(19, 5), kUntouched);
    EXPECT_EQ(withCaption.At(20, 3), frame);
    EXPECT_EQ(withCaption.At(5, 3), frame);
    EXPECT_EQ(withCaption.At(10, 6), frame);

    TThemeSurface noCaption(32, 32);
    theme->DrawGroupBox(0, noCaption.Canvas(), {{2, 2, 30, 30}, {}, 0}, kObject);
    EXPECT_EQ(noCaption.At(10, 3), frame);
}

TEST(MsStylesFills, MenuSeparatorIsALineAcrossTheMiddle)
{
    auto theme = MakeFrameStyle();
    TThemeSurface surface(32, 32);
    theme->DrawMenuItem(1, surface.Canvas(), {{0, 10, 32, 19}, 1, 0}, kObject);
    EXPECT_EQ(surface.At(16, 14), kStyleMenuHilight);
    EXPECT_EQ(surface.At(4, 14), kStyleMenu);
    EXPECT_EQ(surface.At(27, 14), kStyleMenu);
    EXPECT_EQ(surface.At(16, 13), kStyleMenu);
    EXPECT_EQ(surface.At(16, 15), kStyleMenu);
}

TEST(MsStylesFills, MenuScrollButtonsShowAGreyArrowAndARoundFrameWhenLit)
{
    auto theme = MakeFrameStyle();
    const auto grey = [](TThemeSurface& s) {
        int count = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                count += s.At(x, y) == 0x00808080 ? 1 : 0;
        return count;
    };
    for (std::uint8_t part : {3, 4}) {
        TThemeSurface normal(32, 32), lit(32, 32);
        theme->DrawMenuItem(1, normal.Canvas(), {{0, 0, 32, 32}, part, 0}, kObject);
        theme->DrawMenuItem(1, lit.Canvas(), {{0, 0, 32, 32}, part, 1}, kObject);
        EXPECT_GT(grey(normal), 0) << int(part);
        EXPECT_EQ(normal.At(16, 0), kStyleMenu) << int(part);
        EXPECT_EQ(lit.At(16, 0), kStyleMenuHilight) << int(part);
        EXPECT_EQ(lit.At(16, 16 + (part == 3 ? 12 : -12)), kStyleMenu) << int(part);
    }
}

// A 4 x 4 glyph, half transparent red.
std::unique_ptr<TteBitmap> HalfRedGlyph()
{
    auto glyph = std::make_unique<TteBitmap>();
    glyph->SetSize(4, 4);
    glyph->Fill(0x80FF0000);
    glyph->SetAlphaBlend(true);
    return glyph;
}

TEST(MsStylesFills, HotImageGlyphIsLiftedOverItsShadowAndKeepsItsAlpha)
{
    auto theme = MakeFrameStyle();
    auto glyph = HalfRedGlyph();
    struct {
        TteGlyphKind kind;
        std::uint8_t state;
        int left;  // where the glyph lands in a 16 x 16 rect
        bool shadow;
    } const cases[] = {
        {TteGlyphKind::kgkShadowedImage, 0, 6, false}, {TteGlyphKind::kgkShadowedImage, 1, 5, true},
        {TteGlyphKind::kgkShadowedImage, 2, 5, true},  {TteGlyphKind::kgkShadowedImage, 3, 6, false},
        {TteGlyphKind::kgkImage, 1, 6, false},
    };
    for (const auto& c : cases) {
        TThemeSurface surface(16, 16);
        surface.bitmap.Fill(0xFFFFFFFF);
        theme->DrawMenuItemGlyph(1, surface.Canvas(), {{0, 0, 16, 16}, 0, c.state},
                                 {{0, 0, 16, 16}, glyph.get(), 4, c.kind}, kObject);
        const std::string name = std::to_string(int(c.kind)) + "/" + std::to_string(c.state);
        // Half red over white.
        EXPECT_EQ(surface.At(c.left, c.left), 0x007F7FFFu) << name;
        EXPECT_EQ(surface.At(c.left - 1, c.left - 1), 0x00FFFFFFu) << name;
        // Right of and below the glyph only the shadow reaches.
        EXPECT_EQ(surface.At(c.left + 5, c.left + 5) != 0x00FFFFFFu, c.shadow) << name;
    }
    EXPECT_EQ(glyph->GetPixel(1, 1), 0x80FF0000u);
    EXPECT_TRUE(glyph->AlphaBlend());
}

TEST(MsStylesFills, MenuGlyphKindsWithoutImageAreTheSharedMarks)
{
    auto theme = MakeFrameStyle();
    TThemeSurface radio(16, 16);
    theme->DrawMenuItemGlyph(1, radio.Canvas(), {{0, 0, 16, 16}, 0, 0},
                             {{0, 0, 16, 16}, nullptr, 4, TteGlyphKind::kgkRadio}, kObject);
    EXPECT_EQ(radio.At(8, 8), 0u);
    TThemeSurface image(16, 16);
    theme->DrawMenuItemGlyph(1, image.Canvas(), {{0, 0, 16, 16}, 0, 1},
                             {{0, 0, 16, 16}, nullptr, 4, TteGlyphKind::kgkShadowedImage}, kObject);
    EXPECT_EQ(image.At(8, 8), kUntouched);
}

TEST(MsStylesFills, ListCheckGlyphIsCentredAtItsOwnSize)
{
    auto theme = MakeFrameStyle();
    auto glyph = std::make_unique<TteBitmap>();
    glyph->SetSize(2, 2);
    glyph->Fill(0xFF0000FF);
    TThemeSurface surface(16, 16);
    theme->DrawListBoxItemCheck(0, surface.Canvas(), {{0, 0, 16, 16}, 0},
                                {{0, 0, 16, 16}, 4, glyph.get(), TteListCheck::klcGlyph}, kObject);
    EXPECT_EQ(surface.At(7, 7), 0x00FF0000u);
    EXPECT_EQ(surface.At(8, 8), 0x00FF0000u);
    EXPECT_EQ(surface.At(6, 6), kUntouched);
    EXPECT_EQ(surface.At(9, 9), kUntouched);
    TThemeSurface none(16, 16);
    theme->DrawListBoxItemCheck(0, none.Canvas(), {{0, 0, 16, 16}, 0},
                                {{0, 0, 16, 16}, 4, nullptr, TteListCheck::klcGlyph}, kObject);
    EXPECT_EQ(none.At(8, 8), kUntouched);
}

TEST(MsStylesFills, SideTabsTurnTheirText)
{
    auto theme = MakeFrameStyle();
    const TRect rect{0, 0, 40, 40};
    const TteTextInfo text = MakeTextInfo(rect, QStringLiteral("Tab"), TteTextAlignment::ktaCenter, 0,
                                          TteTextRotation::ktrNone);
    const std::pair<std::uint8_t, TteTextRotation> parts[] = {
        {0, TteTextRotation::ktrNone},     {2, TteTextRotation::ktrNone},
        {4, TteTextRotation::ktrCounterClockwise}, {8, TteTextRotation::ktrClockwise},
        {9, TteTextRotation::ktrNone}};
    for (const auto& [part, rotation] : parts) {
        TThemeSurface tab(40, 40), expected(40, 40);
        theme->DrawTabText(0, tab.Canvas(), {rect, part, 0}, text, kObject);
        TteTextInfo turned = text;
        turned.Rotation = rotation;
        theme->DrawText(expected.Canvas(), turned);
        EXPECT_EQ(tab.bitmap.ToImage(), expected.bitmap.ToImage()) << int(part);
    }
}

}  // namespace
