#include "theme/ThemeEngine.h"

#include <memory>

#include "framework/PropInfo.h"
#include "theme/Theme.h"
#include "theme/ThemeBuilding.h"
#include "theme/ThemeList.h"
#include "theme/ThemeManager.h"

namespace {

// The global setters ignore a zero delta, so going back to none would leave the theme shifted.
void TakeDeltaOff(int (TteTheme::*get)() const, void (TteTheme::*set)(int))
{
    TteTheme* theme = CurrentTheme();
    if (theme == nullptr || (theme->*get)() == 0)
        return;
    (theme->*set)(0);
    ThemeManager().Broadcast(TE_THEMECHANGE, static_cast<std::intptr_t>(TteThemeChange::ktcColors), 1);
}

}  // namespace

TTeThemeEngine::TTeThemeEngine(TComponent* owner) : TComponent(owner)
{
    AddThemeNotification(this);
}

TTeThemeEngine::~TTeThemeEngine()
{
    RemoveThemeNotification(this);
}

bool TTeThemeEngine::LoadingOrDesigning() const
{
    return ComponentState().Contains(TComponentStateFlag::csLoading) ||
           ComponentState().Contains(TComponentStateFlag::csDesigning);
}

void TTeThemeEngine::ApplyDeltas()
{
    if (deltaHue_ != 0)
        SetThemeDeltaHue(deltaHue_);
    if (deltaBrightness_ != 0)
        SetThemeDeltaBrightness(deltaBrightness_);
}

void TTeThemeEngine::SetDeltaHue(int delta)
{
    if (delta == deltaHue_)
        return;
    deltaHue_ = delta;
    if (deltaBrightness_ != 0)
        SetThemeDeltas(deltaHue_, deltaBrightness_);
    else if (delta != 0)
        SetThemeDeltaHue(delta);
    else
        TakeDeltaOff(&TteTheme::DeltaHue, &TteTheme::SetDeltaHue);
}

void TTeThemeEngine::SetDeltaBrightness(int delta)
{
    if (delta == deltaBrightness_)
        return;
    deltaBrightness_ = delta;
    if (deltaHue_ != 0)
        SetThemeDeltas(deltaHue_, deltaBrightness_);
    else if (delta != 0)
        SetThemeDeltaBrightness(delta);
    else
        TakeDeltaOff(&TteTheme::DeltaBrightness, &TteTheme::SetDeltaBrightness);
}

void TTeThemeEngine::SetThemeFile(const QString& fileName)
{
    selection_.File = fileName;
    if (TteTheme* theme = LoadThemeFromFile(fileName)) {
        SetCurrentTheme(theme);
        ApplyDeltas();
        selection_.FileChosen();
    } else if (selection_.Index == -1) {
        ClearCurrentTheme();
    }
}

TTeThemeList* TTeThemeEngine::ThemeList() const
{
    return themeList_;
}

void TTeThemeEngine::SetThemeList(TTeThemeList* list)
{
    themeList_ = list;
    if (list == nullptr)
        selection_.Index = -1;
}

void TTeThemeEngine::ThemeListFreed()
{
    ClearCurrentTheme();
    selection_.Index = -1;
}

void TTeThemeEngine::SetThemeIndex(int index)
{
    selection_.Index = index;
    if (const int chosen = ChosenThemeIndex(themeList_, index); chosen >= 0) {
        selection_.Index = chosen;
        if (TteTheme* theme = LoadItemTheme(*themeList_->Themes().Items(chosen))) {
            SetCurrentTheme(theme);
            ApplyDeltas();
            // The change handler picks the first item of the theme's name; the item asked for wins.
            selection_.ItemChosen(chosen);
        }
    } else if (selection_.File.isEmpty()) {
        ClearCurrentTheme();
    }
}

void TTeThemeEngine::SetThemeBuilding(const QString& name)
{
    selection_.Building = name;
    if (name == NoThemeText())
        return;
    const TteThemeClass* themeClass = FindBuiltInThemeClass(name);
    if (themeClass == nullptr) {
        selection_.Building = NoThemeText();
        return;
    }
    SetCurrentTheme(themeClass->Create().release());
    ApplyDeltas();
    selection_.BuildingChosen(themeClass->GetThemeKindName());
}

void TTeThemeEngine::Loaded()
{
    TComponent::Loaded();
    if (themeList_ != nullptr && selection_.Index >= 0)
        SetThemeIndex(selection_.Index);
}

void TTeThemeEngine::Dispatch(TMessage& message)
{
    if (message.Msg == TE_THEMECHANGE)
        ThemeChanged(message.WParam);
    else
        TComponent::Dispatch(message);
}

void TTeThemeEngine::ThemeChanged(std::intptr_t change)
{
    switch (static_cast<TteThemeChange>(change)) {
    case TteThemeChange::ktcReplaced:
    case TteThemeChange::ktcAssigned:
        if (TteTheme* theme = CurrentTheme(); theme != nullptr && !LoadingOrDesigning()) {
            const TteThemeClass& themeClass = theme->ThemeClass();
            if (themeClass.GetThemeConfig().BuiltIn) {
                selection_.BuildingChosen(themeClass.GetThemeKindName());
            } else {
                selection_.Building = NoThemeText();
                if (selection_.File.isEmpty() && !theme->FileName().isEmpty()) {
                    selection_.File = theme->FileName();
                    selection_.FileChosen();
                } else if (themeList_ != nullptr) {
                    const TTeThemeCollection& themes = themeList_->Themes();
                    for (int i = 0; i < themes.Count(); ++i) {
                        if (themes.Items(i)->Name() == theme->Name()) {
                            selection_.ItemChosen(i);
                            break;
                        }
                    }
                }
            }
        }
        break;
    case TteThemeChange::ktcRemoved:
        if (!LoadingOrDesigning())
            selection_.Clear();
        break;
    default:
        return;
    }
    if (OnThemeChanged)
        OnThemeChanged(this);
}

void RegisterThemeEngineProperties()
{
    RegisterProperties<TTeThemeEngine, TComponent>()
        .Integer("DeltaHue", &TTeThemeEngine::DeltaHue, &TTeThemeEngine::SetDeltaHue, 0)
        .Integer("DeltaBrightness", &TTeThemeEngine::DeltaBrightness, &TTeThemeEngine::SetDeltaBrightness, 0)
        .String("ThemeFile", &TTeThemeEngine::ThemeFile, &TTeThemeEngine::SetThemeFile)
        .Reference("ThemeList", &TTeThemeEngine::ThemeList, &TTeThemeEngine::SetThemeList)
        .Integer("ThemeIndex", &TTeThemeEngine::ThemeIndex, &TTeThemeEngine::SetThemeIndex, -1)
        .String("ThemeBuilding", &TTeThemeEngine::ThemeBuilding, &TTeThemeEngine::SetThemeBuilding)
        .String("Version", &TTeThemeEngine::Version, &TTeThemeEngine::SetVersion)
        .Event("OnThemeChanged", &TTeThemeEngine::OnThemeChanged);
}
