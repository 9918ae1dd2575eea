// Date and time in the instrument's BCD block.
#include "link/BcdDateTime.h"

namespace hvx {
namespace {

constexpr int kCenturyStart = 2000;
constexpr int kDaysPerWeek = 7;

// Field order of the block, as pointers into the plain form.
constexpr std::array<int DeviceDateTime::*, kDateTimeBlockSize> kFieldOrder{
    &DeviceDateTime::second, &DeviceDateTime::minute, &DeviceDateTime::hour, &DeviceDateTime::dayOfWeek,
    &DeviceDateTime::day,    &DeviceDateTime::month,  &DeviceDateTime::year,
};
constexpr int kYearByte = 6;

} // namespace

DateTimeBlock EncodeDateTime(const DeviceDateTime& value)
{
    DateTimeBlock block{};
    for (int i = 0; i < kDateTimeBlockSize; ++i) {
        const int field = value.*kFieldOrder[i];
        block[i] = EncodeBcd(i == kYearByte ? field - kCenturyStart : field);
    }
    return block;
}

DeviceDateTime DecodeDateTime(const DateTimeBlock& block)
{
    DeviceDateTime value;
    for (int i = 0; i < kDateTimeBlockSize; ++i)
        value.*kFieldOrder[i] = DecodeBcd(block[i]) + (i == kYearByte ? kCenturyStart : 0);
    return value;
}

DeviceDateTime DeviceDateTimeOf(const QDateTime& local)
{
    const QDate date = local.date();
    const QTime time = local.time();
    return DeviceDateTime{time.second(), time.minute(), time.hour(), date.dayOfWeek() % kDaysPerWeek,
                          date.day(),    date.month(),  date.year()};
}

} // namespace hvx
