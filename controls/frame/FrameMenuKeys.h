#pragma once
// The frame's part in the window's keyboard handling: the menu bar sees every shortcut first, and
// Alt alone, F10 and Alt with a character enter it.
#include <QChar>

#include "framework/ComponentRef.h"
#include "framework/Form.h"

class TFrameMenus;

class TFrameMenuKeys {
public:
    explicit TFrameMenuKeys(TFrameMenus& menus) : menus_(menus) {}

    // The menu bar the keys go to; kept as a plain component reference, since the menus stand above
    // the frame.
    TComponent* MenuBar() const { return menuBar_; }
    void SetMenuBar(TComponent* value) { menuBar_ = value; }

    // form's shortcut handling asks the menu bar first, then whoever handled it before.
    void Chain(TForm& form);
    void Unchain(TForm* form);
    // Alt alone, F10 or Alt and a character: into the menu bar; true when it was entered.
    bool KeyMenu(QChar character);

private:
    void ShortCut(TForm* form, const QKeyEvent& key, bool& handled);

    TFrameMenus& menus_;
    TComponentRef<TComponent> menuBar_;
    // The form's shortcut handler before the frame chained itself in front of it.
    TShortCutEvent previousShortCut_;
    bool chained_ = false;
    // The last key went to an open menu (whose loop closes on Alt; its release must not reopen it).
    bool lastKeyInMenu_ = false;
};
