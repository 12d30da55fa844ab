#pragma once
// Numbered messages between objects and windows: sent at once, or posted and delivered later by
// the message loop.
#include <QEvent>
#include <QObject>

#include "framework/Component.h"
#include "framework/Object.h"

// A numbered message travelling as a Qt event. A window's widget hands it to its owner's
// Dispatch in its event(); hooks on the window see it first like any other event.
class TMessageEvent : public QEvent {
public:
    explicit TMessageEvent(const TMessage& message);

    static QEvent::Type EventType();
    // The message carried by event, or nullptr when event is of another kind.
    static TMessageEvent* From(QEvent* event);

    TMessage& Message() { return message_; }

private:
    TMessage message_;
};

// Hands the message straight to target's Dispatch; answers its Result.
std::intptr_t Perform(TObject* target, std::uint32_t msg, std::intptr_t wParam = 0, std::intptr_t lParam = 0);

// Delivers the message to a window now, through the window's hooks and then its own handling;
// answers the Result (0 when nobody set one).
std::intptr_t SendMessage(QObject* window, std::uint32_t msg, std::intptr_t wParam = 0, std::intptr_t lParam = 0);

// Queues the message for a window; it is dropped when the window is destroyed before delivery.
void PostMessage(QObject* window, std::uint32_t msg, std::intptr_t wParam = 0, std::intptr_t lParam = 0);

// Queues the message for a component's Dispatch, past any hooks on its window (a class that is both
// a component and a QObject picks the road with a cast); it is dropped when the component is destroyed
// before delivery. An exception from the handler goes to the application's error handling.
void PostMessage(TComponent* target, std::uint32_t msg, std::intptr_t wParam = 0, std::intptr_t lParam = 0);
