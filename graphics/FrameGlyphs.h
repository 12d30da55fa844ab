#pragma once
// The dark symbols of the classic frame controls (caption-button symbols, scroll arrows, menu
// marks, check marks and radio dots), drawn pixel for pixel as at the classic sizes.
#include "framework/Types.h"
#include "graphics/Pixel.h"

class TteBitmap;

// Frame kinds.
constexpr unsigned DFC_CAPTION = 1;
constexpr unsigned DFC_MENU = 2;
constexpr unsigned DFC_SCROLL = 3;
constexpr unsigned DFC_BUTTON = 4;
// Symbols per kind (the low byte of the state).
constexpr unsigned DFCS_CAPTIONCLOSE = 0x0;
constexpr unsigned DFCS_CAPTIONMIN = 0x1;
constexpr unsigned DFCS_CAPTIONMAX = 0x2;
constexpr unsigned DFCS_CAPTIONRESTORE = 0x3;
constexpr unsigned DFCS_CAPTIONHELP = 0x4;
constexpr unsigned DFCS_MENUARROW = 0x0;
constexpr unsigned DFCS_MENUCHECK = 0x1;
constexpr unsigned DFCS_MENUBULLET = 0x2;
constexpr unsigned DFCS_MENUARROWRIGHT = 0x4;
constexpr unsigned DFCS_SCROLLUP = 0x0;
constexpr unsigned DFCS_SCROLLDOWN = 0x1;
constexpr unsigned DFCS_SCROLLLEFT = 0x2;
constexpr unsigned DFCS_SCROLLRIGHT = 0x3;
constexpr unsigned DFCS_SCROLLCOMBOBOX = 0x5;
constexpr unsigned DFCS_SCROLLSIZEGRIP = 0x8;
constexpr unsigned DFCS_BUTTONCHECK = 0x0;
constexpr unsigned DFCS_BUTTONRADIOIMAGE = 0x1;
constexpr unsigned DFCS_BUTTONRADIOMASK = 0x2;
constexpr unsigned DFCS_BUTTONRADIO = 0x4;
constexpr unsigned DFCS_BUTTON3STATE = 0x8;
constexpr unsigned DFCS_BUTTONPUSH = 0x10;
// State flags.
constexpr unsigned DFCS_INACTIVE = 0x100;
constexpr unsigned DFCS_PUSHED = 0x200;
constexpr unsigned DFCS_CHECKED = 0x400;
constexpr unsigned DFCS_FLAT = 0x4000;
constexpr unsigned DFCS_MONO = 0x8000;

// Sets the pixels of the symbol that the classic frame control draws in black (the window-text
// colour) for frameType and frameState to ink, centred in rect of target; every other pixel is left
// alone. A symbol that the control draws embossed or grey (inactive, a third-state check) has no
// black pixels and sets none; so does a kind without a symbol (push button, size grip). Symbols grow
// by whole multiples once rect is a multiple of the classic size. Answers whether any pixel was set.
bool DrawFrameSymbol(TteBitmap& target, const TRect& rect, unsigned frameType, unsigned frameState, TteColor ink);
