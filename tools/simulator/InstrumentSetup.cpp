#include "InstrumentSetup.h"

#include "ParameterFile.h"
#include "ServiceCommands.h"

#include "model/NeuerParametersatz.h"
#include "model/Revisionen.h"

#include <cstdio>

namespace hvxsim {
namespace {

hvx::Modulbestueckung Choice(std::uint8_t revision, const std::array<std::uint8_t, kModuleSlots>& modules)
{
    hvx::Modulbestueckung choice;
    for (std::size_t slot = 0; slot < modules.size(); ++slot)
        choice[slot] = {modules[slot], hvx::anfangsReglertyp(modules[slot], revision >> 4)};
    return choice;
}

std::optional<InstrumentState> Fail(std::string* error, const std::string& why)
{
    if (error)
        *error = why;
    return std::nullopt;
}

std::string Hex(std::uint8_t value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value);
    return text;
}

} // namespace

hvx::Parametersatz NewParameterSet(std::uint8_t revision, const std::array<std::uint8_t, kModuleSlots>& modules)
{
    return hvx::neuerParametersatz(revision, Choice(revision, modules));
}

std::optional<InstrumentState> BuildInstrument(const InstrumentSetup& setup, std::string* error)
{
    InstrumentState state;
    if (!setup.parameterFile.empty()) {
        const auto image = ReadParameterFile(setup.parameterFile, error);
        if (!image)
            return std::nullopt;
        state.parameterSet = *image;
    } else {
        // Only instruments that exist: a known revision and a module combination it accepts.
        if (hvx::revisionText(setup.revision).isEmpty())
            return Fail(error, "no instrument revision has byte 0 = " + Hex(setup.revision));
        if (!hvx::istGueltigeBestueckung(setup.revision >> 4, Choice(setup.revision, setup.modules)))
            return Fail(error, "revision " + RevisionName(setup.revision) + " cannot carry the modules " +
                                   std::to_string(setup.modules[0]) + "," + std::to_string(setup.modules[1]) + "," +
                                   std::to_string(setup.modules[2]));
        state.parameterSet = NewParameterSet(setup.revision, setup.modules);
        state.SetMeasuredDataInterval(kDefaultMeasuredDataInterval);
    }
    if (setup.accessCode || setup.accessCodeActive)
        state.SetAccessCode(setup.accessCode.value_or(state.AccessCode()),
                            setup.accessCodeActive.value_or(state.AccessCodeActive()));
    if (setup.measuredDataInterval)
        state.SetMeasuredDataInterval(static_cast<std::uint8_t>(*setup.measuredDataInterval));
    state.eeprom = EepromWithAlarms(setup.alarms);
    if (setup.clock)
        state.clock.Set(*setup.clock);
    return state;
}

} // namespace hvxsim
