#pragma once
// A form: a top-level window without platform frame, holding a client area for its controls inside
// the frame margins that a frame painter asks for.
#include <QString>
#include <QWidget>

#include "framework/Colors.h"
#include "framework/Component.h"
#include "framework/Types.h"
#include "framework/Windowed.h"

class QEventLoop;
class TWindowlessHost;
class TWinControl;
class QKeyEvent;

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = TMethod<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = TMethod<void(TObject* sender, bool& canClose)>;
// A key pressed in a form's window, offered to the form before the control with the focus sees it;
// a handler that uses the key sets handled.
using TShortCutEvent = TMethod<void(TObject* sender, const QKeyEvent& key, bool& handled)>;

// Where a form first shows: where its bounds put it, centred on the primary monitor's work area,
// or centred over the main form.
enum class TPosition { poDesigned, poScreenCenter, poMainFormCenter };

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;

class TForm : public TComponent, public TWindowed {
public:
    explicit TForm(TComponent* owner);

    // The top-level window: hooks attach here, and messages sent here reach Dispatch.
    QWidget* Handle() const override;
    // The parent of the form's controls; its origin is the origin of client coordinates.
    QWidget* ClientWidget() const;

    QString Caption() const;
    void SetCaption(const QString& caption);

    // Outer bounds of the window, in screen coordinates.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
    void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Rect(Left(), Top(), Left() + Width(), Top() + Height()); }

    // The client area's size; setting it resizes the window around it.
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int width) { SetClientSize(width, ClientHeight()); }
    void SetClientHeight(int height) { SetClientSize(ClientWidth(), height); }
    void SetClientSize(int width, int height);
    // (0, 0, ClientWidth, ClientHeight).
    TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }
    // The client area in window coordinates.
    TRect ClientBounds() const;

    // The windowed control that holds the windowless controls placed on the form, made on first use.
    TWinControl* WindowlessHost();

    // The frame around the client area. The window keeps its outer size and the client area
    // shrinks or grows, as when the platform recomputes a window's frame.
    void SetFrameMargins(int left, int top, int right, int bottom);

    TColor Color() const { return color_; }
    void SetColor(TColor color);

    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }

    bool Visible() const;
    void SetVisible(bool visible);
    // Shows the window and brings it to the front.
    void Show();
    void Hide();

    // Asks OnCloseQuery, then OnClose with caHide to start from, and acts on the answer: the main
    // form ends the application, caHide hides, caMinimize minimizes, caFree releases the form.
    // A modal form only sets ModalResult to mrCancel.
    void Close();
    bool CloseQuery();

    // Shows the form modally and runs a message loop until ModalResult is set (and the close is
    // not refused) or the application terminates; answers ModalResult.
    TModalResult ShowModal();
    bool Modal() const { return modalLoop_ != nullptr; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result);

    // Frees the form once control is back in the event loop that was running when Release was
    // called, after the handler that called it has returned: a ProcessMessages or HandleMessagesUntil
    // inside that handler (a conversion loop, a rip's wait) does not free it. With no loop running, the
    // outermost of them frees it.
    void Release();

    // Fires OnCreate; called once the form and its content are built (CreateForm does it).
    void DoCreate();

    // Offers a key pressed anywhere in the window to OnShortCut; true when the handler used it.
    // The application object offers every key of a form here first (FormKeys.h).
    bool IsShortCut(const QKeyEvent& key);

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TShortCutEvent OnShortCut;

protected:
    // Freed through Free only (never on the stack): the owned controls must go while the window
    // that holds their widgets is still there.
    ~TForm() override;
    // Fires OnDestroy, while the form and its controls are whole.
    void Destroying() override;

private:
    class TWindow;
    class TClient;
    class TReleaseRequest;

    void LayoutClient();
    void PlaceByPosition();
    bool CloseModal();

    TWindow* window_;
    TClient* client_;
    TWindowlessHost* windowlessHost_ = nullptr;
    int marginLeft_ = 0;
    int marginTop_ = 0;
    int marginRight_ = 0;
    int marginBottom_ = 0;
    TColor color_ = clBtnFace;
    TPosition position_ = TPosition::poDesigned;
    bool placed_ = false;
    QEventLoop* modalLoop_ = nullptr;
    TModalResult modalResult_ = mrNone;
};

// Registers the stored properties of a form (called once at start-up by the control layer).
void RegisterFormProperties();
