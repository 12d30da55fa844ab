// The button's picture from Glyph and from an image list in each state, the image list freed
// while a button shows it, the button following an action, and when Glyph is stored.
#include <QImage>
#include <gtest/gtest.h>

#include "controls/widgets/TeButton.h"
#include "controls/window/ControlComponents.h"
#include "framework/ComponentStream.h"
#include "tests/controls/ControlFixtures.h"
#include "theme/ThemeManager.h"
#include "themes/MsStylesTheme.h"
#include "themes/StoredThemes.h"

namespace {

constexpr QRgb kRed = 0xFFFF0000;

// 16 × 16 magenta with a red block from (4, 4) to (12, 12).
QImage RedBlock()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(0xFFFF00FF);
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x)
            image.setPixel(x, y, kRed);
    return image;
}

// A classic 75 × 25 button without a caption: its picture is centred at (29, 4).
struct TPictureButton : TShownForm {
    TTeButton button{nullptr};
    TImageList images{nullptr};

    TPictureButton()
    {
        ClearCurrentTheme();
        button.SetParent(&form);
        button.SetBounds(0, 0, 75, 25);
        QImage blue(16, 16, QImage::Format_ARGB32);
        blue.fill(0xFF0000FF);
        images.AddMasked(blue, RGB(255, 0, 255));
        images.AddMasked(RedBlock(), RGB(255, 0, 255));
    }
    QImage Grab() { return button.Handle()->grab().toImage(); }
};

}  // namespace

TEST(ButtonPicture, GlyphAndImageListDrawTheSameInEachState)
{
    const struct {
        const char* Name;
        bool Disabled;
        bool Pressed;
        QRgb Block;
        int Shift;
    } states[] = {
        {"normal", false, false, kRed, 0},
        {"disabled: light grey by lightness", true, false, qRgb(185, 185, 185), 0},
        {"pressed: one pixel further", false, true, kRed, 1},
    };
    for (const bool fromList : {false, true}) {
        for (const auto& s : states) {
            SCOPED_TRACE(testing::Message() << (fromList ? "image list, " : "Glyph, ") << s.Name);
            TPictureButton f;
            if (fromList) {
                f.button.SetImages(&f.images);
                f.button.SetImageIndex(1);
            } else {
                TteBitmap glyph;
                glyph.Assign(RedBlock());
                f.button.SetGlyph(glyph);
            }
            if (s.Pressed)
                f.button.MouseDown(TMouseButton::mbLeft, {}, 5, 5);
            f.button.SetEnabled(!s.Disabled);
            const QImage image = f.Grab();
            const int x = 29 + 4 + s.Shift;
            const int y = 4 + 4 + s.Shift;
            EXPECT_EQ(image.pixel(x, y), s.Block);
            EXPECT_EQ(image.pixel(x + 7, y + 7), s.Block);
            EXPECT_NE(image.pixel(x - 1, y - 1), s.Block);
            EXPECT_NE(image.pixel(x + 8, y + 8), s.Block);
        }
    }
}

TEST(ButtonPicture, AFreedImageListLeavesTheButtonWithoutAPicture)
{
    TPictureButton f;
    auto images = MakeOwned<TImageList>(nullptr);
    images->AddMasked(RedBlock(), RGB(255, 0, 255));
    f.button.SetImages(images.get());
    f.button.SetImageIndex(0);
    EXPECT_EQ(f.Grab().pixel(33, 8), kRed);
    images.reset();
    EXPECT_EQ(f.button.Images(), nullptr);
    EXPECT_EQ(f.Grab().pixel(33, 8), ToQColor(clBtnFace).rgb());
    // A change of the list reaches the button: it draws the picture now at its index.
    f.button.SetImages(&f.images);
    EXPECT_EQ(f.Grab().pixel(33, 8), 0xFF0000FFu);
    f.images.Delete(0);
    EXPECT_EQ(f.Grab().pixel(33, 8), kRed);
}

