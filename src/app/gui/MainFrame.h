#pragma once
// The program's only top-level window: a fixed-size frame with menu, tool bar and status bar
// around the editing view. Menu texts, status texts and tool tips come from Main.lan and follow
// every language switch.

#include <QHash>
#include <QMainWindow>
#include <QString>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QToolBar;

// A pending input error on an editing page, as the status bar shows it.
struct PendingInputError {
    int controlId = 0;
    QString message;
};

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* m_strClassName = "HVXWindowClass";
    static constexpr int kMaxRecentFiles = 4;

    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Applies the menu texts and the title; the frame is ready to be shown.
    void LoadFrame();
    QString m_strShortVersion;

    // --- commands ---
    using Handler = std::function<void()>;
    using Enabler = std::function<bool()>;
    // A command without a registered handler stays visible and disabled.
    void RegisterCommand(int id, Handler handler, Enabler enabled = {});
    bool RunCommand(int id); // false when the command has no handler or is disabled
    QAction* CommandAction(int id) const;
    void UpdateCommandStates();

    // --- title ---
    void SetDocumentTitle(const QString& title);

    // --- status bar ---
    void SetMessageString(int commandId);
    void SetMessageText(const QString& text);
    QString MessageText() const;
    void SetInputErrorSource(std::function<std::optional<PendingInputError>()> source);
    std::optional<PendingInputError> PendingError() const;

    // --- menus ---
    void ApplyMenuTexts();
    void OnLanguage(int commandId);
    // Runs after a language switch has been applied (the views refresh their texts).
    void SetLanguageChangedHandler(std::function<void()> handler) { m_languageChanged = std::move(handler); }
    void SetRecentFiles(const QStringList& paths);
    void SetRecentFileHandler(std::function<void(const QString&)> handler) { m_openRecent = std::move(handler); }
    // The text a tool tip of this command shows ("MenuFlyer", else the built-in text).
    QString ToolTipText(int commandId) const;

    // --- close ---
    // Asked before the frame closes (the save prompt); false keeps the window open.
    void SetCloseHandler(std::function<bool()> canClose) { m_canClose = std::move(canClose); }

    // Shows the frame normally when hidden or minimised, and brings it to the front.
    void ActivateFrame();

    QToolBar* toolBar() const { return m_toolBar; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createToolBar();
    void createAccelerators();
    void connectMenus();
    void updateTitle();
    void showIdlePrompt();

    QHash<int, QAction*> m_commands;
    QHash<int, Handler> m_handlers;
    QHash<int, Enabler> m_enablers;
    QList<QAction*> m_recentActions;
    QStringList m_recentFiles;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_message = nullptr;
    QString m_documentTitle;
    int m_lastStatusId = -1;
    std::function<std::optional<PendingInputError>()> m_inputError;
    std::optional<PendingInputError> m_loggedError; // the pending error last written to the log book
    std::function<void()> m_languageChanged;
    std::function<void(const QString&)> m_openRecent;
    std::function<bool()> m_canClose;
};
