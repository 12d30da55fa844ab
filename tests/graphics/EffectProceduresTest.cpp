// The mask and cell procedures as pure functions of (grid size, percent), on small grids.
#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <vector>

#include "graphics/EffectCatalogue.h"

namespace {

constexpr std::uint8_t kGuard = 0xA5;
constexpr int kGuardCells = 16;

// A grid with guard cells before and after it, so a write outside the grid shows.
template <typename Cell>
struct TGuardedGrid {
    TGuardedGrid(int w, int h, Cell fill, Cell guard)
        : width(w), height(h), cells(static_cast<std::size_t>(w * h + 2 * kGuardCells), guard)
    {
        std::fill(begin(), end(), fill);
    }
    Cell* begin() { return cells.data() + kGuardCells; }
    Cell* end() { return begin() + width * height; }
    Cell& At(int x, int y) { return begin()[y * width + x]; }
    bool GuardsIntact(Cell guard) const
    {
        const auto intact = [&](auto first) { return std::all_of(first, first + kGuardCells, [&](const Cell& c) { return c == guard; }); };
        return intact(cells.begin()) && intact(cells.end() - kGuardCells);
    }
    int width, height;
    std::vector<Cell> cells;
};

using TMaskGrid = TGuardedGrid<std::uint8_t>;

std::vector<std::uint8_t> Mask(TteMaskProc proc, int w, int h, int p)
{
    TMaskGrid grid(w, h, 0, kGuard);
    proc(grid.begin(), w, h, p);
    return {grid.begin(), grid.end()};
}

TteMaskProc MaskNamed(const char* name)
{
    for (const auto& effect : MaskEffects())
        if (QLatin1String(effect.Name) == QLatin1String(name))
            return effect.Procedure;
    ADD_FAILURE() << "no mask effect " << name;
    return nullptr;
}

// Sizes from 1 × 1 up, square, flat and tall, odd and even.
const std::vector<std::pair<int, int>>& Sizes()
{
    static const std::vector<std::pair<int, int>> sizes = [] {
        std::vector<std::pair<int, int>> all;
        for (int w = 1; w <= 6; ++w)
            for (int h = 1; h <= 6; ++h)
                all.emplace_back(w, h);
        for (auto size : {std::pair{17, 3}, {3, 17}, {40, 25}, {64, 1}, {1, 64}})
            all.push_back(size);
        return all;
    }();
    return sizes;
}

std::size_t Count(const std::vector<std::uint8_t>& mask, std::uint8_t v)
{
    return static_cast<std::size_t>(std::count(mask.begin(), mask.end(), v));
}

}  // namespace

TEST(MaskProcedures, LeaveTheGridAloneAt0CoverItAt100AndNeverWriteOutside)
{
    ASSERT_EQ(MaskEffects().size(), 54u);
    for (const auto& effect : MaskEffects())
        for (const auto& [w, h] : Sizes()) {
            SCOPED_TRACE(testing::Message() << effect.Name << " " << w << "x" << h);
            TMaskGrid untouched(w, h, 0x3C, kGuard);
            effect.Procedure(untouched.begin(), w, h, 0);
            EXPECT_TRUE(std::all_of(untouched.begin(), untouched.end(), [](std::uint8_t v) { return v == 0x3C; }));
            EXPECT_TRUE(untouched.GuardsIntact(kGuard));

            for (int p = 1; p <= 100; ++p) {
                TMaskGrid grid(w, h, 0, kGuard);
                effect.Procedure(grid.begin(), w, h, p);
                ASSERT_TRUE(grid.GuardsIntact(kGuard)) << "at " << p << "%";
                if (p == 100) {
                    EXPECT_TRUE(std::all_of(grid.begin(), grid.end(), [](std::uint8_t v) { return v == 255; }));
                }
            }
        }
}

TEST(MaskProcedures, AreFunctionsOfSizeAndPercentOnly)
{
    for (const auto& effect : MaskEffects())
        for (int p : {7, 50, 93})
            EXPECT_EQ(Mask(effect.Procedure, 23, 9, p), Mask(effect.Procedure, 23, 9, p)) << effect.Name << " " << p;
}

