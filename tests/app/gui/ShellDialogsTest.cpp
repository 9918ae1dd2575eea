// The shell's dialogs and helpers: the port dialogs, the access code prompt through the window's
// interaction, dialog texts by control id, the title bitmap and the help.
#include "GuiTestSupport.h"

#include "base/gui/DialogTexts.h"
#include "app/gui/EinstiegDlg.h"
#include "app/gui/ExtComOptionsDlg.h"
#include "base/gui/GuiInteraction.h"
#include "app/gui/Help.h"
#include "app/gui/HvxComPortDlg.h"
#include "app/gui/QtTranslation.h"
#include "base/gui/HvxZugangscodeDlg.h"
#include "app/gui/TitleWnd.h"
#include "app/gui/TypedSpinBox.h"
#include "base/SettingsTable.h"
#include "link/SerialPortFactory.h"
#include "support/TestApp.h"

#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QElapsedTimer>
#include <gtest/gtest.h>

using hvx::test::TestApp;
using hvx::test::whenModal;

namespace {

// Ports that exist (1 = COM1) and those with an instrument.
hvx::gui::PortAccess fakePorts(QList<int> existing, QList<int> answering, QList<int>* asked = nullptr)
{
    hvx::gui::PortAccess access;
    access.openablePorts = [existing] {
        QList<hvx::PortEntry> ports;
        for (const int number : existing)
            ports.append({QStringLiteral("COM%1").arg(number), number - 1, hvx::PortDevice(number)});
        return ports;
    };
    access.searchInstrument = [answering, asked](const QList<hvx::PortEntry>& ports) {
        for (qsizetype row = 0; row < ports.size(); ++row) {
            if (asked != nullptr)
                asked->append(ports[row].index + 1);
            if (answering.contains(ports[row].index + 1))
                return int(row);
        }
        return -1;
    };
    return access;
}

class ShellDialogs : public ::testing::Test {
protected:
    ~ShellDialogs() override { hvx::test::closeModalDialogs(); }
    TestApp t;
};

TEST_F(ShellDialogs, StoredPortThatIsGoneSelectsTheFirstAndMustBeConfirmed)
{
    CHvxComPortDlg dialog(2, fakePorts({1, 4}, {}));
    dialog.show();
    ASSERT_EQ(dialog.portList()->count(), 2);
    EXPECT_TRUE(dialog.portList()->itemText(0).startsWith("COM1"));
    EXPECT_TRUE(dialog.portList()->itemText(1).contains("COM4"));
    EXPECT_TRUE(dialog.portList()->itemText(1).contains("/dev/ttyS3"));
    EXPECT_EQ(dialog.portList()->currentIndex(), 0);
    EXPECT_FALSE(dialog.cancelButton()->isEnabled());
    dialog.reject(); // closing the window does not cancel either
    EXPECT_TRUE(dialog.isVisible());
    dialog.okButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.port(), 0);
    EXPECT_TRUE(t.logEntries().contains("CHvxComPortDlg::OnOK"));
}

// The search button is clicked as with the mouse (it takes the focus); Return afterwards confirms
// the port shown and never starts the search again.
void searchThenReturn(CHvxComPortDlg& dialog)
{
    dialog.searchButton()->setFocus();
    dialog.searchButton()->click();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(dialog.searchButton(), &press);
}

