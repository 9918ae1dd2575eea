#pragma once
// The configuration document: the one owner of the working parameter set, its four descriptive
// texts and the access state. New, open, save, the module configuration change and the
// properties work on it in place; views learn of changes through updateAllViews.

#include "document/ConfigFileSnapshot.h"
#include "document/InfoBlock.h"
#include "document/KelConfigFile.h"
#include "document/TransferRecord.h"
#include "model/Modulauswahl.h"
#include "model/Parametersatz.h"
#include "model/Seitenaufteilung.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class CKelComm;

// What the new-configuration dialog chose.
struct NeueKonfiguration {
    quint8 geraetekennung = 0;
    hvx::Modulbestueckung module{};
};

class CHVXDoc : public QObject {
    Q_OBJECT
public:
    // Update hint: the module configuration changed, views rebuild their pages.
    static constexpr int kHintRebuild = 1;
    // Update hint: the record changed under the pages (calibration values kept from the
    // instrument); every page shows it again.
    static constexpr int kHintReload = 2;

    // The document type as the file dialogs and the shell registration show it.
    static constexpr const char* kFileExtension = "hxd";
    static constexpr const char* kFileFilter = "Hydrovant Configuration File (*.hxd)";
    static constexpr const char* kFileTypeName = "HydrvantConfigurationFile";
    static constexpr const char* kFileTypeTitle = "HVX-File";
    static constexpr const char* kDefaultTitle = "Hydrov";

    // Whose parameter set the access check examines; it decides the question's wording.
    enum class AccessSubject { Document, Instrument };

    explicit CHVXDoc(QObject* parent = nullptr);

    hvx::Parametersatz& parametersatz() { return m_parametersatz; }
    const hvx::Parametersatz& parametersatz() const { return m_parametersatz; }
    const hvx::InfoTexts& infoTexts() const { return m_texts; }
    CKelConfigFile& configFile() { return m_configFile; }

    int accessGranted() const { return m_nAccessGranted; }
    void setAccessGranted(int granted) { m_nAccessGranted = granted; }
    int moduleCount() const { return m_nModuleCount; }
    void recomputeModuleCount();
    bool multiplePhPossible() const;
    bool triplePhPossible() const;
    // Pages of the editing view; computes the timer continuation afresh.
    int pageCount();
    const hvx::Seitenaufteilung& timerContinuation() const { return m_pages; }

    bool loadDefaults(int which);
    void keepCalibration(int slot, const hvx::Parametersatz& source);

    // --- framework document state ---
    QString pathName() const { return m_strPathName; }
    // The file name, or the default name of an untitled document.
    QString title() const;
    // Modified while the parameter set holds other entries than when it was last opened, made
    // or saved (derived controller values do not count), or after a mark (new texts, a set read
    // from the instrument). false: the document as it is now counts as saved.
    bool isModified() const;
    void setModifiedFlag(bool modified = true);
    // The parameter set was changed in place (a page stored entries, a command ran, defaults):
    // the derived controller values follow their inputs and the modified mark follows the record.
    void recordChanged();

    // A pending input error on a page (owned by the editing view): it blocks saving.
    void setInputErrorHooks(std::function<bool()> pending, std::function<void()> clear);
    // Lets the page being edited store its entries; true when one of them is invalid.
    bool inputErrorPending() const;

