#include "graphics/Platform.h"

#include <QWidget>
#include <cmath>

#include "framework/Monitors.h"
#include "framework/SystemMetrics.h"

bool VisualStylesActive()
{
    return UpdateVisualStylesActive();
}

bool UpdateVisualStylesActive()
{
    return VisualStylesLoaded();
}

bool HasMultipleMonitors()
{
    const int count = GetSystemMetrics(SM_CMONITORS);
    return count != 0 && count != 1;
}

TRect GetWorkArea(bool workArea)
{
    if (workArea)
        return PrimaryMonitor().WorkArea;
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

TRect GetMonitorRectFromPoint(TPoint point, bool workArea)
{
    if (!HasMultipleMonitors())
        return GetWorkArea(workArea);
    const TMonitorInfo monitor = MonitorFromPoint(point);
    return workArea ? monitor.WorkArea : monitor.Bounds;
}

TRect GetMonitorRectFromWindow(const QWidget* window, bool workArea)
{
    if (window == nullptr || !HasMultipleMonitors())
        return GetWorkArea(workArea);
    const TMonitorInfo monitor = MonitorFromRect(TRect::FromQRect(window->frameGeometry()));
    return workArea ? monitor.WorkArea : monitor.Bounds;
}

int GetScrollBarInfoSafe(const QWidget*, int, TScrollBarInfo& info)
{
    info.rgstate[0] = STATE_SYSTEM_INVISIBLE;
    return 0;
}

int KeyboardDelayMs()
{
    return (SystemMetrics().KeyboardDelay() + 1) * 200;
}

int KeyboardRepeatMs()
{
    // nearbyint in the default rounding mode: halves to even.
    return static_cast<int>(std::nearbyint(1000.0 / ((SystemMetrics().KeyboardSpeed() + 1) * 2.3)));
}
