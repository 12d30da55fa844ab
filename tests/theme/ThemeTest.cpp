// The abstract theme's life: construction, rebuilding its tables, tints that rebuild rather than
// accumulate, copying, class-level answers and the abstract answers of the element families.
#include <gtest/gtest.h>

#include "framework/Canvas.h"
#include "framework/Stream.h"
#include "framework/TextLayout.h"
#include "graphics/Pixel.h"
#include "theme/Theme.h"

namespace {

// Records the order of the rebuild steps and adjusts fonts per object.
class TRecordingTheme : public TteTheme {
public:
    QStringList calls;
    void InitColors() override
    {
        calls << QStringLiteral("colors");
        TteTheme::InitColors();
    }
    void InitSysColors() override
    {
        calls << QStringLiteral("sys");
        TteTheme::InitSysColors();
    }
    void InitFonts() override
    {
        calls << QStringLiteral("fonts");
        TteTheme::InitFonts();
    }
    void AssignFont(TFont& font, int index, const QString& objectName) override
    {
        TteTheme::AssignFont(font, index, objectName);
        font.SetSize(objectName.size());
    }
};

TColor Hue(TColor color, int delta)
{
    return PixelToColor(HueShiftPixel(ColorToPixelAlpha(color, 255), delta));
}

}  // namespace

TEST(Theme, ConstructionBuildsTheTables)
{
    TteBuiltTheme<TteTheme> theme;
    EXPECT_EQ(theme.Name(), QStringLiteral("Default theme"));
    EXPECT_EQ(theme.Colors()->Theme(), &theme);
    EXPECT_EQ(theme.SysColors()->Theme(), &theme);
    EXPECT_EQ(theme.Fonts()->Theme(), &theme);
    EXPECT_EQ(theme.Options()->Theme(), &theme);
    EXPECT_EQ(theme.Colors()->GetColor(TteThemeColor::ktcWindow), 0x00C0C0C0u);
    EXPECT_EQ(theme.Fonts()->GetFont(TteThemeFont::ktfCaptionTextNormal)->Color(), clWhite);
}

TEST(Theme, ChangedRebuildsColoursThenSystemColoursThenFonts)
{
    TteBuiltTheme<TRecordingTheme> theme;
    EXPECT_EQ(theme.calls, (QStringList{"colors", "sys", "fonts"}));
    theme.calls.clear();
    theme.Changed();
    EXPECT_EQ(theme.calls, (QStringList{"colors", "sys", "fonts"}));
}

TEST(Theme, DeltasRebuildFromBaseValuesInsteadOfAccumulating)
{
    TteBuiltTheme<TRecordingTheme> shifted;
    shifted.calls.clear();
    shifted.SetDeltaHue(30);
    shifted.SetDeltaHue(40);
    EXPECT_EQ(shifted.calls.size(), 6);
    EXPECT_EQ(shifted.Colors()->GetColor(TteThemeColor::ktcCaptionNormal), Hue(0x00FF0000, 40));
    EXPECT_EQ(shifted.Fonts()->GetFont(TteThemeFont::ktfCaptionTextInactive)->Color(), Hue(0x00C0C0C0, 40));

    shifted.calls.clear();
    shifted.SetDeltaHue(40);
    shifted.SetDeltas(40, 0);
    EXPECT_TRUE(shifted.calls.isEmpty());

    shifted.SetDeltas(40, -20);
    EXPECT_EQ(shifted.calls.size(), 3);
    EXPECT_EQ(shifted.DeltaBrightness(), -20);
    EXPECT_EQ(shifted.Colors()->GetColor(TteThemeColor::ktcCaptionNormal),
              PixelToColor(BrightnessShiftPixel(HueShiftPixel(ColorToPixelAlpha(0x00FF0000, 255), 40), -20)));
}

TEST(Theme, SystemColoursOfTheAbstractThemeShiftAgainOnEveryRebuild)
{
    // Only kinds that refill them have a base to rebuild from.
    TteBuiltTheme<TteTheme> theme;
    const TColor face = theme.SysColors()->GetSysColor(clBtnFace);
    theme.SetDeltaBrightness(10);
    theme.SetDeltaBrightness(20);
    const TColor once = PixelToColor(BrightnessShiftPixel(ColorToPixelAlpha(face, 255), 10));
    EXPECT_EQ(theme.SysColors()->GetSysColor(clBtnFace),
              PixelToColor(BrightnessShiftPixel(ColorToPixelAlpha(once, 255), 20)));
}

