#include "Console.h"

#include "ServiceCommands.h"

#include <array>
#include <cstdlib>
#include <string>
#include <sstream>

namespace hvxsim {
namespace {

// A burst beyond what a pseudo-terminal holds would only be cut by the line.
constexpr unsigned long kMaxBurstLines = 200;

using Handler = ConsoleResult (*)(Instrument&, const std::string& argument);

ConsoleResult AddFault(Instrument& instrument, const std::string& argument)
{
    std::string error;
    const auto rule = ParseFaultRule(argument, &error);
    if (!rule)
        return {error + "\n"};
    instrument.AddFault(*rule);
    return {"added " + DescribeFaultRule(*rule) + "\n"};
}

ConsoleResult ListFaults(Instrument& instrument, const std::string&)
{
    const auto rules = instrument.PendingFaults();
    if (rules.empty())
        return {"no faults pending\n"};
    std::string text;
    for (const FaultRule& rule : rules)
        text += DescribeFaultRule(rule) + "\n";
    return {text};
}

ConsoleResult ClearFaults(Instrument& instrument, const std::string&)
{
    instrument.ClearFaults();
    return {"faults cleared\n"};
}

ConsoleResult ShowState(Instrument& instrument, const std::string&)
{
    const InstrumentState state = instrument.State();
    std::ostringstream text;
    text << "revision " << RevisionName(state.Revision()) << " (byte 0 = " << int(state.Revision()) << ")\n"
         << "modules " << int(state.ModuleType(0)) << "," << int(state.ModuleType(1)) << ","
         << int(state.ModuleType(2)) << "\n"
         << "access code " << state.AccessCode() << (state.AccessCodeActive() ? " (in force)" : " (not in force)") << "\n"
         << "measured-data interval " << int(state.MeasuredDataInterval()) << "\n"
         << "programming mode " << (instrument.InProgrammingMode() ? "yes" : "no") << ", streaming "
         << (instrument.IsStreaming() ? "yes" : "no") << ", lines sent " << instrument.LinesSent()
         << ", bytes sent " << instrument.BytesSent() << "\n";
    return {text.str()};
}

ConsoleResult Burst(Instrument& instrument, const std::string& argument)
{
    char* end = nullptr;
    const unsigned long lines = std::strtoul(argument.c_str(), &end, 10);
    if (argument.empty() || *end != '\0' || lines == 0 || lines > kMaxBurstLines)
        return {"burst takes a number of lines, 1 to " + std::to_string(kMaxBurstLines) + "\n"};
    instrument.SendBurst(static_cast<unsigned>(lines));
    return {"sent " + std::to_string(lines) + " measured-data lines in one piece\n"};
}

ConsoleResult Quit(Instrument&, const std::string&)
{
    return {"", true};
}

ConsoleResult Help(Instrument&, const std::string&);

struct ConsoleCommand {
    const char* name;
    const char* usage;
    Handler handler;
};

constexpr std::array kCommands{
    ConsoleCommand{"fault", "fault RULE   inject a fault (as --fault)", &AddFault},
    ConsoleCommand{"faults", "faults       list the faults still pending", &ListFaults},
    ConsoleCommand{"clear", "clear        remove all pending faults", &ClearFaults},
    ConsoleCommand{"state", "state        show the instrument", &ShowState},
    ConsoleCommand{"burst", "burst N      send N measured-data lines in one piece", &Burst},
    ConsoleCommand{"help", "help         this list", &Help},
    ConsoleCommand{"quit", "quit         stop serving", &Quit},
};

ConsoleResult Help(Instrument&, const std::string&)
{
    std::string text;
    for (const ConsoleCommand& c : kCommands)
        text += std::string(c.usage) + "\n";
    return {text};
}

} // namespace

ConsoleResult RunConsoleCommand(Instrument& instrument, const std::string& line)
{
    std::istringstream words(line);
    std::string name;
    std::string argument;
    words >> name >> argument;
    if (name.empty())
        return {};
    for (const ConsoleCommand& c : kCommands) {
        if (name == c.name)
            return c.handler(instrument, argument);
    }
    return {"unknown command \"" + name + "\" (help lists the commands)\n"};
}

} // namespace hvxsim
