#include "framework/Application.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QThread>

#include "framework/Form.h"

namespace {

// The default error display: a message box over the active window.
class TMessageBoxDisplay : public TErrorDisplay {
public:
    void ShowError(const QString& title, const QString& text) override
    {
        QMessageBox::critical(QApplication::activeWindow(), title, text);
    }
};

TApplication& Instance()
{
    // Never freed: windows must not outlive Qt, and the forms are freed at the end of Run.
    static auto* application = new TApplication;
    return *application;
}

}  // namespace

TApplication* const Application = &Instance();

struct TApplication::TLoop {
    QEventLoop* loop;
    bool terminated;
};

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication()
{
    DestroyComponents();
}

void TApplication::Initialize()
{
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        gui->setQuitOnLastWindowClosed(false);
}

QString TApplication::Title() const
{
    return title_.isEmpty() ? QCoreApplication::applicationName() : title_;
}

void TApplication::FormCreated(TForm* form)
{
    form->DoCreate();
    if (mainForm_ == nullptr)
        mainForm_ = form;
}

void TApplication::RemoveForm(TForm* form)
{
    forms_.removeOne(form);
    if (mainForm_ == form)
        mainForm_ = nullptr;
}

void TApplication::Run()
{
    if (mainForm_ != nullptr)
        mainForm_->Show();
    QEventLoop loop;
    ExecLoop(loop);
    DestroyComponents();
}

void TApplication::ProcessMessages()
{
    ++processDepth_;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    --processDepth_;
    FreeReleasedForms();
}

void TApplication::HandleMessagesUntil(const std::function<bool()>& done)
{
    ++processDepth_;
    while (!done())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    --processDepth_;
    // Once, after the wait: waking the loop after each pass would keep the next pass from sleeping.
    FreeReleasedForms();
}

void TApplication::WakeUp()
{
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
}

void TApplication::FreeReleasedForms()
{
    // Qt frees what was released only in a running event loop. Without one, the outermost
    // ProcessMessages is that level: the handlers it ran have returned.
    if (processDepth_ == 0 && QThread::currentThread()->loopLevel() == 0)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    else
        // Qt put back the deferred deletes it may not run here without telling the waiting loop.
        WakeUp();
}

void TApplication::Terminate()
{
    terminated_ = true;
    for (TLoop* running : loops_) {
        running->terminated = true;
        running->loop->exit();
    }
}

bool TApplication::ExecLoop(QEventLoop& loop)
{
    TLoop running{&loop, false};
    loops_.append(&running);
    loop.exec();
    loops_.removeOne(&running);
    return !running.terminated;
}

void TApplication::Minimize()
{
    if (minimized_)
        return;
    minimized_ = true;
    for (TForm* form : forms_) {
        if (form->Visible()) {
            minimizedWindows_.append(form->Handle());
            form->Handle()->showMinimized();
        }
    }
    if (OnMinimize)
        OnMinimize(this);
}

void TApplication::Restore()
{
    if (!minimized_)
        return;
    minimized_ = false;
    for (const QPointer<QWidget>& window : std::as_const(minimizedWindows_))
        if (!window.isNull())
            window->showNormal();
    minimizedWindows_.clear();
    if (OnRestore)
        OnRestore(this);
}

void TApplication::HandleException(TObject* sender)
{
    if (!std::current_exception())
        return;
    try {
        throw;
    } catch (const Exception& error) {
        Report(sender, error);
    } catch (const std::exception& error) {
        Report(sender, Exception(QString::fromLocal8Bit(error.what())));
    } catch (...) {
        Report(sender, Exception(QStringLiteral("Unknown error")));
    }
}

void TApplication::Report(TObject* sender, const Exception& error)
{
    try {
        if (OnException)
            OnException(sender, error);
        else
            ShowException(error);
    } catch (const Exception& failure) {
        // A failing error handler must not take the loop down: show what it raised instead.
        ShowException(failure);
    } catch (...) {
        ShowException(error);
    }
}

void TApplication::ShowException(const Exception& error)
{
    try {
        ErrorDisplay().ShowError(Title(), error.Message());
    } catch (...) {
        // Nothing is left to tell the user with; the loop must go on.
    }
}

TErrorDisplay& TApplication::ErrorDisplay()
{
    static TMessageBoxDisplay messageBoxes;
    return display_ != nullptr ? *display_ : messageBoxes;
}
