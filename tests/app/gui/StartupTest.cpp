// Start-up of the window: the entry dialog and its three choices, a file named on the command
// line, the language switch with and without a configuration, the save prompt, and the
// single-instance rule with the real program started twice.
#include "GuiTestSupport.h"

#include "app/gui/CommandIds.h"
#include "base/gui/DialogTexts.h"
#include "app/gui/EinstiegDlg.h"
#include "app/gui/HvxGuiApp.h"
#include "app/gui/MainFrame.h"
#include "editing/gui/HVXTabCtrl.h"
#include "app/gui/HvxDocManager.h"
#include "document/gui/HvxNeuDlg.h"
#include "editing/gui/HVXView.h"
#include "support/TestApp.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using hvx::test::TestApp;
using hvx::test::whenModal;
using hvx::gui::CHvxGuiApp;
namespace cmd = hvx::cmd;

namespace {

class Startup : public ::testing::Test {
protected:
    Startup()
    {
        t.app().WriteProfileString("System", "LogDir", t.dir());
        t.app().WriteProfileInt("Options", "Titletime", 0);
        t.app().WriteProfileString("Environment", "WorkDir", t.dir());
        t.app().WriteProfileString("Environment", "BackupDir", t.dir());
        gui.UseInteraction(&t.ui());
    }
    ~Startup() override { hvx::test::closeModalDialogs(); }

    // A configuration file of revision K 54 with a pH module in slot 1.
    QString savedConfiguration(const QString& name)
    {
        CHVXDoc doc;
        doc.OnNewDocument(NeueKonfiguration{0x13, {hvx::ModulWahl{1, 3}, hvx::ModulWahl{}, hvx::ModulWahl{}}});
        const QString path = t.filePath(name);
        EXPECT_TRUE(doc.DoSave(path));
        return path;
    }

    void entryChoice(int choice)
    {
        gui.SetEntryDialogRunner([choice](CEinstiegDlg& dialog) {
            dialog.show();
            dialog.setChoice(choice);
            dialog.accept();
            return dialog.result();
        });
    }

    // The first field of the page shown that takes typing.
    QLineEdit* firstEditableField() const
    {
        for (QLineEdit* edit : gui.view()->findChildren<QLineEdit*>()) {
            if (edit->isVisible() && edit->isEnabled() && !edit->isReadOnly())
                return edit;
        }
        return nullptr;
    }

    int viewUpdates() const { return m_updates; }
    void countViewUpdates()
    {
        QObject::connect(&gui.document(), &CHVXDoc::updateAllViews, [this](int) { ++m_updates; });
    }

