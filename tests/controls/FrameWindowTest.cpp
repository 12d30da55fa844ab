// The frame on a real (offscreen) window: taking it over around the same client size, caption
// buttons through mouse input, moving by the caption, the window's shape, a theme change, the
// background of transparent children, and pixel goldens of a small frame.
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRubberBand>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/controls/FrameFixtures.h"
#include "themes/FlatTheme.h"
#include "graphics/RectUtils.h"
#include "tests/support/GoldenImage.h"
#include "theme/ThemeManager.h"

namespace {

// Counts the close requests and refuses them, so the test's window stays.
struct TCloseCounter {
    int count = 0;
    explicit TCloseCounter(TTeForm& frame)
    {
        frame.OnClose = [this](TObject*, bool& callDefault) {
            ++count;
            callDefault = false;
        };
    }
};

class TNoThemeAfter {
public:
    ~TNoThemeAfter() { ClearCurrentTheme(); }
};

}  // namespace

TEST(FrameWindow, TakingOverKeepsTheClientSizeAndGivesTheFrameMargins)
{
    TFramedForm framed(240, 120);
    EXPECT_EQ(framed.form.ClientWidth(), 240);
    EXPECT_EQ(framed.form.ClientHeight(), 120);
    // Classic metrics: frames of 4, a caption of 19.
    EXPECT_EQ(framed.form.ClientBounds(), Rect(4, 23, 244, 143));
    EXPECT_EQ(framed.form.Width(), 248);
    EXPECT_EQ(framed.form.Height(), 147);
    EXPECT_TRUE(framed.frame->Hooked());
}

TEST(FrameWindow, ACaptionButtonFiresOnlyWhenReleasedOverIt)
{
    TFramedForm framed;
    TCloseCounter closes(*framed.frame);
    QWidget* window = framed.Window();
    const QPoint close = framed.Centre(TTeBorderIcon::kbiClose);
    const QPoint minimize = framed.Centre(TTeBorderIcon::kbiMinimize);

    QTest::mousePress(window, Qt::LeftButton, {}, close);
    EXPECT_EQ(framed.frame->PressedPart(), TteFormHit::kfhClose);
    QTest::mouseMove(window, minimize);
    QTest::mouseRelease(window, Qt::LeftButton, {}, minimize);
    EXPECT_EQ(closes.count, 0);
    EXPECT_EQ(framed.frame->PressedPart(), TteFormHit::kfhNothing);

    QTest::mousePress(window, Qt::LeftButton, {}, close);
    QTest::mouseRelease(window, Qt::LeftButton, {}, close);
    EXPECT_EQ(closes.count, 1);
}

TEST(FrameWindow, TheHotPartFollowsTheMouse)
{
    TFramedForm framed;
    QWidget* window = framed.Window();
    QTest::mouseMove(window, framed.Centre(TTeBorderIcon::kbiRollup));
    EXPECT_EQ(framed.frame->HotPart(), TteFormHit::kfhRoll);
    QTest::mouseMove(window, framed.Centre(TTeBorderIcon::kbiTray));
    EXPECT_EQ(framed.frame->HotPart(), TteFormHit::kfhTray);
    QTest::mouseMove(window, QPoint(60, 10));
    EXPECT_EQ(framed.frame->HotPart(), TteFormHit::kfhCaption);
}

TEST(FrameWindow, DoubleClickOnTheCaptionMaximizesAndRestores)
{
    TFramedForm framed(240, 120, nullptr, kDefaultBorderIcons);
    int maximizes = 0;
    framed.frame->OnMaximize = [&](TObject*, bool&) { ++maximizes; };
    const TRect normal = framed.form.BoundsRect();
    QTest::mouseDClick(framed.Window(), Qt::LeftButton, {}, QPoint(60, 10));
    EXPECT_EQ(maximizes, 1);
    EXPECT_EQ(framed.frame->WindowState(), TTeWindowState::kwsMaximized);
    EXPECT_EQ(framed.form.BoundsRect(), framed.frame->GetMaximizedRect());
    QTest::mouseDClick(framed.Window(), Qt::LeftButton, {}, QPoint(60, 10));
    EXPECT_EQ(framed.frame->WindowState(), TTeWindowState::kwsNormal);
    EXPECT_EQ(framed.form.BoundsRect(), normal);

    // Without a maximize button the caption's double click does nothing.
    TFramedForm program;
    QTest::mouseDClick(program.Window(), Qt::LeftButton, {}, QPoint(60, 10));
    EXPECT_EQ(program.frame->WindowState(), TTeWindowState::kwsNormal);
}

