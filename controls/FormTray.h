#pragma once
// The notification-area icon that stands for a frame's window hidden in the tray, and the windows
// it hid.
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

#include "framework/TrayIcon.h"

// The tip the icon shows: at most 63 characters.
QString TrayTip(const QString& text);

class TFormTray {
public:
    TFormTray();
    ~TFormTray();

    TTrayIcon& Icon() { return *icon_; }
    // Whether the desktop has a notification area: without one, nothing may be hidden in it.
    bool Available() const { return icon_->Available(); }
    // Hides windows, shows the icon with the windows' icon (the first's) and the tip.
    void HideWindows(const QList<QWidget*>& windows, const QString& tip);
    // Shows the windows hidden last again, the first one in front, and takes the icon away.
    void ShowWindows();

private:
    std::unique_ptr<TTrayIcon> icon_;
    QList<QPointer<QWidget>> hidden_;
};
