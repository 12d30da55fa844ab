#include "tools/gallery/MainWindowSheet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <cstdio>

#include "app/MainForm.h"
#include "app/ProgramStart.h"
#include "app/WindowOptions.h"
#include "framework/Application.h"
#include "tools/gallery/WindowPicture.h"

int RenderMainWindowSheet(const QString& theme, const QString& outFile)
{
    TWindowOptions options;
    options.Theme = theme;
    // Without a drive named, the demo disc built beside the gallery: with no disc the program's
    // creation handler leaves the grid and the encoder settings empty, which shows little of a theme.
    if (qEnvironmentVariableIsEmpty("TRACKWELL_DEVICE"))
        options.Device = QCoreApplication::applicationDirPath() + QStringLiteral("/demo/Trackwell-Demo.cue");
    TForm1& form = StartProgramWindows(options);
    form.Show();
    QWidget* window = form.Handle();
    window->activateWindow();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    // The window as it shows on the screen: what lies outside its shape on a neutral ground.
    const QImage sheet = WindowOnGround(*window, 0);
    std::printf("%s: window %d x %d, client %d x %d\n", qPrintable(outFile), form.Width(), form.Height(),
                form.ClientWidth(), form.ClientHeight());
    // The main and about windows, the last made first, as the program frees them when its loop ends.
    while (Application->ComponentCount() > 0)
        Application->Components(Application->ComponentCount() - 1)->Free();
    return SaveSheet(sheet, outFile);
}
