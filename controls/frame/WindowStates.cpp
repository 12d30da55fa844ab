#include "controls/frame/WindowStates.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

#include "controls/frame/ApplicationChain.h"
#include "controls/frame/FormTray.h"
#include "controls/frame/FrameMenus.h"
#include "controls/frame/TeDefaultForm.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/Messages.h"
#include "framework/Messaging.h"
#include "framework/Monitors.h"

using TState = TTeWindowState;

TTeWindowStates::TTeWindowStates(TTeDefaultForm& frame, TFrameMenus& menus) : frame_(frame), menus_(menus) {}

TTeWindowStates::~TTeWindowStates() = default;

bool TTeWindowStates::Designing() const
{
    return frame_.ComponentState().Contains(TComponentStateFlag::csDesigning);
}

bool TTeWindowStates::Usable() const
{
    return frame_.Hooked() && frame_.Form() != nullptr;
}

void TTeWindowStates::SetCurrent(TState state)
{
    current_ = state;
}

void TTeWindowStates::SetBounds(const TRect& bounds)
{
    TForm* form = frame_.Form();
    frame_.ApplyTrackSizes();
    form->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    frame_.UpdateRegion();
    frame_.InvalidateFrame();
}

void TTeWindowStates::ToSavedBounds()
{
    if (normal_)
        SetBounds(*normal_);
    else
        SetBounds(frame_.Form()->BoundsRect());
}

void TTeWindowStates::SetState(TState state)
{
    if (state == current_)
        return;
    if (Designing()) {
        SetCurrent(state);
        return;
    }
    if (frame_.ComponentState().Contains(TComponentStateFlag::csLoading)) {
        pending_ = state;
        return;
    }
    GoTo(state);
}

void TTeWindowStates::GoTo(TState state)
{
    switch (state) {
    case TState::kwsNormal:
        Restore();
        break;
    case TState::kwsMaximized:
        Maximize();
        break;
    case TState::kwsMinimized:
        Minimize();
        break;
    case TState::kwsRollup:
        Rollup();
        break;
    case TState::kwsTray:
        MinimizeToTray();
        break;
    }
}

bool TTeWindowStates::Begin(TOperation operation, TState target)
{
    frame_.SetHot(TteFormHit::kfhNone);
    static const TTeFormActionEvent TTeDefaultForm::*const events[] = {
        &TTeDefaultForm::OnMaximize, &TTeDefaultForm::OnMinimize, &TTeDefaultForm::OnRollup, &TTeDefaultForm::OnMinToTray};
    if (!frame_.Ask(frame_.*events[static_cast<int>(operation)]))
        return false;
    const TState current = current_;
    if (current == target) {
        Restore();
        Finish();
        return false;
    }
    previous_ = current;
    // A window in the tray still has the bounds of the state it left: those must not replace the
    // normal bounds. A pending state's window stands off-screen, except for a roll-up.
    const bool away = current == TState::kwsMaximized || current == TState::kwsMinimized ||
                      current == TState::kwsRollup || current == TState::kwsTray;
    if (!away && (operation == TOperation::kRollup || pending_ == TState::kwsNormal))
        normal_ = frame_.Form()->BoundsRect();
    return true;
}

void TTeWindowStates::Finish()
{
    pending_ = TState::kwsNormal;
}

void TTeWindowStates::Surface(TState from)
{
    if (from == TState::kwsTray) {
        Tray().ShowWindows();
        return;
    }
    if (from != TState::kwsMinimized)
        return;
    if (Application->Minimized())
        Application->Restore();
    QWidget* window = frame_.Form()->Handle();
    if (window->isMinimized())
        window->showNormal();
}

void TTeWindowStates::Maximize()
{
    if (!Usable())
        return;
    const TState from = current_;
    if (!Begin(TOperation::kMaximize, TState::kwsMaximized))
        return;
    SetCurrent(TState::kwsMaximized);
    Surface(from);
    SetBounds(frame_.GetMaximizedRect());
    Finish();
}

void TTeWindowStates::MinimizeWindow()
{
    SetCurrent(TState::kwsMinimized);
    // Top-level windows all belong to the platform's window list: the platform shows them
    // minimized, never the frame's own minimized rectangle.
    if (frame_.MinimizeApplication())
        Application->Minimize();
    else
        frame_.Form()->Handle()->showMinimized();
}

void TTeWindowStates::Minimize()
{
    if (!Usable() || Designing())
        return;
    TForm* form = frame_.Form();
    if (form->Modal() && !frame_.MinimizeApplication())
        return;
    const TState from = current_;
    if (!Begin(TOperation::kMinimize, TState::kwsMinimized))
        return;
    if (from == TState::kwsTray)
        Surface(from);
    MinimizeWindow();
    Finish();
}

