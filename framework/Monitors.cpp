#include "framework/Monitors.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <limits>

namespace {

TMonitors* replacement = nullptr;

TMonitorInfo FromScreen(const QScreen* screen, bool primary)
{
    return {TRect::FromQRect(screen->geometry()), TRect::FromQRect(screen->availableGeometry()), primary};
}

// Squared distance from point to the nearest pixel of rect.
long long DistanceSquared(const TRect& rect, TPoint point)
{
    const long long dx = point.X < rect.Left ? rect.Left - point.X : point.X >= rect.Right ? point.X - rect.Right + 1 : 0;
    const long long dy = point.Y < rect.Top ? rect.Top - point.Y : point.Y >= rect.Bottom ? point.Y - rect.Bottom + 1 : 0;
    return dx * dx + dy * dy;
}

}  // namespace

QList<TMonitorInfo> TScreenMonitors::List() const
{
    QList<TMonitorInfo> monitors;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        const QScreen* primary = QGuiApplication::primaryScreen();
        if (primary != nullptr)
            monitors.append(FromScreen(primary, true));
        for (const QScreen* screen : QGuiApplication::screens())
            if (screen != primary)
                monitors.append(FromScreen(screen, false));
    }
    if (monitors.isEmpty())
        monitors.append({Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 768), true});
    return monitors;
}

TMonitors& Monitors()
{
    static TScreenMonitors screens;
    return replacement != nullptr ? *replacement : screens;
}

void SetMonitors(TMonitors* monitors)
{
    replacement = monitors;
}

int MonitorCount()
{
    return static_cast<int>(Monitors().List().size());
}

TMonitorInfo PrimaryMonitor()
{
    return Monitors().List().first();
}

TMonitorInfo MonitorFromPoint(TPoint point)
{
    const QList<TMonitorInfo> monitors = Monitors().List();
    const TMonitorInfo* nearest = &monitors.first();
    long long best = std::numeric_limits<long long>::max();
    for (const TMonitorInfo& monitor : monitors) {
        const long long distance = DistanceSquared(monitor.Bounds, point);
        if (distance < best) {
            best = distance;
            nearest = &monitor;
        }
    }
    return *nearest;
}

TMonitorInfo MonitorFromRect(const TRect& rect)
{
    const QList<TMonitorInfo> monitors = Monitors().List();
    const TMonitorInfo* largest = nullptr;
    long long best = 0;
    for (const TMonitorInfo& monitor : monitors) {
        const long long width = std::min(rect.Right, monitor.Bounds.Right) - std::max(rect.Left, monitor.Bounds.Left);
        const long long height = std::min(rect.Bottom, monitor.Bounds.Bottom) - std::max(rect.Top, monitor.Bounds.Top);
        if (width > 0 && height > 0 && width * height > best) {
            best = width * height;
            largest = &monitor;
        }
    }
    if (largest != nullptr)
        return *largest;
    return MonitorFromPoint(Point(rect.Left + rect.Width() / 2, rect.Top + rect.Height() / 2));
}
