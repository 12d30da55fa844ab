// The frame's size grip: the bottom-right corner to the platform while the window can be sized,
// drawn by the theme or with the classic ridges, and a drag on it sizes the window.
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include "framework/Colors.h"
#include "graphics/RectUtils.h"
#include "tests/controls/FrameFixtures.h"

namespace {

// A 16 x 16 grip in the client area's bottom-right corner (window coordinates).
TRect GripOf(const TForm& form)
{
    const TRect c = form.ClientBounds();
    return {c.Right - 16, c.Bottom - 16, c.Right, c.Bottom};
}

QImage GripPixels(TFramedForm& framed)
{
    ProcessPending();
    const TRect c = framed.form.ClientBounds();
    const TRect g = OffsetRectBy(GripOf(framed.form), -c.Left, -c.Top);
    return framed.form.ClientWidget()->grab(g.ToQRect()).toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TEST(SizeGrip, ItSizesFromTheCornerOnlyWhileTheWindowCanBeSized)
{
    auto tiger = Tiger();
    ASSERT_TRUE(tiger);
    TFixedLink link(tiger.get());
    for (TteCustomThemeLink* look : {static_cast<TteCustomThemeLink*>(nullptr), static_cast<TteCustomThemeLink*>(&link)}) {
        TFramedForm framed(240, 120, look, kDefaultBorderIcons);
        const char* name = look != nullptr ? "OSXTiger" : "built-in";
        const TRect grip = GripOf(framed.form);
        const TPoint inside{grip.Left + 8, grip.Top + 8};
        EXPECT_EQ(framed.frame->HitTest(inside), TteFormHit::kfhNothing) << name << ": no grip yet";
        framed.frame->SetSizeGripRect(grip);
        EXPECT_EQ(framed.frame->HitTest(inside), TteFormHit::kfhBottomRight) << name;
        EXPECT_EQ(framed.frame->HitTest({grip.Left - 1, grip.Top + 8}), TteFormHit::kfhNothing) << name;
        framed.frame->DoMaximize();
        EXPECT_EQ(framed.frame->HitTest({framed.form.ClientBounds().Left + 8, framed.form.ClientBounds().Top + 8}),
                  TteFormHit::kfhNothing);
        framed.frame->DoRestore();
        framed.frame->Dragging().SetSizeable(false);
        EXPECT_EQ(framed.frame->HitTest(inside), TteFormHit::kfhNothing) << name << ": not sizeable";
    }
}

TEST(SizeGrip, ADragOnTheGripSizesTheWindow)
{
    TFramedForm framed;
    framed.frame->SetSizeGripRect(GripOf(framed.form));
    const int width = framed.form.Width();
    const int height = framed.form.Height();
    const TRect grip = GripOf(framed.form);
    const QPoint press(grip.Left + 8 - framed.form.ClientBounds().Left, grip.Top + 8 - framed.form.ClientBounds().Top);
    // The grip lies in the client area: the press comes to the client widget.
    QWidget* client = framed.form.ClientWidget();
    QTest::mousePress(client, Qt::LeftButton, {}, press);
    QTest::mouseMove(client, press + QPoint(20, 10));
    QTest::mouseRelease(client, Qt::LeftButton, {}, press + QPoint(20, 10));
    EXPECT_EQ(framed.form.Width(), width + 20);
    EXPECT_EQ(framed.form.Height(), height + 10);
}

TEST(SizeGrip, TheBuiltInGripShowsRidgesOnlyWhenSizeable)
{
    TFramedForm framed;
    framed.frame->SetSizeGripRect(GripOf(framed.form));
    const TColor face = ColorToRGB(clBtnFace);
    const TColor light = ColorToRGB(clBtnHighlight);
    const TColor dark = ColorToRGB(clBtnShadow);
    const auto rgb = [](TColor c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); };
    QImage image = GripPixels(framed);
    ASSERT_EQ(image.size(), QSize(16, 16));
    // Diagonals counted from the bottom-right pixel: face, then light, dark, dark, face, three times.
    const QRgb expected[] = {rgb(face), rgb(light), rgb(dark), rgb(dark), rgb(face), rgb(light), rgb(dark), rgb(dark),
                             rgb(face), rgb(light), rgb(dark), rgb(dark), rgb(face), rgb(face)};
    for (int n = 0; n < 14; ++n)
        EXPECT_EQ(image.pixel(15 - n / 2, 15 - (n - n / 2)), expected[n]) << "diagonal " << n;
    EXPECT_EQ(image.pixel(0, 0), rgb(face));

    framed.frame->Dragging().SetSizeable(false);
    image = GripPixels(framed);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(image.pixel(x, y), rgb(face)) << x << "," << y;
}

TEST(SizeGrip, TheThemedGripIsTheThemesDrawing)
{
    auto tiger = Tiger();
    ASSERT_TRUE(tiger);
    TFixedLink link(tiger.get());
    TFramedForm framed(240, 120, &link);
    framed.frame->SetSizeGripRect(GripOf(framed.form));
    for (bool sizeable : {true, false}) {
        framed.frame->Dragging().SetSizeable(sizeable);
        TteBitmap expected;
        expected.SetSize(16, 16);
        tiger->DrawFormGrip(TteFormKind::kfkStandard, expected.Canvas(),
                            TteElementInfo{Rect(0, 0, 16, 16), static_cast<std::uint8_t>(sizeable ? 1 : 0)},
                            QStringLiteral("default"));
        expected.Canvas().Handle()->EndPainting();
        const QImage image = GripPixels(framed);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                ASSERT_EQ(image.pixel(x, y) & 0xFFFFFF, expected.GetPixel(x, y) & 0xFFFFFF)
                    << x << "," << y << " sizeable " << sizeable;
    }
}
