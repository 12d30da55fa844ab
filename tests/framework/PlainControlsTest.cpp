// The plain framework controls: panel bevels, a picture centred and blended, a shape as a line, a
// memo's lines; windowless controls placed straight on a form; and controls read nested in a
// stored description landing in their container.
#include <QBuffer>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include "framework/ClassRegistry.h"
#include "framework/ComponentStream.h"
#include "framework/Filer.h"
#include "framework/Control.h"
#include "framework/Exception.h"
#include "framework/Form.h"
#include "framework/GraphicControl.h"
#include "framework/Image.h"
#include "framework/Memo.h"
#include "framework/Panel.h"
#include "framework/Shape.h"

namespace {

struct TShownForm {
    TOwned<TForm> owned{MakeOwned<TForm>(nullptr)};
    TForm& form{*owned};
    TShownForm()
    {
        RegisterControlProperties();
        form.SetBounds(0, 0, 160, 100);
        form.Show();
    }
    // The client area as it is on the screen, windowed controls and windowless ones included.
    QImage Client() const { return form.ClientWidget()->grab().toImage(); }
};

QRgb Rgb(TColor color)
{
    return ToQColor(color).rgb();
}

// Clicks the widget that lies at point of the client area, as the mouse would.
void ClickClientAt(TForm& form, QPoint point)
{
    QWidget* target = form.ClientWidget()->childAt(point);
    ASSERT_NE(target, nullptr);
    const QPoint local = target->mapFrom(form.ClientWidget(), point);
    QTest::mouseMove(target, local);
    QTest::mouseClick(target, Qt::LeftButton, {}, local);
}

class TSpot : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override
    {
        Canvas().Brush()->SetColor(Color());
        Canvas().FillRect(ClientRect());
    }
};

}  // namespace

TEST(PlainControls, APanelsBevelsAreLightAndDarkEdgesAroundItsColour)
{
    const struct {
        TBevelCut outer;
        TBevelCut inner;
        TColor topLeft;      // at (0, 0)
        TColor bottomRight;  // at (w-1, h-1)
        TColor second;       // at (1, 1): the inner bevel's edge, else the fill
    } cases[] = {
        {TBevelCut::bvLowered, TBevelCut::bvNone, clBtnShadow, clBtnHighlight, clWhite},
        {TBevelCut::bvRaised, TBevelCut::bvNone, clBtnHighlight, clBtnShadow, clWhite},
        {TBevelCut::bvRaised, TBevelCut::bvLowered, clBtnHighlight, clBtnShadow, clBtnShadow},
        {TBevelCut::bvNone, TBevelCut::bvNone, clWhite, clWhite, clWhite},
    };
    for (const auto& c : cases) {
        TShownForm shown;
        auto* panel = new TPanel(&shown.form);
        panel->SetParent(&shown.form);
        panel->SetBounds(10, 10, 40, 20);
        panel->SetColor(clWhite);
        panel->SetBevelOuter(c.outer);
        panel->SetBevelInner(c.inner);
        const QImage image = panel->Handle()->grab().toImage();
        EXPECT_EQ(image.pixel(0, 0), Rgb(c.topLeft));
        EXPECT_EQ(image.pixel(39, 19), Rgb(c.bottomRight));
        EXPECT_EQ(image.pixel(1, 1), Rgb(c.second));
        EXPECT_EQ(image.pixel(20, 10), Rgb(clWhite));
    }
}

