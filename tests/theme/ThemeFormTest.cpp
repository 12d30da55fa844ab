// The abstract window frame: client, caption and button rectangles, the hit test every kind
// starts from, and the plain frame drawing on exact pixels.
#include <QImage>
#include <gtest/gtest.h>

#include "framework/Canvas.h"
#include "graphics/Pixel.h"
#include "theme/Theme.h"

namespace {

const QString kObject = QStringLiteral("default");
constexpr TteFormKind kStandard = TteFormKind::kfkStandard;

TteWindowInfo Window(int width, int height, TteFormButtons buttons)
{
    TteWindowInfo info;
    info.Rect = {0, 0, width, height};
    info.Active = true;
    info.Buttons = buttons;
    return info;
}

const TteFormButtons kAllButtons{TteFormButton::kfbSysMenu, TteFormButton::kfbClose,   TteFormButton::kfbHelp,
                                 TteFormButton::kfbMinimize, TteFormButton::kfbMaximize, TteFormButton::kfbRollUp,
                                 TteFormButton::kfbTray};

// A canvas on a picture prefilled with a colour no drawing uses.
class Picture {
public:
    static constexpr TColor kPaper = 0x00123456;

    Picture(int width, int height) : image_(width, height, QImage::Format_ARGB32), canvas_(&image_)
    {
        canvas_.Brush()->SetColor(kPaper);
        canvas_.FillRect({0, 0, width, height});
    }
    TCanvas& Canvas() { return canvas_; }
    TColor At(int x, int y) { return canvas_.Pixel(x, y); }

private:
    QImage image_;
    TCanvas canvas_;
};

}  // namespace

TEST(ThemeForm, ClientAndCaptionRectangles)
{
    TteBuiltTheme<TteTheme> theme;
    const TteWindowInfo info = Window(200, 100, {});
    EXPECT_EQ(theme.GetFormClientRect(kStandard, info, kObject), (TRect{4, 22, 196, 96}));
    EXPECT_EQ(theme.GetFormCaptionRect(kStandard, info, kObject), (TRect{4, 3, 196, 22}));
}

TEST(ThemeForm, ButtonsLineUpFromTheRightOverThoseShown)
{
    TteBuiltTheme<TteTheme> theme;
    using B = TteFormButton;
    struct Case {
        TteFormButtons shown;
        TteFormButton button;
        int left;  // -1: empty
    } cases[] = {
        {kAllButtons, B::kfbSysMenu, 4},
        {kAllButtons, B::kfbClose, 173},
        {kAllButtons, B::kfbMaximize, 151},
        {kAllButtons, B::kfbMinimize, 129},
        {kAllButtons, B::kfbRollUp, 107},
        {kAllButtons, B::kfbTray, 85},
        {kAllButtons, B::kfbHelp, 63},
        {kAllButtons, B::kfbMaxRestore, -1},
        {{B::kfbClose, B::kfbHelp}, B::kfbHelp, 151},
        {{B::kfbMaxRestore, B::kfbMinRestore}, B::kfbMinRestore, 151},
        {{B::kfbClose, B::kfbMaxRestore, B::kfbRollDown}, B::kfbRollDown, 129},
        {{B::kfbHelp}, B::kfbHelp, 173},
        {{}, B::kfbClose, -1},
    };
    for (const Case& c : cases) {
        const TRect r = theme.GetFormButtonRect(kStandard, Window(200, 100, c.shown), c.button, kObject);
        const TRect expected =
            c.left < 0 ? TRect{} : TRect{c.left, 4, c.left + (c.button == B::kfbSysMenu ? 22 : 22), 21};
        EXPECT_EQ(r, expected) << static_cast<int>(c.button) << " of " << c.shown.Bits();
    }
}

TEST(ThemeForm, HitTestBandsCornersCaptionAndButtons)
{
    TteBuiltTheme<TteTheme> theme;
    using H = TteFormHit;
    struct Case {
        int x, y;
        TteFormHit hit;
    } cases[] = {
        {1, 1, H::kfhTopLeft},      {100, 2, H::kfhTop},        {100, 3, H::kfhCaption},
        {40, 10, H::kfhCaption},    {2, 10, H::kfhTopLeft},     {198, 1, H::kfhTopRight},
        {2, 50, H::kfhLeft},        {198, 50, H::kfhRight},     {100, 98, H::kfhBottom},
        {1, 98, H::kfhBottomLeft},  {198, 98, H::kfhBottomRight}, {100, 50, H::kfhNothing},
        {300, 50, H::kfhNothing},   {10, 10, H::kfhSysMenu},    {180, 10, H::kfhClose},
        {160, 10, H::kfhMaximize},  {140, 10, H::kfhMinimize},  {110, 10, H::kfhRoll},
        {90, 10, H::kfhTray},       {70, 10, H::kfhHelp},
    };
    const TteWindowInfo info = Window(200, 100, kAllButtons);
    for (const Case& c : cases) {
        EXPECT_EQ(theme.FormHitTest(kStandard, info, c.x, c.y, kObject), c.hit) << c.x << "," << c.y;
        EXPECT_EQ(theme.FormHitTest(TteFormKind::kfkToolWindow, info, c.x, c.y, kObject), c.hit);
    }
    for (int kind : {3, 4, 5})
        EXPECT_EQ(theme.FormHitTest(static_cast<TteFormKind>(kind), info, 1, 1, kObject), H::kfhNothing);
}

