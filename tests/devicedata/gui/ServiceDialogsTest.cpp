// The hex dump and service dialogs against the simulated instrument inside the test (COM1 = sim),
// driven through their controls as the technician does.
#include "devicedata/gui/HexDumpDlg.h"
#include "devicedata/gui/HexEdit.h"
#include "devicedata/gui/ServiceDlg.h"

#include "../../editing/gui/EditingViewFixture.h"
#include "InProcessSimulator.h"
#include "Instrument.h"
#include "app/gui/CommandIds.h"
#include "base/gui/DialogTexts.h"
#include "app/gui/HvxDocManager.h"
#include "app/gui/MainFrame.h"
#include "app/gui/RemoteCommands.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

using hvx::test::TestApp;

namespace {

class ServiceDialogs : public ::testing::Test {
protected:
    ServiceDialogs()
    {
        hvx::test::editingGuiApp();
        hvxsim::RegisterInProcessSimulator();
        hvxsim::ResetInProcessInstrument();
        CHVXApp& app = t.app();
        app.WriteProfileString("Ports", "COM1", "sim");
        app.WriteProfileInt("Simulator", "Alarms", 0);
        app.m_nPort = 0;
        app.m_strWorkDir = t.dir();
        instrument = hvxsim::InProcessInstrument(nullptr);
        instrument->ModifyState([](hvxsim::InstrumentState& state) {
            for (size_t i = 0; i < state.eeprom.size(); ++i)
                state.eeprom[i] = quint8(i ^ 0x5A);
        });
    }
    ~ServiceDialogs() override { hvxsim::ResetInProcessInstrument(); }

    static void pressEnter(QWidget* widget)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
    }

    TestApp t;
    std::shared_ptr<hvxsim::Instrument> instrument;
};

} // namespace

TEST_F(ServiceDialogs, HexDumpReadsTheSelectionOnlyAndShowsFFElsewhere)
{
    CHexDumpDlg dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Hex-Dump"));
    dialog.hexEdit()->setSelection(0x100, 0x110);
    static_cast<QPushButton*>(hvx::gui::FindCtrl(&dialog, CHexDumpDlg::kIdLesen))->click();
    const auto eeprom = instrument->State().eeprom;
    for (int i = 0; i < 2048; ++i)
        ASSERT_EQ(dialog.image()[size_t(i)], i >= 0x100 && i < 0x110 ? eeprom[size_t(i)] : 0xFF) << i;
    EXPECT_EQ(dialog.hexEdit()->highlight(), std::make_pair(0x100, 0x110));
}

