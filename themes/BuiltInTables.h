#pragma once
// The colour and font values the flat and Office XP themes write into their tables.
#include <span>

#include "framework/Colors.h"

// One colour-table entry and its value in each of the two kinds.
struct TteBuiltInColor {
    int Index;
    TColor Flat;
    TColor OfficeXP;
};

// A run of font-table entries written alike. A kind whose Written flag is false leaves the run alone.
struct TteBuiltInFontLook {
    bool Written;
    int Size;
    TColor Color;
    bool Bold;
};
struct TteBuiltInFont {
    int First;
    int Last;
    TteBuiltInFontLook Flat;
    TteBuiltInFontLook OfficeXP;
};

// Entries 17 (Hint) and 21 (BarDock) are in neither table: both kinds leave them as they were.
std::span<const TteBuiltInColor> BuiltInColorTable();
std::span<const TteBuiltInFont> BuiltInFontTable();
