#pragma once
// The theme selection of one themed control, its ThemeLink and ThemeObject, and how the control
// follows its theme: the same for the windowed and the windowless themed controls.
#include <QString>

#include "framework/ComponentRef.h"
#include "framework/Object.h"
#include "theme/CustomThemeLink.h"

class TControl;
class TteTheme;

class TControlTheme {
public:
    // The control repaints when its link is freed.
    explicit TControlTheme(TControl& control);

    TteCustomThemeLink* Link() const { return link_; }
    const QString& Object() const { return object_; }
    // The theme the link supplies, else the application's.
    TteTheme* Theme() const;
    // Whether the value changed; the control then calls its ThemeSelectionChanged.
    bool SetLink(TteCustomThemeLink* link);
    bool SetObject(const QString& name);

    // ThemeLink or ThemeObject changed: the bounds from the theme, or a repaint (also while loading).
    void SelectionChanged();
    // Takes the bounds the theme prescribes; false, changing nothing, when it prescribes none.
    bool ApplyBounds();
    // The control's reaction to a theme notification; false for every other message.
    bool React(const TMessage& message);

private:
    TControl& control_;
    TComponentRef<TteCustomThemeLink> link_;
    QString object_;
};
