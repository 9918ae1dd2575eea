// hvxcli support: the support file of the about box, written without a window.
#include "base/HvxApp.h"
#include "base/Language.h"
#include "app/SupportFile.h"
#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"

#include <QDateTime>

namespace hvx::cli {
namespace {

CommandResult run(const CliArguments& arguments, CliIo& io)
{
    if (arguments.positional.size() > 1)
        return Fail(io, GetStringsText(kTextAtMostOneFile));
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
    static const CliCommand command{"support", kHelpSupport, {}, run};
    return command;
}

} // namespace hvx::cli
