#include "framework/QtApplication.h"

#include "framework/Application.h"

bool TQtApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        Application->HandleException(nullptr);
        return false;
    }
}
