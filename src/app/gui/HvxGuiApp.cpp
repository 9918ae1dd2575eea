#include "app/gui/HvxGuiApp.h"

#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "link/SerialPortFactory.h"
#include "app/ShellRegistration.h"
#include "app/Startup.h"
#include "app/SettingsValues.h"
#include "app/gui/AboutDlg.h"
#include "app/gui/CommandIds.h"
#include "app/gui/EinstellungenDlg.h"
#include "app/gui/EinstiegDlg.h"
#include "app/gui/ExtComOptionsDlg.h"
#include "app/gui/Help.h"
#include "app/gui/HelpWindow.h"
#include "app/gui/HvxComPortDlg.h"
#include "app/gui/MainFrame.h"
#include "app/gui/QtTranslation.h"
#include "app/gui/SingleInstance.h"
#include "app/gui/TitleWnd.h"
#include "app/gui/UserActionFilter.h"
#include "app/gui/HvxDocManager.h"
#include "app/gui/DeviceDataCommands.h"
#include "app/gui/OutputCommands.h"
#include "app/gui/RemoteCommands.h"
#include "editing/InputError.h"
#include "editing/Navigation.h"
#include "editing/gui/HVXView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QScreen>
#include <QWidget>

namespace hvx::gui {

namespace {
constexpr int kTextPortChosen = 3061; // "Schnittstelle %1 ausgewählt."

// The standard flags of the document framework; none of them has a feature here.
const QStringList kStandardFlags = {QStringLiteral("p"), QStringLiteral("pt"), QStringLiteral("dde"),
                                    QStringLiteral("Embedding"), QStringLiteral("Automation"),
                                    QStringLiteral("Register"), QStringLiteral("Regserver"),
                                    QStringLiteral("Unregister"), QStringLiteral("Unregserver")};
} // namespace

QStringList FilesOfCommandLine(const QList<CHVXApp::StandardArgument>& standard)
{
    QStringList files;
    for (const CHVXApp::StandardArgument& argument : standard) {
        if (!argument.isFlag)
            files.append(argument.text);
        else if (!kStandardFlags.contains(argument.text, Qt::CaseInsensitive) && QDir::isAbsolutePath(u'/' + argument.text)
                 && QDir::separator() == u'/')
            // A path that begins with a slash is a file here, not a flag.
            files.append(u'/' + argument.text);
    }
    return files;
}

CHvxGuiApp::CHvxGuiApp(CHVXApp& app)
    : m_app(app)
{
    m_runEntryDialog = [](CEinstiegDlg& dialog) { return dialog.exec(); };
}

CHvxGuiApp::~CHvxGuiApp()
{
    // Closing the frame takes the focus from the page, whose check may report an input error
    // once more; the frame, half destroyed by then, must not hear of it.
    if (m_view != nullptr)
        disconnect(m_view, nullptr, m_frame.get(), nullptr);
    m_app.SetUserInteraction(nullptr);
}

CHvxGuiApp::Start CHvxGuiApp::InitInstance(const QStringList& arguments)
{
    m_instance = std::make_unique<SingleInstance>(QLatin1String(CMainFrame::m_strClassName));
    if (m_instance->AnotherIsRunning())
        return Start::Exit;

    // No page is shown yet and no input error can be pending.
    hvx::navigation() = hvx::Navigation{};
    hvx::navigation().currentSubPage.fill(-1);
    StartupCommon(m_app);
    hvx::inputError().clear();
    InstallQtTranslation(m_app.m_strLanguage);
    m_userActions = std::make_unique<UserActionFilter>();
    m_app.SetUserInteraction(m_installedUi);
    createFrame();
    connect(m_instance.get(), &SingleInstance::activationRequested, m_frame.get(), &CMainFrame::ActivateFrame);

    // The command line: a file named there is opened, otherwise the document starts empty.
    const QStringList files = FilesOfCommandLine(m_app.ParseCommandLine(arguments));
    m_app.m_bInShellCommand = true;
    const bool processed = processShellCommand(files);
    m_app.m_bInShellCommand = false;
    if (!processed)
        return Start::Failed;

    RegisterShellFileTypes();
    m_frame->resize(m_app.m_nFrameWidth, m_app.m_nFrameHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = m_frame->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        m_frame->move(frame.topLeft());
    }
    m_frame->showNormal();

    if (!files.isEmpty()) {
        Q_EMIT m_doc.updateAllViews(CHVXDoc::kHintRebuild);
        return Start::Run;
    }
    CTitleWnd::ShowTitle(m_frame.get());
    return runEntryDialog();
}

void CHvxGuiApp::createFrame()
{
    m_frame = std::make_unique<CMainFrame>();
    m_ui.setOwner(m_frame.get());
    m_view = new CHVXView(m_frame.get());
    m_frame->setCentralWidget(m_view);
    m_view->setDocument(&m_doc);
    m_frame->SetInputErrorSource([]() -> std::optional<PendingInputError> {
        if (!hvx::inputErrorPending())
            return std::nullopt;
        return PendingInputError{hvx::inputError().controlId, hvx::InputErrorText(hvx::inputError())};
    });
    connect(m_view, &CHVXView::inputErrorChanged, m_frame.get(), [this] { m_frame->SetMessageString(cmd::kIdleMessage); });
    registerViewCommands();
    m_docManager = std::make_unique<CHvxDocManager>(m_doc, *m_frame);
    m_docManager->RegisterCommands();
    RegisterRemoteCommands(*m_frame, *m_docManager);
    RegisterDeviceDataCommands(*m_frame, *m_docManager);
    RegisterOutputCommands(*m_frame, *m_docManager);
    registerApplicationCommands();
    m_frame->SetLanguageChangedHandler([this] {
        // The manual of the old language closes; the next request opens the new one.
        CHelpWindow::CloseAll();
        // Only a loaded configuration has pages whose texts change.
        if (m_doc.parametersatz().geraetekennung() != 0)
            m_view->OnLanguageChanged();
    });
    m_frame->LoadFrame();
}

void CHvxGuiApp::registerViewCommands()
{
    m_frame->RegisterCommand(cmd::kCheckPage, [this] { m_view->CheckCurrentPage(); },
                             [this] { return m_doc.parametersatz().geraetekennung() != 0; });
    m_frame->RegisterCommand(cmd::kDefaultsCurrent, [this] { m_view->OnDefaultsCurrent(); },
                             [this] { return m_view->CanSetDefaultsCurrent(); });
    m_frame->RegisterCommand(cmd::kDefaultsAll, [this] { m_view->OnDefaultsAll(); },
                             [this] { return m_view->CanSetDefaultsAll(); });
}

void CHvxGuiApp::registerApplicationCommands()
{
    m_frame->RegisterCommand(cmd::kSelectPort, [this] { OnSelectPort(); });
    // "Hilfe..." opens the manual at its start, "Inhalt..." at its list of topics; F1 and the
    // help button at the topic of the page shown.
    m_frame->RegisterCommand(cmd::kHelpIndex, [this] { ShowHelp(HelpCommand::DefaultTopic, QString(), m_frame.get()); });
    m_frame->RegisterCommand(cmd::kHelpFinder, [this] { ShowHelp(HelpCommand::Contents, QString(), m_frame.get()); });
    m_frame->RegisterCommand(cmd::kContextHelp,
                             [this] { ShowHelp(HelpCommand::Context, m_view->helpTopic(), m_frame.get()); });
    InstallContextHelp();
    m_frame->RegisterCommand(cmd::kSettings, [this] { OnSettings(); });
    m_frame->RegisterCommand(cmd::kAppAbout, [this] { OnAppAbout(); });
}

bool CHvxGuiApp::processShellCommand(const QStringList& standardFiles)
{
    if (standardFiles.isEmpty()) {
        m_docManager->NewDocumentByProgram();
        return true;
    }
    return m_docManager->OpenDocumentFile(standardFiles.constFirst());
}

CHvxGuiApp::Start CHvxGuiApp::runEntryDialog()
{
    CEinstiegDlg dialog(m_frame.get());
    // Reading from the instrument is offered only where the command exists.
    const bool canRead = m_frame->CommandAction(cmd::kReadParameters)->isEnabled();
    dialog.setChoiceEnabled(CEinstiegDlg::ReadFromInstrument, canRead);
    if (m_runEntryDialog(dialog) != QDialog::Accepted) {
        m_frame->close();
        return Start::Exit;
    }
    m_app.m_nStartChoice = dialog.choice();
    switch (m_app.m_nStartChoice) {
    case CEinstiegDlg::NewConfiguration:
        m_frame->RunCommand(cmd::kFileNew);
        break;
    case CEinstiegDlg::OpenFile:
        m_frame->RunCommand(cmd::kFileOpen);
        break;
    case CEinstiegDlg::ReadFromInstrument:
        m_frame->RunCommand(cmd::kReadParameters);
        break;
    default:
        break;
    }
    m_frame->update();
    return Start::Run;
}

void CHvxGuiApp::OnSelectPort()
{
    if (m_app.m_bComOptions) {
        CExtComOptionsDlg dialog(m_app.m_nPort, m_frame.get());
        if (dialog.exec() == QDialog::Accepted)
            m_app.SetPort(dialog.port());
        return;
    }
    CHvxComPortDlg dialog(m_app.m_nPort, m_portAccess, m_frame.get());
    if (dialog.exec() == QDialog::Accepted) {
        m_app.SetPort(dialog.port());
        m_frame->SetMessageText(GetStringsText(kTextPortChosen).arg(CurrentPortName()));
    }
}

void CHvxGuiApp::OnSettings()
{
    LogEntry(1, QStringLiteral("CHVXApp::OnEinstellungen"));
    CEinstellungenDlg dialog(m_frame.get());
    dialog.exec();
    // The directories take effect at once, also when OK stored them and the dialog was then
    // left with Cancel because another page was invalid.
    if (dialog.directoriesStored())
        ReloadDirectories(m_app);
}

void CHvxGuiApp::OnAppAbout()
{
    LogEntry(1, QStringLiteral("CHVXApp::OnAppAbout"));
    CAboutDlg dialog(m_frame.get());
    dialog.exec();
}

int CHvxGuiApp::ExitInstance(int frameworkExitCode)
{
    return ShutdownCommon(m_app, frameworkExitCode);
}

} // namespace hvx::gui
