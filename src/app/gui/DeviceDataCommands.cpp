#include "app/gui/DeviceDataCommands.h"

#include "base/Log.h"
#include "app/gui/CommandIds.h"
#include "app/gui/HvxDocManager.h"
#include "app/gui/MainFrame.h"
#include "devicedata/gui/AlarmDlg.h"
#include "devicedata/gui/HvxMessdatenDlg.h"
#include "devicedata/gui/MessdatenAnzeigeDlg.h"

namespace hvx::gui {

void RegisterDeviceDataCommands(CMainFrame& frame, CHvxDocManager& documents)
{
    CHVXDoc& doc = documents.document();
    const auto noInputError = [&frame] { return !frame.PendingError().has_value(); };
    frame.RegisterCommand(cmd::kAlarmData, [&frame, &doc] {
        LogEntry(1, QStringLiteral("CHVXDoc::OnHvxAlarmdaten"));
        CAlarmDlg dialog(doc, &frame);
        dialog.exec();
    }, noInputError);
    frame.RegisterCommand(cmd::kMeasuredData, [&frame] {
        LogEntry(1, QStringLiteral("CHVXDoc::OnHvxMesswerte"));
        CHvxMessdatenDlg dialog(&frame);
        dialog.exec();
    }, noInputError);
    frame.RegisterCommand(cmd::kShowMeasuredData, [&frame] { CMessdatenAnzeigeDlg::OnMessdatenAnzeigen(&frame); },
                          noInputError);
}

} // namespace hvx::gui
