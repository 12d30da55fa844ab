#pragma once
// An icon in the desktop's notification area that stands for a hidden window; made through a
// replaceable factory so tests can watch it.
#include <QIcon>
#include <QString>
#include <functional>
#include <memory>

#include "framework/Component.h"
#include "framework/Types.h"

// Sender and the cursor's screen position.
using TTrayMenuEvent = std::function<void(TObject* sender, TPoint screenPos)>;

class TTrayIcon : public TObject {
public:
    // The icon and tip apply at once while shown and are kept for the next Show.
    virtual void SetIcon(const QIcon& icon) = 0;
    virtual void SetTip(const QString& tip) = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual bool Visible() const = 0;
    // Whether the desktop has a notification area the icon can show in.
    virtual bool Available() const = 0;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TTrayMenuEvent OnContextMenu;
};

// The desktop's tray (QSystemTrayIcon).
std::unique_ptr<TTrayIcon> CreateSystemTrayIcon();

using TTrayIconFactory = std::function<std::unique_ptr<TTrayIcon>()>;
std::unique_ptr<TTrayIcon> CreateTrayIcon();
// Replaces the factory (tests); an empty one puts the desktop's tray back.
void SetTrayIconFactory(TTrayIconFactory factory);