TEST_F(ShellDialogs, SearchSelectsTheFirstPortThatAnswersInListOrder)
{
    QList<int> asked;
    t.ui().answerMessageBox(hvx::IDOK, "Gerät gefunden an COM4 (/dev/ttyS3).");
    CHvxComPortDlg dialog(0, fakePorts({1, 4, 7}, {4, 7}, &asked));
    dialog.show();
    EXPECT_TRUE(dialog.cancelButton()->isEnabled());
    searchThenReturn(dialog);
    EXPECT_EQ(dialog.portList()->currentData().toInt(), 3);
    EXPECT_EQ(asked, (QList<int>{1, 4}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.port(), 3);
}

TEST_F(ShellDialogs, SearchWithoutAnswerSaysSoAndKeepsTheSelection)
{
    QList<int> asked;
    t.ui().answerMessageBox(hvx::IDOK, "Automatische Suche war nicht erfolgreich.");
    CHvxComPortDlg dialog(3, fakePorts({1, 4}, {}, &asked));
    dialog.show();
    searchThenReturn(dialog);
    EXPECT_EQ(dialog.portList()->currentData().toInt(), 3);
    EXPECT_EQ(asked, (QList<int>{1, 4}));
    EXPECT_EQ(t.ui().messageTexts().size(), 1);
}

TEST_F(ShellDialogs, NoPortsAtAllDisablesTheListAndOkActsAsCancel)
{
    t.ui().answerMessageBox(hvx::IDOK, "keine COM-Schnittstellen");
    CHvxComPortDlg dialog(0, fakePorts({}, {}));
    dialog.show();
    EXPECT_FALSE(dialog.portList()->isEnabled());
    EXPECT_FALSE(dialog.searchButton()->isEnabled());
    dialog.okButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(ShellDialogs, ExtendedOptionsListEveryPortAndStoreTypedValuesBeyondTheSpinRange)
{
    CExtComOptionsDlg dialog(6);
    dialog.show();
    EXPECT_EQ(dialog.portList()->count(), 256);
    EXPECT_EQ(dialog.portList()->currentText(), "COM7");
    EXPECT_EQ(dialog.field(3)->value(), 2000); // ResponseTO2 default
    dialog.field(3)->setValue(9000);
    dialog.field(3)->stepBy(1); // the spin button stops at its range
    EXPECT_EQ(dialog.field(3)->value(), 5000);
    dialog.field(3)->setValue(9000);
    dialog.portList()->setCurrentIndex(2);
    dialog.okButton()->click();
    EXPECT_EQ(dialog.port(), 2);
    EXPECT_EQ(t.app().GetIntSetting("Communication", "ResponseTO2", 0), 9000);
    EXPECT_EQ(t.app().GetIntSetting("Communication", "TimeBetweenBytes", 0), 1);
}

TEST_F(ShellDialogs, ExtendedOptionsRefuseValuesOutsideTheSettingsRangesNamingTheRange)
{
    // The ranges are the settings' own: a value outside would be replaced by the default when the
    // link reads it (TimeBetweenBytes=1500 would become 1 ms without a word).
    const hvx::settings::Int* const settings[CExtComOptionsDlg::kFieldCount] = {
        &hvx::settings::kNoDeviceSendTO, &hvx::settings::kTimeBetweenBytes, &hvx::settings::kResponseTO1,
        &hvx::settings::kResponseTO2, &hvx::settings::kResponseThreadTO};
    const auto typeInto = [](CExtComOptionsDlg& dialog, int index, const QString& text) {
        dialog.field(index)->findChild<QLineEdit*>()->setText(text);
    };
    for (int index = 0; index < CExtComOptionsDlg::kFieldCount; ++index) {
        const hvx::settings::Int& setting = *settings[index];
        SCOPED_TRACE(setting.name);
        const QString range = QStringLiteral("von %1 bis %2").arg(setting.minValue).arg(setting.maxValue);
        for (const QString& typed : {QString::number(qint64(setting.minValue) - 1), QString::number(qint64(setting.maxValue) + 1),
                                     QString(), QStringLiteral("99999999999")}) {
            SCOPED_TRACE(typed.toStdString());
            t.app().WriteProfileInt(setting.section, setting.name, 7);
            t.ui().answerMessageBox(hvx::IDOK, range);
            CExtComOptionsDlg dialog(0);
            dialog.show();
            typeInto(dialog, index, typed);
            dialog.okButton()->click();
            EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open";
            EXPECT_EQ(t.app().GetIntSetting(setting.section, setting.name, 0), 7) << "nothing stored";
            const QStringList shown = t.ui().messageTexts();
            EXPECT_TRUE(!shown.isEmpty() && shown.last().contains(QStringLiteral("„%1“").arg(typed)));
        }
        for (const int typed : {setting.minValue, setting.maxValue}) {
            CExtComOptionsDlg dialog(0);
            dialog.show();
            typeInto(dialog, index, QString::number(typed));
            dialog.okButton()->click();
            EXPECT_EQ(dialog.result(), QDialog::Accepted) << typed;
            EXPECT_EQ(t.app().GetIntSetting(setting.section, setting.name, -1), typed);
        }
    }
    EXPECT_EQ(t.ui().pendingAnswers(), 0);
}

TEST_F(ShellDialogs, AccessCodePromptReturnsTheTypedCodeOrNothingOnCancel)
{
    hvx::gui::GuiInteraction ui;
    whenModal<CHvxZugangscodeDlg>([](CHvxZugangscodeDlg* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Abfrage Zugangscode...");
        dialog->codeEdit()->setText("AbC1");
        dialog->okButton()->click();
    });
    EXPECT_EQ(ui.askAccessCode(), std::optional<QString>("AbC1"));
    whenModal<CHvxZugangscodeDlg>([](CHvxZugangscodeDlg* dialog) { dialog->cancelButton()->click(); });
    EXPECT_EQ(ui.askAccessCode(), std::nullopt);
    const QStringList entries = t.logEntries();
    EXPECT_EQ(entries.count("CHvxZugangscodeDlg::OnInitDialog"), 2);
    EXPECT_EQ(entries.count("CHvxZugangscodeDlg::OnOK"), 1);
}

// Types into whatever has the keyboard focus of the window, as a user would.
static void typeIntoFocus(QWidget* window, const QString& text, Qt::Key finalKey)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(window->focusWidget(), &press);
    }
    QKeyEvent enter(QEvent::KeyPress, finalKey, Qt::NoModifier);
    QApplication::sendEvent(window->focusWidget(), &enter);
}

