#pragma once
// trackwell-gallery --message-box: the themed message box that tells errors, in the current theme
// (or the classic look), frame and client, with a text long enough to wrap.
#include <QString>

// Renders the sheet into a PNG file; answers the exit status (after saying what went wrong).
int RenderMessageBoxSheet(const QString& outFile);
