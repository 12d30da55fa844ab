// The colour and font tables of the flat and Office XP kinds, their names, configuration, and how
// hue and brightness act on them.
#include <gtest/gtest.h>

#include <memory>

#include "graphics/Pixel.h"
#include "themes/FlatTheme.h"
#include "themes/OfficeXPTheme.h"

namespace {

constexpr TColor kFace = clBtnFace;

// Index, flat value, Office XP value, as the two looks are specified.
struct ColorCase {
    int Index;
    TColor Flat;
    TColor OfficeXP;
} const kColorCases[] = {
    {0, 0x009CDEF7, 0x00FF0000}, {1, kFace, kFace},           {2, 0x00808080, 0x00808080},
    {3, kFace, kFace},           {4, 0x008396A0, clHighlight}, {5, kFace, kFace},
    {6, kFace, kFace},           {7, kFace, kFace},            {8, 0x00E1EAEB, 0x00D2BDB6},
    {9, 0x00996633, 0x00B59285}, {10, 0x00996633, 0x00B59285}, {11, kFace, kFace},
    {12, 0x00FFFFFF, 0x00FFFFFF}, {13, 0x00FFFFFF, 0x00FFFFFF}, {14, 0x00FFFFFF, 0x00FFFFFF},
    {15, 0x00FFFFFF, 0x00FFFFFF}, {16, 0x00B59285, 0x00B59285}, {18, 0x00FFFFFF, 0x00FFFFFF},
    {19, 0x00FFFFFF, 0x00FFFFFF}, {20, 0x00FFFFFF, 0x00FFFFFF},
};

struct FontLook {
    int Size;
    TColor Color;
    bool Bold;
};
constexpr FontLook kUntouched{0, 0, false};
// First and last index of a run, flat look, Office XP look (kUntouched: not written by that kind).
struct FontCase {
    int First, Last;
    FontLook Flat, OfficeXP;
} const kFontCases[] = {
    {0, 0, {10, clBlack, true}, {10, clWhite, true}},
    {1, 1, {10, 0x00808080, true}, {10, 0x00C0C0C0, true}},
    {2, 2, {8, clWhite, true}, {8, clWhite, true}},
    {3, 3, {8, 0x00C0C0C0, true}, {8, 0x00C0C0C0, true}},
    {4, 7, {8, clBlack, false}, kUntouched},
    {10, 13, {8, clBlack, false}, {8, clBlack, false}},
    {14, 14, {8, 0x00808080, false}, {8, 0x00808080, false}},
    {15, 31, {8, clBlack, false}, {8, clBlack, false}},
    {32, 32, {8, 0x00808080, false}, {8, 0x00808080, false}},
    {33, 33, {8, clWhite, false}, {8, clWhite, false}},
    {37, 37, {8, 0x00808080, false}, {8, 0x00808080, false}},
    {41, 41, {8, 0x00808080, false}, {8, 0x00808080, false}},
    {42, 48, {8, clBlack, false}, {8, clBlack, false}},
    {65, 65, {8, 0x00808080, false}, {8, 0x00808080, false}},
};

void ExpectFontsWritten(TteTheme& theme, bool officeXP)
{
    TteBuiltTheme<TteTheme> abstract;
    for (const FontCase& run : kFontCases) {
        const FontLook& look = officeXP ? run.OfficeXP : run.Flat;
        for (int index = run.First; index <= run.Last; ++index) {
            SCOPED_TRACE(testing::Message() << "font " << index);
            const TFont& font = *theme.Fonts()->GetFont(index);
            if (look.Size == 0) {
                EXPECT_TRUE(font == *abstract.Fonts()->GetFont(index)) << "kept the abstract font";
                continue;
            }
            EXPECT_EQ(font.Name(), QStringLiteral("Tahoma"));
            EXPECT_EQ(font.Size(), look.Size);
            EXPECT_EQ(ColorToRGB(font.Color()), ColorToRGB(look.Color));
            EXPECT_EQ(font.Style(), look.Bold ? TFontStyles{TFontStyle::fsBold} : TFontStyles{});
        }
    }
}

TEST(BuiltInTablesTest, FlatColoursAndFonts)
{
    TteBuiltTheme<TTeFlatTheme> theme;
    for (const ColorCase& c : kColorCases)
        EXPECT_EQ(theme.Colors()->GetColor(c.Index), c.Flat) << "colour " << c.Index;
    ExpectFontsWritten(theme, false);
}

TEST(BuiltInTablesTest, OfficeXPColoursAndFonts)
{
    TteBuiltTheme<TTeOfficeXPTheme> theme;
    for (const ColorCase& c : kColorCases)
        EXPECT_EQ(ColorToRGB(theme.Colors()->GetColor(c.Index)), ColorToRGB(c.OfficeXP)) << "colour " << c.Index;
    ExpectFontsWritten(theme, true);
}

TEST(BuiltInTablesTest, HintAndBarDockKeepTheAbstractStart)
{
    // Neither kind writes entries 17 and 21; a new theme starts them from the abstract defaults.
    TteBuiltTheme<TTeFlatTheme> flat;
    TteBuiltTheme<TTeOfficeXPTheme> officeXP;
    for (TteTheme* theme : {static_cast<TteTheme*>(&flat), static_cast<TteTheme*>(&officeXP)}) {
        EXPECT_EQ(theme->Colors()->GetColor(17), clInfoBk);
        EXPECT_EQ(theme->Colors()->GetColor(21), clBtnFace);
    }
}

TEST(BuiltInTablesTest, KindNamesConfigurationAndFrames)
{
    EXPECT_EQ(TTeFlatTheme::GetThemeKindName(), QStringLiteral("Flat"));
    EXPECT_EQ(TTeOfficeXPTheme::GetThemeKindName(), QStringLiteral("OfficeXP"));
    for (const TteThemeClass* kind : {&ThemeClassOf<TTeFlatTheme>(), &ThemeClassOf<TTeOfficeXPTheme>()}) {
        const TteThemeConfig config = kind->GetThemeConfig();
        EXPECT_TRUE(config.BuiltIn);
        EXPECT_FALSE(config.CanSave);
        EXPECT_FALSE(config.CanLoadStream);
        EXPECT_TRUE(config.Filter.isEmpty());
        EXPECT_TRUE(config.DefaultExt.isEmpty());
        EXPECT_EQ(&kind->Create()->ThemeClass(), kind);
    }
    TteBuiltTheme<TTeFlatTheme> flat;
    TteBuiltTheme<TTeOfficeXPTheme> officeXP;
    EXPECT_TRUE(flat.IsFormAvailable(TteFormKind::kfkStandard, QStringLiteral("default")));
    EXPECT_FALSE(officeXP.IsFormAvailable(TteFormKind::kfkStandard, QStringLiteral("default")));
    EXPECT_TRUE(officeXP.IsMenuAvailable(1, QStringLiteral("default")));
    EXPECT_EQ(flat.PopupGutterWidth(), 0);
    EXPECT_EQ(officeXP.PopupGutterWidth(), 21);
}

TEST(BuiltInTablesTest, HueAndBrightnessShiftFontsOfBothAndColoursOfOfficeXPOnly)
{
    struct Case {
        int Hue, Brightness;
    } const cases[] = {{40, 0}, {0, -30}, {100, 25}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "hue " << c.Hue << ", brightness " << c.Brightness);
        const auto shifted = [&](TColor colour) {
            TteColor p = ColorToPixelAlpha(colour, 255);
            if (c.Hue != 0)
                p = HueShiftPixel(p, c.Hue);
            if (c.Brightness != 0)
                p = BrightnessShiftPixel(p, c.Brightness);
            return ColorToRGB(PixelToColor(p));
        };
        TteBuiltTheme<TTeFlatTheme> flat;
        TteBuiltTheme<TTeOfficeXPTheme> officeXP;
        flat.SetDeltas(c.Hue, c.Brightness);
        officeXP.SetDeltas(c.Hue, c.Brightness);
        EXPECT_EQ(flat.Colors()->GetColor(0), 0x009CDEF7u) << "flat fills ignore the shift";
        EXPECT_EQ(ColorToRGB(officeXP.Colors()->GetColor(8)), shifted(0x00D2BDB6));
        EXPECT_EQ(ColorToRGB(officeXP.Colors()->GetColor(0)), shifted(0x00FF0000));
        EXPECT_EQ(ColorToRGB(flat.Fonts()->GetFont(1)->Color()), shifted(0x00808080));
        EXPECT_EQ(ColorToRGB(officeXP.Fonts()->GetFont(1)->Color()), shifted(0x00C0C0C0));
        // Shifts do not pile up: going back to no shift restores the base values.
        officeXP.SetDeltas(0, 0);
        EXPECT_EQ(ColorToRGB(officeXP.Colors()->GetColor(8)), 0x00D2BDB6u);
    }
}

} // namespace

