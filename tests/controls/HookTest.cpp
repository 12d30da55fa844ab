// Hooks on another component's window: order, handling, failures, windows made anew, release, and
// hooks that outlive what they hook.
#include <QCoreApplication>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

#include "controls/core/ControlHook.h"
#include "controls/core/HookList.h"
#include "controls/core/TeHook.h"
#include "framework/Exception.h"
#include "framework/Messages.h"
#include "framework/Messaging.h"
#include "framework/Windowed.h"
#include "tests/support/PlatformFakes.h"

namespace {

const auto kProbe = static_cast<QEvent::Type>(QEvent::User + 9);

// A component whose window logs the probes it handles and can be made anew, as a control's can.
class TWindowThing : public TComponent, public TWindowed {
public:
    explicit TWindowThing(QStringList& log) : TComponent(nullptr), log_(log) { Recreate(); }
    ~TWindowThing() override { delete window_; }

    QWidget* Handle() const override { return window_; }
    void Recreate()
    {
        delete window_;
        window_ = new Window(*this);
    }
    void Dispatch(TMessage& message) override
    {
        log_ << QString("window %1").arg(message.Msg - WM_USER);
        message.Result = 7;
    }

private:
    class Window : public QWidget {
    public:
        explicit Window(TWindowThing& owner) : owner_(owner) {}

    protected:
        bool event(QEvent* event) override
        {
            if (event->type() == kProbe) {
                owner_.log_ << "window";
                return true;
            }
            if (TMessageEvent* message = TMessageEvent::From(event)) {
                owner_.Dispatch(message->Message());
                return true;
            }
            return QWidget::event(event);
        }

    private:
        TWindowThing& owner_;
    };

    QStringList& log_;
    QWidget* window_ = nullptr;
};

// Logs what it sees; takes probes or numbered messages when asked to.
class TLoggingHook : public TTeHook {
public:
    TLoggingHook(QStringList& log, QString name) : TTeHook(nullptr), log_(log), name_(std::move(name)) {}

    bool takeProbe = false;
    bool takeMessage = false;
    bool fail = false;
    int unhooked = 0;

    void Dispatch(TMessage& message) override
    {
        log_ << QString("%1 message %2").arg(name_).arg(message.Msg - WM_USER);
        if (takeMessage) {
            message.Result = 3;
            MarkHandled();
        }
    }

protected:
    void HookEvent(QEvent* event) override
    {
        if (event->type() != kProbe)
            return;
        log_ << name_ + " before";
        if (fail)
            throw Exception(name_ + " failed");
        if (takeProbe)
            MarkHandled();
    }
    void AfterMessage(QEvent* event, bool&) override
    {
        if (event->type() == kProbe)
            log_ << name_ + " after";
    }
    void Unhooked() override { ++unhooked; }

private:
    QStringList& log_;
    QString name_;
};

QStringList Probe(TWindowThing& thing, QStringList& log)
{
    log.clear();
    QEvent probe(kProbe);
    QCoreApplication::sendEvent(thing.Handle(), &probe);
    return log;
}

void DeliverPosted()
{
    QCoreApplication::sendPostedEvents();
}

TEST(TeHook, TheLatestHookSeesEachEventFirstAndTakingItStopsTheEarlierOnesAndTheWindow)
{
    QStringList log;
    TWindowThing thing(log);
    TLoggingHook first(log, "first");
    TLoggingHook second(log, "second");
    first.SetControl(&thing);
    second.SetControl(&thing);

    EXPECT_EQ(Probe(thing, log), QStringList({"second before", "first before", "window", "second after", "first after"}));
    second.takeProbe = true;
    EXPECT_EQ(Probe(thing, log), QStringList({"second before"}));

    // Numbered messages reach the hooks' own handlers by number.
    log.clear();
    EXPECT_EQ(SendMessage(thing.Handle(), WM_USER + 1), 7);
    EXPECT_EQ(log, QStringList({"second message 1", "first message 1", "window 1"}));
    first.takeMessage = true;
    log.clear();
    EXPECT_EQ(SendMessage(thing.Handle(), WM_USER + 2), 3);
    EXPECT_EQ(log, QStringList({"second message 2", "first message 2"}));

    // Inactive, a hook sees nothing; active again, it is the latest.
    second.takeProbe = false;
    first.SetActive(false);
    EXPECT_EQ(Probe(thing, log), QStringList({"second before", "window", "second after"}));
    first.SetActive(true);
    EXPECT_EQ(Probe(thing, log), QStringList({"first before", "second before", "window", "first after", "second after"}));
}

TEST(TeHook, AFailingHookIsShownAndTheEventGoesOn)
{
    TRecordingErrorDisplay display;
    QStringList log;
    TWindowThing thing(log);
    TLoggingHook first(log, "first");
    TLoggingHook failing(log, "failing");
    failing.fail = true;
    first.SetControl(&thing);
    failing.SetControl(&thing);
    EXPECT_EQ(Probe(thing, log), QStringList({"failing before", "first before", "window", "failing after", "first after"}));
    EXPECT_EQ(display.texts, QStringList({"failing failed"}));
}

TEST(TeHook, HooksComeBackWhenTheWindowIsMadeAnew)
{
    QStringList log;
    TWindowThing thing(log);
    TLoggingHook hook(log, "hook");
    hook.SetControl(&thing);
    thing.Recreate();
    EXPECT_EQ(hook.unhooked, 1);
    EXPECT_EQ(Probe(thing, log), QStringList({"window"})) << "not until the re-install request is delivered";
    DeliverPosted();
    EXPECT_EQ(Probe(thing, log), QStringList({"hook before", "window", "hook after"}));
}

TEST(TeHook, AWindowNoHookWatchesIsReleasedOnceThePendingEventsAreDone)
{
    QStringList log;
    TWindowThing one(log);
    TWindowThing two(log);
    TLoggingHook hook(log, "hook");
    hook.SetControl(&one);
    hook.SetControl(&two);
    EXPECT_NE(THookList::Instance().Find(&one, false), nullptr);
    DeliverPosted();
    EXPECT_EQ(THookList::Instance().Find(&one, false), nullptr);
    EXPECT_EQ(Probe(one, log), QStringList({"window"}));
    EXPECT_EQ(Probe(two, log), QStringList({"hook before", "window", "hook after"}));
}

TEST(TeHook, AHookOutlivesTheComponentItHooks)
{
    QStringList log;
    TLoggingHook hook(log, "hook");
    {
        auto thing = std::make_unique<TWindowThing>(log);
        hook.SetControl(thing.get());
        ASSERT_NE(THookList::Instance().Find(thing.get(), false), nullptr);
    }
    EXPECT_EQ(hook.Control(), nullptr);
    DeliverPosted();
    // Hooked anew, it works as before.
    TWindowThing again(log);
    hook.SetControl(&again);
    EXPECT_EQ(Probe(again, log), QStringList({"hook before", "window", "hook after"}));
}

}  // namespace
