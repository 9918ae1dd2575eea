#include "app/gui/OutputCommands.h"

#include "app/gui/CommandIds.h"
#include "app/gui/MainFrame.h"
#include "document/HVXDoc.h"
#include "output/TextExport.h"
#include "output/gui/DruckBefehle.h"

namespace hvx::gui {

void RegisterOutputCommands(CMainFrame& frame, CHVXDoc& doc)
{
    // A loaded parameter set without a pending input error: what is shown is what is stored.
    const auto ausgebbar = [&frame, &doc] {
        return doc.parametersatz().geraetekennung() != 0 && !frame.PendingError().has_value();
    };
    frame.RegisterCommand(cmd::kExportText, [&doc] { OnDateiExportTxt(doc); }, ausgebbar);
    frame.RegisterCommand(cmd::kFilePrint, [&frame, &doc] { OnFilePrint(&frame, doc, false); }, ausgebbar);
    frame.RegisterCommand(cmd::kFilePrintDirect, [&frame, &doc] { OnFilePrint(&frame, doc, true); }, ausgebbar);
    frame.RegisterCommand(cmd::kFilePrintPreview, [&frame, &doc] { OnFilePrintPreview(&frame, doc); }, ausgebbar);
    frame.RegisterCommand(cmd::kFilePrintSetup, [&frame] { OnFilePrintSetup(&frame); });
    frame.RegisterCommand(cmd::kPrinterFont, [&frame] { OnPrinterFont(&frame); });
}

} // namespace hvx::gui
