#pragma once
// The instrument's 7-byte date and time block: second, minute, hour, day of week (0 = Sunday),
// day, month, year within 2000..2099, each byte two BCD digits.

#include <QDateTime>
#include <QtGlobal>
#include <array>

namespace hvx {

constexpr int kDateTimeBlockSize = 7;
using DateTimeBlock = std::array<quint8, kDateTimeBlockSize>;

// Tens digit in the high nibble, units in the low one. Values outside 0..99 give 0x00, so the
// instrument never receives a byte that is not two decimal digits.
constexpr quint8 EncodeBcd(int value)
{
    return (value < 0 || value >= 100) ? quint8(0) : quint8(((value / 10) << 4) | (value % 10));
}

// High nibble x 10 + low nibble, without a digit check (0x9A gives 100), as the instrument's
// bytes have always been read.
constexpr int DecodeBcd(quint8 byte)
{
    return (byte >> 4) * 10 + (byte & 0x0F);
}

// The block's fields as plain numbers; year is the full year (2000 + byte 6 when decoded).
struct DeviceDateTime {
    int second = 0;
    int minute = 0;
    int hour = 0;
    int dayOfWeek = 0; // 0 = Sunday .. 6 = Saturday
    int day = 1;
    int month = 1;
    int year = 2000;
};

DateTimeBlock EncodeDateTime(const DeviceDateTime& value);
DeviceDateTime DecodeDateTime(const DateTimeBlock& block);

// The fields of a local time, day of week counted from Sunday as the instrument does.
DeviceDateTime DeviceDateTimeOf(const QDateTime& local);

} // namespace hvx
