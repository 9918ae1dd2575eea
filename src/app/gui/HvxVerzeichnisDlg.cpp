#include "app/gui/HvxVerzeichnisDlg.h"

#include "base/HvxApp.h"
#include "base/gui/DialogTexts.h"
#include "app/gui/FolderBrowser.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using hvx::gui::WithCtrlId;

namespace {

// One row per directory, in the order of hvx::DirectoryRows().
struct DirectoryControls {
    int editId;
    int browseId;
    int labelId;
    int titleNumber; // the folder chooser's title
    const char* label;
    const char* browseMarker;
};

const DirectoryControls kControls[CHvxVerzeichnisDlg::kRows] = {
    {1260, 1262, 1526, 158, "Arbeitsverzeichnis (*.hxd)", "CHvxVerzeichnisDlg::OnBrowseWorkDir"},
    {1261, 1264, 1527, 159, "Backupverzeichnis", "CHvxVerzeichnisDlg::OnBrowseBackupDir"},
    {1263, 1265, 1528, 424, "Exportverzeichnis", "CHvxVerzeichnisDlg::OnBrowseExportDir"},
    {1266, 1267, 1529, 425, "Verzeichnis für Messdatendateien (*.dat)", "CHvxVerzeichnisDlg::OnBrowseMessdatDir"},
    {1268, 1269, 1530, 445, "Verzeichnis für Alarmdatendateien (*.alm)", "CHvxVerzeichnisDlg::OnBrowseAlarmdatDir"},
};

} // namespace

CHvxVerzeichnisDlg::CHvxVerzeichnisDlg(QWidget* parent)
    : SettingsPage("CHvxVerzeichnisDlg", "Verzeichnisse-Dialog", parent)
    , m_values(hvx::DirectoryValues::Load(theApp()))
{
    auto* grid = new QGridLayout(this);
    for (int row = 0; row < kRows; ++row) {
        const DirectoryControls& controls = kControls[row];
        auto* label = WithCtrlId(new QLabel(QString::fromUtf8(controls.label), this), controls.labelId);
        auto* edit = WithCtrlId(new QLineEdit(this), controls.editId);
        auto* browse = WithCtrlId(new QPushButton(QStringLiteral("Ändern..."), this), controls.browseId);
        auto* field = new hvx::gui::PathField(edit, browse, controls.titleNumber, QLatin1String(controls.browseMarker), this);
        field->setPath(m_values.paths.at(static_cast<size_t>(row)));
        m_fields.at(static_cast<size_t>(row)) = field;
        grid->addWidget(label, 2 * row, 0, 1, 2);
        grid->addWidget(edit, 2 * row + 1, 0);
        grid->addWidget(browse, 2 * row + 1, 1);
    }
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(2 * kRows, 1);
}

bool CHvxVerzeichnisDlg::Exchange()
{
    // The fields are read-only; their paths come from the folder chooser.
    for (int row = 0; row < kRows; ++row)
        m_values.paths.at(static_cast<size_t>(row)) = field(row)->path();
    return true;
}

void CHvxVerzeichnisDlg::Store()
{
    m_values.Store(theApp());
}
