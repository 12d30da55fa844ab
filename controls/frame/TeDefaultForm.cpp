#include "controls/frame/TeDefaultForm.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTimer>
#include <QWhatsThis>
#include <QWidget>
#include <QWindow>

#include "controls/frame/FormBackground.h"
#include "controls/frame/FrameMenus.h"
#include "controls/frame/SnapBounds.h"
#include "controls/frame/WindowStates.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/Messages.h"
#include "framework/Monitors.h"
#include "framework/SystemMetrics.h"
#include "framework/WinControl.h"
#include "framework/WindowHook.h"
#include "graphics/RectUtils.h"

// The client widget of the taken-over form: its background is the frame's to paint.
class TTeDefaultForm::TClientHook : public TWindowHook {
public:
    explicit TClientHook(TTeDefaultForm& frame) : frame_(frame) {}

protected:
    bool BeforeEvent(QEvent* event) override
    {
        QWidget* client = HookedWindow();
        if (event->type() != QEvent::Paint)
            return frame_.ClientMouse(event, *client, nullptr);
        TDeviceContext surface(client);
        surface.IntersectClipRect(TRect::FromQRect(static_cast<QPaintEvent*>(event)->rect()));
        TCanvas canvas;
        canvas.SetHandle(&surface);
        Application->Guard(&frame_, [&] { frame_.PaintClientWidget(canvas, TRect::FromQRect(client->rect())); });
        canvas.SetHandle(nullptr);
        return true;
    }

private:
    TTeDefaultForm& frame_;
};

TTeDefaultForm::TTeDefaultForm(TComponent* owner)
    : TTeHook(owner),
      menus_(MakeFrameMenus(*this)),
      menuKeys_(*menus_),
      states_(std::make_unique<TTeWindowStates>(*this, *menus_))
{
    const auto changed = [this] { OptionChanged(); };
    options_.Shadow().Changed = changed;
    options_.Blending().Changed = changed;
    dragging_.Changed = changed;
    constraints_.Changed = changed;
}

TTeDefaultForm::~TTeDefaultForm() = default;

void TTeDefaultForm::Destroying()
{
    TTeHook::Destroying();
    if (clientHook_)
        clientHook_->HookWindow(nullptr);
    clientAreaMouse_.reset();
    hoverTimer_.reset();
    menuKeys_.Unchain(Form());
}

TForm* TTeDefaultForm::Form() const
{
    return dynamic_cast<TForm*>(Owner());
}

bool TTeDefaultForm::Hooked() const
{
    return takenOver_ && Control() != nullptr;
}

void TTeDefaultForm::OptionChanged()
{
    if (Hooked())
        UpdateFrame();
}

void TTeDefaultForm::SetBorderIcons(TTeBorderIcons icons)
{
    if (icons == borderIcons_)
        return;
    borderIcons_ = icons;
    OptionChanged();
}

void TTeDefaultForm::SetBorderStyle(TTeBorderStyle style)
{
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    if (style == TTeBorderStyle::kbsDialog)
        dragging_.SetSizeable(false);
    OptionChanged();
}

QString TTeDefaultForm::Caption() const
{
    return Form() != nullptr ? Form()->Caption() : QString();
}

void TTeDefaultForm::SetCaption(const QString& caption)
{
    if (TForm* form = Form())
        form->SetCaption(caption);
}

void TTeDefaultForm::SetPerformance(TTeFormPerformance performance)
{
    performance_ = performance;
    paintCache_.ForgetPersistent();
    InvalidateFrame();
}

void TTeDefaultForm::SetStayOnTop(bool value)
{
    if (value == stayOnTop_)
        return;
    stayOnTop_ = value;
    if (Hooked()) {
        QWidget* window = Form()->Handle();
        const bool visible = window->isVisible();
        window->setWindowFlag(Qt::WindowStaysOnTopHint, value);
        if (visible)
            window->show();
    }
}

void TTeDefaultForm::SetDisabledNCArea(bool value)
{
    if (value == disabledNCArea_)
        return;
    disabledNCArea_ = value;
    OptionChanged();
}

