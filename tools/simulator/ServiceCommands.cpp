#include "ServiceCommands.h"

#include <algorithm>
#include <array>

namespace hvxsim {
namespace {

struct Variant {
    int code;          // high nibble of byte 0
    const char* name;
    int firstRevision; // revision number of parameter-set version 0
};

constexpr std::array kVariants{
    Variant{1, "K", 51}, Variant{2, "L", 21}, Variant{3, "M", 21}, Variant{4, "N", 21}, Variant{5, "N7400", 51},
};

using ReplyFn = std::vector<std::uint8_t> (*)(const InstrumentState&, bool programming);

std::vector<std::uint8_t> Identify(const InstrumentState& state, bool)
{
    const std::string text = "HYDROVANT " + RevisionName(state.Revision()) + "\r\n";
    return {text.begin(), text.end()};
}

std::vector<std::uint8_t> Status(const InstrumentState& state, bool programming)
{
    return {state.Revision(), state.ModuleType(0), state.ModuleType(1), state.ModuleType(2),
            static_cast<std::uint8_t>(programming ? 1 : 0)};
}

std::vector<std::uint8_t> Clock(const InstrumentState& state, bool)
{
    const DateTimeBcd now = state.clock.Read();
    return {now.begin(), now.end()};
}

struct ServiceCommand {
    std::uint8_t code;
    ReplyFn reply;
};

constexpr std::array kServiceCommands{
    ServiceCommand{kServiceIdentify, &Identify},
    ServiceCommand{kServiceStatus, &Status},
    ServiceCommand{kServiceClock, &Clock},
};

} // namespace

std::vector<std::uint8_t> ServiceCommandReply(std::uint8_t command, const InstrumentState& state, bool programming)
{
    const auto it = std::find_if(kServiceCommands.begin(), kServiceCommands.end(),
                                 [command](const ServiceCommand& c) { return c.code == command; });
    if (it == kServiceCommands.end())
        return {kServiceUnknown};
    return it->reply(state, programming);
}

std::string RevisionName(std::uint8_t revision)
{
    const int code = revision >> 4;
    const auto it = std::find_if(kVariants.begin(), kVariants.end(), [code](const Variant& v) { return v.code == code; });
    if (it == kVariants.end())
        return "?";
    return std::string(it->name) + " " + std::to_string(it->firstRevision + (revision & 0x07));
}

} // namespace hvxsim
