#include "framework/SystemMetrics.h"

#include "framework/Monitors.h"

namespace {

TSystemMetrics* replacement = nullptr;

// Caption, menu and message text of the classic desktop: 8 points at 96 dots per inch.
TLogFont ClassicFont(bool bold)
{
    return {QStringLiteral("Tahoma"), -11, bold};
}

}  // namespace

int TClassicSystemMetrics::Metric(int index) const
{
    switch (index) {
    case SM_CXSCREEN:
        return PrimaryMonitor().Bounds.Width();
    case SM_CYSCREEN:
        return PrimaryMonitor().Bounds.Height();
    case SM_CMONITORS:
        return MonitorCount();
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    case SM_CYCAPTION:
    case SM_CYMENU:
        return 19;
    case SM_CYSMCAPTION:
        return 16;
    case SM_CXSIZE:
    case SM_CYSIZE:
    case SM_CXMENUSIZE:
    case SM_CYMENUSIZE:
        return 18;
    case SM_CXBORDER:
    case SM_CYBORDER:
    case SM_MOUSEPRESENT:
    case SM_MOUSEWHEELPRESENT:
        return 1;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
    case SM_CXDRAG:
    case SM_CYDRAG:
        return 4;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    case SM_CXMIN:
    case SM_CXMINTRACK:
        return 112;
    case SM_CYMIN:
    case SM_CYMINTRACK:
        return 27;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK:
        return 13;
    case SM_CXMINIMIZED:
        return 160;
    case SM_CYMINIMIZED:
        return 24;
    default:
        return 0;
    }
}

TNonClientMetrics TClassicSystemMetrics::NonClientMetrics() const
{
    TNonClientMetrics metrics;
    metrics.BorderWidth = 1;
    metrics.ScrollWidth = 16;
    metrics.ScrollHeight = 16;
    metrics.CaptionWidth = 18;
    metrics.CaptionHeight = 18;
    metrics.CaptionFont = ClassicFont(true);
    metrics.SmCaptionHeight = 15;
    metrics.SmCaptionFont = ClassicFont(false);
    metrics.MenuWidth = 18;
    metrics.MenuHeight = 18;
    metrics.MenuFont = ClassicFont(false);
    metrics.StatusFont = ClassicFont(false);
    metrics.MessageFont = ClassicFont(false);
    return metrics;
}

TSystemMetrics& SystemMetrics()
{
    static TClassicSystemMetrics classic;
    return replacement != nullptr ? *replacement : classic;
}

void SetSystemMetrics(TSystemMetrics* metrics)
{
    replacement = metrics;
}
