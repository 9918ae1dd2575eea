#pragma once
// "Alarmdaten...": fetches the instrument's alarm memory, lists it, saves and loads alarm data
// files and deletes the memory. The rules live in AlarmListState; this dialog shows its state.

#include "base/gui/LanDialog.h"
#include "devicedata/AlarmData.h"

class CHVXDoc;
class QLineEdit;
class QPushButton;
class QTableWidget;

class CAlarmDlg : public hvx::gui::LanDialog {
    Q_OBJECT
public:
    enum CtrlId {
        kList = 1580,
        kStoredLabel = 1581,
        kStored = 1582,
        kOccurredLabel = 1583,
        kOccurred = 1584,
        kGroup = 1585,
        kFetch = 1586,
        kSave = 1587,
        kDelete = 1588,
        kLoad = 1589,
    };

    CAlarmDlg(CHVXDoc& doc, QWidget* parent = nullptr);

    const hvx::AlarmListState& state() const { return m_state; }
    QTableWidget* list() const { return m_list; }

    void OnFetch();
    void OnSave();
    void OnLoad();
    void OnDelete();
    void OnColumnClick(int column);
    // Without a Cancel button, closing the window is OK: an unsaved fetch is offered for saving.
    void reject() override;

protected:
    void onInitDialog() override;
    bool onOK() override;

private:
    void ShowState();

    CHVXDoc& m_doc;
    hvx::AlarmListState m_state;
    QTableWidget* m_list;
    QLineEdit* m_stored;
    QLineEdit* m_occurred;
    QPushButton* m_fetch;
    QPushButton* m_save;
};
