#pragma once
// A hidden window that only receives messages, for modules that need an address for posted
// messages and platform notifications (the hook list, the theme manager, a tray icon).
#include <QObject>
#include <functional>

#include "framework/Object.h"

class TMessageWindow : public QObject {
public:
    using THandler = std::function<void(TMessage& message)>;

    explicit TMessageWindow(THandler handler);

protected:
    // Hands each numbered message to the handler; an error escaping it goes to the application's
    // error handling.
    bool event(QEvent* event) override;

private:
    THandler handler_;
};
