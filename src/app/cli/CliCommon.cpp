#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "app/cli/CliCommand.h"
#include "app/cli/CliTexts.h"
#include "document/ConfigFileLayout.h"
#include "document/HVXDoc.h"
#include "link/SerialPortFactory.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>

namespace hvx::cli {
namespace {

constexpr int kTextOutputIsInput = 3960;
constexpr int kTextOutputIsConfiguration = 3961;
constexpr int kTextServiceModeNeeded = 3966;

// The same file, also under another name (a link, a relative path).
bool SameFile(const QString& a, const QString& b)
{
    std::error_code error;
    return std::filesystem::equivalent(a.toStdString(), b.toStdString(), error) && !error;
}

// A configuration file by its name or by its header.
bool IsConfigurationFile(const QString& path)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("hxd"), Qt::CaseInsensitive) == 0)
        return true;
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
           && file.read(configfile::kMagicSize) == QByteArray(configfile::kMagic, configfile::kMagicSize);
}

} // namespace

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


bool OutputAllowed(const CliArguments& arguments, const QString& output, const QStringList& inputs, CliIo& io)
{
    for (const QString& input : inputs) {
        if (SameFile(input, output)) {
            Fail(io, GetStringsText(kTextOutputIsInput).arg(output));
            return false;
        }
    }
    if (!QFileInfo::exists(output))
        return true;
    if (IsConfigurationFile(output)) {
        Fail(io, GetStringsText(kTextOutputIsConfiguration).arg(output));
        return false;
    }
    if (!arguments.has(kOverwriteOption.name)) {
        Fail(io, GetStringsText(kTextFileExists).arg(output));
        return false;
    }
    return true;
}


bool ServiceModeGiven(const CliArguments& arguments, const QString& command, CliIo& io)
{
    if (arguments.has(kServiceOption.name))
        return true;
    Fail(io, GetStringsText(kTextServiceModeNeeded).arg(command));
    return false;
}


QString TerminalText(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\t' || u == u'\n' || (u >= 0x20 && u != 0x7F && !(u >= 0x80 && u < 0xA0)))
            shown += c;
        else if (u < 0x20)
            shown += u'^' + QChar(char16_t(u + 0x40));
        else
            shown += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
    }
    return shown;
}

} // namespace hvx::cli
