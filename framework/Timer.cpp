#include "framework/Timer.h"

#include <QTimer>

#include "framework/Application.h"
#include "framework/ComponentRef.h"

TTimer::TTimer(TComponent* owner) : TComponent(owner), timer_(new QTimer)
{
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] {
        const TComponentRef<TTimer> alive(this);
        firing_ = true;
        Application->Guard(this, [this] { Timer(); });
        if (alive != nullptr)
            firing_ = false;
    });
    UpdateTimer();
}

TTimer::~TTimer()
{
    timer_->stop();
    timer_->disconnect();
    // A timer freed from its own handler is still inside its signal: Qt frees it afterwards.
    if (firing_)
        timer_->deleteLater();
    else
        delete timer_;
}

void TTimer::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(int interval)
{
    if (interval == interval_)
        return;
    interval_ = interval;
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    timer_->stop();
    if (enabled_ && interval_ > 0)
        timer_->start(interval_);
}

void TTimer::Timer()
{
    if (OnTimer)
        OnTimer(this);
}
