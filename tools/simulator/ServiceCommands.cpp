#include "ServiceCommands.h"

#include "model/Revisionen.h"

#include <algorithm>
#include <array>

namespace hvxsim {
namespace {

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
    const QString text = hvx::revisionText(revision);
    if (text.isEmpty())
        return "?";
    return text.section(QLatin1Char(' '), 1).toStdString();
}

} // namespace hvxsim
