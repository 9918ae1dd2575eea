#include "app/cli/HvxCli.h"

#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "base/ProfileReader.h"
#include "app/AboutInfo.h"
#include "app/cli/AnsweringInteraction.h"
#include "app/cli/CliCommand.h"
#include "app/cli/ScopedInteraction.h"
#include "app/cli/CliTexts.h"
#include "editing/Vergleich.h"
#include "base/ErrorCodes.h"
#include "link/LinkFailure.h"
#include "link/RemoteProgramming.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace hvx::cli {
namespace {

std::vector<const CliCommand*>& addedCommands()
{
    static std::vector<const CliCommand*> commands;
    return commands;
}

} // namespace

std::span<const CliCommand* const> BuiltInCommands()
{
    // One row per command, in the order of the usage text.
    static const CliCommand* const builtIn[] = {
        &NewCommand(),
        &InfoCommand(),
        &DumpCommand(),
        &SetInfoCommand(),
        &GetCommand(),
        &SetCommand(),
        &ExportCommand(),
        &ReadCommand(),
        &TransferCommand(),
        &ClockCommand(),
        &PortsCommand(),
        &DiffCommand(),
        &InventoryCommand(),
        &AlarmsCommand(),
        &RecordCommand(),
        &ChartCommand(),
        &EepromCommand(),
        &ServiceCommand(),
        &SupportCommand(),
    };
    return builtIn;
}

namespace {

const CliCommand* findCommand(const QString& name)
{
    for (const CliCommand* command : BuiltInCommands()) {
        if (name == QLatin1String(command->name))
            return command;
    }
    for (const CliCommand* command : addedCommands()) {
        if (name == QLatin1String(command->name))
            return command;
    }
    return nullptr;
}

// The arguments for the log book, without an access code.
QString loggedArguments(const QStringList& arguments)
{
    QStringList shown = arguments;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown[i] == QLatin1String("--access-code") && i + 1 < shown.size())
            shown[++i] = QStringLiteral("****");
        else if (shown[i].startsWith(QLatin1String("--access-code=")))
            shown[i] = QStringLiteral("--access-code=****");
    }
    return shown.join(QLatin1Char(' '));
}

// The exit status after a command: the error code decides when one was set. A command that
// failed on the link without a code of its own gets the link's, so that a script can tell a
// missing instrument (2) from a typing error (3).
int finish(CommandResult result, quint32 errorCodeBefore)
{
    CHVXApp& app = theApp();
    const std::optional<LinkFailure> linkFailure = TakeLinkFailure();
    if (result == CommandResult::Failed && linkFailure && app.ErrorCode() == errorCodeBefore)
        app.SetErrorCode(kErrorAreaDeviceLink, quint32(linkFailure->status));
    if (app.ErrorCode() != 0) {
        app.ReportErrorCode();
        return app.ExitStatus();
    }
    switch (result) {
    case CommandResult::Ok: return 0;
    case CommandResult::Different: return kExitDifferent;
    case CommandResult::Failed: break;
    }
    return kExitFailedWithoutCode;
}

// Installs an interaction that answers the access code prompt while a command runs.
class AccessCodeAnswer {
public:
    explicit AccessCodeAnswer(const CliArguments& arguments)
    {
        if (!arguments.has("access-code"))
            return;
        m_answering.emplace(theApp().ui(), arguments.value("access-code"));
        m_scope.emplace(*m_answering);
    }

private:
    std::optional<AnsweringInteraction> m_answering;
    std::optional<ScopedInteraction> m_scope; // after m_answering: removed before it goes
};

} // namespace

void AddCommand(const CliCommand& command)
{
    if (std::find(addedCommands().begin(), addedCommands().end(), &command) == addedCommands().end())
        addedCommands().push_back(&command);
}

int RunHvxCli(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    NoteUserAction(); // one command is one action: the language files are looked at once
    CliIo io{out, err};
    if (arguments.isEmpty()) {
        err << UsageText() << Qt::endl;
        return kExitFailedWithoutCode;
    }
    const QString& name = arguments.first();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        out << UsageText() << Qt::endl;
        return 0;
    }
    if (name == QLatin1String("--version")) {
        out << VersionOutput(theApp().m_strVersion).join(QLatin1Char('\n')) << Qt::endl;
        return 0;
    }
    const CliCommand* command = findCommand(name);
    if (command == nullptr) {
        Fail(io, GetStringsText(kTextUnknownCommand).arg(name));
        err << UsageText() << Qt::endl;
        return kExitFailedWithoutCode;
    }

    const CliArguments parsed = ParseArguments(arguments.mid(1), command->options);
    if (parsed.help) {
        out << HelpTextOf(command->help) << Qt::endl;
        return 0;
    }
    if (!parsed.error.isEmpty()) {
        Fail(io, parsed.error);
        err << HelpTextOf(command->help) << Qt::endl;
        return kExitFailedWithoutCode;
    }
    LogEntry(1, QStringLiteral("hvxcli::%1").arg(name), loggedArguments(arguments.mid(1)));
    // A transfer's check names the differing fields as the pages show them.
    SetWriteDifferenceLines(&unterschiedsZeilen);
    const AccessCodeAnswer answer(parsed);
    TakeLinkFailure(); // what an earlier command of this process left
    const quint32 errorCodeBefore = theApp().ErrorCode();
    const CommandResult result = command->run(parsed, io);
    out.flush();
    err.flush();
    return finish(result, errorCodeBefore);
}

} // namespace hvx::cli
