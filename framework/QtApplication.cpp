#include "framework/QtApplication.h"

#include "framework/Application.h"
#include "framework/FormKeys.h"
#include "framework/HighDpi.h"
#include "framework/WindowHook.h"

namespace {

// Runs before the QApplication base is made, which is when the policy must be in place.
int& WithHighDpiPolicy(int& argc)
{
    UseWholeDevicePixelRatios();
    return argc;
}

}  // namespace

TQtApplication::TQtApplication(int& argc, char** argv) : QApplication(WithHighDpiPolicy(argc), argv) {}

bool TQtApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        if (PreviewFormKey(receiver, event))
            return true;
        if (IsHookedWindow(receiver))
            return NotifyThroughHooks(receiver, event);
        return QApplication::notify(receiver, event);
    } catch (...) {
        Application->HandleException(nullptr);
        return false;
    }
}
