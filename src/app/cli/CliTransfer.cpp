// hvxcli transfer: a configuration file to the instrument, keeping or overwriting its calibration
// values as the caller says (the tool never guesses).
#include "base/HvxApp.h"
#include "base/Language.h"
#include "app/cli/ScopedInteraction.h"
#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"
#include "link/SerialPortFactory.h"
#include "app/cli/TerminalProgress.h"
#include "document/HVXDoc.h"
#include "output/Serviceprotokoll.h"

#include <optional>

namespace hvx::cli {
namespace {

constexpr OptionDef kOptions[] = {kPortOption,          {"access-code", true}, {"keep-calibration", false},
                                  {"overwrite-calibration", false}, {"verify", false},     {"report", true}};

CommandResult run(const CliArguments& arguments, CliIo& io)
{
    const bool keep = arguments.has("keep-calibration");
    if (keep == arguments.has("overwrite-calibration"))
        return Fail(io, GetStringsText(kTextCalibrationChoice));
    if (!ApplyPortOption(arguments, io))
        return CommandResult::Failed;
    // Nothing is sent when its report could not be kept.
    const QString report = arguments.value("report");
    if (arguments.has("report")) {
        if (const QString problem = protokollpfadFehler(report); !problem.isEmpty())
            return Fail(io, problem);
    }
    CHVXDoc doc;
    const QString path = OpenFileArgument(doc, arguments, io, true);
    if (path.isEmpty())
        return CommandResult::Failed;

    CHVXApp& app = theApp();
    // --verify is /Verify for this command only.
    const bool verifyBefore = app.m_bVerify;
    app.m_bVerify = verifyBefore || arguments.has("verify");
    bool transferred = false;
    {
        std::optional<TerminalProgress> progress;
        std::optional<ScopedInteraction> scope;
        if (TerminalProgress::ErrorIsTerminal()) {
            progress.emplace(app.ui(), io.err);
            scope.emplace(*progress);
        }
        transferred = keep ? doc.OnHvxRemoteProg() : doc.OnHvxRemotePaup();
    }
    app.m_bVerify = verifyBefore;
    if (!transferred)
        return CommandResult::Failed;
    io.out << GetStringsText(kTextTransferred).arg(path) << Qt::endl;
    io.out << PortUsedText() << Qt::endl;
    if (!arguments.has("report") || !doc.lastTransfer())
        return CommandResult::Ok;
    QString cause;
    if (!schreibeProtokoll(*doc.lastTransfer(), report, &cause))
        return Fail(io, GetStringsText(kTextReportNotWritten).arg(report, cause));
    io.out << GetStringsText(kTextReportWritten).arg(report) << Qt::endl;
    return CommandResult::Ok;
}

} // namespace

const CliCommand& TransferCommand()
{
    static const CliCommand command{"transfer", kHelpTransfer, kOptions, run};
    return command;
}

} // namespace hvx::cli
