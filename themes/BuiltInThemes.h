#pragma once
// Registration of the built-in theme kinds with the theme manager.

// Registers the flat kind, then the Office XP kind, right after the abstract theme that the manager
// registers itself; start-up calls it once, before the kinds that read theme files.
void RegisterBuiltInThemes();
// Takes both kinds out again (at shut-down).
void UnregisterBuiltInThemes();
