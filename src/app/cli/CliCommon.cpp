#include "app/Language.h"
#include "app/Log.h"
#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"
#include "document/HVXDoc.h"

#include <QFileInfo>

namespace hvx::cli {

QString HelpTextOf(HelpText help)
{
    QStringList lines;
    for (int i = 0; i < help.lines; ++i)
        lines << GetStringsText(help.first + i);
    return lines.join(QLatin1Char('\n'));
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

bool OpenExisting(CHVXDoc& doc, const QString& path, CliIo& io, bool checkAccess)
{
    // Opening creates a missing file; a look at a mistyped name must not leave one behind.
    if (!QFileInfo(path).isFile()) {
        Fail(io, GetStringsText(kTextFileMissing).arg(path));
        return false;
    }
    return doc.OnOpenDocument(path, {.byProgram = true, .checkAccess = checkAccess});
}

} // namespace hvx::cli
