#pragma once
// What a frame asks of the menus: its menu bar's keys, and the system menu its button, Alt+Space and
// the tray icon open. The menus stand above the frame (a menu's popup window is itself a framed form),
// so the frame declares here what it needs, and the window layer, which sees both, makes it
// (controls/window/FrameMenus.cpp). The controls are one library, so the linker joins the two.
#include <QChar>
#include <memory>

#include "framework/Types.h"

class QKeyEvent;
class TComponent;
class TTeDefaultForm;

class TFrameMenus {
public:
    virtual ~TFrameMenus() = default;

    // A menu's loop runs: it has the keys to itself.
    virtual bool MenuLoopRunning() const = 0;
    // menuBar, when shown, takes key as the shortcut of one of its items.
    virtual bool MenuBarShortCut(TComponent& menuBar, const QKeyEvent& key) = 0;
    // Alt alone or F10 (no character), or Alt and a character, enter menuBar when it is shown.
    virtual bool EnterMenuBar(TComponent& menuBar, QChar character) = 0;
    // The item of menuBar whose accelerator is character opens; false when menuBar is no menu bar.
    virtual bool EnterMenuBarByAccelerator(TComponent& menuBar, QChar character) = 0;
    // The frame's system menu at screenPoint: the program's linked menu, the built-in one, or both
    // merged; in the tray the tray's menu when one is linked.
    virtual void ShowSystemMenu(TPoint screenPoint) = 0;
};

// The menus of frame; made once with it.
std::unique_ptr<TFrameMenus> MakeFrameMenus(TTeDefaultForm& frame);
