#include "InstrumentSetup.h"

#include "ParameterFile.h"

#include <algorithm>

namespace hvxsim {
namespace {

constexpr std::uint8_t kNoController = 0;
constexpr std::uint8_t kSignalDevice = 3;
constexpr std::uint8_t kBlowDownDevice = 8;
constexpr std::uint8_t kTimerController = 15;
constexpr std::uint8_t kEnableOrTimer = 13;

std::uint8_t ControllerFor(std::uint8_t module, std::uint8_t revision)
{
    if (module == 0)
        return kNoController;
    if (module == 16 || module == 17)
        return kBlowDownDevice;
    if (module == kEnableOrTimer)
        return (revision >> 4) == 2 ? kTimerController : kNoController;
    return kSignalDevice;
}

} // namespace

ParameterImage NewParameterSet(std::uint8_t revision, const std::array<std::uint8_t, kModuleSlots>& modules)
{
    ParameterImage image{};
    image[offsets::kRevision] = revision;
    for (std::size_t slot = 0; slot < modules.size(); ++slot) {
        const std::uint8_t controller = ControllerFor(modules[slot], revision);
        image[offsets::kModuleHeaders + 4 * slot] = modules[slot];
        image[offsets::kModuleHeaders + 4 * slot + 1] = controller;
        image[offsets::kModuleBlocks + offsets::kModuleBlockSize * slot] = modules[slot];
        image[offsets::kModuleBlocks + offsets::kModuleBlockSize * slot + 1] = controller;
    }
    const std::string code = "9157";
    std::copy(code.begin(), code.end(), image.begin() + offsets::kAccessCode);
    image[offsets::kMeasuredDataInterval] = kIntervalOff;
    return image;
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
        state.parameterSet = NewParameterSet(setup.revision, setup.modules);
        state.SetMeasuredDataInterval(kDefaultMeasuredDataInterval);
    }
    if (setup.accessCode || setup.accessCodeActive)
        state.SetAccessCode(setup.accessCode.value_or(state.AccessCode()),
                            setup.accessCodeActive.value_or(state.AccessCodeActive()));
    if (setup.measuredDataInterval)
        state.SetMeasuredDataInterval(static_cast<std::uint8_t>(*setup.measuredDataInterval));
    state.eeprom = EepromWithAlarms(setup.alarms);
    return state;
}

} // namespace hvxsim