TEST_F(ShellDialogs, AccessCodePromptOpensWithTheFocusInItsFieldEveryTime)
{
    hvx::gui::GuiInteraction ui;
    for (const QString& code : {QStringLiteral("AbC1"), QStringLiteral("9157")}) {
        whenModal<CHvxZugangscodeDlg>([code](CHvxZugangscodeDlg* dialog) {
            EXPECT_EQ(dialog->focusWidget(), dialog->codeEdit());
            typeIntoFocus(dialog, code, Qt::Key_Return);
        });
        EXPECT_EQ(ui.askAccessCode(), std::optional<QString>(code));
    }
}

TEST_F(ShellDialogs, MessageBoxesAnswerWithTheButtonPressed)
{
    hvx::gui::GuiInteraction ui;
    whenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
    EXPECT_EQ(ui.messageBox("Frage?", hvx::MB_YESNO | hvx::MB_ICONQUESTION, 0), hvx::IDNO);
    whenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Cancel)->click(); });
    EXPECT_EQ(ui.messageBox("Frage?", hvx::MB_YESNOCANCEL, 0), hvx::IDCANCEL);
}

TEST_F(ShellDialogs, StandardButtonsSpeakTheLanguageOfTheInterface)
{
    const auto buttonTexts = [] {
        QStringList texts;
        whenModal<QMessageBox>([&texts](QMessageBox* box) {
            texts << box->button(QMessageBox::Yes)->text() << box->button(QMessageBox::No)->text();
            box->button(QMessageBox::No)->click();
        });
        hvx::gui::GuiInteraction ui;
        ui.messageBox("Frage?", hvx::MB_YESNO, 0);
        return texts;
    };
    hvx::gui::InstallQtTranslation(QString()); // no language chosen: the built-in German
    EXPECT_EQ(buttonTexts(), (QStringList{"&Ja", "&Nein"}));
    hvx::gui::InstallQtTranslation(QStringLiteral("02-English"));
    EXPECT_EQ(buttonTexts(), (QStringList{"&Yes", "&No"}));
    hvx::gui::InstallQtTranslation(QStringLiteral("01-Deutsch"));
    EXPECT_EQ(buttonTexts(), (QStringList{"&Ja", "&Nein"}));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"), "Speichern unter");
    hvx::gui::InstallQtTranslation(QStringLiteral("02-English"));
}

TEST_F(ShellDialogs, EnterAnswersNoWhereNoIsTheDefault)
{
    hvx::gui::GuiInteraction ui;
    const auto pressEnter = [](QMessageBox* box) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(box, &enter);
    };
    whenModal<QMessageBox>(pressEnter);
    EXPECT_EQ(ui.messageBox("Überschreiben?", hvx::MB_YESNO | hvx::MB_DEFBUTTON2, 0), hvx::IDNO);
    whenModal<QMessageBox>(pressEnter);
    EXPECT_EQ(ui.messageBox("Speichern?", hvx::MB_YESNOCANCEL | hvx::MB_DEFBUTTON2, 0), hvx::IDNO);
    whenModal<QMessageBox>(pressEnter);
    EXPECT_EQ(ui.messageBox("Weiter?", hvx::MB_YESNO, 0), hvx::IDYES);
}

