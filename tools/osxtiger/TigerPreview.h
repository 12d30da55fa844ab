#pragma once
// A proof sheet of a visual-style theme: every element object drawn at a few sizes in every frame.
#include <QString>

class TTeThemeMsStyles;

// Writes the sheet to pngFile and close-ups at twice the size beside it (name-1.png, name-2.png ...).
// Raises the bitmap and file errors of the PNG writer.
void SaveElementPreview(const TTeThemeMsStyles& theme, const QString& pngFile);
// A mock of the main window (active and inactive) drawn straight from the element objects.
void SaveWindowMock(const TTeThemeMsStyles& theme, const QString& pngFile);
