#pragma once
// The effects contact sheet (trackwell-gallery --effects): every transition effect at 25, 50 and
// 75 percent between two generated pictures, drawn through the transition engine itself.
#include <QString>

// Writes the sheet as a PNG file; answers the exit status (1 with the error on stderr).
int WriteEffectsSheet(const QString& fileName);
