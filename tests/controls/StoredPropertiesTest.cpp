// The stored properties of the themed control bases and the theme selection of concrete controls.
#include <gtest/gtest.h>

#include <algorithm>

#include "controls/core/TeScrollBar.h"
#include "controls/widgets/TeProgressBar.h"
#include "controls/widgets/TeSComboBox.h"
#include "controls/widgets/TeStringGrid.h"
#include "controls/widgets/TeTrackBar.h"
#include "controls/window/ControlComponents.h"
#include "framework/Exception.h"
#include "framework/PropInfo.h"
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

// The bars buffer their painting by default, so Performance is stored only when it is not
// kspDoubleBuffer, and it is listed once; the track bar is a tab stop unless told otherwise.
TEST(ControlStoredProperties, BarsStoreOnlyWhatDiffersFromTheirOwnDefaults)
{
    RegisterControlComponents();
    TTeProgressBar progress(nullptr);
    TTeTrackBar track(nullptr);
    for (TTeControl* bar : {static_cast<TTeControl*>(&progress), static_cast<TTeControl*>(&track)}) {
        int performances = 0;
        for (const TPropInfo* info : GetPropList(*bar)) {
            if (info->Name == QLatin1String("Performance"))
                ++performances;
            // Those without a default (bounds, colour, font) are always written.
            if (info->Default) {
                EXPECT_FALSE(info->IsStored(*bar)) << qPrintable(info->Name);
            }
        }
        EXPECT_EQ(performances, 1);
        bar->SetPerformance(TTePerformance::kspNoBuffer);
        EXPECT_TRUE(GetPropInfo(*bar, "Performance")->IsStored(*bar));
    }
    progress.SetSmooth(true);
    track.SetTickMarks(TTeTickMark::ktbmBoth);
    EXPECT_TRUE(GetPropInfo(progress, "Smooth")->IsStored(progress));
    EXPECT_TRUE(GetPropInfo(track, "TickMarks")->IsStored(track));
}

TEST(ControlStoredProperties, ScrollBarGridAndComboBoxStoreOnlyWhatDiffersFromTheirDefaults)
{
    RegisterControlComponents();
    const auto stored = [](const TPersistent& object, const char* name) {
        const TPropInfo* info = GetPropInfo(object, QString::fromLatin1(name));
        EXPECT_NE(info, nullptr) << name;
        return info != nullptr && info->IsStored(object);
    };
    TTeScrollBar bar(nullptr);
    TTeStringGrid grid(nullptr);
    TTeSComboBox combo(nullptr);
    const auto none = [&](const TPersistent& object, std::initializer_list<const char*> names) {
        for (const char* name : names)
            EXPECT_FALSE(stored(object, name)) << name;
    };
    none(bar, {"Min", "Max", "PageSize", "Position", "LargeChange", "SmallChange", "Orientation", "ShowButtons",
               "BorderWidth", "ThemeObject", "Performance"});
    none(grid, {"ColCount", "RowCount", "FixedCols", "FixedRows", "DefaultColWidth", "DefaultRowHeight", "Options",
                "DefaultDrawing", "ScrollBars", "ThemeObject"});
    none(combo, {"Style", "Items", "ItemIndex", "ItemHeight", "DropDownCount", "Sorted", "TextAlign", "ThemeObject"});

    const QList<const TPropInfo*> barProperties = GetPropList(bar);
    EXPECT_EQ(std::count_if(barProperties.begin(), barProperties.end(),
                            [](const TPropInfo* info) { return info->Name == QLatin1String("Performance"); }),
              1);

    bar.SetMax(200);
    bar.SetOrientation(TTeScrollOrientation::ksoVertical);
    bar.SetPerformance(TTePerformance::kspNoBuffer);
    grid.SetOptions(grid.Options() + TGridOptions{TGridOption::goRowSelect});
    grid.SetColCount(2);
    combo.SetStyle(TComboBoxStyle::csDropDownList);
    combo.Items()->Add(QStringLiteral("44100 Hz"));
    combo.SetTextAlign(TAlignment::taCenter);
    for (const char* name : {"Max", "Orientation", "Performance"})
        EXPECT_TRUE(stored(bar, name)) << name;
    for (const char* name : {"Options", "ColCount"})
        EXPECT_TRUE(stored(grid, name)) << name;
    for (const char* name : {"Style", "Items", "TextAlign"})
        EXPECT_TRUE(stored(combo, name)) << name;
}

// A stored grid asking for a behaviour the grid lacks is refused by name; the options it has are read.
TEST(ControlStoredProperties, GridOptionsWithoutABehaviourAreRefused)
{
    RegisterControlComponents();
    TTeStringGrid grid(nullptr);
    const TPropInfo* options = GetPropInfo(grid, QStringLiteral("Options"));
    ASSERT_NE(options, nullptr);
    const auto bits = [](TGridOptions set) { return TPropValue(static_cast<std::int64_t>(set.Bits())); };
    for (const TGridOption refused : {TGridOption::goRowSizing, TGridOption::goRowMoving, TGridOption::goColMoving,
                                      TGridOption::goEditing, TGridOption::goAlwaysShowEditor}) {
        const QString name = GridOptionNames()[static_cast<int>(refused)];
        try {
            options->Set(grid, bits(TGridOptions{TGridOption::goRowSelect, refused}));
            ADD_FAILURE() << name.toStdString() << " was taken";
        } catch (const Exception& error) {
            EXPECT_TRUE(error.Message().contains(QStringLiteral("the grid has no ") + name)) << error.Message().toStdString();
        }
        EXPECT_FALSE(grid.Options().Contains(refused));
    }
    options->Set(grid, bits(GridOptionsDone()));
    EXPECT_EQ(grid.Options(), GridOptionsDone());
}
