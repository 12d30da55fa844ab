// Reading the interface's bytes back as names: the tables theme kinds keep per family, and the row
// and column of a check state.
#include <gtest/gtest.h>

#include "theme/ThemeParts.h"

namespace {

TEST(ThemePartsTest, TablesReadTheirFallbackForUnlistedNamesAndBytesPastTheirEnd)
{
    using enum TteScrollBarState;
    constexpr TteEnumTable<TteScrollBarState, int> frames{-1, {{ksbsNormal, 1}, {ksbsPressed, 3}, {ksbsDisabled, 4}}};
    const struct {
        std::uint8_t byte;
        int expected;
    } cases[] = {{0, 1}, {1, 3}, {2, -1}, {3, 4}, {4, -1}, {15, -1}, {16, -1}, {255, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(frames[ThemeEnum<TteScrollBarState>(c.byte)], c.expected) << int(c.byte);
    static_assert(frames[ksbsPressed] == 3, "a table is read at compile time too");
}

TEST(ThemePartsTest, ACheckStateIsARowOfFiveColumns)
{
    using enum TteCheckRow;
    using enum TteCheckColumn;
    const struct {
        std::uint8_t byte;
        TteCheckRow row;
        TteCheckColumn column;
    } cases[] = {
        {0, kcrChecked, kccNormal},        {3, kcrChecked, kccDisabled},     {4, kcrChecked, kccNotProduced},
        {5, kcrUnchecked, kccNormal},      {7, kcrUnchecked, kccPressed},    {9, kcrUnchecked, kccNotProduced},
        {11, kcrMixed, kccHot},            {14, kcrMixed, kccNotProduced},   {16, TteCheckRow{3}, kccHot},
    };
    for (const auto& c : cases) {
        const auto state = ThemeEnum<TteCheckState>(c.byte);
        EXPECT_EQ(CheckRowOf(state), c.row) << int(c.byte);
        EXPECT_EQ(CheckColumnOf(state), c.column) << int(c.byte);
    }
    // The names the controls write agree with their rows and columns.
    EXPECT_EQ(CheckColumnOf(TteCheckState::kcsMixedDisabled), kccDisabled);
    EXPECT_EQ(CheckRowOf(TteCheckState::kcsUncheckedHot), kcrUnchecked);
}

}  // namespace