TTeWindowState TTeDefaultForm::WindowState() const
{
    return states_->Current();
}

void TTeDefaultForm::SetWindowState(TTeWindowState state)
{
    states_->SetState(state);
}

void TTeDefaultForm::Loaded()
{
    TTeHook::Loaded();
    if (!ComponentState().Contains(TComponentStateFlag::csDesigning))
        TakeOver();
}

void TTeDefaultForm::TakeOver()
{
    TForm* form = Form();
    if (form == nullptr || takenOver_)
        return;
    takenOver_ = true;
    RegisterFormBackgroundPainter(form);
    SetControl(form);
    QWidget* window = form->Handle();
    // Hover over the caption buttons is seen without a button held.
    window->setMouseTracking(true);
    active_ = window->isActiveWindow();
    clientHook_ = std::make_unique<TClientHook>(*this);
    clientHook_->HookWindow(form->ClientWidget());
    dragging_.ResolveSystemSettings();
    menuKeys_.Chain(*form);
    if (stayOnTop_)
        window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    UpdateFrame();
    // With the frame's margins in place: a stored state keeps these bounds as the normal ones.
    states_->Loaded();
    if (OnCreate)
        OnCreate(this);
    hoverTimer_ = std::make_unique<QTimer>();
    hoverTimer_->setInterval(400);
    QObject::connect(hoverTimer_.get(), &QTimer::timeout, [this] { TrackHover(); });
    hoverTimer_->start();
}

void TTeDefaultForm::Unhooked()
{
    clientHook_.reset();
    clientAreaMouse_.reset();
    hoverTimer_.reset();
    menuKeys_.Unchain(Form());
}

TFrameLook TTeDefaultForm::Look() const
{
    return {borderStyle_, borderIcons_, WindowState(), VisibleRect()};
}

TRect TTeDefaultForm::VisibleRect() const
{
    const TForm* form = Form();
    if (form == nullptr)
        return {};
    TRect r = Rect(0, 0, form->Width(), form->Height());
    if (Shadow().Shows() && WindowState() != TTeWindowState::kwsMaximized) {
        r.Right -= Shadow().Size();
        r.Bottom -= Shadow().Size();
    }
    return r;
}

TteWindowInfo TTeDefaultForm::WindowInfo() const
{
    TteWindowInfo info;
    info.Rect = VisibleRect();
    info.Active = active_;
    info.Buttons = ThemeButtonMask(borderStyle_, borderIcons_, WindowState());
    info.Caption = Caption();
    info.NoClientArea = disabledNCArea_;
    return info;
}

std::optional<QRegion> TTeDefaultForm::CreateWindowRegion()
{
    // Only a shadow makes the built-in window other than its rectangle.
    if (!Shadow().Shows())
        return std::nullopt;
    return QRegion(VisibleRect().ToQRect());
}

void TTeDefaultForm::UpdateRegion()
{
    TForm* form = Form();
    if (form == nullptr)
        return;
    if (performance_ == TTeFormPerformance::ksfpPersistentBuffer) {
        paintCache_.SizePersistent(form->Width(), form->Height());
    }
    ++suspended_;
    std::optional<QRegion> region = CreateWindowRegion();
    if (region && Shadow().Shows() && WindowState() != TTeWindowState::kwsMaximized)
        *region += region->translated(Shadow().Size(), Shadow().Size());
    if (region)
        form->Handle()->setMask(*region);
    else
        form->Handle()->clearMask();
    --suspended_;
    if (OnResize)
        OnResize(this);
}

TRect TTeDefaultForm::GetButtonRect(TTeBorderIcon icon)
{
    return BuiltInButtonRect(Look(), icon);
}

TRect TTeDefaultForm::GetFrameClientRect()
{
    return BuiltInClientRect(Look());
}

namespace {

// Top and bottom frame thickness together.
int FrameHeight(const TRect& window, const TRect& client)
{
    return client.Top - window.Top + window.Bottom - client.Bottom;
}

}  // namespace

