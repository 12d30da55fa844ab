#pragma once
// The window states of a themed frame: normal, maximized, minimized, rolled up to the caption and
// hidden in the notification area. The frame keeps them itself instead of leaving them to the
// platform; this is its state machine, with the previous state (where a restore returns), the
// bounds a restore returns to, a state stored in the window's description waiting for the first
// show, the notification-area icon, and the frame's chaining into the application's minimize and
// restore. The frame's caption buttons, its system menu, the tray icon, the platform's system
// commands and the WindowState property all end up here.
#include <QEvent>
#include <memory>
#include <optional>

#include "controls/frame/FormOptions.h"
#include "framework/Component.h"
#include "framework/Types.h"

class TTeDefaultForm;
class TFrameMenus;
class TFormTray;
class TApplicationChain;

// Private messages of the frame's window. kMaximizeRequest maximizes; kApplyPendingState applies the
// stored state (wParam: 1 maximized, 2 minimized, 3 rolled up, 4 tray); kQueryTray is sent to the
// window before it hides in the notification area (wParam the window), and an answer of 1 keeps it.
constexpr std::uint32_t kMaximizeRequest = 0x56E;
constexpr std::uint32_t kApplyPendingState = 0x56F;
constexpr std::uint32_t kQueryTray = 0x4514;

class TTeWindowStates {
public:
    // The system menu and the menu bar's accelerators go through menus.
    TTeWindowStates(TTeDefaultForm& frame, TFrameMenus& menus);
    ~TTeWindowStates();

    // The state the window is in.
    TTeWindowState Current() const { return current_; }
    // The state before the last state operation; kwsNormal when cleared.
    TTeWindowState Previous() const { return previous_; }
    // The window rectangle (screen coordinates) a restore returns to.
    std::optional<TRect> NormalBounds() const { return normal_; }
    // The stored state waiting for the first show; kwsNormal for none.
    TTeWindowState Pending() const { return pending_; }

    // The WindowState setter: at design time only stored, while loading remembered as the pending
    // state, else the operation of the new state.
    void SetState(TTeWindowState state);

    void Maximize();
    void Minimize();
    void Rollup();
    void MinimizeToTray();
    // Where it returns depends on the current and the previous state.
    void Restore();
    // The built-in system menu (or the program's linked one) at screenPoint; in the tray at the
    // cursor, which the tray icon hands in.
    void ShowSystemMenu(TPoint screenPoint);

    // The frame took over its window: a pending state moves the window off-screen until the first
    // show applies it.
    void Loaded();
    // Show, activation and the platform's minimize and restore of the frame's window.
    void HookEvent(QEvent* event);
    // The frame's private messages and WM_SYSCOMMAND; true when the message was one of them.
    bool Dispatch(TMessage& message);

private:
    enum class TOperation { kMaximize, kMinimize, kRollup, kTray };

    bool Designing() const;
    bool Usable() const;
    // The common start of the four state operations: false when the event cancelled the operation
    // or it turned into a restore.
    bool Begin(TOperation operation, TTeWindowState target);
    void Finish();
    void SetCurrent(TTeWindowState state);
    void SetBounds(const TRect& bounds);
    void ToSavedBounds();
    // Undoes the platform minimize or the hiding in the tray of the state the window left, so it
    // shows again.
    void Surface(TTeWindowState from);
    void PostPendingState();
    TFormTray& Tray();
    void MinimizeWindow();
    // The operation that leads to state.
    void GoTo(TTeWindowState state);
    void RunPendingState(std::intptr_t code);
    void SystemCommand(std::intptr_t command, std::intptr_t key);
    void ChainApplication();

    TTeDefaultForm& frame_;
    TFrameMenus& menus_;
    TTeWindowState current_ = TTeWindowState::kwsNormal;
    TTeWindowState previous_ = TTeWindowState::kwsNormal;
    std::optional<TRect> normal_;
    TTeWindowState pending_ = TTeWindowState::kwsNormal;
    bool pendingPosted_ = false;
    bool applyingPending_ = false;
    std::unique_ptr<TFormTray> tray_;
    std::unique_ptr<TApplicationChain> chain_;
};
