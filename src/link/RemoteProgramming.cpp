// Remote programming: read the instrument's parameter set into the document, and transfer the
// document's parameter part to the instrument with or without keeping its calibration values.
#include "document/HVXDoc.h"

#include "base/ErrorCodes.h"
#include "base/FileLock.h"
#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "document/ConfigFileLayout.h"
#include "document/DocumentSave.h"
#include "document/DocumentTexts.h"
#include "link/KelComm.h"
#include "link/RemoteProgramming.h"
#include "link/RemoteTexts.h"
#include "link/SerialPortFactory.h"
#include "model/Modulnamen.h"
#include "model/Revisionen.h"

#include <QFileInfo>
#include <algorithm>

using namespace hvx;

namespace {

QString RevisionName(quint8 geraetekennung)
{
    const QString name = revisionText(geraetekennung);
    return name.isEmpty() ? QStringLiteral("0x%1").arg(geraetekennung, 2, 16, QLatin1Char('0')).toUpper() : name;
}

// Device identification and the module types of slots 1..3 must agree before a transfer: one
// line for each that differs, naming the instrument's and the file's.
QStringList ConfigurationDifferences(const Parametersatz& instrument, const Parametersatz& document)
{
    QStringList lines;
    if (instrument.geraetekennung() != document.geraetekennung())
        lines << GetStringsText(kTextMismatchRevision)
                     .arg(RevisionName(instrument.geraetekennung()), RevisionName(document.geraetekennung()));
    for (int slot = 0; slot < layout::kSlotAnzahl; ++slot) {
        if (instrument.modultyp(slot) != document.modultyp(slot))
            lines << GetStringsText(kTextMismatchSlot)
                         .arg(slot + 1)
                         .arg(modulName(instrument.modultyp(slot), instrument.familie()),
                              modulName(document.modultyp(slot), document.familie()));
    }
    return lines;
}

// Access code and its switch (bytes 476..480) of both images.
bool AccessCodesEqual(const Parametersatz& a, const Parametersatz& b)
{
    return a.zugangscode() == b.zugangscode() && a.zugangscodeAktiv() == b.zugangscodeAktiv();
}

// The link's cause of a failure. A block write whose command byte went unanswered, or was
// answered with something else than ACK, leaves the status at 0; it still failed.
qint32 FailureStatus(const CKelComm& link)
{
    if (const qint32 status = link.m_nStatus.load(); status != CKelComm::StatusOk)
        return status;
    return link.m_nRxCount.load() == 0 ? CKelComm::StatusTimeout : CKelComm::StatusNoAck;
}

bool ReadFileImage(CKelConfigFile& file, const QString& path, Parametersatz& image, InfoTexts* texts = nullptr)
{
    Parametersatz read;
    InfoBlockBytes block{};
    const bool ok = file.OpenConfigFile(path) && file.ReadConfigFile(read.bytes()) && (!texts || file.ReadInfoBlock(block));
    file.Close();
    if (ok)
        image = read;
    if (ok && texts)
        *texts = DecodeInfoBlock(block);
    return ok;
}

// The set the instrument holds after a write: its configuration part, the parameter part sent.
Parametersatz AfterWrite(const Parametersatz& instrument, const Parametersatz& sent)
{
    Parametersatz after = instrument;
    std::copy(sent.parameterteil().begin(), sent.parameterteil().end(), after.parameterteil().begin());
    return after;
}

// Only an existing file gets the stamp: opening creates a missing one. A stamp that cannot be
// written (a write-protected file) leaves its file error code, and the message says that the
// instrument has the parameters all the same.
void StampTransfer(CKelConfigFile& file, const QString& path)
{
    if (!QFileInfo(path).isFile())
        return;
    const FileLock lock(path); // the stamp rewrites the file: never between another save's read and write
    const bool stamped = file.OpenConfigFile(path) && file.SetZeit(configfile::kStampTransferred);
    file.Close();
    if (!stamped)
        LogMessageBox(GetStringsText(kTextStampNotWritten).arg(path), MB_OK | MB_ICONEXCLAMATION);
}

hvx::WriteDifferenceLines g_writeDifferenceLines = nullptr;

// Without the page names installed: the differing bytes by offset.
QStringList DifferingBytes(const Parametersatz& sent, const Parametersatz& readBack)
{
    QStringList lines;
    for (int offset = 0; offset < Parametersatz::kGroesse; ++offset) {
        if (sent.byte(offset) != readBack.byte(offset))
            lines << GetStringsText(kTextVerifyByte).arg(offset).arg(int(sent.byte(offset))).arg(int(readBack.byte(offset)));
    }
    return lines;
}

// The parameters read back after a write must be the ones sent; false (with the message naming
// the differences) when the instrument stored anything else.
bool ReadBackMatches(CKelComm& link, const Parametersatz& instrument, const Parametersatz& sent, bool& linkFailed)
{
    Parametersatz readBack = instrument;
    linkFailed = !link.ReadParameters(readBack.parameterteil().data());
    if (linkFailed)
        return false;
    const Parametersatz expected = AfterWrite(instrument, sent);
    if (readBack == expected)
        return true;
    const QStringList lines = g_writeDifferenceLines ? g_writeDifferenceLines(expected, readBack)
                                                     : DifferingBytes(expected, readBack);
    theApp().SetErrorCode(kErrorAreaRemote, kErrVerifyMismatch);
    LogMessageBox(GetStringsText(kTextVerifyFailed).arg(lines.join(QLatin1Char('\n'))), MB_OK | MB_ICONERROR);
    return false;
}

} // namespace

