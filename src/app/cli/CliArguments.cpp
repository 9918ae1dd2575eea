#include "app/cli/CliArguments.h"

#include "base/Language.h"
#include "app/cli/CliTexts.h"

namespace hvx::cli {
namespace {

const OptionDef* findDef(std::span<const OptionDef> defs, const QString& name)
{
    for (const OptionDef& def : defs) {
        if (name == QLatin1String(def.name))
            return &def;
    }
    return nullptr;
}

} // namespace

CliArguments ParseArguments(const QStringList& arguments, std::span<const OptionDef> defs)
{
    CliArguments result;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size() && result.error.isEmpty(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            result.positional << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            result.help = true;
            continue;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = argument.mid(2, equals < 0 ? -1 : equals - 2);
        const OptionDef* def = argument.startsWith(QLatin1String("--")) ? findDef(defs, name) : nullptr;
        if (def == nullptr) {
            result.error = GetStringsText(kTextUnknownOption).arg(argument);
        } else if (!def->takesValue) {
            if (equals >= 0)
                result.error = GetStringsText(kTextOptionTakesNoValue).arg(name);
            else
                result.options.insert(name, QString());
        } else if (equals >= 0) {
            result.options.insert(name, argument.mid(equals + 1));
        } else if (i + 1 < arguments.size()) {
            result.options.insert(name, arguments[++i]);
        } else {
            result.error = GetStringsText(kTextOptionNeedsValue).arg(name);
        }
    }
    return result;
}

QString MultiLineValue(const QString& value)
{
    QString text = value;
    return text.replace(QLatin1String("\\n"), QLatin1String("\r\n"));
}

} // namespace hvx::cli
