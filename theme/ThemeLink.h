#pragma once
// The theme link component: a private theme, from a theme list, a file or a built-in kind, for the
// controls and window frames bound to it; the application theme stays as it is.
#include <QString>
#include <memory>

#include "framework/ComponentRef.h"
#include "theme/CustomThemeLink.h"
#include "theme/ThemeSelection.h"

class TTeThemeList;

class TTeThemeLink : public TteCustomThemeLink {
public:
    explicit TTeThemeLink(TComponent* owner);
    ~TTeThemeLink() override;

    TteTheme* GetTheme() const override { return theme_.get(); }

    int DeltaHue() const { return deltaHue_; }
    // Sets the value on the link's theme and always sends the link notification.
    void SetDeltaHue(int delta);
    int DeltaBrightness() const { return deltaBrightness_; }
    void SetDeltaBrightness(int delta);
    const QString& ThemeFile() const { return selection_.File; }
    // A file that yields no theme leaves the link's theme as it is.
    void SetThemeFile(const QString& fileName);
    const QString& ThemeBuilding() const { return selection_.Building; }
    void SetThemeBuilding(const QString& name);
    TTeThemeList* ThemeList() const;
    // An empty reference also sets ThemeIndex to -1; the link keeps its theme.
    void SetThemeList(TTeThemeList* list);
    int ThemeIndex() const { return selection_.Index; }
    // Loads the list's item (the last one for a larger index); without a list item the link drops its theme.
    void SetThemeIndex(int index);

    void Loaded() override;

private:
    // Takes theme as the link's own, freeing the previous one, applies the deltas and tells the controls.
    void Replace(TteTheme* theme);
    void ApplyDeltas();

    std::unique_ptr<TteTheme> theme_;
    TteThemeSelection selection_;
    // The link keeps its theme when its list is freed.
    TComponentRef<TTeThemeList> themeList_{[this] { selection_.Index = -1; }};
    int deltaHue_ = 0;
    int deltaBrightness_ = 0;
};

void RegisterThemeLinkProperties();
