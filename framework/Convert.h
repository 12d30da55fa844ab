#pragma once
// Text-to-integer conversion with the framework's rules and its conversion error.
#include <QString>

// Optional leading spaces, an optional sign, then decimal digits or hexadecimal digits after "$",
// "0x" or "0X"; nothing may follow. Decimal values must fit a signed 32-bit integer; hexadecimal
// ones may use all 32 bits and are taken as that bit pattern ("$FFFFFFFF" is -1).
bool TryStrToInt(const QString& text, int& value);
// Raises EConvertError "'<text>' is not a valid integer value".
int StrToInt(const QString& text);
int StrToIntDef(const QString& text, int defaultValue);
