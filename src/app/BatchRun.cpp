#include "app/BatchRun.h"

#include "app/HvxApp.h"
#include "app/Log.h"
#include "document/HVXDoc.h"

namespace {

constexpr int kTextStarted = 367; // "Anwendung gestartet"
constexpr int kTextClosed = 368;  // "Anwendung geschlossen"

} // namespace

void RunStartupSteps(CHVXApp& app)
{
    app.ReadStartupSettings();
    LogEntryId(0, kTextStarted);
    for (const QString& file : {app.m_strMainLan, app.m_strStringsLan, app.m_strDialogLan}) {
        if (!file.isEmpty())
            app.CheckLanguageFileVersion(file);
    }
}

int RunShutdownSteps(CHVXApp& app)
{
    LogEntryId(0, kTextClosed);
    app.ReportErrorCode();
    return app.ExitStatus();
}

int RunBatch(CHVXApp& app)
{
    RunStartupSteps(app);
    {
        CHVXDoc doc;
        doc.RemoteTransfer(app.m_strRemoteFile, app.m_bSaveCalib);
    }
    return RunShutdownSteps(app);
}
