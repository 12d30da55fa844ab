// Entry point: until the window and the headless jobs exist, the program reports its version.
#include <QCoreApplication>
#include <QTextStream>

#include "app/Version.h"

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName("Trackwell");
    QCoreApplication::setApplicationVersion(TRACKWELL_VERSION);
    QTextStream(stdout) << "Trackwell " << TRACKWELL_VERSION << "\n";
    return 0;
}
