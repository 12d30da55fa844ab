// The visual-style theme read from a module file: its name lists, the style text and the bitmaps
// that sections name, and refusals that change nothing.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "framework/IniFile.h"
#include "graphics/Bitmap.h"
#include "graphics/BitmapList.h"
#include "tests/themes/ModuleResourcesBuilder.h"
#include "themes/MsStylesTheme.h"
#include "themes/MsuxThemeObject.h"

namespace {

// Keys and values apart by " = " as module texts have them, then the four characters of padding.
const char* const kStyleText = "[Button.Pushbutton]\r\n"
                               "imagefile = Blue\\Button.bmp\r\n"
                               "textcolor = 1 2 3\r\n"
                               "[Window.Caption]\r\n"
                               "imagefile = Blue\\Missing.bmp\r\n"
                               "[SysMetrics]\r\n"
                               "CaptionBarHeight = 30\r\n"
                               "\r\n\r\n";

// 2 × 1: red, green.
QByteArray ButtonDib() { return Dib(2, 1, 24, 0, 0, {}, {Bgr(0xFF0000) + Bgr(0x00FF00)}); }

std::vector<TTestResource> StyleResources()
{
    return {
        {"COLORNAMES", 1, WideRun({"NormalColor"})},
        {"SIZENAMES", 1, WideRun({"NormalSize", "LargeFonts"})},
        {"FILERESNAMES", 1, WideRun({"NORMALBLUE_INI", "LARGEBLUE_INI"})},
        {"TEXTFILE", "NORMALBLUE_INI", Utf16Bytes(QString::fromLatin1(kStyleText))},
        {kResourceBitmap, "BLUE_BUTTON_BMP", ButtonDib()},
    };
}

class MsStylesModuleTest : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString WriteModule(const std::vector<TTestResource>& resources, const QString& name = "Blue.msstyles")
    {
        return Write(name, BuildModule(resources).bytes);
    }

    QTemporaryDir dir_;
};

TEST_F(MsStylesModuleTest, ReadsTheFirstVariantAndTheBitmapsItsSectionsName)
{
    TteBuiltTheme<TTeThemeMsStyles> theme;
    const QString path = WriteModule(StyleResources());
    ASSERT_TRUE(theme.LoadFromFile(path));

    EXPECT_EQ(theme.Name(), "Blue");
    EXPECT_EQ(theme.ThemeName(), "Blue");
    EXPECT_EQ(theme.FileName(), path);
    EXPECT_EQ(theme.SizeNames(), (QStringList{"NormalSize", "LargeFonts"}));
    EXPECT_EQ(theme.FileResNames(), (QStringList{"NORMALBLUE_INI", "LARGEBLUE_INI"}));
    EXPECT_EQ(theme.Ini().ReadString("button.pushbutton", "imagefile", {}), "Blue\\Button.bmp");
    EXPECT_EQ(theme.CaptionBarHeight(), 30);
    EXPECT_FALSE(theme.IsEmpty());

    // Fetched as the sections name them, window frame first; a name the module lacks gives an empty bitmap.
    ASSERT_EQ(theme.Bitmaps().Count(), 2);
    EXPECT_EQ(theme.Bitmaps().GetBitmap(0)->Name(), "BLUE_MISSING_BMP");
    EXPECT_TRUE(theme.Bitmaps().GetBitmap(0)->Empty());
    const TteBitmap& button = *theme.Bitmaps().GetBitmap(1);
    EXPECT_EQ(button.Name(), "BLUE_BUTTON_BMP");
    EXPECT_EQ(button.GetPixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(button.GetPixel(1, 0), 0xFF00FF00u);
}

TEST_F(MsStylesModuleTest, ShiftsAndSavingWorkFromTheModulesPixelsAfterItIsReleased)
{
    TteBuiltTheme<TTeThemeMsStyles> theme;
    ASSERT_TRUE(theme.LoadFromFile(WriteModule(StyleResources())));
    theme.SetDeltas(120, 0);
    theme.SetDeltas(0, 0);
    EXPECT_EQ(theme.Bitmaps().GetBitmap(1)->GetPixel(0, 0), 0xFFFF0000u);

    const QString packed = dir_.filePath("Blue.theme");
    ASSERT_TRUE(theme.SaveToFile(packed));
    TteBuiltTheme<TTeThemeMsStyles> copy;
    ASSERT_TRUE(copy.LoadFromFile(packed));
    EXPECT_EQ(copy.Name(), "Blue");
    ASSERT_EQ(copy.Bitmaps().Count(), 2);
    EXPECT_EQ(copy.Bitmaps().GetBitmap(1)->GetPixel(1, 0), 0xFF00FF00u);
}

TEST_F(MsStylesModuleTest, RefusedModulesChangeNothing)
{
    const auto without = [](const char* type) {
        std::vector<TTestResource> resources = StyleResources();
        std::erase_if(resources, [type](const TTestResource& r) { return r.type.Matches(type); });
        return resources;
    };
    std::vector<TTestResource> emptyNames = StyleResources();
    emptyNames[2].data = WideRun({});
    std::vector<TTestResource> wrongText = StyleResources();
    wrongText[2].data = WideRun({"OTHER_INI"});

    struct Case {
        const char* what;
        std::vector<TTestResource> resources;
        bool raises;
    } cases[] = {
        {"no style text names", emptyNames, false},
        {"no size names", without("SIZENAMES"), true},
        {"no colour names", without("COLORNAMES"), true},
        {"named style text missing", wrongText, true},
    };
    for (const Case& c : cases) {
        TteBuiltTheme<TTeThemeMsStyles> theme;
        ASSERT_TRUE(theme.LoadFromFile(WriteModule(StyleResources(), "Kept.msstyles")));
        const QString path = WriteModule(c.resources, "Refused.msstyles");
        if (c.raises)
            EXPECT_THROW(theme.LoadFromFile(path), EModuleError) << c.what;
        else
            EXPECT_FALSE(theme.LoadFromFile(path)) << c.what;
        EXPECT_EQ(theme.Name(), "Kept") << c.what;
        EXPECT_EQ(theme.Bitmaps().Count(), 2) << c.what;
        EXPECT_TRUE(theme.Element(TMsElement::ButtonPushbutton).IsLoaded()) << c.what;
    }

    TteBuiltTheme<TTeThemeMsStyles> theme;
    EXPECT_THROW(theme.LoadFromFile(Write("Text.msstyles", "not a module")), EModuleError);
    EXPECT_THROW(theme.LoadFromFile(dir_.filePath("Absent.msstyles")), EModuleError);
    EXPECT_TRUE(theme.IsEmpty());
}

} // namespace
