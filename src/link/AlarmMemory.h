#pragma once
// The instrument's alarm memory as it lies in its EEPROM: a header with the number of alarms
// that occurred and the number of records kept, then the records of 13 bytes each.

#include <QtGlobal>
#include <array>
#include <vector>

namespace hvx {

inline constexpr quint16 kAlarmHeaderAddress = 0x0300;
inline constexpr int kAlarmHeaderSize = 4;
inline constexpr quint16 kAlarmRecordAddress = 0x0304;
inline constexpr int kAlarmRecordSize = 13;

using AlarmRecordBytes = std::array<quint8, kAlarmRecordSize>;

struct AlarmMemory {
    int occurred = 0; // header bytes 0..1, high byte first
    int stored = 0;   // header byte 2
    std::vector<AlarmRecordBytes> records; // record 0 first; fewer than stored after a failure
};

} // namespace hvx
