#include "app/gui/RemoteCommands.h"

#include "base/HvxApp.h"
#include "app/gui/CommandIds.h"
#include "app/gui/MainFrame.h"
#include "devicedata/DeviceClock.h"
#include "devicedata/gui/ServiceDlg.h"
#include "app/gui/HvxDocManager.h"
#include "app/gui/GeraetevergleichDlg.h"
#include "base/Log.h"
#include "link/RemoteProgramming.h"

#include <QApplication>

namespace hvx::gui {
namespace {

// The wait cursor while a command talks to the instrument. Input stays frozen on its own: the
// command runs on this thread, the link's waits repaint without taking input, and the questions
// it asks are modal.
class InstrumentBusy {
public:
    InstrumentBusy() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~InstrumentBusy() { QApplication::restoreOverrideCursor(); }
    InstrumentBusy(const InstrumentBusy&) = delete;
    InstrumentBusy& operator=(const InstrumentBusy&) = delete;
};

} // namespace

void RegisterRemoteCommands(CMainFrame& frame, CHvxDocManager& documents)
{
    CHVXDoc& doc = documents.document();
    const auto noInputError = [&frame] { return !frame.PendingError().has_value(); };
    // A transfer needs a parameter set that may be sent (a read-only one never is).
    const auto transferable = [&frame, &doc] {
        return !frame.PendingError() && doc.parametersatz().geraetekennung() != 0 && doc.accessGranted() != 0;
    };
    const auto run = [&documents](auto&& command) {
        return [&documents, command] {
            {
                const InstrumentBusy busy;
                command();
            }
            documents.RefreshFrame();
        };
    };
    frame.RegisterCommand(cmd::kReadParameters, run([&doc] { doc.OnHvxRemotePasi(); }), noInputError);
    frame.RegisterCommand(cmd::kTransferProgramming, run([&doc] { doc.OnHvxRemoteProg(); }), transferable);
    // In service mode this command opens the service dialog instead of transferring; the dialog
    // needs no parameter set, and it waits for the user without the wait cursor.
    doc.setServiceDialogHook([&frame] {
        CServiceDlg dialog(&frame);
        dialog.exec();
    });
    const auto transfer = run([&doc] { doc.OnHvxRemotePaup(); });
    frame.RegisterCommand(
        cmd::kTransferParameters, [&doc, transfer] { theApp().m_bService ? void(doc.OnHvxRemotePaup()) : transfer(); },
        [transferable, noInputError] { return theApp().m_bService ? noInputError() : transferable(); });
    frame.RegisterCommand(cmd::kSetDateTime, run([] { SetDeviceClock(); }), noInputError);

    // Reads the instrument, shows what a transfer of the document would change, and transfers
    // when the user asks for it there.
    const auto overwriteAllowed = [transferable] { return transferable() && !theApp().m_bService; };
    frame.RegisterCommand(
        cmd::kCompareWithInstrument,
        [&frame, &doc, &documents, transferable, overwriteAllowed, run] {
            LogEntry(1, QStringLiteral("CMainFrame::OnHvxRemoteVergleich"));
            // The entry being typed on a page belongs to what is compared; an invalid one stops here.
            if (doc.inputErrorPending())
                return;
            Parametersatz geraet;
            bool gelesen = false;
            {
                const InstrumentBusy busy;
                gelesen = ReadInstrumentParameters(geraet);
            }
            if (!gelesen) {
                documents.RefreshFrame();
                return;
            }
            CGeraetevergleichDlg dialog(vergleiche(geraet, doc.parametersatz()), doc.title(), transferable(),
                                        overwriteAllowed(), &frame);
            dialog.exec();
            if (dialog.wahl() == CGeraetevergleichDlg::Wahl::UebertragenMitKalibrierung)
                run([&doc] { doc.OnHvxRemoteProg(); })();
            else if (dialog.wahl() == CGeraetevergleichDlg::Wahl::UebertragenOhneKalibrierung)
                run([&doc] { doc.OnHvxRemotePaup(); })();
        },
        [&doc, noInputError] { return noInputError() && doc.parametersatz().geraetekennung() != 0; });
}

} // namespace hvx::gui
