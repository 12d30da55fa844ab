// The visual-style theme's control families: which element object and which frame each part and state
// draws, and which families the style makes available.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/themes/MsStylesFixture.h"
#include "tests/themes/ThemeFixture.h"

namespace {

using enum TMsElement;
using TDraw = std::function<void(TTeThemeMsStyles&, TCanvas&, const TRect&)>;

struct TFrameCase {
    std::string name;
    TDraw draw;
    TMsElement element;
    // 0: nothing is drawn.
    int frame;
};

// One case per (state, frame) pair of a state table.
void AddStates(std::vector<TFrameCase>& cases, const std::string& name, TMsElement element,
               const std::vector<std::pair<int, int>>& stateFrames,
               const std::function<void(TTeThemeMsStyles&, TCanvas&, const TRect&, std::uint8_t)>& draw)
{
    for (const auto& [state, frame] : stateFrames)
        cases.push_back({name + " state " + std::to_string(state),
                         [draw, state](TTeThemeMsStyles& t, TCanvas& c, const TRect& r) {
                             draw(t, c, r, static_cast<std::uint8_t>(state));
                         },
                         element, frame});
}

std::vector<TFrameCase> StateCases()
{
    std::vector<TFrameCase> cases;
    const QString& o = kObject;
    AddStates(cases, "DrawButton", ButtonPushbutton,
              {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 2}, {6, 5}, {7, 2}, {8, 3}, {9, 4}, {200, 3}},
              [o](auto& t, auto& c, auto& r, std::uint8_t s) { t.DrawButton(0, c, {r, s}, o); });
    AddStates(cases, "DrawCheckBox", ButtonCheckbox,
              {{0, 5}, {1, 6}, {2, 7}, {3, 8}, {4, 5}, {5, 1}, {6, 2}, {7, 3}, {8, 4}, {9, 1},
               {10, 9}, {11, 10}, {12, 11}, {13, 12}, {14, 9}, {15, 0}},
              [o](auto& t, auto& c, auto& r, std::uint8_t s) { t.DrawCheckBox(0, c, {r, s}, o); });
    AddStates(cases, "DrawCheckBox radio", ButtonRadiobutton, {{0, 5}, {5, 1}},
              [o](auto& t, auto& c, auto& r, std::uint8_t s) { t.DrawCheckBox(1, c, {r, s}, o); });
    // Arrow rows: up, down, left, right; columns normal, hot, pressed, disabled; states normal, pressed, hot, disabled.
    for (const auto& [part, row] : std::vector<std::pair<int, int>>{{0, 0}, {1, 1}, {4, 2}, {5, 3}})
        AddStates(cases, "DrawScrollBarPart " + std::to_string(part), ScrollBarArrowBtn,
                  {{0, 1 + 4 * row}, {1, 3 + 4 * row}, {2, 2 + 4 * row}, {3, 4 + 4 * row}, {4, 0}},
                  [o, part](auto& t, auto& c, auto& r, std::uint8_t s) {
                      t.DrawScrollBarPart(0, c, {r, static_cast<std::uint8_t>(part), s}, o);
                  });
    AddStates(cases, "DrawTrackBarThumb", TrackBarThumb, {{0, 1}, {2, 3}, {4, 5}, {5, 0}},
              [o](auto& t, auto& c, auto& r, std::uint8_t s) { t.DrawTrackBarThumb(0, c, {r, 3, s}, o); });
    AddStates(cases, "DrawHeaderSection", HeaderHeaderitem,
              {{0, 1}, {1, 3}, {2, 1}, {3, 2}, {4, 2}, {5, 3}, {6, 1}, {7, 0}},
              [o](auto& t, auto& c, auto& r, std::uint8_t s) { t.DrawHeaderSection(0, c, {r, 1, s}, o); });
    // Here Part carries the button's state.
    AddStates(cases, "DrawEditButton", ComboboxDropDownButton, {{0, 1}, {1, 2}, {2, 3}, {3, 1}, {4, 4}},
              [o](auto& t, auto& c, auto& r, std::uint8_t s) { t.DrawEditButton(6, c, {r, s, 0}, o); });
    AddStates(cases, "DrawToolButton", ToolbarButton,
              {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 5}, {6, 6}, {7, 3}, {8, 0}},
              [o](auto& t, auto& c, auto& r, std::uint8_t s) { t.DrawToolButton(1, c, {r, 0, s}, o); });
    AddStates(cases, "DrawMenuItem 9", WindowMDICloseButton, {{0, 1}, {1, 2}, {2, 2}, {3, 3}, {4, 0}},
              [o](auto& t, auto& c, auto& r, std::uint8_t s) { t.DrawMenuItem(0, c, {r, 9, s}, o); });
    AddStates(cases, "DrawRollPanelButton 1", ExplorerbarNormalGroupCollapse, {{0, 1}, {1, 2}, {2, 3}, {3, 1}, {4, 0}},
              [o](auto& t, auto& c, auto& r, std::uint8_t s) { t.DrawRollPanelButton(0, c, {r, 1, s}, o); });
    AddStates(cases, "DrawTab", TabToptabitem, {{0, 1}, {1, 2}, {2, 4}, {3, 5}, {4, 5}, {5, 4}, {6, 0}},
              [o](auto& t, auto& c, auto& r, std::uint8_t s) { t.DrawTab(0, c, {r, 0, s}, o); });
    // Tab-row buttons use the arrow rows too: close and up the first, down the second, left the third, right the last.
    for (const auto& [part, row] : std::vector<std::pair<int, int>>{{0, 0}, {1, 2}, {2, 1}, {3, 0}, {4, 3}})
        AddStates(cases, "DrawTabScrollButton " + std::to_string(part), ScrollBarArrowBtn,
                  {{0, 1 + 4 * row}, {1, 2 + 4 * row}, {2, 3 + 4 * row}, {3, 4 + 4 * row}, {4, 0}},
                  [o, part](auto& t, auto& c, auto& r, std::uint8_t s) {
                      t.DrawTabScrollButton(0, c, {r, static_cast<std::uint8_t>(part), s}, o);
                  });
    return cases;
}

