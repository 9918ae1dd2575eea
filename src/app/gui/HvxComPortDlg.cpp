#include "app/gui/HvxComPortDlg.h"

#include "base/Language.h"
#include "base/Log.h"
#include "base/gui/DialogTexts.h"

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
constexpr int kTextInstrumentFound = 3706; // "Gerät gefunden an %1 (%2)."
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
    // Return confirms the port shown; it never starts the search (which may take long) again.
    m_search->setAutoDefault(false);
    connect(m_search, &QPushButton::clicked, this, &CHvxComPortDlg::OnAutoSearch);
}

void CHvxComPortDlg::fillList()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_ports = m_access.openablePorts ? m_access.openablePorts() : QList<hvx::PortEntry>();
    QApplication::restoreOverrideCursor();
    for (const hvx::PortEntry& port : m_ports)
        m_list->addItem(port.name + QStringLiteral("   (") + port.device + u')', port.index);
}

void CHvxComPortDlg::onInitDialog()
{
    fillList();
    const hvx::PortListSelection selection = hvx::SelectPresetPort(m_ports, m_nPort);
    if (selection.row < 0) {
        m_list->setEnabled(false);
        m_search->setEnabled(false);
        LogMessageBoxId(kTextNoPorts, hvx::MB_OK | hvx::MB_ICONEXCLAMATION, 0);
        return;
    }
    m_list->setCurrentIndex(selection.row);
    m_nPort = selection.chosenIndex;
    // Without the stored port the user has to confirm another one.
    cancelButton()->setEnabled(selection.cancelEnabled);
}

void CHvxComPortDlg::OnAutoSearch()
{
    LogEntry(1, QStringLiteral("CHvxComPortDlg::OnAutoSearch"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int found = m_access.searchInstrument ? m_access.searchInstrument(m_ports) : -1;
    QApplication::restoreOverrideCursor();
    if (found >= 0) {
        m_list->setCurrentIndex(found);
        const hvx::PortEntry& port = m_ports.at(found);
        LogMessageBox(GetStringsText(kTextInstrumentFound).arg(port.name, port.device), hvx::MB_OK | hvx::MB_ICONINFORMATION);
    } else {
        LogMessageBoxId(kTextSearchFailed, hvx::MB_OK | hvx::MB_ICONEXCLAMATION, 0);
    }
    okButton()->setFocus();
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