TEST(FrameWindow, DraggingTheCaptionMovesTheWindowAndTheBorderSizesIt)
{
    TFramedForm framed;
    QWidget* window = framed.Window();
    const TRect start = framed.form.BoundsRect();
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(60, 10));
    QTest::mouseMove(window, QPoint(90, 30));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(60, 10));
    EXPECT_EQ(framed.form.Left(), start.Left + 30);
    EXPECT_EQ(framed.form.Top(), start.Top + 20);

    // The bottom-right corner: the window grows, the client with it.
    const int width = framed.form.Width();
    const int height = framed.form.Height();
    const QPoint corner(width - 2, height - 2);
    QTest::mousePress(window, Qt::LeftButton, {}, corner);
    QTest::mouseMove(window, corner + QPoint(25, 15));
    QTest::mouseRelease(window, Qt::LeftButton, {}, corner + QPoint(25, 15));
    EXPECT_EQ(framed.form.Width(), width + 25);
    EXPECT_EQ(framed.form.Height(), height + 15);
    EXPECT_EQ(framed.form.ClientWidth(), 240 + 25);

    // Not sizeable: the edge is client area to the platform and a drag there does nothing.
    framed.frame->Dragging().SetSizeable(false);
    const QPoint edge(framed.form.Width() - 2, 60);
    QTest::mousePress(window, Qt::LeftButton, {}, edge);
    QTest::mouseMove(window, edge + QPoint(25, 0));
    QTest::mouseRelease(window, Qt::LeftButton, {}, edge + QPoint(25, 0));
    EXPECT_EQ(framed.form.Width(), width + 25);
}

TEST(FrameWindow, AnOutlineDragMovesTheWindowOnlyWhenReleased)
{
    TFramedForm framed;
    framed.frame->Dragging().SetDragMode(TTeFormDragMode::kfdmBorder);
    QWidget* window = framed.Window();
    const TRect start = framed.form.BoundsRect();
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(60, 10));
    QTest::mouseMove(window, QPoint(100, 40));
    EXPECT_EQ(framed.form.BoundsRect(), start);
    ASSERT_NE(framed.frame->Outline(), nullptr);
    EXPECT_TRUE(framed.frame->Outline()->isVisible());
    EXPECT_EQ(framed.frame->Outline()->geometry(), OffsetRectBy(start, 40, 30).ToQRect());
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(100, 40));
    EXPECT_EQ(framed.form.BoundsRect(), OffsetRectBy(start, 40, 30));
    EXPECT_FALSE(framed.frame->Outline()->isVisible());
}

TEST(FrameWindow, SizingStopsAtTheMinimumTrackSize)
{
    TFramedForm framed;
    framed.frame->Constraints().SetMinWidth(200);
    QWidget* window = framed.Window();
    const QPoint edge(1, 60);
    QTest::mousePress(window, Qt::LeftButton, {}, edge);
    QTest::mouseMove(window, edge + QPoint(150, 0));
    QTest::mouseRelease(window, Qt::LeftButton, {}, edge + QPoint(150, 0));
    EXPECT_EQ(framed.form.Width(), 200);
    EXPECT_EQ(framed.frame->GetMinTrackSize(), (TSize{200, 27}));
}

