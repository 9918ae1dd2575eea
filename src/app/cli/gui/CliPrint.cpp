// hvxcli print: the printed pages of a configuration file into a PDF file.
#include "app/cli/gui/CliPrint.h"

#include "base/Language.h"
#include "app/cli/CliTexts.h"
#include "document/HVXDoc.h"
#include "output/gui/Druckausgabe.h"

namespace hvx::cli {
namespace {

constexpr OptionDef kOptions[] = {kAccessCodeOption, kOverwriteOption};

bool write(const CHVXDoc& doc, const QString& output, QString* cause)
{
    return gui::druckePdf(doc, output, cause);
}

QString done(const CHVXDoc& doc, const QString& output)
{
    const int pages = gui::druckSeitenanzahl(doc);
    return GetStringsTextForCount(pages, kTextPdfWrittenOnePage, kTextPdfWritten).arg(output).arg(pages);
}

CommandResult run(const CliArguments& arguments, CliIo& io)
{
    return RunOutputCommand(arguments, io, write, done);
}

} // namespace

const CliCommand& PrintCommand()
{
    static const CliCommand command{"print", kHelpPrint, kOptions, run};
    return command;
}

} // namespace hvx::cli
