#pragma once
// The program's main window as it shows in a theme (--main-window): the real window read from its
// stored description, started as the program starts it, on the disc of $TRACKWELL_DEVICE
// (else the demo disc beside the gallery), grabbed to a PNG.
#include <QString>

// theme: as the program's --theme. Answers the exit status.
int RenderMainWindowSheet(const QString& theme, const QString& outFile);
