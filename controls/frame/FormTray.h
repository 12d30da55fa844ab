#pragma once
// The notification-area icon that stands for a frame's window hidden in the tray, and the windows
// it hid.
#include <QList>
#include <QMetaObject>
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
    // The session ends, or the program: the icon goes at once, and the hidden windows stay hidden
    // (nothing flashes up while the desktop closes). The desktop's question whether the session
    // may end is never refused for a window in the tray or rolled up.
    void EndSession();

private:
    std::unique_ptr<TTrayIcon> icon_;
    QList<QPointer<QWidget>> hidden_;
    QMetaObject::Connection sessionEnd_;
};
