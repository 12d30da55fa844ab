#include "theme/ThemedElements.h"

#include "theme/CustomThemeLink.h"
#include "theme/ThemeManager.h"

namespace {

const QString kDefaultObject = QStringLiteral("default");

template <typename Available>
bool Themed(const TteCustomThemeLink* link, const QString& objectName, Available available)
{
    if (link != nullptr) {
        if (TteTheme* theme = link->GetTheme())
            return available(*theme, objectName);
    }
    TteTheme* theme = CurrentTheme();
    if (theme == nullptr)
        return false;
    return available(*theme, objectName) || available(*theme, kDefaultObject);
}

}  // namespace

TteTheme* GetLinkTheme(const TteCustomThemeLink* link)
{
    if (link != nullptr) {
        if (TteTheme* theme = link->GetTheme())
            return theme;
    }
    return CurrentTheme();
}

#define TE_THEMED_QUERY(Family, Kind)                                                                       \
    bool Is##Family##Themed(Kind kind, const QString& objectName, const TteCustomThemeLink* link)       \
    {                                                                                                       \
        return Themed(link, objectName,                                                                     \
                      [kind](TteTheme& theme, const QString& name) { return theme.Is##Family##Available(kind, name); }); \
    }

TE_THEMED_QUERY(Form, TteFormKind)
TE_THEMED_QUERY(Label, TteKind)
TE_THEMED_QUERY(Button, TteKind)
TE_THEMED_QUERY(CheckBox, TteKind)
TE_THEMED_QUERY(ScrollBar, TteKind)
TE_THEMED_QUERY(ProgressBar, TteKind)
TE_THEMED_QUERY(TrackBar, TteKind)
TE_THEMED_QUERY(StatusBar, TteKind)
TE_THEMED_QUERY(Edit, TteKind)
TE_THEMED_QUERY(GroupBox, TteKind)
TE_THEMED_QUERY(Menu, TteKind)
TE_THEMED_QUERY(ToolBar, TteKind)
TE_THEMED_QUERY(Tab, TteKind)
TE_THEMED_QUERY(ListBox, TteKind)
TE_THEMED_QUERY(Grid, TteKind)
