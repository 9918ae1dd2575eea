// The support file: its parts in order, the filtered copies of settings and log book, where it
// is written, and the facts of the machine.
#include "app/SupportFile.h"

#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using hvx::test::TestApp;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes, QIODevice::OpenMode mode = QIODevice::WriteOnly)
{
    QFile file(path);
    ASSERT_TRUE(file.open(mode)) << path.toStdString();
    file.write(bytes);
}

class SupportFile : public ::testing::Test {
protected:
    SupportFile()
    {
        m_previousDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", t.filePath(QStringLiteral("data")).toUtf8());
        QDir(t.dir()).mkpath(QStringLiteral("prog"));
        t.app().m_strProgDir = t.filePath(QStringLiteral("prog"));
        writeAll(t.filePath(QStringLiteral("os-release")), "NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n");
        writeAll(t.filePath(QStringLiteral("meminfo")), "MemTotal:       16000 kB\nMemFree:  100 kB\nMemAvailable:   8000 kB\n");
        writeAll(t.filePath(QStringLiteral("cpuinfo")), "processor\t: 0\nmodel name\t: Testprozessor 3000\n");
        writeAll(t.filePath(QStringLiteral("mounts")),
                 QStringLiteral("proc /proc proc rw 0 0\n/dev/sda1 %1 ext4 rw 0 0\n").arg(t.dir()).toUtf8());
        sources.osRelease = t.filePath(QStringLiteral("os-release"));
        sources.memInfo = t.filePath(QStringLiteral("meminfo"));
        sources.cpuInfo = t.filePath(QStringLiteral("cpuinfo"));
        sources.mounts = t.filePath(QStringLiteral("mounts"));
        sources.withKernel = false;
    }
    ~SupportFile() override
    {
        if (m_previousDataHome.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", m_previousDataHome);
    }

    TestApp t;
    hvx::SystemSources sources;
    const QDateTime moment{QDate(2012, 7, 5), QTime(14, 3, 11)};

private:
    QByteArray m_previousDataHome;
};

} // namespace

TEST_F(SupportFile, HasHeaderSystemSettingsAndLogBookInThisOrder)
{
    t.app().WriteProfileString(QStringLiteral("Environment"), QStringLiteral("WorkDir"), QStringLiteral("/srv/anlagen"));
    const hvx::SupportFileResult result = hvx::WriteSupportFile(t.app(), moment, sources);
    ASSERT_TRUE(result.written);
    EXPECT_EQ(result.path, t.filePath(QStringLiteral("prog/20120705.spt")));
    const QString content = QString::fromUtf8(readAll(result.path));

    const QStringList expectedInOrder = {
        QStringLiteral("++++++++ HVX Supportfile ++++++++\n\n"),
        QStringLiteral("Supportfile: ") + result.path + u'\n',
        QStringLiteral("Erstelldatum: 05.07.2012 14:03\n"),
        QStringLiteral("HVX-Version: ") + t.app().m_strVersion + QStringLiteral("\n\n"),
        QStringLiteral("-------- System-Info --------\n\n"),
        QStringLiteral("Betriebssystem: Debian GNU/Linux 12 (bookworm)\n"),
        QStringLiteral("Arbeitsspeicher gesamt: 16384000\n"),
        QStringLiteral("Arbeitsspeicher frei: 8192000\n"),
        QStringLiteral("Dateisystem %1 (ext4): frei (akt. User) ").arg(t.dir()),
        QStringLiteral("Prozessortyp: Testprozessor 3000\n\n"),
        QStringLiteral("-------- Registry --------\n\n"),
        QStringLiteral("WorkDir=/srv/anlagen"),
        QStringLiteral("-------- Logfile --------\n\n"),
    };
    qsizetype from = 0;
    for (const QString& part : expectedInOrder) {
        const qsizetype at = content.indexOf(part, from);
        ASSERT_GE(at, from) << "missing or out of order: " << part.toStdString() << "\n" << content.toStdString();
        from = at + part.size();
    }
    EXPECT_TRUE(content.startsWith(expectedInOrder.first()));
}

TEST_F(SupportFile, LogBookIsCopiedWithoutTabsControlBytesAndBytesFrom128Up)
{
    writeAll(t.app().m_logFile.Path(), "A\tB\r\n\xc3\x84rger \x7f\x01\x1b" "Ende\n", QIODevice::WriteOnly | QIODevice::Truncate);
    const hvx::SupportFileResult result = hvx::WriteSupportFile(t.app(), moment, sources);
    ASSERT_TRUE(result.written);
    const QByteArray content = readAll(result.path);
    EXPECT_TRUE(content.endsWith("-------- Logfile --------\n\nAB\nrger Ende\n")) << content.toStdString();
    for (const char byte : content)
        EXPECT_TRUE(byte == '\n' || (byte >= 32 && byte <= 126)) << int(byte);
}

TEST_F(SupportFile, AppendKeepsOnlyLineFeedsAndPrintableBytes)
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all += char(byte);
    writeAll(t.filePath(QStringLiteral("all.bin")), all);
    QByteArray out("x");
    EXPECT_TRUE(hvx::AppendToSupportFile(out, t.filePath(QStringLiteral("all.bin"))));
    QByteArray expected("x\n");
    for (int byte = 32; byte <= 126; ++byte)
        expected += char(byte);
    EXPECT_EQ(out, expected);

    // A file that cannot be opened leaves its part empty and says so at level 2.
    EXPECT_FALSE(hvx::AppendToSupportFile(out, t.filePath(QStringLiteral("missing.log"))));
    EXPECT_EQ(out, expected);
    EXPECT_TRUE(t.logEntries().contains(QStringLiteral("CAboutDlg::AppendToSupportFile bRet 0")));
}

