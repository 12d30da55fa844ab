// Entry point: a headless job when the command line asks for one, else the main window.
#include <QCoreApplication>
#include <QTextStream>
#include <csignal>
#include <cstdio>
#include <unistd.h>

#include "app/HeadlessJobs.h"
#include "app/JobOptions.h"
#include "app/Version.h"

namespace {

void OnInterrupt(int)
{
    RequestJobStop();
}

int RunJob(int argc, char* argv[])
{
    // No GUI platform: jobs run over ssh and in CI.
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName("Trackwell");
    QCoreApplication::setApplicationVersion(TRACKWELL_VERSION);
    QTextStream out(stdout);
    QTextStream err(stderr);
    TJobOptions options;
    try {
        options = ParseJobOptions(QCoreApplication::arguments().mid(1));
    } catch (const EUsageError& error) {
        err << "trackwell: " << error.Message() << "\n" << UsageText() << Qt::flush;
        return 2;
    }
    // A full disk or a file size limit must show as a short write, not end the process.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGINT, OnInterrupt);
    return RunHeadlessJob(options, out, err, ::isatty(STDOUT_FILENO) != 0);
}

}  // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (IsHeadlessJob(arguments))
        return RunJob(argc, argv);

    // The main window is not part of this build yet; say what the program can do headless. A command line it
    // cannot read is still a usage error, not a silent success.
    QCoreApplication application(argc, argv);
    try {
        ParseJobOptions(arguments);
    } catch (const EUsageError& error) {
        QTextStream(stderr) << "trackwell: " << error.Message() << "\n" << UsageText() << Qt::flush;
        return 2;
    }
    QTextStream(stdout) << "Trackwell " << TRACKWELL_VERSION << "\n" << UsageText();
    return 0;
}
