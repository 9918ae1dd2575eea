#pragma once
// The link's response timer: a start reading and "have n milliseconds passed since then".
// Waits on the link compute their deadline from it and sleep until then; nothing spins.

#include <QtGlobal>
#include <chrono>

class CKelCommTimer {
public:
    using Clock = std::chrono::steady_clock;

    CKelCommTimer();
    virtual ~CKelCommTimer() = default;

    void Start();
    // 1 when at least milliseconds have passed since Start (also stored in m_bTimedOut), else 0.
    int CheckResponseTO(int milliseconds);
    // Sleeps for the given time from now; does not touch Start's reading.
    void Delay(int milliseconds) const;

    // The moment at which CheckResponseTO(milliseconds) turns 1.
    Clock::time_point Deadline(int milliseconds) const;
    bool TimedOut() const { return m_bTimedOut != 0; }

    qint32 m_bHighResolution = 0;
    qint64 m_liStart = 0;     // clock ticks at Start
    qint64 m_liFrequency = 0; // clock ticks per second
    quint32 m_dwStartTick = 0; // milliseconds at Start
    qint32 m_bTimedOut = 0;
};
