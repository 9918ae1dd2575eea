#pragma once
// The print page of the settings dialog: margins and indents in 1/10 mm, which printing reads.

#include "app/SettingsValues.h"
#include "app/gui/SettingsPage.h"

#include <array>

class QLineEdit;

class CDruckOptionenDlg : public hvx::gui::SettingsPage {
    Q_OBJECT
public:
    explicit CDruckOptionenDlg(QWidget* parent = nullptr);

    bool Exchange() override;
    void Store() override;
    void OnStandard();

    QLineEdit* field(int index) const { return m_fields.at(static_cast<size_t>(index)); }

private:
    void showValues();

    hvx::PrintMarginValues m_values;
    std::array<QLineEdit*, hvx::PrintMarginValues::kCount> m_fields{};
};
