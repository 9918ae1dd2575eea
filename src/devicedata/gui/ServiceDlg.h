#pragma once
// The service dialog: raw command bytes to the instrument with the exchange in a log list, and
// one entry of the service block. It stays open until closed (close button or Escape); Enter
// sends the raw command while its field has the focus and writes the block entry otherwise.

#include "base/gui/LanDialog.h"

class QLineEdit;
class QListWidget;
class QPushButton;

class CServiceDlg : public hvx::gui::LanDialog {
    Q_OBJECT
public:
    static constexpr int kVorlage = 130;
    static constexpr int kIdLog = 1910;
    static constexpr int kIdSendeLabel = 1911;
    static constexpr int kIdSendeZeichen = 1912;
    static constexpr int kIdSenden = 1913;
    static constexpr int kIdNrLabel = 1914;
    static constexpr int kIdIdLabel = 1915;
    static constexpr int kIdWertLabel = 1916;
    static constexpr int kIdNr = 1917;
    static constexpr int kIdId = 1918;
    static constexpr int kIdWert = 1919;

    explicit CServiceDlg(QWidget* parent = nullptr);

    QListWidget* log() const { return m_log; }
    QLineEdit* sendeZeichen() const { return m_send; }
    QLineEdit* nr() const { return m_nr; }
    QLineEdit* id() const { return m_id; }
    QLineEdit* wert() const { return m_wert; }

    void OnSenden();
    void OnBlockEntry();

protected:
    bool onOK() override;

private:
    QListWidget* m_log;
    QLineEdit* m_send;
    QLineEdit* m_nr;
    QLineEdit* m_id;
    QLineEdit* m_wert;
};
