// Every theme kind gets its tables built exactly once when it is made, by its own Init operations,
// without the kind having to ask for it.
#include <gtest/gtest.h>

#include "theme/Theme.h"
#include "themes/FlatTheme.h"
#include "themes/MsStylesTheme.h"
#include "themes/OfficeXPTheme.h"

namespace {

template <class Kind>
class TCountingTheme : public Kind {
public:
    int changes = 0;
    int colorBuilds = 0;
    void Changed() override
    {
        ++changes;
        Kind::Changed();
    }
    void InitColors() override
    {
        ++colorBuilds;
        Kind::InitColors();
    }
};

template <class Kind>
class BuildOnceTest : public testing::Test {};

using Kinds = testing::Types<TteTheme, TTeFlatTheme, TTeOfficeXPTheme, TTeThemeMsStyles>;
TYPED_TEST_SUITE(BuildOnceTest, Kinds);

}  // namespace

TYPED_TEST(BuildOnceTest, ANewThemeIsBuiltOnceThroughItsOwnOverrides)
{
    const TteBuiltTheme<TCountingTheme<TypeParam>> theme;
    EXPECT_EQ(theme.changes, 1);
    // Building in a base constructor would have reached the base's InitColors, not this one.
    EXPECT_EQ(theme.colorBuilds, 1);
}

TYPED_TEST(BuildOnceTest, TheVirtualConstructorBuildsTheKindsTables)
{
    const std::unique_ptr<TteTheme> made = ThemeClassOf<TypeParam>().Create();
    TteBuiltTheme<TypeParam> reference;
    reference.Changed();
    for (int i = 0; i < TteThemeColors::kCount; ++i)
        EXPECT_EQ(made->Colors()->GetColor(i), reference.Colors()->GetColor(i)) << i;
}
