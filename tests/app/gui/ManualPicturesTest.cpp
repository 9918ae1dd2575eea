// The pictures of the user manuals: every window the manual shows, taken in both languages from
// the running program with a sample configuration and the simulated instrument. Runs only when
// HVX_PICTURES_DIR names the language folders to write into (scripts/screenshots does this,
// under Xvfb with openbox); each picture goes to <folder>/pictures/<scene>.png.
#include "GuiTestSupport.h"

#include "app/gui/AboutDlg.h"
#include "app/gui/CommandIds.h"
#include "app/gui/EinstellungenDlg.h"
#include "app/gui/EinstiegDlg.h"
#include "app/gui/ExtComOptionsDlg.h"
#include "app/gui/GeraetevergleichDlg.h"
#include "app/gui/Help.h"
#include "app/gui/HelpWindow.h"
#include "app/gui/HvxComPortDlg.h"
#include "app/gui/HvxGuiApp.h"
#include "app/gui/MainFrame.h"
#include "base/gui/HvxZugangscodeDlg.h"
#include "devicedata/TextFile.h"
#include "devicedata/gui/AlarmDlg.h"
#include "devicedata/gui/HexDumpDlg.h"
#include "devicedata/gui/HexEdit.h"
#include "devicedata/gui/HydrovantDisplayCtrl.h"
#include "devicedata/gui/HvxMessdatenDlg.h"
#include "devicedata/gui/InstrumentInside.h"
#include "devicedata/gui/MessdatenAnzeigeDlg.h"
#include "devicedata/gui/ServiceDlg.h"
#include "document/gui/HvxFileEigenschaften.h"
#include "document/gui/HvxNeuDlg.h"
#include "document/gui/VersionAnpassenDlg.h"
#include "editing/Vergleich.h"
#include "editing/gui/HVXTabCtrl.h"
#include "editing/gui/HVXView.h"
#include "editing/gui/HvxModulParameter.h"
#include "model/Modulauswahl.h"
#include "model/ParametersatzLayout.h"
#include "model/Reglerart.h"
#include "output/gui/HvxPreviewView.h"
#include "support/TestApp.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include <cmath>

using hvx::test::TestApp;
using hvx::gui::CHvxGuiApp;

