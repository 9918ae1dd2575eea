#include "devicedata/gui/MessdatenAnzeigeDlg.h"

#include "base/FileDialogLan.h"
#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "base/gui/DialogTexts.h"
#include "devicedata/MessdatenLader.h"
#include "devicedata/gui/MesswertTrend.h"

#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFileInfo>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kTextTitle = 3404;   // "Messdaten anzeigen..."
constexpr int kTextFilter = 422;   // "Messdaten (*.dat)"
constexpr int kTextNoData = 3405;  // "Die Datei %1 enthält keine lesbaren Messdaten."
constexpr int kTextCaption = 3425; // "Messdaten - %1"
constexpr int kTextReading = 3460; // "Messdaten werden gelesen: %1"
constexpr int kProgressPollMs = 100;
constexpr int kProgressAfterMs = 300; // a short file shows no progress bar at all

} // namespace

CMessdatenAnzeigeDlg::CMessdatenAnzeigeDlg(const QString& path, hvx::MessdatenSpalten columns, QWidget* parent)
    : LanDialog("CMessdatenAnzeigeDlg", "Messdatenanzeige-Dialog", 0, parent), m_trend(new CMesswertTrend(this))
{
    setWindowTitle(GetStringsText(kTextCaption).arg(QFileInfo(path).fileName()));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    m_trend->SetData(std::move(columns));
    cancelButton()->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_trend, 1);
    layout->addWidget(buttonBox());
    m_trend->setMinimumSize(820, 440);
}

std::optional<hvx::MessdatenSpalten> CMessdatenAnzeigeDlg::LoadWithProgress(const QString& path, QWidget* parent,
                                                                          bool* cancelled)
{
    hvx::CMessdatenLader loader(path);
    QProgressDialog progress(GetStringsText(kTextReading).arg(QFileInfo(path).fileName()),
                             GetDialogTextOr(QLatin1String(hvx::gui::kGeneralDialogItems), hvx::gui::kIdCancel,
                                                       QStringLiteral("Abbrechen")),
                             0, 1000, parent);
    progress.setWindowTitle(GetStringsText(kTextTitle));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressAfterMs);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    QObject::connect(&progress, &QProgressDialog::canceled, &loader, &hvx::CMessdatenLader::Cancel);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &progress, [&] {
        if (progress.wasCanceled())
            loader.Cancel();
        else
            progress.setValue(loader.permille());
    });
    QEventLoop wait;
    QObject::connect(&loader, &hvx::CMessdatenLader::finished, &wait, &QEventLoop::quit);
    loader.Start();
    poll.start(kProgressPollMs);
    progress.setValue(0);
    wait.exec();
    poll.stop();
    if (cancelled)
        *cancelled = loader.cancelled();
    if (loader.cancelled())
        return std::nullopt;
    std::optional<hvx::MessdatenSpalten> data = loader.takeResult();
    if (!data)
        LogEntry(0, QStringLiteral("CHVXDoc::OnMessdatenAnzeigen ") + path, loader.cause());
    return data;
}

void CMessdatenAnzeigeDlg::OnMessdatenAnzeigen(QWidget* parent)
{
    LogEntry(1, QStringLiteral("CHVXDoc::OnMessdatenAnzeigen"));
    const std::optional<QString> path =
        hvx::FileDialogLan(true, theApp().m_strMessdatDir, kTextTitle, kTextFilter, QStringLiteral("dat"));
    if (!path)
        return;
    bool cancelled = false;
    std::optional<hvx::MessdatenSpalten> data = LoadWithProgress(*path, parent, &cancelled);
    if (cancelled)
        return;
    if (!data || data->empty()) {
        LogMessageBox(GetStringsText(kTextNoData).arg(*path), hvx::MB_OK | hvx::MB_ICONEXCLAMATION);
        return;
    }
    CMessdatenAnzeigeDlg dialog(*path, std::move(*data), parent);
    dialog.exec();
}