    TestApp t;
    CHvxGuiApp gui{t.app()};
    int m_updates = 0;
};

TEST_F(Startup, FirstChoiceRunsFileNewWithTheNewConfigurationDialog)
{
    entryChoice(CEinstiegDlg::NewConfiguration);
    whenModal<CHvxNeuDlg>([](CHvxNeuDlg* dialog) {
        dialog->moduleList(0)->setCurrentIndex(dialog->moduleList(0)->findText("pH"));
        dialog->okButton()->click();
    });
    ASSERT_EQ(gui.InitInstance({}), CHvxGuiApp::Start::Run);
    EXPECT_EQ(t.app().m_nStartChoice, 0);
    EXPECT_EQ(gui.document().parametersatz().modultyp(0), 1);
    EXPECT_EQ(gui.document().moduleCount(), 1);
    EXPECT_EQ(gui.frame()->windowTitle(), QStringLiteral("HVX %1 - Hydrov[*]").arg(gui.frame()->m_strShortVersion));
    const QStringList entries = t.logEntries();
    EXPECT_TRUE(entries.contains("Anwendung gestartet"));
    EXPECT_TRUE(entries.contains("CEinstiegDlg::OnInitDialog"));
    EXPECT_TRUE(entries.contains("CEinstiegDlg::OnOK"));
    EXPECT_TRUE(entries.contains("CHvxNeuDlg::OnOK"));
}

TEST_F(Startup, SecondChoiceOpensTheChosenFileFromTheWorkingDirectory)
{
    const QString path = savedConfiguration("anlage.hxd");
    t.ui().answerFileChoice(path);
    entryChoice(CEinstiegDlg::OpenFile);
    ASSERT_EQ(gui.InitInstance({}), CHvxGuiApp::Start::Run);
    ASSERT_EQ(t.ui().questions().size(), 1);
    const hvx::FileChoice asked = t.ui().questions().constFirst().file;
    EXPECT_TRUE(asked.open);
    EXPECT_EQ(asked.title, "Öffnen");
    EXPECT_EQ(asked.directory, t.dir());
    EXPECT_EQ(asked.extension, "hxd");
    EXPECT_EQ(gui.document().pathName(), path);
    EXPECT_TRUE(gui.frame()->windowTitle().endsWith(" - anlage.hxd[*]"));
    EXPECT_EQ(gui.docManager()->RecentFiles(), QStringList{path});
    EXPECT_EQ(t.app().GetStringSetting("Recent File List", "File1", QString()), path);
}

TEST_F(Startup, ThirdChoiceSendsTheReadCommand)
{
    bool offered = false;
    bool read = false;
    gui.SetEntryDialogRunner([&](CEinstiegDlg& dialog) {
        dialog.show();
        offered = hvx::gui::FindCtrl(&dialog, 1230)->isEnabled();
        gui.frame()->RegisterCommand(cmd::kReadParameters, [&read] { read = true; });
        dialog.setChoice(CEinstiegDlg::ReadFromInstrument);
        dialog.accept();
        return dialog.result();
    });
    ASSERT_EQ(gui.InitInstance({}), CHvxGuiApp::Start::Run);
    EXPECT_TRUE(offered);
    EXPECT_EQ(t.app().m_nStartChoice, 2);
    EXPECT_TRUE(read);
}

TEST_F(Startup, CancellingTheEntryDialogEndsTheProgram)
{
    gui.SetEntryDialogRunner([](CEinstiegDlg& dialog) {
        dialog.show();
        dialog.reject();
        return dialog.result();
    });
    ASSERT_EQ(gui.InitInstance({}), CHvxGuiApp::Start::Exit);
    EXPECT_FALSE(gui.frame()->isVisible());
    EXPECT_EQ(gui.ExitInstance(0), 0);
    const QStringList entries = t.logEntries();
    EXPECT_FALSE(entries.contains("CEinstiegDlg::OnOK"));
    EXPECT_EQ(entries.constLast(), "Anwendung geschlossen");
}

TEST_F(Startup, FileOnTheCommandLineIsOpenedWithoutTheEntryDialog)
{
    const QString path = savedConfiguration("kommandozeile.hxd");
    gui.SetEntryDialogRunner([](CEinstiegDlg&) {
        ADD_FAILURE() << "no entry dialog with a file on the command line";
        return int(QDialog::Rejected);
    });
    countViewUpdates();
    ASSERT_EQ(gui.InitInstance({"/Port:3", path}), CHvxGuiApp::Start::Run);
    EXPECT_EQ(gui.document().pathName(), path);
    EXPECT_EQ(t.app().m_nPort, 3);
    EXPECT_EQ(viewUpdates(), 1); // opened by the program: one refresh once the window is up
    EXPECT_EQ(gui.frame()->size(), QSize(690, 580));
}

TEST_F(Startup, FileOnTheCommandLineThatCannotBeOpenedFailsTheStart)
{
    t.ui().answerMessageBox(hvx::IDOK, "fehlt.hxd");
    EXPECT_EQ(gui.InitInstance({t.filePath("fehlt.hxd")}), CHvxGuiApp::Start::Failed);
    EXPECT_FALSE(QFile::exists(t.filePath("fehlt.hxd"))); // not created by trying to open it
    EXPECT_EQ(gui.ExitInstance(0), 1); // the configuration file's area
}

TEST_F(Startup, LanguageSwitchUpdatesMenuAlwaysAndThePagesOfALoadedConfiguration)
{
    entryChoice(CEinstiegDlg::NewConfiguration);
    whenModal<CHvxNeuDlg>([](CHvxNeuDlg* dialog) { dialog->reject(); });
    ASSERT_EQ(gui.InitInstance({}), CHvxGuiApp::Start::Run);
    ASSERT_EQ(gui.document().parametersatz().geraetekennung(), 0);
    countViewUpdates();
    gui.frame()->OnLanguage(cmd::kLanguageFirst + 1);
    EXPECT_EQ(viewUpdates(), 0);
    EXPECT_EQ(gui.frame()->menuBar()->actions().constFirst()->text(), "&File");

    gui.document().OnNewDocument(NeueKonfiguration{0x13, {hvx::ModulWahl{1, 3}, hvx::ModulWahl{}, hvx::ModulWahl{}}});
    auto pageTexts = [this] {
        QStringList texts;
        for (const QLabel* label : gui.view()->findChildren<QLabel*>())
            texts.append(label->text());
        return texts;
    };
    const QStringList english = pageTexts();
    gui.frame()->OnLanguage(cmd::kLanguageFirst);
    EXPECT_EQ(gui.frame()->menuBar()->actions().constFirst()->text(), "&Datei");
    EXPECT_NE(pageTexts(), english);
}

TEST_F(Startup, ModifiedDocumentIsOfferedForSavingBeforeNew)
{
    const QString path = savedConfiguration("geaendert.hxd");
    ASSERT_EQ(gui.InitInstance({path}), CHvxGuiApp::Start::Run);
    gui.document().setModifiedFlag(true);

    t.ui().answerMessageBox(hvx::IDCANCEL, "geaendert.hxd");
    EXPECT_TRUE(gui.frame()->RunCommand(cmd::kFileNew));
    EXPECT_EQ(gui.document().pathName(), path);
    EXPECT_TRUE(gui.document().isModified());

    t.ui().answerMessageBox(hvx::IDNO, "geaendert.hxd");
    whenModal<CHvxNeuDlg>([](CHvxNeuDlg* dialog) { dialog->reject(); });
    EXPECT_TRUE(gui.frame()->RunCommand(cmd::kFileNew));
    EXPECT_TRUE(gui.document().pathName().isEmpty());
    EXPECT_FALSE(gui.document().isModified());
}

TEST_F(Startup, ClosingWithAnInvalidNumberOnAPageKeepsTheWindowAndShowsTheError)
{
    const QString path = savedConfiguration("ungueltig.hxd");
    ASSERT_EQ(gui.InitInstance({path}), CHvxGuiApp::Start::Run);
    QApplication::setActiveWindow(gui.frame());
    QLineEdit* field = firstEditableField();
    ASSERT_NE(field, nullptr);
    field->setFocus();
    field->setText("abc");
    EXPECT_FALSE(gui.frame()->close());
    EXPECT_TRUE(gui.frame()->isVisible());
    ASSERT_TRUE(gui.frame()->PendingError().has_value());
    EXPECT_FALSE(gui.frame()->PendingError()->message.isEmpty());
    EXPECT_EQ(gui.frame()->MessageText(), "Das Fenster bleibt offen, bis die Eingabe berichtigt ist: "
                                              + gui.frame()->PendingError()->message);
}

// A valid value typed into a field, without leaving it, must not be lost by New or by closing:
// the page stores it, the document becomes modified and the save question appears.
TEST_F(Startup, NewOrCloseRightAfterTypingAValidValueOffersToSaveIt)
{
    const QString path = savedConfiguration("getippt.hxd");
    ASSERT_EQ(gui.InitInstance({path}), CHvxGuiApp::Start::Run);
    QApplication::setActiveWindow(gui.frame());
    QLineEdit* field = firstEditableField();
    ASSERT_NE(field, nullptr);
    ASSERT_FALSE(gui.document().isModified());
    const QString before = field->text();
    field->setFocus();
    field->setText(before == QLatin1String("7") ? QStringLiteral("8") : QStringLiteral("7"));

    t.ui().answerMessageBox(hvx::IDCANCEL, "getippt.hxd");
    // Without the question, New would go on to its dialog: close it rather than hang.
    whenModal<CHvxNeuDlg>([](CHvxNeuDlg* dialog) { dialog->reject(); });
    EXPECT_TRUE(gui.frame()->RunCommand(cmd::kFileNew));
    EXPECT_TRUE(gui.document().isModified());
    EXPECT_EQ(gui.document().pathName(), path);
    EXPECT_EQ(t.ui().questions().size(), 1);

    t.ui().answerMessageBox(hvx::IDCANCEL, "getippt.hxd");
    EXPECT_FALSE(gui.frame()->close());
    EXPECT_EQ(t.ui().questions().size(), 2);
}

TEST_F(Startup, FilePromptsAnswerCancelUnseenWhileAnInputErrorIsPending)
{
    const QString path = savedConfiguration("fehler.hxd");
    ASSERT_EQ(gui.InitInstance({path}), CHvxGuiApp::Start::Run);
    gui.frame()->SetInputErrorSource([] { return std::optional<PendingInputError>({1, QStringLiteral("Fehler")}); });
    EXPECT_FALSE(gui.docManager()->PromptOpenFileName().has_value());
    EXPECT_FALSE(gui.docManager()->OnFileSaveAs());
    EXPECT_TRUE(t.ui().questions().isEmpty());
}

// The real program, started twice with the same settings: the second start brings the first
// forward and ends with exit status 0.
TEST(SingleInstance, SecondStartRaisesTheFirstAndEndsWithZero)
{
    QTemporaryDir dir;
    const QString settings = dir.filePath("hvx.ini");
    hvx::test::writeTextFile(settings, QStringLiteral("[System]\nLanguage=01-Deutsch\nLogDir=%1\n[Options]\nTitletime=0\n"
                                                      "[Environment]\nWorkDir=%1\nBackupDir=%1\n").arg(dir.path()));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HVX_SETTINGS", settings);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    const QString program = QStringLiteral(HVX_TEST_BIN_DIR "/hvx");

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(program, {});
    ASSERT_TRUE(first.waitForStarted());
    // The first instance is up once its entry dialog is logged.
    const QString logPath = dir.filePath(QDate::currentDate().toString("yyyyMMdd") + ".log");
    auto logText = [&logPath] {
        QFile log(logPath);
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    };
    for (int wait = 0; wait < 100 && !logText().contains("CEinstiegDlg::OnInitDialog"); ++wait)
        QThread::msleep(50);
    ASSERT_TRUE(logText().contains("CEinstiegDlg::OnInitDialog"));

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(program, {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    for (int wait = 0; wait < 100 && !logText().contains("CMainFrame::ActivateFrame"); ++wait)
        QThread::msleep(50);
    EXPECT_TRUE(logText().contains("CMainFrame::ActivateFrame"));
    EXPECT_EQ(logText().count("Anwendung gestartet"), 1);
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();
}

} // namespace

namespace {

TEST_F(Startup, TheWindowGrowsWithThePagesCentredAndKeepsItsSizeForTheNextStart)
{
    t.app().WriteProfileInt("Options", "FrameWidth", 760);
    t.app().WriteProfileInt("Options", "FrameHeight", 600);
    ASSERT_EQ(gui.InitInstance({savedConfiguration("anlage.hxd")}), CHvxGuiApp::Start::Run);
    CMainFrame* frame = gui.frame();
    EXPECT_EQ(frame->size(), QSize(760, 600));
    EXPECT_TRUE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
    QApplication::processEvents();
    QWidget* tabs = gui.view()->tabCtrl();
    const QSize designed = tabs->size();

    frame->resize(1100, 820);
    QApplication::processEvents();
    EXPECT_EQ(tabs->size(), designed) << "the pages keep their designed size";
    const QRect inView(tabs->mapTo(gui.view(), QPoint()), tabs->size());
    EXPECT_LE(std::abs(inView.center().x() - gui.view()->rect().center().x()), 1) << "and stand in the middle";

    EXPECT_TRUE(frame->close());
    EXPECT_EQ(t.app().GetIntSetting("Options", "FrameWidth", 0), 1100);
    EXPECT_EQ(t.app().GetIntSetting("Options", "FrameHeight", 0), 820);
}

} // namespace