TRect TTeDefaultForm::GetRollupRect()
{
    const TForm* form = Form();
    const TRect client = GetFrameClientRect();
    return Rect(form->Left(), form->Top(), form->Left() + form->Width(),
                form->Top() + FrameHeight(VisibleRect(), client));
}

TRect TTeDefaultForm::GetMinimizedRect()
{
    const TRect area = MonitorFromRect(Form()->BoundsRect()).WorkArea;
    const int height = FrameHeight(VisibleRect(), GetFrameClientRect());
    return Rect(area.Left, area.Bottom - height, area.Left + GetSystemMetrics(SM_CXMINIMIZED), area.Bottom);
}

TRect TTeDefaultForm::SnapArea() const
{
    const TMonitorInfo monitor = MonitorFromRect(Form()->BoundsRect());
    return stayOnTop_ ? monitor.Bounds : monitor.WorkArea;
}

TRect TTeDefaultForm::GetMaximizedRect()
{
    // The frame's sides go beyond the screen, as a classic maximized window's do.
    const int frame = GetFrameClientRect().Left - VisibleRect().Left;
    const TRect area = SnapArea();
    return {area.Left - frame, area.Top - frame, area.Right + frame, area.Bottom + frame};
}

TSize TTeDefaultForm::GetMaxTrackSize()
{
    const TRect maximized = GetMaximizedRect();
    return {constraints_.MaxWidth() != 0 ? constraints_.MaxWidth() : maximized.Width(),
            constraints_.MaxHeight() != 0 ? constraints_.MaxHeight() : maximized.Height()};
}

TSize TTeDefaultForm::GetMinTrackSize()
{
    return {constraints_.MinWidth() != 0 ? constraints_.MinWidth() : 140,
            constraints_.MinHeight() != 0 ? constraints_.MinHeight()
                                           : FrameHeight(VisibleRect(), GetFrameClientRect())};
}

TteFormHit TTeDefaultForm::HitTest(TPoint point)
{
    return WithSizeGrip(BuiltInHitTest(Look(), point), point);
}

void TTeDefaultForm::FrameMargins()
{
    TForm* form = Form();
    const TRect window = Rect(0, 0, form->Width(), form->Height());
    // Without a non-client area the client covers the window, all but a shadow band.
    const TRect client = disabledNCArea_ ? VisibleRect() : GetFrameClientRect();
    form->SetFrameMargins(client.Left, client.Top, window.Right - client.Right, window.Bottom - client.Bottom);
}

void TTeDefaultForm::ApplyTrackSizes()
{
    QWidget* window = Form()->Handle();
    const TSize minimum = GetMinTrackSize();
    const TSize maximum = GetMaxTrackSize();
    // A window rolled up to its caption or minimized is smaller than any window the user sizes.
    const bool small = WindowState() == TTeWindowState::kwsRollup || WindowState() == TTeWindowState::kwsMinimized;
    window->setMinimumSize(small ? 0 : std::max(0, minimum.cx), small ? 0 : std::max(0, minimum.cy));
    window->setMaximumSize(maximum.cx > 0 ? maximum.cx : QWIDGETSIZE_MAX, maximum.cy > 0 ? maximum.cy : QWIDGETSIZE_MAX);
}

void TTeDefaultForm::UpdateFrame()
{
    TForm* form = Form();
    if (form == nullptr || !takenOver_)
        return;
    const int clientWidth = form->ClientWidth();
    const int clientHeight = form->ClientHeight();
    FrameMargins();
    if (form->ClientWidth() != clientWidth || form->ClientHeight() != clientHeight) {
        // The limits of the old frame must not stop the window from growing or shrinking around
        // its client area.
        form->Handle()->setMinimumSize(0, 0);
        form->Handle()->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        form->SetClientSize(clientWidth, clientHeight);
        FrameMargins();
    }
    ApplyTrackSizes();
    UpdateRegion();
    ApplyWindowOpacity();
    HookClientArea();
    CaptureBackground();
    form->Handle()->update();
}

