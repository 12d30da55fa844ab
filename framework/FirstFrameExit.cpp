#include "framework/FirstFrameExit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// Watches the window's paint: the repaint manager flushes the backing store to the screen right
// after the paint event returns, so a quit queued from the paint event runs after the first frame
// is out. A window whose paint a hook takes before any filter sees it is watched at its platform
// window instead: an exposed widget window paints and flushes while it handles the expose event.
class TFirstFrameWatch : public QObject {
public:
    explicit TFirstFrameWatch(QWidget& window) : QObject(&window), window_(window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && window_.windowHandle() != nullptr && watched == &window_)
            window_.windowHandle()->installEventFilter(this);
        const bool exposed = event->type() == QEvent::Expose && window_.windowHandle() != nullptr &&
                             window_.windowHandle()->isExposed();
        if ((event->type() == QEvent::Paint || exposed) && !quitting_) {
            quitting_ = true;
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

private:
    QWidget& window_;
    bool quitting_ = false;
};

}  // namespace

void ExitAfterFirstFrameIfAsked(QWidget& window)
{
    if (qEnvironmentVariable("TRACKWELL_EXIT_AFTER_FIRST_FRAME") == QLatin1String("1"))
        new TFirstFrameWatch(window);
}
