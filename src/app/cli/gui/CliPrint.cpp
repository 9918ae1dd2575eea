// hvxcli print: the printed pages of a configuration file into a PDF file.
#include "app/cli/gui/CliPrint.h"

#include "base/Language.h"
#include "app/cli/CliTexts.h"
#include "document/HVXDoc.h"
#include "output/gui/Druckausgabe.h"

namespace hvx::cli {
namespace {

constexpr OptionDef kOptions[] = {kAccessCodeOption};

CommandResult run(const CliArguments& arguments, CliIo& io)
{
    CHVXDoc doc;
    const QString output = OpenForOutput(doc, arguments, io);
    if (output.isEmpty())
        return CommandResult::Failed;
    QString cause;
    if (!gui::druckePdf(doc, output, &cause))
        return Fail(io, GetStringsText(kTextOutputFailed).arg(output, cause));
    io.out << GetStringsText(kTextPdfWritten).arg(output).arg(gui::druckSeitenanzahl(doc)) << Qt::endl;
    return CommandResult::Ok;
}

} // namespace

const CliCommand& PrintCommand()
{
    static const CliCommand command{"print", kHelpPrint, kOptions, run};
    return command;
}

} // namespace hvx::cli
