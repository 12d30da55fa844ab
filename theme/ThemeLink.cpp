#include "theme/ThemeLink.h"

#include "framework/PropInfo.h"
#include "theme/Theme.h"
#include "theme/ThemeBuilding.h"
#include "theme/ThemeList.h"
#include "theme/ThemeManager.h"

TTeThemeLink::TTeThemeLink(TComponent* owner) : TteCustomThemeLink(owner) {}

TTeThemeLink::~TTeThemeLink() = default;

void TTeThemeLink::ApplyDeltas()
{
    if (theme_)
        theme_->SetDeltas(deltaHue_, deltaBrightness_);
}

void TTeThemeLink::Replace(TteTheme* theme)
{
    theme_.reset(theme);
    ApplyDeltas();
    NotifyThemeLinkChanged(this);
}

void TTeThemeLink::SetDeltaHue(int delta)
{
    deltaHue_ = delta;
    if (theme_)
        theme_->SetDeltaHue(delta);
    NotifyThemeLinkChanged(this);
}

void TTeThemeLink::SetDeltaBrightness(int delta)
{
    deltaBrightness_ = delta;
    if (theme_)
        theme_->SetDeltaBrightness(delta);
    NotifyThemeLinkChanged(this);
}

void TTeThemeLink::SetThemeFile(const QString& fileName)
{
    selection_.File = fileName;
    TteTheme* theme = LoadThemeFromFile(fileName);
    if (theme == nullptr)
        return;
    selection_.FileChosen();
    Replace(theme);
}

void TTeThemeLink::SetThemeBuilding(const QString& name)
{
    selection_.Building = name;
    if (name == NoThemeText())
        return;
    const TteThemeClass* themeClass = FindBuiltInThemeClass(name);
    if (themeClass == nullptr) {
        selection_.Building = NoThemeText();
        return;
    }
    selection_.BuildingChosen(themeClass->GetThemeKindName());
    Replace(themeClass->Create().release());
}

TTeThemeList* TTeThemeLink::ThemeList() const
{
    return themeList_;
}

void TTeThemeLink::SetThemeList(TTeThemeList* list)
{
    themeList_ = list;
    if (list == nullptr)
        selection_.Index = -1;
}

void TTeThemeLink::SetThemeIndex(int index)
{
    selection_.Index = index;
    if (const int chosen = ChosenThemeIndex(themeList_, index); chosen >= 0) {
        selection_.Index = chosen;
        if (TteTheme* theme = LoadItemTheme(*themeList_->Themes().Items(chosen))) {
            selection_.ItemChosen(chosen);
            Replace(theme);
        }
    } else if (!ComponentState().Contains(TComponentStateFlag::csLoading) && theme_) {
        theme_.reset();
        NotifyThemeLinkChanged(this);
    }
}

void TTeThemeLink::Loaded()
{
    TteCustomThemeLink::Loaded();
    if (themeList_ != nullptr && selection_.Index >= 0)
        SetThemeIndex(selection_.Index);
}

void RegisterThemeLinkProperties()
{
    RegisterProperties<TTeThemeLink, TComponent>()
        .Integer("DeltaHue", &TTeThemeLink::DeltaHue, &TTeThemeLink::SetDeltaHue, 0)
        .Integer("DeltaBrightness", &TTeThemeLink::DeltaBrightness, &TTeThemeLink::SetDeltaBrightness, 0)
        .String("ThemeFile", &TTeThemeLink::ThemeFile, &TTeThemeLink::SetThemeFile)
        .String("ThemeBuilding", &TTeThemeLink::ThemeBuilding, &TTeThemeLink::SetThemeBuilding)
        .Reference("ThemeList", &TTeThemeLink::ThemeList, &TTeThemeLink::SetThemeList)
        .Integer("ThemeIndex", &TTeThemeLink::ThemeIndex, &TTeThemeLink::SetThemeIndex, -1);
}
