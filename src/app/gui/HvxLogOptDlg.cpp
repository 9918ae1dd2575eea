#include "app/gui/HvxLogOptDlg.h"

#include "base/HvxApp.h"
#include "base/gui/DialogTexts.h"
#include "app/gui/FolderBrowser.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using hvx::gui::WithCtrlId;

namespace {
constexpr int kTitleLogDir = 372; // "Logbuch-Verzeichnis aussuchen"
} // namespace

CHvxLogOptDlg::CHvxLogOptDlg(QWidget* parent)
    : SettingsPage("CHvxLogOptDlg", "Logoptionen-Dialog", parent)
    , m_values(hvx::LogOptionValues::Load(theApp()))
    , m_level(WithCtrlId(new QComboBox(this), 1282))
{
    auto* edit = WithCtrlId(new QLineEdit(this), 1280);
    auto* browse = WithCtrlId(new QPushButton(QStringLiteral("Ändern..."), this), 1281);
    m_directory = new hvx::gui::PathField(edit, browse, kTitleLogDir, QStringLiteral("CHvxLogOptDlg::OnBrowseLogDir"), this);
    m_directory->setPath(m_values.directory);
    for (int level = 0; level < hvx::LogOptionValues::kLevels; ++level)
        m_level->addItem(QString::number(level));
    // A level beyond the list (edited by hand) shows as the nearest one.
    m_level->setCurrentIndex(qBound(0, m_values.level, hvx::LogOptionValues::kLevels - 1));

    auto* restart = WithCtrlId(new QLabel(QStringLiteral("Änderungen werden erst nach Neustart von HVX wirksam."), this), 1418);
    restart->setWordWrap(true);
    auto* grid = new QGridLayout(this);
    grid->addWidget(WithCtrlId(new QLabel(QStringLiteral("Logbuch-Verzeichnis"), this), 1416), 0, 0, 1, 2);
    grid->addWidget(edit, 1, 0);
    grid->addWidget(browse, 1, 1);
    auto* levelRow = new QHBoxLayout;
    levelRow->addWidget(WithCtrlId(new QLabel(QStringLiteral("Aufzeichnugsstufe:"), this), 1417));
    levelRow->addWidget(m_level);
    levelRow->addStretch(1);
    grid->addLayout(levelRow, 2, 0, 1, 2);
    grid->addWidget(restart, 3, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(4, 1);
}

bool CHvxLogOptDlg::Exchange()
{
    m_values.directory = m_directory->path();
    m_values.level = m_level->currentIndex();
    return true;
}

void CHvxLogOptDlg::Store()
{
    m_values.Store(theApp());
}
