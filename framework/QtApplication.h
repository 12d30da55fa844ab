#pragma once
// The Qt application object for the program's main: the last net under the event loop, so that an
// error escaping a Qt event handler that no dispatch point guarded is shown and the loop goes on; and
// the road by which window hooks see every event of their windows and forms see their keys first. It sets the high-dpi policy
// (HighDpi.h) before Qt reads the screens.
#include <QApplication>

class TQtApplication : public QApplication {
public:
    TQtApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