namespace hvx {

void SetWriteDifferenceLines(WriteDifferenceLines lines)
{
    g_writeDifferenceLines = lines;
}

bool VerifyAfterWrite()
{
    CHVXApp& app = theApp();
    return app.m_bVerify || app.GetIntSetting(settings::kVerifyAfterWrite) != 0;
}

bool ReadInstrumentParameters(Parametersatz& image)
{
    CKelComm link;
    if (!link.Open())
        return false;
    Parametersatz read;
    const auto abandon = [&link](int text) {
        link.Close(1);
        LogMessageBoxId(text, MB_OK | MB_ICONEXCLAMATION);
        return false;
    };
    if (!link.ReadConfiguration(read.konfigurationsteil().data()))
        return abandon(kTextConfigurationNotRead);
    if (!read.versionUnterstuetzt())
        return abandon(kTextWrongVersion);
    if (!link.ReadParameters(read.parameterteil().data()))
        return abandon(kTextParametersNotRead);
    link.Close(1);
    image = read;
    return true;
}

} // namespace hvx

bool CHVXDoc::OnHvxRemotePasi()
{
    LogEntry(1, QStringLiteral("CHVXDoc::OnHvxRemotePasi"));
    if (isModified() && m_strPathName.isEmpty() && !SaveDocumentAs(*this))
        return false;
    if (!SaveModifiedDocument(*this))
        return false;
    // The instrument is read first: a read that fails leaves the document shown before exactly
    // as it was, so that its values are never taken for the instrument's.
    Parametersatz image;
    if (!ReadInstrumentParameters(image))
        return false;
    CHVXApp& app = theApp();
    app.m_bInShellCommand = true;
    OnNewDocument(std::nullopt);
    app.m_bInShellCommand = false;
    // A new document: the texts of the one shown before belong to another instrument.
    m_texts = InfoTexts{};
    m_parametersatz = image;
    setModifiedFlag(false);
    CheckAccess(m_parametersatz, AccessSubject::Document);
    recomputeModuleCount();
    Q_EMIT updateAllViews(kHintRebuild);
    clearInputError();
    setModifiedFlag(true);
    return true;
}

