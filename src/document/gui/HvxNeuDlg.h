#pragma once
// The new-configuration dialog ("new" mode) and the module configuration change ("change"
// mode): the revision and the module of each slot. The rules live in hvx::NeuDlgRules; the
// dialog shows them.

#include "base/gui/LanDialog.h"
#include "document/HVXDoc.h"
#include "document/NeuDlgRules.h"

#include <array>

class QComboBox;

class CHvxNeuDlg : public hvx::gui::LanDialog {
    Q_OBJECT
public:
    // New mode.
    explicit CHvxNeuDlg(QWidget* parent = nullptr);
    // Change mode: the document's revision (fixed) and its modules.
    CHvxNeuDlg(const hvx::Parametersatz& current, QWidget* parent);

    const hvx::NeuDlgRules& rules() const { return m_rules; }
    NeueKonfiguration choice() const;

    QComboBox* revisionList() const { return m_revision; }
    QComboBox* moduleList(int slot) const { return m_modules.at(static_cast<size_t>(slot)); }

protected:
    void onInitDialog() override;

private:
    void build();
    void showRules();
    void onRevisionChanged(int index);
    void onModuleChanged(int slot, int index);

    hvx::NeuDlgRules m_rules;
    QComboBox* m_revision = nullptr;
    std::array<QComboBox*, 3> m_modules{};
    bool m_showing = false;
};
