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

#include <optional>

namespace hvx::cli {
namespace {

constexpr OptionDef kOptions[] = {
    kPortOption, {"access-code", true}, {"keep-calibration", false}, {"overwrite-calibration", false}, {"verify", false}};

CommandResult run(const CliArguments& arguments, CliIo& io)
{
    const bool keep = arguments.has("keep-calibration");
    if (keep == arguments.has("overwrite-calibration"))
        return Fail(io, GetStringsText(kTextCalibrationChoice));
    if (!ApplyPortOption(arguments, io))
        return CommandResult::Failed;
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
    return CommandResult::Ok;
}

} // namespace

const CliCommand& TransferCommand()
{
    static const CliCommand command{"transfer", kHelpTransfer, kOptions, run};
    return command;
}

} // namespace hvx::cli
