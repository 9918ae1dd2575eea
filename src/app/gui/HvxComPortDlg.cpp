#include "app/gui/HvxComPortDlg.h"

#include "app/Log.h"
#include "app/gui/DialogTexts.h"
#include "link/SerialPortFactory.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

using hvx::gui::WithCtrlId;

namespace {
constexpr int kTextNoPorts = 505;
constexpr int kTextSearchFailed = 504;
} // namespace

CHvxComPortDlg::CHvxComPortDlg(int presetPort, hvx::gui::PortAccess access, QWidget* parent)
    : LanDialog("CHvxComPortDlg", "Comport-Dialog", 161, parent)
    , m_nPort(presetPort)
    , m_access(std::move(access))
    , m_list(WithCtrlId(new QComboBox(this), 1722))
    , m_search(WithCtrlId(new QPushButton(QStringLiteral("autom. Suche"), this), 1723))
{
    setWindowTitle(QStringLiteral("COM-Port auswählen..."));
    auto* grid = new QGridLayout(this);
    grid->addWidget(WithCtrlId(new QLabel(QStringLiteral("Schnittstelle:"), this), 1721), 0, 0);
    grid->addWidget(m_list, 0, 1);
    grid->addWidget(m_search, 0, 2);
    grid->setColumnStretch(1, 1);
    grid->addWidget(buttonBox(), 1, 0, 1, 3);
    setMinimumWidth(420);
    connect(m_search, &QPushButton::clicked, this, &CHvxComPortDlg::OnAutoSearch);
}

void CHvxComPortDlg::fillList()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (int number = 1; number <= hvx::gui::kHighestPortNumber; ++number) {
        if (m_access.canOpen && m_access.canOpen(number)) {
            const QString device = hvx::PortDevice(number);
            m_list->addItem(hvx::gui::PortName(number) + QStringLiteral("   (") + device + u')', number - 1);
        }
    }
    QApplication::restoreOverrideCursor();
}

void CHvxComPortDlg::onInitDialog()
{
    fillList();
    if (m_list->count() > 0) {
        const int index = m_list->findData(m_nPort);
        if (index >= 0) {
            m_list->setCurrentIndex(index);
        } else {
            // The stored port is gone: the user has to confirm another one.
            m_list->setCurrentIndex(0);
            m_nPort = 0;
            cancelButton()->setEnabled(false);
        }
    } else {
        m_list->setEnabled(false);
        m_search->setEnabled(false);
        LogMessageBoxId(kTextNoPorts, hvx::MB_OK | hvx::MB_ICONEXCLAMATION, 0);
    }
}

void CHvxComPortDlg::OnAutoSearch()
{
    LogEntry(1, QStringLiteral("CHvxComPortDlg::OnAutoSearch"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    int found = -1;
    for (int index = 0; index < m_list->count() && found < 0; ++index) {
        if (m_access.instrumentAnswers && m_access.instrumentAnswers(m_list->itemData(index).toInt() + 1))
            found = index;
    }
    QApplication::restoreOverrideCursor();
    if (found >= 0)
        m_list->setCurrentIndex(found);
    else
        LogMessageBoxId(kTextSearchFailed, hvx::MB_OK | hvx::MB_ICONEXCLAMATION, 0);
}

bool CHvxComPortDlg::onOK()
{
    if (m_list->count() == 0) {
        QDialog::reject();
        return false;
    }
    m_nPort = qMax(m_list->currentData().toInt(), 0);
    return true;
}

void CHvxComPortDlg::reject()
{
    // Without a confirmed port (the stored one is gone), closing the window does not cancel.
    if (cancelButton()->isEnabled() || m_list->count() == 0)
        LanDialog::reject();
}
