// hvxcli clock: the PC's and the instrument's time; with --set the instrument takes the PC's.
#include "base/Language.h"
#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"
#include "link/SerialPortFactory.h"
#include "devicedata/ClockText.h"
#include "devicedata/DeviceClock.h"

namespace hvx::cli {
namespace {

constexpr OptionDef kOptions[] = {kPortOption, {"set", false}};
constexpr int kTextNotShowable = 432; // "nicht darstellbar"
constexpr int kLabelWidth = 12;

CommandResult run(const CliArguments& arguments, CliIo& io)
{
    if (!arguments.positional.isEmpty())
        return Fail(io, GetStringsText(kTextNoFileWanted));
    if (!ApplyPortOption(arguments, io))
        return CommandResult::Failed;
    if (arguments.has("set")) {
        if (!SetDeviceClock())
            return CommandResult::Failed;
        io.out << GetStringsText(kTextClockSet) << Qt::endl;
        io.out << PortUsedText() << Qt::endl;
        return CommandResult::Ok;
    }
    const std::optional<DateTimeBlock> instrument = ReadDeviceClock();
    if (!instrument)
        return CommandResult::Failed;
    const std::optional<QString> instrumentText = ClockText(DecodeDateTime(*instrument));
    io.out << GetStringsText(kTextClockPc).leftJustified(kLabelWidth) << ClockText(QDateTime::currentDateTime()) << '\n'
           << GetStringsText(kTextClockInstrument).leftJustified(kLabelWidth)
           << instrumentText.value_or(GetStringsText(kTextNotShowable)) << Qt::endl;
    return CommandResult::Ok;
}

} // namespace

const CliCommand& ClockCommand()
{
    static const CliCommand command{"clock", kHelpClock, kOptions, run};
    return command;
}

} // namespace hvx::cli
