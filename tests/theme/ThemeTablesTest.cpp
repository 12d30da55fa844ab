// Colour, system-colour, font and option tables: stream forms, lookups and tinting.
#include <gtest/gtest.h>

#include "framework/Stream.h"
#include "graphics/Pixel.h"
#include "graphics/StoredString.h"
#include "theme/ThemeColors.h"
#include "theme/ThemeError.h"
#include "theme/ThemeFonts.h"
#include "theme/ThemeOptions.h"
#include "theme/ThemeSysColors.h"

namespace {

// Every entry name of a written table, in stream order.
QStringList WrittenNames(TMemoryStream& stream, int headerBytes, int count)
{
    stream.Seek(headerBytes, TSeekOrigin::soBeginning);
    QStringList names;
    for (int i = 0; i < count; ++i) {
        names << ReadStoredString(stream);
        EXPECT_EQ(ReadStoredString(stream), QStringLiteral(":"));
        ReadStoredString(stream);
    }
    EXPECT_EQ(stream.Position(), stream.Size());
    return names;
}

}  // namespace

TEST(ThemeColors, DefaultsAndStreamRoundTrip)
{
    TteThemeColors colors;
    colors.SetDefaults();
    EXPECT_EQ(colors.GetColor(TteThemeColor::ktcCaptionNormal), 0x00FF0000u);
    EXPECT_EQ(colors.GetColor(TteThemeColor::ktcBorder), 0u);
    EXPECT_EQ(colors.GetColor(TteThemeColor::ktcEditSelection), clHighlight);
    EXPECT_EQ(colors.GetColor(TteThemeColor::ktcHint), clInfoBk);
    EXPECT_EQ(colors.GetColor(TteThemeColor::ktcBarDock), clBtnFace);
    colors.SetColor(TteThemeColor::ktcGrid, 0x00123456);

    TMemoryStream stream;
    colors.WriteColors(stream);
    const QStringList names = WrittenNames(stream, 1, 22);
    EXPECT_EQ(names.first(), QStringLiteral("CaptionNormal"));
    EXPECT_EQ(names[4], QStringLiteral("Border"));
    EXPECT_EQ(names.last(), QStringLiteral("BarDock"));

    stream.Seek(0, TSeekOrigin::soBeginning);
    TteThemeColors read;
    read.ReadColors(stream);
    for (int i = 0; i < TteThemeColors::kCount; ++i)
        EXPECT_EQ(read.GetColor(i), colors.GetColor(i)) << i;
    EXPECT_THROW(read.GetColor(22), EThemeError);
}

TEST(ThemeColors, ReadingAStreamLongerThanTheTableKeepsStepAndDropsTheRest)
{
    TMemoryStream stream;
    const std::uint8_t last = 23;  // 24 entries
    stream.WriteBuffer(&last, 1);
    for (int i = 0; i < 24; ++i) {
        WriteStoredString(stream, QStringLiteral("X"));
        WriteStoredString(stream, QStringLiteral(":"));
        WriteStoredString(stream, ColorToString(static_cast<TColor>(i)));
    }
    WriteStoredString(stream, QStringLiteral("after"));
    stream.Seek(0, TSeekOrigin::soBeginning);
    TteThemeColors colors;
    colors.ReadColors(stream);
    EXPECT_EQ(colors.GetColor(21), 21u);
    EXPECT_EQ(ReadStoredString(stream), QStringLiteral("after"));
}

TEST(ThemeSysColors, LookupByIdentifierTakesTheFirstRow)
{
    TteThemeSysColors sys;
    EXPECT_EQ(sys.Entry(4), ColorToRGB(clBtnFace));
    sys.SetEntry(1, 0x111111);
    sys.SetEntry(10, 0x222222);
    EXPECT_EQ(sys.GetSysColor(clActiveCaption), 0x111111u);
    sys.SetSysColor(clActiveCaption, 0x333333);
    EXPECT_EQ(sys.Entry(1), 0x333333u);
    EXPECT_EQ(sys.Entry(10), 0x222222u);

    EXPECT_EQ(sys.GetSysColor(clHotLight), clNone);
    sys.SetSysColor(clHotLight, 0x444444);
    for (int i = 0; i < TteThemeSysColors::kCount; ++i)
        EXPECT_NE(sys.Entry(i), 0x444444u);
}

TEST(ThemeSysColors, StreamRoundTripWithInt32Count)
{
    TteThemeSysColors sys;
    sys.SetSysColor(clWindow, 0x00ABCDEF);
    TMemoryStream stream;
    sys.WriteColors(stream);
    stream.Seek(0, TSeekOrigin::soBeginning);
    std::int32_t count = 0;
    stream.ReadBuffer(&count, 4);
    EXPECT_EQ(count, 26);
    const QStringList names = WrittenNames(stream, 4, 26);
    EXPECT_EQ(names[1], QStringLiteral("clActiveCaption"));
    EXPECT_EQ(names[10], QStringLiteral("clActiveCaption"));
    EXPECT_EQ(names.last(), QStringLiteral("clWindowFrame"));

    stream.Seek(0, TSeekOrigin::soBeginning);
    TteThemeSysColors read;
    read.SetSysColor(clWindow, 0);
    read.ReadColors(stream);
    EXPECT_EQ(read.GetSysColor(clWindow), 0x00ABCDEFu);
}

