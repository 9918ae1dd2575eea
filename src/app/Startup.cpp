#include "app/Startup.h"

#include "base/ErrorCodes.h"
#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "document/HVXDoc.h"
#include "editing/Vergleich.h"
#include "link/RemoteProgramming.h"
#include "link/SerialPortFactory.h"
#include "output/Serviceprotokoll.h"

#include <algorithm>

namespace hvx {
namespace {
constexpr int kTextStarted = 367;
constexpr int kTextClosed = 368;

// The transfer of "/remote:" with its report ("/Report:"). A report that could not be kept is
// known before anything is sent; one that fails after the transfer leaves the file area's code,
// as a transfer stamp that cannot be written does.
void transferInBatch(CHVXApp& app)
{
    CHVXDoc doc;
    const QString report = app.m_strReportFile;
    const QString reportProblem = report.isEmpty() ? QString() : protokollpfadFehler(report);
    if (!reportProblem.isEmpty()) {
        LogMessageBox(reportProblem, MB_OK | MB_ICONERROR);
        app.SetErrorCode(kErrorAreaConfigFile, kErrCreate);
        return;
    }
    doc.RemoteTransfer(app.m_strRemoteFile, app.m_bSaveCalib);
    if (!report.isEmpty() && doc.lastTransfer() && !schreibeProtokollMitMeldung(*doc.lastTransfer(), report))
        app.SetErrorCode(kErrorAreaConfigFile, kErrCreate);
}

} // namespace

QStringList ArgumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    return arguments;
}

namespace {
bool anyStartsWith(const QStringList& arguments, QLatin1String prefix)
{
    return std::any_of(arguments.begin(), arguments.end(), [prefix](const QString& a) { return a.startsWith(prefix); });
}
} // namespace

bool IsBatchCommandLine(const QStringList& arguments)
{
    return anyStartsWith(arguments, QLatin1String("/remote:"));
}

bool BatchWritesAReport(const QStringList& arguments)
{
    return anyStartsWith(arguments, QLatin1String("/Report:"));
}

void StartupCommon(CHVXApp& app)
{
    app.ReadStartupSettings();
    LogEntryId(0, kTextStarted);
    app.CheckLanguageFileVersion(app.m_strMainLan);
    app.CheckLanguageFileVersion(app.m_strStringsLan);
    app.CheckLanguageFileVersion(app.m_strDialogLan);
    // A transfer's check names the differing fields as the pages show them.
    SetWriteDifferenceLines(&unterschiedsZeilen);
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
    {
        // The batch output names the port the run used, whatever the result.
        LogMessageBox(PortUsedText(), MB_OK);
        transferInBatch(app);
    }
    return ShutdownCommon(app);
}

} // namespace hvx
