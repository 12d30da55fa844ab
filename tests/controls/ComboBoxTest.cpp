// The themed combo box through its input: choosing with the keyboard, the mouse and the wheel fires
// OnChange once per change; the drop-down list's themed bar and the list agree; hot states follow
// the mouse; a theme change gives the list back; the face is drawn without an item when none is
// chosen; rows of a list whose theme leaves the item's background to the list show nothing of the
// rows drawn before them.
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/widgets/TeSComboBox.h"
#include "framework/Colors.h"
#include "tests/controls/ControlFixtures.h"
#include "theme/ThemeColors.h"
#include "theme/ThemeManager.h"
#include "theme/ThemeParts.h"
#include "themes/FlatTheme.h"

namespace {

const QStringList kNames{"Alpha", "Bravo", "Charlie", "Delta",  "Echo",  "Foxtrot", "Golf",
                         "Hotel", "India", "Juliet",  "Kilo",   "Lima",  "Mike",    "November",
                         "Oscar", "Papa",  "Quebec",  "Romeo",  "Sierra", "Tango"};

class TCountingCombo : public TTeSComboBox {
public:
    using TTeSComboBox::TTeSComboBox;
    int ItemsDrawn = 0;

protected:
    void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override
    {
        ++ItemsDrawn;
        TTeSComboBox::DrawItem(index, rect, state);
    }
};

struct TComboOnForm {
    TShownForm shown{300, 260};
    TCountingCombo combo{nullptr};
    int changes = 0;
    TComboOnForm()
    {
        combo.SetParent(&shown.form);
        combo.SetStyle(TComboBoxStyle::csDropDownList);
        combo.SetBounds(10, 10, 120, 21);
        for (const QString& name : kNames)
            combo.Items()->Add(name);
        combo.OnChange = [this](TObject*) { ++changes; };
    }
    QComboBox* Box() { return combo.Box(); }
    QAbstractItemView* List() { return combo.Box()->view(); }
    int FirstRowShown() { return List()->indexAt(QPoint(2, 2)).row(); }
};

// A theme whose items in the normal state draw nothing, leaving the background to the list, as a
// skin's item without a colour does.
class TClearItemTheme : public TTeFlatTheme {
public:
    void DrawListBoxItem(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override
    {
        if (info.State != ThemeByte(TteListItemState::klisNormal))
            TTeFlatTheme::DrawListBoxItem(kind, canvas, info, objectName);
    }
};

void Wheel(QWidget* widget, int delta)
{
    const QPoint at = widget->rect().center();
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &event);
}

}  // namespace

TEST(ComboBox, ChoosingWithTheKeyboardFiresOnChangeOncePerChange)
{
    TComboOnForm f;
    f.combo.SetItemIndex(0);
    EXPECT_EQ(f.changes, 0);  // the program's own choice
    struct TKey {
        Qt::Key key;
        int index;
        int changes;
    };
    const TKey keys[] = {
        {Qt::Key_Down, 1, 1}, {Qt::Key_End, 19, 2}, {Qt::Key_Down, 19, 2}, {Qt::Key_Home, 0, 3}, {Qt::Key_Up, 0, 3},
    };
    for (const TKey& key : keys) {
        QTest::keyClick(f.Box(), key.key);
        EXPECT_EQ(f.combo.ItemIndex(), key.index);
        EXPECT_EQ(f.changes, key.changes);
    }
    QTest::keyClicks(f.Box(), QStringLiteral("ro"));  // typing the first letters
    EXPECT_EQ(f.combo.Text(), QStringLiteral("Romeo"));
    EXPECT_EQ(f.changes, 4);
}