#include "theme/ThemeManager.h"
#include "theme/ThemeBuilding.h"
#include "themes/MsStylesTheme.h"
#include "themes/ThemeKinds.h"

namespace {

TEST(ThemeKindsTest, RegisteredRightAfterTheAbstractTheme)
{
    RegisterThemeKinds();
    ASSERT_GE(GetThemeClassCount(), 4);
    EXPECT_EQ(GetThemeClass(0), &ThemeClassOf<TteTheme>());
    EXPECT_EQ(GetThemeClass(1), &ThemeClassOf<TTeFlatTheme>());
    EXPECT_EQ(GetThemeClass(2), &ThemeClassOf<TTeOfficeXPTheme>());
    EXPECT_EQ(GetThemeClass(3), &ThemeClassOf<TTeThemeMsStyles>());
    // Built by name, case ignored, as the theme engine and link do.
    const TteThemeClass* officeXP = FindBuiltInThemeClass(QStringLiteral("officexp"));
    ASSERT_EQ(officeXP, &ThemeClassOf<TTeOfficeXPTheme>());
    EXPECT_EQ(ColorToRGB(officeXP->Create()->Colors()->GetColor(4)), ColorToRGB(clHighlight));
    EXPECT_EQ(FindBuiltInThemeClass(QStringLiteral("FLAT"))->Create()->Colors()->GetColor(4), 0x008396A0u);
    UnregisterThemeKinds();
    EXPECT_EQ(FindBuiltInThemeClass(QStringLiteral("Flat")), nullptr);
}

} // namespace
