#pragma once
// The help of the selected language: an HTML page in the language folder, opened in the
// desktop's browser.

#include <QString>
#include <QUrl>

namespace hvx::gui {

enum class HelpCommand {
    Contents,     // the table of contents
    DefaultTopic, // the page at its start
    Context,      // the topic of a context id
};

// The help page of the selected language: the help file's name with ".html" in its folder.
QString HelpPagePath();
QUrl HelpUrl(HelpCommand command, int contextId = 0);

// Opens the help; on failure shows message 61703. Returns whether it was opened.
bool ShowHelp(HelpCommand command, int contextId = 0);

} // namespace hvx::gui
