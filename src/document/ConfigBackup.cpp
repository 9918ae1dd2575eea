#include "document/ConfigBackup.h"

#include "base/FileLock.h"
#include "base/HvxApp.h"
#include "base/Log.h"
#include "base/Language.h"
#include "base/SettingsTable.h"
#include "base/WholeFile.h"
#include "document/DocumentTexts.h"
#include "document/KelConfigFile.h"

#include <QDir>
#include <QFileInfo>

namespace hvx {

QString BackupNameStem(const QString& documentPath, const QString& backupDir)
{
    QString directory = QDir::fromNativeSeparators(backupDir);
    if (directory.endsWith(QLatin1Char('/')) && directory.size() > 1)
        directory.chop(1);
    QString name = QFileInfo(QDir::fromNativeSeparators(documentPath)).fileName();
    // Only the file name is cut at its last dot, never a dot of a directory name.
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot + 1);
    else
        name.append(QLatin1Char('.'));
    return directory + QLatin1Char('/') + name;
}

QString ChooseBackupName(const QString& documentPath, const QString& backupDir, int numBackups, const QDateTime& now)
{
    if (numBackups <= 0)
        return QString();
    const QString stem = BackupNameStem(documentPath, backupDir);
    const QString document = QFileInfo(documentPath).absoluteFilePath();
    QDateTime oldestTime = now;
    QString oldest;
    for (int i = 0; i < numBackups; ++i) {
        const QString name = stem + QString::asprintf("%03d", i);
        const QFileInfo info(name);
        // A directory under a backup name can never be replaced; it must not stop all backups.
        if (info.absoluteFilePath() == document || (info.exists() && !info.isFile()))
            continue;
        if (!info.exists())
            return name;
        if (oldest.isEmpty())
            oldest = name; // 000, unless a backup turns out older than now
        if (info.lastModified() < oldestTime) {
            oldestTime = info.lastModified();
            oldest = name;
        }
    }
    return oldest;
}

void BackupConfigFile(const QString& documentPath)
{
    CHVXApp& app = theApp();
    const int numBackups = app.GetIntSetting(settings::kNumBackups);
    const QString backupDir = app.DirectoryOrDefault(app.m_strBackupDir);
    // Files of one name in different folders share the backup names: the choice and the copy
    // are one step, so that two saves at once never take the same name.
    const FileLock lock(BackupNameStem(documentPath, backupDir) + QStringLiteral("backup"));
    const QString target = ChooseBackupName(documentPath, backupDir, numBackups);
    if (target.isEmpty())
        return;
    // The new copy replaces the oldest backup only once it is complete, so a failure or a kill
    // never costs a backup. The save goes ahead either way; the user is told.
    QByteArray bytes;
    QString error;
    if (!ReadWholeFile(documentPath, CKelConfigFile::kMaxFileSize, bytes, &error)
        || !WriteWholeFile(target, bytes, &error)) {
        LogEntry(0, QStringLiteral("CKelConfigFile::Backup"), target + QStringLiteral(": ") + error);
        app.ui().warning(GetStringsText(kTextBackupFailed).arg(target, error));
    }
}

} // namespace hvx
