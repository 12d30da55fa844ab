// The push button's input: clicks by mouse and keys, the default and cancel buttons, accelerators,
// the modal result, the standard kinds and the picture's cells.
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "controls/widgets/TeButton.h"
#include "controls/widgets/TeCheckBox.h"
#include "tests/controls/ControlFixtures.h"

namespace {

// A form with two buttons and a check box, the form active so that they can take the focus.
struct TButtonForm : TShownForm {
    TTeButton first{nullptr};
    TTeButton second{nullptr};
    TTeCheckBox box{nullptr};
    int firstClicks = 0;
    int secondClicks = 0;

    TButtonForm() : TShownForm(300, 120)
    {
        first.SetParent(&form);
        first.SetBounds(10, 10, 75, 25);
        first.SetCaption(QStringLiteral("&First"));
        second.SetParent(&form);
        second.SetBounds(100, 10, 75, 25);
        second.SetCaption(QStringLiteral("Second"));
        box.SetParent(&form);
        box.SetBounds(10, 50, 98, 20);
        first.OnClick = [this](TObject*) { ++firstClicks; };
        second.OnClick = [this](TObject*) { ++secondClicks; };
        Activate();
    }
};

}  // namespace

TEST(ButtonInput, AClickIsAPressAndAReleaseInside)
{
    TButtonForm f;
    QWidget* widget = f.first.Handle();
    QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(f.first.IsPressed());
    EXPECT_TRUE(f.first.IsFocused());
    EXPECT_EQ(f.firstClicks, 0);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(70, 20));
    EXPECT_FALSE(f.first.IsPressed());
    EXPECT_EQ(f.firstClicks, 1);
}

TEST(ButtonInput, ReleasingOutsideDoesNotClickAndThePressFollowsTheMouse)
{
    TButtonForm f;
    QWidget* widget = f.first.Handle();
    QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(widget, QPoint(80, 5));
    EXPECT_FALSE(f.first.IsPressed());
    QTest::mouseMove(widget, QPoint(74, 24));
    EXPECT_TRUE(f.first.IsPressed());
    QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(75, 5));
    EXPECT_FALSE(f.first.IsPressed());
    EXPECT_EQ(f.firstClicks, 0);
}

