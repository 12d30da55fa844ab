#pragma once
// A party that sees a window's events before and after the window itself handles them, the way a
// form skinner takes over a window it does not own.
#include <QEvent>
#include <QWidget>

class TWindowHookChain;

class TWindowHook {
public:
    TWindowHook() = default;
    TWindowHook(const TWindowHook&) = delete;
    TWindowHook& operator=(const TWindowHook&) = delete;
    // Takes the hook off its window.
    virtual ~TWindowHook();

    // Attaches the hook to window (nullptr: detaches it). The hook attached last sees each event
    // first. Attaching to another window detaches from the first.
    void HookWindow(QWidget* window);
    QWidget* HookedWindow() const;

protected:
    // Before the window's own handling (its event filters included). Answer true to mark the event
    // handled: then neither the hooks attached earlier nor the window get it, and there is no after
    // pass; only the window's deferred deletion cannot be stopped.
    virtual bool BeforeEvent(QEvent* event) = 0;
    // After the window handled an event that no hook marked handled (also when its handling
    // failed), in the same order; true keeps it from the hooks attached earlier.
    virtual bool AfterEvent(QEvent* event);
    // The window went away or all hooks were taken off it (not called for HookWindow itself).
    virtual void Unhooked();

private:
    friend class TWindowHookChain;
    TWindowHookChain* chain_ = nullptr;
};

// Takes every hook off window and tells each; a window's owner calls it before destroying the
// window so that no hook sees the events of a window being torn down.
void UnhookWindow(QWidget* window);

// For the application object's event delivery: whether receiver is a window with hooks, and the
// delivery of an event to it through them (hooks before, the window's filters and handling, hooks
// after). Hooks need the program's application object (TQtApplication), which delivers this way.
bool IsHookedWindow(const QObject* receiver);
bool NotifyThroughHooks(QObject* receiver, QEvent* event);