TEST(ComboBox, ChoosingWithTheMouseAndTheWheelFiresOnChangeOnce)
{
    TComboOnForm f;
    f.combo.SetItemIndex(0);
    f.combo.SetDroppedDown(true);
    QCoreApplication::processEvents();
    ASSERT_TRUE(f.combo.DroppedDown());
    ASSERT_TRUE(f.combo.ListWindow()->isVisible());
    const QRect item = f.List()->visualRect(f.Box()->model()->index(3, 0));
    QTest::mouseClick(f.List()->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(f.combo.ItemIndex(), 3);
    EXPECT_EQ(f.changes, 1);
    EXPECT_FALSE(f.combo.DroppedDown());

    Wheel(f.Box(), -120);
    EXPECT_EQ(f.combo.ItemIndex(), 4);
    EXPECT_EQ(f.changes, 2);
}

TEST(ComboBox, TheDropDownListsThemedBarAndTheListAgree)
{
    SetCurrentTheme(new TteBuiltTheme<TTeFlatTheme>());
    {
        TComboOnForm f;
        EXPECT_EQ(f.combo.DropDownCount(), 8);
        f.combo.SetDroppedDown(true);
        QCoreApplication::processEvents();
        TListScrollBar* bar = f.combo.ListScrollBar();
        ASSERT_NE(bar, nullptr);
        ASSERT_EQ(f.List()->verticalScrollBar(), bar);
        ASSERT_TRUE(bar->isVisible());
        EXPECT_EQ(bar->maximum(), 20 - 8);

        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 3));  // down arrow
        EXPECT_EQ(bar->value(), 1);
        EXPECT_EQ(f.FirstRowShown(), 1);
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, 3));  // up arrow
        EXPECT_EQ(f.FirstRowShown(), 0);

        // One line per wheel message, however far the wheel turned.
        Wheel(f.List()->viewport(), -360);
        EXPECT_EQ(bar->value(), 1);
        Wheel(f.List()->viewport(), -120);
        EXPECT_EQ(f.FirstRowShown(), 2);

        const TScrollBarLayout layout = bar->Layout();
        const QPoint grip((layout.Thumb.Left + layout.Thumb.Right) / 2, layout.Thumb.Top + 2);
        QTest::mousePress(bar, Qt::LeftButton, {}, grip);
        QTest::mouseMove(bar, QPoint(grip.x(), layout.TrackEnd));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(grip.x(), layout.TrackEnd));
        EXPECT_EQ(bar->value(), bar->maximum());
        EXPECT_EQ(f.FirstRowShown(), bar->maximum());
        f.combo.SetDroppedDown(false);

        // Without the theme the list gets its own bar back.
        ClearCurrentTheme();
        EXPECT_EQ(f.combo.ListScrollBar(), nullptr);
        EXPECT_EQ(dynamic_cast<TListScrollBar*>(f.List()->verticalScrollBar()), nullptr);
    }
    ClearCurrentTheme();
}

TEST(ComboBox, ARowLeftToTheListShowsTheListsColourNotTheRowBefore)
{
    SetCurrentTheme(new TteBuiltTheme<TClearItemTheme>());
    {
        TComboOnForm f;
        f.combo.Items()->Clear();
        // A wide row drawn first, then a narrow one: the narrow row's right part holds no text of
        // its own.
        for (const char* text : {"WWWWWWWWWWWW", "i", "WWWWWWWWWWWW", "i"})
            f.combo.Items()->Add(QString::fromLatin1(text));
        f.combo.SetItemIndex(0);
        f.combo.SetDroppedDown(true);
        QCoreApplication::processEvents();
        const QColor list = ToQColor(CurrentTheme()->Colors()->GetColor(TteThemeColor::ktcList));
        for (int row : {1, 3}) {
            const QRect rect = f.List()->visualRect(f.List()->model()->index(row, 0));
            const QImage picture = f.List()->viewport()->grab(rect).toImage();
            int stray = 0;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 12; x < picture.width(); ++x)
                    stray += picture.pixelColor(x, y).rgb() != list.rgb();
            EXPECT_EQ(stray, 0) << "row " << row;
        }
        f.combo.SetDroppedDown(false);
    }
    ClearCurrentTheme();
}

TEST(ComboBox, HotStatesFollowTheMouseAndLeavingClearsThem)
{
    TComboOnForm f;
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(f.Box(), &enter);
    EXPECT_TRUE(f.combo.IsFaceHot());
    const TRect button = f.combo.ButtonRect();
    QTest::mouseMove(f.Box(), QPoint(button.Left + 5, button.Top + 5));
    EXPECT_TRUE(f.combo.IsButtonHot());
    QTest::mouseMove(f.Box(), QPoint(5, 5));
    EXPECT_FALSE(f.combo.IsButtonHot());
    QTest::mouseMove(f.Box(), QPoint(button.Left + 5, button.Top + 5));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(f.Box(), &leave);
    EXPECT_FALSE(f.combo.IsFaceHot());
    EXPECT_FALSE(f.combo.IsButtonHot());
}

TEST(ComboBox, WithoutAChosenItemTheFaceShowsOnlyItsFrameAndButton)
{
    TComboOnForm f;
    f.combo.SetItemIndex(-1);
    f.combo.ItemsDrawn = 0;
    f.Box()->repaint();
    EXPECT_EQ(f.combo.ItemsDrawn, 0);
    f.combo.SetItemIndex(2);
    f.Box()->repaint();
    EXPECT_EQ(f.combo.ItemsDrawn, 1);
}

TEST(ComboBox, SortedItemsStayInOrderAndKeepTheChosenOne)
{
    TComboOnForm f;
    f.combo.SetItemIndex(1);  // Bravo
    f.combo.Items()->Insert(0, QStringLiteral("Zulu"));
    f.combo.SetSorted(true);
    EXPECT_EQ(f.combo.Items()->Strings(0), QStringLiteral("Alpha"));
    EXPECT_EQ(f.combo.Items()->Strings(20), QStringLiteral("Zulu"));
    EXPECT_EQ(f.combo.Text(), QStringLiteral("Bravo"));
    f.combo.Items()->Add(QStringLiteral("Able"));
    EXPECT_EQ(f.combo.Items()->Strings(0), QStringLiteral("Able"));
    EXPECT_EQ(f.Box()->itemText(0), QStringLiteral("Able"));
    EXPECT_EQ(f.combo.Text(), QStringLiteral("Bravo"));
    EXPECT_EQ(f.changes, 0);
}

