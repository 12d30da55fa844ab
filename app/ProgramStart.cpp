#include "app/ProgramStart.h"

#include <QApplication>

#include "app/AboutWindow.h"
#include "app/Logo.h"
#include "app/MainForm.h"
#include "app/StartTheme.h"
#include "app/WindowOptions.h"
#include "framework/Application.h"
#include "theme/ThemeEngine.h"
#include "theme/ThemeLink.h"

TForm1& StartProgramWindows(const TWindowOptions& options)
{
    // Every window of the program, its frame's system-menu icon and the tray show the logo.
    QApplication::setWindowIcon(TrackwellIcon());
    // The CD library reads the drive or image named here when the window's ripping component is made.
    if (!options.Device.isEmpty())
        qputenv("TRACKWELL_DEVICE", options.Device.toLocal8Bit());
    SetWindowOptions(options);
    RegisterWindowClasses();
    CheckStartTheme(options.Theme);
    Application->Initialize();
    Application->SetTitle(QStringLiteral("Trackwell"));
    TForm1* form = Application->CreateForm<TForm1>();
    form->SetAboutWindow(CreateAboutWindow(Application, form->TeThemeLink1));
    ApplyStartTheme(options.Theme, *form->TeThemeEngine1, *form->TeThemeLink1);
    return *form;
}
