#include "app/gui/MainFrame.h"

#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "base/SettingsTable.h"
#include "app/gui/CommandIds.h"
#include "app/gui/MenuTable.h"
#include "app/gui/MenuTexts.h"
#include "hvx_version.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

namespace {

constexpr int kTextErrorId = 369;
constexpr int kTextErrorText = 370;
constexpr int kTextCloseRefused = 3050;
constexpr int kTextServiceMode = 3095; // "Service", after the version in the title
constexpr int kToolTipMaxChars = 79; // the tool tip's 80-character buffer with its end mark
constexpr int kCommandUpdateMs = 250;
const QString kMenuStatus = QStringLiteral("MenuStatus");
const QString kMenuFlyer = QStringLiteral("MenuFlyer");

struct ToolIcon {
    int commandId;
    const char* themeName;
    QStyle::StandardPixmap fallback;
};

constexpr ToolIcon kToolIcons[] = {
    {hvx::cmd::kFileNew, "document-new", QStyle::SP_FileIcon},
    {hvx::cmd::kFileOpen, "document-open", QStyle::SP_DialogOpenButton},
    {hvx::cmd::kFileSave, "document-save", QStyle::SP_DialogSaveButton},
    {hvx::cmd::kFilePrint, "document-print", QStyle::SP_FileDialogDetailedView},
    {hvx::cmd::kFilePrintPreview, "document-print-preview", QStyle::SP_FileDialogContentsView},
    {hvx::cmd::kTransferProgramming, "go-next", QStyle::SP_ArrowForward},
    {hvx::cmd::kContextHelp, "help-contextual", QStyle::SP_TitleBarContextHelpButton},
    {hvx::cmd::kAppAbout, "help-about", QStyle::SP_MessageBoxInformation},
};

// The built-in tool tip: the menu text without its mnemonic and accelerator.
QString plainMenuText(const QAction* action)
{
    QString text = action->text().section(u'\t', 0, 0);
    return text.remove(u'&');
}

// A disabled command must look disabled: its button shows the picture faded, whatever the
// icon theme offers for that state.
QIcon withFadedDisabledMode(const QIcon& icon)
{
    constexpr int kSize = 16;
    QIcon result;
    const QPixmap normal = icon.pixmap(kSize, kSize);
    result.addPixmap(normal, QIcon::Normal);
    QPixmap faded(normal.size());
    faded.setDevicePixelRatio(normal.devicePixelRatio());
    faded.fill(Qt::transparent);
    QPainter painter(&faded);
    painter.setOpacity(0.3);
    painter.drawPixmap(0, 0, normal);
    painter.end();
    result.addPixmap(faded, QIcon::Disabled);
    return result;
}

} // namespace

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent)
    , m_strShortVersion(QStringLiteral("%1.%2").arg(HVX_VERSION_MAJOR).arg(HVX_VERSION_MINOR))
{
    setObjectName(QLatin1String(m_strClassName));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    m_commands = hvx::gui::BuildMenuBar(menuBar());
    const auto fileActions = menuBar()->actions().constFirst()->menu()->actions();
    for (QAction* action : fileActions) {
        if (hvx::cmd::isRecentFileCommand(action->data().toInt())) {
            m_recentActions.append(action);
            connect(action, &QAction::triggered, this, [this, action] {
                if (m_openRecent)
                    m_openRecent(action->property("hvxPath").toString());
            });
        }
    }
    // A context-help button exists on the tool bar only.
    auto* contextHelp = new QAction(QStringLiteral("Hilfe"), this);
    contextHelp->setData(hvx::cmd::kContextHelp);
    m_commands.insert(hvx::cmd::kContextHelp, contextHelp);

    createToolBar();
    createAccelerators();
    connectMenus();
    statusBar()->setSizeGripEnabled(false);

    for (auto it = m_commands.cbegin(); it != m_commands.cend(); ++it) {
        const int id = it.key();
        connect(it.value(), &QAction::triggered, this, [this, id] { RunCommand(id); });
        connect(it.value(), &QAction::hovered, this, [this, id] { SetMessageString(id); });
    }
    RegisterCommand(hvx::cmd::kViewToolbar, [this] { m_toolBar->setVisible(!m_toolBar->isVisible()); });
    m_commands.value(hvx::cmd::kViewToolbar)->setCheckable(true);
    RegisterCommand(hvx::cmd::kAppExit, [this] { close(); });

    auto* updateTimer = new QTimer(this);
    connect(updateTimer, &QTimer::timeout, this, &CMainFrame::UpdateCommandStates);
    updateTimer->start(kCommandUpdateMs);
    UpdateCommandStates();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::createToolBar()
{
    m_toolBar = addToolBar(QStringLiteral("Symbolleiste"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setMovable(true);
    m_toolBar->setIconSize(QSize(16, 16));
    for (const int id : hvx::gui::toolBarButtons()) {
        if (id == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction* action = m_commands.value(id);
        for (const ToolIcon& icon : kToolIcons) {
            if (icon.commandId == id)
                action->setIcon(withFadedDisabledMode(
                    QIcon::fromTheme(QLatin1String(icon.themeName), style()->standardIcon(icon.fallback))));
        }
        m_toolBar->addAction(action);
        if (QWidget* button = m_toolBar->widgetForAction(action))
            button->installEventFilter(this);
    }
    m_toolBar->installEventFilter(this);
}

void CMainFrame::createAccelerators()
{
    for (const hvx::gui::Accelerator& accelerator : hvx::gui::accelerators()) {
        const int id = accelerator.commandId;
        auto* shortcut = new QShortcut(QKeySequence(accelerator.key), this);
        connect(shortcut, &QShortcut::activated, this, [this, id] { RunCommand(id); });
    }
}

void CMainFrame::connectMenus()
{
    const auto menus = menuBar()->findChildren<QMenu*>();
    for (QMenu* menu : menus) {
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
        connect(menu, &QMenu::aboutToHide, this, &CMainFrame::showIdlePrompt);
        connect(menu, &QMenu::triggered, this, [this](QAction* action) {
            const int id = hvx::gui::CommandIdOf(action);
            if (hvx::cmd::isLanguageCommand(id))
                OnLanguage(id);
        });
        connect(menu, &QMenu::hovered, this, [this](QAction* action) {
            const int id = hvx::gui::CommandIdOf(action);
            if (!m_commands.contains(id))
                SetMessageString(id);
        });
    }
}

void CMainFrame::LoadFrame()
{
    ApplyMenuTexts();
    updateTitle();
    showIdlePrompt();
}

void CMainFrame::RegisterCommand(int id, Handler handler, Enabler enabled)
{
    m_handlers.insert(id, std::move(handler));
    if (enabled)
        m_enablers.insert(id, std::move(enabled));
    UpdateCommandStates();
}

bool CMainFrame::RunCommand(int id)
{
    const auto handler = m_handlers.constFind(id);
    if (handler == m_handlers.cend())
        return false;
    const auto enabler = m_enablers.constFind(id);
    if (enabler != m_enablers.cend() && !(*enabler)())
        return false;
    (*handler)();
    UpdateCommandStates();
    return true;
}

QAction* CMainFrame::CommandAction(int id) const
{
    return m_commands.value(id);
}

void CMainFrame::UpdateCommandStates()
{
    for (auto it = m_commands.cbegin(); it != m_commands.cend(); ++it) {
        const auto enabler = m_enablers.constFind(it.key());
        const bool enabled = m_handlers.contains(it.key()) && (enabler == m_enablers.cend() || (*enabler)());
        it.value()->setEnabled(enabled);
    }
    m_commands.value(hvx::cmd::kViewToolbar)->setChecked(m_toolBar->isVisibleTo(this));
    // A sub menu none of whose entries can run is disabled itself.
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
        const auto entries = menu->actions();
        if (!qobject_cast<QMenu*>(menu->parentWidget()) || entries.isEmpty())
            continue;
        menu->menuAction()->setEnabled(std::any_of(entries.begin(), entries.end(), [](const QAction* entry) {
            return !entry->isSeparator() && entry->isEnabled();
        }));
    }
}

void CMainFrame::SetDocumentTitle(const QString& title)
{
    m_documentTitle = title;
    updateTitle();
}

void CMainFrame::updateTitle()
{
    QString title = QStringLiteral("HVX ") + m_strShortVersion;
    // Service mode writes to the instrument's memory directly: the title says so.
    if (theApp().m_bService)
        title += QStringLiteral(" – ") + GetStringsText(kTextServiceMode);
    // The marker shows while the document has changes not saved.
    if (!m_documentTitle.isEmpty())
        title += QStringLiteral(" - ") + m_documentTitle + QStringLiteral("[*]");
    setWindowTitle(title);
}

void CMainFrame::SetInputErrorSource(std::function<std::optional<PendingInputError>()> source)
{
    m_inputError = std::move(source);
}

std::optional<PendingInputError> CMainFrame::PendingError() const
{
    return m_inputError ? m_inputError() : std::nullopt;
}

void CMainFrame::SetMessageString(int commandId)
{
    if (const std::optional<PendingInputError> error = PendingError()) {
        LogIdInt(0, kTextErrorId, error->controlId);
        LogEntryId(0, kTextErrorText, error->message);
        SetMessageText(error->message);
        m_lastStatusId = -1;
        return;
    }
    if (commandId == 0)
        return;
    SetMessageText(GetMenuText(kMenuStatus, QString::number(commandId)));
    m_lastStatusId = commandId;
}

void CMainFrame::SetMessageText(const QString& text)
{
    statusBar()->showMessage(text);
}

QString CMainFrame::MessageText() const
{
    return statusBar()->currentMessage();
}

void CMainFrame::showIdlePrompt()
{
    SetMessageString(hvx::cmd::kIdleMessage);
}

QString CMainFrame::ToolTipText(int commandId) const
{
    if (commandId == 0)
        return QString();
    QString text = GetMenuText(kMenuFlyer, QString::number(commandId));
    if (text.isEmpty()) {
        if (const QAction* action = m_commands.value(commandId))
            text = plainMenuText(action);
    }
    return text.left(kToolTipMaxChars);
}

void CMainFrame::ApplyMenuTexts()
{
    hvx::gui::ApplyMenuTexts(menuBar(), theApp().LanguageFolders(), theApp().m_strLanguage);
    menuBar()->update();
    // The tool bar is named (in the window's context menu) as its item of the view menu.
    if (const QAction* umschalter = m_commands.value(hvx::cmd::kViewToolbar); umschalter && m_toolBar)
        m_toolBar->setWindowTitle(umschalter->text().section(u'\t', 0, 0).remove(u'&'));
}

void CMainFrame::SetRecentFiles(const QStringList& paths)
{
    m_recentFiles = paths.mid(0, kMaxRecentFiles);
    for (int index = 0; index < m_recentActions.size(); ++index) {
        QAction* action = m_recentActions.at(index);
        const bool used = index < m_recentFiles.size();
        action->setVisible(used);
        if (used) {
            const QString& path = m_recentFiles.at(index);
            action->setText(QStringLiteral("&%1 %2").arg(index + 1).arg(QFileInfo(path).fileName()));
            action->setStatusTip(path);
            action->setProperty("hvxPath", path);
        }
    }
}

void CMainFrame::ActivateFrame()
{
    LogEntry(1, QStringLiteral("CMainFrame::ActivateFrame"));
    if (isMinimized())
        showNormal();
    else if (!isVisible())
        show();
    raise();
    activateWindow();
}

bool CMainFrame::event(QEvent* event)
{
    // The status bar shows the language file's texts, not the actions' status tips.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        if (auto* button = qobject_cast<QToolButton*>(watched)) {
            const int id = button->defaultAction() != nullptr ? button->defaultAction()->data().toInt() : 0;
            const QString text = ToolTipText(id);
            auto* help = static_cast<QHelpEvent*>(event);
            if (text.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(help->globalPos(), text, button);
            return true;
        }
    }
    if (event->type() == QEvent::Leave && watched == m_toolBar)
        showIdlePrompt();
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // Taking the focus makes the page check the field being edited.
    setFocus();
    if (const std::optional<PendingInputError> error = PendingError()) {
        showIdlePrompt();
        // The status bar says why the window stays open.
        SetMessageText(GetStringsText(kTextCloseRefused).arg(error->message));
        event->ignore();
        return;
    }
    if (m_canClose && !m_canClose()) {
        event->ignore();
        return;
    }
    // The next start opens the window at the size the user left it (maximised: its normal size).
    const QSize size = isMaximized() || isFullScreen() ? normalGeometry().size() : this->size();
    if (size.isValid()) {
        theApp().WriteProfileInt(QLatin1String(hvx::settings::kFrameWidth.section),
                                 QLatin1String(hvx::settings::kFrameWidth.name), size.width());
        theApp().WriteProfileInt(QLatin1String(hvx::settings::kFrameHeight.section),
                                 QLatin1String(hvx::settings::kFrameHeight.name), size.height());
    }
    event->accept();
}
