#include "framework/WinControl.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <algorithm>

#include "framework/Application.h"
#include "framework/DeviceContext.h"
#include "framework/Form.h"
#include "framework/GraphicControl.h"
#include "framework/Messages.h"
#include "framework/Messaging.h"
#include "framework/VirtualKeys.h"

// The control's widget hands every event to the control while the control is whole.
class TWinControl::TWidget : public QWidget {
public:
    explicit TWidget(TWinControl* control) : control_(control)
    {
        setMouseTracking(true);
        setFocusPolicy(Qt::NoFocus);
    }
    TWinControl* Control() const { return control_; }
    void Detach() { control_ = nullptr; }

protected:
    bool event(QEvent* event) override
    {
        if (control_ == nullptr)
            return QWidget::event(event);
        bool handled = false;
        Application->Guard(control_, [&] { handled = control_->WidgetEvent(event); });
        return handled || QWidget::event(event);
    }

private:
    TWinControl* control_;
};

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState shift;
    if (modifiers & Qt::ShiftModifier)
        shift.Include(TShiftStateFlag::ssShift);
    if (modifiers & Qt::AltModifier)
        shift.Include(TShiftStateFlag::ssAlt);
    if (modifiers & Qt::ControlModifier)
        shift.Include(TShiftStateFlag::ssCtrl);
    if (buttons & Qt::LeftButton)
        shift.Include(TShiftStateFlag::ssLeft);
    if (buttons & Qt::RightButton)
        shift.Include(TShiftStateFlag::ssRight);
    if (buttons & Qt::MiddleButton)
        shift.Include(TShiftStateFlag::ssMiddle);
    return shift;
}

namespace {

bool ButtonOf(Qt::MouseButton qtButton, TMouseButton& button)
{
    switch (qtButton) {
    case Qt::LeftButton:
        button = TMouseButton::mbLeft;
        return true;
    case Qt::RightButton:
        button = TMouseButton::mbRight;
        return true;
    case Qt::MiddleButton:
        button = TMouseButton::mbMiddle;
        return true;
    default:
        return false;
    }
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner), widget_(std::make_unique<TWidget>(this))
{
    widget_->hide();
}

TWinControl::~TWinControl()
{
    widget_->Detach();
    while (!controls_.isEmpty())
        controls_.last()->LeaveParent();
    LeaveParent();
    widget_.reset();
}

QWidget* TWinControl::Handle() const
{
    return widget_.get();
}

void TWinControl::InsertControl(TControl* control)
{
    controls_.append(control);
    if (auto* windowed = dynamic_cast<TWinControl*>(control))
        windowed->PlaceWidget(widget_.get());
    else
        InvalidateRect(control->BoundsRect());
}

void TWinControl::RemoveControl(TControl* control)
{
    if (control == mouseChild_)
        mouseChild_ = nullptr;
    if (control == captureChild_)
        captureChild_ = nullptr;
    controls_.removeAll(control);
    if (auto* windowed = dynamic_cast<TWinControl*>(control))
        windowed->PlaceWidget(nullptr);
    else
        InvalidateRect(control->BoundsRect());
}

void TWinControl::PlaceWidget(QWidget* parentWidget)
{
    if (widget_->parentWidget() == parentWidget)
        return;
    widget_->setParent(parentWidget);
    widget_->setGeometry(Left(), Top(), Width(), Height());
    // setParent hides a widget; a visible control comes back with its new parent.
    widget_->setVisible(parentWidget != nullptr && Visible());
}

void TWinControl::SetParent(TWinControl* parent)
{
    TControl::SetParent(parent);
}

void TWinControl::SetParent(TForm* form)
{
    if (form == ParentForm() && Parent() == nullptr)
        return;
    LeaveParent();
    parentForm_ = form;
    PlaceWidget(form != nullptr ? form->ClientWidget() : nullptr);
    ParentChanged();
    TakeParentColorAndFont();
}

void TWinControl::SetBounds(int left, int top, int width, int height)
{
    TControl::SetBounds(left, top, width, height);
    widget_->setGeometry(Left(), Top(), Width(), Height());
}

void TWinControl::SetVisible(bool visible)
{
    TControl::SetVisible(visible);
    widget_->setVisible(visible && widget_->parentWidget() != nullptr);
}

void TWinControl::SetTabStop(bool value)
{
    tabStop_ = value;
    widget_->setFocusPolicy(value ? Qt::StrongFocus : Qt::NoFocus);
}

bool TWinControl::CanFocus() const
{
    if (!tabStop_)
        return false;
    for (const TControl* control = this; control != nullptr; control = control->Parent())
        if (!control->Visible() || !control->Enabled())
            return false;
    return true;
}

void TWinControl::SetFocus()
{
    if (!CanFocus())
        throw Exception(QStringLiteral("Cannot focus a disabled or invisible window"));
    widget_->setFocus(Qt::OtherFocusReason);
}

bool TWinControl::Focused() const
{
    return widget_->hasFocus();
}

void TWinControl::Invalidate()
{
    widget_->update();
}

void TWinControl::Repaint()
{
    widget_->repaint();
}

void TWinControl::InvalidateRect(const TRect& rect)
{
    widget_->update(rect.ToQRect());
}

void TWinControl::EnabledChanged()
{
    widget_->setEnabled(Enabled());
    TControl::EnabledChanged();
}

void TWinControl::CursorChanged()
{
    ShowCursorOf(mouseChild_ != nullptr && mouseChild_->Cursor() != TCursor::crDefault ? static_cast<TControl*>(mouseChild_)
                                                                                        : this);
}

void TWinControl::ShowCursorOf(const TControl* control)
{
    switch (control->Cursor()) {
    case TCursor::crDefault:
        widget_->unsetCursor();
        break;
    case TCursor::crArrow:
        widget_->setCursor(Qt::ArrowCursor);
        break;
    case TCursor::crHandPoint:
        widget_->setCursor(Qt::PointingHandCursor);
        break;
    case TCursor::crIBeam:
        widget_->setCursor(Qt::IBeamCursor);
        break;
    }
}

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}

