#pragma once
// The value forms of visual-style section keys: colours, flags, margins, points and the word values.
#include <QString>
#include <cstdint>

#include "framework/Colors.h"
#include "framework/Types.h"

class TFont;

// "r g b" (any token delimiter); a missing or non-numeric part counts as 0, each part is kept to 0..255.
TColor MsuxColor(const QString& value);
// "true", "1" or "yes", without regard to case.
bool MsuxBoolean(const QString& value);
// "left, right, top, bottom" into a rectangle of band widths; all 0 when any part is not a number.
TRect MsuxMargins(const QString& value);
// "x, y"; raises EConvertError when either is not a number.
TPoint MsuxPoint(const QString& value);
// Raises EConvertError when the value is not a number.
int MsuxInteger(const QString& value);

std::uint8_t MsuxBgType(const QString& value);
std::uint8_t MsuxSizingType(const QString& value);
std::uint8_t MsuxImageSelectType(const QString& value);
std::uint8_t MsuxContentAlignment(const QString& value);
std::uint8_t MsuxTextShadowType(const QString& value);
std::uint8_t MsuxImageLayout(const QString& value);
std::uint8_t MsuxGlyphType(const QString& value);

// "face, size[, bold[, italic[, underline[, strikeout]]]]": a non-empty style field sets that style.
// Raises EConvertError when the size is not a number.
void MsuxFont(const QString& value, TFont& font);

// The bitmap name of an image file value: "\" and the dot before a "b" extension become "_".
QString ResourceImageName(const QString& imageFileValue);
