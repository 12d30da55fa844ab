// The menus a frame opens: its menu bar from the keyboard, and its system menu.
#include "controls/frame/FrameMenus.h"

#include <QKeyEvent>

#include "controls/frame/TeForm.h"
#include "controls/menus/MenuClicks.h"
#include "controls/menus/TeMenuBar.h"
#include "controls/menus/TePopupMenu.h"
#include "controls/window/SystemMenu.h"
#include "framework/ComponentRef.h"

namespace {

class TThemedFrameMenus : public TFrameMenus {
public:
    explicit TThemedFrameMenus(TTeDefaultForm& frame) : frame_(frame) {}

    bool MenuLoopRunning() const override { return MenuLoopDepth() > 0; }

    bool MenuBarShortCut(TComponent& menuBar, const QKeyEvent& key) override
    {
        auto* bar = dynamic_cast<TTeMenuBar*>(&menuBar);
        return bar != nullptr && bar->Visible() && bar->IsShortCut(key.key(), key.modifiers());
    }

    bool EnterMenuBar(TComponent& menuBar, QChar character) override
    {
        auto* bar = dynamic_cast<TTeMenuBar*>(&menuBar);
        return bar != nullptr && bar->Visible() && bar->EnterByMenuKey(character);
    }

    bool EnterMenuBarByAccelerator(TComponent& menuBar, QChar character) override
    {
        auto* bar = dynamic_cast<TTeMenuBar*>(&menuBar);
        if (bar == nullptr)
            return false;
        bar->EnterByAccelerator(character);
        return true;
    }

    void ShowSystemMenu(TPoint screenPoint) override
    {
        const bool inTray = frame_.WindowState() == TTeWindowState::kwsTray;
        auto* trayLink = dynamic_cast<TTePopupMenu*>(frame_.TrayMenuLink());
        auto* systemLink = dynamic_cast<TTePopupMenu*>(frame_.SystemMenuLink());
        const auto popup = [&](TTePopupMenu& menu, const TTePopupMenuOptions& options) {
            menu.PopupMenuOptions().Assign(&options);
            menu.Items()->TrayMenu = inTray;
            menu.Popup(screenPoint.X, screenPoint.Y);
            menu.Items()->TrayMenu = false;
        };
        if (inTray && trayLink != nullptr) {
            popup(*trayLink, frame_.TrayMenuOptions());
            return;
        }
        if (!inTray && systemLink != nullptr && !frame_.SystemMenuLinkMerge()) {
            popup(*systemLink, frame_.SystemMenuOptions());
            return;
        }
        if (!systemMenu_)
            systemMenu_ = MakeOwned<TTePopupMenu>(nullptr);
        TSystemMenuRequest request;
        request.State = frame_.WindowState();
        request.Icons = frame_.BorderIcons();
        request.Merged = frame_.SystemMenuLinkMerge() ? systemLink : nullptr;
        request.MergeAtFirst = frame_.SystemMenuLinkMergeAtFirst();
        BuildSystemMenu(*systemMenu_, frame_, request);
        if (auto* themed = dynamic_cast<TTeForm*>(&frame_))
            systemMenu_->SetThemeLink(themed->ThemeLink());
        popup(*systemMenu_, frame_.SystemMenuOptions());
    }

private:
    TTeDefaultForm& frame_;
    // The built-in system menu, made when first shown.
    TOwned<TTePopupMenu> systemMenu_;
};

}  // namespace

std::unique_ptr<TFrameMenus> MakeFrameMenus(TTeDefaultForm& frame)
{
    return std::make_unique<TThemedFrameMenus>(frame);
}
