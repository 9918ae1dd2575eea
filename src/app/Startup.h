#pragma once
// The start-up steps that the window and the batch run share: the error code, the settings that
// start-up reads (directories, language, log book, window size, port), the log book's start
// entry and the version check of the language files; and the closing entry at the end.

#include <QStringList>

class CHVXApp;

namespace hvx {

// The command-line arguments after the program name, as the program received them.
QStringList ArgumentsOf(int argc, char* argv[]);

// True when the arguments ask for a batch run ("/remote:"), which needs no window at all.
bool IsBatchCommandLine(const QStringList& arguments);
// Whether a batch run also writes a service report (/Report:FILE), which paints a printout.
bool BatchWritesAReport(const QStringList& arguments);

void StartupCommon(CHVXApp& app);

// Writes the closing entry; returns the exit status of the process for its error code.
int ShutdownCommon(CHVXApp& app, int frameworkExitCode = 0);

// The batch run: a transfer of the file named after "/remote:" without any window, keeping the
// instrument's calibration values with "/SaveCalib"; every message is logged and answered by
// itself. Returns the exit status.
int RunBatchMode(CHVXApp& app, const QStringList& arguments);

} // namespace hvx
