// Menu items with pictures and actions: the picture in the image column (the disabled form for a
// disabled item), the bar's image list inherited down the tree, an item following its action and
// the action run by a click, and the window commands' pictures.
#include <QImage>

#include "controls/window/CaptionImages.h"
#include "framework/SystemMetrics.h"
#include "tests/controls/MenuFixtures.h"
#include "theme/ThemeManager.h"
#include "themes/MsStylesTheme.h"
#include "themes/StoredThemes.h"

namespace {

constexpr QRgb kRed = 0xFFFF0000;

// 16 × 16 red with a magenta (transparent) frame one pixel wide.
QImage RedSquare()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(0xFFFF00FF);
    for (int y = 1; y < 15; ++y)
        for (int x = 1; x < 15; ++x)
            image.setPixel(x, y, kRed);
    return image;
}

// The middle of an item's image column.
QPoint ImageCentre(const TTeItem* item)
{
    return QPoint(item->ItemRect.Left + 11, (item->ItemRect.Top + item->ItemRect.Bottom) / 2);
}

// The Operation popup grabbed with its first item highlighted.
QImage GrabOperation(TMainMenu& m)
{
    QImage grabbed;
    DriveMenu(m.KeyIn(Qt::Key_O, Qt::AltModifier),
              {{60, [&] { grabbed = RunningLevel()->Window()->grab().toImage(); }}});
    return grabbed;
}

}  // namespace

TEST(MenuImages, AnItemsPictureFillsItsImageColumnInTheFormOfItsState)
{
    for (const bool themed : {false, true}) {
        SCOPED_TRACE(themed ? "OSXTiger" : "classic");
        if (themed)
            SetCurrentTheme(CreateStoredTheme(QStringLiteral("OSXTiger")).release());
        else
            ClearCurrentTheme();
        TMainMenu m;
        TImageList images(nullptr);
        images.AddMasked(RedSquare(), RGB(255, 0, 255));
        // Set on the bar, used by the items two levels down.
        m.bar.SetImages(&images);
        m.openFolder->SetImageIndex(0);
        m.stop->SetImageIndex(0);
        m.openCd->SetChecked(true);
        const QImage grabbed = GrabOperation(m);
        ASSERT_FALSE(grabbed.isNull());
        EXPECT_EQ(grabbed.pixel(ImageCentre(m.openFolder)), kRed);
        // Disabled: the shape in the shadow colour.
        EXPECT_EQ(grabbed.pixel(ImageCentre(m.stop)), ToQColor(ColorToRGB(clBtnShadow)).rgb());
        EXPECT_NE(grabbed.pixel(ImageCentre(m.openCd)), kRed);
        ClearCurrentTheme();
    }
}

TEST(MenuImages, ATallerImageListMakesTallerItemsAndAWiderColumn)
{
    ClearCurrentTheme();
    TMainMenu m;
    TImageList images(nullptr);
    images.SetWidth(40);
    images.SetHeight(40);
    m.openFolder->SetImages(&images);
    QImage grabbed = GrabOperation(m);
    EXPECT_EQ(m.openFolder->ItemRect.Height(), 44);
    EXPECT_EQ(m.openCd->ItemRect.Height(), SystemMetrics().NonClientMetrics().MenuHeight);
    // The item's own list, not its parent's.
    EXPECT_EQ(m.openFolder->GetImages(), &images);
    EXPECT_EQ(m.stop->GetImages(), nullptr);
}

TEST(MenuActions, AnItemFollowsItsActionAndAClickRunsIt)
{
    ClearCurrentTheme();
    TMainMenu m;
    TActionList list(nullptr);
    auto* action = new TAction(&list);
    action->SetCaption(QStringLiteral("&Open the CD"));
    action->SetShortCut(kShortCutCtrl | 'D');
    action->SetHint(QStringLiteral("Reads the disc"));
    action->SetHelpContext(12);
    action->SetChecked(true);
    int executed = 0;
    action->OnExecute = [&](TObject*) { ++executed; };
    bool allow = true;
    action->OnUpdate = [&](TObject*) { action->SetEnabled(allow); };
    m.openCd->OnClick = TNotifyEvent();
    m.openCd->SetAction(action);
    EXPECT_EQ(m.openCd->Caption(), QStringLiteral("&Open the CD"));
    EXPECT_EQ(m.openCd->ShortCut(), kShortCutCtrl | 'D');
    EXPECT_EQ(m.openCd->Hint(), QStringLiteral("Reads the disc"));
    EXPECT_EQ(m.openCd->HelpContext(), 12);
    EXPECT_TRUE(m.openCd->Checked());

    // Opening the level asks the action for its state.
    QString shown;
    DriveMenu(m.KeyIn(Qt::Key_O, Qt::AltModifier),
              {{40, [&] { shown = HighlightedCaption(); }}, {10, m.KeyIn(Qt::Key_Return)}});
    EXPECT_EQ(shown, QStringLiteral("&Open the CD"));
    EXPECT_EQ(executed, 1);
    allow = false;
    DriveMenu(m.KeyIn(Qt::Key_O, Qt::AltModifier), {{40, [&] { EXPECT_FALSE(m.openCd->Enabled()); }}});
    EXPECT_FALSE(m.openCd->Enabled());

    action->SetVisible(false);
    EXPECT_FALSE(m.openCd->Visible());
    // The item's shortcut is the action's.
    allow = true;
    action->SetEnabled(true);
    action->SetVisible(true);
    EXPECT_TRUE(m.bar.IsShortCut(Qt::Key_D, Qt::ControlModifier));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(executed, 2);
}

TEST(CaptionImages, SixDistinctPicturesOf16By16WithTransparentCorners)
{
    TCustomImageList& images = CaptionImages();
    EXPECT_EQ(&images, &CaptionImages());
    ASSERT_EQ(images.Count(), 6);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const QImage image = images.Image(i);
        EXPECT_EQ(image.size(), QSize(16, 16));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(15, 15)), 0);
        for (int j = 0; j < i; ++j)
            EXPECT_NE(image, images.Image(j)) << "like " << j;
    }
}
