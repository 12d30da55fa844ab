// Where the flat kind puts a window's client area, caption and caption buttons, and the content
// rectangles of the other families.
#include <gtest/gtest.h>

#include "tests/themes/ThemeFixture.h"

namespace {

using enum TteFormButton;

TteWindowInfo Window(TteFormButtons buttons)
{
    TteWindowInfo info;
    info.Rect = {0, 0, 200, 100};
    info.Buttons = buttons;
    return info;
}

TEST(BuiltInGeometryTest, FormClientAndCaptionByKind)
{
    TteBuiltTheme<TTeFlatTheme> theme;
    struct Case {
        TteFormKind Kind;
        TRect Client;
    } const cases[] = {
        {TteFormKind::kfkStandard, {3, 23, 197, 97}}, {TteFormKind::kfkDialog, {3, 23, 197, 97}},
        {TteFormKind::kfkFrame, {3, 3, 197, 97}},     {TteFormKind::kfkToolWindow, {3, 19, 197, 97}},
        {TteFormKind::kfkNone, {0, 0, 200, 100}},
    };
    const TteWindowInfo info = Window({});
    for (const Case& c : cases) {
        EXPECT_EQ(theme.GetFormClientRect(c.Kind, info, kObject), c.Client) << static_cast<int>(c.Kind);
        EXPECT_EQ(theme.GetFormCaptionRect(c.Kind, info, kObject), (TRect{c.Client.Left, 3, c.Client.Right, c.Client.Top}));
    }
    EXPECT_FALSE(theme.GetFormRegion(TteFormKind::kfkStandard, info.Rect, kObject).has_value());
}

TEST(BuiltInGeometryTest, CaptionButtonsLineUpFromTheRightWithoutGaps)
{
    TteBuiltTheme<TTeFlatTheme> theme;
    struct Case {
        TteFormButtons Shown;
        TteFormButton Button;
        TRect Expected;
    } const cases[] = {
        {{kfbClose, kfbMaximize, kfbMinimize}, kfbClose, {175, 3, 197, 23}},
        {{kfbClose, kfbMaximize, kfbMinimize}, kfbMaximize, {151, 3, 173, 23}},
        {{kfbClose, kfbMaximize, kfbMinimize}, kfbMinimize, {127, 3, 149, 23}},  // 48 left of close
        {{kfbClose, kfbMinimize}, kfbMinimize, {151, 3, 173, 23}},                  // a hidden one leaves no gap
        {{kfbClose, kfbMaxRestore, kfbMinRestore, kfbRollDown, kfbTray, kfbHelp}, kfbHelp, {55, 3, 77, 23}},
        {{kfbRollUp, kfbTray}, kfbTray, {151, 3, 173, 23}},
        {{kfbSysMenu, kfbClose}, kfbSysMenu, {3, 4, 25, 22}},
        {{kfbClose}, kfbHelp, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(theme.GetFormButtonRect(TteFormKind::kfkStandard, Window(c.Shown), c.Button, kObject), c.Expected)
            << static_cast<int>(c.Button);
}

TEST(BuiltInGeometryTest, ContentRectanglesOfTheOtherFamilies)
{
    TteBuiltTheme<TTeOfficeXPTheme> theme;
    TThemeSurface surface;
    TCanvas& canvas = surface.Canvas();
    const TRect r{10, 20, 110, 80};
    struct Case {
        const char* Name;
        TRect Actual;
        TRect Expected;
    } const cases[] = {
        {"panel", theme.GetPanelClientRect(0, r, kObject), {12, 22, 108, 78}},
        {"status bar", theme.GetStatusBarClientRect(0, r, kObject), {15, 22, 105, 78}},
        {"edit", theme.GetEditClientRect(0, canvas, {r, 0}, kObject), {14, 24, 106, 76}},
        {"group box", theme.GetGroupBoxClientRect(0, r, kObject), {16, 26, 104, 74}},
        {"memo", theme.GetMemoClientRect(0, canvas, r, kObject), r},
        {"box", theme.GetBoxClientRect(0, canvas, r, kObject), {12, 22, 108, 78}},
        {"menu bar", theme.GetMenuClientRect(0, r, kObject), {12, 22, 108, 78}},
        {"popup", theme.GetMenuClientRect(1, r, kObject), {12, 22, 108, 78}},
        {"control bar", theme.GetControlBarClientRect(0, r, kObject), r},
        {"scroll box", theme.GetScrollBoxClientRect(0, canvas, r, kObject), {12, 22, 108, 78}},
        {"roll panel", theme.GetRollPanelClientRect(0, canvas, r, kObject), {12, 22, 108, 78}},
        {"tab", theme.GetTabClientRect(0, r, kObject), r},
        {"list", theme.GetListBoxClientRect(0, r, kObject), {12, 22, 108, 78}},
        {"tree", theme.GetTreeClientRect(0, r, kObject), {12, 22, 108, 78}},
        {"grid", theme.GetGridClientRect(0, r, kObject), {12, 22, 108, 78}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.Actual, c.Expected) << c.Name;
}

TEST(BuiltInGeometryTest, AvailabilityAndTransparency)
{
    TteBuiltTheme<TTeFlatTheme> theme;
    EXPECT_FALSE(theme.IsHintAvailable(0, kObject));
    EXPECT_TRUE(theme.IsScrollBarAvailable(0, kObject));
    EXPECT_FALSE(theme.IsScrollBarAvailable(1, kObject));
    // Elements that let what lies beneath show through.
    EXPECT_TRUE(theme.IsButtonTransparent(0, kObject));
    EXPECT_TRUE(theme.IsCheckBoxTransparent(0, kObject));
    EXPECT_TRUE(theme.IsTrackBarTransparent(0, kObject));
    EXPECT_TRUE(theme.IsGroupBoxTransparent(0, kObject));
    EXPECT_FALSE(theme.IsPanelTransparent(0, kObject));
    EXPECT_FALSE(theme.IsMenuTransparent(1, kObject));
    EXPECT_FALSE(theme.IsTabTransparent(0, kObject));
}

} // namespace
