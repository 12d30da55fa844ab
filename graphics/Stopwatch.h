#pragma once
// A high-resolution stopwatch that leaves out the cost of reading the clock itself.
#include <chrono>

class TteTimer {
public:
    // Measures what two back-to-back clock reads cost; every reading is that much less.
    TteTimer();

    void Start() { start_ = Clock::now(); }
    // Seconds since Start, never negative.
    double Seconds() const;

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point start_;
    Clock::duration overhead_{};
};
