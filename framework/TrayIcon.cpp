#include "framework/TrayIcon.h"

#include <QCursor>
#include <QSystemTrayIcon>
#include <utility>

#include "framework/Application.h"

namespace {

class TSystemTrayIcon : public TTrayIcon {
public:
    TSystemTrayIcon()
    {
        QObject::connect(&icon_, &QSystemTrayIcon::activated, &icon_, [this](QSystemTrayIcon::ActivationReason reason) {
            Application->Guard(this, [&] { Activated(reason); });
        });
    }

    void SetIcon(const QIcon& icon) override { icon_.setIcon(icon); }
    void SetTip(const QString& tip) override { icon_.setToolTip(tip); }
    void Show() override { icon_.show(); }
    void Hide() override { icon_.hide(); }
    bool Visible() const override { return icon_.isVisible(); }
    bool Available() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }

private:
    void Activated(QSystemTrayIcon::ActivationReason reason)
    {
        switch (reason) {
        case QSystemTrayIcon::Trigger:
            if (OnClick)
                OnClick(this);
            break;
        case QSystemTrayIcon::DoubleClick:
            if (OnDblClick)
                OnDblClick(this);
            break;
        case QSystemTrayIcon::Context:
            if (OnContextMenu) {
                const QPoint cursor = QCursor::pos();
                OnContextMenu(this, Point(cursor.x(), cursor.y()));
            }
            break;
        default:
            break;
        }
    }

    QSystemTrayIcon icon_;
};

TTrayIconFactory& Factory()
{
    static TTrayIconFactory factory;
    return factory;
}

}  // namespace

std::unique_ptr<TTrayIcon> CreateSystemTrayIcon()
{
    return std::make_unique<TSystemTrayIcon>();
}

std::unique_ptr<TTrayIcon> CreateTrayIcon()
{
    return Factory() ? Factory()() : CreateSystemTrayIcon();
}

void SetTrayIconFactory(TTrayIconFactory factory)
{
    Factory() = std::move(factory);
}
