#include "app/gui/MenuTexts.h"

#include "base/Language.h"
#include "app/gui/CommandIds.h"
#include "app/gui/MenuTable.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QVariant>

namespace hvx::gui {
namespace {

constexpr const char* kBuiltinText = "hvxBuiltinText";
constexpr const char* kLanguageMenu = "hvxLanguageMenu";
const QString kMainMenu = QStringLiteral("MainMenu");

QString builtinItemText(const MenuRow& row)
{
    QString text = QString::fromUtf8(row.text);
    if (*row.accelText != '\0')
        text += u'\t' + QString::fromUtf8(row.accelText);
    return text;
}

QAction* addCommand(QMenu* menu, const QString& text, int id)
{
    QAction* action = menu->addAction(text);
    action->setData(id);
    action->setProperty(kBuiltinText, text);
    return action;
}

void restoreBuiltinText(QAction* action)
{
    const QVariant builtin = action->property(kBuiltinText);
    if (builtin.isValid())
        action->setText(builtin.toString());
}

void applyText(QAction* action, const QString& section, const QString& key)
{
    const QString text = GetMenuText(section, key);
    if (!text.isEmpty())
        action->setText(text);
}

void rebuildLanguageItems(QMenu* menu, const QStringList& folders, const QString& currentLanguage)
{
    const auto old = menu->actions();
    for (QAction* action : old) {
        if (cmd::isLanguageCommand(CommandIdOf(action))) {
            menu->removeAction(action);
            delete action;
        }
    }
    qDeleteAll(menu->findChildren<QActionGroup*>(Qt::FindDirectChildrenOnly));
    // Without a chosen language the built-in German of the first folder is in effect.
    const int current = currentLanguage.isEmpty() ? 1 : currentLanguage.left(2).toInt();
    const int count = std::min<int>(folders.size(), cmd::kLanguageLast - cmd::kLanguageFirst + 1);
    auto* choices = new QActionGroup(menu);
    choices->setExclusive(true);
    for (int k = 1; k <= count; ++k) {
        QAction* action = menu->addAction(folders.at(k - 1).mid(3));
        action->setData(cmd::kLanguageFirst + k - 1);
        action->setCheckable(true);
        action->setActionGroup(choices);
        action->setChecked(k == current);
    }
}

} // namespace

QHash<int, QAction*> BuildMenuBar(QMenuBar* bar)
{
    QHash<int, QAction*> commands;
    QMenu* menu = nullptr;
    QMenu* subMenu = nullptr;
    for (const MenuRow& row : builtinMenu()) {
        switch (row.kind) {
        case MenuRowKind::Title:
            menu = bar->addMenu(QString::fromUtf8(row.text));
            menu->menuAction()->setProperty(kBuiltinText, QString::fromUtf8(row.text));
            subMenu = nullptr;
            break;
        case MenuRowKind::Item:
            commands.insert(row.commandId, addCommand(menu, builtinItemText(row), row.commandId));
            break;
        case MenuRowKind::SubMenu:
            subMenu = menu->addMenu(QString::fromUtf8(row.text));
            subMenu->menuAction()->setProperty(kBuiltinText, QString::fromUtf8(row.text));
            break;
        case MenuRowKind::SubItem:
            commands.insert(row.commandId, addCommand(subMenu, builtinItemText(row), row.commandId));
            break;
        case MenuRowKind::Separator:
            menu->addSeparator();
            break;
        case MenuRowKind::RecentFiles:
            for (int id = cmd::kFileMru1; id <= cmd::kFileMru4; ++id) {
                QAction* action = menu->addAction(QString());
                action->setData(id);
                action->setVisible(false);
            }
            break;
        case MenuRowKind::Languages:
            menu->setProperty(kLanguageMenu, true);
            break;
        }
    }
    return commands;
}

int CommandIdOf(const QAction* action)
{
    return action->isSeparator() || action->menu() != nullptr ? 0 : action->data().toInt();
}

QMenu* LanguageMenu(QMenuBar* bar)
{
    const auto menus = bar->findChildren<QMenu*>();
    for (QMenu* menu : menus) {
        if (menu->property(kLanguageMenu).toBool())
            return menu;
    }
    return nullptr;
}

void ApplyMenuTexts(QMenuBar* bar, const QStringList& languageFolders, const QString& currentLanguage)
{
    const auto titles = bar->actions();
    for (qsizetype index = titles.size() - 1; index >= 0; --index) {
        QAction* title = titles.at(index);
        const int m = static_cast<int>(index) + 1;
        restoreBuiltinText(title);
        applyText(title, kMainMenu, QStringLiteral("%1%2Title").arg(kMainMenu).arg(m));
        QMenu* dropDown = title->menu();
        if (dropDown == nullptr)
            return;
        if (dropDown->property(kLanguageMenu).toBool())
            rebuildLanguageItems(dropDown, languageFolders, currentLanguage);

        const QString section = QStringLiteral("%1%2Items").arg(kMainMenu).arg(m);
        int i = 0;
        const auto items = dropDown->actions();
        for (QAction* item : items) {
            if (item->isSeparator())
                continue;
            const int id = item->menu() != nullptr ? -1 : item->data().toInt();
            if (cmd::isRecentFileCommand(id) || cmd::isLanguageCommand(id))
                continue;
            ++i;
            restoreBuiltinText(item);
            applyText(item, section, QStringLiteral("MM%1ITEM%2").arg(m).arg(i));
            if (QMenu* entries = item->menu()) {
                const auto entryActions = entries->actions();
                for (qsizetype j = 0; j < entryActions.size(); ++j) {
                    restoreBuiltinText(entryActions.at(j));
                    applyText(entryActions.at(j), section, QStringLiteral("MM%1ITEM%2_%3").arg(m).arg(i).arg(j + 1));
                }
            }
        }
    }
}

} // namespace hvx::gui
