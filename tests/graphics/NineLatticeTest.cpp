// The nine-part lattice: where its cells lie, which cells keep a sliver, and how a picture is drawn
// through it.
#include <gtest/gtest.h>

#include "graphics/Bitmap.h"
#include "graphics/NineLattice.h"
#include "tests/graphics/TestBitmaps.h"

namespace {

using enum TteLatticeCell;

TEST(NineLatticeTest, CutsCornersOfTheMarginsSizeAndEdgesAndCentreBetween)
{
    // Whole 10..40 × 20..50 with side widths left 2, top 3, right 4, bottom 5.
    const TteNineLattice lattice({10, 20, 40, 50}, {2, 3, 4, 5});
    const struct {
        TteLatticeCell cell;
        TRect expected;
    } cases[] = {
        {klcCentre, {12, 23, 36, 45}},   {klcTop, {12, 20, 36, 23}},     {klcBottom, {12, 45, 36, 50}},
        {klcLeft, {10, 23, 12, 45}},     {klcRight, {36, 23, 40, 45}},   {klcTopLeft, {10, 20, 12, 23}},
        {klcTopRight, {36, 20, 40, 23}}, {klcBottomLeft, {10, 45, 12, 50}}, {klcBottomRight, {36, 45, 40, 50}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lattice.Cell(c.cell), c.expected) << static_cast<int>(c.cell);
}

TEST(NineLatticeTest, SliversKeepOnePixelOfEdgesAndCentreButNotOfCorners)
{
    // Exactly as wide and as high as the margins: the centre and edges have no area.
    const TRect whole{0, 0, 4, 4};
    const TRect margins{2, 2, 2, 2};
    const TteNineLattice plain(whole, margins);
    const TteNineLattice slivers = TteNineLattice::KeepingSlivers(whole, margins);
    EXPECT_TRUE(plain.Cell(klcCentre).IsEmpty());
    EXPECT_EQ(slivers.Cell(klcCentre), (TRect{2, 2, 3, 3}));
    EXPECT_EQ(slivers.Cell(klcTop), (TRect{2, 0, 3, 2}));
    EXPECT_EQ(slivers.Cell(klcLeft), (TRect{0, 2, 2, 3}));
    // A sliver at the far side takes the row or column before it.
    EXPECT_EQ(TteNineLattice::KeepingSlivers(whole, {2, 2, 2, 2}).Cell(klcRight), (TRect{2, 2, 4, 3}));
    EXPECT_EQ(TteNineLattice::KeepingSlivers({0, 0, 4, 4}, {4, 0, 0, 0}).Cell(klcCentre), (TRect{3, 0, 4, 4}));
    for (TteLatticeCell corner : {klcTopLeft, klcTopRight, klcBottomLeft, klcBottomRight})
        EXPECT_EQ(slivers.Cell(corner), plain.Cell(corner));
}

class NineLatticeDrawTest : public testing::Test {
protected:
    void SetUp() override
    {
        // A 4 × 3 picture cut by one-pixel margins: corners 1-4, edges T B L R, a two-pixel centre a b.
        Make(picture, {{C1, T, T, C2}, {L, a, b, R}, {C3, B, B, C4}});
        target.SetSize(8, 4);
        target.Fill(Z);
    }
    void Draw(TteLatticeFills fills, TRect dest = {0, 0, 8, 4})
    {
        DrawNineLattice(target.Canvas(), picture, TteNineLattice(dest, kMargins),
                        TteNineLattice(picture.BoundsRect(), kMargins), fills);
    }
    static constexpr TRect kMargins{1, 1, 1, 1};
    static constexpr TteColor C1 = 0xFF000001u, C2 = 0xFF000002u, C3 = 0xFF000003u, C4 = 0xFF000004u;
    static constexpr TteColor T = 0xFF0000A0u, B = 0xFF0000B0u, L = 0xFF0000C0u, R = 0xFF0000D0u;
    static constexpr TteColor a = 0xFF00AA00u, b = 0xFF00BB00u, Z = 0xFF000000u;
    TteBitmap picture;
    TteBitmap target;
};

TEST_F(NineLatticeDrawTest, StretchesEdgesAndCentreAndKeepsCornersWhole)
{
    Draw({TteCellFill::kcfStretch, TteCellFill::kcfStretch});
    // The stretch keeps both ends of the centre: its last column lands on the last pixel only.
    EXPECT_EQ(Row(target, 0), (std::vector<TteColor>{C1, T, T, T, T, T, T, C2}));
    EXPECT_EQ(Row(target, 1), (std::vector<TteColor>{L, a, a, a, a, a, b, R}));
    EXPECT_EQ(Row(target, 2), (std::vector<TteColor>{L, a, a, a, a, a, b, R}));
    EXPECT_EQ(Row(target, 3), (std::vector<TteColor>{C3, B, B, B, B, B, B, C4}));
}

TEST_F(NineLatticeDrawTest, TilesOrCopiesTheCentreOneToOne)
{
    Draw({TteCellFill::kcfTile, TteCellFill::kcfStretch});
    EXPECT_EQ(Row(target, 1), (std::vector<TteColor>{L, a, b, a, b, a, b, R}));
    target.Fill(Z);
    Draw({TteCellFill::kcfOneToOne, TteCellFill::kcfStretch});
    EXPECT_EQ(Row(target, 1), (std::vector<TteColor>{L, a, b, Z, Z, Z, Z, R}));
    EXPECT_EQ(Row(target, 2), (std::vector<TteColor>{L, Z, Z, Z, Z, Z, Z, R}));
}

TEST_F(NineLatticeDrawTest, CornersGoOverWhatALatticeSmallerThanItsMarginsOverlaps)
{
    // One pixel: edges and centre turn inside out and show nothing, and all four corners land on
    // it; the bottom-right one is drawn last.
    Draw({TteCellFill::kcfStretch, TteCellFill::kcfStretch}, {2, 0, 3, 1});
    EXPECT_EQ(Row(target, 0), (std::vector<TteColor>{Z, Z, C4, Z, Z, Z, Z, Z}));
    EXPECT_EQ(Row(target, 1), (std::vector<TteColor>(8, Z)));
}

TEST_F(NineLatticeDrawTest, LeavesOutTheCellsTheCallerTurnsDown)
{
    std::vector<TteLatticeCell> asked;
    DrawNineLattice(target.Canvas(), picture, TteNineLattice({0, 0, 8, 4}, kMargins),
                    TteNineLattice(picture.BoundsRect(), kMargins), {TteCellFill::kcfStretch, TteCellFill::kcfStretch},
                    [&](TteLatticeCell cell, const TRect&) {
                        asked.push_back(cell);
                        return !TteNineLattice::IsCorner(cell);
                    });
    EXPECT_EQ(asked, (std::vector<TteLatticeCell>{klcCentre, klcTop, klcBottom, klcLeft, klcRight, klcTopLeft,
                                                  klcTopRight, klcBottomLeft, klcBottomRight}));
    EXPECT_EQ(Row(target, 0), (std::vector<TteColor>{Z, T, T, T, T, T, T, Z}));
}

}  // namespace
