// The effect registry: the catalogue in its order, look-ups and the duplicate error.
#include <gtest/gtest.h>

#include "graphics/EffectRegistry.h"

namespace {

void UnusedMask(std::uint8_t*, int, int, int) {}

}  // namespace

TEST(EffectRegistry, HoldsTheCatalogueInRegistrationOrder)
{
    const QStringList names = EffectNames();
    ASSERT_EQ(Effects().size(), 58u);
    ASSERT_EQ(names.size(), 60);
    EXPECT_EQ(names[0], QLatin1String("[ RANDOM ] - Random selection"));
    EXPECT_EQ(names[1], QLatin1String("[ BITMAP ] - Bitmap Animation"));
    const struct {
        int index;
        const char* name;
        TteEffectKind kind;
    } cases[] = {
        {2, "[ FADE ] - SmoothDiagonal", TteEffectKind::kekMask},
        {22, "[ FADE ] - Fade", TteEffectKind::kekMask},
        {35, "[ FADE ] - Pixel line", TteEffectKind::kekMask},
        {54, "[ FADE ] - Stream", TteEffectKind::kekMask},
        {55, "[ FADE ] - Plasma", TteEffectKind::kekMask},
        {56, "[ SLIDE ] - Interlace", TteEffectKind::kekCells},
        {57, "[ SLIDE ] - Corner", TteEffectKind::kekCells},
        {58, "[ MANUAL ] - Slide", TteEffectKind::kekManual},
        {59, "[ MANUAL ] - Push", TteEffectKind::kekManual},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(names[c.index], QLatin1String(c.name));
        EXPECT_EQ(Effects()[c.index - 2]->Kind, c.kind) << c.name;
    }
}

TEST(EffectRegistry, FindsByDisplayNameOrBareNameInAnyCase)
{
    const TteProcItem* fade = FindEffect(QStringLiteral("[ FADE ] - Fade"));
    ASSERT_NE(fade, nullptr);
    EXPECT_EQ(fade->BareName(), QLatin1String("Fade"));
    for (const char* name : {"[ fade ] - FADE", "fade", "FaDe"})
        EXPECT_EQ(FindEffect(QLatin1String(name)), fade) << name;
    EXPECT_EQ(FindEffect(QStringLiteral("Pixel fade"))->Name, QLatin1String("[ FADE ] - Pixel fade"));
    EXPECT_EQ(FindEffect(QStringLiteral("push"))->Kind, TteEffectKind::kekManual);
    EXPECT_EQ(FindEffect(QStringLiteral("Fad")), nullptr);
    EXPECT_EQ(FindEffect(QStringLiteral("[ BITMAP ] - Bitmap Animation")), nullptr);
}

TEST(EffectRegistry, RefusesANameOrAProcedureRegisteredTwice)
{
    try {
        RegisterEffect(QStringLiteral("Fade"), TteEffectKind::kekMask, UnusedMask);
        FAIL() << "a second Fade was registered";
    } catch (const EProcItemError& error) {
        EXPECT_EQ(error.Message(), QLatin1String("Effect procedute Fade already exists in list"));
    }
    EXPECT_THROW(RegisterEffect(QStringLiteral("pUSH"), TteEffectKind::kekMask, UnusedMask), EProcItemError);
    const TteEffectProc fadeProc = FindEffect(QStringLiteral("Fade"))->Proc;
    EXPECT_THROW(RegisterEffect(QStringLiteral("Fade again"), TteEffectKind::kekMask, fadeProc), EProcItemError);
    EXPECT_EQ(Effects().size(), 58u);
}
