#include "framework/PostedSteps.h"

#include <QMetaObject>
#include <QObject>
#include <exception>

#include "framework/Application.h"

void RunPostedSteps(const std::function<bool()>& step)
{
    // Posted calls go to an object of this frame: none is left behind to run after the wait.
    QObject context;
    bool done = false;
    std::exception_ptr error;
    std::function<void()> run;
    run = [&] {
        bool more = false;
        try {
            more = step();
        } catch (...) {
            error = std::current_exception();
        }
        if (more) {
            QMetaObject::invokeMethod(&context, [&run] { run(); }, Qt::QueuedConnection);
            return;
        }
        done = true;
        TApplication::WakeUp();
    };
    run();
    Application->HandleMessagesUntil([&] { return done; });
    if (error)
        std::rethrow_exception(error);
}
