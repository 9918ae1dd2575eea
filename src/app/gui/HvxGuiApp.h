#pragma once
// The interactive program: start-up with the single-instance check, the main frame with the
// document and its commands, the title window and the entry dialog; and the shutdown.

#include "base/HvxApp.h"
#include "base/gui/GuiInteraction.h"
#include "app/gui/PortAccess.h"
#include "document/HVXDoc.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

class CMainFrame;
class CEinstiegDlg;
class CHvxDocManager;
class CHVXView;

namespace hvx::gui {

class SingleInstance;
class UserActionFilter;

// The files named on the command line, from the arguments the standard handling receives. A
// flag that is no standard flag is an absolute path where paths begin with a slash.
QStringList FilesOfCommandLine(const QList<CHVXApp::StandardArgument>& standard);

class CHvxGuiApp : public QObject {
    Q_OBJECT
public:
    enum class Start {
        Run,     // the window is up: run the event loop
        Exit,    // end now (second instance, entry dialog cancelled)
        Failed,  // start-up failed (the file named on the command line could not be opened)
    };

    explicit CHvxGuiApp(CHVXApp& app);
    ~CHvxGuiApp() override;

    // The start-up after QApplication exists. arguments: the command line after the program name.
    Start InitInstance(const QStringList& arguments);
    // Writes the closing entry; returns the exit status.
    int ExitInstance(int frameworkExitCode);

    CMainFrame* frame() const { return m_frame.get(); }
    CHVXDoc& document() { return m_doc; }
    CHvxDocManager* docManager() const { return m_docManager.get(); }
    CHVXView* view() const { return m_view; }
    GuiInteraction& interaction() { return m_ui; }

    // --- application commands ---
    void OnSelectPort();
    void OnSettings();
    void OnAppAbout();

    // Replaceable for tests: how the entry dialog is run (default: exec), which ports exist.
    void SetEntryDialogRunner(std::function<int(CEinstiegDlg&)> runner) { m_runEntryDialog = std::move(runner); }
    void SetPortAccess(PortAccess access) { m_portAccess = std::move(access); }
    // Another interaction than the window's own (not owned), installed by InitInstance.
    void UseInteraction(IUserInteraction* interaction) { m_installedUi = interaction; }

private:
    void createFrame();
    void registerApplicationCommands();
    void registerViewCommands();
    bool processShellCommand(const QStringList& standardFiles);
    Start runEntryDialog();

    CHVXApp& m_app;
    GuiInteraction m_ui;
    IUserInteraction* m_installedUi = &m_ui;
    CHVXDoc m_doc;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<UserActionFilter> m_userActions;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<CHvxDocManager> m_docManager;
    CHVXView* m_view = nullptr; // owned by the frame
    std::function<int(CEinstiegDlg&)> m_runEntryDialog;
    PortAccess m_portAccess = PortAccess::DeviceLink();
};

} // namespace hvx::gui
