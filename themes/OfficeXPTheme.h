#pragma once
// The built-in Office XP theme: the flat look in Office XP colours and fonts, popup menus with a
// wide gutter, and window frames left to the platform.
#include "themes/FlatTheme.h"

class TTeOfficeXPTheme : public TTeFlatTheme {
public:
    static constexpr int kPopupGutterWidth = 21;

    const TteThemeClass& ThemeClass() const override;
    static QString GetThemeKindName();

    // Unlike the flat kind, the Office XP colours follow the hue and brightness shifts.
    void InitColors() override;
    void InitFonts() override;

    bool IsFormAvailable(TteFormKind kind, const QString& objectName) override;

protected:
    TTeOfficeXPTheme();
};
