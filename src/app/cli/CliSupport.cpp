// hvxcli support: the support file of the about box, written without a window.
#include "base/HvxApp.h"
#include "base/Language.h"
#include "app/SupportFile.h"
#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"

#include <QDateTime>

namespace hvx::cli {
namespace {

constexpr OptionDef kOptions[] = {kOverwriteOption};

CommandResult run(const CliArguments& arguments, CliIo& io)
{
    if (arguments.positional.size() > 1)
        return Fail(io, GetStringsText(kTextAtMostOneFile));
    // The file of the day in the program directory is replaced as always; a file the user names
    // is treated as every output.
    if (!arguments.positional.isEmpty() && !OutputAllowed(arguments, arguments.positional.first(), {}, io))
        return CommandResult::Failed;
    const QDateTime now = QDateTime::currentDateTime();
    const SupportFileResult result = arguments.positional.isEmpty()
        ? WriteSupportFile(theApp(), now)
        : WriteSupportFileTo(theApp(), arguments.positional.first(), now);
    if (!result.written)
        return Fail(io, GetStringsText(kTextSupportFileNotWritten).arg(result.path));
    io.out << GetStringsText(kTextSupportWritten).arg(result.path) << Qt::endl;
    return CommandResult::Ok;
}

} // namespace

const CliCommand& SupportCommand()
{
    static const CliCommand command{"support", kHelpSupport, kOptions, run};
    return command;
}

} // namespace hvx::cli
