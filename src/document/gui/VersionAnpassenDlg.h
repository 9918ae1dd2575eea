#pragma once
// "Version anpassen...": the revision of the same variant the parameter set is adapted to.

#include "base/gui/LanDialog.h"

class QComboBox;
class QLineEdit;

class CVersionAnpassenDlg : public hvx::gui::LanDialog {
    Q_OBJECT
public:
    CVersionAnpassenDlg(quint8 geraetekennung, QWidget* parent = nullptr);

    // The chosen byte 0 (valid after OK).
    quint8 target() const;
    QComboBox* newVersionList() const { return m_list; }

private:
    QLineEdit* m_current;
    QComboBox* m_list;
};
