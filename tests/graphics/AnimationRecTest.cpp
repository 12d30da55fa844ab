// The settings of a transition: defaults, clamping setters, Assign and the stored form.
#include <gtest/gtest.h>

#include "framework/ComponentStream.h"
#include "graphics/AnimationRec.h"
#include "graphics/EffectRegistry.h"

TEST(AnimationRec, StartsWithTheDefaults)
{
    const TOwned<TteAnimationRec> rec = MakeOwned<TteAnimationRec>(nullptr);
    EXPECT_TRUE(rec->Bitmap().isNull());
    EXPECT_EQ(rec->Effect(), QLatin1String("[ RANDOM ] - Random selection"));
    EXPECT_FALSE(rec->Enabled());
    EXPECT_EQ(rec->Resolution(), 1);
    EXPECT_EQ(rec->Rotation(), TteRotation::krNone);
    EXPECT_EQ(rec->TileCount(), 1);
    EXPECT_EQ(rec->Time(), 400);
}

TEST(AnimationRec, SettersKeepValuesWithinTheirLimits)
{
    const TOwned<TteAnimationRec> rec = MakeOwned<TteAnimationRec>(nullptr);
    const struct {
        void (TteAnimationRec::*set)(int);
        int (TteAnimationRec::*get)() const;
        int given, stored;
    } cases[] = {
        {&TteAnimationRec::SetTime, &TteAnimationRec::Time, 10, 50},
        {&TteAnimationRec::SetTime, &TteAnimationRec::Time, 9001, 9000},
        {&TteAnimationRec::SetTime, &TteAnimationRec::Time, 1234, 1234},
        {&TteAnimationRec::SetTileCount, &TteAnimationRec::TileCount, 0, 1},
        {&TteAnimationRec::SetTileCount, &TteAnimationRec::TileCount, 21, 20},
        {&TteAnimationRec::SetResolution, &TteAnimationRec::Resolution, 25, 10},
        {&TteAnimationRec::SetResolution, &TteAnimationRec::Resolution, -3, 1},
    };
    for (const auto& c : cases) {
        ((*rec).*c.set)(c.given);
        EXPECT_EQ(((*rec).*c.get)(), c.stored) << c.given;
    }
}

TEST(AnimationRec, AssignCopiesAllSevenSettingsAndThePicture)
{
    const TOwned<TteAnimationRec> source = MakeOwned<TteAnimationRec>(nullptr);
    QImage picture(3, 2, QImage::Format_ARGB32);
    picture.fill(0xFF102030);
    source->SetBitmap(picture);
    source->SetEffect(QStringLiteral("[ FADE ] - Fade"));
    source->SetEnabled(true);
    source->SetResolution(4);
    source->SetRotation(TteRotation::krRotate180);
    source->SetTileCount(3);
    source->SetTime(900);

    const TOwned<TteAnimationRec> copy = MakeOwned<TteAnimationRec>(nullptr);
    copy->Assign(source.get());
    picture.fill(0);  // the copy holds a picture of its own
    EXPECT_EQ(copy->Bitmap().pixel(2, 1), 0xFF102030u);
    EXPECT_EQ(copy->Effect(), QLatin1String("[ FADE ] - Fade"));
    EXPECT_TRUE(copy->Enabled());
    EXPECT_EQ(copy->Resolution(), 4);
    EXPECT_EQ(copy->Rotation(), TteRotation::krRotate180);
    EXPECT_EQ(copy->TileCount(), 3);
    EXPECT_EQ(copy->Time(), 900);

    const TOwned<TComponent> other = MakeOwned<TComponent>(nullptr);
    EXPECT_THROW(copy->Assign(other.get()), Exception);
}

TEST(AnimationRec, StoresChangedSettingsAndReadsThemBack)
{
    RegisterAnimationRecClass();
    const TOwned<TteAnimationRec> rec = MakeOwned<TteAnimationRec>(nullptr);
    rec->SetName(QStringLiteral("Animation1"));
    const QString defaults = ComponentToString(*rec);
    EXPECT_FALSE(defaults.contains(QLatin1String("Time"))) << qPrintable(defaults);
    EXPECT_FALSE(defaults.contains(QLatin1String("Effect"))) << qPrintable(defaults);

    QImage picture(2, 2, QImage::Format_ARGB32);
    picture.fill(0x80FF0000);
    rec->SetBitmap(picture);
    rec->SetEffect(QStringLiteral("[ FADE ] - CircleFadeOut"));
    rec->SetRotation(TteRotation::krRotate270);
    rec->SetTime(1000);
    const QString text = ComponentToString(*rec);

    const TOwned<TteAnimationRec> read = MakeOwned<TteAnimationRec>(nullptr);
    StringToComponent(text, read.get());
    EXPECT_EQ(read->Effect(), QLatin1String("[ FADE ] - CircleFadeOut"));
    EXPECT_EQ(read->Rotation(), TteRotation::krRotate270);
    EXPECT_EQ(read->Time(), 1000);
    ASSERT_FALSE(read->Bitmap().isNull());
    EXPECT_EQ(read->Bitmap().convertToFormat(QImage::Format_ARGB32).pixel(1, 1), 0x80FF0000u);
}
