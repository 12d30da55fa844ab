// Every drawing operation of the visual-style theme, in every part and state, on awkward rectangles
// and with awkward styles: nothing may crash or throw.
#include <gtest/gtest.h>

#include "tests/themes/MsStylesFixture.h"
#include "tests/themes/ThemeDrawings.h"
#include "tests/themes/ThemeFixture.h"

namespace {

using enum TMsElement;

// A theme before any style, the frame style, and one whose strips have more frames than pixels or
// none at all.
std::vector<std::unique_ptr<TTeThemeMsStyles>> AwkwardStyles()
{
    std::vector<std::unique_ptr<TTeThemeMsStyles>> styles;
    styles.push_back(std::make_unique<TteBuiltTheme<TTeThemeMsStyles>>());
    styles.push_back(MakeFrameStyle());
    std::vector<std::unique_ptr<TteBitmap>> bitmaps;
    bitmaps.push_back(StripBitmap(QStringLiteral("TINY_BMP"), 1, 3, 3, [](int, int, int) { return 0x00102030u; }));
    const QString tooMany = QStringLiteral("imagefile=Tiny.bmp\r\nimagecount=100\r\nsizingmargins=9, 9, 9, 9");
    const QString none = QStringLiteral("imagefile=Tiny.bmp\r\nimagecount=0\r\nsizingtype=truesize");
    styles.push_back(MakeFrameStyle({{ScrollBarThumbBtnHorz, tooMany},
                                     {ScrollBarThumbBtnVert, none},
                                     {ScrollBarGripperHorz, none},
                                     {ScrollBarGripperVert, tooMany},
                                     {TrackBarThumb, none},
                                     {ButtonCheckbox, tooMany},
                                     {Edit, QStringLiteral("bgtype=borderfill\r\nbordersize=3")}},
                                    std::move(bitmaps)));
    return styles;
}

TEST(MsStylesSweep, EveryDrawingInEveryPartAndStateOnAwkwardRectangles)
{
    for (auto& theme : AwkwardStyles()) {
        TThemeSurface surface(64, 64);
        TCanvas& canvas = surface.Canvas();
        SweepDrawings(*theme, canvas, {0, 3, 8, 9});
        for (std::uint8_t part = 0; part <= 7; ++part)
            for (const TRect& r : {TRect{0, 0, 0, 0}, TRect{10, 10, 5, 5}, TRect{3, 3, 4, 4}, TRect{-5, -5, 2, 2},
                                   TRect{60, 60, 70, 70}})
                ASSERT_NO_THROW(theme->GetTrackBarThumbSize(0, canvas, {r, part, 0}, kObject));
    }
}

}  // namespace
