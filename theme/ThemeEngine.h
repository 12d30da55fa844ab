#pragma once
// The theme engine component: chooses the application theme from a theme list, a file or a built-in
// kind, applies its hue and brightness, and follows whatever theme becomes current.
#include <QString>

#include "framework/ComponentRef.h"
#include "theme/ThemeSelection.h"

class TTeThemeList;

class TTeThemeEngine : public TComponent {
public:
    explicit TTeThemeEngine(TComponent* owner);
    ~TTeThemeEngine() override;

    int DeltaHue() const { return deltaHue_; }
    void SetDeltaHue(int delta);
    int DeltaBrightness() const { return deltaBrightness_; }
    void SetDeltaBrightness(int delta);
    const QString& ThemeFile() const { return selection_.File; }
    // Loads the file; when no theme comes of it, an engine without an index clears the current theme.
    void SetThemeFile(const QString& fileName);
    TTeThemeList* ThemeList() const;
    // An empty reference also sets ThemeIndex to -1.
    void SetThemeList(TTeThemeList* list);
    int ThemeIndex() const { return selection_.Index; }
    // Makes the list's item (the last one for a larger index) the current theme; without a list
    // item, and without a file, clears the current theme.
    void SetThemeIndex(int index);
    const QString& ThemeBuilding() const { return selection_.Building; }
    // Makes a theme of the built-in kind of that name current; "No theme" when there is none.
    void SetThemeBuilding(const QString& name);
    QString Version() const { return QStringLiteral("6.0"); }
    void SetVersion(const QString&) {}

    // After the current theme was replaced, assigned or removed.
    TNotifyEvent OnThemeChanged;

    void Loaded() override;
    void Dispatch(TMessage& message) override;

private:
    void ApplyDeltas();
    void ThemeChanged(std::intptr_t change);
    bool LoadingOrDesigning() const;
    // A list that is freed takes its theme with it: the current theme is cleared.
    void ThemeListFreed();

    int deltaHue_ = 0;
    int deltaBrightness_ = 0;
    TteThemeSelection selection_;
    TComponentRef<TTeThemeList> themeList_{[this] { ThemeListFreed(); }};
};

void RegisterThemeEngineProperties();
