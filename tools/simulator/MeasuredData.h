#pragma once
// The text lines that the instrument sends after leaving programming mode: 12 fields separated
// by TAB characters, the last one ended by CR, the line by LF.

#include "Faults.h"
#include "InstrumentState.h"

#include <optional>
#include <string>

namespace hvxsim {

// `sequence` counts the lines sent so far; the values drift with it so that a recording shows a
// live instrument. A fault of kind MalformedLine or GarbledTimestamp spoils the line; with
// VanishMidLine only its first half is sent.
std::string MeasuredDataLine(const InstrumentState& state, unsigned sequence, std::optional<FaultKind> fault = {});

} // namespace hvxsim
