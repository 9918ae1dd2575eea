#include "devicedata/gui/ServiceDlg.h"

#include "base/Language.h"
#include "base/Log.h"
#include "base/gui/DialogTexts.h"
#include "devicedata/DeviceDataTexts.h"
#include "devicedata/ServiceCommands.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using hvx::gui::WithCtrlId;
using namespace hvx;

namespace {

struct EntryField {
    int labelId;
    int fieldId;
    const char* label; // built-in German text; Dialog.lan replaces it
    QLineEdit* CServiceDlg::*member;
};

} // namespace

CServiceDlg::CServiceDlg(QWidget* parent)
    : LanDialog("CServiceDlg", "Service-Dialog", kVorlage, parent)
    , m_log(WithCtrlId(new QListWidget(this), kIdLog))
    , m_send(WithCtrlId(new QLineEdit(this), kIdSendeZeichen))
    , m_nr(WithCtrlId(new QLineEdit(this), kIdNr))
    , m_id(WithCtrlId(new QLineEdit(this), kIdId))
    , m_wert(WithCtrlId(new QLineEdit(this), kIdWert))
{
    setWindowTitle(QStringLiteral("HVX Service"));
    // Wide enough for an answer of 16 bytes on one line.
    m_log->setMinimumSize(m_log->fontMetrics().horizontalAdvance(QStringLiteral("0x00 ")) * 17, 180);
    m_send->setMaxLength(3);
    auto* senden = WithCtrlId(new QPushButton(QStringLiteral("Senden"), this), kIdSenden);
    senden->setAutoDefault(false);
    connect(senden, &QPushButton::clicked, this, &CServiceDlg::OnSenden);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_log, 0, 0, 1, 3);
    grid->addWidget(WithCtrlId(new QLabel(QStringLiteral("Sende-Zeichen"), this), kIdSendeLabel), 1, 0);
    grid->addWidget(m_send, 1, 1);
    grid->addWidget(senden, 1, 2);
    static const EntryField kEntryFields[] = {
        {kIdNrLabel, kIdNr, "Nr", &CServiceDlg::m_nr},
        {kIdIdLabel, kIdId, "ID", &CServiceDlg::m_id},
        {kIdWertLabel, kIdWert, "Wert", &CServiceDlg::m_wert},
    };
    int row = 2;
    for (const EntryField& field : kEntryFields) {
        grid->addWidget(WithCtrlId(new QLabel(QString::fromUtf8(field.label), this), field.labelId), row, 0);
        grid->addWidget(this->*field.member, row, 1);
        ++row;
    }
    // OK writes the block entry; the dialog is closed with Escape or the window's close button.
    cancelButton()->hide();
    okButton()->setDefault(true);
    grid->addWidget(buttonBox(), row, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    setTabOrder(m_send, senden);
    setTabOrder(senden, m_nr);
    m_send->setFocus();
}

bool CServiceDlg::onOK()
{
    if (focusWidget() == m_send)
        OnSenden();
    else
        OnBlockEntry();
    return false;
}

void CServiceDlg::OnSenden()
{
    const std::optional<quint8> command = ParseRawCommand(m_send->text());
    if (!command)
        return;
    m_log->addItem(RawCommandLine(*command));
    const std::optional<QByteArray> answer = SendRawCommand(*command);
    if (answer) {
        m_log->addItem(RawAnswerLine(*answer));
        m_log->addItem(RawAnswerCountLine(int(answer->size())));
    }
    m_log->scrollToBottom();
}

void CServiceDlg::OnBlockEntry()
{
    const std::optional<ServiceEntry> entry = ParseServiceEntry(m_nr->text(), m_id->text(), m_wert->text());
    // The link reports a failure itself; a written entry is confirmed.
    if (entry && WriteServiceEntry(*entry))
        LogMessageBox(GetStringsText(kTextServiceEntryWritten).arg(entry->nr), MB_OK | MB_ICONINFORMATION);
}
