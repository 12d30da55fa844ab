// Test entry point: one application object for the whole run, the program's own, headless unless told
// otherwise.
#include <gtest/gtest.h>

#include "framework/QtApplication.h"

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    TQtApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
