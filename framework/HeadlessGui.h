#pragma once
// The GUI application that fonts, text and widgets need, made once for headless runs that have no
// main of their own to make it (benchmarks, fuzz targets).
#include <QApplication>

#include "framework/HighDpi.h"
#include "framework/QtApplication.h"

inline void EnsureGuiApplication()
{
    static int argc = 1;
    static char name[] = "trackwell";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        UseWholeDevicePixelRatios();
        // Never destroyed: torn down among the exit handlers, after Qt's own globals, it crashes
        // once a window has been shown.
        // The program's own application object, so that window hooks (the themed frame) see events.
        static QApplication* application = new TQtApplication(argc, argv);
        (void)application;
    }
}
