// Entry point: a headless job when the command line asks for one, else the main window.
#include <QCoreApplication>
#include <QTextStream>
#include <csignal>
#include <cstdio>
#include <unistd.h>

#include "app/HeadlessJobs.h"
#include "app/JobOptions.h"
#include "app/MainForm.h"
#include "app/ProgramStart.h"
#include "app/Version.h"
#include "app/WindowOptions.h"
#include "controls/window/TeMessageBox.h"
#include "framework/Application.h"
#include "framework/FirstFrameExit.h"
#include "framework/QtApplication.h"
#include "theme/ThemeLink.h"
#include "theme/ThemeManager.h"
#include "themes/ThemeKinds.h"

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

int RunWindow(int argc, char* argv[], const QStringList& arguments)
{
    // Read before the GUI starts, so a wrong command line is told without a display.
    TWindowOptions options;
    try {
        options = ParseWindowOptions(arguments);
    } catch (const EUsageError& error) {
        QTextStream(stderr) << "trackwell: " << error.Message() << "\n" << UsageText() << Qt::flush;
        return 2;
    }
    TQtApplication qt(argc, argv);
    QCoreApplication::setApplicationName("Trackwell");
    QCoreApplication::setApplicationVersion(TRACKWELL_VERSION);
    RegisterThemeKinds();
    int status = 0;
    try {
        TForm1& form = StartProgramWindows(options);
        // Errors of a rip or a conversion are told in the window's own look.
        const TTeErrorDisplay errors(form.TeThemeLink1);
        ExitAfterFirstFrameIfAsked(*form.Handle());
        Application->Run();
    } catch (const Exception& error) {
        // Before the message loop: a theme that cannot be read, or a window that cannot be built.
        QTextStream(stderr) << "trackwell: " << error.Message() << "\n" << Qt::flush;
        status = 2;
    }
    FinalizeThemeManager();
    return status;
}

}  // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (IsHeadlessJob(arguments))
        return RunJob(argc, argv);
    return RunWindow(argc, argv, arguments);
}