// The element each kind or part draws with, in its first frame.
std::vector<TFrameCase> ObjectCases()
{
    const QString& o = kObject;
    using T = TTeThemeMsStyles;
    using C = TCanvas;
    using R = TRect;
    std::vector<TFrameCase> cases = {
        {"DrawButton 1", [o](T& t, C& c, const R& r) { t.DrawButton(1, c, {r, 0}, o); }, ButtonPushbutton, 1},
        {"DrawButton 4", [o](T& t, C& c, const R& r) { t.DrawButton(4, c, {r, 0}, o); }, SpinUp, 1},
        {"DrawButton 5", [o](T& t, C& c, const R& r) { t.DrawButton(5, c, {r, 0}, o); }, SpinDown, 1},
        // The horizontal spin arrows draw from each other's sections.
        {"DrawButton 6", [o](T& t, C& c, const R& r) { t.DrawButton(6, c, {r, 0}, o); }, SpinDownhorz, 1},
        {"DrawButton 7", [o](T& t, C& c, const R& r) { t.DrawButton(7, c, {r, 0}, o); }, SpinUphorz, 1},
        {"DrawButton 8", [o](T& t, C& c, const R& r) { t.DrawButton(8, c, {r, 0}, o); }, ButtonPushbutton, 1},
        {"DrawCheckBox 2", [o](T& t, C& c, const R& r) { t.DrawCheckBox(2, c, {r, 0}, o); }, ButtonCheckbox, 0},
        {"DrawScrollBarPart 2", [o](T& t, C& c, const R& r) { t.DrawScrollBarPart(0, c, {r, 2, 0}, o); },
         ScrollBarArrowBtn, 0},
        {"DrawScrollBarTrack 0", [o](T& t, C& c, const R& r) { t.DrawScrollBarTrack(0, c, {r, 0, 0}, o); },
         ScrollBarUpperTrackVert, 1},
        {"DrawScrollBarTrack 1", [o](T& t, C& c, const R& r) { t.DrawScrollBarTrack(0, c, {r, 1, 2}, o); },
         ScrollBarUpperTrackHorz, 1},
        {"DrawScrollBarTrack 2", [o](T& t, C& c, const R& r) { t.DrawScrollBarTrack(0, c, {r, 2, 0}, o); },
         ScrollBarUpperTrackHorz, 0},
        {"DrawTrackBarTrack 0", [o](T& t, C& c, const R& r) { t.DrawTrackBarTrack(0, c, {r, 0, 1}, o); },
         TrackBarTrackVert, 1},
        {"DrawTrackBarTrack 1", [o](T& t, C& c, const R& r) { t.DrawTrackBarTrack(0, c, {r, 1, 0}, o); },
         TrackBarTrack, 1},
        {"DrawTrackBar", [o](T& t, C& c, const R& r) { t.DrawTrackBar(0, c, r, o); }, TrackBar, 0},
        {"DrawHeader", [o](T& t, C& c, const R& r) { t.DrawHeader(0, c, r, o); }, Header, 1},
        {"DrawStatusBar", [o](T& t, C& c, const R& r) { t.DrawStatusBar(0, c, r, o); }, Status, 1},
        {"DrawStatusPanel 1", [o](T& t, C& c, const R& r) { t.DrawStatusPanel(0, c, {r, 1}, o); }, StatusPane, 1},
        {"DrawStatusPanel 2", [o](T& t, C& c, const R& r) { t.DrawStatusPanel(0, c, {r, 2}, o); },
         StatusGripperpane, 1},
        {"DrawStatusPanel 3", [o](T& t, C& c, const R& r) { t.DrawStatusPanel(0, c, {r, 3}, o); }, StatusGripper, 1},
        {"DrawStatusPanel 4", [o](T& t, C& c, const R& r) { t.DrawStatusPanel(0, c, {r, 4}, o); }, StatusPane, 0},
        {"DrawControlBar", [o](T& t, C& c, const R& r) { t.DrawControlBar(0, c, r, o); }, Rebar, 1},
        {"DrawToolButton 1", [o](T& t, C& c, const R& r) { t.DrawToolButton(1, c, {r, 1, 1}, o); },
         ToolbarSeparator, 2},
        {"DrawToolButton 3", [o](T& t, C& c, const R& r) { t.DrawToolButton(1, c, {r, 3, 0}, o); },
         ToolbarSplitbutton, 1},
        {"DrawToolButton 4", [o](T& t, C& c, const R& r) { t.DrawToolButton(1, c, {r, 4, 0}, o); },
         ToolbarSplitbuttondropdown, 1},
        {"DrawToolButton 5", [o](T& t, C& c, const R& r) { t.DrawToolButton(1, c, {r, 5, 0}, o); },
         ToolbarDropdownbutton, 1},
        {"DrawToolButton 8", [o](T& t, C& c, const R& r) { t.DrawToolButton(1, c, {r, 8, 6}, o); }, ToolbarButton, 6},
        {"DrawToolButton 13", [o](T& t, C& c, const R& r) { t.DrawToolButton(1, c, {r, 13, 2}, o); }, RebarGripper, 1},
        {"DrawToolButton 14", [o](T& t, C& c, const R& r) { t.DrawToolButton(1, c, {r, 14, 2}, o); },
         RebarGrippervert, 1},
        {"DrawToolButton 10", [o](T& t, C& c, const R& r) { t.DrawToolButton(1, c, {r, 10, 0}, o); },
         ToolbarButton, 0},
        {"DrawMenuItem 7", [o](T& t, C& c, const R& r) { t.DrawMenuItem(0, c, {r, 7, 0}, o); },
         WindowMDIMinButton, 1},
        {"DrawMenuItem 8", [o](T& t, C& c, const R& r) { t.DrawMenuItem(0, c, {r, 8, 0}, o); },
         WindowMDIRestoreButton, 1},
        {"DrawRollPanel", [o](T& t, C& c, const R& r) { t.DrawRollPanel(0, c, r, o); },
         ExplorerbarSpecialGroupBackground, 1},
        {"DrawRollPanelCaption", [o](T& t, C& c, const R& r) { t.DrawRollPanelCaption(0, c, {r, 0}, o); },
         ExplorerbarNormalGroupHead, 1},
        {"DrawRollPanelButton 2", [o](T& t, C& c, const R& r) { t.DrawRollPanelButton(0, c, {r, 2, 0}, o); },
         ExplorerbarNormalGroupExpand, 1},
        {"DrawRollPanelButton 3", [o](T& t, C& c, const R& r) { t.DrawRollPanelButton(0, c, {r, 3, 0}, o); },
         ExplorerbarHeaderclose, 1},
        {"DrawTabPane", [o](T& t, C& c, const R& r) { t.DrawTabPane(0, c, r, o); }, TabPane, 1},
        {"DrawTab 1", [o](T& t, C& c, const R& r) { t.DrawTab(0, c, {r, 1, 0}, o); }, TabToptabitemleftedge, 1},
        {"DrawTab 9", [o](T& t, C& c, const R& r) { t.DrawTab(0, c, {r, 9, 3}, o); }, TabToptabitem, 5},
        {"DrawListBox", [o](T& t, C& c, const R& r) { t.DrawListBox(0, c, r, o); }, Listview, 1},
        {"DrawTree", [o](T& t, C& c, const R& r) { t.DrawTree(0, c, r, o); }, Listview, 1},
        {"DrawGrid", [o](T& t, C& c, const R& r) { t.DrawGrid(0, c, r, o); }, Listview, 1},
    };
    const std::pair<int, TMsElement> progress[] = {{0, ProgressBarVert}, {1, ProgressBar}, {2, ProgressChunkVert},
                                                   {3, ProgressChunk},   {4, ProgressChunkVert}, {5, ProgressChunk}};
    for (const auto& [part, element] : progress)
        cases.push_back({"DrawProgressBar " + std::to_string(part),
                         [o, part](T& t, C& c, const R& r) {
                             t.DrawProgressBar(0, c, {r, static_cast<std::uint8_t>(part), 0}, o);
                         },
                         element, 1});
    const std::pair<int, TMsElement> thumbs[] = {{0, TrackBarThumbVert},  {1, TrackBarThumbRight},
                                                 {2, TrackBarThumbLeft},  {3, TrackBarThumb},
                                                 {4, TrackBarThumbBottom}, {5, TrackBarThumbTop},
                                                 {6, TrackBarThumb}};
    for (const auto& [part, element] : thumbs)
        cases.push_back({"DrawTrackBarThumb " + std::to_string(part),
                         [o, part](T& t, C& c, const R& r) {
                             t.DrawTrackBarThumb(0, c, {r, static_cast<std::uint8_t>(part), 1}, o);
                         },
                         element, part < 6 ? 2 : 0});
    // A check-list item shows the check box's normal frames: checked 5, unchecked 1, mixed 9.
    const std::pair<TteListCheck, int> checks[] = {
        {TteListCheck::klcChecked, 5}, {TteListCheck::klcUnchecked, 1}, {TteListCheck::klcMixed, 9}};
    for (const auto& [check, frame] : checks)
        cases.push_back({"DrawListBoxItemCheck " + std::to_string(frame),
                         [o, check](T& t, C& c, const R& r) {
                             t.DrawListBoxItemCheck(0, c, {r, 2}, {r, 4, nullptr, check}, o);
                         },
                         ButtonCheckbox, frame});
    return cases;
}