TEST(ThemeFonts, FontTextForms)
{
    struct Case {
        const char* text;
        TFontStyles style;
    } cases[] = {
        {"Tahoma,8,1,0,0,0,bold", {TFontStyle::fsBold}},
        {"Tahoma,8,1,0,0,0,italic", {TFontStyle::fsItalic}},
        {"Tahoma,8,1,0,0,0,bold,italic,underline,strikeout",
         {TFontStyle::fsBold, TFontStyle::fsItalic, TFontStyle::fsUnderline, TFontStyle::fsStrikeOut}},
        {"Tahoma,8,1,0,0,0", {}},
    };
    for (const Case& c : cases) {
        TFont font;
        font.SetStyle({TFontStyle::fsBold});
        TteThemeFonts::TextToFont(QString::fromLatin1(c.text), font);
        EXPECT_EQ(font.Style(), c.style) << c.text;
        EXPECT_EQ(TteThemeFonts::FontToText(font), QString::fromLatin1(c.text));
    }

    TFont font;
    TteThemeFonts::TextToFont(QStringLiteral("Verdana;12;0;10,20,30"), font);
    EXPECT_EQ(font.Name(), QStringLiteral("Verdana"));
    EXPECT_EQ(font.Size(), 12);
    EXPECT_EQ(font.Color(), RGB(10, 20, 30));

    for (const char* bad : {"Tahoma", "Tahoma,x,1,0,0,0", "Tahoma,8,1,0,0,0,heavy"})
        EXPECT_THROW(TteThemeFonts::TextToFont(QString::fromLatin1(bad), font), EConvertError) << bad;
}

TEST(ThemeFonts, DefaultsAndStreamRoundTrip)
{
    TteThemeFonts fonts;
    fonts.SetDefaults();
    EXPECT_EQ(fonts.GetFont(TteThemeFont::ktfCaptionTextNormal)->Size(), 10);
    EXPECT_EQ(fonts.GetFont(TteThemeFont::ktfCaptionTextNormal)->Style(), TFontStyles{TFontStyle::fsBold});
    EXPECT_EQ(fonts.GetFont(TteThemeFont::ktfCaptionTextInactive)->Color(), 0x00C0C0C0u);
    EXPECT_EQ(fonts.GetFont(TteThemeFont::ktfEditBoxTextSelected)->Color(), clWhite);
    EXPECT_EQ(fonts.GetFont(TteThemeFont::ktfButtonTextDisabled)->Color(), clBtnShadow);
    // Not among the defaults: kept as created.
    EXPECT_EQ(fonts.GetFont(TteThemeFont::ktfPanelTextNormal)->Name(), QStringLiteral("Tahoma"));
    fonts.GetFont(8)->SetStyle({TFontStyle::fsItalic});

    TMemoryStream stream;
    fonts.WriteFonts(stream);
    const QStringList names = WrittenNames(stream, 1, 66);
    EXPECT_EQ(names.first(), QStringLiteral("CaptionTextNormal"));
    EXPECT_EQ(names[46], QStringLiteral("HeaderSectionTextHot"));
    EXPECT_EQ(names.last(), QStringLiteral("PopupMenuItemTextDisabled"));

    stream.Seek(0, TSeekOrigin::soBeginning);
    TteThemeFonts read;
    read.ReadFonts(stream);
    for (int i = 0; i < TteThemeFonts::kCount; ++i) {
        const TFont* expected = fonts.GetFont(i);
        const TFont* actual = read.GetFont(i);
        EXPECT_EQ(actual->Name(), expected->Name()) << i;
        EXPECT_EQ(actual->Size(), expected->Size()) << i;
        EXPECT_EQ(actual->Color(), ColorToRGB(expected->Color())) << i;
        EXPECT_EQ(actual->Style(), expected->Style()) << i;
    }
}

TEST(ThemeFonts, ShiftsResolveFontColoursEvenForZero)
{
    TteThemeFonts fonts;
    fonts.SetDefaults();
    fonts.ApplyHue(0);
    EXPECT_EQ(fonts.GetFont(TteThemeFont::ktfButtonTextDisabled)->Color(), ColorToRGB(clBtnShadow));
    fonts.ApplyBrightness(50);
    EXPECT_EQ(fonts.GetFont(TteThemeFont::ktfButtonTextNormal)->Color(),
              PixelToColor(BrightnessShiftPixel(ColorToPixelAlpha(clBlack, 255), 50)));
}

TEST(ThemeOptions, StreamRoundTrip)
{
    TteThemeOptions options;
    options.SetOption(0, 7);
    options.SetOption(1, 200);
    TMemoryStream stream;
    options.WriteOptions(stream);
    EXPECT_EQ(stream.Size(), 3);
    stream.Seek(0, TSeekOrigin::soBeginning);
    TteThemeOptions read;
    read.ReadOptions(stream);
    EXPECT_EQ(read.GetOption(0), 7);
    EXPECT_EQ(read.GetOption(1), 200);
    EXPECT_THROW(read.SetOption(2, 1), EThemeError);
}
