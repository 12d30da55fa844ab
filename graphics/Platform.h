#pragma once
// What the theme library knows of the platform: which optional features exist, the monitors and
// work areas, scroll bar information and the keyboard's repeat timing.
#include <QList>

#include "framework/Types.h"

class QWidget;

// The optional platform features are absent here: each probe answers false (except the Unicode
// text family, which is what we always have) and callers draw their fallbacks.
constexpr bool OsIsNT() { return true; }
constexpr bool OsIsVersion4() { return false; }
constexpr bool LayeredWindowsAvailable() { return false; }
constexpr bool VisualStylesLoaded() { return false; }
constexpr bool TransparentBltAvailable() { return false; }
// Visual styles are active only when their library is loaded.
bool VisualStylesActive();
bool UpdateVisualStylesActive();

// More than one monitor is connected.
bool HasMultipleMonitors();
// The primary monitor's work area when workArea is true, else (0, 0, screen width, screen height).
TRect GetWorkArea(bool workArea);
// The monitor nearest point (its work area or its whole rectangle); with one monitor, GetWorkArea.
TRect GetMonitorRectFromPoint(TPoint point, bool workArea);
// The same for the monitor nearest window; a null window gives GetWorkArea.
TRect GetMonitorRectFromWindow(const QWidget* window, bool workArea);

// The platform's scroll bar information record.
constexpr unsigned STATE_SYSTEM_INVISIBLE = 0x8000;
struct TScrollBarInfo {
    unsigned cbSize = 60;
    TRect rcScrollBar;
    int dxyLineButton = 0;
    int xyThumbTop = 0;
    int xyThumbBottom = 0;
    int reserved = 0;
    unsigned rgstate[6] = {};
};
// No scroll bar information function exists here: the bar is reported invisible and 0 returned.
int GetScrollBarInfoSafe(const QWidget* window, int objectId, TScrollBarInfo& info);

// (delay setting + 1) × 200 ms: 200 to 800.
int KeyboardDelayMs();
// round(1000 / ((speed setting + 1) × 2.3)) ms: 435 down to 14.
int KeyboardRepeatMs();
