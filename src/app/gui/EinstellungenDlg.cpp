#include "app/gui/EinstellungenDlg.h"

#include "base/Language.h"
#include "base/gui/DialogTexts.h"
#include "app/gui/DruckOptionenDlg.h"
#include "app/gui/HvxLogOptDlg.h"
#include "app/gui/HvxVerzeichnisDlg.h"

#include <QDialogButtonBox>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

using hvx::gui::WithCtrlId;

namespace {
constexpr int kTabTitles[] = {356, 357, 371}; // "Verzeichnisse", "Drucken", "Logbuch"
} // namespace

CEinstellungenDlg::CEinstellungenDlg(QWidget* parent)
    : LanDialog("CEinstellungenDlg", "Einstellungs-Dialog", 171, parent)
    , m_tabs(WithCtrlId(new QTabWidget(this), 1250))
    , m_directories(new CHvxVerzeichnisDlg)
    , m_print(new CDruckOptionenDlg)
    , m_log(new CHvxLogOptDlg)
{
    setWindowTitle(QStringLiteral("Einstellungen"));
    for (hvx::gui::SettingsPage* settingsPage : {static_cast<hvx::gui::SettingsPage*>(m_directories),
                                                 static_cast<hvx::gui::SettingsPage*>(m_print),
                                                 static_cast<hvx::gui::SettingsPage*>(m_log)}) {
        m_tabs->addTab(settingsPage, QString());
        settingsPage->setEnabled(m_tabs->count() == 1);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttonBox());
    setMinimumWidth(520);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CEinstellungenDlg::OnTabChanged);
}

hvx::gui::SettingsPage* CEinstellungenDlg::page(int index) const
{
    return static_cast<hvx::gui::SettingsPage*>(m_tabs->widget(index));
}

QString CEinstellungenDlg::helpSection() const
{
    const hvx::gui::SettingsPage* shown = page(m_tabs->currentIndex());
    return shown != nullptr ? shown->section() : LanDialog::helpSection();
}

void CEinstellungenDlg::onInitDialog()
{
    for (int index = 0; index < m_tabs->count(); ++index) {
        m_tabs->setTabText(index, GetStringsText(kTabTitles[index]));
        page(index)->initialise();
    }
}

// The tab bar has already switched: go back to the page being left until its entries are taken.
void CEinstellungenDlg::OnTabChanged(int index)
{
    if (index == m_current)
        return;
    showTab(m_current);
    if (!page(m_current)->Exchange())
        return;
    showTab(index);
}

void CEinstellungenDlg::showTab(int index)
{
    {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(index);
    }
    for (int other = 0; other < m_tabs->count(); ++other)
        page(other)->setEnabled(other == index);
    m_current = index;
}

bool CEinstellungenDlg::onOK()
{
    hvx::ISettingsPage* const pages[] = {m_directories, m_print, m_log};
    const bool allValid = hvx::StoreValidPages(pages);
    m_directoriesStored = m_directoriesStored || m_directories->isValid();
    if (!allValid) {
        // Show the first page whose entry must be corrected.
        for (int index = 0; index < m_tabs->count(); ++index) {
            if (!page(index)->isValid()) {
                showTab(index);
                break;
            }
        }
    }
    return allValid;
}