void TTeWindowStates::Rollup()
{
    if (!Usable() || Designing())
        return;
    const TState from = current_;
    if (!Begin(TOperation::kRollup, TState::kwsRollup))
        return;
    SetCurrent(TState::kwsRollup);
    Surface(from);
    SetBounds(frame_.GetRollupRect());
    Finish();
}

void TTeWindowStates::MinimizeToTray()
{
    if (!Usable() || Designing())
        return;
    TForm* form = frame_.Form();
    if (form->Modal())
        return;
    if (!Tray().Available()) {
        // Hidden with no notification area to come back from, the window would be lost.
        Minimize();
        return;
    }
    QWidget* window = form->Handle();
    if (current_ != TState::kwsTray &&
        SendMessage(window, kQueryTray, reinterpret_cast<std::intptr_t>(window)) == 1)
        return;
    const TState from = current_;
    if (!Begin(TOperation::kTray, TState::kwsTray))
        return;
    SetCurrent(TState::kwsTray);
    Surface(from);
    if (frame_.MinimizeApplication()) {
        QList<QWidget*> shown;
        for (int i = 0; i < Application->FormCount(); ++i)
            if (Application->Forms(i)->Visible())
                shown.append(Application->Forms(i)->Handle());
        if (!shown.contains(window))
            shown.prepend(window);
        else
            shown.move(shown.indexOf(window), 0);
        Tray().HideWindows(shown, Application->Title());
    } else {
        Tray().HideWindows({window}, form->Caption());
    }
    Finish();
}

void TTeWindowStates::Restore()
{
    if (!Usable())
        return;
    frame_.SetHot(TteFormHit::kfhNone);
    const TState current = current_;
    const TState previous = previous_;
    const auto then = [this](void (TTeWindowStates::*operation)()) {
        (this->*operation)();
        previous_ = TState::kwsNormal;
    };
    switch (current) {
    case TState::kwsMaximized:
        if (previous == TState::kwsMinimized) {
            if (frame_.MinimizeApplication())
                return;
            SetCurrent(TState::kwsNormal);
            ToSavedBounds();
            then(&TTeWindowStates::Maximize);
        } else if (previous == TState::kwsRollup) {
            SetCurrent(TState::kwsNormal);
            ToSavedBounds();
            then(&TTeWindowStates::Rollup);
        } else {
            SetCurrent(TState::kwsNormal);
            ToSavedBounds();
            previous_ = TState::kwsMaximized;
        }
        break;
    case TState::kwsMinimized:
        if (previous == TState::kwsMaximized) {
            then(&TTeWindowStates::Maximize);
        } else if (previous == TState::kwsRollup) {
            then(&TTeWindowStates::Rollup);
        } else {
            SetCurrent(TState::kwsNormal);
            Surface(TState::kwsMinimized);
            ToSavedBounds();
        }
        break;
    case TState::kwsNormal:
        ToSavedBounds();
        break;
    case TState::kwsRollup:
        if (frame_.GetMaximizedRect().Width() == frame_.Form()->Width() || previous == TState::kwsMaximized) {
            then(&TTeWindowStates::Maximize);
        } else {
            SetCurrent(TState::kwsNormal);
            const TForm* form = frame_.Form();
            const TRect saved = normal_.value_or(form->BoundsRect());
            SetBounds(Rect(form->Left(), form->Top(), form->Left() + saved.Width(), form->Top() + saved.Height()));
        }
        break;
    case TState::kwsTray:
        Surface(TState::kwsTray);
        if (previous == TState::kwsMaximized)
            Maximize();
        else if (previous == TState::kwsRollup)
            Rollup();
        // The window shows again whatever the operation decided: a handler that refused it must
        // not leave a shown window that believes it is in the tray.
        if (current_ == TState::kwsTray) {
            SetCurrent(TState::kwsNormal);
            ToSavedBounds();
        }
        previous_ = TState::kwsNormal;
        break;
    }
}

void TTeWindowStates::ShowSystemMenu(TPoint screenPoint)
{
    if (!Usable() || Designing())
        return;
    frame_.SetHot(TteFormHit::kfhNone);
    menus_.ShowSystemMenu(screenPoint);
}

