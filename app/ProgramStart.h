#pragma once
// The program's windows made as the program starts them, shared by the program and by the tools
// that show its windows, so what they show is what the program shows.
class TForm1;
struct TWindowOptions;

// After the GUI application exists and the theme kinds are registered: the logo as every window's
// icon, options in force (the device the ripping component reads among them), the window classes
// known, the main window made as the application's main form (the disc read, OnCreate run) with its
// about window, and the start theme applied. Raises Exception for a start theme that cannot be used
// (before any window is made) or a window that cannot be built.
TForm1& StartProgramWindows(const TWindowOptions& options);
