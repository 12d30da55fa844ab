#pragma once
// A component that owns a window (a form, a windowed control): hooks and messages reach it there.
class QWidget;

class TWindowed {
public:
    virtual ~TWindowed() = default;
    // The window as it is now; nullptr while it has none (a control may make its window anew).
    virtual QWidget* Handle() const = 0;
};
