#pragma once
// The settings dialog: three pages (directories, print margins, log book) on tabs. A page with
// an invalid entry keeps its tab; OK stores every valid page at once and closes only when all
// are valid; Cancel stores nothing.

#include "base/gui/LanDialog.h"

class QTabWidget;
class CHvxVerzeichnisDlg;
class CDruckOptionenDlg;
class CHvxLogOptDlg;

namespace hvx::gui {
class SettingsPage;
}

class CEinstellungenDlg : public hvx::gui::LanDialog {
    Q_OBJECT
public:
    explicit CEinstellungenDlg(QWidget* parent = nullptr);

    QTabWidget* tabs() const { return m_tabs; }
    CHvxVerzeichnisDlg* directoriesPage() const { return m_directories; }
    CDruckOptionenDlg* printPage() const { return m_print; }
    CHvxLogOptDlg* logPage() const { return m_log; }
    // True once OK has stored the directories (the application must read them again).
    bool directoriesStored() const { return m_directoriesStored; }

protected:
    void onInitDialog() override;
    bool onOK() override;
    // F1 opens the topic of the page shown.
    QString helpSection() const override;

private:
    hvx::gui::SettingsPage* page(int index) const;
    void OnTabChanged(int index);
    void showTab(int index);

    QTabWidget* m_tabs;
    CHvxVerzeichnisDlg* m_directories;
    CDruckOptionenDlg* m_print;
    CHvxLogOptDlg* m_log;
    int m_current = 0;
    bool m_directoriesStored = false;
};