TEST_F(SupportFile, ASecondFileOfTheSameDayReplacesTheFirst)
{
    ASSERT_TRUE(hvx::WriteSupportFile(t.app(), moment, sources).written);
    const hvx::SupportFileResult second = hvx::WriteSupportFile(t.app(), moment.addSecs(120), sources);
    ASSERT_TRUE(second.written);
    const QString content = QString::fromUtf8(readAll(second.path));
    EXPECT_TRUE(content.contains(QStringLiteral("Erstelldatum: 05.07.2012 14:05")));
    EXPECT_FALSE(content.contains(QStringLiteral("14:03")));
    EXPECT_EQ(content.count(QStringLiteral("HVX Supportfile")), 1);
    EXPECT_EQ(QDir(t.app().m_strProgDir).entryList(QDir::Files), QStringList{QStringLiteral("20120705.spt")});
}

TEST_F(SupportFile, AnUnwritableProgramDirectoryPutsTheFileIntoTheDataDirectory)
{
    // Not even root can create files in /proc.
    t.app().m_strProgDir = QStringLiteral("/proc");
    const hvx::SupportFileResult result = hvx::WriteSupportFile(t.app(), moment, sources);
    ASSERT_TRUE(result.written);
    EXPECT_EQ(result.path, t.filePath(QStringLiteral("data/VORMAK/HVX/20120705.spt")));
    EXPECT_TRUE(QString::fromUtf8(readAll(result.path)).contains(QStringLiteral("Supportfile: ") + result.path + u'\n'));
}

TEST_F(SupportFile, EnglishTextsAndUnknownFacts)
{
    // The language folders are beside the test program, not in the test's program directory.
    const QString programDir = t.app().m_strProgDir;
    t.app().m_strProgDir = CHVXApp::ExecutableDir();
    t.app().SetLanguage(QStringLiteral("02-English"));
    t.app().m_strProgDir = programDir;
    sources.cpuInfo = t.filePath(QStringLiteral("none"));
    sources.memInfo = t.filePath(QStringLiteral("none"));
    const hvx::SupportFileResult result = hvx::WriteSupportFile(t.app(), moment, sources);
    const QString content = QString::fromUtf8(readAll(result.path));
    EXPECT_TRUE(content.startsWith(QStringLiteral("++++++++ HVX Support File ++++++++\n\nSupport file: ")));
    EXPECT_TRUE(content.contains(QStringLiteral("Operating system: Debian GNU/Linux 12 (bookworm)\n")));
    EXPECT_TRUE(content.contains(QStringLiteral("Total memory: -1\n")));
    EXPECT_TRUE(content.contains(QStringLiteral("Processor type: Type cannot be stated\n\n")));
}

TEST(SystemInfo, ReadsDistributionMemoryAndProcessorFromTheirTexts)
{
    EXPECT_EQ(hvx::DistributionName(QStringLiteral("NAME='Arch Linux'\nID=arch\n")), QStringLiteral("Arch Linux"));
    EXPECT_EQ(hvx::DistributionName(QStringLiteral("NAME=Debian\nPRETTY_NAME=\"Debian 12\"\n")), QStringLiteral("Debian 12"));
    EXPECT_TRUE(hvx::DistributionName(QString()).isEmpty());
    EXPECT_EQ(hvx::MemInfoBytes(QStringLiteral("MemTotal: 2 kB\nMemAvailable:  1 kB\n"), QStringLiteral("MemAvailable")), 1024);
    EXPECT_EQ(hvx::MemInfoBytes(QStringLiteral("MemTotal: 2 kB\n"), QStringLiteral("MemAvailable")), -1);
    EXPECT_EQ(hvx::ProcessorModel(QStringLiteral("processor : 0\nmodel name : X 1\nprocessor : 1\nmodel name : X 1\n")),
              QStringLiteral("X 1"));
    EXPECT_EQ(hvx::ProcessorModel(QStringLiteral("processor : 0\nModel : Raspberry Pi 4\n")), QStringLiteral("Raspberry Pi 4"));
}

TEST(SystemInfo, ListsDisksAndSharesButNoPseudoFileSystemsOrImages)
{
    const QString mounts = QStringLiteral("proc /proc proc rw 0 0\n"
                                          "sysfs /sys sysfs rw 0 0\n"
                                          "tmpfs /run tmpfs rw 0 0\n"
                                          "overlay / overlay rw 0 0\n"
                                          "/dev/sda1 /home ext4 rw 0 0\n"
                                          "/dev/sda1 /home ext4 rw 0 0\n"
                                          "/dev/loop3 /snap/core/1 squashfs ro 0 0\n"
                                          "server:/export /mnt/share nfs4 rw 0 0\n"
                                          "/dev/sdb1 /media/USB\\040Stick vfat rw 0 0\n");
    const QList<hvx::FileSystemEntry> entries = hvx::UserFileSystems(mounts);
    QStringList shown;
    for (const hvx::FileSystemEntry& entry : entries)
        shown << entry.mountPoint + u' ' + entry.type;
    EXPECT_EQ(shown, QStringList({QStringLiteral("/ overlay"), QStringLiteral("/home ext4"), QStringLiteral("/mnt/share nfs4"),
                                  QStringLiteral("/media/USB Stick vfat")}));
}
