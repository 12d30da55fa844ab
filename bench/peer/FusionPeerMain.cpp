// trackwell-fusion-peer: the main window's yardstick as a program of its own, for whole-process
// comparisons of start-up and memory. `--grab FILE.png` writes the window's picture instead of
// running, for comparing the two windows by eye.
#include <QApplication>
#include <QPixmap>
#include <cstdio>

#include "bench/peer/FusionPeerWindow.h"
#include "framework/FirstFrameExit.h"
#include "framework/HighDpi.h"

int main(int argc, char** argv)
{
    UseWholeDevicePixelRatios();
    QApplication app(argc, argv);
    UseFusionStyle();
    TFusionPeerWindow window;
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--grab")) {
        if (window.grab().save(args[2]))
            return 0;
        std::fprintf(stderr, "cannot write \"%s\"\n", qPrintable(args[2]));
        return 1;
    }
    if (args.size() != 1) {
        std::fputs("usage: trackwell-fusion-peer [--grab FILE.png]\n", stderr);
        return 2;
    }
    ExitAfterFirstFrameIfAsked(window);
    window.show();
    return QApplication::exec();
}
