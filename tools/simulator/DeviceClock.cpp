#include "DeviceClock.h"

namespace hvxsim {
namespace {

// The PC's local time as wall-clock date and time without a zone: the offset to the instrument's
// time is plain arithmetic, also across a change to or from summer time.
QDateTime WallClockNow()
{
    const QDateTime local = QDateTime::currentDateTime();
    return QDateTime(local.date(), local.time(), Qt::UTC);
}

} // namespace

std::uint8_t ToBcd(int value)
{
    if (value < 0 || value >= 100)
        return 0x00;
    return static_cast<std::uint8_t>((value / 10) << 4 | (value % 10));
}

int FromBcd(std::uint8_t bcd)
{
    return (bcd >> 4) * 10 + (bcd & 0x0F);
}

DateTimeBcd EncodeDateTime(const QDateTime& time)
{
    const QDate d = time.date();
    const QTime t = time.time();
    return {ToBcd(t.second()), ToBcd(t.minute()), ToBcd(t.hour()), ToBcd(d.dayOfWeek() % 7),
            ToBcd(d.day()),    ToBcd(d.month()),  ToBcd(d.year() - 2000)};
}

std::optional<QDateTime> DecodeDateTime(const DateTimeBcd& bcd)
{
    const QDate date(2000 + FromBcd(bcd[6]), FromBcd(bcd[5]), FromBcd(bcd[4]));
    const QTime time(FromBcd(bcd[2]), FromBcd(bcd[1]), FromBcd(bcd[0]));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::UTC);
}

DateTimeBcd DeviceClock::Read() const
{
    if (m_frozen)
        return *m_frozen;
    return EncodeDateTime(WallClockNow().addMSecs(m_offsetMilliseconds));
}

void DeviceClock::Write(const DateTimeBcd& bcd)
{
    if (const auto time = DecodeDateTime(bcd)) {
        Set(*time);
        return;
    }
    m_frozen = bcd;
}

void DeviceClock::Set(const QDateTime& time)
{
    m_frozen.reset();
    m_offsetMilliseconds = WallClockNow().msecsTo(QDateTime(time.date(), time.time(), Qt::UTC));
}

} // namespace hvxsim
