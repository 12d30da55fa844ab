#include "graphics/Stopwatch.h"

#include <algorithm>

TteTimer::TteTimer()
{
    const Clock::time_point first = Clock::now();
    const Clock::time_point second = Clock::now();
    overhead_ = second - first;
    start_ = second;
}

double TteTimer::Seconds() const
{
    const Clock::duration elapsed = std::max(Clock::now() - start_ - overhead_, Clock::duration::zero());
    return std::chrono::duration<double>(elapsed).count();
}
