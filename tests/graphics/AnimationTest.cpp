// Transitions in their slots: the steps of the clock, the shared timer, several transitions at
// once, and what each kind of effect puts on the target canvas.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <vector>

#include "graphics/Animation.h"
#include "graphics/AnimationRec.h"
#include "graphics/Bitmap.h"
#include "graphics/EffectCompose.h"
#include "graphics/EffectRegistry.h"
#include "tests/graphics/TestBitmaps.h"

namespace {

constexpr TteColor kBlack = 0xFF000000;
constexpr TteColor kWhite = 0xFFFFFFFF;

// An old and a new picture, a target to draw on, and a record naming the effect.
class AnimationTest : public testing::Test {
protected:
    void SetUp() override
    {
        oldPicture.SetSize(8, 6);
        oldPicture.Fill(kBlack);
        newPicture.SetSize(8, 6);
        newPicture.Fill(kWhite);
        target.SetSize(10, 8);
        target.Fill(0xFF0000FF);
        rec->SetEffect(QStringLiteral("Fade"));
    }
    void TearDown() override
    {
        for (int slot = 0; slot < kAnimationSlotCount; ++slot)
            FinishAnimation(slot, false);
    }
    int Start(int slot = -1, int x = 1, int y = 1)
    {
        return StartAnimation(target.Canvas(), x, y, slot, *rec, newPicture, oldPicture);
    }

    TteBitmap oldPicture, newPicture, target;
    TOwned<TteAnimationRec> rec = MakeOwned<TteAnimationRec>(nullptr);
};

}  // namespace

TEST_F(AnimationTest, A400MsTransitionTakesTwentyStepsOf5Percent)
{
    const int slot = Start();
    ASSERT_EQ(slot, 0);
    EXPECT_TRUE(IsAnimating(slot));
    EXPECT_TRUE(AnimationTimerEnabled());
    EXPECT_EQ(target.GetPixel(1, 1), 0xFF0000FFu);  // nothing drawn before the first step

    AnimationTick();
    // White at alpha round(0.05 × 255) = 13 blended over black on all four channels.
    EXPECT_EQ(target.GetPixel(1, 1), 0xF20C0C0Cu);
    EXPECT_EQ(target.GetPixel(0, 0), 0xFF0000FFu);  // drawn at (1, 1)
    for (int step = 2; step < 20; ++step) {
        AnimationTick();
        ASSERT_TRUE(IsAnimating(slot)) << step;
    }
    AnimationTick();
    EXPECT_FALSE(IsAnimating(slot));
    EXPECT_FALSE(AnimationTimerEnabled());
    EXPECT_EQ(target.GetPixel(8, 6), kWhite);
}

TEST_F(AnimationTest, TransitionsThatCannotStartAnswerTheSlotButDoNotRun)
{
    TteBitmap empty;
    EXPECT_EQ(StartAnimation(target.Canvas(), 0, 0, 3, *rec, newPicture, empty), 3);
    EXPECT_FALSE(IsAnimating(3));
    EXPECT_EQ(StartAnimation(target.Canvas(), 0, 0, -1, *rec, empty, oldPicture), 0);
    EXPECT_FALSE(IsAnimating(0));

    rec->SetEffect(QStringLiteral("No such effect"));
    EXPECT_EQ(Start(), 0);
    EXPECT_FALSE(IsAnimating(0));
    EXPECT_FALSE(AnimationTimerEnabled());
    EXPECT_EQ(Start(kAnimationSlotCount), -1);
    EXPECT_FALSE(IsAnimating(-1));
}

TEST_F(AnimationTest, SeveralTransitionsRunAtOnceEachInItsOwnSlot)
{
    TteBitmap otherTarget;
    otherTarget.SetSize(8, 6);
    const TOwned<TteAnimationRec> slow = MakeOwned<TteAnimationRec>(nullptr);
    slow->SetEffect(QStringLiteral("Fade"));
    slow->SetTime(800);
    EXPECT_EQ(Start(), 0);
    EXPECT_EQ(StartAnimation(otherTarget.Canvas(), 0, 0, -1, *slow, newPicture, oldPicture), 1);
    for (int step = 0; step < 20; ++step)
        AnimationTick();
    EXPECT_FALSE(IsAnimating(0));
    EXPECT_TRUE(IsAnimating(1));
    EXPECT_TRUE(AnimationTimerEnabled());
    EXPECT_EQ(otherTarget.GetPixel(0, 0), 0xBF7F7F7Fu);  // half way: white at alpha 128 over black
    for (int step = 0; step < 20; ++step)
        AnimationTick();
    EXPECT_FALSE(IsAnimating(1));
    EXPECT_FALSE(AnimationTimerEnabled());
}