void TTeDefaultForm::SetFormBounds(const TRect& bounds)
{
    TForm* form = Form();
    const TSize size = ClampToTrackSize({bounds.Width(), bounds.Height()}, GetMinTrackSize(), GetMaxTrackSize());
    form->SetBounds(bounds.Left, bounds.Top, size.cx, size.cy);
    // The window keeps up with the mouse during a live drag.
    if (dragging_.DragMode() == TTeFormDragMode::kfdmFullDrag && drag_.Moving())
        form->Handle()->repaint();
}

void TTeDefaultForm::InvalidateFrame()
{
    TForm* form = Form();
    if (form == nullptr || !Hooked())
        return;
    QRegion frame(0, 0, form->Width(), form->Height());
    if (disabledNCArea_) {
        // The frame lies in the client area: the client widget paints it.
        const TRect client = form->ClientBounds();
        frame -= GetFrameClientRect().ToQRect();
        form->ClientWidget()->update(frame.translated(-client.Left, -client.Top));
        return;
    }
    frame -= form->ClientBounds().ToQRect();
    form->Handle()->update(frame);
}

void TTeDefaultForm::SetHot(TteFormHit part)
{
    if (drag_.SetHot(part))
        InvalidateFrame();
}

void TTeDefaultForm::TrackHover()
{
    if (!Hooked() || ComponentState().Contains(TComponentStateFlag::csLoading) ||
        ComponentState().Contains(TComponentStateFlag::csDestroying))
        return;
    const int hot = static_cast<int>(drag_.Hot());
    if (hot < static_cast<int>(TteFormHit::kfhClose) || hot > static_cast<int>(TteFormHit::kfhSysMenu))
        return;
    const QPoint local = Form()->Handle()->mapFromGlobal(QCursor::pos());
    SetHot(HitTest({local.x(), local.y()}));
}

void TTeDefaultForm::HookEvent(QEvent* event)
{
    TForm* form = Form();
    if (form == nullptr)
        return;
    QWidget* window = form->Handle();
    states_->HookEvent(event);
    switch (event->type()) {
    case QEvent::Paint:
        if (!shown_) {
            shown_ = true;
            if (OnFormShown)
                OnFormShown(this);
        }
        PaintNonClient(*window, static_cast<QPaintEvent*>(event)->region());
        MarkHandled();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
        const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
        FrameMouseEvent(event, {p.x(), p.y()});
        MarkHandled();
        break;
    }
    case QEvent::Leave:
        if (drag_.Pressed() == TteFormHit::kfhNothing)
            SetHot(TteFormHit::kfhNothing);
        break;
    case QEvent::ActivationChange:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        if (window->isActiveWindow() != active_) {
            active_ = window->isActiveWindow();
            InvalidateFrame();
        }
        break;
    case QEvent::WindowTitleChange:
    case QEvent::WindowIconChange:
        InvalidateFrame();
        break;
    case QEvent::Resize:
        // Before the window lays out its client area, so that it uses this frame's margins.
        FrameMargins();
        UpdateRegion();
        CaptureBackground();
        break;
    case QEvent::Move:
        CaptureBackground();
        break;
    case QEvent::Show:
        UpdateRegion();
        CaptureBackground();
        AnimateShow();
        break;
    default:
        break;
    }
}

void TTeDefaultForm::FrameMouseEvent(QEvent* event, TPoint point)
{
    const auto& m = *static_cast<QMouseEvent*>(event);
    const QPoint g = m.globalPosition().toPoint();
    const TPoint screen{g.x(), g.y()};
    TShiftState shift = ShiftStateOf(m.modifiers(), m.buttons());
    TMouseButton button = TMouseButton::mbLeft;
    if (m.button() == Qt::RightButton)
        button = TMouseButton::mbRight;
    else if (m.button() != Qt::LeftButton && event->type() != QEvent::MouseMove)
        return;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        NCMouseDown(button, shift, point, screen);
        break;
    case QEvent::MouseButtonDblClick:
        if (button != TMouseButton::mbLeft)
            return;
        shift = shift + TShiftState{TShiftStateFlag::ssDouble};
        NCMouseDown(button, shift, point, screen);
        NCMouseUp(button, shift, point, screen);
        break;
    case QEvent::MouseButtonRelease:
        NCMouseUp(button, shift, point, screen);
        break;
    case QEvent::MouseMove:
        NCMouseMove(shift, point, screen);
        break;
    default:
        break;
    }
}

