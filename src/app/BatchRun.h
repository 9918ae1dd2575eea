#pragma once
// The unattended run of hvx ("/remote:FILE [/SaveCalib] [/Port:N]"): no window, every message is
// logged and answered by itself, the exit status tells the result. It needs no display, so the
// caller creates no GUI application object for it.

class CHVXApp;

// Start-up steps every run shares: settings (directories, port), language and date pictures,
// log book with "Anwendung gestartet", the language files' version check.
void RunStartupSteps(CHVXApp& app);

// Shutdown steps every run shares: "Anwendung geschlossen", the error code on standard error.
// Returns the exit status.
int RunShutdownSteps(CHVXApp& app);

// After the command line has been parsed (m_bRemote set): start-up, the batch transfer of
// m_strRemoteFile keeping calibration when m_bSaveCalib is set, shutdown. Returns the exit status.
int RunBatch(CHVXApp& app);
