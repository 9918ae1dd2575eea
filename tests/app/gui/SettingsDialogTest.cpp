// The settings dialog and the about box in the window: tab changes, OK and Cancel, the folder
// chooser, path compaction in a real field, and the support file from the icon.
#include "GuiTestSupport.h"

#include "app/AboutInfo.h"
#include "app/SupportSending.h"
#include "app/gui/AboutDlg.h"
#include "app/gui/DruckOptionenDlg.h"
#include "app/gui/EinstellungenDlg.h"
#include "app/gui/FolderBrowser.h"
#include "app/gui/HvxGuiApp.h"
#include "app/gui/HvxLogOptDlg.h"
#include "app/gui/HvxVerzeichnisDlg.h"
#include "support/TestApp.h"

#include "hvx_version.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using hvx::test::TestApp;

namespace {

class SettingsDialog : public ::testing::Test {
protected:
    SettingsDialog()
    {
        hvx::gui::SetFolderBrowser([this](QWidget*, const QString& title, const QString& initial) -> std::optional<QString> {
            browsed.append({title, initial});
            return chosenFolder;
        });
    }
    ~SettingsDialog() override
    {
        hvx::gui::SetFolderBrowser({});
        hvx::test::closeModalDialogs();
    }

    QVariant stored(const QString& key) const { return QSettings(t.settingsPath(), QSettings::IniFormat).value(key); }

    TestApp t;
    std::optional<QString> chosenFolder;
    QList<QPair<QString, QString>> browsed;
};

} // namespace

TEST_F(SettingsDialog, InvalidIndentKeepsTheDialogOpenButTheChangedWorkDirectoryIsStored)
{
    t.app().WriteProfileString(QStringLiteral("Environment"), QStringLiteral("WorkDir"), QStringLiteral("/alt"));
    CEinstellungenDlg dialog;
    dialog.show();
    EXPECT_EQ(dialog.tabs()->tabText(0), QStringLiteral("Verzeichnisse"));
    EXPECT_EQ(dialog.tabs()->tabText(2), QStringLiteral("Logbuch"));

    chosenFolder = QStringLiteral("/srv/anlagen");
    dialog.directoriesPage()->field(0)->browseButton()->click();
    ASSERT_EQ(browsed.size(), 1);
    EXPECT_EQ(browsed[0].first, QStringLiteral("Arbeitsverzeichnis aussuchen"));
    EXPECT_EQ(browsed[0].second, QStringLiteral("/alt"));
    EXPECT_EQ(stored(QStringLiteral("Environment/WorkDir")).toString(), QStringLiteral("/alt")); // not before OK

    dialog.printPage()->field(3)->setText(QStringLiteral("2x0"));
    dialog.printPage()->field(0)->setText(QStringLiteral("150"));
    t.ui().answerMessageBox(hvx::IDOK, QStringLiteral("ganze Zahl"));
    dialog.okButton()->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(stored(QStringLiteral("Environment/WorkDir")).toString(), QStringLiteral("/srv/anlagen"));
    EXPECT_TRUE(dialog.directoriesStored());
    EXPECT_EQ(stored(QStringLiteral("Print/Left")).toInt(), 100); // the print page stored nothing
    EXPECT_EQ(stored(QStringLiteral("System/LogLevel")).toInt(), 1); // the valid log page was stored
    EXPECT_EQ(dialog.tabs()->currentIndex(), 1); // the page to correct is shown
    EXPECT_TRUE(dialog.printPage()->isEnabled());

    dialog.printPage()->field(3)->setText(QStringLiteral("250"));
    dialog.okButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(stored(QStringLiteral("Print/Indent2")).toInt(), 250);
    EXPECT_EQ(stored(QStringLiteral("Print/Left")).toInt(), 150);
    EXPECT_TRUE(t.logEntries().contains(QStringLiteral("CEinstellungenDlg::OnOK")));
}

TEST_F(SettingsDialog, ALeftPageWithAnInvalidEntryKeepsItsTab)
{
    CEinstellungenDlg dialog;
    dialog.show();
    dialog.tabs()->setCurrentIndex(1);
    ASSERT_EQ(dialog.tabs()->currentIndex(), 1);
    EXPECT_FALSE(dialog.directoriesPage()->isEnabled());
    EXPECT_TRUE(dialog.printPage()->isEnabled());

    dialog.printPage()->field(1)->setText(QStringLiteral("rechts"));
    t.ui().answerMessageBox(hvx::IDOK, QStringLiteral("ganze Zahl"));
    dialog.tabs()->setCurrentIndex(2);
    EXPECT_EQ(dialog.tabs()->currentIndex(), 1);
    EXPECT_FALSE(dialog.logPage()->isEnabled());

    dialog.printPage()->field(1)->setText(QStringLiteral("300"));
    dialog.tabs()->setCurrentIndex(2);
    EXPECT_EQ(dialog.tabs()->currentIndex(), 2);
    EXPECT_TRUE(dialog.logPage()->isEnabled());
    EXPECT_FALSE(dialog.printPage()->isEnabled());
    EXPECT_FALSE(stored(QStringLiteral("Print/Right")).toInt() == 300); // a tab change stores nothing
}

