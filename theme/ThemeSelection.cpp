#include "theme/ThemeSelection.h"

#include "theme/ThemeBuilding.h"

TteThemeSelection::TteThemeSelection() : Building(NoThemeText()) {}

void TteThemeSelection::FileChosen()
{
    Index = -1;
    Building = NoThemeText();
}

void TteThemeSelection::ItemChosen(int index)
{
    File.clear();
    Building = NoThemeText();
    Index = index;
}

void TteThemeSelection::BuildingChosen(const QString& kindName)
{
    File.clear();
    Index = -1;
    Building = kindName;
}

void TteThemeSelection::Clear()
{
    File.clear();
    Building = NoThemeText();
    Index = -1;
}