namespace {

QString picturesDir()
{
    return qEnvironmentVariable("HVX_PICTURES_DIR");
}

void settle(int ms)
{
    const QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// A configuration as a technician keeps it: revision, modules, controller kind of slot 1, texts.
QString sampleFile(TestApp& t, const QString& name, quint8 revision, std::initializer_list<quint8> types,
                   int controllerOfSlot1 = -1, const std::function<void(hvx::Parametersatz&)>& adjust = {})
{
    CHVXDoc doc;
    NeueKonfiguration choice{revision, {}};
    int slot = 0;
    for (const quint8 type : types) {
        choice.module[slot] = {type, hvx::anfangsReglertyp(type, revision >> 4)};
        ++slot;
    }
    doc.OnNewDocument(choice);
    if (controllerOfSlot1 >= 0)
        hvx::setzeReglerart(doc.parametersatz(), 0, controllerOfSlot1);
    if (adjust)
        adjust(doc.parametersatz());
    doc.SetProperties({QStringLiteral("HV-0815"), QStringLiteral("Stadtwerke Neustadt\r\nKlärwerk 2"),
                       QStringLiteral("Becken 3, Zulauf"), QStringLiteral("Inbetriebnahme 2026")});
    const QString path = t.filePath(name);
    EXPECT_TRUE(doc.DoSave(path));
    return path;
}

// A day of measured data every ten minutes, as a recording saves it.
QString sampleRecording(TestApp& t)
{
    QByteArray text;
    const QDateTime start(QDate(2026, 11, 24), QTime(6, 0));
    for (int i = 0; i < 144; ++i) {
        const QDateTime at = start.addSecs(600LL * i);
        const double x = i / 144.0 * 2 * M_PI;
        const QStringList fields{at.toString(QStringLiteral("dd.MM.yy HH:mm:ss")),
                                 QString::number(7.2 + 0.25 * std::sin(x), 'f', 2),
                                 QString::number(24.0 + 2.0 * std::sin(x - 1), 'f', 1), QStringLiteral("1"),
                                 QString::number(0.45 + 0.1 * std::cos(2 * x), 'f', 2),
                                 QString::number(24.0 + 2.0 * std::sin(x - 1), 'f', 1), QStringLiteral("1"),
                                 QString::number(650 + 40 * std::sin(x + 0.5), 'f', 0),
                                 QString::number(24.0 + 2.0 * std::sin(x - 1), 'f', 1), QStringLiteral("1"),
                                 QString::number(i % 8), QStringLiteral("0")};
        text += fields.join(u'\t').toLatin1() + "\r\n";
    }
    const QString path = t.filePath(QStringLiteral("kontrolle.dat"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return path;
}

class ManualPictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (picturesDir().isEmpty())
            GTEST_SKIP() << "HVX_PICTURES_DIR not set";
        hvx::test::guiApp();
    }
    void TearDown() override
    {
        hvx::gui::SetBrowserOpener({});
        hvx::test::closeModalDialogs();
        hvxsim::ResetInProcessInstrument();
    }

    // Runs every scene of one language and saves its pictures.
    void takeAll(TestApp::Language language);
    void takeWithConfiguration(TestApp& t, const QString& anlage);

    void save(QWidget* widget, const QString& scene)
    {
        settle(300);
        const QImage picture = widget->grab().toImage();
        ASSERT_FALSE(picture.isNull()) << scene.toStdString();
        const QDir dir(picturesDir() + u'/' + m_folder + QStringLiteral("/pictures"));
        ASSERT_TRUE(QDir().mkpath(dir.path()));
        ASSERT_TRUE(picture.save(dir.filePath(scene + QStringLiteral(".png")))) << scene.toStdString();
    }

    void dialog(QWidget* window, const QString& scene)
    {
        window->show();
        save(window, scene);
        window->hide();
    }

    QString m_folder;
};

void ManualPictures::takeAll(TestApp::Language language)
{
    TestApp t(language);
    m_folder = language == TestApp::Language::English ? QStringLiteral("02-English") : QStringLiteral("01-Deutsch");
    CHVXApp& app = t.app();
    app.WriteProfileInt("Options", "Titletime", 0);
    app.WriteProfileString("System", "LogDir", t.dir());
    for (const char* dir : {"WorkDir", "BackupDir", "ExportDir", "MessdatDir", "AlarmdatDir"})
        app.WriteProfileString("Environment", dir, QStringLiteral("/home/service/hvx"));
    hvx::test::UseInstrumentInside(t, "1,7,2", 2, 9);
    t.ui().allowUnusedAnswers();

    const QString anlage = sampleFile(t, QStringLiteral("anlage1.hxd"), 0x13, {1, 7, 2}, hvx::reglerart::kPid2);
    takeWithConfiguration(t, anlage);

    // The timer page of a variant-L instrument (one program runs at a time).
    // Entry 1 doses at 06:30 on Monday, Wednesday and Friday.
    const QString timer = sampleFile(t, QStringLiteral("anlage2.hxd"), 0x23, {1, 13}, -1, [](hvx::Parametersatz& ps) {
        namespace e = hvx::timereintrag;
        quint8* entry = ps.bytes().data() + hvx::layout::kModulblock + hvx::layout::kModulblockGroesse
                        + ps.timerEintragOffset(0);
        entry[e::kStundeBcd] = 0x06;
        entry[e::kMinuteBcd] = 0x30;
        entry[e::kDosierzeit + 1] = 20;
        entry[e::kEinwirkzeit + 1] = 45;
        entry[e::kAbsalzschwelle + 1] = 50;
        entry[e::kWochentage] = 0x15;
        entry[e::kVorumwaelzung] = 10;
        entry[e::kMaxVorumwaelzStarts] = 3;
    });
    CHvxGuiApp timerGui(app);
    timerGui.UseInteraction(&t.ui());
    ASSERT_EQ(timerGui.InitInstance({timer}), CHvxGuiApp::Start::Run);
    timerGui.view()->tabCtrl()->tabBar()->setCurrentIndex(2);
    save(timerGui.frame(), QStringLiteral("timer-page"));
    timerGui.frame()->close();
}

void ManualPictures::takeWithConfiguration(TestApp& t, const QString& anlage)
{
    CHvxGuiApp gui(t.app());
    gui.UseInteraction(&t.ui());
    ASSERT_EQ(gui.InitInstance({anlage}), CHvxGuiApp::Start::Run);
    // The settings name a technician's folders; the files of the pictures go to the test's folder.
    t.app().m_strAlarmdatDir = t.dir();
    t.app().m_strMessdatDir = t.dir();
    CMainFrame* frame = gui.frame();
    CHVXView* view = gui.view();

    // The editing view: the system page, then module 1's sub pages as the user clicks them.
    save(frame, QStringLiteral("main-window"));
    view->tabCtrl()->tabBar()->setCurrentIndex(1);
    CHVXTabCtrl* sub = view->modulePage(0)->tabCtrl();
    save(frame, QStringLiteral("module-configuration-page"));
    sub->tabBar()->setCurrentIndex(1);
    save(frame, QStringLiteral("measuring-ph"));
    sub->tabBar()->setCurrentIndex(2);
    save(frame, QStringLiteral("controller-pid-2"));

    // F1 on the controller page: the manual in the help window at the controller's topic.
    hvx::gui::SetBrowserOpener([](const QUrl&) { return false; });
    QShortcut* f1 = nullptr;
    for (QShortcut* key : frame->findChildren<QShortcut*>()) {
        if (key->key() == QKeySequence(Qt::Key_F1))
            f1 = key;
    }
    ASSERT_NE(f1, nullptr);
    Q_EMIT f1->activated();
    CHelpWindow* help = CHelpWindow::Current();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->source().fragment(), "controller-pid-2");
    save(help, QStringLiteral("help-window"));
    help->close();

    // The dialogs, each as it opens from its command.
    {
        CEinstiegDlg entry(frame);
        dialog(&entry, QStringLiteral("entry-dialog"));
    }
    {
        CHvxNeuDlg neu(frame);
        neu.show();
        neu.moduleList(0)->setCurrentIndex(neu.moduleList(0)->findText(QStringLiteral("pH")));
        neu.moduleList(1)->setCurrentIndex(2);
        save(&neu, QStringLiteral("new-configuration"));
        neu.hide();
    }
    {
        CHvxFileEigenschaften properties(gui.document().infoTexts(), true, frame);
        dialog(&properties, QStringLiteral("general-information"));
    }
    {
        CVersionAnpassenDlg version(0x13, frame);
        dialog(&version, QStringLiteral("version-adaptation"));
    }
    {
        CHvxZugangscodeDlg code(frame);
        dialog(&code, QStringLiteral("access-code"));
    }
    {
        hvx::gui::PortAccess ports{[] {
                                       return QList<hvx::PortEntry>{
                                           {QStringLiteral("COM1"), 0, QStringLiteral("/dev/ttyS0")},
                                           {QStringLiteral("COM33"), 32, QStringLiteral("/dev/ttyUSB0")}};
                                   },
                                   [](const QList<hvx::PortEntry>&) { return 1; }};
        CHvxComPortDlg select(32, ports, frame);
        dialog(&select, QStringLiteral("port-selection"));
    }
    {
        CExtComOptionsDlg extended(0, frame);
        dialog(&extended, QStringLiteral("extended-port-options"));
    }
    {
        hvx::Parametersatz geraet = gui.document().parametersatz();
        hvx::setzeReglerart(geraet, 0, hvx::reglerart::kSignalgeraet);
        geraet.bytes()[hvx::layout::kAlarmblock + 1] = 60;
        CGeraetevergleichDlg compare(hvx::vergleiche(geraet, gui.document().parametersatz()), QStringLiteral("anlage1.hxd"),
                                     true, true, frame);
        dialog(&compare, QStringLiteral("compare"));
    }
    {
        CAlarmDlg alarms(gui.document(), frame);
        alarms.show();
        alarms.OnFetch();
        save(&alarms, QStringLiteral("alarm-data"));
        t.ui().answerFileChoice(std::nullopt);
        alarms.reject();
    }
    {
        CHvxMessdatenDlg recording(frame);
        recording.show();
        recording.OnStart();
        settle(12000);
        // The instrument's alarm bit comes and goes with its lines (one every 2 s): the picture is
        // taken just after a line without it has come in.
        const auto alarm = [&recording] { return recording.display()->layout().alarm(); };
        for (int wait = 0; wait < 40 && !alarm(); ++wait)
            settle(100);
        for (int wait = 0; wait < 40 && alarm(); ++wait)
            settle(100);
        save(&recording, QStringLiteral("recording-measured-data"));
        t.ui().answerFileChoice(std::nullopt);
        recording.OnStop();
        recording.hide();
    }
    {
        const QString path = sampleRecording(t);
        CMessdatenAnzeigeDlg chart(path, hvx::LeseMessdaten(*hvx::ReadDataFile(path)), frame);
        dialog(&chart, QStringLiteral("measured-data-chart"));
    }
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        hvx::gui::CHvxPreviewView preview(gui.document(), printer, frame);
        preview.resize(760, 820);
        dialog(&preview, QStringLiteral("print-preview"));
    }
    {
        CEinstellungenDlg settings(frame);
        dialog(&settings, QStringLiteral("settings"));
    }
    {
        CAboutDlg about(frame);
        dialog(&about, QStringLiteral("about"));
    }
    {
        CServiceDlg service(frame);
        service.show();
        service.sendeZeichen()->setText(QStringLiteral("02"));
        service.OnSenden();
        save(&service, QStringLiteral("service-dialog"));
        service.hide();
    }
    {
        CHexDumpDlg hex(frame);
        hex.show();
        hex.hexEdit()->setSelection(0x300, 0x380);
        hex.OnEepromLesen();
        save(&hex, QStringLiteral("hex-dump"));
        hex.hide();
    }
    frame->close();
}

} // namespace

TEST_F(ManualPictures, GermanManual)
{
    takeAll(TestApp::Language::German);
}

TEST_F(ManualPictures, EnglishManual)
{
    takeAll(TestApp::Language::English);
}
