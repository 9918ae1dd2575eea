#pragma once
// The entry dialog at start-up: new configuration, open a file, or read from the instrument.

#include "base/gui/LanDialog.h"

class QButtonGroup;

class CEinstiegDlg : public hvx::gui::LanDialog {
    Q_OBJECT
public:
    enum Choice { NewConfiguration = 0, OpenFile = 1, ReadFromInstrument = 2 };

    explicit CEinstiegDlg(QWidget* parent = nullptr);
    int choice() const;
    void setChoice(int choice);
    void setChoiceEnabled(int choice, bool enabled);

private:
    QButtonGroup* m_choices;
};
