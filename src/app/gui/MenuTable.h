#pragma once
// The built-in menu, one row per entry, and the accelerator table. The texts are the built-in
// German texts, shown where Main.lan has none.

#include <QKeySequence>
#include <span>

namespace hvx::gui {

enum class MenuRowKind {
    Title,       // a top-level menu (text = its title)
    Item,        // a command
    SubMenu,     // a drop-down inside a menu; its entries follow as SubItem rows
    SubItem,     // an entry of the preceding SubMenu
    Separator,
    RecentFiles, // the recent-file entries (up to 4), kept by the frame
    Languages,   // the language items, built from the language folders
};

struct MenuRow {
    MenuRowKind kind;
    int menu;            // m, 1-based
    int item;            // i, the index in the language-file keys (0 where not numbered)
    const char* text;    // built-in German text (UTF-8)
    const char* accelText;
    int commandId;
};

struct Accelerator {
    QKeyCombination key;
    int commandId;
};

std::span<const MenuRow> builtinMenu();
std::span<const Accelerator> accelerators();

// Tool bar buttons in order; 0 stands for a separator.
std::span<const int> toolBarButtons();

} // namespace hvx::gui
