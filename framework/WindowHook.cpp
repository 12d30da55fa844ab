#include "framework/WindowHook.h"

#include <QList>
#include <QPointer>

#include "framework/Application.h"

// The hooks of one window, installed as the window's event filter: the filter offers each event to
// the hooks, then hands it to the window itself, then offers it to the hooks again.
class TWindowHookChain : public QObject {
public:
    explicit TWindowHookChain(QWidget* window) : QObject(window), window_(window)
    {
        window->installEventFilter(this);
    }

    ~TWindowHookChain() override
    {
        // The window is going away with its children, this chain among them.
        TellUnhooked();
    }

    static TWindowHookChain* Of(QWidget* window)
    {
        for (QObject* child : window->children())
            if (auto* chain = dynamic_cast<TWindowHookChain*>(child))
                return chain;
        return nullptr;
    }

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != window_ || hooks_.isEmpty())
            return false;
        // Hooks may detach, die or destroy the window while they run: work on a copy and check
        // that each is still attached, and that this chain still exists, before every call.
        QPointer<TWindowHookChain> alive(this);
        const QList<TWindowHook*> hooks = hooks_;
        ++depth_;
        const bool handled = Offer(hooks, event, &TWindowHook::BeforeEvent, alive);
        if (!alive)
            return true;
        if (!handled) {
            QPointer<QWidget> window(window_);
            Application->Guard(nullptr, [&] { static_cast<QObject*>(window_)->event(event); });
            if (!alive || window.isNull())
                return true;
            Offer(hooks, event, &TWindowHook::AfterEvent, alive);
            if (!alive)
                return true;
        }
        --depth_;
        DropWhenUnused();
        // The window has had the event from here already; Qt must not deliver it a second time.
        return true;
    }

private:
    using TPass = bool (TWindowHook::*)(QEvent*);

    bool Offer(const QList<TWindowHook*>& hooks, QEvent* event, TPass pass, const QPointer<TWindowHookChain>& alive)
    {
        for (auto it = hooks.crbegin(); it != hooks.crend(); ++it) {
            if (!alive)
                return true;
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
