#include "app/gui/OutputCommands.h"

#include "app/gui/CommandIds.h"
#include "app/gui/HvxDocManager.h"
#include "app/gui/MainFrame.h"
#include "document/HVXDoc.h"
#include "output/TextExport.h"
#include "output/gui/DruckBefehle.h"

namespace hvx::gui {

void RegisterOutputCommands(CMainFrame& frame, CHvxDocManager& documents)
{
    CHVXDoc& doc = documents.document();
    const auto ausgebbar = [&documents] { return documents.CanUseDocument(); };
    frame.RegisterCommand(cmd::kExportText, [&doc] { OnDateiExportTxt(doc); }, ausgebbar);
    frame.RegisterCommand(cmd::kFilePrint, [&frame, &doc] { OnFilePrint(&frame, doc, false); }, ausgebbar);
    frame.RegisterCommand(cmd::kFilePrintDirect, [&frame, &doc] { OnFilePrint(&frame, doc, true); }, ausgebbar);
    frame.RegisterCommand(cmd::kFilePrintPreview, [&frame, &doc] { OnFilePrintPreview(&frame, doc); }, ausgebbar);
    frame.RegisterCommand(cmd::kFilePrintSetup, [&frame] { OnFilePrintSetup(&frame); });
    frame.RegisterCommand(cmd::kPrinterFont, [&frame] { OnPrinterFont(&frame); });
}

} // namespace hvx::gui
