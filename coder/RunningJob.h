#pragma once
// One job at a time: a rip or a conversion pumps window messages while it runs, so a command clicked
// meanwhile would otherwise start a second job on the same CD range or encoder stream.
class TRunningJob {
public:
    // Whether a rip or a conversion runs now.
    static bool Active() { return active_; }

    // Marks a job running for the object's life; callers look at Active() first.
    TRunningJob() { active_ = true; }
    ~TRunningJob() { active_ = false; }
    TRunningJob(const TRunningJob&) = delete;
    TRunningJob& operator=(const TRunningJob&) = delete;

private:
    static inline bool active_ = false;
};
