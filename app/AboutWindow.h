#pragma once
// The about window: the logo, the program's name, its home page and mail address as links, the
// licence, "Update" and "OK". Read from its stored description; its frame follows the main window's
// theme link.
class TComponent;
class TForm;
class TteCustomThemeLink;

// Makes the about window, hidden, owned by owner, its frames drawn through link (may be nullptr:
// the application's theme).
TForm* CreateAboutWindow(TComponent* owner, TteCustomThemeLink* link);

// Shows about modally, centred over the main window (over the screen without one), until it is
// closed; answers its modal result.
int ShowAboutWindow(TForm& about);
