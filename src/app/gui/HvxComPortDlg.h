#pragma once
// The port dialog: the ports that can be opened now, with their devices, and a search for the
// port the instrument answers on.

#include "base/gui/LanDialog.h"
#include "app/gui/PortAccess.h"

class QComboBox;
class QPushButton;

class CHvxComPortDlg : public hvx::gui::LanDialog {
    Q_OBJECT
public:
    CHvxComPortDlg(int presetPort, hvx::gui::PortAccess access, QWidget* parent = nullptr);

    // The chosen 0-based port index (preset by the caller, valid after OK).
    int port() const { return m_nPort; }
    QComboBox* portList() const { return m_list; }
    QPushButton* searchButton() const { return m_search; }
    void OnAutoSearch();
    void reject() override;

protected:
    void onInitDialog() override;
    bool onOK() override;

private:
    void fillList();

    int m_nPort;
    hvx::gui::PortAccess m_access;
    QList<hvx::PortEntry> m_ports;
    QComboBox* m_list;
    QPushButton* m_search;
};
