#include "document/HVXDoc.h"

#include "base/ErrorCodes.h"
#include "base/FileLock.h"
#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "document/AccessCode.h"
#include "document/ConfigBackup.h"
#include "document/DocumentSave.h"
#include "document/DocumentTexts.h"
#include "model/Bestueckung.h"
#include "model/Kalibrierung.h"
#include "model/MehrfachPH.h"
#include "model/NeuerParametersatz.h"
#include "model/Reglerwerte.h"
#include "model/Standardwerte.h"

#include <QFileInfo>

using namespace hvx;

namespace {

enum class ChangedFileChoice { SaveElsewhere, Overwrite, Cancel };

ChangedFileChoice askAboutChangedFile(const QString& path)
{
    switch (LogMessageBox(GetStringsText(kTextChangedOnDisk).arg(path), MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDYES: return ChangedFileChoice::SaveElsewhere;
    case IDNO: return ChangedFileChoice::Overwrite;
    default: return ChangedFileChoice::Cancel;
    }
}

} // namespace

CHVXDoc::CHVXDoc(QObject* parent) : QObject(parent) {}

void CHVXDoc::recomputeModuleCount()
{
    m_nModuleCount = modulanzahl(m_parametersatz);
}

bool CHVXDoc::multiplePhPossible() const
{
    return mehrfachPHMoeglich(m_parametersatz);
}

bool CHVXDoc::triplePhPossible() const
{
    return dreifachPHMoeglich(m_parametersatz);
}

int CHVXDoc::pageCount()
{
    m_pages = seitenaufteilung(m_parametersatz);
    return m_pages.seitenanzahl;
}

bool CHVXDoc::loadDefaults(int which)
{
    return ladeStandardwerte(m_parametersatz, which);
}

void CHVXDoc::keepCalibration(int slot, const Parametersatz& source)
{
    // The instrument's calibration values are no edit: the saved state takes them too.
    erhalteKalibrierung(m_parametersatz, slot, source);
    erhalteKalibrierung(m_savedRecord, slot, source);
}

QString CHVXDoc::title() const
{
    return m_strPathName.isEmpty() ? QString::fromLatin1(kDefaultTitle) : QFileInfo(m_strPathName).fileName();
}

bool CHVXDoc::isModified() const
{
    return m_bMarked || !gleicheEingaben(m_parametersatz, m_savedRecord);
}

void CHVXDoc::setModifiedFlag(bool modified)
{
    if (!modified)
        m_savedRecord = m_parametersatz;
    m_bMarked = modified;
    reportModified();
}

void CHVXDoc::recordChanged()
{
    berechneAlleReglerwerte(m_parametersatz);
    reportModified();
}

void CHVXDoc::reportModified()
{
    const bool modified = isModified();
    if (m_bModified == modified)
        return;
    m_bModified = modified;
    Q_EMIT modifiedChanged(modified);
}

void CHVXDoc::setInputErrorHooks(std::function<bool()> pending, std::function<void()> clear)
{
    m_inputErrorPending = std::move(pending);
    m_clearInputError = std::move(clear);
}

bool CHVXDoc::inputErrorPending() const
{
    return m_inputErrorPending && m_inputErrorPending();
}

void CHVXDoc::clearInputError()
{
    if (m_clearInputError)
        m_clearInputError();
}

bool CHVXDoc::OnNewDocument(const std::optional<NeueKonfiguration>& choice)
{
    LogEntry(1, QStringLiteral("CHVXDoc::OnNewDocument"));
    return newDocument(choice);
}

bool CHVXDoc::OnNewDocument(const NewPrompt& ask)
{
    LogEntry(1, QStringLiteral("CHVXDoc::OnNewDocument"));
    return newDocument(ask());
}

bool CHVXDoc::newDocument(const std::optional<NeueKonfiguration>& choice)
{
    if (choice) {
        richteNeuEin(m_parametersatz, choice->geraetekennung, choice->module);
        // A new configuration starts without the texts of the one shown before.
        m_texts = InfoTexts{};
        recomputeModuleCount();
        m_nAccessGranted = 1;
        Q_EMIT updateAllViews(kHintRebuild);
        clearInputError();
    }
    m_strPathName.clear();
    m_onDisk.clear();
    setModifiedFlag(false);
    return true;
}

bool CHVXDoc::OnOpenDocument(const QString& path, const OpenOptions& options)
{
    LogEntry(1, QStringLiteral("CHVXDoc::OnOpenDocument"));
    // Read into a copy: a file that fails to read or is refused leaves the document as it was.
    Parametersatz image;
    InfoBlockBytes block{};
    const bool read = m_configFile.OpenConfigFile(path) && m_configFile.ReadConfigFile(image.bytes())
                      && m_configFile.ReadInfoBlock(block);
    const QByteArray onDisk = m_configFile.Bytes();
    m_configFile.Close();
    if (!read)
        return false;

    if (!image.versionUnterstuetzt()) {
        LogMessageBoxId(kTextWrongVersion, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    m_parametersatz = image;
    m_texts = DecodeInfoBlock(block);
    m_strPathName = path;
    m_onDisk.take(path, onDisk);
    setModifiedFlag(false);
    if (options.checkAccess)
        CheckAccess(m_parametersatz, AccessSubject::Document);
    else
        m_nAccessGranted = m_parametersatz.zugangscodeAktiv() == 0;
    recomputeModuleCount();
    if (!options.byProgram)
        Q_EMIT updateAllViews(kHintRebuild);
    clearInputError();
    return true;
}

bool CHVXDoc::OnSaveDocument(const QString& path)
{
    LogEntry(1, QStringLiteral("CHVXDoc::OnSaveDocument"));
    if (inputErrorPending())
        return false;
    if (!m_strPathName.isEmpty())
        BackupConfigFile(m_strPathName);
    // Saving under another name over an existing file replaces that file: it gets its backup too.
    if (QFileInfo(path).absoluteFilePath() != QFileInfo(m_strPathName).absoluteFilePath() && QFileInfo(path).isFile())
        BackupConfigFile(path);
    wendeMehrfachPHRegelAn(m_parametersatz);
    berechneAlleReglerwerte(m_parametersatz);

    const InfoBlockBytes block = EncodeInfoBlock(m_texts);
    const bool written = m_configFile.OpenConfigFile(path) && m_configFile.WriteConfigFile(m_parametersatz.bytes())
                         && m_configFile.WriteInfoBlock(block);
    const QByteArray onDisk = m_configFile.Bytes();
    m_configFile.Close();
    if (!written)
        return false;
    m_onDisk.take(path, onDisk);
    setModifiedFlag(false);
    return true;
}

bool CHVXDoc::DoSave(const QString& path)
{
    if (inputErrorPending())
        return false;
    LogEntry(1, QStringLiteral("CHVXDoc::DoSave"), path);
    for (;;) {
        FileLock lock(path);
        if (const std::optional<QByteArray> changed = m_onDisk.changedOnDisk(path)) {
            lock.unlock(); // nobody waits on the file while the user decides
            switch (askAboutChangedFile(path)) {
            case ChangedFileChoice::SaveElsewhere: return SaveDocumentAs(*this);
            case ChangedFileChoice::Cancel: return false;
            case ChangedFileChoice::Overwrite: // asked again only when it changes once more
                m_onDisk.take(path, *changed);
                continue;
            }
        }
        if (!OnSaveDocument(path))
            return false;
        m_strPathName = path;
        return true;
    }
}

bool CHVXDoc::OnHvxBearbeitenChangeModulkonfig(const ModulePrompt& ask)
{
    LogEntry(1, QStringLiteral("CHVXDoc::OnHvxBearbeitenChangeModulkonfig"));
    const std::optional<Modulbestueckung> choice = ask();
    return choice && ChangeModuleConfiguration(*choice);
}

bool CHVXDoc::ChangeModuleConfiguration(const Modulbestueckung& choice)
{
    if (!aendereModulbestueckung(m_parametersatz, choice))
        return false;
    recomputeModuleCount();
    Q_EMIT updateAllViews(kHintRebuild);
    recordChanged();
    return true;
}

bool CHVXDoc::OnDateiEigenschaften(const PropertiesPrompt& ask)
{
    LogEntry(1, QStringLiteral("CHVXDoc::OnDateiEigenschaften"));
    const std::optional<InfoTexts> texts = ask(m_texts, m_nAccessGranted != 0);
    return texts && SetProperties(*texts);
}

bool CHVXDoc::SetProperties(const InfoTexts& texts)
{
    if (!m_nAccessGranted)
        return false;
    m_texts = LimitInfoTexts(texts);
    setModifiedFlag(true);
    return true;
}

int CHVXDoc::CheckAccess(const Parametersatz& image, AccessSubject subject)
{
    m_nAccessGranted = 1;
    if (image.zugangscodeAktiv() == 0)
        return m_nAccessGranted;
    const int question = subject == AccessSubject::Document ? kTextAccessWrongDocument : kTextAccessWrongInstrument;
    IUserInteraction& ui = theApp().ui();
    for (;;) {
        const std::optional<QString> entered = ui.askAccessCode();
        if (entered && AccessCodeMatches(image, *entered)) {
            m_nAccessGranted = 1;
            return m_nAccessGranted;
        }
        m_nAccessGranted = 0;
        theApp().SetErrorCode(kErrorAreaRemote, kErrAccessCode);
        const int answer = LogMessageBoxId(question, MB_YESNO);
        // Nobody can type a code in a batch run: its automatic "Ja" would ask forever.
        if (answer != IDYES || ui.isBatch())
            return m_nAccessGranted;
    }
}
