#pragma once
// The directories page of the settings dialog: the five working directories.

#include "app/SettingsValues.h"
#include "app/gui/SettingsPage.h"

#include <array>

namespace hvx::gui {
class PathField;
}

class CHvxVerzeichnisDlg : public hvx::gui::SettingsPage {
    Q_OBJECT
public:
    explicit CHvxVerzeichnisDlg(QWidget* parent = nullptr);

    bool Exchange() override;
    void Store() override;

    hvx::gui::PathField* field(int row) const { return m_fields.at(static_cast<size_t>(row)); }
    static constexpr int kRows = 5;

private:
    hvx::DirectoryValues m_values;
    std::array<hvx::gui::PathField*, kRows> m_fields{};
};
