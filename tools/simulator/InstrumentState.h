#pragma once
// What the simulated instrument holds: its parameter set (configuration part and parameter
// part), its EEPROM with the alarm memory, its clock and the last service block written to it.

#include "DeviceClock.h"
#include "WireFormat.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace hvxsim {

// Offsets into the parameter set that the instrument itself acts on.
namespace offsets {
constexpr std::size_t kRevision = 0;
constexpr std::size_t kModuleHeaders = 2;     // 4 bytes per slot, the type first
constexpr std::size_t kModuleBlocks = 46;     // 120 bytes per slot
constexpr std::size_t kModuleBlockSize = 120;
constexpr std::size_t kAccessCode = 476;      // four characters
constexpr std::size_t kAccessCodeActive = 480;
constexpr std::size_t kMeasuredDataInterval = 518;
} // namespace offsets

constexpr int kModuleSlots = 3;
constexpr std::uint8_t kIntervalOff = 255;
constexpr std::uint8_t kIntervalProfibus = 254;

using ParameterImage = std::array<std::uint8_t, kParameterSetSize>;
using EepromImage = std::array<std::uint8_t, kEepromSize>;
using ServiceBlock = std::array<std::uint8_t, kServiceBlockSize>;

std::uint16_t ReadBigEndian16(std::span<const std::uint8_t> bytes, std::size_t offset);
void WriteBigEndian16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value);

struct InstrumentState {
    ParameterImage parameterSet{};
    EepromImage eeprom{};
    ServiceBlock serviceBlock{};
    DeviceClock clock;

    std::span<const std::uint8_t> ConfigurationPart() const;
    std::span<const std::uint8_t> ParameterPart() const;
    void SetParameterPart(std::span<const std::uint8_t> bytes);

    std::uint8_t Revision() const { return parameterSet[offsets::kRevision]; }
    std::uint8_t ModuleType(int slot) const; // slot 0..2
    std::string AccessCode() const;
    bool AccessCodeActive() const { return parameterSet[offsets::kAccessCodeActive] != 0; }
    // Four characters; shorter codes are padded with '0'.
    void SetAccessCode(const std::string& code, bool active);
    std::uint8_t MeasuredDataInterval() const { return parameterSet[offsets::kMeasuredDataInterval]; }
    void SetMeasuredDataInterval(std::uint8_t seconds) { parameterSet[offsets::kMeasuredDataInterval] = seconds; }

    // Memory addresses wrap at the EEPROM size, as the instrument decodes only 11 address bits.
    std::uint8_t ReadMemory(std::size_t address) const { return eeprom[address % kEepromSize]; }
    void WriteMemory(std::size_t address, std::uint8_t value) { eeprom[address % kEepromSize] = value; }
};

} // namespace hvxsim