TEST_F(ServiceDialogs, HexDumpWritesEditedBytesAfterTheQuestionAndSavesTheImage)
{
    CHexDumpDlg dialog;
    dialog.show();
    dialog.hexEdit()->setCaret(0x40);
    QKeyEvent a(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QKeyEvent seven(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
    QApplication::sendEvent(dialog.hexEdit(), &a);
    QApplication::sendEvent(dialog.hexEdit(), &seven);
    dialog.hexEdit()->setSelection(0x40, 0x41);
    t.ui().answerMessageBox(hvx::IDYES, QStringLiteral("send 1 Bytes"));
    t.ui().answerMessageBox(hvx::IDOK, QStringLiteral("EEPROM geschrieben.\nBytes: 1\nDauer: "));
    dialog.OnEepromSchreiben();
    EXPECT_TRUE(t.ui().messageTexts().constLast().endsWith(QStringLiteral(" s")));
    EXPECT_EQ(instrument->State().eeprom[0x40], 0xA7);
    EXPECT_EQ(instrument->State().eeprom[0x41], 0x41 ^ 0x5A);

    const QString path = t.filePath(QStringLiteral("bild.hxp"));
    t.ui().answerFileChoice(path);
    dialog.OnEepromSpeichern();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readLine(), QByteArray("0000: FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF\r\n"));
    const auto choice = t.ui().questions().constLast().file;
    EXPECT_EQ(choice.extension, QStringLiteral("hxp"));
}

TEST_F(ServiceDialogs, HexDumpLoadsTenLinesOverTheImage)
{
    const QString path = t.filePath(QStringLiteral("zehn.hxp"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (int line = 0; line < 10; ++line)
        file.write(QStringLiteral("%1: 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F\r\n").arg(line * 16, 4, 16, QLatin1Char('0')).toLatin1());
    file.close();
    CHexDumpDlg dialog;
    t.ui().answerFileChoice(path);
    dialog.OnEepromLaden();
    EXPECT_EQ(dialog.image()[159], 0x0F);
    EXPECT_EQ(dialog.image()[160], 0xFF);
    EXPECT_EQ(dialog.hexEdit()->data(), dialog.image().data());
}

TEST_F(ServiceDialogs, EnterInTheCommandFieldSendsItAndTheExchangeIsLogged)
{
    CServiceDlg dialog;
    dialog.show();
    dialog.activateWindow();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("HVX Service"));
    dialog.sendeZeichen()->setFocus();
    dialog.sendeZeichen()->setText(QStringLiteral("1B"));
    pressEnter(dialog.sendeZeichen());
    ASSERT_EQ(dialog.log()->count(), 3);
    EXPECT_EQ(dialog.log()->item(0)->text(), QStringLiteral("0x1b "));
    EXPECT_EQ(dialog.log()->item(1)->text(), QStringLiteral("0x3f "));
    EXPECT_EQ(dialog.log()->item(2)->text(), QStringLiteral("Empfangene Bytes: 1"));
    EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open";

    for (const char* field : {"", "1B2"}) {
        dialog.sendeZeichen()->setText(QString::fromLatin1(field));
        pressEnter(dialog.sendeZeichen());
    }
    EXPECT_EQ(dialog.log()->count(), 3) << "an empty or three-character field sends nothing";
}

TEST_F(ServiceDialogs, OkWritesTheBlockEntryAndStaysOpen)
{
    CServiceDlg dialog;
    dialog.show();
    dialog.nr()->setText(QStringLiteral("3"));
    dialog.id()->setText(QStringLiteral("7"));
    dialog.wert()->setText(QStringLiteral("1.5"));
    dialog.wert()->setFocus();
    t.ui().answerMessageBox(hvx::IDOK, QStringLiteral("Eintrag 3 des Serviceblocks geschrieben."));
    dialog.okButton()->click();
    EXPECT_EQ(t.ui().messageTexts().size(), 1);
    const auto block = instrument->State().serviceBlock;
    EXPECT_EQ(block[18], 0x3F);
    EXPECT_EQ(block[19], 0xC0);
    EXPECT_EQ(block[23], 0x07);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.log()->count(), 0);
}

TEST_F(ServiceDialogs, EnglishTextsComeFromTheLanguageFiles)
{
    t.app().SetLanguage(QStringLiteral("02-English"));
    CServiceDlg service;
    service.show();
    EXPECT_EQ(static_cast<QPushButton*>(hvx::gui::FindCtrl(&service, CServiceDlg::kIdSenden))->text(), QStringLiteral("Send"));
    CHexDumpDlg hexDump;
    hexDump.show();
    EXPECT_EQ(hexDump.windowTitle(), QStringLiteral("Hex dump"));
    EXPECT_EQ(static_cast<QPushButton*>(hvx::gui::FindCtrl(&hexDump, CHexDumpDlg::kIdLesen))->text(), QStringLiteral("Read EEPROM"));
}

TEST_F(ServiceDialogs, InServiceModeTheOverwritingTransferOpensTheServiceDialog)
{
    CHVXDoc doc;
    CMainFrame frame;
    CHvxDocManager manager{doc, frame};
    hvx::gui::RegisterRemoteCommands(frame, manager);
    t.app().m_bService = true;
    bool opened = false;
    QTimer::singleShot(0, [&opened] {
        if (auto* dialog = qobject_cast<CServiceDlg*>(QApplication::activeModalWidget())) {
            opened = true;
            dialog->reject();
        }
    });
    ASSERT_TRUE(frame.RunCommand(hvx::cmd::kTransferParameters));
    EXPECT_TRUE(opened);
    t.app().m_bService = false;
}

TEST_F(ServiceDialogs, AltHInTheEditingViewOpensTheHexDumpOnlyInServiceMode)
{
    CHVXView view;
    QShortcut* altH = nullptr;
    for (QShortcut* shortcut : view.findChildren<QShortcut*>()) {
        if (shortcut->key() == QKeySequence(Qt::ALT | Qt::Key_H))
            altH = shortcut;
    }
    ASSERT_NE(altH, nullptr);
    int opened = 0;
    const auto closeHexDump = [&opened] {
        if (auto* dialog = qobject_cast<CHexDumpDlg*>(QApplication::activeModalWidget())) {
            ++opened;
            dialog->reject();
        }
    };
    QTimer::singleShot(0, closeHexDump);
    Q_EMIT altH->activated();
    EXPECT_EQ(opened, 0) << "not outside service mode";
    t.app().m_bService = true;
    QTimer::singleShot(0, closeHexDump);
    Q_EMIT altH->activated();
    EXPECT_EQ(opened, 1);
    t.app().m_bService = false;
}
