#pragma once
// What the theme engine and the theme link share: the "No theme" text, and finding the built-in
// theme kind a name asks for.
#include <QString>

class TteThemeClass;

// The theme-building text that means no built-in theme.
const QString& NoThemeText();

// The first registered kind built without data whose name equals name, ASCII letters compared
// without regard to case; nullptr when none.
const TteThemeClass* FindBuiltInThemeClass(const QString& name);