TEST(FrameWindow, OsxTigerShapesTheWindowWithRoundedCorners)
{
    auto tiger = Tiger();
    ASSERT_TRUE(tiger);
    TFixedLink link(tiger.get());
    TFramedForm framed(240, 120, &link);
    ASSERT_TRUE(framed.frame->Themed());
    const QRegion mask = framed.Window()->mask();
    ASSERT_FALSE(mask.isEmpty());
    const int w = framed.form.Width();
    const int h = framed.form.Height();
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_FALSE(mask.contains(QPoint(w - 1, 0)));
    EXPECT_TRUE(mask.contains(QPoint(w / 2, 2)));
    EXPECT_TRUE(mask.contains(QPoint(w / 2, h / 2)));
    // The theme's hit test answers for the themed frame.
    EXPECT_EQ(framed.frame->HitTest({w / 2, 8}), TteFormHit::kfhCaption);
    EXPECT_EQ(framed.frame->HitTest({w / 2, h / 2}), TteFormHit::kfhNothing);
}

TEST(FrameWindow, AThemeChangeLaysTheFrameOutAgainAroundTheSameClient)
{
    TNoThemeAfter cleanup;
    TFramedForm framed(240, 120);
    const TRect builtIn = framed.form.ClientBounds();
    SetCurrentTheme(Tiger().release());
    ProcessPending();
    EXPECT_TRUE(framed.frame->Themed());
    EXPECT_EQ(framed.form.ClientWidth(), 240);
    EXPECT_EQ(framed.form.ClientHeight(), 120);
    EXPECT_NE(framed.form.ClientBounds(), builtIn);
    EXPECT_FALSE(framed.Window()->mask().isEmpty());
    ClearCurrentTheme();
    ProcessPending();
    EXPECT_EQ(framed.form.ClientBounds(), builtIn);
    EXPECT_TRUE(framed.Window()->mask().isEmpty());
}

TEST(FrameWindow, TransparentChildrenShowTheFramesClientBackground)
{
    auto tiger = Tiger();
    ASSERT_TRUE(tiger);
    TFixedLink link(tiger.get());
    TFramedForm framed(240, 120, &link);
    TSampleControl control;
    control.Transparent = true;
    control.SetParent(&framed.form);
    control.SetBounds(20, 20, 40, 30);
    ProcessPending();
    const QImage image = control.Handle()->grab().toImage();
    TteBitmap expected;
    expected.SetSize(1, 1);
    tiger->DrawFormBackground(TteFormKind::kfkStandard, expected.Canvas(), Rect(0, 0, 1, 1), QStringLiteral("default"));
    expected.Canvas().Handle()->EndPainting();
    EXPECT_EQ(image.pixel(10, 20) & 0xFFFFFF, expected.GetPixel(0, 0) & 0xFFFFFF);
    control.SetParent(static_cast<TForm*>(nullptr));
}

