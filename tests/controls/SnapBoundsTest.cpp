// Gravitation: snapping to each edge and corner of the work area within and beyond the distance,
// by the visible rectangle of a window with a shadow, and to other framed windows.
#include <gtest/gtest.h>

#include "controls/frame/SnapBounds.h"

namespace {

TRect At(int left, int top, int width = 200, int height = 100)
{
    return {left, top, left + width, top + height};
}

// Gravitation of the given distance, on, snapping to the desktop.
struct Gravitation : TTeGravitation {
    explicit Gravitation(int size = 20) { SetSize(size); }
};

}  // namespace

TEST(SnapBounds, TheWorkAreaPullsWithinTheDistanceOnly)
{
    const TRect area{0, 0, 1024, 738};
    const struct {
        TRect proposed;
        TRect snapped;
    } cases[] = {
        {At(19, 300), At(0, 300)},            // left, within
        {At(20, 300), At(20, 300)},           // left, at the distance: strict
        {At(-19, 300), At(0, 300)},           // left, beyond the edge
        {At(1024 - 200 - 19, 300), At(824, 300)},  // right
        {At(1024 - 200 - 20, 300), At(804, 300)},
        {At(400, 5), At(400, 0)},             // top
        {At(400, 738 - 100 - 12), At(400, 638)},   // bottom
        {At(400, 738 - 100 + 15), At(400, 638)},   // bottom, hanging over
        {At(10, 10), At(0, 0)},               // top-left corner
        {At(1024 - 200 - 3, 738 - 100 + 3), At(824, 638)},  // bottom-right corner
        {At(-5, 738 - 100 - 19), At(0, 638)},     // bottom-left corner
        {At(830, -7), At(824, 0)},            // top-right corner
        {At(400, 300), At(400, 300)},         // the middle
    };
    for (const auto& c : cases)
        EXPECT_EQ(SnapBounds(c.proposed, Gravitation(), {area, c.proposed, {}, 0}), c.snapped)
            << c.proposed.Left << "," << c.proposed.Top;
}

TEST(SnapBounds, OffOrSmallerDistancesLeaveTheWindowWhereItIs)
{
    const TRect area{0, 0, 1024, 738};
    Gravitation off;
    off.SetEnabled(false);
    EXPECT_EQ(SnapBounds(At(5, 5), off, {area, {}, {}, 0}), At(5, 5));
    EXPECT_EQ(SnapBounds(At(5, 5), Gravitation(5), {area, {}, {}, 0}), At(5, 5));
    EXPECT_EQ(SnapBounds(At(4, 4), Gravitation(5), {area, {}, {}, 0}), At(0, 0));
    Gravitation notDesktop;
    notDesktop.SetSnapToDesktop(false);
    EXPECT_EQ(SnapBounds(At(5, 5), notDesktop, {area, {}, {}, 0}), At(5, 5));
}

TEST(SnapBounds, AShadowedWindowSnapsByItsVisibleEdges)
{
    const TRect area{0, 0, 1024, 738};
    // 204 x 104 with a shadow of 4: the visible window's right edge is 4 short of the rectangle's.
    const TRect proposed = At(1024 - 200 - 10, 738 - 100 - 10, 204, 104);
    EXPECT_EQ(SnapBounds(proposed, Gravitation(), {area, proposed, {}, 4}), At(824, 638, 204, 104));
}

TEST(SnapBounds, OtherFramedWindowsPullTheirNeighbours)
{
    Gravitation gravitation;
    gravitation.SetSnapToDesktop(false);
    gravitation.SetSnapToForms(true);
    const TRect other = At(500, 300);
    const struct {
        TRect proposed;
        TRect snapped;
    } cases[] = {
        {At(710, 310), At(700, 300)},  // beside its right edge, tops aligned
        {At(290, 290), At(300, 300)},  // beside its left edge
        {At(505, 415), At(500, 400)},  // below it, lefts aligned
        {At(520, 185), At(520, 200)},  // above it, the lefts too far apart
        {At(900, 600), At(900, 600)},  // far away
    };
    for (const auto& c : cases)
        EXPECT_EQ(SnapBounds(c.proposed, gravitation, {{0, 0, 1024, 738}, c.proposed, {other}, 0}), c.snapped)
            << c.proposed.Left << "," << c.proposed.Top;
}
