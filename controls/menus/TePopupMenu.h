#pragma once
// A themed context menu: its item tree opened at a screen point, up and left of the point when it
// would leave the work area.
#include <QPoint>

#include "controls/frame/FormOptions.h"
#include "controls/menus/TeItem.h"
#include "framework/Component.h"

class TTePopupMenu : public TComponent {
public:
    explicit TTePopupMenu(TComponent* owner);

    TTeItem* Items() const { return items_.get(); }
    TteCustomThemeLink* ThemeLink() const { return items_->ThemeLink.Get(); }
    void SetThemeLink(TteCustomThemeLink* link) { items_->ThemeLink = link; }
    // Blending, shadow and animation of the popup windows.
    TTePopupMenuOptions& PopupMenuOptions() { return options_; }
    const TTePopupMenuOptions& PopupMenuOptions() const { return options_; }
    TCustomImageList* Images() const { return items_->Images(); }
    void SetImages(TCustomImageList* images) { items_->SetImages(images); }
    // Fires OnPopup, then shows the tree at (x, y) (screen coordinates) and returns once it closed.
    void Popup(int x, int y);

    TNotifyEvent OnPopup;

private:
    std::unique_ptr<TTeItem, TComponentDeleter> items_;
    TTePopupMenuOptions options_;
};
