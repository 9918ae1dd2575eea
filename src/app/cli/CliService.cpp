// hvxcli service send|block: a raw command byte with the instrument's answer, and one entry of
// the service block, through the same code as the service dialog.
#include "base/Language.h"
#include "base/Log.h"
#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"
#include "base/HvxApp.h"
#include "devicedata/DeviceDataTexts.h"
#include "devicedata/ServiceCommands.h"
#include "link/SerialPortFactory.h"

namespace hvx::cli {
namespace {

constexpr OptionDef kOptions[] = {kPortOption, {"entry", true}, {"id", true}, {"value", true}};
constexpr int kTextDataTimeout = 294; // "Timeout beim Empfang von Daten!"
constexpr int kTextWithPort = 3350;   // "%1 (%2)"

CommandResult Send(const CliArguments& arguments, CliIo& io)
{
    if (arguments.positional.size() != 2)
        return Fail(io, GetStringsText(kTextBadCommandByte).arg(QString()));
    const std::optional<quint8> command = ParseRawCommand(arguments.positional[1]);
    if (!command)
        return Fail(io, GetStringsText(kTextBadCommandByte).arg(arguments.positional[1]));
    const std::optional<QByteArray> answer = SendRawCommand(*command);
    if (!answer)
        return CommandResult::Failed;
    // Nothing came back: the link has noted the time-out; its message names the port.
    if (answer->isEmpty()) {
        LogMessageBox(GetStringsText(kTextWithPort).arg(GetStringsText(kTextDataTimeout), PortDescription(theApp().m_nPort + 1)),
                      MB_OK | MB_ICONEXCLAMATION);
        return CommandResult::Failed;
    }
    io.out << RawCommandLine(*command) << '\n' << RawAnswerLine(*answer) << '\n'
           << RawAnswerCountLine(int(answer->size())) << Qt::endl;
    return CommandResult::Ok;
}

CommandResult Block(const CliArguments& arguments, CliIo& io)
{
    const std::optional<ServiceEntry> entry =
        ParseServiceEntry(arguments.value("entry"), arguments.value("id"), arguments.value("value"));
    if (arguments.positional.size() != 1 || !entry)
        return Fail(io, GetStringsText(kTextBadServiceEntry));
    if (!WriteServiceEntry(*entry))
        return CommandResult::Failed;
    io.out << GetStringsText(kTextServiceEntryWritten).arg(entry->nr) << Qt::endl;
    return CommandResult::Ok;
}

CommandResult run(const CliArguments& arguments, CliIo& io)
{
    const QString action = arguments.positional.value(0);
    if (action != QLatin1String("send") && action != QLatin1String("block"))
        return Fail(io, GetStringsText(kTextUnknownAction).arg(action));
    if (!ApplyPortOption(arguments, io))
        return CommandResult::Failed;
    return action == QLatin1String("send") ? Send(arguments, io) : Block(arguments, io);
}

} // namespace

const CliCommand& ServiceCommand()
{
    static const CliCommand command{"service", kHelpService, kOptions, run};
    return command;
}

} // namespace hvx::cli
