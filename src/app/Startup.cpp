#include "app/Startup.h"

#include "app/ErrorCodes.h"
#include "app/HvxApp.h"
#include "app/Log.h"

#include <cstdio>

namespace hvx {
namespace {
constexpr int kTextStarted = 367;
constexpr int kTextClosed = 368;
} // namespace

QStringList ArgumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    return arguments;
}

bool IsBatchCommandLine(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        if (argument.startsWith(QLatin1String("/remote:")))
            return true;
    }
    return false;
}

void StartupCommon(CHVXApp& app)
{
    app.ReadStartupSettings();
    LogEntryId(0, kTextStarted);
    app.CheckLanguageFileVersion(app.m_strMainLan);
    app.CheckLanguageFileVersion(app.m_strStringsLan);
    app.CheckLanguageFileVersion(app.m_strDialogLan);
}

int ShutdownCommon(CHVXApp& app, int frameworkExitCode)
{
    LogEntryId(0, kTextClosed);
    app.ReportErrorCode();
    return frameworkExitCode != 0 ? frameworkExitCode : app.ExitStatus();
}

int RunBatchMode(CHVXApp& app, const QStringList& arguments)
{
    StartupCommon(app);
    app.ParseCommandLine(arguments);
    // The batch transfer is not part of this build: say so and end with the remote
    // programming area's status rather than pretending the transfer succeeded.
    const QString text = QStringLiteral("Batch transfer of %1: not available in this build of HVX.").arg(app.m_strRemoteFile);
    LogEntry(0, text);
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    app.SetErrorCode(kErrorAreaRemote, 0);
    return ShutdownCommon(app);
}

} // namespace hvx
