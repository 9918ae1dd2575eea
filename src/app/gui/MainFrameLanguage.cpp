// The language switch at run time: settings, date and time pictures, views, title and menu.
#include "app/gui/MainFrame.h"

#include "base/HvxApp.h"
#include "base/Log.h"
#include "app/gui/CommandIds.h"
#include "app/gui/QtTranslation.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/gui/MenuTexts.h"

void CMainFrame::OnLanguage(int commandId)
{
    QMenu* menu = hvx::gui::LanguageMenu(menuBar());
    if (menu == nullptr)
        return;
    QString name;
    const auto items = menu->actions();
    for (const QAction* item : items) {
        if (hvx::gui::CommandIdOf(item) == commandId)
            name = item->text();
    }
    if (name.isEmpty())
        return;
    LogEntry(1, QStringLiteral("CMainFrame::OnLanguage"), name);
    CHVXApp& app = theApp();
    app.SetLanguage(QStringLiteral("%1-%2").arg(commandId - hvx::cmd::kLanguageFirst + 1, 2, 10, QLatin1Char('0')).arg(name));
    app.LoadDateTimePictures();
    hvx::gui::InstallQtTranslation(app.m_strLanguage);
    if (m_languageChanged)
        m_languageChanged();
    updateTitle();
    ApplyMenuTexts();
    showIdlePrompt();
}
