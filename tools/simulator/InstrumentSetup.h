#pragma once
// Which instrument to simulate, and building its state: a parameter set for a revision and three
// module types, or one loaded from a configuration file; an alarm memory with sample records.

#include "InstrumentState.h"

#include <QDateTime>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace hvxsim {

struct InstrumentSetup {
    std::uint8_t revision = 0x13;                    // "Revision K 54"
    std::array<std::uint8_t, kModuleSlots> modules{1, 7, 2}; // pH, chlorine, redox
    std::string parameterFile;                       // .hxd; when set, revision and modules come from it
    // Applied on top of the parameter set when given.
    std::optional<std::string> accessCode;
    std::optional<bool> accessCodeActive;
    std::optional<int> measuredDataInterval;         // seconds; 255 off, 254 Profibus
    int alarms = 3;                                  // sample records in the alarm memory
    std::optional<QDateTime> clock;                  // the instrument's time at start; else the PC's
};

// The simulator streams measured data unless told otherwise; a factory-new parameter set has it off.
constexpr int kDefaultMeasuredDataInterval = 5;
constexpr int kMaxAlarmRecords = static_cast<int>((kEepromSize - kAlarmRecordAddress) / kAlarmRecordSize);

std::optional<InstrumentState> BuildInstrument(const InstrumentSetup& setup, std::string* error);

// The factory parameter set for the revision (byte 0) and module types, each module with the
// controller it starts with.
hvx::Parametersatz NewParameterSet(std::uint8_t revision, const std::array<std::uint8_t, kModuleSlots>& modules);
// An erased EEPROM (0xFF) whose alarm memory holds `count` sample records.
EepromImage EepromWithAlarms(int count);

} // namespace hvxsim