TEST_F(ShellDialogs, TransferProgressShowsTheLanguagesCaptionAndFollowsTheSteps)
{
    t.app().SetLanguage("02-English");
    QWidget owner;
    owner.resize(690, 580);
    owner.show();
    hvx::gui::GuiInteraction ui(&owner);
    ui.progressBegin(QString(), 512);
    ASSERT_NE(ui.progressDialog(), nullptr);
    EXPECT_TRUE(ui.progressDialog()->isVisible());
    EXPECT_EQ(ui.progressDialog()->windowTitle(), "Transfer...");
    EXPECT_EQ(ui.progressDialog()->bar()->maximum(), 512);
    ui.progressStep(100);
    ui.progressStep(700); // beyond the range: the bar stays full, nothing breaks
    EXPECT_EQ(ui.progressDialog()->bar()->value(), 512);
    ui.progressEnd();
    EXPECT_EQ(ui.progressDialog(), nullptr);
}

TEST_F(ShellDialogs, FileFiltersShowAllFilesForEveryName)
{
    hvx::FileChoice choice;
    choice.filterDescription = "Alarmdaten (*.alm)";
    choice.extension = "alm";
    EXPECT_EQ(hvx::gui::GuiInteraction::FileFilters(choice), (QStringList{"Alarmdaten (*.alm)", "Alle Dateien (*)"}));
    choice.filterDescription = "Messdaten";
    choice.extension = "dat";
    EXPECT_EQ(hvx::gui::GuiInteraction::FileFilters(choice).constFirst(), "Messdaten (*.dat)");
    // The image files keep their established filter pair.
    choice.filterDescription = "Hydrovant EEPROM Files (*.hxp)";
    choice.allFiles = "All Files (*.*)";
    EXPECT_EQ(hvx::gui::GuiInteraction::FileFilters(choice), (QStringList{"Hydrovant EEPROM Files (*.hxp)", "All Files (*)"}));
}

TEST_F(ShellDialogs, EntryDialogTextsComeFromTheLanguageByControlId)
{
    t.app().SetLanguage("02-English");
    CEinstiegDlg dialog;
    dialog.show();
    EXPECT_EQ(dialog.choice(), CEinstiegDlg::NewConfiguration);
    EXPECT_EQ(qobject_cast<QRadioButton*>(hvx::gui::FindCtrl(&dialog, 1231))->text(), "create a new programming");
    EXPECT_EQ(qobject_cast<QLabel*>(hvx::gui::FindCtrl(&dialog, 1402))->text(),
              "Open and edit a saved configuration file (*.hxd).");
    EXPECT_EQ(dialog.cancelButton()->text(), "Cancel");
}

TEST_F(ShellDialogs, EntryDialogChoicesAreReachedWithArrowsAndTab)
{
    CEinstiegDlg dialog;
    dialog.show();
    dialog.activateWindow();
    QApplication::processEvents();
    auto* first = qobject_cast<QRadioButton*>(hvx::gui::FindCtrl(&dialog, 1231));
    ASSERT_EQ(dialog.focusWidget(), first) << "the chosen entry has the focus when the dialog opens";
    const auto press = [&dialog](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(dialog.focusWidget(), &event);
        QApplication::processEvents();
    };
    press(Qt::Key_Down);
    EXPECT_EQ(dialog.choice(), CEinstiegDlg::OpenFile);
    press(Qt::Key_Down);
    EXPECT_EQ(dialog.choice(), CEinstiegDlg::ReadFromInstrument);
    press(Qt::Key_Up);
    EXPECT_EQ(dialog.choice(), CEinstiegDlg::OpenFile);
    press(Qt::Key_Tab);
    EXPECT_EQ(dialog.focusWidget(), dialog.okButton()) << "Tab leaves the group for the buttons";
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(dialog.focusWidget(), hvx::gui::FindCtrl(&dialog, 1232)) << "and comes back to the choice";

    CEinstiegDlg again;
    again.setChoice(CEinstiegDlg::OpenFile);
    again.show();
    QApplication::processEvents();
    EXPECT_EQ(again.focusWidget(), hvx::gui::FindCtrl(&again, 1232)) << "the focus starts on the chosen entry";
}

TEST_F(ShellDialogs, FormattedDialogTextTakesItsArgument)
{
    QWidget dialog;
    auto* label = hvx::gui::WithCtrlId(new QLabel("HVX", &dialog), 1390);
    EXPECT_EQ(hvx::gui::SetDlgItemLanTextFormat(&dialog, "Info-Dialog", 1390, "1.4.0.0"), "HVX Version 1.4.0.0");
    EXPECT_EQ(label->text(), "HVX Version 1.4.0.0");
    // A text the language lacks leaves the built-in one.
    EXPECT_EQ(hvx::gui::SetDlgItemLanText(&dialog, "Info-Dialog", 9999), "");
    EXPECT_EQ(label->text(), "HVX Version 1.4.0.0");
}