TEST_F(SettingsDialog, AChangedLogLevelIsStoredWhileTheRunningLogBookKeepsItsOwn)
{
    const int runningLevel = t.app().m_logFile.Level();
    const QString runningPath = t.app().m_logFile.Path();
    CEinstellungenDlg dialog;
    dialog.show();
    dialog.tabs()->setCurrentIndex(2);
    dialog.logPage()->levelList()->setCurrentIndex(0);
    chosenFolder = t.filePath(QStringLiteral("logs"));
    dialog.logPage()->directoryField()->browseButton()->click();
    EXPECT_EQ(browsed.at(0).first, QStringLiteral("Logbuch-Verzeichnis aussuchen"));
    dialog.okButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(stored(QStringLiteral("System/LogLevel")).toInt(), 0);
    EXPECT_EQ(stored(QStringLiteral("System/LogDir")).toString(), t.filePath(QStringLiteral("logs")));
    EXPECT_EQ(t.app().m_logFile.Level(), runningLevel);
    EXPECT_EQ(t.app().m_logFile.Path(), runningPath);
}

TEST_F(SettingsDialog, CancelStoresNothingAndACancelledChooserChangesNothing)
{
    t.app().WriteProfileString(QStringLiteral("Environment"), QStringLiteral("ExportDir"), QStringLiteral("/export"));
    CEinstellungenDlg dialog;
    dialog.show();
    chosenFolder.reset();
    dialog.directoriesPage()->field(2)->browseButton()->click();
    EXPECT_EQ(browsed.at(0).first, QStringLiteral("Export-Verzeichnis aussuchen"));
    EXPECT_EQ(dialog.directoriesPage()->field(2)->path(), QStringLiteral("/export"));
    chosenFolder = QStringLiteral("/neu");
    dialog.directoriesPage()->field(2)->browseButton()->click();
    dialog.printPage()->field(0)->setText(QStringLiteral("5"));
    dialog.cancelButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(stored(QStringLiteral("Environment/ExportDir")).toString(), QStringLiteral("/export"));
    EXPECT_FALSE(stored(QStringLiteral("Environment/WorkDir")).isValid());
    EXPECT_FALSE(stored(QStringLiteral("System/LogLevel")).isValid());
    EXPECT_EQ(stored(QStringLiteral("Print/Left")).toInt(), 100);
    EXPECT_FALSE(dialog.directoriesStored());
}

TEST_F(SettingsDialog, StandardSetsTheDefaultMargins)
{
    t.app().WriteProfileInt(QStringLiteral("Print"), QStringLiteral("Indent3"), 900);
    CDruckOptionenDlg page;
    page.initialise();
    EXPECT_EQ(page.field(4)->text(), QStringLiteral("900"));
    page.field(0)->setText(QStringLiteral("kaputt"));
    QPushButton* standard = page.findChild<QPushButton*>();
    ASSERT_NE(standard, nullptr);
    standard->click();
    QStringList shown;
    for (int index = 0; index < 5; ++index)
        shown << page.field(index)->text();
    EXPECT_EQ(shown, QStringList({"100", "200", "100", "200", "500"}));
}

TEST_F(SettingsDialog, ALongPathInANarrowFieldShowsItsShortenedFormAndTheFullPathWhenNothingFits)
{
    const QString path = QStringLiteral("/home/anna/Programme/Firma/Daten/Konfigurationen");
    t.app().WriteProfileString(QStringLiteral("Environment"), QStringLiteral("WorkDir"), path);
    CHvxVerzeichnisDlg page;
    QLineEdit* edit = page.field(0)->edit();
    const QFontMetrics metrics(edit->font());

    edit->setFixedWidth(metrics.horizontalAdvance(path) + 60);
    page.show();
    EXPECT_EQ(edit->text(), path);

    edit->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("/home/.../Daten/Konfigurationen")) + 30);
    QCoreApplication::processEvents();
    EXPECT_EQ(edit->text(), QStringLiteral("/home/.../Daten/Konfigurationen"));
    EXPECT_EQ(edit->toolTip(), path);
    // Read-only, and it looks so: the field has the window's colour, not that of an entry.
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_EQ(edit->palette().color(QPalette::Base), edit->palette().color(QPalette::Window));

    edit->setFixedWidth(20);
    QCoreApplication::processEvents();
    EXPECT_EQ(edit->text(), path);
    EXPECT_EQ(page.field(0)->path(), path);
}

