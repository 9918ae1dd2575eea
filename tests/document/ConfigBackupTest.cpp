// Rolling backups: names, the first free number, the oldest one when all are taken.
#include "document/ConfigBackup.h"
#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace hvx;
using hvx::test::TestApp;

namespace {

void writeFile(const QString& path, const QByteArray& bytes, const QDateTime& modified = {})
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    f.flush(); // a later flush would set the modification time again
    if (modified.isValid()) {
        ASSERT_TRUE(f.setFileTime(modified, QFileDevice::FileModificationTime));
    }
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(ConfigBackupName, StemIsBackupDirectoryAndNameCutAfterItsLastDot)
{
    EXPECT_EQ(BackupNameStem(QStringLiteral("/w/Anlage1.hxd"), QStringLiteral("/b/")), QStringLiteral("/b/Anlage1."));
    EXPECT_EQ(BackupNameStem(QStringLiteral("/w/a.b.hxd"), QStringLiteral("/b")), QStringLiteral("/b/a.b."));
    // a dot in a directory name is not the file name's dot
    EXPECT_EQ(BackupNameStem(QStringLiteral("/w.x/Anlage"), QStringLiteral("/b.d")), QStringLiteral("/b.d/Anlage."));
}

TEST(ConfigBackupName, NoBackupWhenNumberIsZeroOrLess)
{
    EXPECT_TRUE(ChooseBackupName(QStringLiteral("/w/a.hxd"), QStringLiteral("/b"), 0).isEmpty());
    EXPECT_TRUE(ChooseBackupName(QStringLiteral("/w/a.hxd"), QStringLiteral("/b"), -1).isEmpty());
}

TEST(ConfigBackupName, FirstFreeNumberThenOldest)
{
    TestApp app;
    const QString doc = app.filePath(QStringLiteral("Anlage1.hxd"));
    const QString stem = app.filePath(QStringLiteral("Anlage1."));
    const QDateTime now = QDateTime::currentDateTime();
    EXPECT_EQ(ChooseBackupName(doc, app.dir(), 3, now), stem + QStringLiteral("000"));

    writeFile(stem + QStringLiteral("000"), "0", now.addDays(-1));
    writeFile(stem + QStringLiteral("002"), "2", now.addDays(-5));
    EXPECT_EQ(ChooseBackupName(doc, app.dir(), 3, now), stem + QStringLiteral("001"));

    writeFile(stem + QStringLiteral("001"), "1", now.addDays(-3));
    EXPECT_EQ(ChooseBackupName(doc, app.dir(), 3, now), stem + QStringLiteral("002"));

    // all newer than "now": the first number is taken
    EXPECT_EQ(ChooseBackupName(doc, app.dir(), 3, now.addDays(-10)), stem + QStringLiteral("000"));
}

TEST(ConfigBackupName, DocumentItselfIsNeverChosen)
{
    TestApp app;
    const QString doc = app.filePath(QStringLiteral("Anlage1.000"));
    writeFile(doc, "doc");
    EXPECT_EQ(ChooseBackupName(doc, app.dir(), 2), app.filePath(QStringLiteral("Anlage1.001")));
}

TEST(ConfigBackup, CopiesFileStateOverOldestWithSettingsNumber)
{
    TestApp app;
    const QString backupDir = app.filePath(QStringLiteral("backup"));
    ASSERT_TRUE(QDir().mkpath(backupDir));
    app.app().m_strBackupDir = backupDir + QLatin1Char('/');
    app.app().WriteProfileInt(QStringLiteral("Options"), QStringLiteral("NumBackups"), 3);
    const QString doc = app.filePath(QStringLiteral("Anlage1.hxd"));
    const QDateTime now = QDateTime::currentDateTime();
    writeFile(backupDir + QStringLiteral("/Anlage1.000"), "old0", now.addDays(-2));
    writeFile(backupDir + QStringLiteral("/Anlage1.001"), "old1", now.addDays(-9));
    writeFile(backupDir + QStringLiteral("/Anlage1.002"), "old2", now.addDays(-4));
    writeFile(doc, "current");

    BackupConfigFile(doc);
    EXPECT_EQ(readFile(backupDir + QStringLiteral("/Anlage1.001")), QByteArray("current"));
    EXPECT_EQ(readFile(backupDir + QStringLiteral("/Anlage1.000")), QByteArray("old0"));
    EXPECT_EQ(readFile(backupDir + QStringLiteral("/Anlage1.002")), QByteArray("old2"));
    EXPECT_FALSE(QFile::exists(backupDir + QStringLiteral("/Anlage1.003")));
}

TEST(ConfigBackup, MissingBackupDirectoryIsNotAnError)
{
    TestApp app;
    app.app().m_strBackupDir = app.filePath(QStringLiteral("gibtsnicht"));
    const QString doc = app.filePath(QStringLiteral("a.hxd"));
    writeFile(doc, "x");
    BackupConfigFile(doc);
    EXPECT_EQ(app.app().ErrorCode(), 0u);
    EXPECT_EQ(readFile(doc), QByteArray("x"));
}

TEST(ConfigBackup, EmptyBackupDirectoryMeansTheDefaultDirectoryNotTheRoot)
{
    TestApp app;
    const QString programDir = app.filePath(QStringLiteral("program"));
    ASSERT_TRUE(QDir().mkpath(programDir));
    app.app().m_strProgDir = programDir; // writable, so it is the default data directory
    app.app().m_strBackupDir.clear();
    const QString doc = app.filePath(QStringLiteral("RootTest19.hxd"));
    writeFile(doc, "x");
    BackupConfigFile(doc);
    EXPECT_EQ(readFile(programDir + QStringLiteral("/RootTest19.000")), QByteArray("x"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("/RootTest19.000")));
    QFile::remove(QStringLiteral("/RootTest19.000"));
}

TEST(ConfigBackup, ADirectoryUnderABackupNameIsPassedOverNotAnEndToAllBackups)
{
    TestApp app;
    app.app().WriteProfileInt(QStringLiteral("Options"), QStringLiteral("NumBackups"), 2);
    const QString doc = app.filePath(QStringLiteral("Anlage1.hxd"));
    const QDateTime now = QDateTime::currentDateTime();
    ASSERT_TRUE(QDir().mkpath(app.filePath(QStringLiteral("Anlage1.000"))));
    QFile(app.filePath(QStringLiteral("Anlage1.000"))).setFileTime(now.addDays(-30), QFileDevice::FileModificationTime);
    writeFile(app.filePath(QStringLiteral("Anlage1.001")), "old1", now.addDays(-2));
    writeFile(doc, "current");
    BackupConfigFile(doc);
    EXPECT_EQ(readFile(app.filePath(QStringLiteral("Anlage1.001"))), QByteArray("current"));
    writeFile(doc, "next");
    BackupConfigFile(doc);
    EXPECT_EQ(readFile(app.filePath(QStringLiteral("Anlage1.001"))), QByteArray("next"));
    EXPECT_TRUE(QFileInfo(app.filePath(QStringLiteral("Anlage1.000"))).isDir());
}

TEST(ConfigBackup, ABackupThatCannotBeMadeIsLoggedAtLevelZeroAndTheOldOnesStay)
{
    TestApp app;
    app.app().m_logFile.SetLevel(0);
    app.app().WriteProfileInt(QStringLiteral("Options"), QStringLiteral("NumBackups"), 1);
    const QString doc = app.filePath(QStringLiteral("Anlage1.hxd"));
    writeFile(app.filePath(QStringLiteral("Anlage1.000")), "only backup");
    writeFile(doc, "current");
    // The backup directory is a file: nothing can be written below it.
    app.app().m_strBackupDir = app.filePath(QStringLiteral("Anlage1.000"));
    BackupConfigFile(doc);
    EXPECT_EQ(readFile(app.filePath(QStringLiteral("Anlage1.000"))), QByteArray("only backup"));
    EXPECT_TRUE(app.logText().contains(QStringLiteral("Backup"))) << app.logText().toStdString();
    EXPECT_EQ(readFile(doc), QByteArray("current"));
}
