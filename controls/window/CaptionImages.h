#pragma once
// The pictures of the window commands (close, minimize, maximize, restore, roll up, to the
// notification area), 16 × 16, which the system menu shows beside its items. One list for the
// whole program, made on first use.
#include "framework/ImageList.h"

enum class TCaptionImage { kciClose = 0, kciMinimize = 1, kciMaximize = 2, kciRestore = 3, kciRollup = 4, kciTray = 5 };

TCustomImageList& CaptionImages();
