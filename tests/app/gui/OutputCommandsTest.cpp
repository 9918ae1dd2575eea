// The File menu's output commands: enabled once a parameter set is loaded; the export runs
// through the menu with its save dialog and message.
#include "../../app/gui/GuiTestSupport.h"

#include "app/gui/CommandIds.h"
#include "app/gui/HvxDocManager.h"
#include "app/gui/MainFrame.h"
#include "app/gui/OutputCommands.h"
#include "document/HVXDoc.h"
#include "support/TestApp.h"

#include <QAction>
#include <QFile>
#include <gtest/gtest.h>

using hvx::test::TestApp;
namespace cmd = hvx::cmd;

TEST(OutputCommands, EnabledWithAParameterSetAndExportingThroughTheMenu)
{
    hvx::test::guiApp();
    TestApp t;
    CHVXDoc doc;
    CMainFrame frame;
    frame.LoadFrame();
    CHvxDocManager documents(doc, frame);
    hvx::gui::RegisterOutputCommands(frame, documents);
    frame.UpdateCommandStates();
    for (const int id : {cmd::kExportText, cmd::kFilePrint, cmd::kFilePrintPreview})
        EXPECT_FALSE(frame.CommandAction(id)->isEnabled()) << id;
    EXPECT_TRUE(frame.CommandAction(cmd::kPrinterFont)->isEnabled());

    ASSERT_TRUE(doc.OnNewDocument(NeueKonfiguration{0x13, {hvx::ModulWahl{hvx::modultyp::kPH, hvx::reglertyp::kSignalgeraet}}}));
    frame.UpdateCommandStates();
    for (const int id : {cmd::kExportText, cmd::kFilePrint, cmd::kFilePrintPreview})
        EXPECT_TRUE(frame.CommandAction(id)->isEnabled()) << id;

    const QString path = t.filePath("anlage.txt");
    t.ui().answerFileChoice(path).answerMessageBox(hvx::IDOK, QStringLiteral("ordnungsgemäß"));
    ASSERT_TRUE(frame.RunCommand(cmd::kExportText));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("Hydrovant Configuration Tool\r\n"));
    EXPECT_EQ(t.ui().questions().first().file.extension, QStringLiteral("txt"));
}
