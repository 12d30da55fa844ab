#pragma once
// The theme the main window starts in, chosen on the command line instead of its stored one.
#include <QString>

class TTeThemeEngine;
class TTeThemeLink;

// name: Default, Flat, OfficeXP or OSXTiger (the stored one, index 0 of the window's theme list),
// None (the classic look), or a theme file. The engine makes it the application theme and the link
// drops its own, so the whole window shows it. A file that yields no theme or an unknown name raises Exception; the window keeps
// its stored theme then.
// Raises as ApplyStartTheme would, changing nothing.
void CheckStartTheme(const QString& name);
void ApplyStartTheme(const QString& name, TTeThemeEngine& engine, TTeThemeLink& link);