    // --- operations ---
    // choice: what the new-configuration dialog returned; nullopt when it was cancelled or the
    // program creates the document itself. Always succeeds, as a new document does.
    bool OnNewDocument(const std::optional<NeueKonfiguration>& choice);
    // The New command: the log book records it before ask shows the dialog (nullopt: cancelled).
    using NewPrompt = std::function<std::optional<NeueKonfiguration>()>;
    bool OnNewDocument(const NewPrompt& ask);
    struct OpenOptions {
        bool byProgram = false;  // opened by the program itself: no view rebuild
        bool checkAccess = true; // false for a look only: a code in force then simply denies access
    };
    bool OnOpenDocument(const QString& path) { return OnOpenDocument(path, OpenOptions{}); }
    bool OnOpenDocument(const QString& path, const OpenOptions& options);
    bool OnSaveDocument(const QString& path);
    // The save sequence: refused while an input error is pending; on success the document takes
    // the target as its path. The file is locked from the check to the last write; when it was
    // changed by someone else since this document read or wrote it, the user chooses: keep it
    // and save under a new name, overwrite it, or cancel.
    bool DoSave(const QString& path);
    // The choice of the dialog in "change" mode; returns whether any slot changed.
    bool ChangeModuleConfiguration(const hvx::Modulbestueckung& choice);
    // The properties dialog's OK: texts are limited to their lines and line length. Refused
    // (false) while access is not granted, as the dialog's fields are then disabled.
    bool SetProperties(const hvx::InfoTexts& texts);

    // The commands behind these two: the log book records the command when it is given, also
    // when its dialog is then cancelled. A prompt returns the dialog's OK, nullopt for Cancel.
    using ModulePrompt = std::function<std::optional<hvx::Modulbestueckung>()>;
    using PropertiesPrompt = std::function<std::optional<hvx::InfoTexts>(const hvx::InfoTexts& texts, bool editable)>;
    bool OnHvxBearbeitenChangeModulkonfig(const ModulePrompt& ask);
    bool OnDateiEigenschaften(const PropertiesPrompt& ask);
    // Asks for the access code while the examined image has one in force; leaves the verdict in
    // accessGranted() and returns it.
    int CheckAccess(const hvx::Parametersatz& image, AccessSubject subject);

    // --- remote programming (link/RemoteProgramming.cpp); true on success ---
    // Reads the instrument's parameter set into a new, untitled, modified document.
    bool OnHvxRemotePasi();
    // Transfers the document's parameter part, overwriting the instrument's calibration values
    // (in service mode: opens the service dialog instead).
    bool OnHvxRemotePaup();
    // Transfers the document's parameter part, keeping the instrument's calibration values.
    bool OnHvxRemoteProg();
    // The batch transfer of a configuration file; success exactly when the process error code is 0.
    bool RemoteTransfer(const QString& path, bool keep);
    // What OnHvxRemotePaup opens in service mode; installed by the window.
    void setServiceDialogHook(std::function<void()> open) { m_openServiceDialog = std::move(open); }
    // The last transfer of this document that succeeded, for its report; none after a failed one.
    const std::optional<hvx::TransferRecord>& lastTransfer() const { return m_lastTransfer; }
    // Installed by the window: the success message of a transfer then offers to save its report,
    // and this saves it when the user chooses so.
    void setTransferReportHook(std::function<void(const hvx::TransferRecord&)> save) { m_saveTransferReport = std::move(save); }

Q_SIGNALS:
    void updateAllViews(int hint);
    void modifiedChanged(bool modified);

private:
    bool newDocument(const std::optional<NeueKonfiguration>& choice);
    void clearInputError();
    bool TransferToInstrument(bool keep);
    bool ExchangeWithInstrument(CKelComm& link, hvx::Parametersatz& instrument, bool keep,
                                qint32& failedStatus);

    void reportModified();

    hvx::Parametersatz m_parametersatz;
    hvx::Parametersatz m_savedRecord; // the parameter set as last opened, made or saved
    bool m_bMarked = false;
    hvx::InfoTexts m_texts;
    CKelConfigFile m_configFile;
    hvx::ConfigFileSnapshot m_onDisk; // the file as this document last read or wrote it
    int m_nAccessGranted = 1;
    int m_nModuleCount = 0;
    hvx::Seitenaufteilung m_pages;
    QString m_strPathName;
    bool m_bModified = false;
    std::function<bool()> m_inputErrorPending;
    std::function<void()> m_clearInputError;
    std::function<void()> m_openServiceDialog;
    std::function<void(const hvx::TransferRecord&)> m_saveTransferReport;
    std::optional<hvx::TransferRecord> m_lastTransfer;
};