bool TTeDefaultForm::StartSystemDrag(TteFormHit part)
{
    QWindow* handle = Form()->Handle()->windowHandle();
    if (handle == nullptr)
        return false;
    const TPlatformHit hit = PlatformHitOf(static_cast<std::uint8_t>(part), dragging_.Moveable(), dragging_.Sizeable(),
                                           WindowState() == TTeWindowState::kwsMaximized);
    if (hit == TPlatformHit::kphCaption)
        return WindowState() != TTeWindowState::kwsMaximized && handle->startSystemMove();
    const int edges = SizeEdgesOf(hit);
    return edges != 0 && WindowState() == TTeWindowState::kwsNormal &&
           handle->startSystemResize(Qt::Edges::fromInt(edges));
}

void TTeDefaultForm::NCMouseDown(TMouseButton button, TShiftState shift, TPoint point, TPoint screenPoint)
{
    if (button != TMouseButton::mbLeft) {
        drag_.PressRight();
        return;
    }
    if (!active_)
        Form()->Handle()->activateWindow();
    const bool doubleClick = shift.Contains(TShiftStateFlag::ssDouble);
    const bool drags = drag_.PressLeft(FramePartAt(point), doubleClick, screenPoint, Form()->BoundsRect());
    InvalidateFrame();
    if (!drags)
        return;
    // The platform moves and sizes the window itself where it can (a window manager); else the
    // form follows the mouse here.
    if (!doubleClick && StartSystemDrag(drag_.Pressed())) {
        drag_.HandOver();
        return;
    }
    drag_.Follow();
}

void TTeDefaultForm::NCMouseMove(TShiftState, TPoint point, TPoint screenPoint)
{
    if (!drag_.Moving() || !drag_.LeftDown()) {
        SetHot(HitTest(point));
        return;
    }
    MoveOrSize(screenPoint);
}

void TTeDefaultForm::MoveOrSize(TPoint screenPoint)
{
    const int dx = screenPoint.X - drag_.PressPoint().X;
    const int dy = screenPoint.Y - drag_.PressPoint().Y;
    TRect r;
    if (drag_.Pressed() == TteFormHit::kfhCaption) {
        if (!dragging_.Moveable() || WindowState() == TTeWindowState::kwsMaximized)
            return;
        r = OffsetRectBy(drag_.PressBounds(), dx, dy);
        TSnapContext context{SnapArea(), drag_.Outline().value_or(Form()->BoundsRect()), OtherFrames(),
                             Shadow().Shows() ? Shadow().Size() : 0};
        r = SnapBounds(r, gravitation_, context);
    } else {
        if (!dragging_.Sizeable() || WindowState() != TTeWindowState::kwsNormal)
            return;
        r = SizedBounds(drag_.Pressed(), drag_.PressBounds(), dx, dy, GetMinTrackSize());
    }
    if (dragging_.DragMode() == TTeFormDragMode::kfdmBorder) {
        drag_.ShowOutline(r);
        return;
    }
    const TRect before = Form()->BoundsRect();
    SetFormBounds(r);
    // Only a move drags docked windows along; sizing leaves them where they are.
    if (drag_.Pressed() == TteFormHit::kfhCaption)
        MoveDockedFrames(before, Form()->BoundsRect());
}

