#pragma once
// Rolling backups of configuration files: Anlage1.hxd is copied to Anlage1.000, Anlage1.001, ...
// in the backup directory; when all numbers are taken, the oldest backup is replaced.

#include <QDateTime>
#include <QString>

namespace hvx {

// The name pattern without the number: backup directory, file name cut after its last dot.
QString BackupNameStem(const QString& documentPath, const QString& backupDir);

// The backup file to use among numBackups names (empty when numBackups <= 0): the first free
// number, else the one with the oldest modification time (000 when none is older than now).
// A name that is the document itself is never chosen.
QString ChooseBackupName(const QString& documentPath, const QString& backupDir, int numBackups,
                         const QDateTime& now = QDateTime::currentDateTime());

// Copies the file at documentPath (its state on disk) to the next backup name, with the number
// of backups and the directory of the settings (an empty one means the default directory). A
// backup that cannot be made is logged at level 0 and shown as a warning; it does not stop the
// save that follows.
void BackupConfigFile(const QString& documentPath);

} // namespace hvx
