// An open popup menu on a real X server without a window manager: the screen shows, pixel for
// pixel, what the popup level paints, in the classic look and in a stored theme. The popup is a
// separate top-level window lying wholly over the form that opened it.
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <gtest/gtest.h>

#include "tests/controls/MenuFixtures.h"
#include "theme/ThemeManager.h"
#include "themes/MsStylesTheme.h"
#include "themes/StoredThemes.h"

namespace {

struct TPopupPictures {
    QImage painted;
    QImage screen;
    TRect normalItem;
};

// Opens the bar's Operation menu by its accelerator and, once the level is on the screen, takes
// what it paints and what the screen shows where it lies (nothing when it never showed).
TPopupPictures OpenOperationMenu()
{
    TMainMenu m;
    m.shown.form.SetBounds(120, 100, 400, 300);
    TPopupPictures pictures;
    DriveMenu(m.KeyIn(Qt::Key_O, Qt::AltModifier), {{50, [&] {
                                                         QWidget* level = RunningLevel()->Window();
                                                         // Mapped, then a moment for its first frame to reach the screen.
                                                         if (!QTest::qWaitForWindowExposed(level, 5000))
                                                             return;
                                                         QTest::qWait(200);
                                                         pictures.painted = level->grab().toImage().convertToFormat(
                                                             QImage::Format_RGB32);
                                                         const QRect at = level->frameGeometry();
                                                         pictures.screen = QGuiApplication::primaryScreen()
                                                                               ->grabWindow(0, at.x(), at.y(),
                                                                                            at.width(), at.height())
                                                                               .toImage()
                                                                               .convertToFormat(QImage::Format_RGB32);
                                                         pictures.normalItem = m.openFolder->ItemRect;
                                                     }}});
    return pictures;
}

}  // namespace

TEST(RealPopupMenu, TheScreenShowsWhatTheOpenLevelPaints)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X server: ctest runs it under xvfb-run";
    for (const char* theme : {"", "OSXTiger"}) {
        SCOPED_TRACE(theme);
        if (*theme != '\0')
            SetCurrentTheme(CreateStoredTheme(QString::fromLatin1(theme)).release());
        else
            ClearCurrentTheme();
        const TPopupPictures pictures = OpenOperationMenu();
        ClearCurrentTheme();
        ASSERT_FALSE(pictures.painted.isNull());
        ASSERT_EQ(pictures.screen.size(), pictures.painted.size());
        // An item's background, away from its text: the menu's colour, not an unpainted window.
        const QPoint background(pictures.normalItem.Right - 3, pictures.normalItem.Top + 2);
        EXPECT_NE(pictures.painted.pixel(background) & 0xFFFFFF, 0u);
        EXPECT_EQ(pictures.screen.pixel(background), pictures.painted.pixel(background));
        int different = 0;
        for (int y = 0; y < pictures.screen.height(); ++y)
            for (int x = 0; x < pictures.screen.width(); ++x)
                if (pictures.screen.pixel(x, y) != pictures.painted.pixel(x, y))
                    ++different;
        EXPECT_EQ(different, 0) << "of " << pictures.screen.width() * pictures.screen.height() << " pixels";
    }
}
