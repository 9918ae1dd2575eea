#pragma once
// What the simulated instrument holds: its parameter set (configuration part and parameter
// part), its EEPROM with the alarm memory, its clock and the last service block written to it.

#include "DeviceClock.h"
#include "WireFormat.h"

#include "model/Parametersatz.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace hvxsim {

constexpr int kModuleSlots = 3;
constexpr std::uint8_t kIntervalOff = hvx::kByteAus;
constexpr std::uint8_t kIntervalProfibus = hvx::kMessdatenintervallProfibus;

using EepromImage = std::array<std::uint8_t, kEepromSize>;
using ServiceBlock = std::array<std::uint8_t, kServiceBlockSize>;

struct InstrumentState {
    hvx::Parametersatz parameterSet;
    EepromImage eeprom{};
    ServiceBlock serviceBlock{};
    DeviceClock clock;

    std::span<const std::uint8_t> ConfigurationPart() const { return parameterSet.konfigurationsteil(); }
    std::span<const std::uint8_t> ParameterPart() const { return parameterSet.parameterteil(); }

    std::uint8_t Revision() const { return parameterSet.geraetekennung(); }
    std::uint8_t ModuleType(int slot) const { return parameterSet.modultyp(slot); } // slot 0..2
    std::string AccessCode() const;
    bool AccessCodeActive() const { return parameterSet.zugangscodeAktiv() != 0; }
    // Four characters; shorter codes are padded with '0'.
    void SetAccessCode(const std::string& code, bool active);
    std::uint8_t MeasuredDataInterval() const { return parameterSet.messdatenintervall(); }
    void SetMeasuredDataInterval(std::uint8_t seconds) { parameterSet.setMessdatenintervall(seconds); }

    // Memory addresses wrap at the EEPROM size, as the instrument decodes only 11 address bits.
    std::uint8_t ReadMemory(std::size_t address) const { return eeprom[address % kEepromSize]; }
    void WriteMemory(std::size_t address, std::uint8_t value) { eeprom[address % kEepromSize] = value; }
};

} // namespace hvxsim
