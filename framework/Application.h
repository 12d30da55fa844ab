#pragma once
// The one application object: title, message loop, the list of forms, and the default handling
// of errors that escape event, timer and message handlers.
#include <QList>
#include <QPointer>
#include <QWidget>
#include <QString>
#include <functional>

#include "framework/Component.h"
#include "framework/Exception.h"

class QEventLoop;
class TForm;

// Where the application shows an error that no handler caught; a message box unless replaced.
class TErrorDisplay {
public:
    virtual ~TErrorDisplay() = default;
    virtual void ShowError(const QString& title, const QString& text) = 0;
};

using TExceptionEvent = std::function<void(TObject* sender, const Exception& error)>;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    // Prepares the loop: hiding or closing windows never ends it, only Terminate does.
    void Initialize();

    // Shown in message boxes; the application name until set.
    QString Title() const;
    void SetTitle(const QString& title) { title_ = title; }

    // Creates a form owned by the application and fires its OnCreate; the first one created
    // becomes the main form.
    template <typename T>
    T* CreateForm()
    {
        auto* form = new T(this);
        FormCreated(form);
        return form;
    }
    TForm* MainForm() const { return mainForm_; }

    // Shows the main form and runs the message loop until Terminate is called (closing the main
    // form calls it); then frees the application's forms.
    void Run();
    // Handles every pending event and returns. Forms released meanwhile are not freed by a
    // ProcessMessages running inside a handler, only back in the loop (see TForm::Release).
    void ProcessMessages();
    // Handles events as they come, sleeping while there are none, until done answers true: the wait of
    // work that goes on in posted steps, which any loop running meanwhile (a menu's, a modal window's)
    // keeps going. The step that makes done true calls WakeUp. Released forms follow ProcessMessages' rule.
    void HandleMessagesUntil(const std::function<bool()>& done);
    // Ends the sleep of the loop now waiting for events, so that it looks at its condition again.
    static void WakeUp();
    // Ends Run and every modal loop running inside it.
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Runs loop until it exits or Terminate is called; answers false when Terminate ended it.
    bool ExecLoop(QEventLoop& loop);

    // Minimizes every shown form, as one application; fires OnMinimize. Nothing when minimized.
    void Minimize();
    // Brings back the forms Minimize put down; fires OnRestore. Nothing unless minimized.
    void Restore();
    bool Minimized() const { return minimized_; }
    // A form skinner chains its own handling in front of these and calls the previous ones.
    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;

    // Called inside a catch block: hands the error being handled to OnException, or shows its
    // text in the error display. Never throws.
    void HandleException(TObject* sender);
    void ShowException(const Exception& error);
    // Runs action; an error escaping it is handled here and the caller goes on. Every place where
    // the event loop calls into handlers goes through this, as Qt does not let exceptions pass.
    template <typename F>
    bool Guard(TObject* sender, F&& action) noexcept
    {
        try {
            action();
            return true;
        } catch (...) {
            HandleException(sender);
            return false;
        }
    }
    TExceptionEvent OnException;

    // nullptr puts the message boxes back.
    void SetErrorDisplay(TErrorDisplay* display) { display_ = display; }
    TErrorDisplay& ErrorDisplay();

    // Every form that exists, in creation order, whoever owns it.
    int FormCount() const { return static_cast<int>(forms_.size()); }
    TForm* Forms(int index) const { return forms_.at(index); }

private:
    friend class TForm;
    struct TLoop;

    void FormCreated(TForm* form);
    void AddForm(TForm* form) { forms_.append(form); }
    void RemoveForm(TForm* form);
    void Report(TObject* sender, const Exception& error);
    void FreeReleasedForms();

    QString title_;
    TForm* mainForm_ = nullptr;
    QList<TForm*> forms_;
    QList<TLoop*> loops_;
    bool terminated_ = false;
    int processDepth_ = 0;
    bool minimized_ = false;
    QList<QPointer<QWidget>> minimizedWindows_;
    TErrorDisplay* display_ = nullptr;
};

// The application object, there from start-up to the end of the process.
extern TApplication* const Application;
