// hvxcli set-info: the properties ("Allgemeine Angaben") of a configuration file, then save.
#include "base/FileLock.h"
#include "base/Language.h"
#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"
#include "document/HVXDoc.h"

namespace hvx::cli {
namespace {

constexpr OptionDef kOptions[] = {
    {"serial", true}, {"customer", true}, {"site", true}, {"remark", true}, {"access-code", true}};

struct TextOption {
    const char* name;
    QString InfoTexts::*text;
};
constexpr TextOption kTextOptions[] = {
    {"serial", &InfoTexts::seriennummer},
    {"customer", &InfoTexts::kunde},
    {"site", &InfoTexts::standort},
    {"remark", &InfoTexts::bemerkung},
};

CommandResult run(const CliArguments& arguments, CliIo& io)
{
    bool anyText = false;
    for (const TextOption& option : kTextOptions)
        anyText = anyText || arguments.has(option.name);
    if (!anyText)
        return Fail(io, GetStringsText(kTextNothingToSet));

    const QString path = SingleFile(arguments, io);
    if (path.isEmpty())
        return CommandResult::Failed;
    const FileLock lock(path); // read, change and save as one step
    CHVXDoc doc;
    if (!OpenExistingFile(doc, path, io, true))
        return CommandResult::Failed;
    const auto fromArguments = [&arguments](const InfoTexts& current, bool) -> std::optional<InfoTexts> {
        InfoTexts texts = current;
        for (const TextOption& option : kTextOptions) {
            if (arguments.has(option.name))
                texts.*option.text = MultiLineValue(arguments.value(option.name));
        }
        return texts;
    };
    if (!doc.OnDateiEigenschaften(fromArguments))
        return Fail(io, GetStringsText(kTextPropertiesLocked));
    if (!doc.DoSave(path))
        return FailedFile(doc, path, io);
    io.out << GetStringsText(kTextPropertiesSaved).arg(path) << Qt::endl;
    return CommandResult::Ok;
}

} // namespace

const CliCommand& SetInfoCommand()
{
    static const CliCommand command{"set-info", kHelpSetInfo, kOptions, run};
    return command;
}

} // namespace hvx::cli
