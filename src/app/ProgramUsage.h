#pragma once
// What hvx says about itself without a window: its usage (--help), and why the window cannot
// open when there is no display.

#include <QString>
#include <QStringList>
#include <optional>

namespace hvx {

// Exit status of hvx when its window cannot open.
inline constexpr int kExitNoDisplay = 3;

// Whether the arguments ask for the usage ("--help" or "-h").
bool AsksForHelp(const QStringList& arguments);

// Switches, the batch form and the exit statuses, in the language of the settings.
QString HvxUsageText();

// From the environment: nothing when the window system the program would use has its display
// set (or needs none), otherwise the message why the window cannot open.
std::optional<QString> MissingDisplayText();

// The message when the window system could not open the display that is set.
QString DisplayNotOpenedText();

} // namespace hvx
