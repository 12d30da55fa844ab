#pragma once
// trackwell-gallery --menu: the main window's menu bar with its "Operation" popup open and the
// "Rip" submenu open beside it, in the current theme (the classic look without one), grabbed from
// the real windows while the menu loop runs; beside it a framed window with its system menu open.
#include <QString>

// Renders the sheet into a PNG file; answers the exit status (after saying what went wrong).
int RenderMenuSheet(const QString& outFile);
