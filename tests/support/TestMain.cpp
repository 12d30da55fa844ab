// Test entry point: one QApplication for the whole run, headless unless told otherwise.
#include <QApplication>
#include <gtest/gtest.h>

#include "framework/HighDpi.h"

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    UseWholeDevicePixelRatios();
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
