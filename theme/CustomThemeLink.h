#pragma once
// A component through which controls use a theme of their own instead of the application theme.
#include "framework/Component.h"

class TteTheme;

class TteCustomThemeLink : public TComponent {
public:
    using TComponent::TComponent;

    // The theme the link supplies now, or nullptr; the link keeps owning it.
    virtual TteTheme* GetTheme() const = 0;
};