TEST(Theme, AssignCopiesNameAndTablesButNotDeltasOrFileName)
{
    TteBuiltTheme<TteTheme> source;
    source.SetName(QStringLiteral("Source"));
    source.SetFileName(QStringLiteral("a.theme"));
    source.SetDeltaHue(50);
    source.SysColors()->SetSysColor(clWindow, 0x010203);
    source.Options()->SetOption(1, 9);
    TteBuiltTheme<TteTheme> target;
    target.Assign(&source);
    EXPECT_EQ(target.Name(), QStringLiteral("Source"));
    EXPECT_EQ(target.FileName(), QString());
    EXPECT_EQ(target.DeltaHue(), 0);
    EXPECT_EQ(target.Colors()->GetColor(0), source.Colors()->GetColor(0));
    EXPECT_EQ(target.SysColors()->GetSysColor(clWindow), 0x010203u);
    EXPECT_EQ(target.Options()->GetOption(1), 9);
    EXPECT_EQ(target.Fonts()->GetFont(1)->Color(), source.Fonts()->GetFont(1)->Color());

    TFont font;
    EXPECT_ANY_THROW(target.Assign(&font));
}

TEST(Theme, ObjectFontsGoThroughAssignFontExceptForTheDefaultObject)
{
    TteBuiltTheme<TRecordingTheme> theme;
    TFont* plain = theme.Fonts()->GetFont(4);
    EXPECT_EQ(theme.Fonts()->GetObjectFont(4, QStringLiteral("default")), plain);
    TFont* adjusted = theme.Fonts()->GetObjectFont(4, QStringLiteral("seven77"));
    EXPECT_NE(adjusted, plain);
    EXPECT_EQ(adjusted->Size(), 7);
    EXPECT_EQ(plain->Size(), 8);
}

TEST(Theme, ClassLevelAnswersAndVirtualConstructor)
{
    const TteThemeClass& kind = ThemeClassOf<TteTheme>();
    EXPECT_EQ(&TteBuiltTheme<TteTheme>().ThemeClass(), &kind);
    EXPECT_EQ(kind.GetThemeKindName(), QStringLiteral("Default"));
    const TteThemeConfig config = kind.GetThemeConfig();
    EXPECT_FALSE(config.BuiltIn || config.CanSave || config.CanLoadStream);
    EXPECT_TRUE(config.Filter.isEmpty() && config.DefaultExt.isEmpty());
    TMemoryStream stream;
    EXPECT_FALSE(kind.IsValidStream(stream));
    std::unique_ptr<TteTheme> theme = kind.Create();
    ASSERT_TRUE(theme);
    EXPECT_EQ(theme->Name(), QStringLiteral("Default theme"));
    EXPECT_FALSE(theme->LoadFromStream(stream));
    EXPECT_FALSE(theme->SaveToStream(stream));
    EXPECT_FALSE(theme->LoadFromFile(QStringLiteral("x")));
    EXPECT_FALSE(theme->SaveToFile(QStringLiteral("x")));
    EXPECT_EQ(theme->GetObjectBounds(QStringLiteral("x")), TRect{});
    EXPECT_EQ(theme->GetCustomColor(QStringLiteral("x")), clNone);
}

