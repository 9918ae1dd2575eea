#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"
#include "document/HVXDoc.h"
#include "link/SerialPortFactory.h"

#include <QFileInfo>

namespace hvx::cli {

QString HelpTextOf(HelpText help)
{
    QStringList lines;
    for (int i = 0; i < help.lines; ++i)
        lines << GetStringsText(help.first + i);
    return lines.join(QLatin1Char('\n'));
}

QString UsageText()
{
    QStringList parts;
    for (const HelpText part : kHelpUsageParts)
        parts << HelpTextOf(part);
    return parts.join(QLatin1Char('\n'));
}

CommandResult Fail(CliIo& io, const QString& message)
{
    LogEntry(1, QStringLiteral("hvxcli"), message);
    io.err << message << Qt::endl;
    return CommandResult::Failed;
}

QString SingleFile(const CliArguments& arguments, CliIo& io)
{
    if (arguments.positional.size() != 1) {
        Fail(io, GetStringsText(kTextOneFile));
        return QString();
    }
    return arguments.positional.first();
}

bool OpenExistingFile(CHVXDoc& doc, const QString& path, CliIo& io, bool checkAccess)
{
    // Opening creates a missing file; a look at a mistyped name must not leave one behind.
    if (!QFileInfo(path).isFile()) {
        Fail(io, GetStringsText(kTextFileMissing).arg(path));
        return false;
    }
    if (doc.OnOpenDocument(path, {.byProgram = true, .checkAccess = checkAccess}))
        return true;
    FailedFile(doc, path, io);
    return false;
}

QString OpenFileArgument(CHVXDoc& doc, const CliArguments& arguments, CliIo& io, bool checkAccess)
{
    const QString path = SingleFile(arguments, io);
    if (path.isEmpty() || !OpenExistingFile(doc, path, io, checkAccess))
        return QString();
    return path;
}

CommandResult FailedFile(CHVXDoc& doc, const QString& path, CliIo& io)
{
    const QString cause = doc.configFile().LastErrorText();
    if (!cause.isEmpty())
        Fail(io, GetStringsText(kTextFileError).arg(path, cause));
    return CommandResult::Failed;
}

bool ApplyPortOption(const CliArguments& arguments, CliIo& io)
{
    if (!arguments.has(kPortOption.name))
        return true;
    bool isNumber = false;
    const int index = arguments.value(kPortOption.name).toInt(&isNumber);
    if (!isNumber || index < 0 || index > kMaxPortNumber - 1) {
        Fail(io, GetStringsText(kTextBadPort).arg(arguments.value(kPortOption.name)));
        return false;
    }
    theApp().m_nPort = index;
    return true;
}

} // namespace hvx::cli
