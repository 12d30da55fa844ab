// The progress bar: its fraction, when it repaints, and what it draws in the classic look and
// through a theme.
#include <QTest>
#include <gtest/gtest.h>

#include "framework/Messages.h"
#include "tests/controls/BarFixtures.h"
#include "tests/controls/ControlFixtures.h"
#include "tests/support/GoldenImage.h"

namespace {

QRgb Rgb(TColor color)
{
    return ToQColor(color).rgb();
}

TTeProgressBar* AddBar(TForm& form, int left, int top, int width, int height, int position, bool smooth,
                       TTeProgressOrientation orientation = TTeProgressOrientation::kpoHorizontal)
{
    auto* bar = new TTeProgressBar(&form);
    bar->SetParent(&form);
    bar->SetBounds(left, top, width, height);
    bar->SetOrientation(orientation);
    bar->SetSmooth(smooth);
    bar->SetPosition(position);
    return bar;
}

// Draws progress bars, in red, for the object "Bar" only.
class TBarOnlyTheme : public TteTheme {
public:
    bool IsProgressBarAvailable(TteKind, const QString& objectName) override { return objectName == "Bar"; }
    void DrawProgressBar(TteKind, TCanvas& canvas, const TtePartInfo& info, const QString&) override
    {
        FillWith(canvas, info.Rect, clRed);
    }
};

}  // namespace

TEST(ProgressBar, FractionIsEmptyOutsideAUsableRange)
{
    const struct {
        int min, max, position;
        float fraction;
    } cases[] = {
        {0, 100, 0, 0.0f},     {0, 100, 37, 0.37f},  {0, 100, 100, 1.0f},
        {0, 100, 101, 0.0f},   // above Max: empty, not full
        {10, 20, 5, 0.0f},     // below Min
        {-10, 10, 5, 0.0f},    // a negative Min
        {50, 50, 50, 0.0f},    // an empty range
        {20, 10, 15, 0.0f},    // a reversed range
        {10, 20, 15, 0.5f},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgressFraction(c.min, c.max, c.position), c.fraction) << c.min << ".." << c.max << " @" << c.position;
    // One in a hundred lies just below 0.01 at single precision.
    EXPECT_LT(ProgressFraction(0, 100, 1), 0.01);
}

TEST(ProgressBar, StepsAndDefaults)
{
    TOwned<TTeProgressBar> bar = MakeOwned<TTeProgressBar>(nullptr);
    EXPECT_EQ(bar->Width(), 140);
    EXPECT_EQ(bar->Height(), 16);
    EXPECT_EQ(bar->Performance(), TTePerformance::kspDoubleBuffer);
    EXPECT_EQ(bar->Step(), 10);
    bar->StepIt();
    bar->StepIt();
    EXPECT_EQ(bar->Position(), 20);
    bar->StepBy(-5);
    EXPECT_EQ(bar->Position(), 15);
    bar->SetStep(500);
    EXPECT_EQ(bar->Step(), 100);  // never more than Max
}

// Updates that leave the drawn fraction as it was paint nothing; one that changes it paints at
// once, before any event is processed.
TEST(ProgressBar, RepaintsAtOnceOnlyWhenTheFractionChanges)
{
    TShownForm shown(200, 60);
    TCounted<TTeProgressBar> bar(nullptr);
    bar.SetParent(&shown.form);
    bar.SetBounds(4, 4, 120, 16);
    bar.SetPosition(10);
    FlushPaints();

    const struct {
        const char* what;
        int position;
        int paints;
    } steps[] = {
        {"the same position", 10, 0},
        {"a position that moves the bar", 11, 1},
        {"beyond Max: empty", 150, 1},
        {"further beyond Max: still empty", 170, 0},
        {"back inside", 50, 1},
    };
    for (const auto& step : steps) {
        const int before = bar.Paints;
        bar.SetPosition(step.position);
        EXPECT_EQ(bar.Paints - before, step.paints) << step.what << " (at once)";
        FlushPaints();
        EXPECT_EQ(bar.Paints - before, step.paints) << step.what << " (later)";
    }

    // With a negative Min every fraction is 0: nothing is ever repainted for a position.
    bar.SetMin(-1);
    FlushPaints();
    const int before = bar.Paints;
    for (int position = 0; position <= 100; position += 7)
        bar.SetPosition(position);
    FlushPaints();
    EXPECT_EQ(bar.Paints, before);
}

