#pragma once
// F1 in a dialog or window below the shell: it asks for the manual's topic through one hook,
// which the shell installs (it knows the manual and the help window). Without a hook the key
// does nothing.

#include <QString>

#include <functional>

class QWidget;

namespace hvx::gui {

// Receives the topic (a manual anchor, see base/HelpTopics.h) and the window that asked.
using ContextHelpHandler = std::function<void(const QString& anchor, QWidget* origin)>;

void SetContextHelpHandler(ContextHelpHandler handler);
// Opens the topic; false when no handler is installed.
bool RequestContextHelp(const QString& anchor, QWidget* origin);

// F1 on the window opens the topic that topic() names at the moment of the key press.
void AddContextHelpKey(QWidget* window, std::function<QString()> topic);

} // namespace hvx::gui
