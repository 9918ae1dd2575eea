#pragma once
// The instrument's real-time clock. It runs as the PC's local time plus an offset set by the
// last valid write. A write that holds no real date (for example month 0x13) freezes the clock
// at those raw bytes, so that the tool's handling of an impossible instrument time can be tried.

#include "WireFormat.h"

#include <QDateTime>
#include <array>
#include <cstdint>
#include <optional>

namespace hvxsim {

using DateTimeBcd = std::array<std::uint8_t, kDateTimeSize>;

std::uint8_t ToBcd(int value);        // 100 or more becomes 0x00
int FromBcd(std::uint8_t bcd);        // no digit check: 0x9A gives 100
// Seconds, minutes, hours, day of week (0 = Sunday), day, month, year within 2000..2099.
DateTimeBcd EncodeDateTime(const QDateTime& time);
// The date and time in the bytes, or nothing when they form no real date and time.
std::optional<QDateTime> DecodeDateTime(const DateTimeBcd& bcd);

// Times are the instrument's wall-clock date and time; the zone of a QDateTime given is ignored.
class DeviceClock {
public:
    DateTimeBcd Read() const;
    void Write(const DateTimeBcd& bcd);
    void Set(const QDateTime& time);
    bool IsFrozen() const { return m_frozen.has_value(); }

private:
    qint64 m_offsetMilliseconds = 0;
    std::optional<DateTimeBcd> m_frozen;
};

} // namespace hvxsim
