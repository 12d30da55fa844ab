#pragma once
// The GUI application that fonts and text need, made once for headless runs that have no main of
// their own to make it (benchmarks, fuzz targets).
#include <QGuiApplication>

#include "framework/HighDpi.h"

inline void EnsureGuiApplication()
{
    static int argc = 1;
    static char name[] = "trackwell";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        UseWholeDevicePixelRatios();
        static QGuiApplication application(argc, argv);
    }
}
