// The label (size, background, accelerator, link cursor) and the group box (client area, the caption
// check box and the children it enables and disables).
#include <gtest/gtest.h>
#include <memory>

#include "controls/widgets/TeCheckBox.h"
#include "controls/widgets/TeGroupBox.h"
#include "controls/widgets/TeLabel.h"
#include "framework/TextLayout.h"
#include "framework/TextSize.h"
#include "tests/controls/ControlFixtures.h"
#include "theme/ThemeManager.h"
#include "themes/MsStylesTheme.h"
#include "themes/StoredThemes.h"

TEST(Label, AutoSizeKeepsOneLineForAnEmptyCaptionAndTheRightEdgeWhenRightAligned)
{
    TTeLabel label(nullptr);
    label.SetBounds(100, 10, 65, 17);
    label.SetCaption(QStringLiteral("Some text"));
    const int oneLine = MeasureText(*label.Font(), QStringLiteral(" "), 0).cy;
    EXPECT_EQ(label.Height(), oneLine);
    EXPECT_GT(label.Width(), MeasureText(*label.Font(), QStringLiteral(" "), 0).cx);

    label.SetCaption(QString());
    EXPECT_EQ(label.Height(), oneLine);
    EXPECT_EQ(label.Width(), MeasureText(*label.Font(), QStringLiteral(" "), 0).cx);
    label.SetCaption(QStringLiteral("&"));
    EXPECT_EQ(label.Height(), oneLine);

    label.SetCaption(QStringLiteral("x"));
    label.SetAlignment(TAlignment::taRightJustify);
    const int right = label.Left() + label.Width();
    label.SetCaption(QStringLiteral("a longer text"));
    EXPECT_EQ(label.Left() + label.Width(), right);
}

TEST(Label, AnOpaqueLabelPaintsItsColourAndSaysSo)
{
    TShownForm shown;
    TSampleControl host;
    host.SetParent(&shown.form);
    host.SetBounds(0, 0, 100, 40);
    host.SetColor(RGB(0, 0, 200));
    TTeLabel label(nullptr);
    label.SetParent(&host);
    label.SetCaption(QStringLiteral("."));
    label.SetAutoSize(false);
    label.SetBounds(20, 10, 40, 20);
    label.SetColor(RGB(0, 200, 0));

    const QPoint inside(20 + 39, 10 + 19);
    QImage image = host.Handle()->grab().toImage();
    EXPECT_EQ(image.pixel(inside), QColor(0, 0, 200).rgb());
    label.SetTransparent(false);
    EXPECT_FALSE(label.Transparent());
    image = host.Handle()->grab().toImage();
    EXPECT_EQ(image.pixel(inside), QColor(0, 200, 0).rgb());
}

