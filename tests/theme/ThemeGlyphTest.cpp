// Glyphs of the abstract theme: bitmaps placed unscaled with their own transparency, the shared
// check mark, radio dot and check-list boxes, on exact pixels.
#include <QImage>
#include <gtest/gtest.h>

#include "framework/Canvas.h"
#include "graphics/Bitmap.h"
#include "graphics/Pixel.h"
#include "theme/Theme.h"

namespace {

const QString kObject = QStringLiteral("default");
constexpr TColor kPaper = 0x00123456;

class ThemeGlyph : public testing::Test {
protected:
    ThemeGlyph() : image_(40, 40, QImage::Format_ARGB32), canvas_(&image_)
    {
        canvas_.Brush()->SetColor(kPaper);
        canvas_.FillRect({0, 0, 40, 40});
        // A 3 × 3 red glyph whose centre is a hole.
        glyph_.SetSize(3, 3);
        glyph_.Fill(0xFFFF0000);
        glyph_.SetPixel(1, 1, TransparentKey);
        glyph_.SetTransparent(true);
    }
    TColor At(int x, int y) { return canvas_.Pixel(x, y); }

    QImage image_;
    TCanvas canvas_;
    TteBitmap glyph_;
    TteBuiltTheme<TteTheme> theme_;
};

}  // namespace

TEST_F(ThemeGlyph, PlacedGlyphsSitAtTheTopLeftWithTheirHoles)
{
    const TteGlyphInfo glyph{{5, 6, 30, 30}, &glyph_, 4, TteGlyphKind::kgkImage};
    theme_.DrawButtonGlyph(0, canvas_, {}, glyph, kObject);
    EXPECT_EQ(At(5, 6), clRed);
    EXPECT_EQ(At(7, 8), clRed);
    EXPECT_EQ(At(6, 7), kPaper);
    EXPECT_EQ(At(4, 6), kPaper);
    EXPECT_EQ(At(8, 6), kPaper);
}

TEST_F(ThemeGlyph, MenuGlyphKinds)
{
    canvas_.Font()->SetColor(clBlue);
    TteGlyphInfo glyph{{0, 0, 16, 16}, &glyph_, 4, TteGlyphKind::kgkCheck};
    theme_.DrawMenuItemGlyph(1, canvas_, {}, glyph, kObject);
    // Centre (6, 9): the first polyline starts at (-2, -2) and passes the centre.
    EXPECT_EQ(At(4, 7), clBlue);
    EXPECT_EQ(At(6, 9), clBlue);
    EXPECT_EQ(At(10, 5), clBlue);
    EXPECT_EQ(At(2, 2), kPaper);

    glyph = {{20, 0, 36, 16}, nullptr, 4, TteGlyphKind::kgkRadio};
    theme_.DrawToolButtonGlyph(1, canvas_, {}, glyph, kObject);
    EXPECT_EQ(At(28, 8), clBlack);
    EXPECT_EQ(At(21, 1), kPaper);

    // An image is centred; kind 4 draws nothing.
    glyph = {{0, 20, 13, 33}, &glyph_, 4, TteGlyphKind::kgkShadowedImage};
    theme_.DrawMenuItemGlyph(1, canvas_, {}, glyph, kObject);
    EXPECT_EQ(At(5, 25), clRed);
    EXPECT_EQ(At(4, 25), kPaper);
    glyph = {{20, 20, 40, 40}, &glyph_, 4, TteGlyphKind::kgkImage};
    theme_.DrawMenuItemGlyph(1, canvas_, {}, glyph, kObject);
    EXPECT_EQ(At(20, 20), kPaper);
    EXPECT_EQ(At(28, 28), kPaper);

    glyph = {{20, 20, 36, 36}, nullptr, 4, TteGlyphKind::kgkSubMenuArrow};
    theme_.DrawMenuItemGlyph(1, canvas_, {}, glyph, kObject);
    int ink = 0;
    for (int y = 20; y < 36; ++y)
        for (int x = 20; x < 36; ++x)
            ink += At(x, y) == clBlue ? 1 : 0;
    EXPECT_GT(ink, 3);
}

TEST_F(ThemeGlyph, CheckListBoxes)
{
    struct Case {
        TteListCheck check;
        TColor inner;
    } cases[] = {
        {TteListCheck::klcChecked, clBlack},
        {TteListCheck::klcMixed, clGray},
        {TteListCheck::klcUnchecked, clRed},
    };
    for (const Case& c : cases) {
        const TteListCheckInfo info{{0, 0, 20, 20}, 4, nullptr, c.check};
        theme_.DrawListBoxItemCheck(0, canvas_, {}, info, kObject);
        EXPECT_EQ(At(2, 2), clBlack) << static_cast<int>(c.check);
        EXPECT_EQ(At(17, 17), clBlack);
        EXPECT_EQ(At(3, 3), clRed);
        EXPECT_EQ(At(10, 10), c.inner);
        EXPECT_EQ(At(1, 1), kPaper);
    }
    theme_.DrawListBoxItemCheck(0, canvas_, {}, {{20, 20, 27, 27}, 4, &glyph_, TteListCheck::klcGlyph}, kObject);
    EXPECT_EQ(At(22, 22), clRed);
    EXPECT_EQ(At(21, 21), kPaper);
}

TEST_F(ThemeGlyph, ElementTextsIgnoreTheirRecordAndDrawThroughTheRenderer)
{
    const TteTextInfo text = MakeTextInfo({2, 2, 38, 38}, QStringLiteral("Ab"), TteTextAlignment::ktaCenter,
                                          kTextSingleLine, TteTextRotation::ktrNone);
    theme_.DrawText(canvas_, text);
    canvas_.Handle()->EndPainting();
    const QImage expected = image_.copy();
    canvas_.Brush()->SetColor(kPaper);
    canvas_.FillRect({0, 0, 40, 40});
    theme_.DrawButtonText(0, canvas_, {{20, 20, 25, 25}, 3}, text, kObject);
    canvas_.Handle()->EndPainting();
    EXPECT_EQ(image_, expected);
}