TEST(ButtonInput, ADisabledButtonIgnoresTheMouse)
{
    TButtonForm f;
    f.first.SetEnabled(false);
    QTest::mouseClick(f.first.Handle(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(f.firstClicks, 0);
}

TEST(ButtonInput, SpaceClicksOnRelease)
{
    TButtonForm f;
    f.first.SetFocus();
    QTest::keyPress(f.first.Handle(), Qt::Key_Space);
    EXPECT_TRUE(f.first.IsPressed());
    EXPECT_EQ(f.firstClicks, 0);
    QTest::keyRelease(f.first.Handle(), Qt::Key_Space);
    EXPECT_FALSE(f.first.IsPressed());
    EXPECT_EQ(f.firstClicks, 1);
}

TEST(ButtonInput, EnterPressesTheFocusedButtonOrTheDefaultOneButNotWithCtrlOrAlt)
{
    TButtonForm f;
    f.second.SetDefault(true);
    f.first.SetFocus();
    QTest::keyClick(f.first.Handle(), Qt::Key_Return);
    EXPECT_EQ(f.firstClicks, 1);
    EXPECT_EQ(f.secondClicks, 0);

    f.box.SetFocus();
    QTest::keyClick(f.box.Handle(), Qt::Key_Enter);
    EXPECT_EQ(f.secondClicks, 1);
    QTest::keyClick(f.box.Handle(), Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(f.box.Handle(), Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(f.secondClicks, 1);
    EXPECT_EQ(f.firstClicks, 1);
}

TEST(ButtonInput, EscapePressesTheCancelButtonWhenItCanTakeTheFocus)
{
    TButtonForm f;
    f.second.SetCancel(true);
    f.box.SetFocus();
    QTest::keyClick(f.box.Handle(), Qt::Key_Escape);
    EXPECT_EQ(f.secondClicks, 1);
    f.second.SetEnabled(false);
    QTest::keyClick(f.box.Handle(), Qt::Key_Escape);
    EXPECT_EQ(f.secondClicks, 1);
}

TEST(ButtonInput, TheAcceleratorWithAltFocusesAndClicks)
{
    TButtonForm f;
    f.box.SetFocus();
    QTest::keyClick(f.box.Handle(), Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(f.firstClicks, 1);
    EXPECT_TRUE(f.first.Focused());
    // Without Alt the letter is typed, not an accelerator; a letter no caption marks does nothing.
    QTest::keyClick(f.first.Handle(), Qt::Key_F);
    QTest::keyClick(f.first.Handle(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(f.firstClicks, 1);
    EXPECT_EQ(f.secondClicks, 0);
}

TEST(ButtonInput, TheDefaultButtonHandsOverWhileAnotherButtonHasTheFocus)
{
    TButtonForm f;
    f.first.SetDefault(true);
    f.box.SetFocus();
    EXPECT_TRUE(f.first.ActiveDefault());
    EXPECT_FALSE(f.second.ActiveDefault());
    f.second.SetFocus();
    EXPECT_FALSE(f.first.ActiveDefault());
    EXPECT_TRUE(f.second.ActiveDefault());
    f.box.SetFocus();
    EXPECT_TRUE(f.first.ActiveDefault());
    EXPECT_FALSE(f.second.ActiveDefault());
    f.first.SetDefault(false);
    EXPECT_FALSE(f.first.ActiveDefault());
}

TEST(ButtonInput, AClickHandsTheModalResultToTheFormAndACloseButtonClosesIt)
{
    TButtonForm f;
    f.first.SetModalResult(mrCancel);
    QTest::mouseClick(f.first.Handle(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(f.form.ModalResult(), mrCancel);
    EXPECT_EQ(f.firstClicks, 1);

    int closes = 0;
    f.form.OnClose = [&](TObject*, TCloseAction& action) {
        ++closes;
        action = TCloseAction::caNone;
    };
    f.second.SetKind(TBitBtnKind::bkClose);
    QTest::mouseClick(f.second.Handle(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(f.secondClicks, 1);
}

TEST(ButtonKind, EachKindSetsCaptionModalResultDefaultAndPicture)
{
    const struct {
        TBitBtnKind Kind;
        const char* Caption;
        TModalResult Result;
        bool Default;
    } cases[] = {
        {TBitBtnKind::bkOK, "OK", 1, true},          {TBitBtnKind::bkCancel, "Cancel", 2, false},
        {TBitBtnKind::bkHelp, "&Help", 0, false},    {TBitBtnKind::bkYes, "&Yes", 6, true},
        {TBitBtnKind::bkNo, "&No", 7, false},        {TBitBtnKind::bkClose, "&Close", 0, false},
        {TBitBtnKind::bkAbort, "Abort", 3, false},   {TBitBtnKind::bkRetry, "&Retry", 4, false},
        {TBitBtnKind::bkIgnore, "&Ignore", 5, false}, {TBitBtnKind::bkAll, "&All", 8, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Caption);
        TTeButton button(nullptr);
        button.SetDefault(!c.Default);
        button.SetKind(c.Kind);
        EXPECT_EQ(button.Caption(), QString::fromLatin1(c.Caption));
        EXPECT_EQ(button.ModalResult(), c.Result);
        EXPECT_EQ(button.Default(), c.Default);
        EXPECT_EQ(button.NumGlyphs(), 2);
        EXPECT_EQ(button.Glyph().Width(), 32);
        EXPECT_EQ(button.Glyph().Height(), 16);
    }
    TTeButton custom(nullptr);
    custom.SetCaption(QStringLiteral("Mine"));
    custom.SetKind(TBitBtnKind::bkCustom);
    EXPECT_EQ(custom.Caption(), QStringLiteral("Mine"));
    EXPECT_TRUE(custom.Glyph().Empty());
}

TEST(ButtonGlyph, NumGlyphsFollowsThePicturesShape)
{
    const struct {
        int Width;
        int Height;
        int NumGlyphs;
    } cases[] = {{16, 16, 1}, {32, 16, 2}, {48, 16, 3}, {64, 16, 4}, {80, 16, 1}, {17, 16, 1}, {8, 16, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Width);
        TteBitmap glyph;
        glyph.SetSize(c.Width, c.Height);
        TTeButton button(nullptr);
        button.SetGlyph(glyph);
        EXPECT_EQ(button.NumGlyphs(), c.NumGlyphs);
    }
}

TEST(ButtonGlyph, TheCellAndItsColoursFollowTheState)
{
    // Cells of 16 × 16: red, blue, green; the bottom-left pixel gives the ground, which is not drawn.
    const auto paint = [](TteBitmap& glyph, int cells) {
        glyph.SetSize(16 * cells, 16);
        const TteColor colours[] = {0xFFFF0000, 0xFF0000FF, 0xFF00FF00};
        for (int i = 0; i < cells; ++i) {
            glyph.FillRect(Rect(16 * i, 0, 16 * i + 16, 16), colours[i]);
            glyph.SetPixel(16 * i, 15, 0xFF008080);
        }
    };
    const struct {
        const char* Name;
        int Cells;
        bool BlackAndWhite;
        bool Hot;
        bool Disabled;
        bool Pressed;
        QRgb Expected;
    } cases[] = {
        {"plain", 1, false, false, false, false, qRgb(255, 0, 0)},
        {"black and white", 1, true, false, false, false, qRgb(128, 128, 128)},
        {"black and white, hot", 1, true, true, false, false, qRgb(255, 0, 0)},
        {"one cell, disabled", 1, false, false, true, false, qRgb(185, 185, 185)},
        {"two cells, disabled", 2, false, false, true, false, qRgb(0, 0, 255)},
        {"three cells, pressed", 3, false, false, false, true, qRgb(0, 255, 0)},
        {"two cells, pressed", 2, false, false, false, true, qRgb(255, 0, 0)},
    };
    TShownForm shown;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TTeButton button(nullptr);
        button.SetParent(&shown.form);
        button.SetBounds(0, 0, 40, 24);
        TteBitmap glyph;
        paint(glyph, c.Cells);
        button.SetGlyph(glyph);
        button.SetBlackAndWhiteGlyph(c.BlackAndWhite);
        // Whatever the pointer does on the screen.
        if (c.Hot)
            button.MouseEnter();
        else
            button.MouseLeave();
        if (c.Pressed)
            button.MouseDown(TMouseButton::mbLeft, {}, 5, 5);
        button.SetEnabled(!c.Disabled);
        const QImage image = button.Handle()->grab().toImage();
        // The cell is centred: (12, 4) to (28, 20), one pixel further while pressed.
        const int shift = c.Pressed ? 1 : 0;
        EXPECT_EQ(image.pixel(20 + shift, 12 + shift), c.Expected);
        EXPECT_EQ(image.pixel(12 + shift, 19 + shift), ToQColor(clBtnFace).rgb());
    }
}