TEST(FrameWindow, SmallFramesMatchTheirGoldens)
{
    auto tiger = Tiger();
    ASSERT_TRUE(tiger);
    TFixedLink link(tiger.get());
    const struct {
        TteCustomThemeLink* link;
        const char* name;
    } looks[] = {{nullptr, "default"}, {&link, "osxtiger"}};
    for (const auto& look : looks) {
        // No caption: text is kept out of the compared pictures.
        TFramedForm framed(120, 40, look.link);
        framed.form.SetCaption(QString());
        // An icon of our own, not the style's stock one: a blue square in a transparent border.
        QImage icon(16, 16, QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        QPainter(&icon).fillRect(3, 3, 10, 10, QColor(40, 80, 200));
        framed.Window()->setWindowIcon(QIcon(QPixmap::fromImage(icon)));
        for (bool active : {true, false}) {
            QImage image;
            framed.frame->PaintWindowImage(image, active);
            const QString path = QStringLiteral("controls/golden/frame_%1_%2.png")
                                     .arg(QString::fromLatin1(look.name), active ? "active" : "inactive");
            EXPECT_TRUE(MatchesGolden(image, path)) << look.name << " " << active;
        }
    }
}

TEST(FrameWindow, AShadowWidensTheWindowAndItsShapeByTheBand)
{
    TFramedForm framed(240, 120);
    framed.frame->Shadow().SetEnabled(true);
    framed.frame->Shadow().SetSize(6);
    ProcessPending();
    // The client keeps its size; the band lies beyond the visible window on the right and below.
    EXPECT_EQ(framed.form.ClientWidth(), 240);
    EXPECT_EQ(framed.form.Width(), 248 + 6);
    EXPECT_EQ(framed.frame->VisibleRect(), Rect(0, 0, 248, 147));
    const QRegion mask = framed.Window()->mask();
    EXPECT_TRUE(mask.contains(QPoint(250, 140)));
    EXPECT_FALSE(mask.contains(QPoint(250, 2)));  // the corner above the band stays open
    QImage image;
    framed.frame->PaintWindowImage(image, true);
    // The band is the shadow's grey over what was behind the window, not the frame's face.
    const QRgb band = image.pixel(249, 100);
    EXPECT_NE(band & 0xFFFFFF, image.pixel(246, 100) & 0xFFFFFF);
}

TEST(FrameWindow, HitTestsNameTheSamePartsInEveryThemeKind)
{
    auto tiger = Tiger();
    ASSERT_TRUE(tiger);
    std::unique_ptr<TteTheme> flat(ThemeClassOf<TTeFlatTheme>().Create());
    TFixedLink tigerLink(tiger.get());
    TFixedLink flatLink(flat.get());
    const struct {
        TteCustomThemeLink* link;
        const char* name;
    } kinds[] = {{nullptr, "built-in"}, {&flatLink, "Flat"}, {&tigerLink, "OSXTiger"}};
    for (const auto& kind : kinds) {
        TFramedForm framed(300, 150, kind.link, kDefaultBorderIcons);
        EXPECT_EQ(framed.frame->Themed(), kind.link != nullptr) << kind.name;
        const int w = framed.form.Width();
        const int h = framed.form.Height();
        const TRect c = framed.form.ClientBounds();
        const struct {
            TPoint point;
            TteFormHit part;
        } cases[] = {
            {{w / 2, h / 2}, TteFormHit::kfhNothing},   {{w / 3, c.Top - 3}, TteFormHit::kfhCaption},
            {{0, h / 2}, TteFormHit::kfhLeft},          {{w - 1, h / 2}, TteFormHit::kfhRight},
            {{w / 2, 0}, TteFormHit::kfhTop},           {{w / 2, h - 1}, TteFormHit::kfhBottom},
            {{0, 0}, TteFormHit::kfhTopLeft},           {{w - 1, h - 1}, TteFormHit::kfhBottomRight},
            {{0, h - 1}, TteFormHit::kfhBottomLeft},
        };
        for (const auto& c : cases)
            EXPECT_EQ(framed.frame->HitTest(c.point), c.part) << kind.name << " " << c.point.X << "," << c.point.Y;
        for (TTeBorderIcon icon : {TTeBorderIcon::kbiClose, TTeBorderIcon::kbiMinimize, TTeBorderIcon::kbiMaximize,
                                   TTeBorderIcon::kbiRollup, TTeBorderIcon::kbiTray, TTeBorderIcon::kbiSystemMenu}) {
            const TRect r = framed.frame->GetButtonRect(icon);
            // Every kind shows close, minimize and maximize; the others where the kind has them.
            if (icon == TTeBorderIcon::kbiClose || icon == TTeBorderIcon::kbiMinimize || icon == TTeBorderIcon::kbiMaximize) {
                ASSERT_FALSE(r.IsEmpty()) << kind.name << " icon " << static_cast<int>(icon);
            }
            if (r.IsEmpty())
                continue;
            const QPoint centre = framed.Centre(icon);
            EXPECT_EQ(framed.frame->HitTest({centre.x(), centre.y()}), HitOfIcon(icon))
                << kind.name << " icon " << static_cast<int>(icon);
        }
    }
}
