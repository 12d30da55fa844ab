// Hot, focused and disabled states through real input, the bevel table, and the own scroll bars.
#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/core/TeScrollBar.h"
#include "framework/Messages.h"
#include "tests/controls/ControlFixtures.h"

namespace {

QRgb Rgb(TColor color)
{
    return ToQColor(color).rgb();
}

// Records the scroll messages its bars send; moves a bar only when told to.
class TScrolledControl : public TSampleControl {
public:
    struct TScroll {
        std::uint32_t msg;
        std::intptr_t code;
        std::intptr_t position;
    };
    QList<TScroll> Scrolls;
    int Accept = -1;

    void Dispatch(TMessage& message) override
    {
        if (message.Msg == WM_HSCROLL || message.Msg == WM_VSCROLL) {
            Scrolls.append({message.Msg, message.WParam, message.LParam});
            TTeScrollBar* bar = message.Msg == WM_HSCROLL ? HorzScrollBar() : VertScrollBar();
            if (Accept >= 0)
                SetScrollBarPosition(bar, Accept);
            return;
        }
        TSampleControl::Dispatch(message);
    }
};

}  // namespace

TEST(ControlStates, TheMouseMakesControlsHotAndTheyRepaint)
{
    TShownForm shown;
    TSampleControl control;
    control.SetParent(&shown.form);
    control.SetBounds(10, 10, 60, 40);
    TSampleGraphic graphic;
    graphic.SetParent(&control);
    graphic.SetBounds(30, 10, 20, 20);
    QStringList events;
    control.OnMouseEnter = [&](TObject*) { events << "enter"; };
    control.OnMouseLeave = [&](TObject*) { events << "leave"; };
    graphic.OnMouseEnter = [&](TObject*) { events << "graphic enter"; };
    graphic.OnMouseLeave = [&](TObject*) { events << "graphic leave"; };
    QWidget* client = shown.form.ClientWidget();
    QTest::mouseMove(client, QPoint(100, 100));
    FlushPaints();

    int paints = control.Paints;
    QTest::mouseMove(client, QPoint(15, 15));
    FlushPaints();
    EXPECT_TRUE(control.IsHot());
    EXPECT_GT(control.Paints, paints);

    QTest::mouseMove(client, QPoint(45, 25));
    EXPECT_TRUE(graphic.IsHot());
    QTest::mouseMove(client, QPoint(15, 15));
    EXPECT_FALSE(graphic.IsHot());

    paints = control.Paints;
    QTest::mouseMove(client, QPoint(100, 100));
    FlushPaints();
    EXPECT_FALSE(control.IsHot());
    EXPECT_GT(control.Paints, paints);
    EXPECT_EQ(events, QStringList({"enter", "graphic enter", "graphic leave", "leave"}));
}

TEST(ControlStates, FocusIsTrackedAndRepaintedAndClearedWhenHidden)
{
    TShownForm shown;
    shown.form.Handle()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(shown.form.Handle()));
    TSampleControl first;
    TSampleControl second;
    for (TSampleControl* control : {&first, &second}) {
        control->SetParent(&shown.form);
        control->SetTabStop(true);
    }
    second.SetLeft(110);
    FlushPaints();

    int paints = first.Paints;
    first.SetFocus();
    FlushPaints();
    EXPECT_TRUE(first.IsFocused());
    EXPECT_GT(first.Paints, paints);

    paints = first.Paints;
    QTest::mouseClick(second.Handle(), Qt::LeftButton, {}, QPoint(5, 5));
    FlushPaints();
    EXPECT_FALSE(first.IsFocused());
    EXPECT_TRUE(second.IsFocused());
    EXPECT_GT(first.Paints, paints);

    second.SetVisible(false);
    EXPECT_FALSE(second.IsFocused());
}

TEST(ControlStates, DisablingRepaints)
{
    TShownForm shown;
    TSampleControl control;
    control.SetParent(&shown.form);
    FlushPaints();
    const int paints = control.Paints;
    control.SetEnabled(false);
    FlushPaints();
    EXPECT_GT(control.Paints, paints);
}

TEST(ControlBorder, EachBevelCutDrawsItsColours)
{
    const struct {
        TTeBevelCut cut;
        TColor outerFirst, outerSecond, innerFirst, innerSecond;
    } cases[] = {
        {TTeBevelCut::kbvLowered, clBtnShadow, clBtnHighlight, cl3DDkShadow, clBtnFace},
        {TTeBevelCut::kbvRaised, clBtnHighlight, cl3DDkShadow, clBtnShadow, clBtnShadow},
        {TTeBevelCut::kbvSpace, clBtnFace, clBtnFace, clBtnFace, clBtnFace},
        {TTeBevelCut::kbvBorder, cl3DDkShadow, cl3DDkShadow, clWindow, clWindow},
        {TTeBevelCut::kbvFlatBorder, clBtnShadow, clBtnShadow, clBtnFace, clBtnFace},
    };
    QImage image(12, 12, QImage::Format_RGB32);
    for (const auto& c : cases) {
        SCOPED_TRACE(BevelCutNames()[static_cast<int>(c.cut)].toStdString());
        TSampleControl control;
        control.SetColor(clBlack);
        control.SetBounds(0, 0, 12, 12);
        control.SetBevelWidth(1);
        control.SetBevelOuter(c.cut);
        control.SetBevelInner(TTeBevelCut::kbvNone);
        EXPECT_EQ(control.GetInnerRect(), Rect(1, 1, 11, 11));
        TDeviceContext surface(&image);
        control.PaintOn(surface);
        EXPECT_EQ(image.pixel(0, 6), Rgb(c.outerFirst));
        EXPECT_EQ(image.pixel(6, 0), Rgb(c.outerFirst));
        EXPECT_EQ(image.pixel(11, 6), Rgb(c.outerSecond));
        EXPECT_EQ(image.pixel(6, 11), Rgb(c.outerSecond));
        EXPECT_EQ(image.pixel(6, 6), qRgb(0, 0, 0));

        control.SetBevelOuter(TTeBevelCut::kbvNone);
        control.SetBevelInner(c.cut);
        control.PaintOn(surface);
        EXPECT_EQ(image.pixel(0, 6), Rgb(c.innerFirst));
        EXPECT_EQ(image.pixel(11, 6), Rgb(c.innerSecond));
    }
}

