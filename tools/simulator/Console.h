#pragma once
// Commands typed at a running hvx-sim: inject and clear faults, look at the instrument.

#include "Instrument.h"

#include <string>

namespace hvxsim {

struct ConsoleResult {
    std::string output; // text to show, lines ended by '\n'
    bool quit = false;
};

ConsoleResult RunConsoleCommand(Instrument& instrument, const std::string& line);

} // namespace hvxsim
