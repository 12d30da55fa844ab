#pragma once
// The stored theme "OSXTiger", drawn from code: every picture and section of the style.
class TTeThemeMsStyles;

// Fills theme with the OSXTiger style (INI text, bitmaps, name). The same bytes every time.
void MakeOsxTiger(TTeThemeMsStyles& theme);
