// Response timer of the link on the monotonic clock.
#include "link/KelCommTimer.h"

#include "base/Log.h"

#include <QString>
#include <thread>

namespace {

qint64 ticksNow()
{
    return CKelCommTimer::Clock::now().time_since_epoch().count();
}

} // namespace

CKelCommTimer::CKelCommTimer()
{
    using Period = Clock::period;
    m_liFrequency = Period::den / Period::num;
    m_bHighResolution = Clock::is_steady && m_liFrequency >= 1000 ? 1 : 0;
    LogInt(2, QStringLiteral("CKelCommTimer HighResolutionTimer"), m_bHighResolution);
}

void CKelCommTimer::Start()
{
    m_bTimedOut = 0;
    m_liStart = ticksNow();
    m_dwStartTick = quint32(m_liStart / (m_liFrequency / 1000));
}

CKelCommTimer::Clock::time_point CKelCommTimer::Deadline(int milliseconds) const
{
    const qint64 ticks = qint64(qMax(milliseconds, 0)) * m_liFrequency / 1000;
    return Clock::time_point(Clock::duration(m_liStart + ticks));
}

int CKelCommTimer::CheckResponseTO(int milliseconds)
{
    m_bTimedOut = Clock::now() >= Deadline(milliseconds) ? 1 : 0;
    if (m_bTimedOut)
        LogInt(2, QStringLiteral("CKelCommTimer CheckResponseTO"), 1);
    return m_bTimedOut;
}

void CKelCommTimer::Delay(int milliseconds) const
{
    std::this_thread::sleep_for(std::chrono::milliseconds(qMax(milliseconds, 0)));
}
