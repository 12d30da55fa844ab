#include "framework/Form.h"

#include <QEventLoop>
#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "framework/Application.h"
#include "framework/ComponentRef.h"
#include "framework/Messaging.h"
#include "framework/Monitors.h"
#include "framework/PropInfo.h"
#include "framework/WinControl.h"
#include "framework/WindowlessHost.h"
#include "framework/WindowHook.h"

// The top-level window. Numbered messages go to the form's Dispatch; a close request from the
// platform becomes the form's Close, which decides what happens.
class TForm::TWindow : public QWidget {
public:
    explicit TWindow(TForm& form) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), form_(form) {}

protected:
    bool event(QEvent* event) override
    {
        if (TMessageEvent* message = TMessageEvent::From(event)) {
            Application->Guard(&form_, [&] { form_.Dispatch(message->Message()); });
            return true;
        }
        if (event->type() == QEvent::Close) {
            event->ignore();
            Application->Guard(&form_, [&] { form_.Close(); });
            return true;
        }
        if (event->type() == QEvent::Resize)
            form_.LayoutClient();
        return QWidget::event(event);
    }

private:
    TForm& form_;
};

// The client area: filled with the form's colour unless a hook paints it.
class TForm::TClient : public QWidget {
public:
    TClient(TForm& form, QWidget* window) : QWidget(window), form_(form) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), ToQColor(form_.Color()));
    }

private:
    TForm& form_;
};

TForm::TForm(TComponent* owner) : TComponent(owner), window_(new TWindow(*this)), client_(new TClient(*this, window_))
{
    Application->AddForm(this);
    SetBounds(0, 0, 320, 240);
}

// Frees its form when Qt runs deferred deletes, which it does only once control is back in the
// event loop that was running when Release was called (as deleteLater).
class TForm::TReleaseRequest : public QObject {
public:
    explicit TReleaseRequest(TForm* form) : form_(form) {}

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::DeferredDelete && form_ != nullptr)
            form_->Free();
        return QObject::event(event);
    }

private:
    TComponentRef<TForm> form_;
};

TForm::~TForm()
{
    // Controls owned elsewhere leave the client area before the window deletes its widgets.
    DetachControls(client_);
    if (windowlessHost_ != nullptr)
        windowlessHost_->Free();
    Application->RemoveForm(this);
    UnhookWindow(window_);
    delete window_;
}

void TForm::Destroying()
{
    TComponent::Destroying();
    if (OnDestroy)
        Application->Guard(this, [this] { OnDestroy(this); });
}

QWidget* TForm::Handle() const
{
    return window_;
}

QWidget* TForm::ClientWidget() const
{
    return client_;
}

QString TForm::Caption() const
{
    return window_->windowTitle();
}

void TForm::SetCaption(const QString& caption)
{
    window_->setWindowTitle(caption);
}

int TForm::Left() const
{
    return window_->x();
}

int TForm::Top() const
{
    return window_->y();
}

int TForm::Width() const
{
    return window_->width();
}

int TForm::Height() const
{
    return window_->height();
}

void TForm::SetBounds(int left, int top, int width, int height)
{
    window_->setGeometry(left, top, std::max(0, width), std::max(0, height));
    LayoutClient();
}

int TForm::ClientWidth() const
{
    return std::max(0, Width() - marginLeft_ - marginRight_);
}

int TForm::ClientHeight() const
{
    return std::max(0, Height() - marginTop_ - marginBottom_);
}

void TForm::SetClientSize(int width, int height)
{
    window_->resize(std::max(0, width) + marginLeft_ + marginRight_, std::max(0, height) + marginTop_ + marginBottom_);
    LayoutClient();
}

TRect TForm::ClientBounds() const
{
    return Rect(marginLeft_, marginTop_, marginLeft_ + ClientWidth(), marginTop_ + ClientHeight());
}

void TForm::SetFrameMargins(int left, int top, int right, int bottom)
{
    marginLeft_ = left;
    marginTop_ = top;
    marginRight_ = right;
    marginBottom_ = bottom;
    LayoutClient();
}

TWinControl* TForm::WindowlessHost()
{
    if (windowlessHost_ == nullptr)
        windowlessHost_ = new TWindowlessHost(*this);
    return windowlessHost_;
}

void TForm::LayoutClient()
{
    client_->setGeometry(ClientBounds().ToQRect());
    if (windowlessHost_ != nullptr)
        windowlessHost_->FitClientArea();
}

