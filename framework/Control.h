#pragma once
// A control: a component with a place inside a windowed parent, a colour, a font and mouse input.
// TWinControl has a widget of its own; TGraphicControl is drawn by its parent and gets its input
// through it.
//
// Coordinates are the parent's client coordinates (for a control on a form: the form's client
// area). A control never creates its own QWidget here; the windowed kinds do.
#include <QString>
#include <QStringList>
#include <memory>

#include "framework/Colors.h"
#include "framework/Component.h"
#include "framework/Font.h"
#include "framework/Set.h"
#include "framework/Types.h"

class TForm;
class TWinControl;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum class TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateFlag>;

using TMouseEvent = TMethod<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = TMethod<void(TObject* sender, TShiftState shift, int x, int y)>;

// The mouse pointer over a control; crDefault takes the parent's.
enum class TCursor { crDefault, crArrow, crHandPoint, crIBeam };
const QStringList& CursorNames();

enum class TControlStyleFlag {
    csAcceptsControls,  // may be the parent of other controls
    csOpaque,           // paints its whole area, so nothing beneath needs drawing
};
using TControlStyle = TSet<TControlStyleFlag>;

enum class TControlStateFlag {
    csLButtonDown,  // the left button went down on the control and is still held
    csPaintCopy,    // being painted as the background of another control, not for itself
};
using TControlState = TSet<TControlStateFlag>;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // The windowed control this one sits on, or nullptr (also for a control placed on a form).
    TWinControl* Parent() const { return parent_; }
    // The form this control sits on directly, or nullptr.
    TForm* ParentForm() const { return parentForm_; }
    // Whichever of the two holds the control: what a background painter is chosen by.
    TComponent* ParentObject() const;
    // Moves the control into parent (nullptr: out of any parent). Raises when parent does not
    // accept controls.
    virtual void SetParent(TWinControl* parent);
    // Places the control on the form's client area (nullptr: out of any parent). A windowless
    // control sits on the form's windowless host (its Parent), and ParentForm is the form.
    virtual void SetParent(TForm* form);
    // Read nested in a windowed control that accepts controls, or in a form: placed there.
    void SetParentComponent(TComponent* container) override;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
    // Negative sizes count as 0. Every change of place or size passes through here.
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Rect(left_, top_, left_ + width_, top_ + height_); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    // The area children and drawing use, in the control's own coordinates.
    virtual TRect ClientRect() const { return Rect(0, 0, width_, height_); }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    // Visible, and so are all the parents up to the form (whose own visibility is not asked).
    bool Showing() const;
    // Showing, and the widget it is drawn on is shown on the screen.
    bool ShowingOnScreen() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // Follows the parent's colour while set; setting Color clears it.
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    TFont* Font() const { return font_.get(); }
    void SetFont(const TFont* font) { font_->Assign(font); }
    // Follows the parent's font while set (the default); changing Font clears it.
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);

    TControlStyle ControlStyle() const { return style_; }
    void SetControlStyle(TControlStyle style) { style_ = style; }
    TControlState ControlState() const { return state_; }
    void SetControlState(TControlState state) { state_ = state; }

    // Asks for a paint of the whole control later / at once.
    virtual void Invalidate() = 0;
    virtual void Repaint() = 0;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnResize;

    // Input as the parent (or the control's widget) delivers it, in the control's coordinates.
    // The bases fire the events; a left press and release on the control makes a Click.
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void Click();
    virtual void DblClick();
    // The mouse came over the control or left it (also when it went onto a child).
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}

protected:
    // Called after the control's size changed; fires OnResize.
    virtual void Resize();
    virtual void ColorChanged() { Invalidate(); }
    virtual void FontChanged() { Invalidate(); }
    virtual void EnabledChanged() { Invalidate(); }
    virtual void CursorChanged() {}
    // Moves the control into or out of a parent's list; TWinControl does the widget work.
    virtual void ParentChanged() {}
    // Applied to the parents' colour and font when the Parent* flags are set.
    void TakeParentColorAndFont();

private:
    friend class TWinControl;
    void LeaveParent();
    void PassColorAndFontToChildren();

    TWinControl* parent_ = nullptr;
    TForm* parentForm_ = nullptr;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    bool adoptingFont_ = false;
    TCursor cursor_ = TCursor::crDefault;
    TControlStyle style_;
    TControlState state_;
};

// Registers the stored properties of TControl (called once at start-up by the control layer).
void RegisterControlProperties();