// --- title bitmap ---

QByteArray bitmapHeader(qint32 width, qint32 height)
{
    QByteArray bytes(54, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    auto put = [&bytes](int offset, qint32 value) {
        for (int i = 0; i < 4; ++i)
            bytes[offset + i] = char((value >> (8 * i)) & 0xFF);
    };
    put(2, 54);
    put(10, 54);
    put(14, 40);
    put(18, width);
    put(22, height);
    bytes[26] = 1;
    bytes[28] = 24;
    return bytes;
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST_F(ShellDialogs, TitleBitmapProblemsGiveTheirMessagesOrNothing)
{
    EXPECT_FALSE(CTitleWnd::LoadBitmapFile(t.filePath("fehlt.bmp")).has_value());

    writeBytes(t.filePath("text.bmp"), "kein Bild, nur Text in einer Datei");
    const auto notBitmap = CTitleWnd::LoadBitmapFile(t.filePath("text.bmp"));
    ASSERT_TRUE(notBitmap.has_value());
    EXPECT_TRUE(notBitmap->image.isNull());
    EXPECT_EQ(notBitmap->messageId, 244);

    t.ui().answerMessageBox(hvx::IDOK, "zu groß");
    writeBytes(t.filePath("negativ.bmp"), bitmapHeader(4, -4) + QByteArray(48, '\x7f'));
    const auto negative = CTitleWnd::LoadBitmapFile(t.filePath("negativ.bmp"));
    ASSERT_TRUE(negative.has_value());
    EXPECT_TRUE(negative->image.isNull());

    const auto shipped = CTitleWnd::LoadBitmapFile(QStringLiteral(HVX_TEST_BIN_DIR "/Title24b.bmp"));
    ASSERT_TRUE(shipped.has_value());
    EXPECT_EQ(shipped->messageId, 0);
    EXPECT_EQ(shipped->image.size(), QSize(400, 220));
}

TEST_F(ShellDialogs, ColourDepthChoosesTheTitleBitmap)
{
    EXPECT_EQ(CTitleWnd::BitmapForDepth(4), CTitleWnd::BitmapChoice::None); // 16 colours: no title
    EXPECT_EQ(CTitleWnd::BitmapForDepth(8), CTitleWnd::BitmapChoice::Colours256);
    EXPECT_EQ(CTitleWnd::BitmapForDepth(16), CTitleWnd::BitmapChoice::Colours256);
    EXPECT_EQ(CTitleWnd::BitmapForDepth(24), CTitleWnd::BitmapChoice::TrueColour);
    EXPECT_EQ(CTitleWnd::BitmapForDepth(32), CTitleWnd::BitmapChoice::TrueColour);
}

TEST_F(ShellDialogs, TitleTimeZeroShowsNoTitle)
{
    t.app().WriteProfileInt("Options", "Titletime", 0);
    QWidget frame;
    frame.resize(690, 580);
    EXPECT_FALSE(CTitleWnd::ShowTitle(&frame));
}

TEST_F(ShellDialogs, KeyPressEndsTheTitleWaitAtOnce)
{
    QWidget target;
    target.show();
    QTimer::singleShot(50, &target, [&target] {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
        QCoreApplication::sendEvent(&target, &press);
    });
    QElapsedTimer clock;
    clock.start();
    CTitleWnd::WaitForDismissal(5000);
    EXPECT_LT(clock.elapsed(), 2000);
}

// --- help ---

TEST_F(ShellDialogs, HelpOpensTheLanguagesPageOrSaysItCannot)
{
    QList<QUrl> opened;
    hvx::gui::SetBrowserOpener([&opened](const QUrl& url) {
        opened.append(url);
        return true;
    });
    EXPECT_TRUE(hvx::gui::ShowHelp(hvx::gui::HelpCommand::Contents));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened.constFirst().path().endsWith("/01-Deutsch/Deutsch.html"));
    EXPECT_EQ(opened.constFirst().fragment(), "contents");

    t.app().SetLanguage("07-Klingonisch");
    t.ui().answerMessageBox(hvx::IDOK, "Die Hilfe konnte nicht aufgerufen werden.");
    EXPECT_FALSE(hvx::gui::ShowHelp(hvx::gui::HelpCommand::DefaultTopic));
    EXPECT_EQ(opened.size(), 1);
    hvx::gui::SetBrowserOpener({});
}

} // namespace
