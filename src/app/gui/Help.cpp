#include "app/gui/Help.h"

#include "base/HelpTopics.h"
#include "base/HvxApp.h"
#include "base/Log.h"
#include "base/gui/ContextHelp.h"
#include "app/gui/HelpWindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace hvx::gui {
namespace {

constexpr int kTextHelpFailed = 61703;
constexpr int kBrowserQueryMs = 2000;

BrowserOpener& browserOpener()
{
    static BrowserOpener opener = OpenInDesktopBrowser;
    return opener;
}

QString manualOfFolder(const QString& folder)
{
    // "02-English" holds English.html.
    return theApp().m_strProgDir + u'/' + folder + u'/' + folder.mid(3) + QStringLiteral(".html");
}

#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
// A desktop opens web pages when it names a browser ($BROWSER) or has an application for HTML.
bool desktopHasBrowser()
{
    if (!qEnvironmentVariableIsEmpty("BROWSER"))
        return true;
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        return false;
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
    if (!query.waitForFinished(kBrowserQueryMs)) {
        query.kill();
        query.waitForFinished();
        return false;
    }
    return query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty();
}
#endif

QString anchorOf(HelpCommand command, const QString& anchor)
{
    switch (command) {
    case HelpCommand::Contents: return QLatin1String(kHelpContentsAnchor);
    case HelpCommand::DefaultTopic: return QString();
    case HelpCommand::Context: return anchor;
    }
    return QString();
}

} // namespace

QString HelpPagePath()
{
    const QString helpFile = theApp().m_strHelpFile;
    if (!helpFile.isEmpty()) {
        const QFileInfo info(helpFile);
        return info.absolutePath() + u'/' + info.completeBaseName() + QStringLiteral(".html");
    }
    // No language chosen yet: the program speaks German, the first language folder's.
    const QStringList folders = theApp().LanguageFolders();
    return folders.isEmpty() ? QString() : manualOfFolder(folders.constFirst());
}

QUrl HelpUrl(const QString& anchor)
{
    QUrl url = QUrl::fromLocalFile(HelpPagePath());
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    return url;
}

bool ShowHelp(HelpCommand command, const QString& anchor, QWidget* origin)
{
    const QUrl url = HelpUrl(anchorOf(command, anchor));
    LogEntry(1, QStringLiteral("CMainFrame::WinHelp"), url.toString());
    const QString page = HelpPagePath();
    if (page.isEmpty() || !QFileInfo(page).isFile()) {
        LogMessageBoxId(kTextHelpFailed, MB_OK | MB_ICONEXCLAMATION, 0);
        return false;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool inBrowser = browserOpener()(url);
    QApplication::restoreOverrideCursor();
    if (!inBrowser)
        CHelpWindow::Show(url, origin);
    return true;
}

void SetBrowserOpener(BrowserOpener opener)
{
    browserOpener() = opener ? std::move(opener) : BrowserOpener(OpenInDesktopBrowser);
}

bool OpenInDesktopBrowser(const QUrl& url)
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return QDesktopServices::openUrl(url);
#else
    if (!desktopHasBrowser())
        return false;
    // xdg-open passes the whole address on, topic included.
    return QProcess::startDetached(QStringLiteral("xdg-open"), {url.toString(QUrl::FullyEncoded)});
#endif
}

void InstallContextHelp()
{
    SetContextHelpHandler([](const QString& anchor, QWidget* origin) { ShowHelp(HelpCommand::Context, anchor, origin); });
}

} // namespace hvx::gui
