#pragma once
// The simulated instrument inside the tool's process, behind the port mapping value "sim"
// (for example [Ports] COM9=sim). Which instrument it is comes from the settings section
// [Simulator], read when the port is first opened; the instrument then lives, with whatever was
// written to it, until the process ends.

#include "Instrument.h"
#include "InstrumentSetup.h"

#include <memory>
#include <string>

namespace hvxsim {

// Makes "sim" ports available to the tool. Call once at program start.
void RegisterInProcessSimulator();

// The process's simulated instrument, built from the settings at the first call; nullptr with
// the reason when the settings describe no instrument that can exist.
std::shared_ptr<Instrument> InProcessInstrument(std::string* error);

// Forgets the process's instrument, so that the next open builds it anew from the settings.
void ResetInProcessInstrument();

// What [Simulator] asks for; the timing goes into `timing`. nullopt with the reason on a bad value.
std::optional<InstrumentSetup> SetupFromSettings(Timing& timing, std::string* error);

} // namespace hvxsim
