#include "DeviceClock.h"
#include "InstrumentSetup.h"

#include <QDateTime>
#include <algorithm>
#include <array>

namespace hvxsim {
namespace {

// Alarm codes the samples cycle through: limit exceeded, flow, dosing time, calibration,
// limit undershot, double pH deviation, and one the tool does not know.
constexpr std::array<std::uint8_t, 7> kSampleCodes{31, 6, 9, 24, 30, 36, 12};

// Year as plain binary 0..99, the rest BCD.
void PutStamp(std::uint8_t* at, const QDateTime& time)
{
    at[0] = static_cast<std::uint8_t>(time.date().year() - 2000);
    at[1] = ToBcd(time.date().month());
    at[2] = ToBcd(time.date().day());
    at[3] = ToBcd(time.time().hour());
    at[4] = ToBcd(time.time().minute());
    at[5] = ToBcd(time.time().second());
}

} // namespace

EepromImage EepromWithAlarms(int count)
{
    EepromImage eeprom;
    eeprom.fill(0xFF);
    count = std::clamp(count, 0, kMaxAlarmRecords);
    const int occurred = count + (count > 0 ? 4 : 0); // some alarms have been overwritten since
    eeprom[kAlarmHeaderAddress] = static_cast<std::uint8_t>(occurred >> 8);
    eeprom[kAlarmHeaderAddress + 1] = static_cast<std::uint8_t>(occurred & 0xFF);
    eeprom[kAlarmHeaderAddress + 2] = static_cast<std::uint8_t>(count);
    eeprom[kAlarmHeaderAddress + 3] = 0;
    const QDateTime first(QDate(2024, 3, 1), QTime(8, 15, 0));
    for (int i = 0; i < count; ++i) {
        std::uint8_t* record = eeprom.data() + kAlarmRecordAddress + kAlarmRecordSize * static_cast<std::size_t>(i);
        const QDateTime start = first.addSecs(i * (26 * 3600 + 7 * 60 + 13));
        PutStamp(record, start);
        record[6] = kSampleCodes[static_cast<std::size_t>(i) % kSampleCodes.size()];
        PutStamp(record + 7, start.addSecs(25 * 60 + 40));
    }
    return eeprom;
}

} // namespace hvxsim