void ExpectFrames(const std::vector<TFrameCase>& cases)
{
    auto theme = MakeFrameStyle();
    const TRect rect{4, 4, 28, 28};
    for (const TFrameCase& c : cases) {
        TThemeSurface surface(32, 32);
        c.draw(*theme, surface.Canvas(), rect);
        const TColor expected = c.frame == 0 ? kUntouched : FrameColour(c.element, c.frame);
        EXPECT_EQ(surface.At(16, 16), expected) << c.name;
        EXPECT_EQ(surface.At(2, 2), kUntouched) << c.name;
    }
}

TEST(MsStylesFrames, EachStateDrawsItsFrame) { ExpectFrames(StateCases()); }

TEST(MsStylesFrames, EachKindAndPartDrawsItsElement) { ExpectFrames(ObjectCases()); }

TEST(MsStylesFrames, RollPanelCaptionReachesOnePixelBeyondItsRectangle)
{
    auto theme = MakeFrameStyle();
    TThemeSurface surface(32, 32);
    theme->DrawRollPanelCaption(0, surface.Canvas(), {{4, 4, 28, 28}, 0}, kObject);
    EXPECT_EQ(surface.At(3, 3), FrameColour(ExplorerbarNormalGroupHead, 1));
    EXPECT_EQ(surface.At(28, 28), FrameColour(ExplorerbarNormalGroupHead, 1));
    EXPECT_EQ(surface.At(2, 2), kUntouched);
}