TEST(Theme, AbstractAnswersOfTheElementFamilies)
{
    TteBuiltTheme<TteTheme> t;
    const QString o = QStringLiteral("default");
    EXPECT_FALSE(t.IsFormAvailable(TteFormKind::kfkStandard, o));
    EXPECT_FALSE(t.IsButtonAvailable(0, o));
    EXPECT_FALSE(t.IsGridAvailable(0, o));
    EXPECT_FALSE(t.GetFormRegion(TteFormKind::kfkStandard, {0, 0, 10, 10}, o).has_value());
    // Only labels, check boxes and group boxes show what lies beneath them.
    EXPECT_TRUE(t.IsLabelTransparent(0, o));
    EXPECT_TRUE(t.IsCheckBoxTransparent(0, o));
    EXPECT_TRUE(t.IsGroupBoxTransparent(0, o));
    EXPECT_FALSE(t.IsPanelTransparent(0, o));
    EXPECT_FALSE(t.IsButtonTransparent(0, o));
    EXPECT_EQ(t.GetCheckBoxSize(0, o), (TSize{13, 13}));

    const TRect r{10, 20, 110, 220};
    QImage image(1, 1, QImage::Format_ARGB32);
    TCanvas canvas(&image);
    struct Case {
        const char* family;
        TRect actual;
        TRect expected;
    } cases[] = {
        {"hint", t.GetHintClientRect(0, canvas, r, o), {20, 33, 100, 207}},
        {"panel", t.GetPanelClientRect(0, r, o), r},
        {"progress", t.GetProgressBarClientRect(0, r, o), r},
        {"status", t.GetStatusBarClientRect(0, r, o), {15, 22, 105, 218}},
        {"edit", t.GetEditClientRect(0, canvas, {r, 0}, o), {13, 23, 107, 217}},
        {"group", t.GetGroupBoxClientRect(0, r, o), r},
        {"memo", t.GetMemoClientRect(0, canvas, r, o), r},
        {"box", t.GetBoxClientRect(0, canvas, r, o), r},
        {"menu", t.GetMenuClientRect(0, r, o), {13, 25, 107, 215}},
        {"control bar", t.GetControlBarClientRect(0, r, o), r},
        {"tool bar", t.GetToolBarClientRect(1, r, o), {21, 22, 108, 218}},
        {"scroll box", t.GetScrollBoxClientRect(0, canvas, r, o), {13, 23, 107, 217}},
        {"roll panel", t.GetRollPanelClientRect(0, canvas, r, o), r},
        {"tab", t.GetTabClientRect(0, r, o), r},
        {"list", t.GetListBoxClientRect(0, r, o), {14, 25, 106, 215}},
        {"tree", t.GetTreeClientRect(0, r, o), {12, 22, 108, 218}},
        {"grid", t.GetGridClientRect(0, r, o), {12, 22, 108, 218}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.actual, c.expected) << c.family;
    EXPECT_EQ(t.GetTrackBarThumbSize(0, canvas, {r, 0, 0}, o), (TPoint{0, 0}));
}

TEST(TextInfo, MakerFromFormatBits)
{
    struct Case {
        unsigned format;
        TteTextAlignment alignment;
        std::uint8_t flags;
    } cases[] = {
        {0, TteTextAlignment::ktaTopLeft, 0},
        {DT_CENTER, TteTextAlignment::ktaTopCenter, 0},
        {DT_RIGHT, TteTextAlignment::ktaTopRight, 0},
        {DT_VCENTER, TteTextAlignment::ktaMiddleLeft, 0},
        {DT_VCENTER | DT_CENTER, TteTextAlignment::ktaCenter, 0},
        {DT_VCENTER | DT_RIGHT, TteTextAlignment::ktaMiddleRight, 0},
        {DT_BOTTOM, TteTextAlignment::ktaBottomLeft, 0},
        {DT_BOTTOM | DT_CENTER, TteTextAlignment::ktaBottomCenter, 0},
        {DT_BOTTOM | DT_RIGHT, TteTextAlignment::ktaBottomRight, 0},
        {DT_RTLREADING | DT_NOPREFIX, TteTextAlignment::ktaTopLeft, kTextRtlReading | kTextNoPrefix},
        {DT_SINGLELINE | DT_WORDBREAK, TteTextAlignment::ktaTopLeft, kTextSingleLine | kTextWordBreak},
    };
    for (const Case& c : cases) {
        const TteTextInfo info = MakeTextInfo({1, 2, 3, 4}, QStringLiteral("t"), c.format);
        EXPECT_EQ(info.Alignment, c.alignment) << c.format;
        EXPECT_EQ(info.Flags, c.flags) << c.format;
        EXPECT_EQ(info.Rotation, TteTextRotation::ktrNone);
        EXPECT_EQ(info.Rect, (TRect{1, 2, 3, 4}));
    }
}
