#pragma once
// The saved-font list: controls that let a theme change their font keep a copy of their own to go back to.
class TFont;

// Remembers a copy of font; a later call refreshes the copy.
void SaveControlFont(const TFont* font);
// Assigns the remembered copy back to font; nothing when none was saved.
void RestoreControlFont(TFont* font);
// Drops and frees the remembered copy.
void ForgetControlFont(const TFont* font);
// Frees every remembered copy (at shut-down).
void ClearSavedFonts();
