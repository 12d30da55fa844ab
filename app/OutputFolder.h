#pragma once
// Where ripped files go: "Output" beside the executable, or, where that folder cannot be written, the
// user's music folder + "/Trackwell/Output".
#include <QString>

// The folder the program writes into; an override (--output) wins.
QString OutputFolder(const QString& override = {});
// Creates folder (and missing parents) unless it exists; raises Exception naming it when it cannot.
void EnsureOutputFolder(const QString& folder);
