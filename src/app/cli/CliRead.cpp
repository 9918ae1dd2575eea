// hvxcli read: the instrument's parameter set, saved as a new configuration file.
#include "base/FileLock.h"
#include "base/Language.h"
#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"
#include "link/SerialPortFactory.h"
#include "document/HVXDoc.h"

#include <QFileInfo>

namespace hvx::cli {
namespace {

constexpr OptionDef kOptions[] = {kPortOption, {"access-code", true}, {"overwrite", false}};

CommandResult run(const CliArguments& arguments, CliIo& io)
{
    const QString path = SingleFile(arguments, io);
    if (path.isEmpty() || !ApplyPortOption(arguments, io))
        return CommandResult::Failed;
    // From the look for an existing file to the save: another command making it meanwhile waits.
    const FileLock lock(path);
    const bool exists = QFileInfo::exists(path);
    if (exists && !arguments.has("overwrite"))
        return Fail(io, GetStringsText(kTextFileExists).arg(path));

    CHVXDoc doc;
    if (!doc.OnHvxRemotePasi())
        return CommandResult::Failed;
    // A parameter set shown read-only is not the user's to keep.
    if (!doc.accessGranted())
        return Fail(io, GetStringsText(kTextReadLocked));
    // The save backs up the file it replaces, once.
    if (!doc.DoSave(path))
        return FailedFile(doc, path, io);
    io.out << GetStringsText(kTextReadSaved).arg(path) << Qt::endl;
    io.out << PortUsedText() << Qt::endl;
    return CommandResult::Ok;
}

} // namespace

const CliCommand& ReadCommand()
{
    static const CliCommand command{"read", kHelpRead, kOptions, run};
    return command;
}

} // namespace hvx::cli
