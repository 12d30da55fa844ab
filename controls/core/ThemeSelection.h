#pragma once
// How a themed control picks its theme and follows it: the link and object name it is given, the
// bounds a theme prescribes, and what each theme notification asks of the control.
#include <QString>
#include <optional>

#include "framework/Object.h"
#include "framework/PropInfo.h"
#include "framework/Types.h"

class TControl;
class TteCustomThemeLink;
class TteTheme;

// The object name a control starts with, and that is not stored.
const QString& DefaultThemeObject();

// The bounds the theme of link prescribes for objectName, applied to current: a negative left or
// top keeps the current one, a negative right or bottom keeps the current right or bottom edge.
// Nothing when there is no theme or it prescribes no rectangle.
std::optional<TRect> BoundsFromTheme(const TteCustomThemeLink* link, const QString& objectName, const TRect& current);

enum class TThemeReaction {
    ktrNone,
    ktrRepaint,
    ktrRepaintAndBounds,  // repaint, then take the bounds from the theme again
    ktrBounds,            // take the bounds from the theme again (which repaints when they change)
};

// What a control with ownLink does on message; ktrNone for every other message.
TThemeReaction ThemeReactionTo(const TMessage& message, const TteCustomThemeLink* ownLink);

// The stored ThemeLink and ThemeObject ("default" is not stored) of a concrete themed control.
template <typename T>
TPropRegistrar<T>& AddThemeSelectionProperties(TPropRegistrar<T>& properties)
{
    return properties.Reference("ThemeLink", &T::ThemeLink, &T::SetThemeLink)
        .String("ThemeObject", &T::ThemeObject, &T::SetThemeObject, DefaultThemeObject());
}
