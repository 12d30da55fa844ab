// The stored theme "OSXTiger": carried by the executables, complete for the program's elements,
// drawn the same on every build, and written out and read back unchanged.
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "framework/IniFile.h"
#include "framework/Stream.h"
#include "framework/StringList.h"
#include "graphics/Bitmap.h"
#include "graphics/BitmapList.h"
#include "tests/support/GoldenImage.h"
#include "tests/themes/ThemeFixture.h"
#include "themes/MsStylesTheme.h"
#include "themes/MsuxThemeObject.h"
#include "themes/MsuxValueForms.h"
#include "themes/StoredThemes.h"
#include "tools/osxtiger/OsxTiger.h"

namespace {

std::unique_ptr<TTeThemeMsStyles> Tiger()
{
    auto theme = CreateStoredTheme(QStringLiteral("OSXTiger"));
    if (!theme)
        ADD_FAILURE() << "the executable carries no OSXTiger";
    return theme;
}

QString IniText(const TTeThemeMsStyles& theme)
{
    TStringList lines;
    theme.Ini().GetStrings(lines);
    return lines.Text();
}

QByteArray Packed(TTeThemeMsStyles& theme)
{
    TMemoryStream stream;
    theme.SavePacked(stream);
    return stream.Bytes();
}

}  // namespace

TEST(OsxTigerTheme, IsCarriedUnderItsNameWhateverTheLetterCase)
{
    EXPECT_TRUE(StoredThemeNames().contains(QStringLiteral("OSXTiger")));
    const auto theme = CreateStoredTheme(QStringLiteral("osxtiger"));
    ASSERT_NE(theme, nullptr);
    EXPECT_EQ(theme->Name(), QStringLiteral("OSXTiger"));
    EXPECT_FALSE(theme->IsEmpty());
    EXPECT_EQ(CreateStoredTheme(QStringLiteral("Aqua")), nullptr);
    EXPECT_TRUE(StoredThemeData(QStringLiteral("Aqua")).isEmpty());
}

// Every section of the element table has keys, and the picture keys agree with their
// pictures: each named bitmap is there and splits evenly into the frames the theme counts on.
TEST(OsxTigerTheme, EveryElementHasKeysAndFramesThatFitItsPicture)
{
    const auto theme = Tiger();
    ASSERT_NE(theme, nullptr);
    for (const QString& section : TTeThemeMsStyles::ElementSections())
        EXPECT_TRUE(theme->Element(section)->IsLoaded()) << qPrintable(section);

    TStringList sections;
    theme->Ini().ReadSections(sections);
    for (int s = 0; s < sections.Count(); ++s) {
        const QString section = sections.Strings(s);
        const int count = theme->Ini().ReadInteger(section, QStringLiteral("imagecount"), 1);
        const bool stacked = theme->Ini().ReadString(section, QStringLiteral("imagelayout"), QString()) ==
                             QLatin1String("vertical");
        for (const QString& key : {QStringLiteral("imagefile"), QStringLiteral("glyphimagefile")}) {
            const QString file = theme->Ini().ReadString(section, key, QString());
            if (file.isEmpty())
                continue;
            const TteBitmap* bitmap = theme->Bitmaps().FindBitmap(ResourceImageName(file));
            ASSERT_NE(bitmap, nullptr) << qPrintable(section) << " " << qPrintable(key);
            ASSERT_FALSE(bitmap->Empty()) << qPrintable(section) << " " << qPrintable(key);
            EXPECT_EQ((stacked ? bitmap->Height() : bitmap->Width()) % count, 0)
                << qPrintable(section) << " " << qPrintable(key);
        }
    }
}

// The frame counts the theme's state tables index into.
TEST(OsxTigerTheme, ElementsHaveTheFramesTheirStatesSelect)
{
    const auto theme = Tiger();
    ASSERT_NE(theme, nullptr);
    const struct {
        const char* section;
        int frames;
    } cases[] = {
        {"Window.Caption", 2},      {"Window.FrameLeft", 2},        {"Window.FrameBottom", 2},
        {"Window.SmallCaption", 2}, {"Window.CloseButton", 4},      {"Window.MaxButton", 4},
        {"Window.MinButton", 4},    {"Window.RestoreButton", 4},    {"Window.SmallCloseButton", 4},
        {"Button.Pushbutton", 5},   {"button.checkbox", 12},        {"button.radiobutton", 12},
        {"ScrollBar.ArrowBtn", 16}, {"ScrollBar.ThumbBtnVert", 4},  {"header.headeritem", 3},
        {"tab.toptabitem", 5},      {"toolbar.button", 6},          {"TrackBar.ThumbTop", 5},
        {"TrackBar.Thumb", 5},      {"Combobox.DropDownButton", 4},
    };
    for (const auto& c : cases) {
        const TmsuxThemeObject& element = *theme->Element(QString::fromLatin1(c.section));
        EXPECT_EQ(element.ImageCount, c.frames) << c.section;
        ASSERT_TRUE(element.ImageFile.Valid()) << c.section;
        const TteBitmap& bitmap = *element.ImageFile.Bitmap();
        const int along = element.ImageLayout == 1 ? bitmap.Width() : bitmap.Height();
        EXPECT_EQ(along % c.frames, 0) << c.section;
    }
}

