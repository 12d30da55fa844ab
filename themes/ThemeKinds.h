#pragma once
// Registration of the theme kinds of this folder with the theme manager.

// Registers the flat kind, the Office XP kind and the visual-style kind, in that order, right after
// the abstract theme that the manager registers itself; start-up calls it once.
void RegisterThemeKinds();
// Takes them out again (at shut-down).
void UnregisterThemeKinds();
