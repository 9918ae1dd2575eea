#pragma once
// The extended communication options (command line "/ComOptions"): all port names without
// probing, the five protocol time-outs of the link, and whether a transfer is checked by
// reading the parameters back.

#include "base/gui/LanDialog.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;

namespace hvx::gui {
class TypedSpinBox;
}

class CExtComOptionsDlg : public hvx::gui::LanDialog {
    Q_OBJECT
public:
    CExtComOptionsDlg(int presetPort, QWidget* parent = nullptr);

    int port() const { return m_nPort; }
    static constexpr int kFieldCount = 5;
    hvx::gui::TypedSpinBox* field(int index) const { return m_fields.at(static_cast<size_t>(index)); }
    QComboBox* portList() const { return m_list; }
    QCheckBox* verifyBox() const { return m_verify; }

protected:
    void onInitDialog() override;
    bool onOK() override;

private:
    // False after a message naming the first field whose value is outside its setting's range.
    bool ValuesInRange();

    int m_nPort;
    std::array<int, kFieldCount> m_values{};
    std::array<hvx::gui::TypedSpinBox*, kFieldCount> m_fields{};
    std::array<QLabel*, kFieldCount> m_labels{};
    QComboBox* m_list;
    QCheckBox* m_verify;
};
