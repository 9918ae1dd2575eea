#pragma once
// The options of the hvx-sim program.

#include "Faults.h"
#include "InstrumentSetup.h"
#include "Timing.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace hvxsim {

struct SimulatorOptions {
    InstrumentSetup setup;
    Timing timing;
    std::vector<FaultRule> faults;
    std::string linkPath;
    bool trace = false;
    bool help = false;
};

// `arguments` starts with the program name. On failure the reason is in `error`.
std::optional<SimulatorOptions> ParseSimulatorOptions(const QStringList& arguments, std::string* error);
QString SimulatorHelpText();
// "0x13", "19": a number in C notation, or nothing.
std::optional<long> ParseCNumber(const QString& text);
// Byte 0 of a revision: a number ("0x13") or its name as hvxcli new takes it ("Revision K 54", "K 54").
std::optional<std::uint8_t> ParseRevision(const QString& text);
// "1,7,2": three module type codes (missing ones are 0), or the module names of the revision's
// list as hvxcli new takes them ("pH,Chlor,Redox"); both may be mixed.
std::optional<std::array<std::uint8_t, kModuleSlots>> ParseModules(const QString& text, std::uint8_t revision = 0x13);

} // namespace hvxsim
