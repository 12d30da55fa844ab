#pragma once
// trackwell-gallery --window: a framed program window in the current theme, active and inactive
// side by side, grabbed through the real paint path (frame and client).
#include <QString>

// Renders the sheet into a PNG file; answers the exit status (after saying what went wrong).
int RenderWindowSheet(const QString& outFile);