TEST(Label, TheAcceleratorFocusesFocusControlAndTheLinkLookShowsTheHand)
{
    TShownForm shown;
    shown.Activate();
    TSampleControl host;
    host.SetParent(&shown.form);
    host.SetBounds(0, 0, 150, 100);
    TTeCheckBox box(nullptr);
    box.SetParent(&host);
    box.SetBounds(10, 60, 98, 20);
    TTeCheckBox target(nullptr);
    target.SetParent(&host);
    target.SetBounds(10, 30, 98, 20);
    TTeLabel label(nullptr);
    label.SetParent(&host);
    label.SetBounds(10, 5, 60, 17);
    label.SetCaption(QStringLiteral("&Name"));
    label.SetFocusControl(&target);
    label.SetCursor(TCursor::crHandPoint);

    box.SetFocus();
    QTest::keyClick(box.Handle(), Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(target.Focused());
    EXPECT_FALSE(target.Checked());

    QTest::mouseMove(host.Handle(), QPoint(12, 8));
    EXPECT_EQ(host.Handle()->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(host.Handle(), QPoint(140, 90));
    EXPECT_NE(host.Handle()->cursor().shape(), Qt::PointingHandCursor);
}

namespace {

// A group box with two children, the second disabled from the start.
struct TGroupForm : TShownForm {
    TTeGroupBox group{nullptr};
    TTeCheckBox first{nullptr};
    TTeCheckBox second{nullptr};

    TGroupForm()
    {
        group.SetParent(&form);
        group.SetBounds(5, 5, 150, 100);
        group.SetCaption(QStringLiteral("Options"));
        for (TTeCheckBox* child : {&first, &second})
            child->SetParent(&group);
        first.SetBounds(14, 30, 98, 20);
        second.SetBounds(14, 55, 98, 20);
        second.SetEnabled(false);
    }
};

}  // namespace

TEST(GroupBox, TheCaptionCheckBoxDisablesAndReenablesExactlyTheChildrenItDisabled)
{
    TGroupForm f;
    int clicks = 0;
    f.group.OnCheckBoxClick = [&](TObject*) { ++clicks; };
    f.group.SetUseCheckBox(true);
    TTeCheckBox* box = f.group.CheckBox();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(box->Caption(), QStringLiteral("Options"));

    QTest::mouseClick(box->Handle(), Qt::LeftButton, {}, QPoint(3, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(f.group.Checked());
    EXPECT_FALSE(f.first.Enabled());
    EXPECT_FALSE(f.second.Enabled());
    EXPECT_TRUE(box->Enabled());
    EXPECT_TRUE(f.group.Enabled());

    QTest::mouseClick(box->Handle(), Qt::LeftButton, {}, QPoint(3, 5));
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(f.group.Checked());
    EXPECT_TRUE(f.first.Enabled());
    EXPECT_FALSE(f.second.Enabled());

    f.group.SetUseCheckBox(false);
    EXPECT_EQ(f.group.CheckBox(), nullptr);
}

TEST(GroupBox, StartingUncheckedKeepsTheCheckBoxEnabledAndTheOthersDisabled)
{
    TGroupForm f;
    f.group.SetChecked(false);
    f.group.SetUseCheckBox(true);
    EXPECT_TRUE(f.group.CheckBox()->Enabled());
    EXPECT_FALSE(f.group.CheckBox()->Checked());
    EXPECT_FALSE(f.first.Enabled());
    // Disabling a group box with a check box unchecks it instead.
    f.group.SetChecked(true);
    EXPECT_TRUE(f.first.Enabled());
    f.group.SetEnabled(false);
    EXPECT_TRUE(f.group.Enabled());
    EXPECT_FALSE(f.group.Checked());
    EXPECT_FALSE(f.first.Enabled());
}

TEST(GroupBox, WithoutTheCheckBoxDisablingTheGroupDisablesItsChildren)
{
    TGroupForm f;
    f.group.SetEnabled(false);
    EXPECT_FALSE(f.first.Enabled());
    f.group.SetEnabled(true);
    EXPECT_TRUE(f.first.Enabled());
    EXPECT_FALSE(f.second.Enabled());
}

TEST(GroupBox, ClientAreaStartsBelowTheCaption)
{
    TTeGroupBox group(nullptr);
    group.SetBounds(0, 0, 150, 100);
    const int tg = MeasureText(*group.Font(), QStringLiteral("Tg"), DT_SINGLELINE).cy;
    EXPECT_EQ(group.ClientRect(), Rect(12, tg, 138, 92));
    group.SetCaption(QStringLiteral("Caption"));
    group.SetUseCheckBox(true);
    EXPECT_EQ(group.ClientRect(), Rect(12, group.CheckBox()->Height(), 138, 92));
    EXPECT_EQ(group.CheckBox()->Height(), tg + 6);
}

TEST(GroupBox, TheAcceleratorFocusesTheFirstChildThatCanTakeIt)
{
    TGroupForm f;
    f.Activate();
    f.group.SetCaption(QStringLiteral("&Options"));
    f.first.SetEnabled(false);
    f.second.SetEnabled(true);
    TTeCheckBox outside(nullptr);
    outside.SetParent(&f.form);
    outside.SetBounds(5, 110, 98, 20);
    outside.SetFocus();
    QTest::keyClick(outside.Handle(), Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(f.second.Focused());
}

TEST(GroupBox, ATransparentChildShowsTheThemedFrameButNotItsSiblings)
{
    std::unique_ptr<TteTheme> tiger = CreateStoredTheme(QStringLiteral("OSXTiger"));
    TFixedLink link(tiger.get());
    TShownForm shown(200, 120);
    // The group box is transparent itself: what lies beneath it comes from a themed host.
    TSampleControl host;
    host.SetParent(&shown.form);
    host.SetBounds(0, 0, 200, 120);
    host.SetColor(RGB(0, 0, 255));
    TTeGroupBox group(nullptr);
    group.SetThemeLink(&link);
    group.SetParent(&host);
    group.SetBounds(5, 5, 150, 100);
    TSpot sibling(nullptr);
    sibling.SetParent(&group);
    sibling.SetBounds(20, 30, 30, 30);
    sibling.SetColor(clRed);
    TTeCheckBox child(nullptr);
    child.SetThemeLink(&link);
    child.SetParent(&group);
    child.SetBounds(20, 30, 98, 20);
    FlushPaints();

    const QImage alone = [&] {
        child.SetVisible(false);
        sibling.SetVisible(false);
        return group.Handle()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }();
    child.SetVisible(true);
    sibling.SetVisible(true);
    const QImage picture = child.Handle()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Right of the mark, left of where a caption would go: the group box's own fill.
    for (const QPoint p : {QPoint(15, 2), QPoint(15, 17), QPoint(90, 10)})
        EXPECT_EQ(picture.pixel(p), alone.pixel(p + QPoint(20, 30))) << p.x() << "," << p.y();
}

TEST(GroupBox, ABufferedCheckBoxInsideShowsTheTranslucentFaceAsTheWindowShowsIt)
{
    // The face of OSXTiger is translucent, so the check box's buffer ends with its alpha; what the
    // window shows (a grab of the whole form keeps alpha) must be the face over the host all the same.
    SetCurrentTheme(CreateStoredTheme(QStringLiteral("OSXTiger")).release());
    TShownForm shown(200, 120);
    TSampleControl host;
    host.SetParent(&shown.form);
    host.SetBounds(0, 0, 200, 120);
    host.SetColor(RGB(230, 230, 230));
    TTeGroupBox group(nullptr);
    group.SetParent(&host);
    group.SetBounds(8, 12, 150, 70);
    group.SetCaption(QStringLiteral("Group"));
    TTeCheckBox child(nullptr);
    child.SetParent(&group);
    child.SetBounds(14, 26, 120, 20);
    child.SetCaption(QStringLiteral("Inside"));
    child.SetChecked(true);
    const auto window = [&] {
        FlushPaints();
        return shown.form.ClientWidget()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    };
    child.SetVisible(false);
    const QImage alone = window();
    child.SetVisible(true);
    const QImage picture = window();
    ClearCurrentTheme();
    // Right of the caption: nothing of the check box's own drawing, only what lies beneath it.
    const QRect plain(group.Left() + child.Left() + 70, group.Top() + child.Top() + 1, 45, 18);
    for (int y = plain.top(); y <= plain.bottom(); ++y)
        for (int x = plain.left(); x <= plain.right(); ++x)
            ASSERT_EQ(QColor::fromRgba(picture.pixel(x, y)), QColor::fromRgba(alone.pixel(x, y))) << x << "," << y;
}