TEST_F(AnimationTest, AllSlotsTakenLeavesNoneForAnother)
{
    for (int slot = 0; slot < kAnimationSlotCount; ++slot)
        ASSERT_EQ(Start(), slot);
    EXPECT_EQ(Start(), -1);
    FinishAnimation(57, false);
    EXPECT_EQ(Start(), 57);
}

TEST_F(AnimationTest, FinishingWithTheFinalPictureDrawsItAtOnce)
{
    const int slot = Start();
    AnimationTick();
    FinishAnimation(slot, true);
    EXPECT_FALSE(IsAnimating(slot));
    EXPECT_EQ(target.GetPixel(1, 1), kWhite);
    EXPECT_EQ(target.GetPixel(8, 6), kWhite);
}

TEST_F(AnimationTest, AFreedRecordEndsItsTransition)
{
    const int slot = Start();
    rec.reset();
    AnimationTick();
    EXPECT_FALSE(IsAnimating(slot));
}

TEST_F(AnimationTest, KeyPixelsOfTheNewPictureNeverShow)
{
    newPicture.SetPixel(2, 2, TransparentKey | 0xFF000000);
    for (const char* effect : {"Fade", "SlideDown", "Corner", "Interlace", "Slide", "Push"}) {
        rec->SetEffect(QLatin1String(effect));
        rec->SetTime(100);
        newPicture.SetPixel(2, 2, TransparentKey | 0xFF000000);
        target.Fill(0xFF0000FF);
        const int slot = Start(-1, 0, 0);
        while (IsAnimating(slot)) {
            AnimationTick();
            for (TteColor pixel : Pixels(target))
                ASSERT_FALSE(IsKeyPixel(pixel)) << effect;
        }
        EXPECT_EQ(target.GetPixel(3, 2), kWhite) << effect;
    }
}

TEST_F(AnimationTest, MasksAreTiledAndScaledByResolution)
{
    // A 40 × 10 picture in 2 × 2 tiles of cells 2 pixels wide: columns = 40 / 2 / 2 + 1 = 11.
    oldPicture.SetSize(40, 10);
    oldPicture.Fill(kBlack);
    newPicture.SetSize(40, 10);
    newPicture.Fill(kWhite);
    target.SetSize(40, 10);
    rec->SetEffect(QStringLiteral("SlideDown"));
    rec->SetResolution(2);
    rec->SetTileCount(2);
    rec->SetTime(100);  // five steps: 20 % … 100 %
    Start(-1, 0, 0);
    AnimationTick();
    AnimationTick();  // 40 %: rows 0 … MulDiv(40, 2, 100) = 1 of each tile's 3-row mask, two pixels each
    for (int y : {0, 1, 2, 3, 6, 7, 8, 9})
        EXPECT_EQ(target.GetPixel(25, y), y % 6 < 4 ? kWhite : kBlack) << y;
    EXPECT_EQ(target.GetPixel(25, 4), kBlack);
    EXPECT_EQ(target.GetPixel(3, 7), kWhite);
}

TEST_F(AnimationTest, TheBitmapEffectShowsBrightPartsFirst)
{
    QImage mask(2, 1, QImage::Format_ARGB32);
    mask.setPixel(0, 0, 0xFFFFFFFF);
    mask.setPixel(1, 0, 0xFF000000);
    rec->SetBitmap(mask);
    rec->SetEffect(QLatin1String(kBitmapEffectName));
    rec->SetResolution(3);  // a 3 × 3 grid of 3-pixel cells: the mask picture is stretched onto it
    rec->SetTime(200);
    Start(-1, 0, 0);
    for (int step = 0; step < 5; ++step)
        AnimationTick();  // 50 %: bright cells at 255, dark ones at 0
    EXPECT_EQ(target.GetPixel(0, 0), kWhite);
    EXPECT_EQ(target.GetPixel(7, 5), kBlack);
}

