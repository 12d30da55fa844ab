#include "controls/frame/FormTray.h"

#include <QCoreApplication>

namespace {

// The platform's tip field holds 64 characters with the terminating zero.
constexpr int kTipLength = 63;

}  // namespace

QString TrayTip(const QString& text)
{
    return text.left(kTipLength);
}

TFormTray::TFormTray() : icon_(CreateTrayIcon())
{
    // A session that ends quits the application (the session manager's last word), and a quit
    // announces itself here whatever started it.
    sessionEnd_ =
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, [this] { EndSession(); });
}

TFormTray::~TFormTray()
{
    QObject::disconnect(sessionEnd_);
    EndSession();
}

void TFormTray::EndSession()
{
    if (icon_->Visible())
        icon_->Hide();
}

void TFormTray::HideWindows(const QList<QWidget*>& windows, const QString& tip)
{
    hidden_.clear();
    for (QWidget* window : windows) {
        hidden_.append(window);
        window->hide();
    }
    // A window without an icon of its own shows the application's.
    if (!windows.isEmpty())
        icon_->SetIcon(windows.first()->windowIcon());
    icon_->SetTip(TrayTip(tip));
    icon_->Show();
}

void TFormTray::ShowWindows()
{
    QWidget* front = nullptr;
    for (const QPointer<QWidget>& window : std::as_const(hidden_)) {
        if (window.isNull())
            continue;
        if (window->isMinimized())
            window->showNormal();
        else
            window->show();
        if (front == nullptr)
            front = window;
    }
    hidden_.clear();
    if (front != nullptr) {
        front->raise();
        front->activateWindow();
    }
    icon_->Hide();
}
