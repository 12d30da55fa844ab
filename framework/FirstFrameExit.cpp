#include "framework/FirstFrameExit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

// Watches the window's paint: the repaint manager flushes the backing store to the screen right
// after the paint event returns, so a quit queued from the paint event runs after the first frame
// is out.
class TFirstFrameWatch : public QObject {
public:
    explicit TFirstFrameWatch(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }
};

}  // namespace

void ExitAfterFirstFrameIfAsked(QWidget& window)
{
    if (qEnvironmentVariable("TRACKWELL_EXIT_AFTER_FIRST_FRAME") == QLatin1String("1"))
        new TFirstFrameWatch(window);
}