TEST_F(AnimationTest, SlidesComeFromTheSideTheRotationNames)
{
    // At 40 % the new picture has come 3 of 8 columns or 2 of 6 rows in.
    const struct {
        TteRotation rotation;
        TPoint white;
        TPoint black;
    } cases[] = {
        {TteRotation::krNone, {2, 3}, {3, 3}},
        {TteRotation::krRotate90, {3, 4}, {3, 3}},
        {TteRotation::krRotate180, {5, 3}, {4, 3}},
        {TteRotation::krRotate270, {3, 1}, {3, 2}},
    };
    rec->SetEffect(QStringLiteral("Slide"));
    rec->SetTime(100);
    for (const auto& c : cases) {
        rec->SetRotation(c.rotation);
        const int slot = Start(-1, 0, 0);
        AnimationTick();
        AnimationTick();
        EXPECT_EQ(target.GetPixel(c.white.X, c.white.Y), kWhite) << static_cast<int>(c.rotation);
        EXPECT_EQ(target.GetPixel(c.black.X, c.black.Y), kBlack) << static_cast<int>(c.rotation);
        FinishAnimation(slot, false);
    }
}

TEST_F(AnimationTest, EveryEffectEndsOnTheNewPictureInEveryRotationAndTiling)
{
    oldPicture.SetSize(13, 9);
    oldPicture.Fill(kBlack);
    newPicture.SetSize(13, 9);
    target.SetSize(13, 9);
    rec->SetTime(100);
    for (const QString& name : EffectNames())
        for (TteRotation rotation : {TteRotation::krNone, TteRotation::krRotate90, TteRotation::krRotate270})
            for (int tiles : {1, 3}) {
                for (int y = 0; y < 9; ++y)
                    for (int x = 0; x < 13; ++x)
                        newPicture.SetPixel(x, y, 0xFF000000 | static_cast<TteColor>(x * 256 + y + 1));
                rec->SetEffect(name);
                rec->SetRotation(rotation);
                rec->SetTileCount(tiles);
                rec->SetResolution(tiles == 1 ? 1 : 2);
                target.Fill(0);
                const int slot = Start(-1, 0, 0);
                for (int step = 0; step < 5; ++step)
                    AnimationTick();
                ASSERT_FALSE(IsAnimating(slot)) << qPrintable(name);
                for (int y = 0; y < 9; ++y)
                    for (int x = 0; x < 13; ++x)
                        ASSERT_EQ(target.GetPixel(x, y), 0xFF000000 | static_cast<TteColor>(x * 256 + y + 1))
                            << qPrintable(name) << " rotation " << static_cast<int>(rotation) << " tiles " << tiles
                            << " at " << x << "," << y;
            }
}

TEST_F(AnimationTest, PushFromTheTopMovesTheOldPictureDownIntact)
{
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            oldPicture.SetPixel(x, y, 0xFF000000 | static_cast<TteColor>(y * 16 + x));
    rec->SetEffect(QStringLiteral("Push"));
    rec->SetRotation(TteRotation::krRotate270);
    rec->SetTime(200);
    Start(-1, 0, 0);
    for (int step = 0; step < 5; ++step)
        AnimationTick();  // 50 %: a = 3 rows
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(target.GetPixel(x, y), y < 3 ? kWhite : oldPicture.GetPixel(x, y - 3)) << x << "," << y;
}

TEST_F(AnimationTest, AnimateAndWaitReturnsWhenTheTransitionHasEnded)
{
    rec->SetTime(60);
    AnimateAndWait(target.Canvas(), 0, 0, *rec, newPicture, oldPicture);
    EXPECT_FALSE(AnimationTimerEnabled());
    EXPECT_EQ(target.GetPixel(7, 5), kWhite);

    TteBitmap empty;
    target.Fill(0);
    AnimateAndWait(target.Canvas(), 0, 0, *rec, newPicture, empty);
    EXPECT_EQ(target.GetPixel(7, 5), 0u);
}

TEST(EffectGrids, QuarterTurnsPlaceCellsAsTheRotationSays)
{
    // A 3 × 2 grid filled at 2 × 3 for quarter turns; the cell at (0, 0) of the filled grid marked.
    const struct {
        TteRotation rotation;
        TPoint lands;
    } cases[] = {
        {TteRotation::krRotate90, {0, 1}},
        {TteRotation::krRotate180, {2, 1}},
        {TteRotation::krRotate270, {2, 0}},
    };
    for (const auto& c : cases) {
        const TSize size = RotatedGridSize(3, 2, c.rotation);
        std::vector<std::uint8_t> filled(6, 0), mask(6, 0);
        filled[0] = 255;
        RotateMask(filled.data(), mask.data(), 3, 2, c.rotation);
        EXPECT_EQ(mask[c.lands.Y * 3 + c.lands.X], 255) << static_cast<int>(c.rotation);
        EXPECT_EQ(size.cx * size.cy, 6);
    }
}