void TTeDefaultForm::NCMouseUp(TMouseButton button, TShiftState shift, TPoint point, TPoint screenPoint)
{
    // The system menu comes from the caption itself, never from a client background that moves the
    // window.
    const TteFormHit part = button == TMouseButton::mbRight ? HitTest(point) : FramePartAt(point);
    if (button == TMouseButton::mbRight) {
        drag_.ReleaseRight();
        if (part == TteFormHit::kfhCaption)
            ShowSystemMenu(screenPoint);
        return;
    }
    const bool doubleClick = shift.Contains(TShiftStateFlag::ssDouble);
    const TFrameDrag::TRelease release = drag_.ReleaseLeft();
    const TteFormHit pressed = release.Pressed;
    if (release.Outline)
        SetFormBounds(*release.Outline);
    InvalidateFrame();
    if (release.WasMoving && !doubleClick)
        return;
    if (doubleClick) {
        if (part == TteFormHit::kfhCaption && borderIcons_.Contains(TTeBorderIcon::kbiMaximize)) {
            if (WindowState() == TTeWindowState::kwsMinimized)
                DoRestore();
            else
                DoMaximize();
        } else if (part == TteFormHit::kfhSysMenu) {
            DoClose();
        }
        return;
    }
    if (part != pressed)
        return;
    switch (part) {
    case TteFormHit::kfhClose:
        DoClose();
        break;
    case TteFormHit::kfhHelp:
        DoHelp();
        break;
    // Each operation called in its own state restores the window.
    case TteFormHit::kfhMinimize:
        DoMinimize();
        break;
    case TteFormHit::kfhMaximize:
        DoMaximize();
        break;
    case TteFormHit::kfhRoll:
        DoRollup();
        break;
    case TteFormHit::kfhTray:
        DoMinimizeToTray();
        break;
    case TteFormHit::kfhSysMenu: {
        const TRect icon = GetButtonRect(TTeBorderIcon::kbiSystemMenu);
        const QPoint corner = icon.IsEmpty() ? Form()->ClientWidget()->mapToGlobal(QPoint(0, 0))
                                             : Form()->Handle()->mapToGlobal(QPoint(icon.Left, icon.Bottom));
        ShowSystemMenu({corner.x(), corner.y()});
        break;
    }
    default:
        break;
    }
}

bool TTeDefaultForm::Ask(const TTeFormActionEvent& event)
{
    bool callDefault = true;
    if (event)
        event(this, callDefault);
    if (callDefault)
        drag_.SetHot(TteFormHit::kfhNone);
    return callDefault;
}

void TTeDefaultForm::DoClose()
{
    if (Ask(OnClose))
        Form()->Close();
}

void TTeDefaultForm::DoMaximize()
{
    states_->Maximize();
}

void TTeDefaultForm::DoRestore()
{
    states_->Restore();
}

void TTeDefaultForm::DoMinimize()
{
    states_->Minimize();
}

void TTeDefaultForm::DoRollup()
{
    states_->Rollup();
}

void TTeDefaultForm::DoMinimizeToTray()
{
    states_->MinimizeToTray();
}

void TTeDefaultForm::DoHelp()
{
    drag_.SetHot(TteFormHit::kfhNone);
    QWhatsThis::enterWhatsThisMode();
}

void TTeDefaultForm::ShowSystemMenu(TPoint screenPoint)
{
    states_->ShowSystemMenu(screenPoint);
}

void TTeDefaultForm::Dispatch(TMessage& message)
{
    // Alt alone, F10 and Alt with a letter belong to the menu bar; Alt+Space and Alt+- to the
    // system menu, which the window states open.
    const bool barKey = message.Msg == WM_SYSCOMMAND && message.WParam == SC_KEYMENU && message.LParam != ' ' &&
                        message.LParam != '-';
    if (barKey && Hooked()) {
        if (menuKeys_.KeyMenu(QChar(static_cast<char16_t>(message.LParam)))) {
            message.Result = 1;
            MarkHandled();
        }
        return;
    }
    if (!states_->Dispatch(message))
        TTeHook::Dispatch(message);
}

QList<TRect> TTeDefaultForm::OtherFrames() const
{
    QList<TRect> others;
    for (int i = 0; i < Application->FormCount(); ++i) {
        TForm* other = Application->Forms(i);
        if (other == Form() || !other->Visible())
            continue;
        for (int c = 0; c < other->ComponentCount(); ++c) {
            auto* frame = dynamic_cast<TTeDefaultForm*>(other->Components(c));
            if (frame != nullptr && frame->Hooked() && frame->Active()) {
                others.append(other->BoundsRect());
                break;
            }
        }
    }
    return others;
}
