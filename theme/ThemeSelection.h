#pragma once
// Which theme a theme engine or a theme link has chosen: an item of its theme list, a file or a
// built-in kind. A theme taken from one of them forgets the other two.
#include <QString>

struct TteThemeSelection {
    TteThemeSelection();

    // A theme came from File.
    void FileChosen();
    // A theme came from the list's item index.
    void ItemChosen(int index);
    // The built-in kind named kindName became the theme.
    void BuildingChosen(const QString& kindName);
    // No theme is chosen any more.
    void Clear();

    QString File;
    // The chosen built-in kind's name, or the "No theme" text.
    QString Building;
    // -1 for no list item.
    int Index = -1;
};
