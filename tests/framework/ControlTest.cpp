// Controls: windowless children drawn and fed by their parent, focus, and widgets that outlive
// neither their control nor a parent that goes first.
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

#include "framework/Brush.h"
#include "framework/CustomControl.h"
#include "framework/Form.h"
#include "framework/GraphicControl.h"
#include "framework/Messages.h"
#include "framework/TextLayout.h"
#include "framework/VirtualKeys.h"

namespace {

class TFilled : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override
    {
        Canvas().Brush()->SetColor(Color());
        Canvas().FillRect(ClientRect());
    }
};

class TSpot : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    int enters = 0;
    int leaves = 0;
    void MouseEnter() override { ++enters; }
    void MouseLeave() override { ++leaves; }

protected:
    void Paint() override
    {
        Canvas().Brush()->SetColor(Color());
        Canvas().FillRect(Rect(0, 0, Width(), Height()));
    }
};

struct TShownForm {
    TOwned<TForm> owned{MakeOwned<TForm>(nullptr)};
    TForm& form{*owned};
    TShownForm()
    {
        form.SetBounds(0, 0, 120, 80);
        form.Show();
    }
};

}  // namespace

TEST(Control, AWindowlessChildIsDrawnByItsParentAtItsBoundsAndGetsItsMouseInput)
{
    TShownForm shown;
    TFilled panel(nullptr);
    panel.SetParent(&shown.form);
    panel.SetBounds(10, 10, 60, 40);
    panel.SetColor(clWhite);
    TSpot spot(nullptr);
    spot.SetParent(&panel);
    spot.SetBounds(5, 6, 10, 8);
    spot.SetColor(clRed);
    QList<TPoint> downs;
    int clicks = 0;
    spot.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) { downs.append(Point(x, y)); };
    spot.OnClick = [&](TObject*) { ++clicks; };

    const QImage image = panel.Handle()->grab().toImage();
    EXPECT_EQ(image.pixel(5, 6), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(14, 13), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(15, 13), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(4, 6), qRgb(255, 255, 255));

    QTest::mouseMove(panel.Handle(), QPoint(1, 1));
    QTest::mouseMove(panel.Handle(), QPoint(7, 9));
    EXPECT_EQ(spot.enters, 1);
    QTest::mouseClick(panel.Handle(), Qt::LeftButton, {}, QPoint(7, 9));
    QTest::mouseMove(panel.Handle(), QPoint(30, 30));
    EXPECT_EQ(spot.leaves, 1);
    ASSERT_EQ(downs.size(), 1);
    EXPECT_EQ(downs[0], Point(2, 3));
    EXPECT_EQ(clicks, 1);
}

TEST(Control, FocusFiresEnterAndExit)
{
    TShownForm shown;
    shown.form.Handle()->activateWindow();
    TFilled first(nullptr);
    TFilled second(nullptr);
    QStringList log;
    for (auto [control, name] : {std::pair{&first, "first"}, {&second, "second"}}) {
        control->SetParent(&shown.form);
        control->SetTabStop(true);
        control->OnEnter = [&log, name](TObject*) { log << QStringLiteral("enter %1").arg(name); };
        control->OnExit = [&log, name](TObject*) { log << QStringLiteral("exit %1").arg(name); };
    }
    ASSERT_TRUE(QTest::qWaitForWindowActive(shown.form.Handle()));
    first.SetFocus();
    EXPECT_TRUE(first.Focused());
    second.SetFocus();
    EXPECT_EQ(log, QStringList({"enter first", "exit first", "enter second"}));
    second.SetEnabled(false);
    EXPECT_FALSE(second.CanFocus());
}

// A key reaches OnKeyDown, then OnKeyPress with what it types; clearing it in OnKeyDown keeps only
// the control's own use of it, not the typed character.
TEST(Control, KeysReachOnKeyDownThenOnKeyPress)
{
    TShownForm shown;
    TFilled control(nullptr);
    control.SetParent(&shown.form);
    QStringList log;
    control.OnKeyDown = [&log](TObject*, std::uint16_t& key, TShiftState) {
        log << QStringLiteral("down %1").arg(key);
        key = 0;
    };
    control.OnKeyPress = [&log](TObject*, QChar& key) { log << QStringLiteral("press %1").arg(key); };
    QTest::keyClick(control.Handle(), Qt::Key_A);
    QTest::keyClick(control.Handle(), Qt::Key_Up);
    EXPECT_EQ(log, QStringList({QStringLiteral("down %1").arg(int{'A'}), "press a",
                                QStringLiteral("down %1").arg(VK_UP)}));
}

