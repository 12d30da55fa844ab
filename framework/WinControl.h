#pragma once
// A control with a widget of its own: it holds child controls, takes the focus and gets key input.
//
// The control owns its widget. The widget is a child of the parent's widget (or of a form's client
// area) only while the control sits there; before a parent's widget goes away, the child controls'
// widgets are taken out of it (DetachControls), so Qt's parent chain never deletes a control's
// widget and nothing is deleted twice. Windowless children are painted by this control's paint,
// after its own drawing, and get their mouse input through this control's widget.
#include <QList>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "framework/Control.h"
#include "framework/Windowed.h"

class QEvent;
class QPaintEvent;
class TDeviceContext;
class TGraphicControl;

using TKeyEvent = TMethod<void(TObject* sender, std::uint16_t& key, TShiftState shift)>;
using TKeyPressEvent = TMethod<void(TObject* sender, QChar& key)>;

class TWinControl : public TControl, public TWindowed {
public:
    explicit TWinControl(TComponent* owner);
    // Takes the child controls' widgets out of this one first; the children stay (without parent).
    ~TWinControl() override;

    // The control's widget: hooks attach here, numbered messages sent here reach Dispatch.
    QWidget* Handle() const override;

    void SetParent(TWinControl* parent) override;
    void SetParent(TForm* form) override;
    void SetBounds(int left, int top, int width, int height) override;
    void SetVisible(bool visible) override;

    // Child controls in the order they were placed (the last one on top).
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(index); }

    // Focus: only a showing, enabled control that is a tab stop can take it.
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value);
    bool CanFocus() const;
    void SetFocus();
    bool Focused() const;

    void Invalidate() override;
    void Repaint() override;
    // Draws the control (not its windowless children) onto surface, in client coordinates, as its
    // paint event would.
    void PaintOn(TDeviceContext& surface) { PaintWindow(surface); }
    // Part of the client area, in client coordinates.
    void InvalidateRect(const TRect& rect);

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

protected:
    // The focus came / went; fire OnEnter / OnExit.
    virtual void DoEnter();
    virtual void DoExit();
    virtual void KeyDown(std::uint16_t& key, TShiftState shift);
    virtual void KeyUp(std::uint16_t& key, TShiftState shift);
    virtual void KeyPress(QChar& key);
    // A key press of the widget: KeyDown, then KeyPress for each character it types; Alt
    // combinations, Enter and Escape go round the form as dialog keys instead. False when KeyDown
    // cleared the key or the form took it, so the control's own use of it must not follow.
    bool DeliverKeyPress(const QKeyEvent* event);
    // The widget was shown or hidden.
    virtual void VisibleChanged() {}

    // A paint event of the widget: draws the control through PaintWindow, then the windowless
    // children unless PaintsWindowlessChildren says the control drew them itself.
    virtual void PaintWindow(TDeviceContext& surface);
    virtual bool PaintsWindowlessChildren() const { return false; }
    // Draws every showing windowless child that meets the surface's clip, each with the origin at
    // its top-left and clipped to its bounds.
    void PaintControls(TDeviceContext& surface);
    // Every event of the widget passes here first; answer true when it was handled. The base turns
    // numbered messages into Dispatch and input, focus and paint into the calls above.
    virtual bool WidgetEvent(QEvent* event);

    void EnabledChanged() override;
    void CursorChanged() override;

private:
    friend class TControl;
    friend void DetachControls(QWidget* container);
    friend TWinControl* FindControl(const QWidget* widget);
    class TWidget;

    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void PlaceWidget(QWidget* parentWidget);
    // The windowless child under (x, y), the topmost first, or nullptr.
    TGraphicControl* ControlAtPos(int x, int y) const;
    void MouseOverChild(TGraphicControl* child);
    // The widget shows the cursor of the windowless child under the mouse, else its own.
    void ShowCursorOf(const TControl* control);
    bool MouseEvent(QEvent* event);
    // A key the control left alone offered to the form's controls; a character typed with Alt too.
    void OfferDialogKey(std::uint16_t key, TShiftState shift, const QString& text);

    std::unique_ptr<TWidget> widget_;
    QList<TControl*> controls_;
    TGraphicControl* mouseChild_ = nullptr;
    TGraphicControl* captureChild_ = nullptr;
    bool tabStop_ = false;
};

// Takes every windowed control whose widget is a child of container out of it (their Parent
// becomes nullptr); a form calls it before its window goes away.
void DetachControls(QWidget* container);

// The windowed control whose widget this is, or nullptr.
TWinControl* FindControl(const QWidget* widget);
// The form the control sits on, directly or through its parents; nullptr when none.
TForm* GetParentForm(const TControl* control);
// Hands message to the Dispatch of every control on form, each before its children, until one
// sets a Result other than 0.
void BroadcastToControls(TForm* form, TMessage& message);

// The shift state of Qt's modifiers and buttons.
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