TEST(MsStylesFrames, RollPanelCloseButtonFallsBackToTheWindowsClose)
{
    auto theme = MakeFrameStyle({{ExplorerbarHeaderclose, QString()}});
    TThemeSurface surface(32, 32);
    theme->DrawRollPanelButton(0, surface.Canvas(), {{4, 4, 28, 28}, 3, 1}, kObject);
    EXPECT_EQ(surface.At(16, 16), FrameColour(WindowCloseButton, 2));
}

TEST(MsStylesFrames, AvailabilityFollowsTheSectionsTheStyleHolds)
{
    using T = TTeThemeMsStyles;
    // Families that need their section's keys, with the section they need.
    const std::vector<std::pair<std::function<bool(T&)>, TMsElement>> needKeys = {
        {[](T& t) { return t.IsTrackBarAvailable(0, kObject); }, TrackBar},
        {[](T& t) { return t.IsHeaderAvailable(0, kObject); }, Header},
        {[](T& t) { return t.IsStatusBarAvailable(0, kObject); }, Status},
        {[](T& t) { return t.IsEditAvailable(0, kObject); }, Edit},
        {[](T& t) { return t.IsMemoAvailable(0, kObject); }, Edit},
        {[](T& t) { return t.IsListBoxAvailable(0, kObject); }, Edit},
        {[](T& t) { return t.IsTreeAvailable(0, kObject); }, Edit},
        {[](T& t) { return t.IsGridAvailable(0, kObject); }, Edit},
        {[](T& t) { return t.IsGroupBoxAvailable(0, kObject); }, ButtonGroupbox},
        {[](T& t) { return t.IsToolBarAvailable(1, kObject); }, Rebar},
        {[](T& t) { return t.IsRollPanelAvailable(0, kObject); }, Explorerbar},
        {[](T& t) { return t.IsTabAvailable(0, kObject); }, Tab},
    };
    // Families whose objects exist whatever the style holds, and those that need nothing.
    const std::vector<std::function<bool(T&)>> always = {
        [](T& t) { return t.IsButtonAvailable(5, kObject); },   [](T& t) { return t.IsCheckBoxAvailable(0, kObject); },
        [](T& t) { return t.IsScrollBarAvailable(0, kObject); }, [](T& t) { return t.IsProgressBarAvailable(0, kObject); },
        [](T& t) { return t.IsPanelAvailable(0, kObject); },    [](T& t) { return t.IsSplitterAvailable(0, kObject); },
        [](T& t) { return t.IsBoxAvailable(0, kObject); },      [](T& t) { return t.IsMenuAvailable(1, kObject); },
        [](T& t) { return t.IsControlBarAvailable(0, kObject); }, [](T& t) { return t.IsScrollBoxAvailable(0, kObject); },
    };
    TSectionOverrides leftOut;
    for (const auto& entry : needKeys)
        leftOut[entry.second] = QString();
    for (TMsElement element : {SpinDown, ButtonCheckbox, ScrollBarArrowBtn, Progress})
        leftOut[element] = QString();
    auto full = MakeFrameStyle();
    auto bare = MakeFrameStyle(leftOut);
    for (std::size_t i = 0; i < needKeys.size(); ++i) {
        EXPECT_TRUE(needKeys[i].first(*full)) << i;
        EXPECT_FALSE(needKeys[i].first(*bare)) << i;
    }
    for (std::size_t i = 0; i < always.size(); ++i) {
        EXPECT_TRUE(always[i](*full)) << i;
        EXPECT_TRUE(always[i](*bare)) << i;
    }
}

