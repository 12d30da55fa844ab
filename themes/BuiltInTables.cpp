#include "themes/BuiltInTables.h"

#include <array>

namespace {

constexpr TColor kGray = 0x00808080;
constexpr TColor kSilver = 0x00C0C0C0;

constexpr std::array kColors{
    TteBuiltInColor{0, 0x009CDEF7, 0x00FF0000},  // CaptionNormal
    TteBuiltInColor{1, clBtnFace, clBtnFace},    // CaptionInactive
    TteBuiltInColor{2, kGray, kGray},            // WindowBorder
    TteBuiltInColor{3, clBtnFace, clBtnFace},    // Window
    TteBuiltInColor{4, 0x008396A0, clHighlight}, // Border
    TteBuiltInColor{5, clBtnFace, clBtnFace},    // PanelNormal
    TteBuiltInColor{6, clBtnFace, clBtnFace},    // PanelDisabled
    TteBuiltInColor{7, clBtnFace, clBtnFace},    // ButtonNormal
    TteBuiltInColor{8, 0x00E1EAEB, 0x00D2BDB6},  // ButtonHot
    TteBuiltInColor{9, 0x00996633, 0x00B59285},  // ButtonPressed
    TteBuiltInColor{10, 0x00996633, 0x00B59285}, // ButtonFocused
    TteBuiltInColor{11, clBtnFace, clBtnFace},   // ButtonDisabled
    TteBuiltInColor{12, clWhite, clWhite},       // EditNormal
    TteBuiltInColor{13, clWhite, clWhite},       // EditHot
    TteBuiltInColor{14, clWhite, clWhite},       // EditFocused
    TteBuiltInColor{15, clWhite, clWhite},       // EditDisabled
    TteBuiltInColor{16, 0x00B59285, 0x00B59285}, // EditSelection
    TteBuiltInColor{18, clWhite, clWhite},       // List
    TteBuiltInColor{19, clWhite, clWhite},       // Tree
    TteBuiltInColor{20, clWhite, clWhite},       // Grid
};

constexpr TteBuiltInFontLook Look(int size, TColor color, bool bold = false) { return {true, size, color, bold}; }
constexpr TteBuiltInFontLook kNotWritten{false, 0, 0, false};

constexpr std::array kFonts{
    TteBuiltInFont{0, 0, Look(10, clBlack, true), Look(10, clWhite, true)},       // CaptionTextNormal
    TteBuiltInFont{1, 1, Look(10, kGray, true), Look(10, kSilver, true)},         // CaptionTextInactive
    TteBuiltInFont{2, 2, Look(8, clWhite, true), Look(8, clWhite, true)},         // SmCaptionTextNormal
    TteBuiltInFont{3, 3, Look(8, kSilver, true), Look(8, kSilver, true)},         // SmCaptionTextInactive
    TteBuiltInFont{4, 7, Look(8, clBlack), kNotWritten},                          // StaticText*
    TteBuiltInFont{10, 13, Look(8, clBlack), Look(8, clBlack)},                   // ButtonText*
    TteBuiltInFont{14, 14, Look(8, kGray), Look(8, kGray)},                       // ButtonTextDisabled
    TteBuiltInFont{15, 31, Look(8, clBlack), Look(8, clBlack)},                   // check box ... EditBoxTextHot
    TteBuiltInFont{32, 32, Look(8, kGray), Look(8, kGray)},                       // EditBoxTextDisabled
    TteBuiltInFont{33, 33, Look(8, clWhite), Look(8, clWhite)},                   // EditBoxTextSelected
    TteBuiltInFont{37, 37, Look(8, kGray), Look(8, kGray)},                       // MenuItemTextDisabled
    TteBuiltInFont{41, 41, Look(8, kGray), Look(8, kGray)},                       // ToolItemTextDisabled
    TteBuiltInFont{42, 48, Look(8, clBlack), Look(8, clBlack)},                   // HeaderSectionText*
    TteBuiltInFont{65, 65, Look(8, kGray), Look(8, kGray)},                       // PopupMenuItemTextDisabled
};

} // namespace

std::span<const TteBuiltInColor> BuiltInColorTable() { return kColors; }
std::span<const TteBuiltInFont> BuiltInFontTable() { return kFonts; }