TEST(ThemeForm, FrameDrawing)
{
    TteBuiltTheme<TteTheme> theme;
    Picture p(60, 40);
    TteWindowInfo info = Window(60, 40, {});
    theme.DrawForm(kStandard, p.Canvas(), info, kObject);
    const TColor light = OffsetColorRGB(clBtnFace, 100);
    const TColor dark = OffsetColorRGB(clBtnFace, -100);
    struct Case {
        int x, y;
        TColor colour;
    } cases[] = {
        {0, 0, clBlack},    {59, 39, clBlack},   {1, 1, light},         {1, 37, light},
        {58, 1, dark},      {1, 38, dark},       {2, 30, clGray},       {57, 30, clGray},
        {30, 37, clGray},   {30, 2, clGray},     {30, 10, 0x00FF0000},  {3, 10, clGray},
        {30, 30, Picture::kPaper},
    };
    for (const Case& c : cases)
        EXPECT_EQ(p.At(c.x, c.y), c.colour) << c.x << "," << c.y;

    info.Active = false;
    theme.DrawForm(kStandard, p.Canvas(), info, kObject);
    EXPECT_EQ(p.At(30, 10), 0x00C0C0C0u);

    // A repaint below the top leaves the caption bar alone.
    Picture q(60, 40);
    info.PaintRect = {0, 10, 60, 40};
    theme.DrawForm(kStandard, q.Canvas(), info, kObject);
    EXPECT_EQ(q.At(30, 10), Picture::kPaper);
    EXPECT_EQ(q.At(2, 30), clGray);
}

TEST(ThemeForm, BackgroundAndGrip)
{
    TteBuiltTheme<TteTheme> theme;
    Picture p(20, 20);
    theme.DrawFormBackground(kStandard, p.Canvas(), {0, 0, 5, 5}, kObject);
    EXPECT_EQ(p.At(4, 4), 0x00C0C0C0u);
    EXPECT_EQ(p.At(5, 5), Picture::kPaper);

    theme.DrawFormGrip(kStandard, p.Canvas(), {{0, 0, 20, 20}, 0}, kObject);
    EXPECT_EQ(p.At(13, 13), clGray);
    theme.DrawFormGrip(kStandard, p.Canvas(), {{0, 0, 20, 20}, 1}, kObject);
    EXPECT_EQ(p.At(13, 13), clBlack);
}

TEST(ThemeForm, CaptionButtons)
{
    TteBuiltTheme<TteTheme> theme;
    const TColor light = OffsetColorRGB(clBtnFace, 100);
    const TColor dark = OffsetColorRGB(clBtnFace, -100);
    const TColor face = ColorToRGB(clBtnFace);
    using B = TteFormButton;
    using S = TteFormButtonState;
    struct Case {
        TteFormButton button;
        TteFormButtonState state;
        int x, y;
        TColor colour;
    } cases[] = {
        {B::kfbClose, S::kfbsNormal, 0, 0, light},   {B::kfbClose, S::kfbsNormal, 21, 16, dark},
        {B::kfbClose, S::kfbsPressed, 0, 0, dark},   {B::kfbClose, S::kfbsNormal, 2, 2, face},
        {B::kfbTray, S::kfbsNormal, 18, 13, clBlack}, {B::kfbTray, S::kfbsNormal, 16, 11, face},
        {B::kfbTray, S::kfbsPressed, 16, 11, clBlack}, {B::kfbRollUp, S::kfbsNormal, 11, 10, clBlack},
        {B::kfbRollUp, S::kfbsNormal, 5, 6, face},   {B::kfbRollDown, S::kfbsNormal, 11, 6, clBlack},
        {B::kfbRollDown, S::kfbsNormal, 5, 11, face},
    };
    for (const Case& c : cases) {
        Picture p(22, 17);
        TteFormButtonInfo info{{0, 0, 22, 17}, c.button, c.state, nullptr};
        theme.DrawFormButton(kStandard, p.Canvas(), info, kObject);
        EXPECT_EQ(p.At(c.x, c.y), c.colour) << static_cast<int>(c.button) << " at " << c.x << "," << c.y;
    }

    // The symbols of the classic glyphs leave black ink on the face.
    for (B button : {B::kfbClose, B::kfbHelp, B::kfbMinimize, B::kfbMinRestore, B::kfbMaximize, B::kfbMaxRestore}) {
        Picture p(22, 17);
        theme.DrawFormButton(kStandard, p.Canvas(), {{0, 0, 22, 17}, button, S::kfbsNormal, nullptr}, kObject);
        int ink = 0;
        for (int y = 2; y < 15; ++y)
            for (int x = 2; x < 20; ++x)
                ink += p.At(x, y) == clBlack ? 1 : 0;
        EXPECT_GT(ink, 3) << static_cast<int>(button);
    }
}

TEST(ThemeForm, CaptionTextInTheActiveOrInactiveCaptionFont)
{
    TteBuiltTheme<TteTheme> theme;
    for (bool active : {true, false}) {
        Picture p(120, 24);
        TteWindowInfo info = Window(120, 24, {});
        info.Active = active;
        info.Caption = QStringLiteral("HHHH");
        theme.DrawFormCaptionText(kStandard, p.Canvas(), info, {0, 0, 120, 24}, kObject);
        const TColor ink = active ? clWhite : 0x00C0C0C0;
        TRect box{120, 24, 0, 0};
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 120; ++x)
                if (p.At(x, y) == ink)
                    box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                           std::max(box.Bottom, y + 1)};
        ASSERT_FALSE(box.IsEmpty()) << active;
        // Centred both ways, a pixel of rounding either side.
        EXPECT_NEAR(box.Left + box.Right, 120, 3) << active;
        EXPECT_NEAR(box.Top + box.Bottom, 24, 3) << active;
        EXPECT_EQ(p.Canvas().Font()->Style(), TFontStyles{TFontStyle::fsBold});
    }
}
