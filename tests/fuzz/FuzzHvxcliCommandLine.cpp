// The command line of hvxcli: any arguments (split at NUL bytes) against the option table of
// every command, and the port option. Commands are not run: they would act on files and ports.
#include "FuzzApp.h"

#include "app/cli/CliCommand.h"

#include <QTextStream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace hvx::cli;
    hvx::fuzz::App();
    const QStringList arguments = hvx::fuzz::Arguments(data, size);
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    CliIo io{out, err};
    for (const CliCommand* command : BuiltInCommands()) {
        const CliArguments parsed = ParseArguments(arguments, command->options);
        if (!parsed.error.isEmpty())
            continue;
        for (const QString& value : parsed.options)
            (void)MultiLineValue(value);
        if (parsed.has("port"))
            (void)ApplyPortOption(parsed, io);
    }
    return 0;
}