// The cells a hard-edged mask covers only grow as the percent rises.
TEST(MaskProcedures, SlideMasksOnlyEverCoverMoreCells)
{
    for (const auto& effect : MaskEffects()) {
        const QString name = QLatin1String(effect.Name);
        if (!name.contains(QLatin1String("Slide")) && name != QLatin1String("Pixel") && name != QLatin1String("Stream"))
            continue;
        std::vector<std::uint8_t> before = Mask(effect.Procedure, 21, 13, 0);
        for (int p = 1; p <= 100; ++p) {
            const std::vector<std::uint8_t> now = Mask(effect.Procedure, 21, 13, p);
            for (std::size_t i = 0; i < now.size(); ++i)
                ASSERT_TRUE(before[i] == 0 || now[i] == 255) << effect.Name << " cell " << i << " at " << p << "%";
            before = now;
        }
    }
}

TEST(MaskProcedures, FadeIsOneValueEverywhere)
{
    const std::vector<std::uint8_t> mask = Mask(MaskNamed("Fade"), 7, 5, 50);
    EXPECT_TRUE(std::all_of(mask.begin(), mask.end(), [](std::uint8_t v) { return v == 128; }));
    EXPECT_EQ(Mask(MaskNamed("Fade"), 1, 1, 5)[0], 13);  // round(12.75)
}

TEST(MaskProcedures, RowShapesCoverTheRowsTheirRuleNames)
{
    // Rows covered, top to bottom, on a grid of 11 rows.
    const struct {
        const char* name;
        int percent;
        std::vector<int> rows;
    } cases[] = {
        {"SlideDown", 50, {0, 1, 2, 3, 4, 5}},
        {"SlideDown", 1, {0}},
        {"SlideIn", 40, {0, 1, 2, 8, 9, 10}},  // k = MulDiv(40, 5, 100) = 2
        {"SlideOut", 40, {3, 4, 5, 6, 7}},     // rows 5 ± 0 … 2
        {"FadeDown", 50, {0, 1, 2, 3, 4, 5}},
    };
    for (const auto& c : cases) {
        const std::vector<std::uint8_t> mask = Mask(MaskNamed(c.name), 4, 11, c.percent);
        std::vector<int> covered;
        for (int y = 0; y < 11; ++y)
            if (mask[y * 4] != 0) {
                covered.push_back(y);
                EXPECT_TRUE(std::all_of(mask.begin() + y * 4, mask.begin() + y * 4 + 4, [&](std::uint8_t v) { return v == mask[y * 4]; }));
            }
        EXPECT_EQ(covered, c.rows) << c.name << " " << c.percent;
    }
    EXPECT_EQ(Mask(MaskNamed("FadeDown"), 4, 11, 50)[0], 128);
}

TEST(MaskProcedures, SmoothFrontIsARampFromOpaqueToClear)
{
    // SmoothDown at 50 % on 10 rows: n = MulDiv(15, 50, 100) = 8 strokes, values falling from 255.
    const std::vector<std::uint8_t> mask = Mask(MaskNamed("SmoothDown"), 1, 10, 50);
    EXPECT_EQ(mask[0], 255);
    for (int y = 1; y <= 8; ++y)
        EXPECT_LE(mask[y], mask[y - 1]) << y;
    EXPECT_EQ(mask[8], 0);
    EXPECT_EQ(mask[9], 0);
}

