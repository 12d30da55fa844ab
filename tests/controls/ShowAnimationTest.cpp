// The show animation: the window comes in over what lay behind it on an overlay that goes away
// when the transition ends.
#include <QCoreApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "controls/frame/FormOptions.h"
#include "controls/frame/ShowAnimation.h"
#include "graphics/Animation.h"
#include "tests/controls/FrameFixtures.h"

namespace {

QWidget* Overlay(QWidget& window)
{
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->testAttribute(Qt::WA_TransparentForMouseEvents) && child->geometry() == window.rect())
            return child;
    return nullptr;
}

QImage Filled(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// Steps the shared timer until the slot is done and lets the overlay notice it.
void RunToTheEnd(QWidget& window)
{
    for (int i = 0; i < 1000 && AnimationTimerEnabled(); ++i)
        AnimationTick();
    for (int i = 0; i < 50 && Overlay(window) != nullptr; ++i)
        QTest::qWait(kAnimationInterval);
}

}  // namespace

TEST(ShowAnimation, TheWindowComesInOverWhatLayBehindAndTheOverlayGoes)
{
    QWidget window;
    window.resize(80, 60);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    TTeAnimation settings;
    settings.SetEffectKind(QStringLiteral("Fade"));
    settings.SetTime(200);
    ASSERT_TRUE(StartShowAnimation(window, settings, Filled(window.size(), Qt::red), Filled(window.size(), Qt::blue)));
    QWidget* overlay = Overlay(window);
    ASSERT_NE(overlay, nullptr);

    // Half-way through a fade the overlay shows neither picture alone.
    for (int i = 0; i < 5; ++i)
        AnimationTick();
    const QRgb middle = overlay->grab().toImage().pixel(40, 30);
    EXPECT_GT(qRed(middle), 0);
    EXPECT_GT(qBlue(middle), 0);

    RunToTheEnd(window);
    EXPECT_EQ(Overlay(window), nullptr);
}

TEST(ShowAnimation, PicturesThatDoNotFitTheWindowOrAnUnknownEffectStartNothing)
{
    QWidget window;
    window.resize(80, 60);
    TTeAnimation settings;
    settings.SetEffectKind(QStringLiteral("Fade"));
    EXPECT_FALSE(StartShowAnimation(window, settings, Filled({10, 10}, Qt::red), Filled(window.size(), Qt::blue)));
    EXPECT_FALSE(StartShowAnimation(window, settings, Filled(window.size(), Qt::red), QImage()));
    settings.SetEffectKind(QStringLiteral("No such effect"));
    EXPECT_FALSE(StartShowAnimation(window, settings, Filled(window.size(), Qt::red), Filled(window.size(), Qt::blue)));
    EXPECT_EQ(Overlay(window), nullptr);
    EXPECT_FALSE(AnimationTimerEnabled());
}

// A framed form with its animation on shows through the effect where the screen can be read, and
// ends as the form itself.
TEST(ShowAnimation, AFramedFormWithItsAnimationOnComesInWhenShown)
{
    TOwned<TForm> owned = MakeOwned<TForm>(nullptr);
    owned->SetBounds(100, 100, 200, 100);
    auto* frame = new TTeForm(owned.get());
    frame->Animation().SetEnabled(true);
    frame->Animation().SetEffectKind(QStringLiteral("Fade"));
    frame->Loaded();
    owned->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(owned->Handle()));
    if (GrabScreen(owned->BoundsRect()).isNull())
        GTEST_SKIP() << "this platform cannot read the screen behind a window";
    EXPECT_NE(Overlay(*owned->Handle()), nullptr);
    RunToTheEnd(*owned->Handle());
    EXPECT_EQ(Overlay(*owned->Handle()), nullptr);
}
