// hvxcli export: the text export of a configuration file, as the menu command writes it.
#include "base/ErrorCodes.h"
#include "base/HvxApp.h"
#include "base/Language.h"
#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"
#include "document/AccessCode.h"
#include "document/DocumentTexts.h"
#include "document/HVXDoc.h"
#include "output/TextExport.h"

namespace hvx::cli {
namespace {

constexpr OptionDef kOptions[] = {kAccessCodeOption, kOverwriteOption};

bool write(const CHVXDoc& doc, const QString& output, QString* cause)
{
    return schreibeExport(doc, output, cause);
}

QString done(const CHVXDoc&, const QString& output)
{
    return GetStringsText(kTextExportWritten).arg(output);
}

CommandResult run(const CliArguments& arguments, CliIo& io)
{
    return RunOutputCommand(arguments, io, write, done);
}

} // namespace

QString OpenForOutput(CHVXDoc& doc, const CliArguments& arguments, CliIo& io)
{
    if (arguments.positional.size() != 2) {
        Fail(io, GetStringsText(kTextInputAndOutput));
        return QString();
    }
    const QString output = arguments.positional.last();
    if (!OutputAllowed(arguments, output, {arguments.positional.first()}, io))
        return QString();
    CliArguments input = arguments;
    input.positional = QStringList{arguments.positional.first()};
    if (OpenFileArgument(doc, input, io, false).isEmpty())
        return QString();
    const Parametersatz& ps = doc.parametersatz();
    const bool codeGiven = arguments.has(kAccessCodeOption.name);
    // Without a code an active one is shown masked; a code given is tried once, as everywhere.
    if (ps.zugangscodeAktiv() && codeGiven && !AccessCodeMatches(ps, arguments.value(kAccessCodeOption.name))) {
        theApp().SetErrorCode(kErrorAreaRemote, kErrAccessCode);
        Fail(io, GetStringsText(kTextAccessCodeGivenWrong));
        return QString();
    }
    doc.setAccessGranted(!ps.zugangscodeAktiv() || codeGiven);
    return output;
}

CommandResult RunOutputCommand(const CliArguments& arguments, CliIo& io, OutputWriter write,
                               QString (*done)(const CHVXDoc& doc, const QString& output))
{
    CHVXDoc doc;
    const QString output = OpenForOutput(doc, arguments, io);
    if (output.isEmpty())
        return CommandResult::Failed;
    QString cause;
    if (!write(doc, output, &cause))
        return Fail(io, GetStringsText(kTextOutputFailed).arg(output, cause));
    io.out << done(doc, output) << Qt::endl;
    return CommandResult::Ok;
}

const CliCommand& ExportCommand()
{
    static const CliCommand command{"export", kHelpExport, kOptions, run};
    return command;
}

} // namespace hvx::cli
