// Every drawing operation of both built-in kinds, in every part and state, on empty, inverted,
// tiny and huge rectangles: nothing may crash or throw.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "tests/themes/ThemeDrawings.h"
#include "tests/themes/ThemeFixture.h"

namespace {

TEST(BuiltInSweepTest, EveryDrawingInEveryPartAndStateOnAwkwardRectangles)
{
    TteBitmap picture;
    picture.SetSize(5, 4);
    picture.Fill(0x80FF0000);
    picture.SetAlphaBlend(true);
    const TRect small[] = {{0, 0, 0, 0}, {10, 10, 5, 5}, {3, 3, 4, 4}, {-5, -5, 2, 2}, {60, 60, 70, 70}};
    const TRect huge[] = {{-30000, -30000, 30000, 30000}, {0, 0, 40000, 12}, {0, 0, 12, 40000}};
    const auto drawings = Drawings(picture);
    for (TKind kind : {TKind::Flat, TKind::OfficeXP}) {
        std::unique_ptr<TteTheme> theme = MakeTheme(kind);
        TThemeSurface surface(64, 64);
        TCanvas& canvas = surface.Canvas();
        for (const auto& [name, draw] : drawings) {
            for (std::uint8_t a = 0; a <= 15; ++a)
                for (std::uint8_t b = 0; b <= 14; ++b)
                    for (const TRect& r : small)
                        ASSERT_NO_THROW(draw(*theme, canvas, r, a, b)) << name << " " << int(a) << "/" << int(b);
            // Huge rectangles in a few parts and states: fills are clipped, glyphs too big are left out.
            for (std::uint8_t ab : {0, 3})
                for (const TRect& r : huge)
                    ASSERT_NO_THROW(draw(*theme, canvas, r, ab, ab)) << name << " huge " << int(ab);
        }
    }
}

} // namespace
