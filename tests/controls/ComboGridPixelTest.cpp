// Golden pictures of the combo box's face and button in each state and of a grid's cell rows, in
// the abstract theme (which draws neither, so they take their classic look) and in OSXTiger. No
// text is drawn into the compared area.
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QCoreApplication>
#include <QPainter>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "controls/widgets/TeSComboBox.h"
#include "controls/widgets/TeStringGrid.h"
#include "tests/controls/ControlFixtures.h"
#include "tests/support/GoldenImage.h"
#include "theme/ThemeManager.h"
#include "themes/MsStylesTheme.h"
#include "themes/StoredThemes.h"

namespace {

struct TThemeCase {
    const char* name;
    std::function<TteTheme*()> make;
};

const TThemeCase kThemes[] = {
    {"default", [] { return static_cast<TteTheme*>(new TteBuiltTheme<TteTheme>()); }},
    {"osxtiger", [] { return static_cast<TteTheme*>(CreateStoredTheme(QStringLiteral("OSXTiger")).release()); }},
};

QImage Grab(QWidget* widget, const QRect& rect = QRect(QPoint(0, 0), QSize(-1, -1)))
{
    return widget->grab(rect).toImage().convertToFormat(QImage::Format_RGB32);
}

// The pictures one under the other.
QImage Stack(const QList<QImage>& pictures)
{
    int height = 0;
    for (const QImage& picture : pictures)
        height += picture.height();
    QImage all(pictures.first().width(), height, QImage::Format_RGB32);
    QPainter painter(&all);
    int y = 0;
    for (const QImage& picture : pictures) {
        painter.drawImage(0, y, picture);
        y += picture.height();
    }
    return all;
}

// Runs check once per theme with a drop-down list combo box of the given width on a shown form.
template <typename Check>
void ForEachThemeWithCombo(int width, Check check)
{
    for (const TThemeCase& theme : kThemes) {
        SCOPED_TRACE(theme.name);
        SetCurrentTheme(theme.make());
        {
            TShownForm shown(200, 80);
            TTeSComboBox combo(nullptr);
            combo.SetParent(&shown.form);
            combo.SetStyle(TComboBoxStyle::csDropDownList);
            combo.SetBounds(10, 10, width, 21);
            combo.Items()->Add(QStringLiteral("item"));
            check(theme, combo);
        }
        ClearCurrentTheme();
    }
}

}  // namespace

TEST(ComboGridPixels, ComboFaceAndButtonInEachState)
{
    ForEachThemeWithCombo(100, [](const TThemeCase& theme, TTeSComboBox& combo) {
        QWidget* box = combo.Box();
        QList<QImage> states;
        states << Grab(box);  // normal
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(box, &enter);
        states << Grab(box);  // hot
        const TRect button = combo.ButtonRect();
        QTest::mouseMove(box, QPoint(button.Left + 4, button.Top + 4));
        states << Grab(box);  // the button hot
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(box, &leave);
        combo.SetDroppedDown(true);
        QCoreApplication::processEvents();
        states << Grab(box);  // dropped down
        combo.SetDroppedDown(false);
        combo.SetEnabled(false);
        states << Grab(box);  // disabled
        EXPECT_TRUE(MatchesGolden(Stack(states), QStringLiteral("controls/golden/combo_face_%1.png").arg(theme.name)));
    });
}

// The control drawn onto pictures that start with different contents: every pixel of its face must
// be drawn, the see-through corners of a theme's face included, so both pictures come out the same.
TEST(ComboGridPixels, FaceLeavesNoPixelUndrawn)
{
    ForEachThemeWithCombo(110, [](const TThemeCase&, TTeSComboBox& combo) {
        const auto renderOn = [&](QColor start) {
            QImage picture(combo.Handle()->size(), QImage::Format_ARGB32_Premultiplied);
            picture.fill(start);
            combo.Handle()->render(&picture);
            return picture;
        };
        for (const bool dropped : {false, true}) {
            SCOPED_TRACE(dropped ? "dropped down" : "closed");
            combo.SetDroppedDown(dropped);
            QCoreApplication::processEvents();
            EXPECT_EQ(renderOn(Qt::red), renderOn(Qt::green));
        }
        combo.SetDroppedDown(false);
    });
}

TEST(ComboGridPixels, GridCellRows)
{
    for (const TThemeCase& theme : kThemes) {
        SCOPED_TRACE(theme.name);
        SetCurrentTheme(theme.make());
        {
            TShownForm shown(260, 160);
            TTeStringGrid grid(nullptr);
            grid.SetParent(&shown.form);
            grid.SetBounds(10, 10, 200, 120);
            grid.SetColCount(2);
            grid.SetRowCount(4);
            grid.SetFixedCols(0);
            grid.SetDefaultRowHeight(18);
            grid.SetScrollBars(TScrollStyle::ssNone);
            grid.SetOptions(grid.Options() + TGridOptions{TGridOption::goRowSelect});
            grid.SetRow(2);
            QCoreApplication::processEvents();
            // The frame, the fixed row, a plain row and the selected row.
            EXPECT_TRUE(MatchesGolden(Grab(grid.Handle(), QRect(0, 0, 200, 2 + 3 * 19)),
                                      QStringLiteral("controls/golden/grid_rows_%1.png").arg(theme.name)));
        }
        ClearCurrentTheme();
    }
}
