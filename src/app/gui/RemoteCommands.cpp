#include "app/gui/RemoteCommands.h"

#include "base/HvxApp.h"
#include "base/Language.h"
#include "link/SerialPortFactory.h"
#include "app/gui/CommandIds.h"
#include "app/gui/MainFrame.h"
#include "devicedata/DeviceClock.h"
#include "devicedata/gui/ServiceDlg.h"
#include "app/gui/HvxDocManager.h"
#include "app/gui/GeraetevergleichDlg.h"
#include "base/Log.h"
#include "link/RemoteProgramming.h"
#include "output/Serviceprotokoll.h"

#include <QApplication>

namespace hvx::gui {
namespace {

constexpr int kTextReadDone = 3058;     // "Parameter von %1 gelesen."
constexpr int kTextTransferDone = 3059; // "Parameter zu %1 übertragen."
constexpr int kTextClockDone = 3060;    // "Datum und Uhrzeit des Geräts an %1 gesetzt."

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
    const auto transferable = [&documents] { return documents.CanTransfer(); };
    // A command that succeeded says in the status bar what was done and on which port.
    const auto run = [&documents, &frame](int doneText, auto&& command) {
        return [&documents, &frame, doneText, command] {
            bool done = false;
            {
                const InstrumentBusy busy;
                done = command();
            }
            documents.RefreshFrame();
            if (done)
                frame.SetMessageText(GetStringsText(doneText).arg(CurrentPortName()));
        };
    };
    frame.RegisterCommand(cmd::kReadParameters, run(kTextReadDone, [&doc] { return doc.OnHvxRemotePasi(); }), noInputError);
    const auto transferKeeping = run(kTextTransferDone, [&doc] { return doc.OnHvxRemoteProg(); });
    frame.RegisterCommand(cmd::kTransferProgramming, transferKeeping, transferable);
    // In service mode this command opens the service dialog instead of transferring; the dialog
    // needs no parameter set, and it waits for the user without the wait cursor.
    doc.setServiceDialogHook([&frame] {
        CServiceDlg dialog(&frame);
        dialog.exec();
    });
    // The success message of a transfer offers its report.
    doc.setTransferReportHook([](const TransferRecord& transfer) { speichereProtokollMitDialog(transfer); });
    const auto transfer = run(kTextTransferDone, [&doc] { return doc.OnHvxRemotePaup(); });
    frame.RegisterCommand(
        cmd::kTransferParameters, [&doc, transfer] { theApp().m_bService ? void(doc.OnHvxRemotePaup()) : transfer(); },
        [transferable, noInputError] { return theApp().m_bService ? noInputError() : transferable(); });
    frame.RegisterCommand(cmd::kSetDateTime, run(kTextClockDone, [] { return SetDeviceClock(); }), noInputError);

    // Reads the instrument, shows what a transfer of the document would change, and transfers
    // when the user asks for it there.
    const auto overwriteAllowed = [transferable] { return transferable() && !theApp().m_bService; };
    frame.RegisterCommand(
        cmd::kCompareWithInstrument,
        [&frame, &doc, &documents, transferable, overwriteAllowed, transferKeeping, transfer] {
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
                transferKeeping();
            else if (dialog.wahl() == CGeraetevergleichDlg::Wahl::UebertragenOhneKalibrierung)
                transfer();
        },
        [&documents] { return documents.CanUseDocument(); });
}

} // namespace hvx::gui
