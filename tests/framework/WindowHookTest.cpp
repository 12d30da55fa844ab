#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <memory>

#include "framework/Form.h"
#include "framework/Messages.h"
#include "framework/Messaging.h"
#include "framework/WindowHook.h"
#include "tests/support/PlatformFakes.h"

namespace {

const auto kProbe = static_cast<QEvent::Type>(QEvent::User + 7);

// A window that logs the probe events it handles itself.
class Window : public QWidget {
public:
    explicit Window(QStringList& log) : log_(log) {}

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == kProbe) {
            log_ << "window";
            return true;
        }
        return QWidget::event(event);
    }

private:
    QStringList& log_;
};

// Logs "<name> before" and "<name> after" for probe events; marks them handled when asked to.
class Hook : public TWindowHook {
public:
    Hook(QStringList& log, QString name) : log_(log), name_(std::move(name)) {}

    bool handleBefore = false;
    bool handleAfter = false;
    bool failBefore = false;
    int unhooked = 0;

protected:
    bool BeforeEvent(QEvent* event) override
    {
        if (event->type() != kProbe)
            return false;
        log_ << name_ + " before";
        if (failBefore)
            throw Exception(name_ + " failed");
        return handleBefore;
    }
    bool AfterEvent(QEvent* event) override
    {
        if (event->type() != kProbe)
            return false;
        log_ << name_ + " after";
        return handleAfter;
    }
    void Unhooked() override { ++unhooked; }

private:
    QStringList& log_;
    QString name_;
};

QStringList Probe(QWidget* window, QStringList& log)
{
    log.clear();
    QEvent probe(kProbe);
    QCoreApplication::sendEvent(window, &probe);
    return log;
}

}  // namespace

TEST(WindowHook, LatestHookSeesEventsFirstAndAfterTheWindowAgain)
{
    QStringList log;
    Window window(log);
    Hook first(log, "first");
    Hook second(log, "second");
    first.HookWindow(&window);
    second.HookWindow(&window);
    EXPECT_EQ(second.HookedWindow(), &window);

    EXPECT_EQ(Probe(&window, log), QStringList({"second before", "first before", "window", "second after", "first after"}));

    second.handleAfter = true;
    EXPECT_EQ(Probe(&window, log), QStringList({"second before", "first before", "window", "second after"}));

    // Handled before the window: neither the earlier hook, nor the window, nor an after pass.
    second.handleBefore = true;
    EXPECT_EQ(Probe(&window, log), QStringList({"second before"}));

    first.handleBefore = true;
    second.handleBefore = false;
    second.handleAfter = false;
    EXPECT_EQ(Probe(&window, log), QStringList({"second before", "first before"}));
}

TEST(WindowHook, HooksComeOffInAnyOrderAndMayDieFirst)
{
    QStringList log;
    Window window(log);
    Hook first(log, "first");
    auto second = std::make_unique<Hook>(log, "second");
    Hook third(log, "third");
    first.HookWindow(&window);
    second->HookWindow(&window);
    third.HookWindow(&window);

    first.HookWindow(nullptr);
    EXPECT_EQ(Probe(&window, log), QStringList({"third before", "second before", "window", "third after", "second after"}));
    second.reset();
    EXPECT_EQ(Probe(&window, log), QStringList({"third before", "window", "third after"}));
    // Hooked again, a hook is the latest.
    first.HookWindow(&window);
    EXPECT_EQ(Probe(&window, log), QStringList({"first before", "third before", "window", "first after", "third after"}));
    first.HookWindow(nullptr);
    third.HookWindow(nullptr);
    EXPECT_EQ(Probe(&window, log), QStringList({"window"}));
    EXPECT_EQ(first.unhooked + third.unhooked, 0);
}

TEST(WindowHook, WindowMayDieFirstAndHooksAreTold)
{
    QStringList log;
    auto window = std::make_unique<Window>(log);
    Hook hook(log, "hook");
    hook.HookWindow(window.get());
    window.reset();
    EXPECT_EQ(hook.HookedWindow(), nullptr);
    EXPECT_EQ(hook.unhooked, 1);

    // A form takes its hooks off before its window goes.
    auto form = MakeOwned<TForm>(nullptr);
    hook.HookWindow(form->Handle());
    form.reset();
    EXPECT_EQ(hook.unhooked, 2);
}

