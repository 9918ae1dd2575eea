#pragma once
// The log book page of the settings dialog: the log book's directory and level, which the
// running log book takes at the next start.

#include "app/SettingsValues.h"
#include "app/gui/SettingsPage.h"

class QComboBox;

namespace hvx::gui {
class PathField;
}

class CHvxLogOptDlg : public hvx::gui::SettingsPage {
    Q_OBJECT
public:
    explicit CHvxLogOptDlg(QWidget* parent = nullptr);

    bool Exchange() override;
    void Store() override;

    hvx::gui::PathField* directoryField() const { return m_directory; }
    QComboBox* levelList() const { return m_level; }

private:
    hvx::LogOptionValues m_values;
    hvx::gui::PathField* m_directory;
    QComboBox* m_level;
};