void TTeWindowStates::Loaded()
{
    if (Designing())
        return;
    TForm* form = frame_.Form();
    // Alt+Space opens the system menu from the keyboard, as on the platforms with window menus.
    auto* keyMenu = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), form->Handle());
    QObject::connect(keyMenu, &QShortcut::activated, keyMenu,
                     [this] { Application->Guard(&frame_, [this] { SystemCommand(SC_KEYMENU, ' '); }); });
    if (pending_ == TState::kwsNormal)
        return;
    if (pending_ != TState::kwsRollup) {
        normal_ = form->BoundsRect();
        // Shown off-screen first: the stored state is applied once the window exists on screen.
        form->SetTop(PrimaryMonitor().Bounds.Height());
    }
    if (form->Visible())
        PostPendingState();
}

TFormTray& TTeWindowStates::Tray()
{
    // Made when first needed: most windows never go to the tray, and menus' popups never do.
    if (tray_)
        return *tray_;
    tray_ = std::make_unique<TFormTray>();
    TTrayIcon& icon = tray_->Icon();
    icon.SetTip(TrayTip(Application->Title()));
    icon.OnDblClick = [this](TObject*) { Restore(); };
    // Trays that hand out only single clicks (the desktop's status notifier) would otherwise leave
    // the menu as the only way back.
    icon.OnClick = [this](TObject*) {
        if (current_ == TState::kwsTray)
            Restore();
    };
    icon.OnContextMenu = [this](TObject*, TPoint cursor) { ShowSystemMenu(cursor); };
    return *tray_;
}

void TTeWindowStates::PostPendingState()
{
    if (pending_ == TState::kwsNormal || pendingPosted_)
        return;
    pendingPosted_ = true;
    PostMessage(frame_.Form()->Handle(), kApplyPendingState, static_cast<std::intptr_t>(pending_));
}

void TTeWindowStates::HookEvent(QEvent* event)
{
    TForm* form = frame_.Form();
    switch (event->type()) {
    case QEvent::Show:
        PostPendingState();
        break;
    case QEvent::WindowActivate:
        if (!chain_ && frame_.MinimizeApplication())
            ChainApplication();
        break;
    case QEvent::WindowStateChange:
        // The platform minimized or restored the window (its task bar, a close action).
        if (form->Handle()->isMinimized() && current_ != TState::kwsMinimized &&
            current_ != TState::kwsTray)
            SystemCommand(SC_MINIMIZE, 0);
        else if (!form->Handle()->isMinimized() && current_ == TState::kwsMinimized)
            SystemCommand(SC_RESTORE, 0);
        break;
    default:
        break;
    }
}

void TTeWindowStates::ChainApplication()
{
    chain_ = std::make_unique<TApplicationChain>(
        [this] {
            if (current_ != TState::kwsMinimized && current_ != TState::kwsTray)
                Minimize();
        },
        [this] {
            if (current_ == TState::kwsMinimized) {
                Restore();
                frame_.InvalidateFrame();
            }
        });
}

void TTeWindowStates::RunPendingState(std::intptr_t code)
{
    if (applyingPending_ || !Usable())
        return;
    applyingPending_ = true;
    if (const auto state = static_cast<TState>(code); state != TState::kwsNormal)
        GoTo(state);
    // A refused operation leaves the window where it waited, off-screen: it comes back.
    if (pending_ != TState::kwsNormal) {
        Finish();
        ToSavedBounds();
    }
    applyingPending_ = false;
}

void TTeWindowStates::SystemCommand(std::intptr_t command, std::intptr_t key)
{
    switch (command) {
    case SC_KEYMENU:
        if (key != ' ' && key != '-' && key != 0) {
            // An Alt+letter belongs to the menu bar; the system menu does not follow it.
            TComponent* bar = frame_.MenuBar();
            if (bar != nullptr && menus_.EnterMenuBarByAccelerator(*bar, QChar(static_cast<char16_t>(key))))
                return;
        }
        [[fallthrough]];
    case SC_MOUSEMENU: {
        const QPoint origin = frame_.Form()->ClientWidget()->mapToGlobal(QPoint(0, 0));
        ShowSystemMenu({origin.x(), origin.y()});
        break;
    }
    case SC_RESTORE:
        Restore();
        break;
    case SC_MINIMIZE:
        Minimize();
        break;
    default:
        break;
    }
}

bool TTeWindowStates::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case kMaximizeRequest:
        Maximize();
        return true;
    case kApplyPendingState:
        RunPendingState(message.WParam);
        return true;
    case WM_SYSCOMMAND:
        // Not kept from the window: its own handling sees the command too.
        SystemCommand(message.WParam & 0xFFF0, message.LParam);
        return false;
    default:
        return false;
    }
}
