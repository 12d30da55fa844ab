// The vector kernels must give exactly what the scalar reference gives.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "graphics/RowKernels.h"

namespace {

std::vector<const TRowKernels*> VectorKernels()
{
    std::vector<const TRowKernels*> kernels;
    for (const TRowKernels* k : {Sse2RowKernels(), Avx2RowKernels()})
        if (k != nullptr)
            kernels.push_back(k);
    return kernels;
}

// Bytes biased to the values the rules treat specially: 0, 255 and the key colour.
TArrayOfteColor RandomRow(std::mt19937& random, std::size_t count)
{
    auto byte = [&]() -> TteColor {
        switch (random() % 4) {
        case 0:
            return 0x00;
        case 1:
            return 0xFF;
        default:
            return random() & 0xFF;
        }
    };
    TArrayOfteColor row(count);
    for (TteColor& p : row) {
        p = (byte() << 24) | (byte() << 16) | (byte() << 8) | byte();
        if (random() % 6 == 0)
            p = (p & 0xFF000000u) | TransparentKey;
    }
    return row;
}

struct RuleCase {
    const char* name;
    TRowCopyProc TRowKernels::*rule;
};

const RuleCase kRules[] = {
    {"copy", &TRowKernels::Copy},
    {"key copy", &TRowKernels::KeyCopy},
    {"blend", &TRowKernels::Blend},
};

TEST(RowKernelsTest, VectorKernelsMatchTheReferenceOnRandomRows)
{
    std::mt19937 random(20261210);
    const TRowKernels& reference = ScalarRowKernels();
    for (const TRowKernels* kernels : VectorKernels()) {
        for (const RuleCase& rule : kRules) {
            for (int trial = 0; trial < 300; ++trial) {
                const std::size_t count = random() % 70;  // odd widths and the tails after each step
                const std::size_t offset = random() % 3;  // unaligned starts
                const TArrayOfteColor source = RandomRow(random, count + offset);
                const TArrayOfteColor destination = RandomRow(random, count + offset);
                TArrayOfteColor expected = destination, actual = destination;
                (reference.*rule.rule)(source.data() + offset, expected.data() + offset, count);
                (kernels->*rule.rule)(source.data() + offset, actual.data() + offset, count);
                ASSERT_EQ(actual, expected) << kernels->Name << " " << rule.name << " width " << count;
            }
        }
    }
}

// Keying a skin's pictures: colours near magenta and near the key's colour, at the edges of "near".
TEST(RowKernelsTest, KeyNearKeysTheSameColoursInEveryKernelAndTellsWhatItFound)
{
    const struct {
        TteColor Pixel;
        bool Keyed;
    } cases[] = {
        {0xFFFF00FF, true},  {0xFFFA05FA, true},  {0xFFF900FF, false}, {0xFFFF06FF, false},
        {0x807F007F, true},  {0xFF7A0584, true},  {0xFF790084, false}, {0xFF7F0085, false},
        {0x007F007F, true},  {0xFF102030, false}, {0x40FF00FF, true},
    };
    std::vector<const TRowKernels*> all = VectorKernels();
    all.push_back(&ScalarRowKernels());
    for (const TRowKernels* kernels : all)
        for (const auto& c : cases) {
            // Long enough for the vector steps, with the pixel in the tail too.
            TArrayOfteColor row(9, 0xFF000000u);
            row[2] = row[8] = c.Pixel;
            const unsigned found = kernels->KeyNear(row.data(), row.size());
            const TteColor expected = c.Keyed ? TransparentKey : c.Pixel;
            EXPECT_EQ(row[2], expected) << kernels->Name << " " << std::hex << c.Pixel;
            EXPECT_EQ(row[8], expected) << kernels->Name << " " << std::hex << c.Pixel;
            const int alpha = AlphaOf(expected);
            EXPECT_EQ(found, (c.Keyed ? kRowKeyed : 0u) | (alpha != 0 && alpha != 255 ? kRowBlended : 0u))
                << kernels->Name << " " << std::hex << c.Pixel;
        }

    std::mt19937 random(20261211);
    for (const TRowKernels* kernels : VectorKernels())
        for (int trial = 0; trial < 300; ++trial) {
            TArrayOfteColor row = RandomRow(random, random() % 70);
            for (TteColor& p : row)
                if (random() % 3 == 0)
                    p = (p & 0xFF000000u) | ((random() % 2 ? 0xFF00FFu : 0x7F007Fu) ^ (random() & 0x070707u));
            TArrayOfteColor expected = row;
            const unsigned reference = ScalarRowKernels().KeyNear(expected.data(), expected.size());
            ASSERT_EQ(kernels->KeyNear(row.data(), row.size()), reference) << kernels->Name;
            ASSERT_EQ(row, expected) << kernels->Name;
        }
}

// The blend table: every alpha against every bottom byte, through every kernel's row rule.
TEST(RowKernelsTest, EveryKernelBlendsAllAlphaAndByteCombinations)
{
    std::vector<const TRowKernels*> all = VectorKernels();
    all.push_back(&ScalarRowKernels());
    TArrayOfteColor top(256 * 256), bottom(256 * 256), expected(256 * 256);
    for (unsigned a = 0; a < 256; ++a) {
        for (unsigned b = 0; b < 256; ++b) {
            const std::size_t i = a * 256 + b;
            const unsigned t = (a * 7 + b * 13) & 0xFF;
            top[i] = (a << 24) | (t << 16) | (b << 8) | (255 - t);
            bottom[i] = (b << 24) | ((255 - b) << 16) | (t << 8) | b;
            expected[i] = a == 0 ? bottom[i] : a == 255 ? top[i] : BlendPixel(top[i], bottom[i]);
        }
    }
    for (const TRowKernels* kernels : all) {
        TArrayOfteColor actual = bottom;
        kernels->Blend(top.data(), actual.data(), actual.size());
        EXPECT_EQ(actual, expected) << kernels->Name;
    }
}

TEST(RowKernelsTest, CopyHandlesOverlapBothWays)
{
    std::vector<const TRowKernels*> all = VectorKernels();
    all.push_back(&ScalarRowKernels());
    for (const TRowKernels* kernels : all) {
        for (int shift : {-5, -1, 1, 3, 17}) {
            TArrayOfteColor row(80);
            for (std::size_t i = 0; i < row.size(); ++i)
                row[i] = static_cast<TteColor>(i);
            TArrayOfteColor expected = row;
            const std::size_t from = 20, count = 41;
            for (std::size_t i = 0; i < count; ++i)
                expected[from + shift + i] = static_cast<TteColor>(from + i);
            kernels->Copy(row.data() + from, row.data() + from + shift, count);
            EXPECT_EQ(row, expected) << kernels->Name << " shift " << shift;
        }
    }
}

TEST(RowKernelsTest, KeyRulesLookAtTheLow24BitsOnly)
{
    const TArrayOfteColor source{0x007F007Fu, 0xFF7F007Fu, 0x12345678u, 0x007F007Eu};
    TArrayOfteColor destination(4, 0xAAAAAAAAu);
    ScalarRowKernels().KeyCopy(source.data(), destination.data(), 4);
    EXPECT_EQ(destination, (TArrayOfteColor{0xAAAAAAAAu, 0xAAAAAAAAu, 0xFF345678u, 0xFF7F007Eu}));

    TArrayOfteColor row{0xFF7F007Fu, 0x807F007Fu, 0xFF7F0080u};
    RowKernels().ClearKeyAlpha(row.data(), row.size(), 0xFF7F007Fu);
    EXPECT_EQ(row, (TArrayOfteColor{0x007F007Fu, 0x007F007Fu, 0xFF7F0080u}));
}

TEST(RowKernelsTest, ScalarSwitchPicksTheReference)
{
    const bool forced = qEnvironmentVariableIntValue("TRACKWELL_SCALAR") == 1;
    if (forced)
        EXPECT_EQ(&RowKernels(), &ScalarRowKernels());
    else if (Avx2RowKernels() != nullptr)
        EXPECT_EQ(&RowKernels(), Avx2RowKernels());
    else
        EXPECT_EQ(&RowKernels(), Sse2RowKernels());
}

}  // namespace
