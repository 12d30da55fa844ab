// The menus through the mouse, the timing of hover opening, clicks that land after the loops, and
// the loop's place in the program: other work goes on, and closing the window closes the menu.
#include <QScreen>

#include "controls/menus/TePopupMenu.h"
#include "tests/controls/MenuFixtures.h"

namespace {

QWidget* LevelWindow()
{
    return RunningLevel()->Window();
}

// A click on item in the running level's window.
std::function<void()> ClickItem(TTeItem* item)
{
    return [item] { QTest::mouseClick(LevelWindow(), Qt::LeftButton, {}, CenterOf(item)); };
}

}  // namespace

TEST(MenuMouse, PressesOpenChooseAndClose)
{
    struct TCase {
        const char* Name;
        std::function<std::vector<TMenuStep>(TMainMenu&, QString&)> Steps;
        const char* LevelSeen;
        QStringList Clicks;
    };
    const auto release = [](TMainMenu& m) {
        return TMenuStep{20, [&m] { QTest::mouseRelease(m.BarWindow(), Qt::LeftButton, {}, CenterOf(m.operation)); }};
    };
    const TCase cases[] = {
        {"a press on a bar item opens its popup",
         [&](TMainMenu& m, QString& level) {
             return std::vector<TMenuStep>{release(m), {40, [&level] { level = OpenLevel(); }}};
         },
         "&Operation", {}},
        {"a click on an item lands once the menu closed",
         [&](TMainMenu& m, QString& level) {
             return std::vector<TMenuStep>{release(m), {40, ClickItem(m.openFolder)}, {20, [&level] { level = OpenLevel(); }}};
         },
         "", {"Open &folder"}},
        {"a click on an item with children opens them",
         [&](TMainMenu& m, QString& level) {
             return std::vector<TMenuStep>{release(m), {40, ClickItem(m.rip)}, {40, [&level] { level = OpenLevel(); }}};
         },
         "&Rip", {}},
        {"a click on a disabled item keeps the menu open",
         [&](TMainMenu& m, QString& level) {
             return std::vector<TMenuStep>{release(m), {40, ClickItem(m.stop)}, {40, [&level] { level = OpenLevel(); }}};
         },
         "&Operation", {}},
        {"a click on a separator keeps the menu open",
         [&](TMainMenu& m, QString& level) {
             return std::vector<TMenuStep>{
                 release(m), {40, [&m] { QTest::keyClick(m.shown.form.Handle(), Qt::Key_Right); }},
                 {10, [&m] { QTest::keyClick(m.shown.form.Handle(), Qt::Key_Right); }},
                 {60, ClickItem(m.line)}, {40, [&level] { level = OpenLevel(); }}};
         },
         "&Help", {}},
        {"a click outside every level closes them all",
         [&](TMainMenu& m, QString& level) {
             return std::vector<TMenuStep>{release(m),
                                           {40, [&m] { QTest::mouseClick(m.shown.form.ClientWidget(), Qt::LeftButton, {}, QPoint(200, 200)); }},
                                           {20, [&level] { level = OpenLevel(); }}};
         },
         "", {}},
        {"a click on the open bar item closes the menu",
         [&](TMainMenu& m, QString& level) {
             return std::vector<TMenuStep>{release(m),
                                           {40, [&m] { QTest::mouseClick(m.BarWindow(), Qt::LeftButton, {}, CenterOf(m.operation)); }},
                                           {20, [&level] { level = OpenLevel(); }}};
         },
         "", {}},
        {"the mouse on another bar item opens that item's popup at once",
         [&](TMainMenu& m, QString& level) {
             return std::vector<TMenuStep>{release(m),
                                           {40, [&m] { QTest::mouseMove(m.BarWindow(), CenterOf(m.help)); }},
                                           {60, [&level] { level = OpenLevel(); }}};
         },
         "&Help", {}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TMainMenu m;
        QString level = "unset";
        DriveMenu(m.PressOn(m.operation), c.Steps(m, level));
        EXPECT_EQ(level, c.LevelSeen);
        EXPECT_EQ(m.clicks, c.Clicks);
        EXPECT_EQ(MenuLoopDepth(), 0);
    }
}

TEST(MenuMouse, RestingOnAnItemOpensItsChildrenAfterHalfASecondAndMovingRestartsTheWait)
{
    TMainMenu m;
    QStringList seen;
    const auto look = [&seen] { seen << OpenLevel(); };
    DriveMenu(m.KeyIn(Qt::Key_O, Qt::AltModifier),
              {
                  {40, [&] { QTest::mouseMove(LevelWindow(), CenterOf(m.rip)); }},
                  {300, look},  // 300 ms of rest: not yet
                  {0, [&] { QTest::mouseMove(LevelWindow(), CenterOf(m.rip) + QPoint(3, 1)); }},
                  {350, look},  // 650 ms since the first move, 350 since the second
                  {900, look},  // well past 500 since the second, even on a busy machine
              });
    EXPECT_EQ(seen, (QStringList{"&Operation", "&Operation", "&Rip"}));
}

TEST(MenuLoop, AClickLandsAfterTheLoopsEndedSoItsHandlerMayRunAModalLoop)
{
    TMainMenu m;
    int depthInHandler = -1;
    bool barInLoop = true;
    bool modalRan = false;
    m.toMp3->OnClick = [&](TObject*) {
        depthInHandler = MenuLoopDepth();
        barInLoop = m.bar.View()->InLoop();
        QEventLoop modal;
        QTimer::singleShot(20, &modal, [&] {
            modalRan = true;
            modal.quit();
        });
        modal.exec();
    };
    DriveMenu(m.KeyIn(Qt::Key_O, Qt::AltModifier),
              {{40, m.KeyIn(Qt::Key_R)}, {40, m.KeyIn(Qt::Key_Return)}, {100, [] {}}});
    EXPECT_EQ(depthInHandler, 0);
    EXPECT_FALSE(barInLoop);
    EXPECT_TRUE(modalRan);
}

TEST(MenuLoop, OtherWorkGoesOnWhileAMenuIsOpen)
{
    TMainMenu m;
    int ticks = 0;
    QTimer work;
    QObject::connect(&work, &QTimer::timeout, [&ticks] { ++ticks; });
    work.start(10);
    int ticksWhileOpen = 0;
    DriveMenu(m.KeyIn(Qt::Key_O, Qt::AltModifier),
              {{20, [&] { ticksWhileOpen = -ticks; }}, {200, [&] { ticksWhileOpen += ticks; }}});
    EXPECT_GT(ticksWhileOpen, 5);
}

TEST(MenuLoop, ClosingTheWindowClosesTheMenuFirst)
{
    TMainMenu m;
    bool menuOpenAtClose = true;
    m.shown.form.OnCloseQuery = [&](TObject*, bool&) { menuOpenAtClose = m.bar.View()->InLoop() || RunningLevel() != nullptr; };
    DriveMenu(m.KeyIn(Qt::Key_O, Qt::AltModifier), {{40, [&] { m.shown.form.Handle()->close(); }}});
    EXPECT_FALSE(menuOpenAtClose);
    EXPECT_EQ(MenuLoopDepth(), 0);
}

TEST(MenuPopup, AContextMenuNearTheBottomRightCornerOpensUpAndLeft)
{
    TOwned<TTePopupMenu> menu = MakeOwned<TTePopupMenu>(nullptr);
    for (const char* caption : {"One", "Two", "Three"}) {
        auto* item = new TTeItem(menu.get());
        item->SetCaption(caption);
        menu->Items()->Add(item);
    }
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint corner = work.bottomRight() - QPoint(5, 5);
    QRect placed;
    int popups = 0;
    menu->OnPopup = [&](TObject*) { ++popups; };
    DriveMenu([&] { menu->Popup(corner.x(), corner.y()); }, {{40, [&] { placed = LevelWindow()->geometry(); }}});
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(placed.right() + 1, corner.x());
    EXPECT_EQ(placed.bottom() + 1, corner.y());

    const QPoint middle = work.center();
    DriveMenu([&] { menu->Popup(middle.x(), middle.y()); }, {{40, [&] { placed = LevelWindow()->geometry(); }}});
    EXPECT_EQ(placed.topLeft(), middle);
}
