#pragma once
// The frame's own system menu: its items by the border icons and the window state, each with its
// image from the caption image list, and a program's popup menu merged before or after them.
#include <QString>

#include "controls/frame/FormOptions.h"
#include "controls/window/CaptionImages.h"

class TTeDefaultForm;
class TTeItem;
class TTePopupMenu;

struct TSystemMenuRequest {
    TTeWindowState State = TTeWindowState::kwsNormal;
    TTeBorderIcons Icons;
    // A program's popup menu whose top-level items join the frame's own; nullptr for none.
    TTePopupMenu* Merged = nullptr;
    bool MergeAtFirst = false;
};

// Replaces the items of menu by the system menu for request; a click on one of the frame's own
// items runs its operation on frame. The merged items are copies (caption, check and its radio
// look, enabled, visible, image, shortcut and click handler; not their children).
void BuildSystemMenu(TTePopupMenu& menu, TTeDefaultForm& frame, const TSystemMenuRequest& request);
