#include "framework/MessageWindow.h"

#include <utility>

#include "framework/Application.h"
#include "framework/Messaging.h"

TMessageWindow::TMessageWindow(THandler handler) : handler_(std::move(handler)) {}

bool TMessageWindow::event(QEvent* event)
{
    TMessageEvent* message = TMessageEvent::From(event);
    if (message == nullptr)
        return QObject::event(event);
    if (handler_)
        Application->Guard(nullptr, [&] { handler_(message->Message()); });
    return true;
}
