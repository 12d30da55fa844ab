#pragma once
// The size text takes in a font, measured as the canvas's DrawText with DT_CALCRECT measures it,
// for controls that size themselves outside a paint (no canvas is bound then).
#include <QString>

#include "framework/Types.h"

class TFont;

// format: the DrawText flags; width: the width word breaks wrap at.
TSize MeasureText(const TFont& font, const QString& text, unsigned format, int width = 0);
