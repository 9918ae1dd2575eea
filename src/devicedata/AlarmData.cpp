#include "devicedata/AlarmData.h"

#include "base/FileDialogLan.h"
#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "devicedata/TextFile.h"
#include "document/HVXDoc.h"
#include "link/KelComm.h"
#include "link/RemoteTexts.h"

#include <QFile>

namespace hvx {
namespace {

constexpr int kTextSaveTitle = 462;      // "Alarmdaten speichern..."
constexpr int kTextFilter = 463;         // "Alarmdaten (*.alm)"
constexpr int kTextLoadTitle = 464;      // "Alarmdaten laden..."
constexpr int kTextDeleteQuestion = 465; // "Sollen die Alarmdaten wirklich gelöscht werden?"
constexpr int kTextNoneStored = 466;     // "Es sind keine Alarmdaten gespeichert."
constexpr int kTextNoAlarmMemory = 469;  // "HYDROVANT-Software unterstützt keinen Alarmdatenspeicher!"
constexpr quint8 kVersionBits = 0x07;

// Direction of the start column: clicks since the last load (process-wide, as the dialog
// may be opened again).
int s_startColumnClicks = 0;

std::optional<QString> ChooseAlarmFile(bool open)
{
    const QString extension = QStringLiteral("alm");
    return FileDialogLan(open, theApp().m_strAlarmdatDir, open ? kTextLoadTitle : kTextSaveTitle, kTextFilter, extension,
                         open ? QString() : ProposedFileName(QString(), extension));
}

// Whether the instrument has an alarm memory; after a failure the link is closed and the message shown.
bool ReadsAlarmCapableConfiguration(CKelComm& link)
{
    Parametersatz image;
    if (!link.ReadConfiguration(image.konfigurationsteil().data())) {
        link.Close(1);
        LogMessageBoxId(kTextConfigurationNotRead, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if ((image.geraetekennung() & kVersionBits) == 0) {
        link.Close(1);
        LogMessageBoxId(kTextNoAlarmMemory, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

} // namespace

bool FetchAlarmFile(const QString& path, AlarmMemory* memory)
{
    LogEntry(1, QStringLiteral("CAlarmDlg::OnAlarmdatEmpfangen"));
    if (path.isEmpty())
        return false;
    CKelComm link;
    if (!link.Open() || !ReadsAlarmCapableConfiguration(link))
        return false;
    AlarmMemory read;
    const int ok = link.ReadAlarms(read);
    link.Close(1);
    if (!ok || !WriteDataFile(path, AlarmFileText(read)))
        return false;
    if (read.stored == 0)
        LogMessageBoxId(kTextNoneStored, MB_OK | MB_ICONINFORMATION);
    if (memory)
        *memory = read;
    return true;
}

bool DeleteAlarmMemory(CHVXDoc& doc)
{
    LogEntry(1, QStringLiteral("CAlarmDlg::OnAlarmdatLoeschen"));
    if (LogMessageBoxId(kTextDeleteQuestion, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return false;
    CKelComm link;
    if (!link.Open())
        return false;
    Parametersatz instrument;
    if (!link.ReadParameters(instrument.parameterteil().data())) {
        link.Close(1);
        return false;
    }
    const int previousAccess = doc.accessGranted();
    doc.setAccessGranted(1);
    if (instrument.zugangscodeAktiv() != 0) {
        // Nobody keeps the instrument waiting while the code is typed.
        link.Close(1);
        doc.CheckAccess(instrument, CHVXDoc::AccessSubject::Instrument);
    }
    bool deleted = false;
    if (doc.accessGranted() == 1 && (link.m_bOpen || link.Open())) {
        const quint8 zeros[kAlarmHeaderSize] = {};
        deleted = link.WriteMemory(kAlarmHeaderAddress, kAlarmHeaderSize, zeros) != 0;
    }
    doc.setAccessGranted(previousAccess);
    link.Close(1);
    return deleted;
}

AlarmListState::~AlarmListState()
{
    ForgetTemporaryFile();
}

void AlarmListState::ForgetTemporaryFile()
{
    if (m_bTemporary && !m_strPath.isEmpty())
        QFile::remove(m_strPath);
    if (m_bTemporary)
        m_strPath.clear();
    m_bTemporary = false;
}

bool AlarmListState::Fetch()
{
    ForgetTemporaryFile();
    const QString path = CreateUniqueFile(theApp().m_strAlarmdatDir);
    if (path.isEmpty()) {
        LogEntry(0, QStringLiteral("CAlarmDlg::OnAlarmdatEmpfangen GetTempFileName"), QStringLiteral("fails"));
        return false;
    }
    if (!FetchAlarmFile(path)) {
        QFile::remove(path); // a failed fetch leaves no file behind
        return false;
    }
    LoadFile(path);
    m_bTemporary = true;
    return true;
}

bool AlarmListState::Save()
{
    LogEntry(1, QStringLiteral("CAlarmDlg::OnAlarmdatSpeichern"));
    const std::optional<QString> target = ChooseAlarmFile(false);
    if (!target)
        return false;
    const std::optional<QByteArray> bytes = ReadDataFile(m_strPath);
    if (!bytes || !WriteDataFile(*target, *bytes))
        return false;
    ForgetTemporaryFile();
    m_strPath = *target;
    return true;
}

bool AlarmListState::Load()
{
    LogEntry(1, QStringLiteral("CAlarmDlg::OnAlarmdatLaden"));
    if (unsavedFetch() && !Save())
        return false;
    const std::optional<QString> chosen = ChooseAlarmFile(true);
    if (!chosen)
        return false;
    ForgetTemporaryFile();
    return LoadFile(*chosen);
}

bool AlarmListState::LoadFile(const QString& path)
{
    if (path.isEmpty())
        return false;
    m_rows.clear();
    s_startColumnClicks = 0;
    const std::optional<QByteArray> bytes = ReadDataFile(path);
    m_strPath = path;
    const AlarmFileContent content = bytes ? ParseAlarmFile(*bytes) : AlarmFileContent{};
    m_nOccurred = content.occurred;
    m_nStored = content.stored;
    m_rows = content.rows;
    SortBy(AlarmColumn::Start);
    return bytes.has_value();
}

void AlarmListState::Ok()
{
    LogEntry(1, QStringLiteral("CAlarmDlg::OnOK"));
    if (unsavedFetch())
        Save();
}

void AlarmListState::SortBy(AlarmColumn column)
{
    bool ascending = true;
    if (column == AlarmColumn::Start)
        ascending = ++s_startColumnClicks % 2 == 1;
    SortAlarmRows(m_rows, column, ascending);
}

} // namespace hvx
