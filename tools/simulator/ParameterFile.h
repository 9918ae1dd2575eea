#pragma once
// Reads the parameter set out of a configuration file (.hxd).

#include "InstrumentState.h"

#include <optional>
#include <string>

namespace hvxsim {

std::optional<hvx::Parametersatz> ReadParameterFile(const std::string& path, std::string* error);

} // namespace hvxsim
