#include "app/gui/Help.h"

#include "base/HvxApp.h"
#include "base/Log.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>

namespace hvx::gui {
namespace {
constexpr int kTextHelpFailed = 61703;
}

QString HelpPagePath()
{
    const QString helpFile = theApp().m_strHelpFile;
    if (helpFile.isEmpty())
        return QString();
    const QFileInfo info(helpFile);
    return info.absolutePath() + u'/' + info.completeBaseName() + QStringLiteral(".html");
}

QUrl HelpUrl(HelpCommand command, int contextId)
{
    QUrl url = QUrl::fromLocalFile(HelpPagePath());
    switch (command) {
    case HelpCommand::Contents:
        url.setFragment(QStringLiteral("contents"));
        break;
    case HelpCommand::Context:
        url.setFragment(QStringLiteral("topic-%1").arg(contextId));
        break;
    case HelpCommand::DefaultTopic:
        break;
    }
    return url;
}

bool ShowHelp(HelpCommand command, int contextId)
{
    const QString page = HelpPagePath();
    bool opened = false;
    if (!page.isEmpty() && QFileInfo(page).isFile()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        opened = QDesktopServices::openUrl(HelpUrl(command, contextId));
        QApplication::restoreOverrideCursor();
    }
    if (!opened)
        LogMessageBoxId(kTextHelpFailed, MB_OK | MB_ICONEXCLAMATION, 0);
    return opened;
}

} // namespace hvx::gui
