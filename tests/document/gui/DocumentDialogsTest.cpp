// The document dialogs: the new-configuration dialog's enabling and OK rules in both modes, the
// properties dialog with its line limits, and the version adaptation dialog.
#include "../../app/gui/GuiTestSupport.h"

#include "app/gui/CommandIds.h"
#include "app/gui/MainFrame.h"
#include "app/gui/HvxDocManager.h"
#include "document/gui/HvxFileEigenschaften.h"
#include "document/gui/HvxNeuDlg.h"
#include "document/gui/VersionAnpassenDlg.h"
#include "model/Revisionen.h"
#include "support/TestApp.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using hvx::test::TestApp;
using hvx::test::whenModal;

namespace {

void choose(QComboBox* list, const QString& text)
{
    const int index = list->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    list->setCurrentIndex(index);
}

class NewDialog : public ::testing::Test {
protected:
    TestApp t;
};

TEST_F(NewDialog, SlotsOpenOneAfterTheOtherAndOkNeedsAValidCombination)
{
    CHvxNeuDlg dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Modulkonfiguration neu...");
    EXPECT_EQ(dialog.revisionList()->count(), 20);
    EXPECT_EQ(dialog.revisionList()->currentIndex(), 0);
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    EXPECT_FALSE(dialog.moduleList(1)->isEnabled());
    EXPECT_FALSE(dialog.moduleList(2)->isEnabled());

    choose(dialog.moduleList(0), "pH");
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    EXPECT_TRUE(dialog.moduleList(1)->isEnabled());
    EXPECT_FALSE(dialog.moduleList(2)->isEnabled());
    EXPECT_EQ(dialog.moduleList(2)->currentText(), "Kein");

    choose(dialog.moduleList(1), "Redox");
    choose(dialog.moduleList(2), "Temperatur");
    EXPECT_TRUE(dialog.moduleList(2)->isEnabled());
    // Emptying slot 2 empties and locks slot 3 again.
    choose(dialog.moduleList(1), "Kein");
    EXPECT_FALSE(dialog.moduleList(2)->isEnabled());
    EXPECT_EQ(dialog.moduleList(2)->currentText(), "Kein");

    choose(dialog.moduleList(0), "Freigabe");
    EXPECT_FALSE(dialog.okButton()->isEnabled());
}

TEST_F(NewDialog, VariantLOffersTimerAndBlowDownAndRefusesATimerInSlotOne)
{
    CHvxNeuDlg dialog;
    dialog.show();
    choose(dialog.revisionList(), "Revision L 22");
    EXPECT_GE(dialog.moduleList(0)->findText("Timer"), 0);
    EXPECT_GE(dialog.moduleList(0)->findText("Absalz induktiv"), 0);
    choose(dialog.moduleList(0), "Timer");
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    choose(dialog.moduleList(0), "pH");
    choose(dialog.moduleList(1), "Timer");
    choose(dialog.moduleList(2), "Redox");
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    const NeueKonfiguration choice = dialog.choice();
    EXPECT_EQ(choice.geraetekennung, 0x21);
    EXPECT_EQ(choice.module[1].modultyp, 13);
}

TEST_F(NewDialog, ChangeModeShowsTheDocumentsRevisionFixedAndItsModules)
{
    CHVXDoc doc;
    doc.OnNewDocument(NeueKonfiguration{0x13, {hvx::ModulWahl{1, 3}, hvx::ModulWahl{2, 3}, hvx::ModulWahl{}}});
    CHvxNeuDlg dialog(doc.parametersatz(), nullptr);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Modulkonfiguration ändern...");
    EXPECT_FALSE(dialog.revisionList()->isEnabled());
    EXPECT_EQ(dialog.revisionList()->currentText(), "Revision K 54");
    EXPECT_EQ(dialog.moduleList(0)->currentText(), "pH");
    EXPECT_EQ(dialog.moduleList(1)->currentText(), "Redox");
    EXPECT_EQ(dialog.moduleList(2)->currentText(), "Kein");
    EXPECT_TRUE(dialog.okButton()->isEnabled());
}

TEST_F(NewDialog, TextsFollowTheLanguage)
{
    t.app().SetLanguage("02-English");
    CHvxNeuDlg dialog;
    dialog.show();
    EXPECT_EQ(dialog.okButton()->text(), "OK");
    EXPECT_EQ(dialog.cancelButton()->text(), "Cancel");
    const auto labels = dialog.findChildren<QLabel*>();
    QStringList texts;
    for (const QLabel* label : labels)
        texts.append(label->text());
    EXPECT_TRUE(texts.contains("Hydrovant revision:"));
    EXPECT_TRUE(texts.contains("Module 3:"));
}

class DocumentCommands : public ::testing::Test {
protected:
    DocumentCommands()
    {
        doc.OnNewDocument(NeueKonfiguration{0x13, {hvx::ModulWahl{1, 3}, hvx::ModulWahl{}, hvx::ModulWahl{}}});
        t.app().m_strWorkDir = t.dir();
        t.app().m_strBackupDir = t.dir();
    }
    ~DocumentCommands() override { hvx::test::closeModalDialogs(); }