TEST_F(SettingsDialog, EnglishTextsOnThePages)
{
    TestApp english(TestApp::Language::English);
    CEinstellungenDlg dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Settings"));
    EXPECT_EQ(dialog.tabs()->tabText(1), QStringLiteral("Printing"));
    EXPECT_EQ(dialog.directoriesPage()->field(0)->browseButton()->text(), QStringLiteral("Change..."));
    EXPECT_EQ(dialog.cancelButton()->text(), QStringLiteral("Cancel"));
}

TEST_F(SettingsDialog, TheSettingsCommandPutsStoredDirectoriesIntoEffectAtOnce)
{
    t.app().m_strWorkDir = QStringLiteral("/alt");
    hvx::gui::CHvxGuiApp gui(t.app());
    chosenFolder = QStringLiteral("/srv/neu");
    hvx::test::whenModal<CEinstellungenDlg>([](CEinstellungenDlg* dialog) {
        dialog->directoriesPage()->field(0)->browseButton()->click();
        dialog->okButton()->click();
    });
    gui.OnSettings();
    EXPECT_EQ(t.app().m_strWorkDir, QStringLiteral("/srv/neu"));
    EXPECT_TRUE(t.logEntries().contains(QStringLiteral("CHVXApp::OnEinstellungen")));
}

TEST_F(SettingsDialog, DirectoriesStoredByAnOkThatStayedOpenTakeEffectAfterCancel)
{
    t.app().m_strExportDir = QStringLiteral("/alt");
    hvx::gui::CHvxGuiApp gui(t.app());
    chosenFolder = QStringLiteral("/srv/export");
    t.ui().answerMessageBox(hvx::IDOK, QStringLiteral("ganze Zahl"));
    hvx::test::whenModal<CEinstellungenDlg>([](CEinstellungenDlg* dialog) {
        dialog->directoriesPage()->field(2)->browseButton()->click();
        dialog->printPage()->field(0)->setText(QStringLiteral("x"));
        dialog->okButton()->click(); // stays open: the print page is invalid
        dialog->cancelButton()->click();
    });
    gui.OnSettings();
    EXPECT_EQ(t.app().m_strExportDir, QStringLiteral("/srv/export"));
}

namespace {

class RecordingMail : public hvx::IMailClient {
public:
    bool HasMailProgram() override { return true; }
    bool OpenMail(const hvx::SupportMail& mail) override
    {
        mails.append(mail);
        return true;
    }
    QList<hvx::SupportMail> mails;
};

} // namespace

TEST_F(SettingsDialog, AboutBoxShowsVersionAndBuildDateAndItsIconWritesTheSupportFile)
{
    QDir(t.dir()).mkpath(QStringLiteral("prog"));
    const QString programDir = t.app().m_strProgDir;
    t.app().m_strProgDir = t.filePath(QStringLiteral("prog"));
    RecordingMail mail;
    CAboutDlg dialog;
    dialog.setMailClient(&mail);
    dialog.show();
    const auto text = [&dialog](const char* name) {
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->text().contains(QLatin1String(name)))
                return label->text();
        }
        return QString();
    };
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Info über HVX"));
    EXPECT_EQ(text("HVX Version"), QStringLiteral("HVX Version ") + t.app().m_strVersion);
    EXPECT_EQ(text(hvx::BuildDateText().toLatin1().constData()), hvx::BuildDateText());
    EXPECT_FALSE(dialog.cancelButton()->isVisible());

    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(dialog.icon(), &release);
    ASSERT_EQ(mail.mails.size(), 1);
    const QString expected = t.filePath(QStringLiteral("prog/")) + QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))
        + QStringLiteral(".spt");
    EXPECT_EQ(mail.mails[0].attachment, expected);
    EXPECT_TRUE(mail.mails[0].body.contains(expected));
    EXPECT_TRUE(QFile::exists(expected));
    EXPECT_TRUE(t.logEntries().contains(QStringLiteral("CAboutDlg::OnAboutIcon")));
    t.app().m_strProgDir = programDir;
}

TEST(HvxVersion, TheProgramShowsItsVersionWithoutADisplay)
{
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("hvx.ini"));
    hvx::test::writeTextFile(settings, QStringLiteral("[System]\nLanguage=02-English\n"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HVX_SETTINGS"), settings);
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QProcess hvx;
    hvx.setProcessEnvironment(environment);
    hvx.start(QStringLiteral(HVX_TEST_BIN_DIR "/hvx"), {QStringLiteral("--version")});
    ASSERT_TRUE(hvx.waitForFinished(10000));
    EXPECT_EQ(hvx.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(hvx.readAllStandardOutput()).trimmed().split(u'\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("HVX version " HVX_VERSION_TEXT));
    EXPECT_TRUE(QLocale::c().toDate(lines[2].simplified(), QStringLiteral("MMM d yyyy")).isValid()) << lines[2].toStdString();
    EXPECT_EQ(lines[2], hvx::BuildDateText());
}
