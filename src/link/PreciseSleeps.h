#pragma once
// While an object of this class lives, the sleeps of the thread that made it end as close to their
// time as the system allows (on Linux a timer slack of 1 µs instead of 50 µs), so that the pauses
// between paced bytes are not drawn out. Where the system has no such setting, it does nothing.

namespace hvx {

class PreciseSleeps {
public:
    PreciseSleeps();
    ~PreciseSleeps();
    PreciseSleeps(const PreciseSleeps&) = delete;
    PreciseSleeps& operator=(const PreciseSleeps&) = delete;

private:
    long m_previousSlack = -1; // nanoseconds; -1: nothing to restore
};

} // namespace hvx
