#pragma once
// The controls sheet (trackwell-gallery --controls): a window holding every band of live controls
// under its title, shown off screen in the current theme and grabbed through the widgets' own paint.
#include <QImage>
#include <QString>
#include <memory>

class TteTheme;

// Needs the application object (a TQtApplication) and, for a themed sheet, the current theme set.
QImage RenderControlSheet();
// Makes theme (nullptr: none, the classic look) current, renders the sheet into the PNG file out and
// clears the theme again; answers the exit status.
int WriteControlSheet(std::unique_ptr<TteTheme> theme, const QString& out);
