#pragma once
// A timer component: fires OnTimer every Interval milliseconds while Enabled.
#include "framework/Component.h"

class QTimer;

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Milliseconds; 0 stops the timer. Changing it starts the count again.
    int Interval() const { return interval_; }
    void SetInterval(int interval);

    TNotifyEvent OnTimer;

protected:
    // Fires OnTimer; an error escaping it goes to the application's error handling.
    virtual void Timer();

private:
    void UpdateTimer();

    QTimer* timer_;
    bool enabled_ = true;
    int interval_ = 1000;
    // While OnTimer runs: a timer freed by its handler leaves its QTimer to Qt.
    bool firing_ = false;
};
