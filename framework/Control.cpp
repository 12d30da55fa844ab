#include "framework/Control.h"

#include <algorithm>

#include "framework/Form.h"
#include "framework/GroupBox.h"
#include "framework/Image.h"
#include "framework/Memo.h"
#include "framework/Panel.h"
#include "framework/Shape.h"
#include "framework/PropInfo.h"
#include "framework/WinControl.h"

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>())
{
    font_->OnChange = [this](TObject*) {
        if (!adoptingFont_)
            parentFont_ = false;
        FontChanged();
        PassColorAndFontToChildren();
    };
}

TControl::~TControl()
{
    // A windowed control has taken itself out already; this covers the windowless ones.
    LeaveParent();
}

TComponent* TControl::ParentObject() const
{
    // A windowless control on a form shows the form's background, not its host's.
    if (parentForm_ != nullptr)
        return parentForm_;
    return parent_;
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_ && parentForm_ == nullptr)
        return;
    if (parent != nullptr && !parent->ControlStyle().Contains(TControlStyleFlag::csAcceptsControls))
        throw Exception(QStringLiteral("Control '%1' has no parent window").arg(Name()));
    LeaveParent();
    parent_ = parent;
    if (parent_ != nullptr)
        parent_->InsertControl(this);
    ParentChanged();
    TakeParentColorAndFont();
}

void TControl::SetParent(TForm* form)
{
    if (form == nullptr) {
        SetParent(static_cast<TWinControl*>(nullptr));
        return;
    }
    if (form == parentForm_)
        return;
    LeaveParent();
    parent_ = form->WindowlessHost();
    parentForm_ = form;
    parent_->InsertControl(this);
    ParentChanged();
    TakeParentColorAndFont();
}

void TControl::SetParentComponent(TComponent* container)
{
    if (auto* form = dynamic_cast<TForm*>(container))
        SetParent(form);
    else if (auto* windowed = dynamic_cast<TWinControl*>(container);
             windowed != nullptr && windowed->ControlStyle().Contains(TControlStyleFlag::csAcceptsControls))
        SetParent(windowed);
}

void TControl::LeaveParent()
{
    if (parent_ != nullptr) {
        parent_->RemoveControl(this);
        parent_ = nullptr;
    }
    parentForm_ = nullptr;
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    const bool resized = width != width_ || height != height_;
    // The old place is drawn again by the parent, the new one by the control.
    if (parent_ != nullptr && dynamic_cast<TWinControl*>(this) == nullptr)
        parent_->InvalidateRect(BoundsRect());
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Invalidate();
    if (resized)
        Resize();
}

void TControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

bool TControl::Showing() const
{
    for (const TControl* control = this; control != nullptr; control = control->parent_)
        if (!control->visible_)
            return false;
    return true;
}

bool TControl::ShowingOnScreen() const
{
    if (!Showing())
        return false;
    if (const auto* windowed = dynamic_cast<const TWinControl*>(this))
        return windowed->Handle()->isVisible();
    return parent_ != nullptr && parent_->Handle()->isVisible();
}

void TControl::SetVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    if (parent_ != nullptr && dynamic_cast<TWinControl*>(this) == nullptr)
        parent_->InvalidateRect(BoundsRect());
}

void TControl::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    EnabledChanged();
}

const QStringList& CursorNames()
{
    static const QStringList names{"crDefault", "crArrow", "crHandPoint", "crIBeam"};
    return names;
}

void TControl::SetCursor(TCursor cursor)
{
    if (cursor == cursor_)
        return;
    cursor_ = cursor;
    CursorChanged();
}

void TControl::SetColor(TColor color)
{
    parentColor_ = false;
    if (color == color_)
        return;
    color_ = color;
    ColorChanged();
    PassColorAndFontToChildren();
}

void TControl::PassColorAndFontToChildren()
{
    if (auto* windowed = dynamic_cast<TWinControl*>(this))
        for (TControl* child : windowed->controls_)
            child->TakeParentColorAndFont();
}

void TControl::SetParentColor(bool value)
{
    parentColor_ = value;
    TakeParentColorAndFont();
}

void TControl::SetParentFont(bool value)
{
    parentFont_ = value;
    TakeParentColorAndFont();
}

void TControl::TakeParentColorAndFont()
{
    if (parentColor_) {
        const TColor color = parent_ != nullptr ? parent_->Color() : parentForm_ != nullptr ? parentForm_->Color() : color_;
        if (color != color_) {
            color_ = color;
            ColorChanged();
            PassColorAndFontToChildren();
        }
    }
    if (parentFont_ && parent_ != nullptr) {
        adoptingFont_ = true;
        font_->Assign(parent_->Font());
        adoptingFont_ = false;
    }
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft)
        state_.Include(TControlStateFlag::csLButtonDown);
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    const bool clicked = button == TMouseButton::mbLeft && state_.Contains(TControlStateFlag::csLButtonDown);
    if (button == TMouseButton::mbLeft)
        state_.Exclude(TControlStateFlag::csLButtonDown);
    if (clicked && ClientRect().Contains(Point(x, y)))
        Click();
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void RegisterControlProperties()
{
    RegisterProperties<TControl, TComponent>()
        .Integer("Left", &TControl::Left, &TControl::SetLeft)
        .Integer("Top", &TControl::Top, &TControl::SetTop)
        .Integer("Width", &TControl::Width, &TControl::SetWidth)
        .Integer("Height", &TControl::Height, &TControl::SetHeight)
        .Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled, true)
        .Color("Color", &TControl::Color, &TControl::SetColor)
        .StoredIf([](const TControl& control) { return !control.ParentColor(); })
        .Object("Font", &TControl::Font)
        .Boolean("ParentColor", &TControl::ParentColor, &TControl::SetParentColor, false)
        .Boolean("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, true)
        .Boolean("Visible", &TControl::Visible, &TControl::SetVisible, true)
        .Enumeration("Cursor", &TControl::Cursor, &TControl::SetCursor, CursorNames(), TCursor::crDefault)
        .Event("OnClick", &TControl::OnClick)
        .Event("OnDblClick", &TControl::OnDblClick)
        .Event("OnMouseDown", &TControl::OnMouseDown)
        .Event("OnMouseMove", &TControl::OnMouseMove)
        .Event("OnMouseUp", &TControl::OnMouseUp)
        .Event("OnResize", &TControl::OnResize);
    RegisterProperties<TWinControl, TControl>()
        .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, false)
        .Event("OnEnter", &TWinControl::OnEnter)
        .Event("OnExit", &TWinControl::OnExit)
        .Event("OnKeyDown", &TWinControl::OnKeyDown)
        .Event("OnKeyUp", &TWinControl::OnKeyUp)
        .Event("OnKeyPress", &TWinControl::OnKeyPress);
    RegisterProperties<TGroupBox, TWinControl>().String("Caption", &TGroupBox::Caption, &TGroupBox::SetCaption);
    RegisterFormProperties();
    RegisterPanel();
    RegisterImage();
    RegisterShape();
    RegisterMemo();
}
