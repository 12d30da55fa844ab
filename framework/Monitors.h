#pragma once
// The monitors and their work areas (the part not taken by panels and task bars), behind a
// replaceable interface.
#include <QList>

#include "framework/Types.h"

struct TMonitorInfo {
    TRect Bounds;
    TRect WorkArea;
    bool Primary = false;
    bool operator==(const TMonitorInfo&) const = default;
};

class TMonitors {
public:
    virtual ~TMonitors() = default;
    // Every monitor, the primary one first; never empty.
    virtual QList<TMonitorInfo> List() const = 0;
};

// The screens Qt knows; without any, one 1024 x 768 monitor whose work area is all of it.
class TScreenMonitors : public TMonitors {
public:
    QList<TMonitorInfo> List() const override;
};

TMonitors& Monitors();
// Replaces the monitors (tests); nullptr puts the screens back.
void SetMonitors(TMonitors* monitors);

int MonitorCount();
TMonitorInfo PrimaryMonitor();
// The monitor holding point, else the nearest one.
TMonitorInfo MonitorFromPoint(TPoint point);
// The monitor sharing the largest area with rect, else the one nearest its centre.
TMonitorInfo MonitorFromRect(const TRect& rect);
