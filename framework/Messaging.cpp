#include "framework/Messaging.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>

#include "framework/Application.h"
#include "framework/ComponentRef.h"

TMessageEvent::TMessageEvent(const TMessage& message) : QEvent(EventType()), message_(message) {}

QEvent::Type TMessageEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

TMessageEvent* TMessageEvent::From(QEvent* event)
{
    return event != nullptr && event->type() == EventType() ? static_cast<TMessageEvent*>(event) : nullptr;
}

namespace {

TMessage MakeMessage(std::uint32_t msg, std::intptr_t wParam, std::intptr_t lParam)
{
    TMessage message;
    message.Msg = msg;
    message.WParam = wParam;
    message.LParam = lParam;
    return message;
}

// Messages posted to components wait here. Each waits under a serial number with a reference to
// its target, which a component's destruction clears, so a later component at the same address
// never gets them.
class TComponentMailbox : public QObject {
public:
    static TComponentMailbox& Instance()
    {
        static QPointer<TComponentMailbox> mailbox;
        if (mailbox.isNull())
            mailbox = new TComponentMailbox(QCoreApplication::instance());
        return *mailbox;
    }

    void Post(TComponent* target, const TMessage& message)
    {
        const quint64 serial = ++lastSerial_;
        pending_.insert(serial, TComponentRef<TComponent>(target));
        QCoreApplication::postEvent(this, new TPostedEvent(serial, message));
    }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != TPostedEvent::EventType())
            return QObject::event(event);
        auto* posted = static_cast<TPostedEvent*>(event);
        TComponent* target = pending_.take(posted->serial);
        if (target == nullptr)
            return true;
        Application->Guard(target, [&] { target->Dispatch(posted->message); });
        return true;
    }

private:
    struct TPostedEvent : QEvent {
        TPostedEvent(quint64 serial, const TMessage& message) : QEvent(EventType()), serial(serial), message(message) {}
        static QEvent::Type EventType()
        {
            static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
            return type;
        }
        quint64 serial;
        TMessage message;
    };

    explicit TComponentMailbox(QObject* parent) : QObject(parent) {}

    QHash<quint64, TComponentRef<TComponent>> pending_;
    quint64 lastSerial_ = 0;
};

}  // namespace

std::intptr_t Perform(TObject* target, std::uint32_t msg, std::intptr_t wParam, std::intptr_t lParam)
{
    TMessage message = MakeMessage(msg, wParam, lParam);
    target->Dispatch(message);
    return message.Result;
}

std::intptr_t SendMessage(QObject* window, std::uint32_t msg, std::intptr_t wParam, std::intptr_t lParam)
{
    TMessageEvent event(MakeMessage(msg, wParam, lParam));
    QCoreApplication::sendEvent(window, &event);
    return event.Message().Result;
}

void PostMessage(QObject* window, std::uint32_t msg, std::intptr_t wParam, std::intptr_t lParam)
{
    QCoreApplication::postEvent(window, new TMessageEvent(MakeMessage(msg, wParam, lParam)));
}

void PostMessage(TComponent* target, std::uint32_t msg, std::intptr_t wParam, std::intptr_t lParam)
{
    TComponentMailbox::Instance().Post(target, MakeMessage(msg, wParam, lParam));
}