TEST(OsxTigerTheme, MetricsAndColoursComeFromTheStyle)
{
    const auto theme = Tiger();
    ASSERT_NE(theme, nullptr);
    EXPECT_EQ(theme->CaptionBarHeight(), 22);
    EXPECT_EQ(theme->BorderWidth(), 4);
    EXPECT_EQ(theme->SMCaptionBarHeight(), 17);
    EXPECT_EQ(theme->SMBorderWidth(), 3);
    EXPECT_EQ(theme->MsgBoxFont().Name(), QStringLiteral("DejaVu Sans"));
    // Unshifted, the menu colours are the style's own (56 117 215).
    EXPECT_EQ(theme->MenuHilightColor(), TColor(0x00D77538));
}

// What the gallery's --export-theme writes is the very file the build carries, and reads back
// to the same name, text, bitmaps and flags.
TEST(OsxTigerTheme, ExportedFileIsTheCarriedOneAndLoadsBackTheSame)
{
    const auto theme = Tiger();
    ASSERT_NE(theme, nullptr);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("OSXTiger.theme"));
    ASSERT_TRUE(theme->SaveToFile(file));
    TMemoryStream written;
    written.LoadFromFile(file);
    EXPECT_EQ(written.Bytes(), StoredThemeData(QStringLiteral("OSXTiger")));

    TteBuiltTheme<TTeThemeMsStyles> loaded;
    ASSERT_TRUE(loaded.LoadFromFile(file));
    EXPECT_EQ(loaded.Name(), theme->Name());
    EXPECT_EQ(IniText(loaded), IniText(*theme));
    ASSERT_EQ(loaded.Bitmaps().Count(), theme->Bitmaps().Count());
    for (int i = 0; i < loaded.Bitmaps().Count(); ++i) {
        const TteBitmap& a = *theme->Bitmaps().GetBitmap(i);
        const TteBitmap& b = *loaded.Bitmaps().GetBitmap(i);
        EXPECT_EQ(b.Name(), a.Name());
        EXPECT_EQ(b.Transparent(), a.Transparent()) << qPrintable(a.Name());
        EXPECT_EQ(b.AlphaBlend(), a.AlphaBlend()) << qPrintable(a.Name());
        EXPECT_EQ(b.ToImage(), a.ToImage()) << qPrintable(a.Name());
    }
}

// Drawing the artwork again gives the bytes the build carries, to the last one.
TEST(OsxTigerTheme, GeneratorIsDeterministic)
{
    TteBuiltTheme<TTeThemeMsStyles> first, second;
    MakeOsxTiger(first);
    MakeOsxTiger(second);
    const QByteArray bytes = Packed(first);
    EXPECT_EQ(bytes, Packed(second));
    EXPECT_EQ(bytes, StoredThemeData(QStringLiteral("OSXTiger")));
}

// Round corners are left out by key pixels on the opaque frame and by alpha on the lights.
TEST(OsxTigerTheme, EdgesAreKeyedOrBlendedWhereTheyAreRound)
{
    const auto theme = Tiger();
    ASSERT_NE(theme, nullptr);
    const TteBitmap& caption = *theme->Element(TMsElement::WindowCaption).ImageFile.Bitmap();
    EXPECT_TRUE(caption.Transparent());
    EXPECT_FALSE(caption.AlphaBlend());
    EXPECT_EQ(caption.GetPixel(0, 0), TransparentKey);
    EXPECT_EQ(AlphaOf(caption.GetPixel(caption.Width() / 2, 10)), 255);

    const TteBitmap& close = *theme->Element(TMsElement::WindowCloseButton).ImageFile.Bitmap();
    EXPECT_TRUE(close.AlphaBlend());
    EXPECT_EQ(AlphaOf(close.GetPixel(0, 0)), 0);
    const TteColor middle = close.GetPixel(close.Width() / 2, close.Width() / 2);
    EXPECT_EQ(AlphaOf(middle), 255);
    EXPECT_GT(RedOf(middle), GreenOf(middle) + 60);  // the close light is red
}

// The push button in its five frames and the check box in its twelve, at the program's sizes.
TEST(OsxTigerTheme, ButtonsAndCheckBoxesDrawAsTheGoldenPicture)
{
    const auto theme = Tiger();
    ASSERT_NE(theme, nullptr);
    TThemeSurface surface(5 * 80, 23 + 6 + 13);
    surface.bitmap.Fill(0xFFE6E6E6);
    for (int frame = 1; frame <= 5; ++frame)
        theme->Element(TMsElement::ButtonPushbutton)
            .Draw(surface.Canvas(), TRect{(frame - 1) * 80, 0, (frame - 1) * 80 + 75, 23}, frame, TRect{});
    for (int frame = 1; frame <= 12; ++frame)
        theme->Element(TMsElement::ButtonCheckbox)
            .Draw(surface.Canvas(), TRect{(frame - 1) * 18, 29, (frame - 1) * 18 + 13, 42}, frame, TRect{});
    EXPECT_TRUE(MatchesGolden(surface.bitmap.ToImage(), QStringLiteral("themes/golden/osxtiger_buttons.png")));
}
