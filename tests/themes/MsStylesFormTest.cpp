// The visual-style theme's window frame: geometry, hit test, outline, drawing and caption text.
#include <gtest/gtest.h>

#include <QRegion>
#include <memory>

#include "framework/Canvas.h"
#include "framework/Font.h"
#include "framework/Stream.h"
#include "framework/StringList.h"
#include "framework/IniFile.h"
#include "graphics/Bitmap.h"
#include "graphics/BitmapList.h"
#include "graphics/Pixel.h"
#include "theme/ThemeFonts.h"
#include "tests/themes/MsStylesFixture.h"
#include "themes/MsStylesTheme.h"

namespace {

using enum TteFormButton;
using enum TteFormKind;

// Every frame piece is a two-frame strip, stacked: active above inactive, each a flat colour.
const char* const kIni =
    "[Window.Caption]\r\nimagefile=Caption.bmp\r\nimagecount=2\r\nimagelayout=vertical\r\n"
    "sizingtype=stretch\r\ntransparent=true\r\ntransparentcolor=255 0 255\r\ncontentalignment=left\r\n"
    "textshadowcolor=0 0 255\r\n"
    "[Window.FrameLeft]\r\nimagefile=Side.bmp\r\nimagecount=2\r\nimagelayout=vertical\r\nsizingtype=stretch\r\n"
    "[Window.FrameRight]\r\nimagefile=Side.bmp\r\nimagecount=2\r\nimagelayout=vertical\r\nsizingtype=stretch\r\n"
    "[Window.FrameBottom]\r\nimagefile=Side.bmp\r\nimagecount=2\r\nimagelayout=vertical\r\nsizingtype=stretch\r\n"
    "[Window.SmallCaption]\r\nimagefile=Side.bmp\r\nimagecount=2\r\nimagelayout=vertical\r\nsizingtype=stretch\r\n"
    "[Window.CloseButton]\r\nimagefile=Buttons.bmp\r\nimagecount=4\r\nimagelayout=vertical\r\nsizingtype=stretch\r\n"
    "[Window.SmallCloseButton]\r\nimagefile=Buttons.bmp\r\nimagecount=4\r\nimagelayout=vertical\r\n"
    "sizingtype=stretch\r\n"
    "[Window.Caption(Active)]\r\ntextshadowtype=single\r\ntextshadowoffset=2, 0\r\n"
    "[Button.Pushbutton]\r\nimagefile=Side.bmp\r\n"
    "[SysMetrics]\r\nCaptionBarHeight=25\r\nBorderWidth=4\r\nSMCaptionBarHeight=17\r\nSMBorderWidth=3\r\n"
    "CaptionFont=DejaVu Sans, 10\r\nCaptionText=0 0 0\r\nBtnFace=11 22 33\r\n";

constexpr TteColor kActive = 0xFFC00000;
constexpr TteColor kInactive = 0xFF00C000;
constexpr TteColor kButtonFrames[4] = {0xFF101010, 0xFF202020, 0xFF303030, 0xFF404040};
constexpr TteColor kBackground = 0xFFFFFFFF;

std::unique_ptr<TteBitmap> Strip(const QString& name, int width, int frameHeight, std::initializer_list<TteColor> frames)
{
    auto bitmap = std::make_unique<TteBitmap>();
    bitmap->SetSize(width, frameHeight * static_cast<int>(frames.size()));
    int top = 0;
    for (TteColor colour : frames) {
        bitmap->FillRect({0, top, width, top + frameHeight}, colour);
        top += frameHeight;
    }
    bitmap->SetName(name);
    return bitmap;
}

// The caption's top-left corner is cut out with the key colour, as round corners are.
// captionKeys go into the caption's section.
std::unique_ptr<TTeThemeMsStyles> FrameStyle(const char* captionKeys = "")
{
    TteBuiltTheme<TTeThemeMsStyles> source;
    source.SetName(QStringLiteral("Frames"));
    TStringList lines;
    const QString header = QStringLiteral("[Window.Caption]\r\n");
    lines.SetText(header + QString::fromLatin1(captionKeys) + QString::fromLatin1(kIni).mid(header.size()));
    source.Ini().SetStrings(lines);
    auto caption = Strip(QStringLiteral("CAPTION_BMP"), 20, 29, {kActive, kInactive});
    caption->FillRect({0, 0, 3, 3}, 0xFFFF00FF);
    source.Bitmaps().Add(std::move(caption));
    source.Bitmaps().Add(Strip(QStringLiteral("SIDE_BMP"), 8, 8, {kActive, kInactive}));
    source.Bitmaps().Add(Strip(QStringLiteral("BUTTONS_BMP"), 8, 8,
                               {kButtonFrames[0], kButtonFrames[1], kButtonFrames[2], kButtonFrames[3]}));
    return LoadedCopy(source);
}

TteWindowInfo Window(int width, int height, TteFormButtons buttons, bool active = true)
{
    TteWindowInfo info;
    info.Rect = {0, 0, width, height};
    info.Buttons = buttons;
    info.Active = active;
    info.Caption = QStringLiteral("Trackwell");
    return info;
}

TEST(MsStylesFormTest, ClientAndCaptionRectsFollowTheKindsMetrics)
{
    auto theme = FrameStyle();
    const TteWindowInfo info = Window(300, 200, {kfbClose});
    EXPECT_EQ(theme->GetFormClientRect(kfkStandard, info, {}), (TRect{4, 29, 296, 196}));
    EXPECT_EQ(theme->GetFormClientRect(kfkToolWindow, info, {}), (TRect{3, 20, 297, 197}));
    EXPECT_EQ(theme->GetFormClientRect(kfkNone, info, {}), info.Rect);

    EXPECT_EQ(theme->GetFormCaptionRect(kfkDialog, info, {}), (TRect{4, 4, 296, 29}));
    // The system-menu icon takes a caption bar's height at the left.
    EXPECT_EQ(theme->GetFormCaptionRect(kfkDialog, Window(300, 200, {kfbClose, kfbSysMenu}), {}),
              (TRect{29, 4, 296, 29}));
    EXPECT_EQ(theme->GetFormCaptionRect(kfkToolWindow, info, {}), (TRect{3, 3, 297, 20}));
}

TEST(MsStylesFormTest, CaptionMarginsNarrowTheCaption)
{
    auto theme = FrameStyle("captionmargins=7, 9, 0, 0\r\n");
    EXPECT_EQ(theme->GetFormCaptionRect(kfkStandard, Window(300, 200, {kfbClose}), {}), (TRect{11, 4, 287, 29}));
}

TEST(MsStylesFormTest, CaptionButtonsLineUpFromTheRight)
{
    auto theme = FrameStyle();
    // size 21, step 23, close at (274, 5, 295, 26).
    const TRect close{274, 5, 295, 26};
    const auto moved = [&close](int steps) { return TRect{close.Left - 23 * steps, 5, close.Right - 23 * steps, 26}; };
    struct Case {
        TteFormButtons shown;
        TteFormButton button;
        TRect expected;
    } cases[] = {
        {{kfbClose}, kfbClose, close},
        {{kfbClose, kfbMaximize}, kfbMaximize, moved(1)},
        {{kfbMaxRestore}, kfbMaxRestore, close},
        {{kfbClose, kfbMaximize, kfbMinimize}, kfbMinimize, moved(2)},
        {{kfbClose, kfbMinRestore}, kfbMinRestore, moved(1)},
        {{kfbClose, kfbMaxRestore, kfbMinimize, kfbHelp}, kfbHelp, moved(3)},
        {{kfbClose, kfbHelp}, kfbHelp, moved(1)},
        {{kfbSysMenu}, kfbSysMenu, TRect{4, 5, 25, 26}},
        // A button that is not shown has no place, and roll and tray buttons have none in this kind.
        {{kfbClose}, kfbMaximize, TRect{}},
        {{kfbClose}, kfbSysMenu, TRect{}},
        {{kfbClose, kfbRollUp, kfbTray}, kfbRollUp, TRect{}},
        {{kfbClose, kfbRollUp, kfbTray}, kfbTray, TRect{}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(theme->GetFormButtonRect(kfkStandard, Window(300, 200, c.shown), c.button, {}), c.expected)
            << int(c.button);

    const TteWindowInfo tool = Window(300, 200, {kfbClose, kfbMinimize});
    EXPECT_EQ(theme->GetFormButtonRect(kfkToolWindow, tool, kfbClose, {}), (TRect{281, 4, 296, 19}));
    EXPECT_TRUE(theme->GetFormButtonRect(kfkToolWindow, tool, kfbMinimize, {}).IsEmpty());
    EXPECT_TRUE(theme->GetFormButtonRect(kfkFrame, tool, kfbClose, {}).IsEmpty());
}

TEST(MsStylesFormTest, TheBandBelowTheTopEdgeIsCaption)
{
    auto theme = FrameStyle();
    const TteWindowInfo info = Window(300, 200, {kfbClose, kfbSysMenu});
    struct Case {
        TPoint at;
        TteFormHit expected;
    } cases[] = {
        // Left of the caption rectangle, above the system-menu icon: the abstract test says top edge.
        {{6, 4}, TteFormHit::kfhCaption},
        {{150, 20}, TteFormHit::kfhCaption},
        {{150, 2}, TteFormHit::kfhTop},
        {{280, 10}, TteFormHit::kfhClose},
        {{10, 10}, TteFormHit::kfhSysMenu},
        {{1, 100}, TteFormHit::kfhLeft},
        {{150, 100}, TteFormHit::kfhNothing},
    };
    for (const Case& c : cases)
        EXPECT_EQ(theme->FormHitTest(kfkStandard, info, c.at.X, c.at.Y, {}), c.expected) << c.at.X << "," << c.at.Y;
}

TEST(MsStylesFormTest, RegionLeavesOutTheFramesKeyPixels)
{
    auto theme = FrameStyle();
    EXPECT_FALSE(theme->GetFormRegion(kfkStandard, {0, 0, 0, 50}, {}).has_value());
    EXPECT_FALSE(theme->GetFormRegion(kfkNone, {0, 0, 100, 50}, {}).has_value());

    const std::optional<QRegion> region = theme->GetFormRegion(kfkStandard, {0, 0, 100, 80}, {});
    ASSERT_TRUE(region.has_value());
    // The caption's corner is stretched from 3 × 3 of 20 × 29 pixels to 100 × 29.
    EXPECT_FALSE(region->contains(QPoint(0, 0)));
    EXPECT_FALSE(region->contains(QPoint(13, 1)));
    EXPECT_TRUE(region->contains(QPoint(16, 4)));
    EXPECT_TRUE(region->contains(QPoint(0, 40)));
    EXPECT_TRUE(region->contains(QPoint(50, 50)));
    EXPECT_TRUE(region->contains(QPoint(99, 79)));
    EXPECT_EQ(region->boundingRect(), QRect(0, 0, 100, 80));
}

TEST(MsStylesFormTest, FrameDrawsTheActiveOrInactiveFrame)
{
    auto theme = FrameStyle();
    for (bool active : {true, false}) {
        TteBitmap window;
        window.SetSize(100, 80);
        window.Fill(kBackground);
        theme->DrawForm(kfkStandard, window.Canvas(), Window(100, 80, {}, active), {});
        const TteColor expected = active ? kActive : kInactive;
        EXPECT_EQ(window.GetPixel(50, 10), expected);
        EXPECT_EQ(window.GetPixel(1, 50), expected);
        EXPECT_EQ(window.GetPixel(98, 50), expected);
        EXPECT_EQ(window.GetPixel(50, 78), expected);
        EXPECT_EQ(window.GetPixel(50, 50), kBackground);
    }

    // A repaint from below the top leaves the caption bar as it was.
    TteBitmap window;
    window.SetSize(100, 80);
    window.Fill(kBackground);
    TteWindowInfo info = Window(100, 80, {});
    info.PaintRect = {0, 40, 100, 80};
    theme->DrawForm(kfkStandard, window.Canvas(), info, {});
    EXPECT_EQ(window.GetPixel(50, 10), kBackground);
    EXPECT_EQ(window.GetPixel(1, 50), kActive);
}

TEST(MsStylesFormTest, ButtonsDrawTheirStatesFrame)
{
    auto theme = FrameStyle();
    const auto draw = [&theme](TteFormKind kind, TteFormButton button, TteFormButtonState state) {
        TteBitmap canvas;
        canvas.SetSize(10, 10);
        canvas.Fill(kBackground);
        TteFormButtonInfo info;
        info.Rect = {0, 0, 10, 10};
        info.Button = button;
        info.State = state;
        theme->DrawFormButton(kind, canvas.Canvas(), info, {});
        return canvas.GetPixel(5, 5);
    };
    for (int state = 0; state < 4; ++state) {
        const auto s = static_cast<TteFormButtonState>(state);
        EXPECT_EQ(draw(kfkStandard, kfbClose, s), kButtonFrames[state]);
        EXPECT_EQ(draw(kfkToolWindow, kfbClose, s), kButtonFrames[state]);
    }
    EXPECT_EQ(draw(kfkToolWindow, kfbMinimize, TteFormButtonState::kfbsNormal), kBackground);
    EXPECT_EQ(draw(kfkStandard, kfbTray, TteFormButtonState::kfbsNormal), kBackground);
    EXPECT_EQ(draw(kfkNone, kfbClose, TteFormButtonState::kfbsNormal), kBackground);
}

// Smoothed text has few pixels of the exact ink colour: ink is any pixel near it.
bool NearBlack(TteColor p) { return RedOf(p) < 0x80 && GreenOf(p) < 0x80 && BlueOf(p) < 0x80; }
bool NearBlue(TteColor p) { return RedOf(p) < 0x80 && GreenOf(p) < 0x80 && BlueOf(p) >= 0x80; }

// The rightmost column with ink in rows top..bottom, or -1.
int RightmostInk(const TteBitmap& bitmap, int top, int bottom, bool (*ink)(TteColor))
{
    for (int x = bitmap.Width() - 1; x >= 0; --x)
        for (int y = top; y < bottom; ++y)
            if (ink(bitmap.GetPixel(x, y)))
                return x;
    return -1;
}

TEST(MsStylesFormTest, CaptionTextEndsBeforeTheButtonsWithAnEllipsis)
{
    auto theme = FrameStyle();
    TteWindowInfo info = Window(300, 60, {kfbClose, kfbMaximize, kfbMinimize, kfbSysMenu});
    info.Caption = QString(80, QLatin1Char('W'));
    const TRect caption = theme->GetFormCaptionRect(kfkStandard, info, {});
    TteBitmap window;
    window.SetSize(300, 60);
    window.Fill(kBackground);
    theme->DrawFormCaptionText(kfkStandard, window.Canvas(), info, caption, {});

    // Buttons at 228 and beyond; the text stops at 300 - 2 × 4 - 3 × 25 = 217.
    const int black = RightmostInk(window, caption.Top, caption.Bottom, NearBlack);
    ASSERT_GT(black, caption.Left);
    EXPECT_LT(black, 217);
    // The shadow, drawn 2 pixels to the right in the shadow colour, is cut at the same width.
    const int shadow = RightmostInk(window, caption.Top, caption.Bottom, NearBlue);
    EXPECT_GT(shadow, black);
    EXPECT_LT(shadow, 217 + 2);
    // Shortened, not dropped: the text still runs up to near the limit.
    EXPECT_GT(black, 190);
}

TEST(MsStylesFormTest, InactiveCaptionHasNoShadowAndFramelessKindsNoText)
{
    auto theme = FrameStyle();
    TteBitmap window;
    window.SetSize(300, 60);
    window.Fill(kBackground);
    const TteWindowInfo inactive = Window(300, 60, {kfbClose}, false);
    theme->DrawFormCaptionText(kfkStandard, window.Canvas(), inactive, {4, 4, 296, 29}, {});
    EXPECT_EQ(RightmostInk(window, 4, 29, NearBlue), -1);

    TteBitmap plain;
    plain.SetSize(300, 60);
    plain.Fill(kBackground);
    theme->DrawFormCaptionText(kfkNone, plain.Canvas(), Window(300, 60, {}), {4, 4, 296, 29}, {});
    for (int x = 0; x < 300; ++x)
        ASSERT_EQ(plain.GetPixel(x, 16), kBackground) << x;
}

} // namespace
