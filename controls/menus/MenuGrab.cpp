#include "controls/menus/MenuGrab.h"

#include <QWidget>
#include <QWindow>

namespace {

enum class TGrabSupport { kUnknown, kYes, kNo };

TGrabSupport mouseSupport = TGrabSupport::kUnknown;
TGrabSupport keyboardSupport = TGrabSupport::kUnknown;

// Asks the platform once, through the window's own grab; the widget's grab that follows takes it
// over. A window not created yet cannot tell: the widget's grab is tried.
bool Grabs(TGrabSupport& support, QWidget* window, bool (QWindow::*grab)(bool))
{
    if (support == TGrabSupport::kUnknown) {
        QWindow* handle = window->window()->windowHandle();
        if (handle == nullptr)
            return true;
        support = (handle->*grab)(true) ? TGrabSupport::kYes : TGrabSupport::kNo;
    }
    return support == TGrabSupport::kYes;
}

}  // namespace

void GrabMenuInput(QWidget* window, bool keyboard)
{
    if (Grabs(mouseSupport, window, &QWindow::setMouseGrabEnabled))
        window->grabMouse();
    if (keyboard && Grabs(keyboardSupport, window, &QWindow::setKeyboardGrabEnabled))
        window->grabKeyboard();
}

void ReleaseMenuInput(QWidget* window, bool keyboard)
{
    if (keyboard && keyboardSupport != TGrabSupport::kNo)
        window->releaseKeyboard();
    if (mouseSupport != TGrabSupport::kNo)
        window->releaseMouse();
}