TEST(ComboBox, OnKeyDownSeesKeysFirstAndMayKeepThemFromTheBox)
{
    TComboOnForm f;
    f.combo.SetItemIndex(0);
    int keys = 0;
    f.combo.OnKeyDown = [&keys](TObject*, std::uint16_t& key, TShiftState) {
        ++keys;
        key = 0;
    };
    QTest::keyClick(f.Box(), Qt::Key_Down);
    EXPECT_EQ(keys, 1);
    EXPECT_EQ(f.combo.ItemIndex(), 0);
    EXPECT_EQ(f.changes, 0);
}

// The simple style keeps its list under the edit field: nothing drops down, a click in the list and
// the arrow keys in the edit choose (one OnChange each), and the list follows the choice.
TEST(ComboBox, TheSimpleStyleShowsItsListBelowTheEditAndChoosesFromIt)
{
    TComboOnForm f;
    f.combo.SetStyle(TComboBoxStyle::csSimple);
    f.combo.SetBounds(10, 10, 120, 120);
    QCoreApplication::processEvents();
    QAbstractItemView* list = f.combo.ListView();
    ASSERT_NE(list, f.Box()->view());
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(f.Box()->geometry(), QRect(0, 0, 120, f.combo.ItemHeight() + 5));
    EXPECT_EQ(list->geometry(), QRect(0, f.Box()->height(), 120, 120 - f.Box()->height()));
    EXPECT_EQ(f.combo.ListWindow(), list);

    const QRect item = list->visualRect(f.Box()->model()->index(2, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(f.combo.ItemIndex(), 2);
    EXPECT_EQ(f.combo.Text(), QStringLiteral("Charlie"));
    EXPECT_EQ(f.changes, 1);

    f.Box()->setFocus();
    QTest::keyClick(f.Box()->lineEdit(), Qt::Key_Down);
    EXPECT_EQ(f.combo.ItemIndex(), 3);
    EXPECT_EQ(list->currentIndex().row(), 3);
    EXPECT_EQ(f.changes, 2);

    QTest::keyClick(f.Box()->lineEdit(), Qt::Key_F4);
    QTest::keyClick(f.Box()->lineEdit(), Qt::Key_Down, Qt::AltModifier);
    EXPECT_FALSE(f.combo.DroppedDown());
    EXPECT_FALSE(f.Box()->view()->isVisible());

    f.combo.SetStyle(TComboBoxStyle::csDropDownList);
    EXPECT_EQ(f.combo.ListView(), f.Box()->view());
    EXPECT_EQ(f.Box()->height(), 120);
}

// csOwnerDrawVariable asks OnMeasureItem for each item's height; the fixed styles ignore it.
TEST(ComboBox, VariableOwnerDrawnItemsTakeTheHeightsOnMeasureItemGives)
{
    TComboOnForm f;
    f.combo.OnMeasureItem = [](TObject*, int index, int& height) { height += index % 3 * 10; };
    f.combo.SetStyle(TComboBoxStyle::csOwnerDrawVariable);
    f.combo.SetDroppedDown(true);
    QCoreApplication::processEvents();
    for (int index : {0, 1, 2, 3}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(f.List()->visualRect(f.Box()->model()->index(index, 0)).height(), 16 + index % 3 * 10);
    }
    const QRect item = f.List()->visualRect(f.Box()->model()->index(2, 0));
    QTest::mouseClick(f.List()->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(f.combo.ItemIndex(), 2);
    EXPECT_EQ(f.changes, 1);

    f.combo.SetStyle(TComboBoxStyle::csOwnerDrawFixed);
    f.combo.SetDroppedDown(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.List()->visualRect(f.Box()->model()->index(2, 0)).height(), 16);
    f.combo.SetDroppedDown(false);
}

// The simple style's list, always shown, is taken over as soon as the theme draws lists, and given
// back when the theme goes.
TEST(ComboBox, TheSimpleStylesListFollowsTheTheme)
{
    SetCurrentTheme(new TteBuiltTheme<TTeFlatTheme>());
    TComboOnForm f;
    f.combo.SetStyle(TComboBoxStyle::csSimple);
    f.combo.SetBounds(10, 10, 120, 120);
    QAbstractItemView* list = f.combo.ListView();
    ASSERT_NE(f.combo.ListScrollBar(), nullptr);
    EXPECT_EQ(list->verticalScrollBar(), f.combo.ListScrollBar());
    ClearCurrentTheme();
    EXPECT_EQ(f.combo.ListScrollBar(), nullptr);
    EXPECT_EQ(dynamic_cast<TListScrollBar*>(f.combo.ListView()->verticalScrollBar()), nullptr);
}
