#include "controls/core/ThemeSelection.h"

#include "theme/ThemeManager.h"
#include "theme/ThemedElements.h"

const QString& DefaultThemeObject()
{
    static const QString name = QStringLiteral("default");
    return name;
}

std::optional<TRect> BoundsFromTheme(const TteCustomThemeLink* link, const QString& objectName, const TRect& current)
{
    TteTheme* theme = GetLinkTheme(link);
    if (theme == nullptr)
        return std::nullopt;
    const TRect r = theme->GetObjectBounds(objectName);
    // Negative edges are "keep this one", so only a rectangle without them can be empty.
    const bool keepsAnEdge = r.Left < 0 || r.Top < 0 || r.Right < 0 || r.Bottom < 0;
    if (!keepsAnEdge && r.IsEmpty())
        return std::nullopt;
    return Rect(r.Left < 0 ? current.Left : r.Left, r.Top < 0 ? current.Top : r.Top,
                r.Right < 0 ? current.Right : r.Right, r.Bottom < 0 ? current.Bottom : r.Bottom);
}

TThemeReaction ThemeReactionTo(const TMessage& message, const TteCustomThemeLink* ownLink)
{
    if (message.Msg == TE_THEMELINKCHANGE)
        return reinterpret_cast<const TteCustomThemeLink*>(message.LParam) == ownLink ? TThemeReaction::ktrBounds
                                                                                        : TThemeReaction::ktrRepaint;
    if (message.Msg != TE_THEMECHANGE)
        return TThemeReaction::ktrNone;
    switch (static_cast<TteThemeChange>(message.WParam)) {
    case TteThemeChange::ktcReplaced:
    case TteThemeChange::ktcAssigned:
        return TThemeReaction::ktrRepaintAndBounds;
    case TteThemeChange::ktcRemoved:
    case TteThemeChange::ktcColors:
        return TThemeReaction::ktrRepaint;
    case TteThemeChange::ktcChanging:
    case TteThemeChange::ktcChanged:
        break;
    }
    return TThemeReaction::ktrNone;
}