    TestApp t;
    CHVXDoc doc;
    CMainFrame frame;
    CHvxDocManager manager{doc, frame};
};

TEST_F(DocumentCommands, PropertiesCutASixLineRemarkToFourLines)
{
    whenModal<CHvxFileEigenschaften>([](CHvxFileEigenschaften* dialog) {
        dialog->serialNumberEdit()->setText("HV-4711");
        dialog->textEdit(2)->setPlainText("eins\nzwei\ndrei\nvier\nfünf\nsechs");
        dialog->textEdit(0)->setPlainText(QString(45, u'k'));
        dialog->okButton()->click();
    });
    manager.OnDateiEigenschaften();
    EXPECT_EQ(doc.infoTexts().seriennummer, "HV-4711");
    EXPECT_EQ(doc.infoTexts().bemerkung, "eins\r\nzwei\r\ndrei\r\nvier");
    EXPECT_EQ(doc.infoTexts().kunde, QString(40, u'k'));
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(t.logEntries().contains("CHvxFileEigenschaften::OnInitDialog"));
}

TEST_F(DocumentCommands, PropertiesOfAReadOnlyDocumentCannotBeEdited)
{
    doc.setAccessGranted(0);
    bool editable = true;
    whenModal<CHvxFileEigenschaften>([&editable](CHvxFileEigenschaften* dialog) {
        editable = dialog->serialNumberEdit()->isEnabled() || dialog->textEdit(1)->isEnabled();
        dialog->okButton()->click();
    });
    manager.OnDateiEigenschaften();
    EXPECT_FALSE(editable);
    EXPECT_FALSE(doc.isModified());
}

TEST_F(DocumentCommands, ModuleChangeResetsOnlyTheChangedSlot)
{
    whenModal<CHvxNeuDlg>([](CHvxNeuDlg* dialog) {
        choose(dialog->moduleList(1), "Redox");
        dialog->okButton()->click();
    });
    manager.OnChangeModulkonfig();
    EXPECT_EQ(doc.parametersatz().modultyp(0), 1);
    EXPECT_EQ(doc.parametersatz().modultyp(1), 2);
    EXPECT_EQ(doc.moduleCount(), 2);
    EXPECT_TRUE(doc.isModified());
}

TEST_F(DocumentCommands, CancelledPropertiesAndModuleChangeAreLoggedAsGiven)
{
    const hvx::Parametersatz before = doc.parametersatz();
    whenModal<CHvxFileEigenschaften>([](CHvxFileEigenschaften* dialog) { dialog->reject(); });
    manager.OnDateiEigenschaften();
    whenModal<CHvxNeuDlg>([](CHvxNeuDlg* dialog) { dialog->reject(); });
    manager.OnChangeModulkonfig();

    EXPECT_EQ(doc.parametersatz(), before);
    EXPECT_FALSE(doc.isModified());
    // The command comes first, its dialog after it.
    const QStringList entries = t.logEntries();
    const qsizetype properties = entries.indexOf("CHVXDoc::OnDateiEigenschaften");
    const qsizetype change = entries.indexOf("CHVXDoc::OnHvxBearbeitenChangeModulkonfig");
    ASSERT_GE(properties, 0);
    ASSERT_GE(change, 0);
    EXPECT_LT(properties, entries.indexOf("CHvxFileEigenschaften::OnInitDialog"));
    EXPECT_LT(change, entries.indexOf("CHvxNeuDlg::OnInitDialog"));
}

TEST_F(DocumentCommands, NewIsLoggedBeforeItsDialog)
{
    whenModal<CHvxNeuDlg>([](CHvxNeuDlg* dialog) { dialog->reject(); });
    manager.OnFileNew();
    // The fixture's own New comes first; the command's entry is the last one.
    const QStringList entries = t.logEntries();
    const qsizetype dialog = entries.indexOf("CHvxNeuDlg::OnInitDialog");
    ASSERT_GE(dialog, 0);
    EXPECT_LT(entries.lastIndexOf("CHVXDoc::OnNewDocument"), dialog);
    EXPECT_EQ(entries.count("CHVXDoc::OnNewDocument"), 2);
}

TEST_F(DocumentCommands, VersionAdaptationConvertsAndSavesUnderTheChosenName)
{
    whenModal<CVersionAnpassenDlg>([](CVersionAnpassenDlg* dialog) {
        EXPECT_EQ(dialog->newVersionList()->currentText(), "Revision K 54");
        EXPECT_EQ(dialog->newVersionList()->count(), 4);
        choose(dialog->newVersionList(), "Revision K 51");
        dialog->okButton()->click();
    });
    const QString path = t.filePath("k51.hxd");
    t.ui().answerFileChoice(path);
    manager.OnVersionAnpassen();
    EXPECT_EQ(doc.parametersatz().geraetekennung(), 0x10);
    EXPECT_EQ(doc.pathName(), path);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(t.ui().questions().constFirst().file.title, "Speichern unter");
}

TEST_F(DocumentCommands, VersionAdaptationPreselectsTheCurrentRevisionOrNothing)
{
    // Every revision has its own entry preselected; a byte 0 of no revision preselects nothing
    // and OK waits for a choice. OK alone never converts anything.
    QList<quint8> values;
    for (const hvx::Revision& revision : hvx::revisionen())
        values.append(revision.geraetekennung);
    values << 0x18 << 0x50;
    for (const quint8 value : values) {
        const QString text = hvx::revisionText(value);
        CVersionAnpassenDlg dialog(value);
        QComboBox* list = dialog.newVersionList();
        const auto context = QStringLiteral("byte 0 = 0x%1").arg(value, 2, 16, QLatin1Char('0')).toStdString();
        for (int i = 0; i < list->count(); ++i)
            EXPECT_EQ(list->itemData(i).toUInt() >> 4, value >> 4u) << context << ": the variant's revisions only";
        if (text.isEmpty()) {
            EXPECT_EQ(list->currentIndex(), -1) << context;
            EXPECT_FALSE(dialog.okButton()->isEnabled()) << context;
            list->setCurrentIndex(0);
            EXPECT_TRUE(dialog.okButton()->isEnabled()) << context;
            continue;
        }
        EXPECT_EQ(list->currentText(), text) << context;
        EXPECT_EQ(dialog.target(), value) << context;
        EXPECT_TRUE(dialog.okButton()->isEnabled()) << context;
    }

    // The document of "Revision K 54 (E, I, S)": OK at once keeps its revision and its settings.
    doc.parametersatz().setGeraetekennung(0x1B);
    const hvx::Parametersatz before = doc.parametersatz();
    whenModal<CVersionAnpassenDlg>([](CVersionAnpassenDlg* dialog) { dialog->okButton()->click(); });
    t.ui().answerFileChoice(t.filePath("k54eis.hxd"));
    manager.OnVersionAnpassen();
    EXPECT_EQ(doc.parametersatz(), before);
}

TEST_F(DocumentCommands, CancelledSaveAsAfterAdaptationKeepsTheChangeMarkedUnsaved)
{
    whenModal<CVersionAnpassenDlg>([](CVersionAnpassenDlg* dialog) {
        choose(dialog->newVersionList(), "Revision K 52");
        dialog->okButton()->click();
    });
    t.ui().answerFileChoice(std::nullopt);
    manager.OnVersionAnpassen();
    EXPECT_EQ(doc.parametersatz().geraetekennung(), 0x11);
    EXPECT_TRUE(doc.isModified());
}

TEST_F(DocumentCommands, SavingOverAFileChangedElsewhereCanGoUnderANewNameInTheRecentList)
{
    const QString path = t.filePath("anlage.hxd");
    t.ui().answerFileChoice(path);
    ASSERT_TRUE(manager.OnFileSave());
    CHVXDoc other; // another window, or hvxcli, saves the same file
    ASSERT_TRUE(other.OnOpenDocument(path));
    ASSERT_TRUE(other.SetProperties({"fremd", {}, {}, {}}));
    ASSERT_TRUE(other.DoSave(path));

    doc.parametersatz().setByte(520, 77);
    doc.setModifiedFlag(true);
    const QString mine = t.filePath("anlage-meine.hxd");
    t.ui().answerMessageBox(hvx::IDYES, path).answerFileChoice(mine);
    ASSERT_TRUE(manager.OnFileSave());
    EXPECT_EQ(doc.pathName(), mine);
    EXPECT_EQ(manager.RecentFiles().constFirst(), mine);
    EXPECT_FALSE(doc.isModified());
    CHVXDoc kept;
    ASSERT_TRUE(kept.OnOpenDocument(path));
    EXPECT_EQ(kept.infoTexts().seriennummer, "fremd");
}

TEST_F(DocumentCommands, RecentFilesKeepFourNewestFirstWithoutDuplicates)
{
    for (const char* name : {"a.hxd", "b.hxd", "c.hxd", "d.hxd", "b.hxd", "e.hxd"})
        manager.AddToRecentFileList(t.filePath(QLatin1String(name)));
    EXPECT_EQ(manager.RecentFiles(), (QStringList{t.filePath("e.hxd"), t.filePath("b.hxd"), t.filePath("d.hxd"),
                                                  t.filePath("c.hxd")}));
    CMainFrame other;
    CHVXDoc otherDoc;
    CHvxDocManager reread(otherDoc, other);
    EXPECT_EQ(reread.RecentFiles(), manager.RecentFiles());
}

TEST_F(DocumentCommands, EditingCommandsNeedAParameterSetAndAccess)
{
    manager.RegisterCommands();
    frame.UpdateCommandStates();
    EXPECT_TRUE(frame.CommandAction(hvx::cmd::kChangeModuleConfig)->isEnabled());
    doc.setAccessGranted(0);
    frame.UpdateCommandStates();
    EXPECT_FALSE(frame.CommandAction(hvx::cmd::kChangeModuleConfig)->isEnabled());
    EXPECT_FALSE(frame.CommandAction(hvx::cmd::kVersionAdaptation)->isEnabled());
    EXPECT_TRUE(frame.CommandAction(hvx::cmd::kFileProperties)->isEnabled());
    CHVXDoc empty;
    CMainFrame emptyFrame;
    CHvxDocManager emptyManager(empty, emptyFrame);
    emptyManager.RegisterCommands();
    EXPECT_FALSE(emptyFrame.CommandAction(hvx::cmd::kFileSave)->isEnabled());
    EXPECT_TRUE(emptyFrame.CommandAction(hvx::cmd::kFileNew)->isEnabled());
}

} // namespace
