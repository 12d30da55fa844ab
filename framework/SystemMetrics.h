#pragma once
// The platform's metrics and user settings behind one replaceable interface; the program runs on
// the classic values whatever the desktop.
#include <QString>

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CXDLGFRAME = 7;
constexpr int SM_CYDLGFRAME = 8;
constexpr int SM_CYVTHUMB = 9;
constexpr int SM_CXHTHUMB = 10;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int SM_CXCURSOR = 13;
constexpr int SM_CYCURSOR = 14;
constexpr int SM_CYMENU = 15;
constexpr int SM_MOUSEPRESENT = 19;
constexpr int SM_CYVSCROLL = 20;
constexpr int SM_CXHSCROLL = 21;
constexpr int SM_SWAPBUTTON = 23;
constexpr int SM_CXMIN = 28;
constexpr int SM_CYMIN = 29;
constexpr int SM_CXSIZE = 30;
constexpr int SM_CYSIZE = 31;
constexpr int SM_CXFRAME = 32;
constexpr int SM_CYFRAME = 33;
constexpr int SM_CXMINTRACK = 34;
constexpr int SM_CYMINTRACK = 35;
constexpr int SM_CXDOUBLECLK = 36;
constexpr int SM_CYDOUBLECLK = 37;
constexpr int SM_CXEDGE = 45;
constexpr int SM_CYEDGE = 46;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;
constexpr int SM_CYSMCAPTION = 51;
constexpr int SM_CXMENUSIZE = 54;
constexpr int SM_CYMENUSIZE = 55;
constexpr int SM_CXMINIMIZED = 57;
constexpr int SM_CYMINIMIZED = 58;
constexpr int SM_CXDRAG = 68;
constexpr int SM_CYDRAG = 69;
constexpr int SM_CXMENUCHECK = 71;
constexpr int SM_CYMENUCHECK = 72;
constexpr int SM_MOUSEWHEELPRESENT = 75;
constexpr int SM_CMONITORS = 80;

// A font as the platform's non-client settings describe it; Height in pixels, negative for a
// character height as the platform stores it.
struct TLogFont {
    QString FaceName;
    int Height = 0;
    bool Bold = false;
};

// The non-client settings: caption, menu and scroll bar sizes and their fonts.
struct TNonClientMetrics {
    int BorderWidth = 0;
    int ScrollWidth = 0;
    int ScrollHeight = 0;
    int CaptionWidth = 0;
    int CaptionHeight = 0;
    TLogFont CaptionFont;
    int SmCaptionHeight = 0;
    TLogFont SmCaptionFont;
    int MenuWidth = 0;
    int MenuHeight = 0;
    TLogFont MenuFont;
    TLogFont StatusFont;
    TLogFont MessageFont;
};

class TSystemMetrics {
public:
    virtual ~TSystemMetrics() = default;

    // The metric of an SM_ index; 0 for an unknown index.
    virtual int Metric(int index) const = 0;
    // Keyboard delay setting, 0 (shortest) to 3.
    virtual int KeyboardDelay() const = 0;
    // Keyboard repeat speed setting, 0 (slowest) to 31.
    virtual int KeyboardSpeed() const = 0;
    // Whether windows are drawn whole while dragged (else as an outline).
    virtual bool DragFullWindows() const = 0;
    virtual TNonClientMetrics NonClientMetrics() const = 0;
};

// The classic desktop at 96 dots per inch: a caption of 18 pixels with a line below it (SM_CYCAPTION
// 19), frames of 4 and 3, scroll bars of 16, a menu bar of 19, icons of 32 and 16, keyboard delay 1
// and speed 31. Screen size and monitor count come from the monitors.
class TClassicSystemMetrics : public TSystemMetrics {
public:
    int Metric(int index) const override;
    int KeyboardDelay() const override { return 1; }
    int KeyboardSpeed() const override { return 31; }
    bool DragFullWindows() const override { return true; }
    TNonClientMetrics NonClientMetrics() const override;
};

TSystemMetrics& SystemMetrics();
// Replaces the metrics (tests); nullptr puts the classic ones back.
void SetSystemMetrics(TSystemMetrics* metrics);

inline int GetSystemMetrics(int index)
{
    return SystemMetrics().Metric(index);
}
