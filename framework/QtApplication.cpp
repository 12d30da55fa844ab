#include "framework/QtApplication.h"

#include "framework/Application.h"
#include "framework/WindowHook.h"

bool TQtApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        if (IsHookedWindow(receiver))
            return NotifyThroughHooks(receiver, event);
        return QApplication::notify(receiver, event);
    } catch (...) {
        Application->HandleException(nullptr);
        return false;
    }
}