TEST(MsStylesFrames, TransparencyComesFromTheSections)
{
    using T = TTeThemeMsStyles;
    const std::vector<std::pair<std::function<bool(T&)>, TMsElement>> queries = {
        {[](T& t) { return t.IsButtonTransparent(0, kObject); }, ButtonPushbutton},
        {[](T& t) { return t.IsGroupBoxTransparent(0, kObject); }, ButtonGroupbox},
        {[](T& t) { return t.IsRollPanelTransparent(0, kObject); }, ExplorerbarNormalGroupHead},
    };
    TSectionOverrides transparent;
    for (const auto& entry : queries)
        transparent[entry.second] = QStringLiteral("transparent=true");
    auto opaque = MakeFrameStyle();
    auto see = MakeFrameStyle(transparent);
    for (std::size_t i = 0; i < queries.size(); ++i) {
        EXPECT_FALSE(queries[i].first(*opaque)) << i;
        EXPECT_TRUE(queries[i].first(*see)) << i;
    }
    EXPECT_TRUE(opaque->IsCheckBoxTransparent(0, kObject));
    EXPECT_TRUE(opaque->IsTrackBarTransparent(0, kObject));
    EXPECT_FALSE(opaque->IsScrollBarTransparent(0, kObject));
    EXPECT_FALSE(opaque->IsMemoTransparent(0, kObject));
}