TEST(WindowHook, HookMayDetachOthersWhileAnEventPasses)
{
    QStringList log;
    Window window(log);
    Hook first(log, "first");
    // Takes the earlier hook off when it sees the event.
    struct Detaching : Hook {
        Detaching(QStringList& log, TWindowHook& victim) : Hook(log, "detaching"), victim_(victim) {}
        bool BeforeEvent(QEvent* event) override
        {
            victim_.HookWindow(nullptr);
            return Hook::BeforeEvent(event);
        }
        TWindowHook& victim_;
    } detaching(log, first);
    first.HookWindow(&window);
    detaching.HookWindow(&window);
    EXPECT_EQ(Probe(&window, log), QStringList({"detaching before", "window", "detaching after"}));
}

TEST(WindowHook, FailingHookIsReportedAndTheEventGoesOn)
{
    TRecordingErrorDisplay display;
    QStringList log;
    Window window(log);
    Hook first(log, "first");
    Hook failing(log, "failing");
    failing.failBefore = true;
    first.HookWindow(&window);
    failing.HookWindow(&window);
    EXPECT_EQ(Probe(&window, log), QStringList({"failing before", "first before", "window", "failing after", "first after"}));
    EXPECT_EQ(display.texts, QStringList({"failing failed"}));
}

TEST(WindowHook, HookMayAnswerMessagesSentToAForm)
{
    struct Answering : TWindowHook {
        bool BeforeEvent(QEvent* event) override
        {
            TMessageEvent* message = TMessageEvent::From(event);
            if (message == nullptr || message->Message().Msg != WM_USER + 1)
                return false;
            message->Message().Result = 1;
            return true;
        }
    } hook;
    struct Form : TForm {
        Form() : TForm(nullptr) {}
        void Dispatch(TMessage& message) override { message.Result = 2; }
    } form;
    hook.HookWindow(form.Handle());
    EXPECT_EQ(SendMessage(form.Handle(), WM_USER + 1), 1);
    EXPECT_EQ(SendMessage(form.Handle(), WM_USER + 2), 2);
}

// Logs the probe events a window's event filter sees.
class Filter : public QObject {
public:
    Filter(QStringList& log, QString name) : log_(log), name_(std::move(name)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == kProbe)
            log_ << name_;
        return false;
    }

private:
    QStringList& log_;
    QString name_;
};

TEST(WindowHook, FiltersOfTheWindowStillSeeEveryEventBetweenTheTwoPasses)
{
    QStringList log;
    Window window(log);
    Filter earlier(log, "earlier filter");
    window.installEventFilter(&earlier);
    Hook hook(log, "hook");
    hook.HookWindow(&window);
    Filter later(log, "later filter");
    window.installEventFilter(&later);

    EXPECT_EQ(Probe(&window, log), QStringList({"hook before", "later filter", "earlier filter", "window", "hook after"}));
    hook.handleBefore = true;
    EXPECT_EQ(Probe(&window, log), QStringList({"hook before"}));
}

TEST(WindowHook, AWindowsDeletionRunsWhateverTheHooksSay)
{
    QStringList log;
    struct Swallowing : Hook {
        using Hook::Hook;
        bool BeforeEvent(QEvent* event) override { return event->type() == QEvent::DeferredDelete || Hook::BeforeEvent(event); }
    } hook(log, "hook");
    QPointer<QWidget> window = new Window(log);
    hook.HookWindow(window);
    window->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(hook.unhooked, 1);
    EXPECT_EQ(hook.HookedWindow(), nullptr);
}

TEST(WindowHook, HooksStayWhenTheWindowsPlatformWindowIsMadeAgain)
{
    QStringList log;
    Window window(log);
    window.show();
    Hook hook(log, "hook");
    hook.HookWindow(&window);
    // Changing the window's kind makes the platform window anew.
    window.setWindowFlags(Qt::Tool);
    window.show();
    EXPECT_EQ(Probe(&window, log), QStringList({"hook before", "window", "hook after"}));
}