bool CHVXDoc::OnHvxRemotePaup()
{
    LogEntry(1, QStringLiteral("CHVXDoc::OnHvxRemotePaup"));
    if (theApp().m_bService) {
        if (m_openServiceDialog)
            m_openServiceDialog();
        else
            LogMessageBoxId(kTextNoServiceDialog, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return TransferToInstrument(false);
}

bool CHVXDoc::OnHvxRemoteProg()
{
    LogEntry(1, QStringLiteral("CHVXDoc::OnHvxRemoteProg"));
    return TransferToInstrument(true);
}

bool CHVXDoc::RemoteTransfer(const QString& path, bool keep)
{
    LogEntry(1, QStringLiteral("CHVXDoc::RemoteTransfer"), path);
    // Opening would create a missing file, and an empty parameter set is never what was meant.
    if (!QFileInfo(path).isFile()) {
        LogMessageBox(GetStringsText(kTextRemoteFileMissing).arg(path), MB_OK | MB_ICONERROR);
        theApp().SetErrorCode(kErrorAreaConfigFile, kErrOpenException);
        return false;
    }
    m_strPathName = path;
    // The texts too: the report of the transfer names the plant.
    if (!ReadFileImage(m_configFile, path, m_parametersatz, &m_texts))
        return false;
    setModifiedFlag(false);
    TransferToInstrument(keep);
    return theApp().ErrorCode() == 0;
}

bool CHVXDoc::TransferToInstrument(bool keep)
{
    m_lastTransfer.reset();
    // What the technician sees is what is sent: the page being edited stores its entries first,
    // exactly as before a save (an invalid entry stops here), and the derived values follow them.
    if (inputErrorPending())
        return false;
    recordChanged();
    if (isModified() || m_strPathName.isEmpty()) {
        const bool saved = m_strPathName.isEmpty() ? SaveDocumentAs(*this) : DoSave(m_strPathName);
        if (!saved)
            return false;
        setModifiedFlag(false);
    }
    // The transfer goes out only when the file just saved can be read back.
    Parametersatz instrument;
    if (!ReadFileImage(m_configFile, m_strPathName, instrument))
        return false;
    if (!keep && LogMessageBoxId(kTextAskOverwriteCalibration, MB_YESNO | MB_DEFBUTTON2) != IDYES)
        return false;

    CKelComm link;
    qint32 failedStatus = CKelComm::StatusOk;
    bool result = link.Open() != 0;
    if (result)
        result = ExchangeWithInstrument(link, instrument, keep, failedStatus);
    else
        failedStatus = link.m_nStatus.load();
    if (link.m_bOpen)
        link.Close(1);

    if (result) {
        // The window offers the report of the transfer beside the message.
        if (m_saveTransferReport && m_lastTransfer) {
            if (LogMessageBoxIdWithAction(kTextTransferDone, MB_OK | MB_ICONINFORMATION, GetStringsText(kTextSaveReport)) == IDACTION)
                m_saveTransferReport(*m_lastTransfer);
        } else {
            LogMessageBoxId(kTextTransferDone, MB_OK | MB_ICONINFORMATION);
        }
        return true;
    }
    LogMessageBoxId(kTextTransferFailed, MB_OK | MB_ICONERROR);
    if (failedStatus != CKelComm::StatusOk)
        theApp().SetErrorCode(kErrorAreaDeviceLink, quint32(failedStatus));
    return false;
}

bool CHVXDoc::ExchangeWithInstrument(CKelComm& link, Parametersatz& instrument, bool keep,
                                     qint32& failedStatus)
{
    const auto linkFailed = [&link, &failedStatus] {
        failedStatus = FailureStatus(link);
        return false;
    };
    if (!link.ReadConfiguration(instrument.konfigurationsteil().data())) {
        LogMessageBoxId(kTextConfigurationNotRead, MB_OK | MB_ICONEXCLAMATION);
        return linkFailed();
    }
    if (const QStringList differences = ConfigurationDifferences(instrument, m_parametersatz); !differences.isEmpty()) {
        theApp().SetErrorCode(kErrorAreaRemote, kErrConfigMismatch);
        LogEntryId(1, kTextConfigurationMismatch);
        const QStringList lines = QStringList{GetStringsText(kTextConfigurationMismatch)} + differences;
        LogMessageBox(lines.join(QLatin1Char('\n')), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    // Without the instrument's parameters there is no code to check and no calibration to keep.
    if (!link.ReadParameters(instrument.parameterteil().data()))
        return linkFailed();

    const int accessBefore = m_nAccessGranted;
    bool linkClosedForPrompt = false;
    if (instrument.zugangscodeAktiv()) {
        if (theApp().m_bRemote) {
            if (!AccessCodesEqual(instrument, m_parametersatz)) {
                m_nAccessGranted = 0;
                theApp().SetErrorCode(kErrorAreaRemote, kErrAccessCode);
            }
        } else {
            // No link is held open while the user types.
            link.Close(1);
            linkClosedForPrompt = true;
            CheckAccess(instrument, AccessSubject::Instrument);
        }
    }
    const bool accessGranted = m_nAccessGranted != 0;
    m_nAccessGranted = accessBefore;
    if (!accessGranted)
        return false;

    const Parametersatz fromFile = m_parametersatz;
    if (keep) {
        const Parametersatz before = m_parametersatz;
        for (int slot = 0; slot < layout::kSlotAnzahl; ++slot)
            keepCalibration(slot, instrument);
        // The pages show the instrument's values now, or their next store would put the file's back.
        if (m_parametersatz != before)
            Q_EMIT updateAllViews(kHintReload);
    }
    if (linkClosedForPrompt && !link.Open()) {
        failedStatus = link.m_nStatus.load();
        return false;
    }
    // The bytes go out from a copy taken now: nothing that happens while they are paced out (a
    // field losing the focus to the progress display) can change them or their checksum.
    const Parametersatz sent = m_parametersatz;
    if (!link.WriteParameters(sent.parameterteil().data()))
        return linkFailed();
    // Opt-in: one read more shows whether the instrument really stored what was sent.
    const bool verify = VerifyAfterWrite();
    if (verify) {
        bool readFailed = false;
        if (!ReadBackMatches(link, instrument, sent, readFailed))
            return readFailed ? linkFailed() : false;
    }
    // What the report of this transfer states: the sets before and after come from the transfer
    // itself, no read more.
    m_lastTransfer = TransferRecord{QDateTime::currentDateTime(), CurrentPortName(), PortDevice(theApp().m_nPort + 1),
                                    QFileInfo(m_strPathName).absoluteFilePath(), m_texts, instrument, fromFile,
                                    AfterWrite(instrument, sent), keep,
                                    verify ? TransferRecord::Check::Passed : TransferRecord::Check::NotRun};
    StampTransfer(m_configFile, m_strPathName);
    return true;
}