void TForm::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    client_->update();
}

bool TForm::Visible() const
{
    return window_->isVisible();
}

void TForm::SetVisible(bool visible)
{
    window_->setVisible(visible);
}

void TForm::PlaceByPosition()
{
    // Only the first showing: a window the user moved stays where it was put.
    if (placed_)
        return;
    placed_ = true;
    TRect area;
    if (position_ == TPosition::poScreenCenter)
        area = PrimaryMonitor().WorkArea;
    else if (position_ == TPosition::poMainFormCenter && Application->MainForm() != nullptr &&
             Application->MainForm() != this)
        area = Application->MainForm()->BoundsRect();
    else
        return;
    SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2, Width(), Height());
}

void TForm::Show()
{
    PlaceByPosition();
    // A window being shown comes up in front; one already shown is brought there.
    if (window_->isVisible())
        window_->raise();
    else
        window_->show();
}

void TForm::Hide()
{
    window_->hide();
}

bool TForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::Close()
{
    if (Modal()) {
        SetModalResult(mrCancel);
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = TCloseAction::caHide;
    if (OnClose)
        OnClose(this, action);
    if (action == TCloseAction::caNone)
        return;
    if (Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case TCloseAction::caHide:
        Hide();
        break;
    case TCloseAction::caMinimize:
        window_->showMinimized();
        break;
    case TCloseAction::caFree:
        Release();
        break;
    case TCloseAction::caNone:
        break;
    }
}

TModalResult TForm::ShowModal()
{
    if (Visible() || Modal())
        throw Exception(QStringLiteral("Cannot make a visible window modal"));
    QEventLoop loop;
    modalLoop_ = &loop;
    modalResult_ = mrNone;
    // Put the form back to modeless and hidden however the loop ends, an error included.
    struct TRestore {
        TForm& form;
        ~TRestore()
        {
            form.modalLoop_ = nullptr;
            form.window_->hide();
            form.window_->setWindowModality(Qt::NonModal);
        }
    } restore{*this};
    window_->setWindowModality(Qt::ApplicationModal);
    Show();
    for (;;) {
        if (modalResult_ == mrNone && !Application->ExecLoop(loop)) {
            modalResult_ = mrCancel;
            break;
        }
        if (modalResult_ != mrNone && CloseModal())
            break;
    }
    return modalResult_;
}

bool TForm::CloseModal()
{
    TCloseAction action = TCloseAction::caNone;
    if (CloseQuery()) {
        action = TCloseAction::caHide;
        if (OnClose)
            OnClose(this, action);
    }
    if (action == TCloseAction::caNone) {
        modalResult_ = mrNone;
        return false;
    }
    if (action == TCloseAction::caFree)
        Release();
    return true;
}

void TForm::SetModalResult(TModalResult result)
{
    modalResult_ = result;
    if (modalLoop_ != nullptr && result != mrNone)
        modalLoop_->exit();
}

void TForm::Release()
{
    // The request only refers to the form, so a form freed some other way first is left alone.
    (new TReleaseRequest(this))->deleteLater();
}

void TForm::DoCreate()
{
    if (OnCreate)
        Application->Guard(this, [this] { OnCreate(this); });
}

void RegisterFormProperties()
{
    static const QStringList positionNames{"poDesigned", "poScreenCenter", "poMainFormCenter"};
    RegisterProperties<TForm, TComponent>()
        .Integer("Left", &TForm::Left, &TForm::SetLeft)
        .Integer("Top", &TForm::Top, &TForm::SetTop)
        .String("Caption", &TForm::Caption, &TForm::SetCaption)
        .Integer("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth)
        .Integer("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight)
        .Color("Color", &TForm::Color, &TForm::SetColor, clBtnFace)
        .Enumeration("Position", &TForm::Position, &TForm::SetPosition, positionNames, TPosition::poDesigned)
        .Event("OnCreate", &TForm::OnCreate)
        .Event("OnClose", &TForm::OnClose)
        .Event("OnCloseQuery", &TForm::OnCloseQuery)
        .Event("OnDestroy", &TForm::OnDestroy);
}

bool TForm::IsShortCut(const QKeyEvent& key)
{
    bool handled = false;
    if (OnShortCut)
        OnShortCut(this, key, handled);
    return handled;
}
