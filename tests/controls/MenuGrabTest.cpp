// A platform that cannot grab the mouse (the offscreen one these tests run on) is asked once per
// process, not by every level of every menu: each refusal prints a warning.
#include <QGuiApplication>
#include <gtest/gtest.h>

#include "tests/controls/MenuFixtures.h"

namespace {

int refusals = 0;
QtMessageHandler previous = nullptr;

void CountRefusals(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QStringLiteral("grabbing the mouse")))
        ++refusals;
    else if (previous != nullptr)
        previous(type, context, message);
}

}  // namespace

TEST(MenuGrab, APlatformThatCannotGrabIsAskedOnlyOnce)
{
    TMainMenu menu;
    const auto open = [&] {
        const auto release = [&] {
            QTest::mouseRelease(menu.BarWindow(), Qt::LeftButton, {}, CenterOf(menu.operation));
        };
        DriveMenu(menu.PressOn(menu.operation),
                  {{20, release}, {0, menu.KeyIn(Qt::Key_Down)}, {0, menu.KeyIn(Qt::Key_Right)}, {20, [] {}}});
    };
    previous = qInstallMessageHandler(CountRefusals);
    open();
    const int first = refusals;
    open();
    open();
    qInstallMessageHandler(previous);
    EXPECT_LE(first, 1);
    EXPECT_EQ(refusals, first);
}
