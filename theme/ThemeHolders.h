#pragma once
// The metrics and drawing objects of a theme: they hold only the way back to their theme, so
// that theme kinds can hang their own metrics and drawing helpers there.
#include "framework/Persistent.h"

class TteTheme;

class TteThemeMetrics : public TPersistent {
public:
    explicit TteThemeMetrics(TteTheme* theme = nullptr) : theme_(theme) {}
    TteTheme* Theme() const { return theme_; }

private:
    TteTheme* theme_;
};

class TteThemeDrawing : public TPersistent {
public:
    explicit TteThemeDrawing(TteTheme* theme = nullptr) : theme_(theme) {}
    TteTheme* Theme() const { return theme_; }

private:
    TteTheme* theme_;
};
