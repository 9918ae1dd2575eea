#pragma once
// What every hvxcli command shares: its table entry, its output streams, and the common steps
// of a command (failure message, the one file argument, opening an existing file).

#include "app/cli/CliArguments.h"
#include "app/cli/CliTexts.h"

#include <QTextStream>
#include <span>

class CHVXDoc;

namespace hvx::cli {

struct CliIo {
    QTextStream& out; // results
    QTextStream& err; // the tool's own messages
};

// Different: the command ran and found differences (hvxcli diff).
enum class CommandResult { Ok, Failed, Different };

struct CliCommand {
    const char* name;
    HelpText help;
    std::span<const OptionDef> options;
    CommandResult (*run)(const CliArguments& arguments, CliIo& io);
};

const CliCommand& NewCommand();
const CliCommand& InfoCommand();
const CliCommand& DumpCommand();
const CliCommand& SetInfoCommand();
const CliCommand& ReadCommand();
const CliCommand& TransferCommand();
const CliCommand& ClockCommand();
const CliCommand& PortsCommand();
const CliCommand& GetCommand();
const CliCommand& SetCommand();
const CliCommand& SupportCommand();
const CliCommand& ExportCommand();
const CliCommand& AlarmsCommand();
const CliCommand& RecordCommand();
const CliCommand& ChartCommand();
const CliCommand& EepromCommand();
const CliCommand& ServiceCommand();
const CliCommand& DiffCommand();
const CliCommand& InventoryCommand();

// Every command built into the tool, in the order of the usage text.
std::span<const CliCommand* const> BuiltInCommands();

// Commands that live beside the window code (printing needs the window system's painter): the
// program adds them before it runs a command.
void AddCommand(const CliCommand& command);

QString HelpTextOf(HelpText help);
QString UsageText();

// Text from a file or the instrument as the terminal may show it: control characters other than
// TAB and line feed become "^X" (or "\xNN"), so that no byte can steer the terminal.
QString TerminalText(const QString& text);

// Writes the message to the error stream and the log book; the command has failed.
CommandResult Fail(CliIo& io, const QString& message);

// The single FILE argument, or an empty text after a failure message.
QString SingleFile(const CliArguments& arguments, CliIo& io);

// After a failed open or save of the document's file: the platform's cause of a file error, if
// there was one (the workflow itself only logs it).
CommandResult FailedFile(CHVXDoc& doc, const QString& path, CliIo& io);

// Opens an existing configuration file into the document (never creating one). False after a
// failure message.
bool OpenExistingFile(CHVXDoc& doc, const QString& path, CliIo& io, bool checkAccess);

// Opens the single FILE argument, an existing configuration file, into the document (never
// creating one). Returns its path, or an empty text after a failure.
QString OpenFileArgument(CHVXDoc& doc, const CliArguments& arguments, CliIo& io, bool checkAccess);

// The option every command on the instrument takes: --port N, a 0-based port index as /Port:,
// for this run only (the stored port stays). False after a failure message.
bool ApplyPortOption(const CliArguments& arguments, CliIo& io);
inline constexpr OptionDef kPortOption{"port", true};

// The file a command makes: never one of its inputs, an existing file only with --overwrite, and
// an existing configuration file never (an output of another kind would destroy it). False
// after a failure message.
inline constexpr OptionDef kOverwriteOption{"overwrite", false};
bool OutputAllowed(const CliArguments& arguments, const QString& output, const QStringList& inputs, CliIo& io);

// The commands that change the instrument's memory directly belong to service mode, as the
// window's service dialogs do: they need --service. False after a failure message.
inline constexpr OptionDef kServiceOption{"service", false};
bool ServiceModeGiven(const CliArguments& arguments, const QString& command, CliIo& io);

// For export and print: FILE.hxd and the output file. Opens the configuration without asking for
// the access code; the code given with --access-code grants access when it is right, so that an
// active code is shown, else it stays masked. Returns the output path, or an empty text after a
// failure message.
QString OpenForOutput(CHVXDoc& doc, const CliArguments& arguments, CliIo& io);
// The whole of such a command: open, write the output with write (false and the cause after a
// failure), then report with the text that done makes of the document and the output path.
using OutputWriter = bool (*)(const CHVXDoc& doc, const QString& output, QString* cause);
CommandResult RunOutputCommand(const CliArguments& arguments, CliIo& io, OutputWriter write,
                               QString (*done)(const CHVXDoc& doc, const QString& output));
inline constexpr OptionDef kAccessCodeOption{"access-code", true};

} // namespace hvx::cli
