#pragma once
// The GUI application that fonts and text need, made once for the headless benchmarks.
#include <QGuiApplication>

inline void EnsureGuiApplication()
{
    static int argc = 1;
    static char name[] = "trackwell_bench";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QGuiApplication application(argc, argv);
    }
}
