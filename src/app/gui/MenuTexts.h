#pragma once
// Building the menu bar from the built-in table and applying the texts of Main.lan to it.

#include <QHash>
#include <QStringList>

class QAction;
class QMenu;
class QMenuBar;
class QObject;

namespace hvx::gui {

// Builds the built-in menu into bar; returns the command actions by id (the recent-file and
// language items excluded, as the frame keeps those itself). Every action carries its command id
// as data and its built-in text.
QHash<int, QAction*> BuildMenuBar(QMenuBar* bar);

// The command id of an action (0 for separators and drop-down entries).
int CommandIdOf(const QAction* action);

// Puts the built-in texts back and then applies Main.lan: titles by menu number, items by their
// index in the drop-down (separators, recent files and languages not counted), entries of a
// drop-down by their position. The language items are rebuilt from languageFolders (names
// "NN-Name"), the one of currentLanguage checked.
void ApplyMenuTexts(QMenuBar* bar, const QStringList& languageFolders, const QString& currentLanguage);

// The language menu (the one holding the language items), or nullptr.
QMenu* LanguageMenu(QMenuBar* bar);

} // namespace hvx::gui
