#include "controls/menus/TePopupMenu.h"

#include "controls/menus/TeItemView.h"
#include "framework/Application.h"

TTePopupMenu::TTePopupMenu(TComponent* owner) : TComponent(owner), items_(new TTeItem(nullptr)) {}

void TTePopupMenu::Popup(int x, int y)
{
    // Another menu open ends first.
    if (TTeItemView* open = TTeItemView::Innermost())
        open->CloseAll();
    items_->PopupOptions = &options_;
    items_->AnimateNext = true;
    if (OnPopup)
        OnPopup(this);
    RunContextMenu(*items_, QPoint(x, y));
}
