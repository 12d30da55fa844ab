#pragma once
// The Qt application object for the program's main: the last net under the event loop, so that an
// error escaping a Qt event handler that no dispatch point guarded is shown and the loop goes on; and
// the road by which window hooks see every event of their windows.
#include <QApplication>

class TQtApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override;
};
