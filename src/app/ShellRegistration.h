#pragma once
// The file type registration of configuration files with the Windows shell (double-click opens
// HVX, "New" offers an empty file). On Linux the install registers the type with the desktop
// (desktop entry and MIME type), so nothing is written at run time there.

#include <QString>

class QSettings;

namespace hvx {

struct ShellFileType {
    QString typeId;    // "HydrvantConfigurationFile"
    QString typeName;  // "HVX-File"
    QString extension; // ".hxd"
};

ShellFileType ConfigurationFileType();

// Writes the type into classes (the per-user "Software\Classes" key): its name, its icon, the
// open command with the executable, and the extension when it is unset, empty or already ours.
// A write that fails ends the registration silently. Returns whether everything was written.
bool RegisterShellFileType(QSettings& classes, const ShellFileType& type, const QString& executable);

// The registration at start-up of the interactive program (Windows only).
void RegisterShellFileTypes();

} // namespace hvx
