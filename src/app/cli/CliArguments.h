#pragma once
// The arguments of one hvxcli command: options "--name value" or "--name=value", switches
// "--name", and positional arguments (file names). "--" ends the options.

#include <QMap>
#include <QString>
#include <QStringList>
#include <span>

namespace hvx::cli {

struct OptionDef {
    const char* name; // without the leading dashes
    bool takesValue;
};

struct CliArguments {
    QMap<QString, QString> options; // switches have an empty value
    QStringList positional;
    bool help = false;
    QString error; // a complete message when the arguments cannot be used

    bool has(const char* name) const { return options.contains(QLatin1String(name)); }
    QString value(const char* name) const { return options.value(QLatin1String(name)); }
};

// "--help" and "-h" are understood by every command.
CliArguments ParseArguments(const QStringList& arguments, std::span<const OptionDef> defs);

// Text of an option value with the two characters \n turned into a line break, so that a
// multi-line text fits in one shell word.
QString MultiLineValue(const QString& value);

} // namespace hvx::cli
