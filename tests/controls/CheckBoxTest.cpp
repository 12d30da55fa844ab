// The check box's input and states: the toggle cycle with and without the third state, the edges a
// release still counts on, the keys, and one OnClick per change.
#include <gtest/gtest.h>

#include "controls/widgets/TeCheckBox.h"
#include "tests/controls/ControlFixtures.h"

namespace {

struct TCheckBoxForm : TShownForm {
    TTeCheckBox box{nullptr};
    int clicks = 0;

    TCheckBoxForm()
    {
        box.SetParent(&form);
        box.SetBounds(10, 10, 98, 20);
        box.SetCaption(QStringLiteral("&Check"));
        box.OnClick = [this](TObject*) { ++clicks; };
        Activate();
    }
    void Click() { QTest::mouseClick(box.Handle(), Qt::LeftButton, {}, QPoint(5, 5)); }
};

using S = TTeCheckBoxState;

}  // namespace

TEST(CheckBoxInput, ClicksCycleThroughTheThirdStateOnlyWhenAllowed)
{
    const struct {
        bool AllowGrayed;
        S After[3];
    } cases[] = {
        {false, {S::kcbsChecked, S::kcbsUnChecked, S::kcbsChecked}},
        {true, {S::kcbsMixed, S::kcbsChecked, S::kcbsUnChecked}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.AllowGrayed);
        TCheckBoxForm f;
        f.box.SetAllowGrayed(c.AllowGrayed);
        for (int i = 0; i < 3; ++i) {
            f.Click();
            EXPECT_EQ(f.box.State(), c.After[i]) << "after click " << i + 1;
            EXPECT_EQ(f.clicks, i + 1);
        }
    }
}

TEST(CheckBoxInput, AMixedStateSetWithoutAllowGrayedIsKeptAndTogglesToChecked)
{
    TCheckBoxForm f;
    f.box.SetState(S::kcbsMixed);
    EXPECT_EQ(f.box.State(), S::kcbsMixed);
    EXPECT_FALSE(f.box.Checked());
    f.Click();
    EXPECT_EQ(f.box.State(), S::kcbsChecked);
    EXPECT_TRUE(f.box.Checked());
}

TEST(CheckBoxInput, EveryChangeFiresOnClickOnceAndNoChangeNone)
{
    TCheckBoxForm f;
    f.box.SetChecked(true);
    f.box.SetChecked(true);
    f.box.SetState(S::kcbsChecked);
    EXPECT_EQ(f.clicks, 1);
    f.box.SetChecked(false);
    EXPECT_EQ(f.clicks, 2);
}

TEST(CheckBoxInput, AReleaseOnTheRightOrBottomEdgeStillToggles)
{
    const struct {
        QPoint At;
        bool Toggles;
    } cases[] = {{{98, 20}, true}, {{98, 5}, true}, {{5, 20}, true}, {{99, 5}, false}, {{5, 21}, false},
                 {{-1, 5}, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.At.x() << "," << c.At.y());
        TCheckBoxForm f;
        QTest::mousePress(f.box.Handle(), Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_TRUE(f.box.IsPressed());
        QTest::mouseRelease(f.box.Handle(), Qt::LeftButton, {}, c.At);
        EXPECT_FALSE(f.box.IsPressed());
        EXPECT_EQ(f.box.Checked(), c.Toggles);
    }
}

TEST(CheckBoxInput, SpaceTogglesOnReleaseAndTheAcceleratorFocusesAndToggles)
{
    TCheckBoxForm f;
    TTeCheckBox other(nullptr);
    other.SetParent(&f.form);
    other.SetBounds(10, 40, 98, 20);
    other.SetFocus();
    QTest::keyClick(other.Handle(), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(f.box.Focused());
    EXPECT_TRUE(f.box.Checked());

    QTest::keyPress(f.box.Handle(), Qt::Key_Space);
    EXPECT_TRUE(f.box.IsPressed());
    EXPECT_TRUE(f.box.Checked());
    QTest::keyRelease(f.box.Handle(), Qt::Key_Space);
    EXPECT_FALSE(f.box.Checked());
    EXPECT_EQ(f.clicks, 2);
}

TEST(CheckBoxSize, AutoSizeFitsMarkSpacingAndText)
{
    TTeCheckBox box(nullptr);
    box.SetCaption(QStringLiteral("Hi"));
    EXPECT_EQ(box.Width(), 98);
    box.SetAutoSize(true);
    EXPECT_GT(box.Width(), 13 + 5 + 2);
    EXPECT_LT(box.Width(), 98);
    box.SetSpacing(9);
    box.SetCaption(QString());
    EXPECT_EQ(box.Width(), 13 + 9 + 2);
    EXPECT_EQ(box.Height(), 20);
}
