#include "app/gui/HvxDocManager.h"

#include "base/ErrorCodes.h"
#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "app/gui/CommandIds.h"
#include "app/gui/MainFrame.h"
#include "document/DocumentSave.h"
#include "document/gui/HvxFileEigenschaften.h"
#include "document/gui/HvxNeuDlg.h"
#include "document/gui/VersionAnpassenDlg.h"
#include "model/Versionsanpassung.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int kTextOpen = 61440;
constexpr int kTextFileNotFound = 3090;
const QString kRecentSection = QStringLiteral("Recent File List");

} // namespace

CHvxDocManager::CHvxDocManager(CHVXDoc& doc, CMainFrame& frame, QObject* parent)
    : QObject(parent)
    , m_doc(doc)
    , m_frame(frame)
{
    CHVXApp& app = theApp();
    for (int index = 1; index <= kMaxRecentFiles; ++index) {
        const QString path = app.GetStringSetting(kRecentSection, QStringLiteral("File%1").arg(index), QString());
        if (!path.isEmpty())
            m_recent.append(path);
    }
    connect(&m_doc, &CHVXDoc::modifiedChanged, this, &CHvxDocManager::updateFrame);
    m_frame.SetRecentFileHandler([this](const QString& path) { OpenDocumentFile(path); });
    m_frame.SetCloseHandler([this] { return SaveModified(); });
    updateFrame();
}

void CHvxDocManager::RegisterCommands()
{
    namespace cmd = hvx::cmd;
    const auto withParameters = [this] { return CanUseDocument(); };
    const auto editable = [this] { return CanTransfer(); };
    m_frame.RegisterCommand(cmd::kFileNew, [this] { OnFileNew(); });
    m_frame.RegisterCommand(cmd::kFileOpen, [this] { OnFileOpen(); });
    m_frame.RegisterCommand(cmd::kFileSave, [this] { OnFileSave(); }, withParameters);
    m_frame.RegisterCommand(cmd::kFileSaveAs, [this] { OnFileSaveAs(); }, withParameters);
    m_frame.RegisterCommand(cmd::kFileProperties, [this] { OnDateiEigenschaften(); }, withParameters);
    m_frame.RegisterCommand(cmd::kChangeModuleConfig, [this] { OnChangeModulkonfig(); }, editable);
    m_frame.RegisterCommand(cmd::kVersionAdaptation, [this] { OnVersionAnpassen(); }, editable);
}

bool CHvxDocManager::HasParameterSet() const
{
    return m_doc.parametersatz().geraetekennung() != 0;
}

bool CHvxDocManager::CanTransfer() const
{
    return CanUseDocument() && m_doc.accessGranted() != 0;
}

bool CHvxDocManager::inputErrorPending() const
{
    return m_frame.PendingError().has_value();
}

void CHvxDocManager::updateFrame()
{
    m_frame.SetDocumentTitle(m_doc.title());
    m_frame.setWindowModified(m_doc.isModified());
    m_frame.SetRecentFiles(m_recent);
}

std::optional<QString> CHvxDocManager::PromptOpenFileName()
{
    if (inputErrorPending())
        return std::nullopt;
    return theApp().ui().chooseFile(hvx::ConfigFileChoice(true, kTextOpen));
}

bool CHvxDocManager::SaveModified()
{
    const QString before = m_doc.pathName();
    const bool goOn = hvx::SaveModifiedDocument(m_doc);
    if (m_doc.pathName() != before)
        AddToRecentFileList(m_doc.pathName());
    updateFrame();
    return goOn;
}

void CHvxDocManager::OnFileNew()
{
    if (!SaveModified())
        return;
    m_doc.OnNewDocument([this]() -> std::optional<NeueKonfiguration> {
        if (theApp().m_bInShellCommand)
            return std::nullopt;
        CHvxNeuDlg dialog(&m_frame);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.choice();
    });
    updateFrame();
}

void CHvxDocManager::NewDocumentByProgram()
{
    m_doc.OnNewDocument(std::nullopt);
    updateFrame();
}

void CHvxDocManager::OnFileOpen()
{
    if (const std::optional<QString> path = PromptOpenFileName())
        OpenDocumentFile(*path);
}

bool CHvxDocManager::OpenDocumentFile(const QString& path)
{
    if (!SaveModified())
        return false;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    // The file layer would create a missing file as an empty configuration; opening must not.
    if (!QFileInfo(absolute).isFile()) {
        LogMessageBox(GetStringsText(kTextFileNotFound).replace(QLatin1String("%1"), absolute),
                      hvx::MB_OK | hvx::MB_ICONEXCLAMATION, 0);
        theApp().SetErrorCode(hvx::kErrorAreaConfigFile, hvx::kErrOpenException);
        return false;
    }
    CHVXDoc::OpenOptions options;
    options.byProgram = theApp().m_bInShellCommand;
    const bool opened = m_doc.OnOpenDocument(absolute, options);
    if (opened)
        AddToRecentFileList(absolute);
    updateFrame();
    return opened;
}

bool CHvxDocManager::OnFileSave()
{
    if (m_doc.pathName().isEmpty())
        return OnFileSaveAs();
    const QString before = m_doc.pathName();
    const bool saved = m_doc.DoSave(before);
    // A file changed elsewhere may have made the save go under a new name.
    if (saved && m_doc.pathName() != before)
        AddToRecentFileList(m_doc.pathName());
    updateFrame();
    return saved;
}

bool CHvxDocManager::OnFileSaveAs()
{
    if (inputErrorPending())
        return false;
    const bool saved = hvx::SaveDocumentAs(m_doc);
    if (saved)
        AddToRecentFileList(m_doc.pathName());
    updateFrame();
    return saved;
}

void CHvxDocManager::OnDateiEigenschaften()
{
    m_doc.OnDateiEigenschaften([this](const hvx::InfoTexts& texts, bool editable) -> std::optional<hvx::InfoTexts> {
        CHvxFileEigenschaften dialog(texts, editable, &m_frame);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.texts();
    });
}

void CHvxDocManager::OnChangeModulkonfig()
{
    m_doc.OnHvxBearbeitenChangeModulkonfig([this]() -> std::optional<hvx::Modulbestueckung> {
        CHvxNeuDlg dialog(m_doc.parametersatz(), &m_frame);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.choice().module;
    });
}

void CHvxDocManager::OnVersionAnpassen()
{
    LogEntry(1, QStringLiteral("CHVXDoc::OnHvxBearbeitenVersionsanpassung"));
    CVersionAnpassenDlg dialog(m_doc.parametersatz().geraetekennung(), &m_frame);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!hvx::passeVersionAn(m_doc.parametersatz(), dialog.target()))
        return;
    Q_EMIT m_doc.updateAllViews(CHVXDoc::kHintRebuild);
    // The converted set goes to the file at once (a save-as for an untitled document).
    m_doc.setModifiedFlag(true);
    OnFileSave();
}

QStringList CHvxDocManager::RecentFiles() const
{
    return m_recent;
}

void CHvxDocManager::AddToRecentFileList(const QString& path)
{
    const QString cleaned = QDir::cleanPath(path);
    m_recent.removeAll(cleaned);
    m_recent.prepend(cleaned);
    while (m_recent.size() > kMaxRecentFiles)
        m_recent.removeLast();
    storeRecentFiles();
    m_frame.SetRecentFiles(m_recent);
}

void CHvxDocManager::storeRecentFiles()
{
    CHVXApp& app = theApp();
    for (int index = 1; index <= kMaxRecentFiles; ++index)
        app.WriteProfileString(kRecentSection, QStringLiteral("File%1").arg(index), m_recent.value(index - 1));
}
