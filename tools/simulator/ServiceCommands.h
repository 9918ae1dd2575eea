#pragma once
// Raw service commands: single bytes outside the command set, answered with bytes of unknown
// length (the tool collects them until the line is quiet). Their meaning is the instrument's own.

#include "InstrumentState.h"

#include <cstdint>
#include <string>
#include <vector>

namespace hvxsim {

constexpr std::uint8_t kServiceIdentify = 0x01;  // ASCII identification, CR LF
constexpr std::uint8_t kServiceStatus = 0x02;    // byte 0, three module types, programming mode
constexpr std::uint8_t kServiceClock = 0x03;     // the 7 clock bytes, BCD
constexpr std::uint8_t kServiceUnknown = 0x3F;   // '?': the answer to any other raw command

std::vector<std::uint8_t> ServiceCommandReply(std::uint8_t command, const InstrumentState& state, bool programming);
// "K 54", "N7400 52", ... from byte 0 of the parameter set; "?" for no known revision.
std::string RevisionName(std::uint8_t revision);

} // namespace hvxsim
