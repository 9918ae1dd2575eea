#include "document/ConfigBackup.h"

#include "base/HvxApp.h"
#include "base/Log.h"
#include "base/SettingsTable.h"
#include "document/KelConfigFile.h"

#include <QDir>
#include <QFile>
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
        if (info.absoluteFilePath() == document)
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
    const QString target = ChooseBackupName(documentPath, app.DirectoryOrDefault(app.m_strBackupDir), numBackups);
    if (target.isEmpty())
        return;
    // A file far larger than a configuration file is not one; it is not copied in full.
    if (QFileInfo(documentPath).size() > CKelConfigFile::kMaxFileSize) {
        LogEntry(0, QStringLiteral("CKelConfigFile::Backup"), documentPath);
        return;
    }
    if (QFile::exists(target) && !QFile::remove(target)) {
        LogEntry(2, QStringLiteral("CKelConfigFile::Backup remove"), target);
        return;
    }
    if (!QFile::copy(documentPath, target))
        LogEntry(2, QStringLiteral("CKelConfigFile::Backup copy"), target);
}

} // namespace hvx
