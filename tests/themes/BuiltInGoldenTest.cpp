// A representative strip of each built-in kind against its golden picture: buttons, check and radio
// boxes, scroll parts, a popup menu with its gutter, a selected tab on its pane, a combo box.
#include <gtest/gtest.h>

#include "tests/support/GoldenImage.h"
#include "tests/themes/ThemeFixture.h"

namespace {

void DrawStrip(TteTheme& t, TCanvas& c)
{
    const QString& o = kObject;
    for (std::uint8_t state = 0; state <= 2; ++state)
        t.DrawButton(0, c, {{4 + state * 34, 4, 36 + state * 34, 24}, state}, o);
    t.DrawCheckBox(0, c, {{108, 8, 121, 21}, 0}, o);
    t.DrawCheckBox(0, c, {{126, 8, 139, 21}, 11}, o);
    t.DrawCheckBox(1, c, {{144, 8, 157, 21}, 1}, o);
    t.DrawScrollBarPart(0, c, {{162, 4, 179, 21}, 0, 2}, o);
    t.DrawScrollBarTrack(0, c, {{162, 21, 179, 40}, 0, 0}, o);
    t.DrawScrollBarPart(0, c, {{162, 40, 179, 57}, 1, 1}, o);

    const TRect popup{184, 4, 264, 58};
    t.DrawMenu(1, c, popup, o);
    t.DrawMenuItem(1, c, {{186, 6, 262, 24}, 0, 1}, o);
    t.DrawMenuItemGlyph(1, c, {{186, 6, 262, 24}, 0, 1}, {{186, 6, 206, 24}, nullptr, 4, TteGlyphKind::kgkCheck}, o);
    t.DrawMenuItem(1, c, {{186, 24, 262, 39}, 1, 0}, o);
    t.DrawMenuItem(1, c, {{186, 39, 262, 56}, 0, 0}, o);
    t.DrawMenuItemGlyph(1, c, {{186, 39, 262, 56}, 0, 0}, {{240, 39, 260, 56}, nullptr, 4, TteGlyphKind::kgkSubMenuArrow}, o);

    t.DrawTabPane(0, c, {4, 40, 100, 58}, o);
    t.DrawTab(0, c, {{6, 28, 40, 41}, 1, 3}, o);
    t.DrawTab(0, c, {{40, 30, 74, 41}, 0, 1}, o);
    t.DrawEdit(6, c, {{104, 30, 158, 50}, 2}, o);
    t.DrawEditButton(6, c, {{141, 32, 156, 48}, 1, 0}, o);
}

TEST(BuiltInGoldenTest, RepresentativeStripOfEachKind)
{
    struct Case {
        TKind Kind;
        const char* Golden;
    } const cases[] = {{TKind::Flat, "themes/golden/flat_strip.png"}, {TKind::OfficeXP, "themes/golden/officexp_strip.png"}};
    for (const Case& c : cases) {
        std::unique_ptr<TteTheme> theme = MakeTheme(c.Kind);
        TThemeSurface surface(268, 62);
        surface.bitmap.Fill(0xFFF4F4F4);
        DrawStrip(*theme, surface.Canvas());
        EXPECT_TRUE(MatchesGolden(surface.bitmap.ToImage(), QString::fromLatin1(c.Golden)));
    }
}

} // namespace
