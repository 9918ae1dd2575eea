#pragma once
// The access code prompt: one edit field for the four-character code.

#include "base/gui/LanDialog.h"

class QLineEdit;

class CHvxZugangscodeDlg : public hvx::gui::LanDialog {
    Q_OBJECT
public:
    explicit CHvxZugangscodeDlg(QWidget* parent = nullptr);
    QString code() const;
    QLineEdit* codeEdit() const { return m_code; }

private:
    QLineEdit* m_code;
};
