#include "devicedata/MessdatenAufzeichnung.h"

#include "base/FileDialogLan.h"
#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "base/WaitCursor.h"
#include "devicedata/Messdaten.h"
#include "devicedata/TextFile.h"
#include "link/RemoteTexts.h"

#include <QDir>
#include <QMetaObject>

namespace hvx {
namespace {

constexpr int kTextIntervalOff = 420;   // "Die Messdatenerfassung ist auf dem HYDROVANT abgeschaltet."
constexpr int kTextSaveTitle = 421;     // "Messdaten speichern ..."
constexpr int kTextFilter = 422;        // "Messdaten (*.dat)"
constexpr int kTextSaved = 423;         // "Die Messdatendatei wurde ordnungsgemäß erstellt."
constexpr int kTextNoTemporaryFile = 3402;
constexpr int kTextNotWritten = 3403;

void LogNotes(const ConversionResult& result)
{
    for (const ConversionNote& note : result.notes) {
        const QString text = note.kind == ConversionNote::FormatCut ? QStringLiteral("CHvxMessdatenDlg Format-CUT")
                                                                    : QStringLiteral("CHvxMessdatenDlg Data/Time Corr");
        LogEntry(2, text, QString::fromLatin1(note.text));
    }
}

} // namespace

CMessdatenAufzeichnung::CMessdatenAufzeichnung(QObject* parent) : QObject(parent) {}

CMessdatenAufzeichnung::~CMessdatenAufzeichnung()
{
    m_link.Close(0);
}

CMessdatenAufzeichnung::StartResult CMessdatenAufzeichnung::Start()
{
    LogEntry(1, QStringLiteral("CHvxMessdatenDlg::OnMwerfassenStart()"));
    if (m_bRunning || !m_link.Open())
        return StartResult::Failed;
    m_image = Parametersatz();
    int failure = 0;
    if (!m_link.ReadConfiguration(m_image.konfigurationsteil().data()))
        failure = kTextConfigurationNotRead;
    else if (!m_link.ReadParameters(m_image.parameterteil().data()))
        failure = kTextParametersNotRead;
    if (failure) {
        LogMessageBoxId(failure, MB_OK | MB_ICONEXCLAMATION);
        m_link.Close(1);
        return StartResult::Failed;
    }
    // The instrument leaves the programming mode and starts sending; the port stays open.
    m_link.Disconnect();
    const quint8 interval = m_image.messdatenintervall();
    if (interval == kByteAus || interval == kMessdatenintervallProfibus) {
        LogMessageBoxId(kTextIntervalOff, MB_OK | MB_ICONINFORMATION);
        Stop();
        return StartResult::IntervalOff;
    }
    // Without a temporary file nothing could be kept: the recording does not begin.
    if (!OpenTemporaryFile()) {
        LogMessageBoxId(kTextNoTemporaryFile, MB_OK | MB_ICONEXCLAMATION);
        Stop();
        return StartResult::Failed;
    }
    m_bRunning = true;
    // From the receive thread to this object's thread; a call still queued when this object
    // is destroyed is dropped with it.
    m_link.ReceiveMesswerte(CKelComm::MesswerteSink{
        [this](const QByteArray& text) {
            QMetaObject::invokeMethod(this, [this, text] { OnText(text); }, Qt::QueuedConnection);
        },
        [this] { QMetaObject::invokeMethod(this, [this] { Q_EMIT linkLost(); }, Qt::QueuedConnection); }});
    return StartResult::Recording;
}

bool CMessdatenAufzeichnung::OpenTemporaryFile()
{
    const QString directory = QDir::tempPath();
    LogEntry(2, QStringLiteral("CHvxMessdatenDlg::OnMwerfassenStart GetTempPath"), directory);
    m_strTempPath = CreateUniqueFile(directory);
    if (m_strTempPath.isEmpty()) {
        LogEntry(0, QStringLiteral("CHvxMessdatenDlg::OnMwerfassenStart GetTempFileName"), QStringLiteral("fails"));
        return false;
    }
    LogEntry(2, QStringLiteral("CHvxMessdatenDlg::OnMwerfassenStart GetTempFileName"), m_strTempPath);
    m_file.setFileName(m_strTempPath);
    m_bFileError = false;
    return m_file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

void CMessdatenAufzeichnung::OnText(const QByteArray& text)
{
    if (!m_bRunning)
        return; // came in after Stop
    if (m_file.write(text) != text.size() || !m_file.flush()) {
        LogEntry(0, QStringLiteral("CHvxMessdatenDlg::OnLineReceived"), m_file.errorString());
        m_bFileError = true;
        Stop();
        return;
    }
    Q_EMIT textReceived(text);
    if (const std::optional<QStringList> fields = SplitMesswertZeile(text))
        Q_EMIT lineShown(*fields);
}

bool CMessdatenAufzeichnung::Stop()
{
    LogEntry(1, QStringLiteral("CHvxMessdatenDlg::OnMwerfassenEnd()"));
    m_link.Close(0);
    if (!m_bRunning)
        return false;
    m_bRunning = false;
    m_file.close();
    Q_EMIT ended();
    return !m_bFileError;
}

bool CMessdatenAufzeichnung::SaveWithDialog()
{
    const std::optional<QString> path =
        FileDialogLan(false, theApp().m_strMessdatDir, kTextSaveTitle, kTextFilter, QStringLiteral("dat"),
                      ProposedFileName(QString(), QStringLiteral("dat")));
    return path && ConvertTo(*path);
}

bool CMessdatenAufzeichnung::ConvertTo(const QString& path)
{
    bool written = false;
    {
        const hvx::WaitCursor waitCursor;
        const std::optional<QByteArray> text = ReadDataFile(m_strTempPath);
        if (text) {
            const ConversionResult result = ConvertMessdaten(*text, intervalSeconds());
            LogNotes(result);
            written = WriteDataFile(path, result.dat);
        }
    }
    if (!written) {
        LogMessageBox(GetStringsText(kTextNotWritten).arg(path), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    QFile::remove(m_strTempPath);
    m_strTempPath.clear();
    LogMessageBoxId(kTextSaved, MB_OK | MB_ICONINFORMATION);
    return true;
}

} // namespace hvx