void TWinControl::KeyDown(std::uint16_t& key, TShiftState shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(std::uint16_t& key, TShiftState shift)
{
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

bool TWinControl::DeliverKeyPress(const QKeyEvent* event)
{
    std::uint16_t code = VirtualKeyOf(event->key());
    const TShiftState shift = ShiftStateOf(event->modifiers(), Qt::NoButton);
    KeyDown(code, shift);
    // Alt combinations, Enter and Escape belong to the form's dialog keys (default and cancel
    // buttons, accelerators), not to the control's own handling.
    if (shift.Contains(TShiftStateFlag::ssAlt) || code == VK_RETURN || code == VK_ESCAPE) {
        OfferDialogKey(code, shift, event->text());
        return false;
    }
    for (QChar c : event->text()) {
        QChar typed = c;
        KeyPress(typed);
    }
    return code != 0;
}

void TWinControl::KeyPress(QChar& key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
}

void TWinControl::PaintWindow(TDeviceContext&) {}

void TWinControl::PaintControls(TDeviceContext& surface)
{
    for (TControl* control : controls_) {
        auto* child = dynamic_cast<TGraphicControl*>(control);
        if (child == nullptr || !child->Visible() || child->Width() <= 0 || child->Height() <= 0 ||
            !surface.RectVisible(child->BoundsRect()))
            continue;
        surface.SaveDC();
        surface.MoveWindowOrg(child->Left(), child->Top());
        surface.IntersectClipRect(Rect(0, 0, child->Width(), child->Height()));
        try {
            child->PaintOn(surface);
        } catch (...) {
            surface.RestoreDC(-1);
            throw;
        }
        surface.RestoreDC(-1);
    }
}

TGraphicControl* TWinControl::ControlAtPos(int x, int y) const
{
    for (auto it = controls_.crbegin(); it != controls_.crend(); ++it) {
        auto* child = dynamic_cast<TGraphicControl*>(*it);
        if (child != nullptr && child->Visible() && child->Enabled() && child->BoundsRect().Contains(Point(x, y)))
            return child;
    }
    return nullptr;
}

void TWinControl::MouseOverChild(TGraphicControl* child)
{
    if (child == mouseChild_)
        return;
    TGraphicControl* old = mouseChild_;
    mouseChild_ = child;
    CursorChanged();
    if (old != nullptr)
        old->MouseLeave();
    if (child != nullptr)
        child->MouseEnter();
}

bool TWinControl::MouseEvent(QEvent* event)
{
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint pos = mouse->position().toPoint();
    const TShiftState shift = ShiftStateOf(mouse->modifiers(), mouse->buttons());
    // A child that got the press keeps the mouse until the release, as a captured window would.
    TGraphicControl* child = captureChild_ != nullptr ? captureChild_ : ControlAtPos(pos.x(), pos.y());
    TControl* target = child != nullptr ? static_cast<TControl*>(child) : this;
    const int x = pos.x() - (child != nullptr ? child->Left() : 0);
    const int y = pos.y() - (child != nullptr ? child->Top() : 0);
    TMouseButton button = TMouseButton::mbLeft;
    switch (event->type()) {
    case QEvent::MouseMove:
        if (captureChild_ == nullptr)
            MouseOverChild(child);
        target->MouseMove(shift, x, y);
        return true;
    case QEvent::MouseButtonPress:
        if (!ButtonOf(mouse->button(), button))
            return false;
        if (tabStop_ && CanFocus() && !Focused())
            SetFocus();
        captureChild_ = child;
        target->MouseDown(button, shift, x, y);
        return true;
    case QEvent::MouseButtonDblClick:
        if (!ButtonOf(mouse->button(), button))
            return false;
        target->DblClick();
        target->MouseDown(button, shift + TShiftState{TShiftStateFlag::ssDouble}, x, y);
        return true;
    case QEvent::MouseButtonRelease:
        if (!ButtonOf(mouse->button(), button))
            return false;
        if (mouse->buttons() == Qt::NoButton)
            captureChild_ = nullptr;
        target->MouseUp(button, shift, x, y);
        return true;
    default:
        return false;
    }
}

bool TWinControl::WidgetEvent(QEvent* event)
{
    if (TMessageEvent* message = TMessageEvent::From(event)) {
        Dispatch(message->Message());
        return true;
    }
    switch (event->type()) {
    case QEvent::Paint: {
        TDeviceContext surface(widget_.get());
        const QRect dirty = static_cast<QPaintEvent*>(event)->rect();
        surface.IntersectClipRect(TRect::FromQRect(dirty));
        PaintWindow(surface);
        if (!PaintsWindowlessChildren())
            PaintControls(surface);
        return true;
    }
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        return MouseEvent(event);
    case QEvent::Enter:
        MouseEnter();
        return true;
    case QEvent::Leave:
        MouseOverChild(nullptr);
        MouseLeave();
        return true;
    case QEvent::FocusIn: {
        DoEnter();
        TMessage changed{CM_FOCUSCHANGED, 0, reinterpret_cast<std::intptr_t>(static_cast<TControl*>(this)), 0};
        BroadcastToControls(GetParentForm(this), changed);
        return true;
    }
    case QEvent::FocusOut:
        DoExit();
        return true;
    case QEvent::KeyPress:
        DeliverKeyPress(static_cast<QKeyEvent*>(event));
        return true;
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        std::uint16_t code = VirtualKeyOf(key->key());
        KeyUp(code, ShiftStateOf(key->modifiers(), Qt::NoButton));
        return true;
    }
    case QEvent::Show:
    case QEvent::Hide:
        VisibleChanged();
        return false;
    default:
        return false;
    }
}

void TWinControl::OfferDialogKey(std::uint16_t key, TShiftState shift, const QString& text)
{
    TForm* form = GetParentForm(this);
    if (form == nullptr)
        return;
    if (!shift.Contains(TShiftStateFlag::ssAlt)) {
        // Zeroed by a KeyDown that used the key itself.
        if (key == 0)
            return;
        TMessage message{CM_DIALOGKEY, key, static_cast<std::intptr_t>(shift.Bits()), 0};
        BroadcastToControls(form, message);
        return;
    }
    // The character an Alt combination stands for: Qt may give no text with Alt held.
    QChar typed = text.isEmpty() ? QChar() : text.at(0);
    if (typed.isNull() && ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')))
        typed = QChar(key);
    if (typed.isNull())
        return;
    TMessage message{CM_DIALOGCHAR, typed.unicode(), 0, 0};
    BroadcastToControls(form, message);
}

TWinControl* FindControl(const QWidget* widget)
{
    const auto* own = dynamic_cast<const TWinControl::TWidget*>(widget);
    return own != nullptr ? own->Control() : nullptr;
}

TForm* GetParentForm(const TControl* control)
{
    while (control != nullptr && control->Parent() != nullptr)
        control = control->Parent();
    return control != nullptr ? control->ParentForm() : nullptr;
}

namespace {

// Stops as soon as a control answered.
bool BroadcastTo(TControl* control, TMessage& message)
{
    control->Dispatch(message);
    if (message.Result != 0)
        return true;
    if (auto* windowed = dynamic_cast<TWinControl*>(control))
        for (int i = 0; i < windowed->ControlCount(); ++i)
            if (BroadcastTo(windowed->Controls(i), message))
                return true;
    return false;
}

}  // namespace

void BroadcastToControls(TForm* form, TMessage& message)
{
    if (form == nullptr)
        return;
    const QList<QObject*> children = form->ClientWidget()->children();
    for (QObject* child : children) {
        auto* widget = qobject_cast<QWidget*>(child);
        TWinControl* control = widget != nullptr ? FindControl(widget) : nullptr;
        if (control != nullptr && BroadcastTo(control, message))
            return;
    }
}

void DetachControls(QWidget* container)
{
    const QList<QObject*> children = container->children();
    for (QObject* child : children) {
        auto* widget = dynamic_cast<TWinControl::TWidget*>(child);
        if (widget != nullptr && widget->Control() != nullptr)
            widget->Control()->SetParent(static_cast<TForm*>(nullptr));
    }
}
