// hvxcli ports: the ports that can be opened, with their devices; with --search the one where the
// instrument answers.
#include "base/Language.h"
#include "base/Log.h"
#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"
#include "link/PortSearch.h"

namespace hvx::cli {
namespace {

constexpr OptionDef kOptions[] = {{"search", false}};
constexpr int kTextSearchFailed = 504; // "Automatische Suche war nicht erfolgreich."
constexpr int kTextNoPorts = 505;      // "Es stehen momentan keine COM-Schnittstellen zur Verfügung."
constexpr int kNameWidth = 8;

CommandResult run(const CliArguments& arguments, CliIo& io)
{
    if (!arguments.positional.isEmpty())
        return Fail(io, GetStringsText(kTextNoFileWanted));
    const QList<PortEntry> ports = OpenablePorts();
    if (ports.isEmpty())
        return Fail(io, GetStringsText(kTextNoPorts));
    if (!arguments.has("search")) {
        for (const PortEntry& port : ports)
            io.out << port.name.leftJustified(kNameWidth) << port.device << '\n';
        io.out.flush();
        return CommandResult::Ok;
    }
    const int found = SearchInstrument(ports);
    if (found < 0)
        return Fail(io, GetStringsText(kTextSearchFailed));
    io.out << GetStringsText(kTextInstrumentFound).arg(ports[found].name, ports[found].device) << Qt::endl;
    return CommandResult::Ok;
}

} // namespace

const CliCommand& PortsCommand()
{
    static const CliCommand command{"ports", kHelpPorts, kOptions, run};
    return command;
}

} // namespace hvx::cli