TEST(MsStylesFrames, ContentRectanglesAreInsetPerFamily)
{
    auto theme = MakeFrameStyle();
    TThemeSurface surface;
    TCanvas& c = surface.Canvas();
    const TRect r{10, 20, 50, 60};
    const auto inset = [&](int d) { return TRect{r.Left + d, r.Top + d, r.Right - d, r.Bottom - d}; };
    EXPECT_EQ(theme->GetPanelClientRect(0, r, kObject), inset(2));
    EXPECT_EQ(theme->GetStatusBarClientRect(0, r, kObject), inset(2));
    EXPECT_EQ(theme->GetEditClientRect(6, c, {r, 0}, kObject), inset(4));
    EXPECT_EQ(theme->GetMemoClientRect(0, c, r, kObject), inset(2));
    EXPECT_EQ(theme->GetBoxClientRect(0, c, r, kObject), inset(2));
    EXPECT_EQ(theme->GetMenuClientRect(1, r, kObject), inset(2));
    EXPECT_EQ(theme->GetMenuClientRect(0, r, kObject), r);
    EXPECT_EQ(theme->GetControlBarClientRect(0, r, kObject), r);
    EXPECT_EQ(theme->GetScrollBoxClientRect(0, c, r, kObject), inset(2));
    EXPECT_EQ(theme->GetRollPanelClientRect(0, c, r, kObject), r);
    EXPECT_EQ(theme->GetTabClientRect(0, r, kObject), inset(1));
}

}  // namespace
