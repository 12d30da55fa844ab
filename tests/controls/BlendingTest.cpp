// Blending of the whole window: through the window's opacity where the platform has one, else
// composed over the background captured behind the window, frame and client alike.
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/frame/WindowOpacity.h"
#include "graphics/Pixel.h"
#include "tests/controls/FrameFixtures.h"

namespace {

class TOpacityForced {
public:
    explicit TOpacityForced(bool value) { ForceWindowOpacity(value); }
    ~TOpacityForced() { ForceWindowOpacity(std::nullopt); }
};

QImage ClientPicture(TFramedForm& framed)
{
    ProcessPending();
    return framed.form.ClientWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TEST(Blending, WhereThePlatformHasOpacityTheWindowCarriesTheValue)
{
    TOpacityForced forced(true);
    TFramedForm framed;
    const QImage plain = ClientPicture(framed);
    framed.frame->Blending().SetEnabled(true);
    EXPECT_NEAR(framed.Window()->windowOpacity(), 150 / 255.0, 1e-3);
    framed.frame->Blending().SetValue(40);
    EXPECT_NEAR(framed.Window()->windowOpacity(), 40 / 255.0, 1e-3);
    // The pictures themselves stay opaque: the platform blends them.
    EXPECT_EQ(ClientPicture(framed), plain);
    QImage window;
    framed.frame->PaintWindowImage(window, true);
    EXPECT_EQ(qAlpha(window.pixel(60, 10)), 255);
    framed.frame->Blending().SetEnabled(false);
    EXPECT_EQ(framed.Window()->windowOpacity(), 1.0);
}

TEST(Blending, ElsewhereFrameAndClientAreComposedOverTheCapturedBackground)
{
    TOpacityForced forced(false);
    TFramedForm plainForm;
    const QImage plain = ClientPicture(plainForm);
    QImage plainWindow;
    plainForm.frame->PaintWindowImage(plainWindow, true);
    plainForm.form.Hide();

    // Blended from the start, so that what is captured is the screen behind the window before it
    // shows, not the window itself.
    TOwned<TForm> owned = MakeOwned<TForm>(nullptr);
    TForm& form = *owned;
    form.SetBounds(400, 300, 240, 120);
    form.SetColor(RGB(200, 200, 200));
    auto* frame = new TTeForm(&form);
    frame->SetBorderIcons(plainForm.frame->BorderIcons());
    frame->Gravitation().SetEnabled(false);
    frame->Blending().SetEnabled(true);
    frame->Blending().SetValue(100);
    frame->Loaded();
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Handle()));
    ProcessPending();
    EXPECT_EQ(form.Handle()->windowOpacity(), 1.0);
    const TteBitmap& behind = frame->BackgroundPicture();
    ASSERT_FALSE(behind.Empty());
    const TRect c = form.ClientBounds();
    const QImage blended = form.ClientWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Client and frame alike: the opaque picture at alpha 100 over what was captured behind it.
    const auto over = [&](QRgb top, int x, int y) {
        EXPECT_NE(top & 0xFFFFFF, behind.GetPixel(x, y) & 0xFFFFFF) << "a background unlike the window";
        return BlendPixel((static_cast<TteColor>(100) << 24) | (top & 0xFFFFFF), behind.GetPixel(x, y)) & 0xFFFFFF;
    };
    for (const QPoint p : {QPoint(10, 10), QPoint(200, 100)})
        EXPECT_EQ(blended.pixel(p) & 0xFFFFFF, over(plain.pixel(p), p.x() + c.Left, p.y() + c.Top)) << p.x() << "," << p.y();
    QImage window;
    frame->PaintWindowImage(window, true);
    EXPECT_EQ(window.pixel(60, 10) & 0xFFFFFF, over(plainWindow.pixel(60, 10), 60, 10));
}
