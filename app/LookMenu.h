#pragma once
// The looks the main window offers in its system menu: the built-in Default, Flat and Office XP and
// the stored OSXTiger. Choosing one makes it the theme of the whole window at once; the look in use
// is checked.
#include <QString>

#include "controls/menus/TePopupMenu.h"
#include "framework/ComponentRef.h"

class TTeForm;
class TTeThemeEngine;
class TTeThemeLink;

class TLookMenu : public TTePopupMenu {
public:
    // Owned by owner (the window), merged after the frame's own items. start is the look the window
    // starts in, as --theme names it (empty: the stored one); a file or None checks no look.
    TLookMenu(TComponent* owner, TTeForm& frame, TTeThemeEngine& engine, TTeThemeLink& link, const QString& start);

    // Switches the window to the look of item index (0 Default, 1 Flat, 2 Office XP, 3 OSXTiger).
    void Choose(int index);

private:
    TComponentRef<TTeThemeEngine> engine_;
    TComponentRef<TTeThemeLink> link_;
};
