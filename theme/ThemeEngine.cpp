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

TTeThemeEngine::TTeThemeEngine(TComponent* owner) : TComponent(owner), themeBuilding_(NoThemeText())
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
    themeFile_ = fileName;
    if (TteTheme* theme = LoadThemeFromFile(fileName)) {
        SetCurrentTheme(theme);
        ApplyDeltas();
        themeIndex_ = -1;
        themeBuilding_ = NoThemeText();
    } else if (themeIndex_ == -1) {
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
        themeIndex_ = -1;
}

void TTeThemeEngine::ThemeListFreed()
{
    ClearCurrentTheme();
    themeIndex_ = -1;
}

void TTeThemeEngine::SetThemeIndex(int index)
{
    themeIndex_ = index;
    if (const int chosen = ChosenThemeIndex(themeList_, index); chosen >= 0) {
        themeIndex_ = chosen;
        if (TteTheme* theme = LoadItemTheme(*themeList_->Themes().Items(chosen))) {
            SetCurrentTheme(theme);
            ApplyDeltas();
            themeFile_.clear();
            themeBuilding_ = NoThemeText();
            // The change handler picks the first item of the theme's name; the item asked for wins.
            themeIndex_ = chosen;
        }
    } else if (themeFile_.isEmpty()) {
        ClearCurrentTheme();
    }
}

void TTeThemeEngine::SetThemeBuilding(const QString& name)
{
    themeBuilding_ = name;
    if (name == NoThemeText())
        return;
    const TteThemeClass* themeClass = FindBuiltInThemeClass(name);
    if (themeClass == nullptr) {
        themeBuilding_ = NoThemeText();
        return;
    }
    SetCurrentTheme(themeClass->Create().release());
    ApplyDeltas();
    themeFile_.clear();
    themeIndex_ = -1;
    themeBuilding_ = themeClass->GetThemeKindName();
}

void TTeThemeEngine::Loaded()
{
    TComponent::Loaded();
    if (themeList_ != nullptr && themeIndex_ >= 0)
        SetThemeIndex(themeIndex_);
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
                themeBuilding_ = themeClass.GetThemeKindName();
                themeIndex_ = -1;
                themeFile_.clear();
            } else {
                themeBuilding_ = NoThemeText();
                if (themeFile_.isEmpty() && !theme->FileName().isEmpty()) {
                    themeFile_ = theme->FileName();
                    themeIndex_ = -1;
                } else if (themeList_ != nullptr) {
                    const TTeThemeCollection& themes = themeList_->Themes();
                    for (int i = 0; i < themes.Count(); ++i) {
                        if (themes.Items(i)->Name() == theme->Name()) {
                            themeFile_.clear();
                            themeIndex_ = i;
                            break;
                        }
                    }
                }
            }
        }
        break;
    case TteThemeChange::ktcRemoved:
        if (!LoadingOrDesigning()) {
            themeFile_.clear();
            themeBuilding_ = NoThemeText();
            themeIndex_ = -1;
        }
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
