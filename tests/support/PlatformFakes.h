#pragma once
// Recording stand-ins for the platform interfaces; each installs itself while it lives.
#include <QHash>
#include <QStringList>
#include <memory>

#include "framework/Application.h"
#include "framework/Monitors.h"
#include "framework/Shell.h"
#include "framework/SystemMetrics.h"
#include "framework/TrayIcon.h"

// Records what the application would have shown in message boxes.
class TRecordingErrorDisplay : public TErrorDisplay {
public:
    TRecordingErrorDisplay() { Application->SetErrorDisplay(this); }
    ~TRecordingErrorDisplay() override { Application->SetErrorDisplay(nullptr); }

    void ShowError(const QString& title, const QString& text) override
    {
        titles << title;
        texts << text;
    }

    QStringList titles;
    QStringList texts;
};

// Records every request as "verb argument [in folder]" ("start program arguments... in folder"); answers `succeed`.
class TRecordingShell : public TShell {
public:
    TRecordingShell() { SetShell(this); }
    ~TRecordingShell() override { SetShell(nullptr); }

    bool OpenUrl(const QString& address) override { return Record("open " + address); }
    bool StartProgram(const QString& program, const QStringList& arguments, const QString& workingFolder) override
    {
        return Record("start " + (QStringList{program} + arguments).join(u' ') + " in " + workingFolder);
    }
    bool OpenFolder(const QString& folder) override { return Record("explore " + folder); }

    QStringList calls;
    bool succeed = true;

private:
    bool Record(const QString& call)
    {
        calls << call;
        return succeed;
    }
};

// The classic metrics and settings with the values a test changes.
class TFakeSystemMetrics : public TClassicSystemMetrics {
public:
    TFakeSystemMetrics() { SetSystemMetrics(this); }
    ~TFakeSystemMetrics() override { SetSystemMetrics(nullptr); }

    int Metric(int index) const override { return metrics.value(index, TClassicSystemMetrics::Metric(index)); }
    int KeyboardDelay() const override { return keyboardDelay; }
    int KeyboardSpeed() const override { return keyboardSpeed; }
    bool DragFullWindows() const override { return dragFullWindows; }

    QHash<int, int> metrics;
    int keyboardDelay = 1;
    int keyboardSpeed = 31;
    bool dragFullWindows = true;
};

// A fixed set of monitors.
class TFakeMonitors : public TMonitors {
public:
    explicit TFakeMonitors(QList<TMonitorInfo> monitors) : monitors_(std::move(monitors)) { SetMonitors(this); }
    ~TFakeMonitors() override { SetMonitors(nullptr); }
    QList<TMonitorInfo> List() const override { return monitors_; }

private:
    QList<TMonitorInfo> monitors_;
};

// A tray icon that keeps its state and the order of calls; tests fire its events themselves.
class TRecordingTrayIcon : public TTrayIcon {
public:
    void SetIcon(const QIcon& icon) override
    {
        this->icon = icon;
        calls << "icon";
    }
    void SetTip(const QString& tip) override
    {
        this->tip = tip;
        calls << "tip " + tip;
    }
    void Show() override
    {
        visible = true;
        calls << "show";
    }
    void Hide() override
    {
        visible = false;
        calls << "hide";
    }
    bool Visible() const override { return visible; }
    bool Available() const override { return available; }

    QIcon icon;
    QString tip;
    bool visible = false;
    bool available = true;
    QStringList calls;
};

// Makes CreateTrayIcon hand out recording icons and keeps a pointer to each.
class TRecordingTrayFactory {
public:
    TRecordingTrayFactory()
    {
        SetTrayIconFactory([this] {
            auto icon = std::make_unique<TRecordingTrayIcon>();
            icon->available = available;
            icons << icon.get();
            return std::unique_ptr<TTrayIcon>(std::move(icon));
        });
    }
    ~TRecordingTrayFactory() { SetTrayIconFactory({}); }

    QList<TRecordingTrayIcon*> icons;
    // Whether the icons made from now on find a notification area.
    bool available = true;
};
