#include "devicedata/gui/MessdatenAnzeigeDlg.h"

#include "base/FileDialogLan.h"
#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "devicedata/TextFile.h"
#include "devicedata/gui/MesswertTrend.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QFileInfo>
#include <QVBoxLayout>

namespace {

constexpr int kTextTitle = 3404;   // "Messdaten anzeigen..."
constexpr int kTextFilter = 422;   // "Messdaten (*.dat)"
constexpr int kTextNoData = 3405;  // "Die Datei %1 enthält keine lesbaren Messdaten."
constexpr int kTextCaption = 3425; // "Messdaten - %1"

} // namespace

CMessdatenAnzeigeDlg::CMessdatenAnzeigeDlg(const QString& path, const std::vector<hvx::MesswertZeile>& rows,
                                           QWidget* parent)
    : LanDialog("CMessdatenAnzeigeDlg", "Messdatenanzeige-Dialog", 0, parent), m_trend(new CMesswertTrend(this))
{
    setWindowTitle(GetStringsText(kTextCaption).arg(QFileInfo(path).fileName()));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    m_trend->SetUnnamedModules(rows);
    m_trend->SetRows(rows);
    cancelButton()->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_trend, 1);
    layout->addWidget(buttonBox());
    m_trend->setMinimumSize(820, 440);
}

void CMessdatenAnzeigeDlg::OnMessdatenAnzeigen(QWidget* parent)
{
    LogEntry(1, QStringLiteral("CHVXDoc::OnMessdatenAnzeigen"));
    const std::optional<QString> path =
        hvx::FileDialogLan(true, theApp().m_strMessdatDir, kTextTitle, kTextFilter, QStringLiteral("dat"));
    if (!path)
        return;
    const std::optional<QByteArray> text = hvx::ReadDataFile(*path);
    const std::vector<hvx::MesswertZeile> rows = text ? hvx::ReadMessdaten(*text) : std::vector<hvx::MesswertZeile>{};
    if (rows.empty()) {
        LogMessageBox(GetStringsText(kTextNoData).arg(*path), hvx::MB_OK | hvx::MB_ICONEXCLAMATION);
        return;
    }
    CMessdatenAnzeigeDlg dialog(*path, rows, parent);
    dialog.exec();
}