TEST(MaskProcedures, CentredShapesStartInTheMiddleAndTheirInVariantsAtTheEdges)
{
    for (const char* name : {"SlideCrossOut", "SlideRectOut", "CircleSlideOut", "DiamondSlideOut"}) {
        const std::vector<std::uint8_t> mask = Mask(MaskNamed(name), 9, 9, 10);
        EXPECT_EQ(mask[4 * 9 + 4], 255) << name;
        EXPECT_EQ(mask[0], 0) << name;
    }
    for (const char* name : {"SlideCrossIn", "SlideRectIn", "CircleSlideIn", "DiamondSlideIn"}) {
        const std::vector<std::uint8_t> mask = Mask(MaskNamed(name), 9, 9, 30);
        EXPECT_EQ(mask[4 * 9 + 4], 0) << name;
        EXPECT_EQ(mask[0], 255) << name;
    }
    // Quarter circles grow from the bottom-left corner, the rotating line from the bottom edge.
    for (const char* name : {"CircleSlide", "RotateSlide"}) {
        const std::vector<std::uint8_t> mask = Mask(MaskNamed(name), 9, 9, 10);
        EXPECT_EQ(mask[8 * 9 + 0], 255) << name;
        EXPECT_EQ(mask[0 * 9 + 8], 0) << name;
    }
}

TEST(MaskProcedures, PixelCoversTheSameCellsAtTheSamePercent)
{
    const TteMaskProc pixel = MaskNamed("Pixel");
    const std::vector<std::uint8_t> first = Mask(pixel, 13, 7, 40);
    EXPECT_EQ(first, Mask(pixel, 13, 7, 40));
    EXPECT_EQ(Count(first, 255), 36u);  // round(91 × 0.4)
    const std::vector<std::uint8_t> fade = Mask(MaskNamed("Pixel fade"), 13, 7, 40);
    EXPECT_EQ(Count(fade, 102), 36u);  // round(0.4 × 255)
}

TEST(CellProcedures, NeverWriteOutsideAndShowEveryCellInPlaceAt100)
{
    ASSERT_EQ(CellEffects().size(), 2u);
    const TteCellRecord guard{0xBEEF, 0x1234, 0x4321};
    const auto same = [](const TteCellRecord& a, const TteCellRecord& b) {
        return a.Alpha == b.Alpha && a.Column == b.Column && a.Row == b.Row;
    };
    for (const auto& effect : CellEffects())
        for (const auto& [w, h] : Sizes())
            for (int p = 0; p <= 100; ++p) {
                TGuardedGrid<TteCellRecord> grid(w, h, TteCellRecord{}, guard);
                effect.Procedure(grid.begin(), w, h, p);
                const bool guardsIntact = std::all_of(grid.cells.begin(), grid.cells.begin() + kGuardCells, [&](auto& c) { return same(c, guard); }) &&
                                          std::all_of(grid.cells.end() - kGuardCells, grid.cells.end(), [&](auto& c) { return same(c, guard); });
                ASSERT_TRUE(guardsIntact) << effect.Name << " " << w << "x" << h << " at " << p;
                if (p != 100)
                    continue;
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x)
                        ASSERT_TRUE(same(grid.At(x, y), TteCellRecord{255, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)}))
                            << effect.Name << " " << w << "x" << h << " cell " << x << "," << y;
            }
}

TEST(CellProcedures, InterlaceSlidesAlternateRowsFromOppositeSides)
{
    TGuardedGrid<TteCellRecord> grid(10, 2, TteCellRecord{}, TteCellRecord{});
    CellEffects()[0].Procedure(grid.begin(), 10, 2, 70);  // d = 3
    EXPECT_EQ(grid.At(0, 0).Column, 3);   // even rows take from the right
    EXPECT_EQ(grid.At(5, 1).Column, 2);   // odd rows from the left
    EXPECT_EQ(grid.At(5, 1).Row, 1);
}

TEST(CellProcedures, CornerShowsTheBottomRightOfThePictureAtTheTopLeft)
{
    TGuardedGrid<TteCellRecord> grid(5, 5, TteCellRecord{}, TteCellRecord{});
    CellEffects()[1].Procedure(grid.begin(), 5, 5, 50);  // c = r = 2
    EXPECT_EQ(grid.At(0, 0).Column, 2);
    EXPECT_EQ(grid.At(2, 2).Column, 4);
    EXPECT_EQ(grid.At(2, 2).Row, 4);
    EXPECT_EQ(grid.At(3, 0).Alpha, 0);
    EXPECT_EQ(grid.At(0, 3).Alpha, 0);
}
