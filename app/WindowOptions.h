#pragma once
// The command line of the main window: which disc, which theme, which output folder. "Open CD"
// starts the program again with the same options.
#include <QString>
#include <QStringList>

struct TWindowOptions {
    QString Device;
    // Default, Flat, OfficeXP, OSXTiger, None or a theme file; empty: the window's stored theme.
    QString Theme;
    // Empty: Output beside the executable (OutputFolder.h).
    QString OutputFolder;

    // The options as a command line, for starting the program again.
    QStringList Arguments() const;
};

// Parses the arguments after the program name; raises EUsageError (JobOptions.h).
TWindowOptions ParseWindowOptions(const QStringList& arguments);

// The options the running window was started with.
const TWindowOptions& WindowOptions();
void SetWindowOptions(const TWindowOptions& options);
