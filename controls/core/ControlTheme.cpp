#include "controls/core/ControlTheme.h"

#include <optional>

#include "controls/core/ThemeSelection.h"
#include "framework/Control.h"
#include "theme/ThemedElements.h"

TControlTheme::TControlTheme(TControl& control)
    : control_(control), link_([this] { control_.Invalidate(); }), object_(DefaultThemeObject())
{
}

TteTheme* TControlTheme::Theme() const
{
    return GetLinkTheme(link_);
}

bool TControlTheme::SetLink(TteCustomThemeLink* link)
{
    if (link == link_)
        return false;
    link_ = link;
    return true;
}

bool TControlTheme::SetObject(const QString& name)
{
    if (name == object_)
        return false;
    object_ = name;
    return true;
}

void TControlTheme::SelectionChanged()
{
    if (control_.ComponentState().Contains(TComponentStateFlag::csLoading) || !ApplyBounds())
        control_.Invalidate();
}

bool TControlTheme::ApplyBounds()
{
    const std::optional<TRect> bounds = BoundsFromTheme(link_, object_, control_.BoundsRect());
    if (!bounds)
        return false;
    control_.SetBoundsRect(*bounds);
    return true;
}

bool TControlTheme::React(const TMessage& message)
{
    switch (ThemeReactionTo(message, link_)) {
    case TThemeReaction::ktrRepaint:
        control_.Invalidate();
        return true;
    case TThemeReaction::ktrRepaintAndBounds:
        control_.Invalidate();
        ApplyBounds();
        return true;
    case TThemeReaction::ktrBounds:
        if (!ApplyBounds())
            control_.Invalidate();
        return true;
    case TThemeReaction::ktrNone:
        break;
    }
    return false;
}
