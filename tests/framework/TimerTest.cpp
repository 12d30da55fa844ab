#include <gtest/gtest.h>

#include <QDeadlineTimer>

#include "framework/Application.h"
#include "framework/Timer.h"
#include "tests/support/PlatformFakes.h"

namespace {

// Runs the loop until done holds; gives up after a generous wait so a broken timer fails the test
// instead of hanging it.
template <typename F>
bool LoopUntil(F done)
{
    QDeadlineTimer deadline(5000);
    while (!done() && !deadline.hasExpired())
        Application->ProcessMessages();
    return done();
}

}  // namespace

TEST(Timer, FiresWhileEnabledAndStopsWhenDisabled)
{
    TTimer timer(nullptr);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 1000);
    int ticks = 0;
    timer.OnTimer = [&](TObject* sender) {
        EXPECT_EQ(sender, &timer);
        if (++ticks == 3)
            timer.SetEnabled(false);
    };
    timer.SetInterval(1);
    ASSERT_TRUE(LoopUntil([&] { return ticks >= 3; }));
    // A disabled timer has no tick pending, whatever the loop does.
    for (int i = 0; i < 20; ++i)
        Application->ProcessMessages();
    EXPECT_EQ(ticks, 3);
}

TEST(Timer, FailingHandlerIsReportedAndTheTimerGoesOn)
{
    TRecordingErrorDisplay display;
    TTimer timer(nullptr);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) { throw Exception(QStringLiteral("Tick %1 failed").arg(++ticks)); };
    timer.SetInterval(1);
    ASSERT_TRUE(LoopUntil([&] { return ticks >= 2; }));
    timer.SetEnabled(false);
    EXPECT_EQ(display.texts.mid(0, 2), QStringList({"Tick 1 failed", "Tick 2 failed"}));
}

TEST(Timer, MayBeFreedFromItsOwnHandler)
{
    auto* timer = new TTimer(nullptr);
    bool fired = false;
    timer->OnTimer = [&](TObject*) {
        fired = true;
        delete timer;
    };
    timer->SetInterval(1);
    ASSERT_TRUE(LoopUntil([&] { return fired; }));
    Application->ProcessMessages();
}