TEST(ButtonAction, CaptionStateAndClickFollowTheAction)
{
    TPictureButton f;
    TActionList list(nullptr);
    list.SetImages(&f.images);
    auto* action = new TAction(&list);
    action->SetCaption(QStringLiteral("&Rip"));
    action->SetImageIndex(1);
    int executed = 0;
    action->OnExecute = [&](TObject*) { ++executed; };
    f.button.SetImages(&f.images);
    f.button.SetAction(action);
    EXPECT_EQ(f.button.Caption(), QStringLiteral("&Rip"));
    EXPECT_EQ(f.button.ImageIndex(), 1);

    QTest::mouseClick(f.button.Handle(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(executed, 1);

    action->SetCaption(QStringLiteral("Stop"));
    action->SetEnabled(false);
    EXPECT_EQ(f.button.Caption(), QStringLiteral("Stop"));
    EXPECT_FALSE(f.button.Enabled());
    QTest::mouseClick(f.button.Handle(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(executed, 1);

    // A handler of the button's own runs instead of the action.
    action->SetEnabled(true);
    int own = 0;
    f.button.OnClick = [&](TObject*) { ++own; };
    QTest::mouseClick(f.button.Handle(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(own, 1);
    EXPECT_EQ(executed, 1);

    // The action's picture shows when the button's list has none at the index.
    action->SetCaption(QString());
    f.button.SetImages(nullptr);
    f.button.SetImageIndex(-1);
    EXPECT_EQ(f.Grab().pixel(33, 8), kRed);
}

TEST(ButtonPicture, GlyphIsStoredOnlyWhenNoImageListSuppliesThePicture)
{
    RegisterControlComponents();
    TPictureButton f;
    TteBitmap glyph;
    glyph.Assign(RedBlock());
    f.button.SetName(QStringLiteral("TeButton1"));
    f.button.SetGlyph(glyph);
    EXPECT_TRUE(f.button.GlyphStored());
    const QString text = ComponentToString(f.button);
    ASSERT_TRUE(text.contains(QStringLiteral("Glyph")));

    TTeButton read(nullptr);
    StringToComponent(text, &read);
    ASSERT_EQ(read.Glyph().Width(), 16);
    EXPECT_EQ(read.Glyph().ToImage(), f.button.Glyph().ToImage());

    f.button.SetImages(&f.images);
    f.button.SetImageIndex(1);
    EXPECT_FALSE(f.button.GlyphStored());
    f.button.SetImageIndex(5);
    EXPECT_TRUE(f.button.GlyphStored());
    f.button.SetKind(TBitBtnKind::bkOK);
    EXPECT_FALSE(f.button.GlyphStored());
}

TEST(ButtonFaces, AFaceKeptBetweenPaintsDrawsAsAFreshOne)
{
    SetCurrentTheme(CreateStoredTheme(QStringLiteral("OSXTiger")).release());
    TShownForm shown;
    const auto place = [&](TTeButton& button, int x) {
        button.SetParent(&shown.form);
        button.SetBounds(x, 10, 98, 25);
        button.SetCaption(QStringLiteral("Start"));
    };
    TTeButton kept(nullptr);
    place(kept, 10);
    const auto grab = [](TTeButton& button) { return button.Handle()->grab().toImage(); };
    const auto fresh = [&](bool hot) {
        TTeButton button(nullptr);
        place(button, 120);
        if (hot)
            button.MouseEnter();
        return grab(button);
    };
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        kept.MouseEnter();
        EXPECT_EQ(grab(kept), fresh(true));
        kept.MouseLeave();
        EXPECT_EQ(grab(kept), fresh(false));
    }
    // A new background beneath the translucent corners is drawn over, not the old one copied.
    shown.form.SetColor(RGB(40, 120, 200));
    FlushPaints();
    EXPECT_EQ(grab(kept), fresh(false));
    // Another theme: its faces, not the kept ones.
    SetCurrentTheme(std::make_unique<TteBuiltTheme<TListedTheme>>(QSet<QString>{QStringLiteral("default")}).release());
    FlushPaints();
    EXPECT_EQ(grab(kept), fresh(false));
    ClearCurrentTheme();
}