TEST(ControlBorder, BevelKindsSetBothCutsAndASetCutForgetsTheKind)
{
    const struct {
        TTeBevelKind kind;
        TTeBevelCut cut;
    } cases[] = {
        {TTeBevelKind::kbkSingle, TTeBevelCut::kbvLowered}, {TTeBevelKind::kbkTile, TTeBevelCut::kbvLowered},
        {TTeBevelKind::kbkSoft, TTeBevelCut::kbvLowered},   {TTeBevelKind::kbkBorder, TTeBevelCut::kbvBorder},
        {TTeBevelKind::kbkFlat, TTeBevelCut::kbvFlatBorder},
    };
    for (const auto& c : cases) {
        TSampleControl control;
        control.SetBevelInner(TTeBevelCut::kbvNone);
        control.SetBevelKind(c.kind);
        EXPECT_EQ(control.BevelInner(), c.cut);
        EXPECT_EQ(control.BevelOuter(), c.cut);
        control.SetBevelOuter(TTeBevelCut::kbvRaised);
        EXPECT_EQ(control.BevelKind(), TTeBevelKind::kbkNone);
    }
}

TEST(ControlBorder, TheInnerRectangleLosesTheBorderAndTheBevelsOnTheirSides)
{
    TSampleControl control;
    control.SetBounds(0, 0, 50, 40);
    control.SetBorderWidth(2);
    control.SetBevelWidth(3);
    control.SetBevelSides({TTeBevelEdge::kbsLeft, TTeBevelEdge::kbsBottom});
    // Both cuts are lowered: 2 × 3 on the bevelled sides.
    EXPECT_EQ(control.GetInnerRect(), Rect(8, 2, 48, 32));
}

TEST(ControlScrollBars, BarActionsBecomeScrollMessagesAndTheControlDecidesThePosition)
{
    TShownForm shown(200, 160);
    TScrolledControl control;
    control.SetParent(&shown.form);
    control.SetBounds(0, 0, 100, 80);
    control.SetScrollBarMode(TTeScrollBarMode::ksmBoth);
    TTeScrollBar* horizontal = control.HorzScrollBar();
    TTeScrollBar* vertical = control.VertScrollBar();
    ASSERT_NE(horizontal, nullptr);
    ASSERT_NE(vertical, nullptr);
    const int size = vertical->Width();
    EXPECT_EQ(control.ClientRect(), Rect(0, 0, 100 - size, 80 - size));
    EXPECT_EQ(horizontal->BoundsRect(), Rect(0, 80 - size, 100 - size, 80));
    for (TTeScrollBar* bar : {horizontal, vertical}) {
        bar->SetMax(100);
        bar->SetPageSize(10);
        control.SetScrollBarPosition(bar, 20);
    }
    EXPECT_TRUE(control.Scrolls.isEmpty());

    // The right arrow of the horizontal bar.
    QTest::mouseClick(control.Handle(), Qt::LeftButton, {}, QPoint(100 - size - 3, 80 - 3));
    EXPECT_EQ(horizontal->Position(), 20);  // the handler left it

    // The page area of the vertical bar above its thumb.
    control.Accept = 35;
    const TRect thumb = vertical->Layout().Thumb;
    QTest::mouseClick(control.Handle(), Qt::LeftButton, {}, QPoint(100 - size / 2, thumb.Top - 1));
    EXPECT_EQ(vertical->Position(), 35);  // the handler put it there

    QList<std::intptr_t> codes;
    for (const auto& scroll : control.Scrolls)
        codes << scroll.code;
    // Each press: its step, then the end of scrolling.
    EXPECT_EQ(codes, (QList<std::intptr_t>{1, 8, 2, 8}));
    EXPECT_EQ(control.Scrolls[0].msg, WM_HSCROLL);
    EXPECT_EQ(control.Scrolls[0].position, 21);
    EXPECT_EQ(control.Scrolls[2].msg, WM_VSCROLL);
    EXPECT_EQ(control.Scrolls[2].position, 10);

    control.SetScrollBarMode(TTeScrollBarMode::ksmNone);
    EXPECT_EQ(control.HorzScrollBar(), nullptr);
    EXPECT_EQ(control.ClientRect(), Rect(0, 0, 100, 80));
}