TEST(Control, AParentGoingFirstLeavesItsChildrenWhole)
{
    auto* form = new TForm(nullptr);
    auto* outer = new TFilled(nullptr);
    outer->SetParent(form);
    TFilled inner(nullptr);
    inner.SetParent(outer);
    TFilled onForm(nullptr);
    onForm.SetParent(form);
    QPointer<QWidget> innerWidget = inner.Handle();

    delete outer;
    EXPECT_EQ(inner.Parent(), nullptr);
    EXPECT_EQ(inner.Handle()->parentWidget(), nullptr);
    form->Free();
    EXPECT_EQ(onForm.ParentForm(), nullptr);
    EXPECT_EQ(onForm.Handle()->parentWidget(), nullptr);
    EXPECT_FALSE(innerWidget.isNull());
}

TEST(Control, ParentColourAndFontFollowTheParentUntilSetOnTheControl)
{
    TFilled parent(nullptr);
    parent.SetColor(clRed);
    parent.Font()->SetSize(14);
    TSpot child(nullptr);
    child.SetParentColor(true);
    child.SetParent(&parent);
    EXPECT_EQ(child.Color(), clRed);
    EXPECT_EQ(child.Font()->Size(), 14);
    parent.SetColor(clLime);
    parent.Font()->SetSize(12);
    EXPECT_EQ(child.Color(), clLime);
    EXPECT_EQ(child.Font()->Size(), 12);
    child.Font()->SetSize(9);
    EXPECT_FALSE(child.ParentFont());
    child.SetColor(clBlue);
    EXPECT_FALSE(child.ParentColor());
}

namespace {

// Records the keys it gets and the control messages that go round its form; with Greedy it keeps
// Enter for itself.
class TListener : public TFilled {
public:
    using TFilled::TFilled;
    QStringList Log;
    bool Greedy = false;

    void Dispatch(TMessage& message) override
    {
        if (message.Msg == CM_DIALOGKEY)
            Log << QStringLiteral("dialog key %1").arg(message.WParam);
        else if (message.Msg == CM_DIALOGCHAR)
            Log << QStringLiteral("dialog char %1").arg(QChar(static_cast<char16_t>(message.WParam)));
        else if (message.Msg == CM_FOCUSCHANGED)
            Log << QStringLiteral("focus %1").arg(reinterpret_cast<TControl*>(message.LParam)->Name());
        TFilled::Dispatch(message);
    }

protected:
    void KeyDown(std::uint16_t& key, TShiftState shift) override
    {
        Log << QStringLiteral("key %1").arg(key);
        if (Greedy && key == VK_RETURN)
            key = 0;
        TFilled::KeyDown(key, shift);
    }
};

}  // namespace

TEST(Control, KeysAreVirtualKeysAndThoseLeftAloneGoRoundTheFormAsDialogKeys)
{
    TShownForm shown;
    shown.form.Handle()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(shown.form.Handle()));
    TFilled host(nullptr);
    host.SetParent(&shown.form);
    TListener focused(nullptr);
    focused.SetName(QStringLiteral("Focused"));
    focused.SetParent(&host);
    focused.SetTabStop(true);
    TListener other(nullptr);
    other.SetParent(&host);
    focused.SetFocus();
    EXPECT_EQ(other.Log, QStringList({"focus Focused"}));
    other.Log.clear();

    QWidget* widget = focused.Handle();
    QTest::keyClick(widget, Qt::Key_Escape);
    QTest::keyClick(widget, Qt::Key_Left);
    QTest::keyClick(widget, Qt::Key_A, Qt::AltModifier);
    focused.Greedy = true;
    QTest::keyClick(widget, Qt::Key_Return);
    // Alt is a key of its own before the letter.
    EXPECT_EQ(focused.Log, QStringList({"focus Focused", "key 27", "dialog key 27", "key 37", "key 18", "key 65",
                                        "dialog char a", "key 13"}));
    EXPECT_EQ(other.Log, QStringList({"dialog key 27", "dialog char a"}));
}

TEST(Control, TheAcceleratorIsTheCharacterAfterASingleAmpersand)
{
    const struct {
        const char* Text;
        QChar Key;
        bool Accel;
    } cases[] = {{"&Open", 'o', true}, {"&Open", 'O', true}, {"Save &as", 'a', true}, {"Open", 'o', false},
                 {"&&Open", 'o', false}, {"Fish && &Chips", 'c', true}, {"End&", 'd', false}};
    for (const auto& c : cases)
        EXPECT_EQ(IsAccel(c.Key, QString::fromLatin1(c.Text)), c.Accel) << c.Text << " " << c.Key.toLatin1();
}
