#include "devicedata/gui/HexDumpDlg.h"

#include "base/FileDialogLan.h"
#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "base/gui/DialogTexts.h"
#include "devicedata/DeviceDataTexts.h"
#include "devicedata/EepromTransfer.h"
#include "devicedata/gui/HexEdit.h"

#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

using hvx::gui::WithCtrlId;
using namespace hvx;

namespace {

// The image files' filter pair keeps its established English wording in every language.
const QString kHxpAllFiles = QStringLiteral("All Files (*.*)");

struct ButtonRow {
    int id;
    const char* text; // built-in German text; Dialog.lan replaces it
    void (CHexDumpDlg::*handler)();
};

const ButtonRow kButtons[] = {
    {CHexDumpDlg::kIdLesen, "EEPROM lesen", &CHexDumpDlg::OnEepromLesen},
    {CHexDumpDlg::kIdSchreiben, "EEPROM schreiben", &CHexDumpDlg::OnEepromSchreiben},
    {CHexDumpDlg::kIdSpeichern, "EEPROM speichern", &CHexDumpDlg::OnEepromSpeichern},
    {CHexDumpDlg::kIdLaden, "EEPROM laden", &CHexDumpDlg::OnEepromLaden},
};

} // namespace

CHexDumpDlg::CHexDumpDlg(QWidget* parent)
    : LanDialog("CHexDumpDlg", "Hex-Dump-Dialog", kVorlage, parent), m_hexEdit(WithCtrlId(new CHexEdit(this), kIdHexEdit))
{
    setWindowTitle(QStringLiteral("Hex-Dump"));
    m_hexEdit->setOptions({16, true, true, false, 4});
    m_hexEdit->setFillByte(kEepromFill);
    m_hexEdit->setData(m_image.data(), kEepromSize);
    m_hexEdit->setCaret(0);
    const int cw = m_hexEdit->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    m_hexEdit->setMinimumSize(62 * cw + 30, 24 * m_hexEdit->fontMetrics().height());

    auto* buttons = new QVBoxLayout;
    for (const ButtonRow& row : kButtons) {
        auto* button = WithCtrlId(new QPushButton(QString::fromUtf8(row.text), this), row.id);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, row.handler);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    // Only "Abbrechen" closes the dialog; Enter does not.
    okButton()->hide();
    cancelButton()->setAutoDefault(false);
    buttons->addWidget(buttonBox());
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_hexEdit, 1);
    layout->addLayout(buttons);
    m_hexEdit->setFocus();
}

EepromRange CHexDumpDlg::selectedRange() const
{
    const auto [start, end] = m_hexEdit->selection();
    return RangeOfSelection(start, end);
}

void CHexDumpDlg::showProgress(int first, int count)
{
    m_hexEdit->setHighlight(first, first + count);
    m_hexEdit->ensureVisible(first + count - 1);
}

void CHexDumpDlg::OnEepromLesen()
{
    ReadEeprom(m_image, selectedRange(), [this](int first, int count) { showProgress(first, count); });
    // What the instrument holds now is the starting point of further edits.
    m_hexEdit->clearUndo();
    m_hexEdit->viewport()->update();
}

void CHexDumpDlg::OnEepromSchreiben()
{
    // The view edits the image in place: it holds the edited bytes already.
    m_hexEdit->copyData(m_image.data(), kEepromSize);
    const EepromRange range = selectedRange();
    QElapsedTimer uhr;
    uhr.start();
    const EepromTransferResult result = WriteEeprom(m_image, range, [this](int first, int count) { showProgress(first, count); });
    if (result.ok)
        LogMessageBox(GetStringsText(kTextEepromWriteDone)
                          .arg(range.count())
                          .arg(QLocale().toString(uhr.elapsed() / 1000.0, 'f', 1)),
                      MB_OK | MB_ICONINFORMATION);
}

void CHexDumpDlg::OnEepromSpeichern()
{
    LogEntry(1, QStringLiteral("CHexDumpDlg::OnEepromSpeichern"));
    const std::optional<QString> path =
        FileDialogLan(false, theApp().m_strWorkDir, kTextHxpSaveTitle, kTextHxpFilter, QStringLiteral("hxp"),
                      m_lastFile.isEmpty() ? ProposedFileName(QString(), QStringLiteral("hxp")) : m_lastFile, kHxpAllFiles);
    if (!path)
        return;
    m_lastFile = QFileInfo(*path).fileName();
    QString error;
    if (!SaveHxpFile(*path, m_image, &error))
        LogMessageBox(GetStringsText(kTextHxpFileError).arg(*path, error), MB_OK | MB_ICONEXCLAMATION);
}

void CHexDumpDlg::OnEepromLaden()
{
    LogEntry(1, QStringLiteral("CHexDumpDlg::OnEepromLaden"));
    const std::optional<QString> path =
        FileDialogLan(true, theApp().m_strWorkDir, kTextHxpLoadTitle, kTextHxpFilter, QStringLiteral("hxp"), QString(),
                      kHxpAllFiles);
    if (!path)
        return;
    HxpLoadResult result;
    QString error;
    if (!LoadHxpFile(*path, m_image, &result, &error)) {
        LogMessageBox(GetStringsText(kTextHxpFileError).arg(*path, error), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_lastFile = QFileInfo(*path).fileName();
    m_hexEdit->setData(m_image.data(), kEepromSize);
    if (!result.badLines.empty()) {
        LogMessageBox(GetStringsText(kTextHxpBadLines)
                          .arg(result.badLines.size())
                          .arg(*path)
                          .arg(result.badLines.front() + 1),
                      MB_OK | MB_ICONEXCLAMATION);
    }
}
