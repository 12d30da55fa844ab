// The built-in frame's geometry: the buttons a theme is asked for, hit testing, the caption-button
// layout for every set of icons, the caption's text width, and what parts mean to the platform.
#include <QWidget>
#include <gtest/gtest.h>

#include "controls/frame/FrameGeometry.h"
#include "framework/Canvas.h"
#include "graphics/Bitmap.h"
#include "graphics/WideText.h"

namespace {

using enum TTeBorderIcon;
using enum TteFormHit;

// The program's windows: close, system menu, minimize, roll up and tray.
constexpr TTeBorderIcons kProgramIcons{kbiClose, kbiSystemMenu, kbiMinimize, kbiRollup, kbiTray};

TFrameLook Look(int width, int height, TTeBorderIcons icons = kDefaultBorderIcons,
                TTeWindowState state = TTeWindowState::kwsNormal, TTeBorderStyle style = TTeBorderStyle::kbsStandard)
{
    return {style, icons, state, Rect(0, 0, width, height)};
}

TPoint Centre(const TRect& r)
{
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

}  // namespace

TEST(FrameGeometry, TheButtonMaskFollowsStyleIconsAndState)
{
    using enum TTeWindowState;
    const struct {
        TTeBorderStyle style;
        TTeBorderIcons icons;
        TTeWindowState state;
        std::uint64_t mask;
    } cases[] = {
        // Without maximize and help: 0x1FFF less 0x0060, 0x0004, then 0x0150 for the normal state.
        {TTeBorderStyle::kbsStandard, kProgramIcons, kwsNormal, 0x1FFF & ~0x0060 & ~0x0004 & ~0x0150},
        {TTeBorderStyle::kbsStandard, kDefaultBorderIcons, kwsMaximized, 0x1FFF & ~0x0004 & ~0x0130},
        {TTeBorderStyle::kbsStandard, kDefaultBorderIcons, kwsMinimized, 0x1FFF & ~0x0004 & ~0x0148},
        {TTeBorderStyle::kbsDialog, kDefaultBorderIcons, kwsRollup, 0x1FFF & ~0x0004 & ~0x0090},
        {TTeBorderStyle::kbsToolWindow, {kbiClose}, kwsTray, 0x1FFF & ~0x0001 & ~0x0060 & ~0x0018 & ~0x0200 & ~0x0180 & ~0x0004},
        {TTeBorderStyle::kbsNone, kDefaultBorderIcons, kwsNormal, 0},
        {TTeBorderStyle::kbsBorder, kDefaultBorderIcons, kwsNormal, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ThemeButtonMask(c.style, c.icons, c.state).Bits(), c.mask) << static_cast<int>(c.state);
}

TEST(FrameGeometry, BuiltInHitTestNamesEveryPartOfTheFrame)
{
    // Classic metrics: frame 4, caption 19, so the client starts at (4, 23).
    const TFrameLook normal = Look(300, 200);
    EXPECT_EQ(BuiltInClientRect(normal), Rect(4, 23, 296, 196));
    const struct {
        TPoint point;
        TteFormHit normal;
        TteFormHit maximized;
    } cases[] = {
        {{150, 10}, kfhCaption, kfhCaption},     {{150, 100}, kfhNothing, kfhNothing},
        {{150, 1}, kfhTop, kfhCaption},          {{150, 198}, kfhBottom, kfhNothing},
        {{1, 100}, kfhLeft, kfhNothing},         {{298, 100}, kfhRight, kfhNothing},
        {{1, 1}, kfhTopLeft, kfhCaption},        {{19, 1}, kfhTopLeft, kfhCaption},
        {{20, 1}, kfhTop, kfhCaption},           {{290, 1}, kfhTopRight, kfhCaption},
        {{1, 190}, kfhBottomLeft, kfhNothing},   {{298, 198}, kfhBottomRight, kfhNothing},
        {{298, 10}, kfhTopRight, kfhCaption},    {{2, 30}, kfhLeft, kfhNothing},
    };
    const TFrameLook maximized = Look(300, 200, kDefaultBorderIcons, TTeWindowState::kwsMaximized);
    for (const auto& c : cases) {
        EXPECT_EQ(BuiltInHitTest(normal, c.point), c.normal) << c.point.X << "," << c.point.Y;
        EXPECT_EQ(BuiltInHitTest(maximized, c.point), c.maximized) << c.point.X << "," << c.point.Y;
    }
    for (TTeBorderIcon icon : {kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiRollup, kbiTray})
        EXPECT_EQ(BuiltInHitTest(normal, Centre(BuiltInButtonRect(normal, icon))), HitOfIcon(icon));
    // A window without a frame has no parts.
    EXPECT_EQ(BuiltInHitTest(Look(300, 200, kDefaultBorderIcons, TTeWindowState::kwsNormal, TTeBorderStyle::kbsNone),
                             {150, 10}),
              kfhNothing);
}

TEST(FrameGeometry, ButtonsLineUpFromTheRightForEveryCombinationOfIcons)
{
    // Right to left, the order the classic caption shows them in.
    const TTeBorderIcon order[] = {kbiClose, kbiMaximize, kbiMinimize, kbiRollup, kbiTray, kbiHelp};
    for (std::uint64_t bits = 0; bits < (1u << 7); ++bits) {
        const TTeBorderIcons icons = TTeBorderIcons::FromBits(bits);
        const TFrameLook look = Look(400, 200, icons);
        const TRect band = BuiltInCaptionBand(look);
        int right = band.Right - 2;
        for (TTeBorderIcon icon : order) {
            const TRect r = BuiltInButtonRect(look, icon);
            ASSERT_EQ(r.IsEmpty(), !icons.Contains(icon)) << bits << " icon " << static_cast<int>(icon);
            if (r.IsEmpty())
                continue;
            const int gap = icon == kbiHelp ? 2 : 0;
            EXPECT_EQ(r.Right, right - gap) << bits << " icon " << static_cast<int>(icon);
            EXPECT_EQ(r.Width(), 16);
            EXPECT_EQ(r.Height(), 14);
            EXPECT_EQ(r.Top, 7);
            right = r.Left - 2;
        }
        const TRect menu = BuiltInButtonRect(look, kbiSystemMenu);
        EXPECT_EQ(menu.IsEmpty(), !icons.Contains(kbiSystemMenu));
        if (!menu.IsEmpty()) {
            EXPECT_EQ(menu, Rect(4, 5, 22, 23));
        }
    }
}

TEST(FrameGeometry, StatesAndToolWindowsShowFewerButtons)
{
    const TFrameLook minimized = Look(400, 200, kDefaultBorderIcons + TTeBorderIcons{kbiHelp}, TTeWindowState::kwsMinimized);
    for (TTeBorderIcon icon : {kbiMaximize, kbiRollup, kbiTray, kbiHelp})
        EXPECT_TRUE(BuiltInButtonRect(minimized, icon).IsEmpty()) << static_cast<int>(icon);
    EXPECT_FALSE(BuiltInButtonRect(minimized, kbiMinimize).IsEmpty());

    const TFrameLook rolled = Look(400, 200, kDefaultBorderIcons + TTeBorderIcons{kbiHelp}, TTeWindowState::kwsRollup);
    EXPECT_TRUE(BuiltInButtonRect(rolled, kbiHelp).IsEmpty());
    EXPECT_FALSE(BuiltInButtonRect(rolled, kbiRollup).IsEmpty());

    const TFrameLook tool = Look(400, 200, kDefaultBorderIcons, TTeWindowState::kwsNormal, TTeBorderStyle::kbsToolWindow);
    EXPECT_EQ(BuiltInClientRect(tool), Rect(4, 20, 396, 196));
    EXPECT_EQ(BuiltInButtonRect(tool, kbiClose).Right, BuiltInCaptionBand(tool).Right);
    for (TTeBorderIcon icon : {kbiMaximize, kbiMinimize, kbiRollup, kbiTray})
        EXPECT_TRUE(BuiltInButtonRect(tool, icon).IsEmpty());
}

TEST(FrameGeometry, CaptionTextIsCutBeforeTheButtons)
{
    const struct {
        TFrameLook look;
        int width;
    } cases[] = {
        // 400 - band left 4 - (1 + 5 buttons) x SM_CYSIZE 18.
        {Look(400, 100), 400 - 4 - 6 * 18},
        {Look(400, 100, kProgramIcons), 400 - 4 - 5 * 18},
        {Look(400, 100, {}), 400 - 4 - 18},
        {Look(400, 100, kDefaultBorderIcons, TTeWindowState::kwsNormal, TTeBorderStyle::kbsToolWindow), 400 - 4 - 2 * 16},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BuiltInCaptionTextWidth(c.look), c.width);
    // The text starts after the system-menu square, 2 pixels in.
    EXPECT_EQ(BuiltInCaptionTextRect(Look(400, 100)), Rect(4 + 18 + 2, 5, 396 - 2, 23));
    EXPECT_EQ(BuiltInCaptionTextRect(Look(400, 100, {kbiClose})).Left, 4 + 2);

    // At narrow widths the caption ends in an ellipsis that fits.
    TteBitmap bitmap;
    bitmap.SetSize(10, 10);
    TCanvas& canvas = bitmap.Canvas();
    const QString caption = QStringLiteral("Trackwell - Begin ripping Track 01");
    for (int width : {300, 200, 160, 140}) {
        const int room = BuiltInCaptionTextWidth(Look(width, 100, kProgramIcons));
        const QString shown = EllipsisText(canvas, caption, room);
        EXPECT_LE(WideTextWidth(canvas, shown), room) << width;
        if (WideTextWidth(canvas, caption) > room) {
            EXPECT_TRUE(shown.endsWith(QStringLiteral("..."))) << width;
        }
    }
}

TEST(FrameGeometry, PartsMeanMovingSizingOrButtonsToThePlatform)
{
    using enum TPlatformHit;
    const struct {
        std::uint8_t part;
        TPlatformHit sizeable;
        TPlatformHit fixed;
    } cases[] = {
        {0, kphClient, kphClient},    {1, kphCaption, kphCaption},       {2, kphLeft, kphClient},
        {3, kphTop, kphClient},       {4, kphRight, kphClient},          {5, kphBottom, kphClient},
        {6, kphBorder, kphBorder},    {7, kphTopLeft, kphClient},        {8, kphTopRight, kphClient},
        {9, kphBottomLeft, kphClient}, {10, kphBottomRight, kphClient},  {11, kphClose, kphClose},
        {12, kphHelp, kphHelp},       {13, kphMinimize, kphMinimize},    {14, kphMaximize, kphMaximize},
        {15, kphBorder, kphBorder},   {16, kphBorder, kphBorder},        {17, kphSystemMenu, kphSystemMenu},
        {18, kphBorder, kphBorder},   {0x80 | 11, kphClose, kphClose},   {0x80 | 4, kphRight, kphClient},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlatformHitOf(c.part, true, true, false), c.sizeable) << int(c.part);
        EXPECT_EQ(PlatformHitOf(c.part, true, false, false), c.fixed) << int(c.part);
        // Maximized windows are not sized either.
        EXPECT_EQ(PlatformHitOf(c.part, true, true, true), c.fixed) << int(c.part);
    }
    EXPECT_EQ(PlatformHitOf(1, false, true, false), kphClient);
    EXPECT_EQ(SizeEdgesOf(kphBottomRight), Qt::BottomEdge | Qt::RightEdge);
    EXPECT_EQ(SizeEdgesOf(kphCaption), 0);
}

TEST(FrameGeometry, TrackSizesLimitOnlyWhereSet)
{
    EXPECT_EQ(ClampToTrackSize({100, 20}, {140, 27}, {800, 600}), (TSize{140, 27}));
    EXPECT_EQ(ClampToTrackSize({900, 700}, {140, 27}, {800, 600}), (TSize{800, 600}));
    EXPECT_EQ(ClampToTrackSize({900, 10}, {0, 0}, {0, 0}), (TSize{900, 10}));
}
