#pragma once
// trackwell-gallery --about: the program's about window in the current theme (or the classic look),
// as it shows on the screen, frame and client.
#include <QString>

// Renders the sheet into a PNG file; answers the exit status (after saying what went wrong).
int RenderAboutSheet(const QString& outFile);
