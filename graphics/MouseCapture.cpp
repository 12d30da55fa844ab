#include "graphics/MouseCapture.h"

#include <QPointer>
#include <QWidget>

namespace {

struct TCapture {
    // A window deleted while it holds the capture is forgotten, not released.
    QPointer<QWidget> Window;
    int Depth = 0;
};

TCapture& Capture()
{
    static TCapture capture;
    return capture;
}

}  // namespace

void BeginMouseCapture(QWidget* window)
{
    TCapture& capture = Capture();
    if (capture.Depth == 0) {
        capture.Window = window;
        if (window != nullptr)
            window->grabMouse();
    }
    ++capture.Depth;
}

void EndMouseCapture()
{
    TCapture& capture = Capture();
    // Unbalanced ends would drive the depth negative and swallow the next capture's release.
    if (capture.Depth == 0)
        return;
    if (--capture.Depth > 0)
        return;
    if (capture.Window != nullptr && QWidget::mouseGrabber() == capture.Window)
        capture.Window->releaseMouse();
    capture.Window = nullptr;
}

int MouseCaptureDepth()
{
    return Capture().Depth;
}
