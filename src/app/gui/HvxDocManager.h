#pragma once
// The document handling of the window: new, open, save and save as with their file prompts and
// the save prompt for a modified document, the recent-file list, and the document dialogs
// (properties, module configuration change, version adaptation). The document itself does the
// work; this class asks the user and tells the frame.

#include "document/HVXDoc.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>

class CMainFrame;

class CHvxDocManager : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxRecentFiles = 4;

    CHvxDocManager(CHVXDoc& doc, CMainFrame& frame, QObject* parent = nullptr);

    CHVXDoc& document() { return m_doc; }

    // Registers the file and edit commands with the frame.
    void RegisterCommands();

    // --- file commands ---
    void OnFileNew();
    void OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    // Opens the file as the framework does (save prompt first); adds it to the recent files.
    bool OpenDocumentFile(const QString& path);
    // A new document made by the program (start-up, reading from the instrument): no dialog.
    void NewDocumentByProgram();

    // Offers to save a modified document; false when the user cancels (or saving failed).
    bool SaveModified();

    // The file-name prompt of Open: answers Cancel (nullopt) without showing anything while an
    // input error is pending, as Save As does.
    std::optional<QString> PromptOpenFileName();

    // --- document dialogs ---
    void OnDateiEigenschaften();
    void OnChangeModulkonfig();
    void OnVersionAnpassen();

    // --- recent files (settings section "Recent File List") ---
    QStringList RecentFiles() const;
    void AddToRecentFileList(const QString& path);

    // Shows the document's title and the recent files in the frame (after a command changed them).
    void RefreshFrame() { updateFrame(); }

    // --- when commands on the document are enabled ---
    bool HasParameterSet() const;
    // A loaded parameter set without a pending input error: what is shown is what is stored.
    bool CanUseDocument() const { return HasParameterSet() && !inputErrorPending(); }
    // ... and one that may be changed or sent (a read-only one never is).
    bool CanTransfer() const;

    // Filter of the configuration file type.

private:
    bool inputErrorPending() const;
    void updateFrame();
    void storeRecentFiles();

    CHVXDoc& m_doc;
    CMainFrame& m_frame;
    QStringList m_recent;
};
