// The stored properties of the themed control bases and the theme selection of concrete controls.
#include <gtest/gtest.h>

#include "controls/ControlComponents.h"
#include "tests/controls/ControlFixtures.h"

TEST(ControlStoredProperties, DefaultsAreNotStoredAndChangedValuesAre)
{
    RegisterControlComponents();
    auto sample = RegisterProperties<TSampleControl, TTeControl>();
    AddThemeSelectionProperties(sample);
    AddBorderProperties(sample);

    TSampleControl control;
    const auto stored = [&](const char* name) {
        const TPropInfo* info = GetPropInfo(control, QString::fromLatin1(name));
        EXPECT_NE(info, nullptr) << name;
        return info != nullptr && info->IsStored(control);
    };
    for (const char* name : {"Performance", "ThemeObject", "BevelKind", "BevelInner", "BevelSides", "TabStop"})
        EXPECT_FALSE(stored(name)) << name;
    EXPECT_TRUE(stored("Width"));  // bounds are always written

    control.SetPerformance(TTePerformance::kspDoubleBuffer);
    control.SetThemeObject(QStringLiteral("Toolbar"));
    control.SetBevelKind(TTeBevelKind::kbkFlat);
    for (const char* name : {"Performance", "ThemeObject", "BevelKind", "BevelInner"})
        EXPECT_TRUE(stored(name)) << name;
    EXPECT_EQ(std::get<std::int64_t>(GetPropInfo(control, "Performance")->Get(control)), 2);
}