TEST(ProgressBar, ClassicBlocksAndSmoothFill)
{
    TLookScope look(kBarLooks[0]);
    TShownForm shown(420, 110);
    // 409 × 16: the bar is (2, 2, 407, 14): 12 high, so blocks of 8 with gaps of 2, 40 of them fit.
    TTeProgressBar* bar = AddBar(shown.form, 0, 0, 409, 16, 37, false);
    QImage image = GrabWidget(bar->Handle());
    EXPECT_EQ(image.pixel(0, 0), Rgb(clBtnShadow));      // sunken frame
    EXPECT_EQ(image.pixel(408, 15), Rgb(clBtnHighlight));
    EXPECT_EQ(image.pixel(1, 8), Rgb(clBtnFace));         // a pixel of Color between frame and bar
    // round(0.37 × 40) + 1 = 16 blocks: the last from x = 2 + 15 × 10 = 152 to 160.
    EXPECT_EQ(image.pixel(2, 2), Rgb(clHighlight));
    EXPECT_EQ(image.pixel(9, 13), Rgb(clHighlight));
    EXPECT_EQ(image.pixel(10, 8), Rgb(clBtnFace));        // the gap after the first block
    EXPECT_EQ(image.pixel(159, 8), Rgb(clHighlight));
    EXPECT_EQ(image.pixel(160, 8), Rgb(clBtnFace));
    EXPECT_EQ(image.pixel(162, 8), Rgb(clBtnFace));       // no 17th block

    // Smooth: round(0.37 × 405) = 150 pixels from the left.
    bar->SetSmooth(true);
    image = GrabWidget(bar->Handle());
    EXPECT_EQ(image.pixel(151, 8), Rgb(clHighlight));
    EXPECT_EQ(image.pixel(152, 8), Rgb(clBtnFace));

    // 1 of 100 lies below a hundredth: no block at all.
    bar->SetSmooth(false);
    bar->SetPosition(1);
    image = GrabWidget(bar->Handle());
    EXPECT_EQ(image.pixel(4, 8), Rgb(clBtnFace));

    // Vertical, without border: filled upwards from the bottom.
    bar->SetShowBorder(false);
    bar->SetSmooth(true);
    bar->SetOrientation(TTeProgressOrientation::kpoVertical);
    bar->SetBounds(0, 0, 16, 100);
    bar->SetPosition(25);
    image = GrabWidget(bar->Handle());
    EXPECT_EQ(image.pixel(8, 99), Rgb(clHighlight));
    EXPECT_EQ(image.pixel(8, 75), Rgb(clHighlight));
    EXPECT_EQ(image.pixel(8, 74), Rgb(clBtnFace));
    EXPECT_EQ(image.pixel(0, 0), Rgb(clBtnFace));
}

// Every look: 0, 37 and 100 % in blocks and smooth, across and upwards, against small goldens.
TEST(ProgressBar, LooksMatchTheirGoldens)
{
    for (const TBarLook& look : kBarLooks) {
        SCOPED_TRACE(look.Name);
        TLookScope scope(look);
        TShownForm shown(140, 64);
        shown.form.SetColor(RGB(236, 233, 216));
        int top = 2;
        for (int position : {0, 37, 100}) {
            AddBar(shown.form, 2, top, 60, 12, position, false);
            AddBar(shown.form, 66, top, 60, 12, position, true);
            top += 14;
        }
        AddBar(shown.form, 2, 44, 60, 8, 50, false)->SetBorderWidth(1);
        AddBar(shown.form, 128, 2, 10, 60, 37, false, TTeProgressOrientation::kpoVertical);
        FlushPaints();
        const QImage image = GrabWidget(shown.form.ClientWidget());
        EXPECT_TRUE(MatchesGolden(image, QStringLiteral("controls/golden/progress_%1.png").arg(look.Name)));
    }
}

TEST(ProgressBar, RepaintsWhenTheCurrentThemeChanges)
{
    TShownForm shown(200, 40);
    TCounted<TTeProgressBar> bar(nullptr);
    bar.SetParent(&shown.form);
    bar.SetBounds(2, 2, 100, 16);
    bar.SetPosition(50);
    ClearCurrentTheme();
    FlushPaints();
    const QImage classic = GrabWidget(bar.Handle());

    const int before = bar.Paints;
    SetCurrentTheme(kBarLooks[2].Make());
    FlushPaints();
    EXPECT_GT(bar.Paints, before);
    EXPECT_NE(GrabWidget(bar.Handle()), classic);
    // A theme's bounds never move the bar.
    EXPECT_EQ(bar.BoundsRect(), Rect(2, 2, 102, 18));

    ClearCurrentTheme();
    FlushPaints();
    EXPECT_EQ(GrabWidget(bar.Handle()), classic);
}

// An object the link's theme does not know is drawn in the built-in look, with no second try.
TEST(ProgressBar, AnObjectUnknownToTheLinksThemeDrawsTheBuiltInLook)
{
    TBarOnlyTheme linked;
    TFixedLink link(&linked);
    TShownForm shown(100, 40);
    TTeProgressBar* bar = AddBar(shown.form, 0, 0, 60, 16, 50, true);
    bar->SetThemeLink(&link);
    const struct {
        const char* object;
        QRgb frame;
    } cases[] = {{"Bar", qRgb(255, 0, 0)}, {"Other", Rgb(clBtnShadow)}, {"default", Rgb(clBtnShadow)}};
    for (const auto& c : cases) {
        bar->SetThemeObject(QString::fromLatin1(c.object));
        EXPECT_EQ(GrabWidget(bar->Handle()).pixel(0, 0), c.frame) << c.object;
    }
    bar->SetThemeLink(nullptr);
}
