#include "framework/WindowHook.h"

#include <QHash>
#include <QList>

#include "framework/Application.h"
#include "framework/Exception.h"
#include "framework/QtApplication.h"

// The hooks of one window. The application object hands every event for the window here first
// (NotifyThroughHooks), so the hooks see each event before and after all of the window's own
// handling, its event filters included, and no filter is passed over.
class TWindowHookChain : public QObject {
public:
    explicit TWindowHookChain(QWidget* window) : window_(window)
    {
        Chains().insert(window, this);
        connect(window, &QObject::destroyed, this, [this] { WindowGone(); });
    }

    ~TWindowHookChain() override
    {
        if (window_ != nullptr)
            Chains().remove(window_);
    }

    static QHash<const QObject*, TWindowHookChain*>& Chains()
    {
        static QHash<const QObject*, TWindowHookChain*> chains;
        return chains;
    }

    static TWindowHookChain* Of(const QObject* window) { return Chains().value(window); }

    QWidget* Window() const { return window_; }

    void Add(TWindowHook* hook)
    {
        hooks_.append(hook);
        hook->chain_ = this;
    }

    void Remove(TWindowHook* hook)
    {
        hooks_.removeOne(hook);
        hook->chain_ = nullptr;
        DropWhenUnused();
    }

    void RemoveAll()
    {
        TellUnhooked();
        DropWhenUnused();
    }

    bool Deliver(QEvent* event)
    {
        // Hooks may detach, die or destroy the window while they run: they work on a copy, each is
        // checked to be still attached before its call, and the chain outlives this delivery.
        const QList<TWindowHook*> hooks = hooks_;
        QObject* window = window_;
        ++depth_;
        bool result = true;
        // A window's own handling of its deletion always runs.
        if (!Offer(hooks, event, &TWindowHook::BeforeEvent) || event->type() == QEvent::DeferredDelete) {
            try {
                result = qApp->QApplication::notify(window, event);
            } catch (...) {
                Offer(hooks, event, &TWindowHook::AfterEvent);
                Leave();
                throw;
            }
            Offer(hooks, event, &TWindowHook::AfterEvent);
        }
        Leave();
        return result;
    }

private:
    using TPass = bool (TWindowHook::*)(QEvent*);

    bool Offer(const QList<TWindowHook*>& hooks, QEvent* event, TPass pass)
    {
        for (auto it = hooks.crbegin(); it != hooks.crend(); ++it) {
            TWindowHook* hook = *it;
            if (!hooks_.contains(hook))
                continue;
            bool stop = false;
            Application->Guard(nullptr, [&] { stop = (hook->*pass)(event); });
            if (stop)
                return true;
        }
        return false;
    }

    void Leave()
    {
        --depth_;
        DropWhenUnused();
    }

    void WindowGone()
    {
        Chains().remove(window_);
        window_ = nullptr;
        TellUnhooked();
        DropWhenUnused();
    }

    void TellUnhooked()
    {
        const QList<TWindowHook*> hooks = hooks_;
        hooks_.clear();
        for (TWindowHook* hook : hooks)
            hook->chain_ = nullptr;
        for (TWindowHook* hook : hooks)
            Application->Guard(nullptr, [&] { hook->Unhooked(); });
    }

    void DropWhenUnused()
    {
        if (hooks_.isEmpty() && depth_ == 0)
            delete this;
    }

    QWidget* window_;
    QList<TWindowHook*> hooks_;
    int depth_ = 0;
};

TWindowHook::~TWindowHook()
{
    HookWindow(nullptr);
}

void TWindowHook::HookWindow(QWidget* window)
{
    if (chain_ != nullptr && chain_->Window() == window)
        return;
    if (window != nullptr && dynamic_cast<TQtApplication*>(QCoreApplication::instance()) == nullptr)
        throw Exception(QStringLiteral("Window hooks need the program's application object (TQtApplication)"));
    if (chain_ != nullptr)
        chain_->Remove(this);
    if (window == nullptr)
        return;
    TWindowHookChain* chain = TWindowHookChain::Of(window);
    if (chain == nullptr)
        chain = new TWindowHookChain(window);
    chain->Add(this);
}

QWidget* TWindowHook::HookedWindow() const
{
    return chain_ != nullptr ? chain_->Window() : nullptr;
}

bool TWindowHook::AfterEvent(QEvent*)
{
    return false;
}

void TWindowHook::Unhooked() {}

void UnhookWindow(QWidget* window)
{
    if (TWindowHookChain* chain = TWindowHookChain::Of(window))
        chain->RemoveAll();
}

bool IsHookedWindow(const QObject* receiver)
{
    const auto& chains = TWindowHookChain::Chains();
    return !chains.isEmpty() && chains.contains(receiver);
}

bool NotifyThroughHooks(QObject* receiver, QEvent* event)
{
    return TWindowHookChain::Of(receiver)->Deliver(event);
}
