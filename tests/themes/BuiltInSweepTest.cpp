// Every drawing operation of both built-in kinds, in every part and state, on empty, inverted,
// tiny and huge rectangles: nothing may crash or throw.
#include <gtest/gtest.h>

#include <memory>

#include "tests/themes/ThemeDrawings.h"
#include "tests/themes/ThemeFixture.h"

namespace {

TEST(BuiltInSweepTest, EveryDrawingInEveryPartAndStateOnAwkwardRectangles)
{
    for (TKind kind : {TKind::Flat, TKind::OfficeXP}) {
        std::unique_ptr<TteTheme> theme = MakeTheme(kind);
        TThemeSurface surface(64, 64);
        SweepDrawings(*theme, surface.Canvas(), {0, 3});
    }
}

} // namespace