TEST(PlainControls, ATransparentPictureIsCentredAndBlendedOverItsParent)
{
    TShownForm shown;
    auto* panel = new TPanel(&shown.form);
    panel->SetParent(&shown.form);
    panel->SetBounds(0, 0, 60, 40);
    panel->SetBevelOuter(TBevelCut::bvNone);
    panel->SetColor(clWhite);
    auto* image = new TImage(&shown.form);
    image->SetParent(panel);
    image->SetBounds(10, 10, 20, 10);
    image->SetCenter(true);
    image->SetTransparent(true);
    // Left half opaque red, right half fully transparent.
    QImage picture(4, 2, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            picture.setPixel(x, y, qRgb(255, 0, 0));
    image->SetPicture(picture);
    EXPECT_EQ(image->PictureRect(), Rect(8, 4, 12, 6));

    const QImage shot = panel->Handle()->grab().toImage();
    EXPECT_EQ(shot.pixel(18, 14), qRgb(255, 0, 0));
    EXPECT_EQ(shot.pixel(19, 15), qRgb(255, 0, 0));
    EXPECT_EQ(shot.pixel(20, 14), qRgb(255, 255, 255));  // transparent: the panel shows
    EXPECT_EQ(shot.pixel(17, 14), qRgb(255, 255, 255));
    EXPECT_EQ(shot.pixel(18, 16), qRgb(255, 255, 255));

    // Opaque: the control's colour around the picture.
    image->SetTransparent(false);
    image->SetColor(clBlue);
    const QImage opaque = panel->Handle()->grab().toImage();
    EXPECT_EQ(opaque.pixel(10, 10), qRgb(0, 0, 255));
    EXPECT_EQ(opaque.pixel(20, 14), qRgb(0, 0, 255));
    EXPECT_EQ(opaque.pixel(18, 14), qRgb(255, 0, 0));
}

TEST(PlainControls, APictureTravelsAsPngAndBytesThatAreNoPictureAreRefused)
{
    RegisterControlProperties();
    TOwned<TImage> image = MakeOwned<TImage>(nullptr);
    image->SetName(QStringLiteral("Image1"));
    QImage picture(3, 2, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    picture.setPixel(1, 1, qRgb(10, 20, 30));
    image->SetPicture(picture);
    image->SetCenter(true);
    TOwned<TImage> read = MakeOwned<TImage>(nullptr);
    StringToComponent(ComponentToString(*image), read.get());
    EXPECT_TRUE(read->Center());
    ASSERT_EQ(read->Picture().size(), QSize(3, 2));
    EXPECT_EQ(read->Picture().pixel(1, 1), qRgb(10, 20, 30));
    EXPECT_EQ(qAlpha(read->Picture().pixel(0, 0)), 0);

    EXPECT_THROW(read->SetPictureData(QByteArray("not a picture")), EPropertyError);
    EXPECT_EQ(read->Picture().size(), QSize(3, 2));
}

TEST(PlainControls, AShapeOneHighIsALineInItsPenAndABoxIsOutlinedAndFilled)
{
    TShownForm shown;
    auto* panel = new TPanel(&shown.form);
    panel->SetParent(&shown.form);
    panel->SetBounds(0, 0, 100, 40);
    panel->SetBevelOuter(TBevelCut::bvNone);
    panel->SetColor(clWhite);
    auto* line = new TShape(&shown.form);
    line->SetParent(panel);
    line->SetBounds(5, 3, 80, 1);
    line->Pen()->SetColor(clSilver);
    auto* box = new TShape(&shown.form);
    box->SetParent(panel);
    box->SetBounds(10, 10, 8, 6);
    box->Pen()->SetColor(clRed);
    box->Brush()->SetColor(clBlue);

    const QImage shot = panel->Handle()->grab().toImage();
    EXPECT_EQ(shot.pixel(5, 3), Rgb(clSilver));
    EXPECT_EQ(shot.pixel(84, 3), Rgb(clSilver));
    EXPECT_EQ(shot.pixel(85, 3), Rgb(clWhite));
    EXPECT_EQ(shot.pixel(5, 4), Rgb(clWhite));
    EXPECT_EQ(shot.pixel(10, 10), Rgb(clRed));
    EXPECT_EQ(shot.pixel(17, 15), Rgb(clRed));
    EXPECT_EQ(shot.pixel(11, 11), Rgb(clBlue));
    EXPECT_EQ(shot.pixel(16, 14), Rgb(clBlue));
    EXPECT_EQ(shot.pixel(18, 15), Rgb(clWhite));
}

TEST(PlainControls, AReadOnlyMemoKeepsItsLinesAgainstTypingAndShowsItsColour)
{
    TShownForm shown;
    auto* memo = new TMemo(&shown.form);
    memo->SetName(QStringLiteral("Memo1"));
    memo->SetParent(&shown.form);
    memo->SetBounds(10, 10, 120, 60);
    memo->SetBorderStyle(TBorderStyle::bsNone);
    memo->SetColor(15002603);
    memo->SetLines({QStringLiteral("first"), QStringLiteral("second")});
    memo->SetReadOnly(true);

    QWidget* editor = shown.form.ClientWidget()->childAt(QPoint(60, 60));
    ASSERT_NE(editor, nullptr);
    editor->setFocus();
    QTest::keyClicks(editor, QStringLiteral("xyz"));
    EXPECT_EQ(memo->Lines(), (QStringList{"first", "second"}));
    // Below the text, inside the memo: its colour (red 235, green 235, blue 228), no border.
    EXPECT_EQ(shown.Client().pixel(128, 68), qRgb(235, 235, 228));
    EXPECT_EQ(shown.Client().pixel(10, 10), qRgb(235, 235, 228));

    memo->SetReadOnly(false);
    const QString stored = ComponentToString(*memo);
    EXPECT_TRUE(stored.contains(QStringLiteral("'second'"))) << stored.toStdString();
    TOwned<TMemo> read = MakeOwned<TMemo>(nullptr);
    StringToComponent(stored, read.get());
    EXPECT_EQ(read->Lines(), memo->Lines());
    EXPECT_EQ(read->BorderStyle(), TBorderStyle::bsNone);
    EXPECT_EQ(read->Color(), TColor(15002603));
}

TEST(PlainControls, AWindowlessControlOnAFormIsDrawnBeneathWindowedOnesAndGetsItsClicks)
{
    TShownForm shown;
    TForm& form = shown.form;
    auto* spot = new TSpot(&form);
    spot->SetParent(&form);
    spot->SetBounds(5, 6, 30, 8);
    spot->SetColor(clRed);
    // A windowed control placed later over the right part of the spot covers it.
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(25, 0, 40, 30);
    panel->SetBevelOuter(TBevelCut::bvNone);
    panel->SetColor(clBlue);
    int clicks = 0;
    spot->OnClick = [&](TObject*) { ++clicks; };

    EXPECT_EQ(spot->ParentForm(), &form);
    EXPECT_EQ(spot->ParentObject(), &form);
    EXPECT_EQ(GetParentForm(spot), &form);
    const QImage shot = shown.Client();
    EXPECT_EQ(shot.pixel(5, 6), qRgb(255, 0, 0));
    EXPECT_EQ(shot.pixel(24, 13), qRgb(255, 0, 0));
    EXPECT_EQ(shot.pixel(4, 6), Rgb(clBtnFace));
    EXPECT_EQ(shot.pixel(25, 6), qRgb(0, 0, 255));

    ClickClientAt(form, QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
    ClickClientAt(form, QPoint(30, 10));  // on the panel
    EXPECT_EQ(clicks, 1);

    // The form growing takes the windowless host with it.
    form.SetClientSize(300, 200);
    spot->SetLeft(250);
    EXPECT_EQ(shown.Client().pixel(250, 6), qRgb(255, 0, 0));

    spot->SetParent(static_cast<TForm*>(nullptr));
    EXPECT_EQ(spot->ParentObject(), nullptr);
    EXPECT_EQ(shown.Client().pixel(250, 6), Rgb(clBtnFace));
}

TEST(PlainControls, AFormGoingFirstLeavesAWindowlessControlItDoesNotOwnWhole)
{
    auto shown = std::make_unique<TShownForm>();
    TOwned<TSpot> spot = MakeOwned<TSpot>(nullptr);
    spot->SetParent(&shown->form);
    shown.reset();
    EXPECT_EQ(spot->Parent(), nullptr);
    EXPECT_EQ(spot->ParentForm(), nullptr);
}

TEST(PlainControls, ControlsReadNestedInAFormOrAContainerAreInsideIt)
{
    TShownForm shown;
    RegisterClass<TSpot>("TSpot");
    const QString text = QStringLiteral(R"(object Form7: TForm
  Caption = 'Stored'
  ClientWidth = 200
  ClientHeight = 120
  Color = clWhite
  object Panel1: TPanel
    Left = 10
    Top = 20
    Width = 100
    Height = 50
    object Shape1: TShape
      Left = 3
      Top = 4
      Width = 10
      Height = 1
    end
  end
  object Spot1: TSpot
    Left = 150
    Top = 5
    Width = 10
    Height = 10
  end
end
)");
    StringToComponent(text, &shown.form);
    EXPECT_EQ(shown.form.Caption(), QStringLiteral("Stored"));
    EXPECT_EQ(shown.form.ClientWidth(), 200);
    EXPECT_EQ(shown.form.ClientHeight(), 120);
    EXPECT_EQ(shown.form.Color(), clWhite);
    auto* panel = dynamic_cast<TPanel*>(shown.form.FindComponent(QStringLiteral("Panel1")));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->ParentForm(), &shown.form);
    auto* shape = dynamic_cast<TShape*>(panel->FindComponent(QStringLiteral("Shape1")));
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->Parent(), panel);
    auto* spot = dynamic_cast<TSpot*>(shown.form.FindComponent(QStringLiteral("Spot1")));
    ASSERT_NE(spot, nullptr);
    EXPECT_EQ(spot->ParentForm(), &shown.form);
    EXPECT_EQ(shown.Client().pixel(13, 24), qRgb(0, 0, 0));  // the shape's black pen inside the panel

    // Written back, the form's own values come out and read again alike.
    const QString written = ComponentToString(shown.form);
    EXPECT_TRUE(written.contains(QStringLiteral("ClientWidth = 200"))) << written.toStdString();
}
