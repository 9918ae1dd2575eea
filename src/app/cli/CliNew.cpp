// hvxcli new: a new configuration for a revision and up to three modules, made as File New with
// the new-configuration dialog makes it, then saved.
#include "base/FileLock.h"
#include "base/Language.h"
#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"
#include "document/HVXDoc.h"
#include "document/NeuDlgRules.h"
#include "model/Revisionen.h"

#include <QFileInfo>

namespace hvx::cli {
namespace {

constexpr OptionDef kOptions[] = {{"revision", true}, {"modules", true}, {"overwrite", false}};

CommandResult chooseModules(NeuDlgRules& rules, const QStringList& modules, CliIo& io)
{
    if (modules.size() > 3)
        return Fail(io, GetStringsText(kTextTooManyModules));
    for (int slot = 0; slot < modules.size(); ++slot) {
        const int index = rules.findModule(modules[slot]);
        if (index < 0) {
            const QString revision = revisionText(rules.geraetekennung());
            return Fail(io, GetStringsText(kTextUnknownModule).arg(modules[slot], revision, rules.moduleNames().join(QStringLiteral(", "))));
        }
        if (index != 0 && !rules.selectModule(slot, index))
            return Fail(io, GetStringsText(kTextSlotNeedsPrevious).arg(slot + 1).arg(slot));
    }
    if (!rules.okEnabled()) {
        const bool variantL = (rules.geraetekennung() >> 4) == int(Variante::L);
        return Fail(io, GetStringsText(variantL ? kTextInvalidCombinationL : kTextInvalidCombination));
    }
    return CommandResult::Ok;
}

CommandResult run(const CliArguments& arguments, CliIo& io)
{
    const QString path = SingleFile(arguments, io);
    if (path.isEmpty())
        return CommandResult::Failed;
    if (!arguments.has("revision") || !arguments.has("modules"))
        return Fail(io, GetStringsText(kTextRevisionAndModulesNeeded));

    NeuDlgRules rules;
    const int revision = rules.findRevision(arguments.value("revision"));
    if (revision < 0)
        return Fail(io, GetStringsText(kTextUnknownRevision).arg(arguments.value("revision")));
    rules.selectRevision(revision);
    if (chooseModules(rules, arguments.value("modules").split(QLatin1Char(',')), io) != CommandResult::Ok)
        return CommandResult::Failed;

    // From the look for an existing file to the save: another command making it meanwhile waits.
    const FileLock lock(path);
    const bool exists = QFileInfo::exists(path);
    if (exists && !arguments.has("overwrite"))
        return Fail(io, GetStringsText(kTextFileExists).arg(path));

    CHVXDoc doc;
    doc.OnNewDocument(NeueKonfiguration{rules.geraetekennung(), rules.bestueckung()});
    // The save backs up the file it replaces, once.
    if (!doc.DoSave(path))
        return FailedFile(doc, path, io);
    io.out << GetStringsText(kTextNewSaved).arg(revisionText(rules.geraetekennung()), path) << Qt::endl;
    return CommandResult::Ok;
}

} // namespace

const CliCommand& NewCommand()
{
    static const CliCommand command{"new", kHelpNew, kOptions, run};
    return command;
}

} // namespace hvx::cli
