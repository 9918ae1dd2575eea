// The configuration file and its backups under faults below the program: a process killed in
// the middle of a save, a full file system, a file far too large. After each fault the previous
// file and every backup are whole.
#include "base/ErrorCodes.h"
#include "document/ConfigBackup.h"
#include "document/InfoBlock.h"
#include "document/KelConfigFile.h"
#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace hvx;
using hvx::test::TestApp;

namespace {

using Image = std::array<quint8, configfile::kParameterSize>;

const QDateTime kFixedTime(QDate(2024, 3, 1), QTime(9, 5));

Image filledImage(quint8 value)
{
    Image image;
    image.fill(value);
    return image;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool save(const QString& path, const Image& image)
{
    CKelConfigFile file([] { return kFixedTime; });
    const InfoBlockBytes block = EncodeInfoBlock({QStringLiteral("SN"), {}, {}, {}});
    const bool ok = file.OpenConfigFile(path) && file.WriteConfigFile(image) && file.WriteInfoBlock(block);
    file.Close();
    return ok;
}

// A small file system of its own, for the tests that fill it up; needs root.
class SmallFileSystem {
public:
    explicit SmallFileSystem(const QString& dir) : m_dir(dir)
    {
        QDir().mkpath(dir);
        m_mounted = ::mount("tmpfs", dir.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallFileSystem()
    {
        if (m_mounted)
            ::umount2(m_dir.toLocal8Bit().constData(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;
    bool mounted() const { return m_mounted; }

    // Writes a filler file until no byte more fits.
    void fill() const
    {
        QFile filler(m_dir + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(512, 'f');
        while (filler.write(block) == block.size()) {
        }
        const QByteArray byte(1, 'f');
        while (filler.write(byte) == 1) {
        }
    }

private:
    QString m_dir;
    bool m_mounted = false;
};

} // namespace

TEST(ConfigFileFaults, AKilledSaveLeavesThePreviousOrTheNewFileAndWholeBackups)
{
    TestApp app;
    app.app().WriteProfileInt(QStringLiteral("Options"), QStringLiteral("NumBackups"), 3);
    const QString path = app.filePath(QStringLiteral("Anlage1.hxd"));
    ASSERT_TRUE(save(path, filledImage(0xAA)));
    const QByteArray fileA = readAll(path);
    ASSERT_TRUE(save(path, filledImage(0x55)));
    const QByteArray fileB = readAll(path);
    ASSERT_NE(fileA, fileB);

    int roundsEndingWithA = 0;
    constexpr int kRounds = 60;
    for (int round = 0; round < kRounds; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // The save loop of the document: backup, then the file, one image after the other.
            for (quint8 i = 0;; ++i) {
                BackupConfigFile(path);
                save(path, filledImage(i % 2 ? 0xAA : 0x55));
            }
        }
        ::usleep(useconds_t(2000 + (round % 20) * 2500)); // kills at 2 to 50 ms
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);

        const QByteArray now = readAll(path);
        ASSERT_TRUE(now == fileA || now == fileB) << "round " << round << ": " << now.size() << " bytes, mixed";
        roundsEndingWithA += now == fileA ? 1 : 0;
        for (int n = 0; n < 3; ++n) {
            const QString backup = app.filePath(QStringLiteral("Anlage1.%1").arg(n, 3, 10, QLatin1Char('0')));
            if (QFile::exists(backup)) {
                const QByteArray bytes = readAll(backup);
                ASSERT_TRUE(bytes == fileA || bytes == fileB) << backup.toStdString() << " round " << round;
            }
        }
    }
    // The child really saved: some kills found the other image in place.
    EXPECT_GT(roundsEndingWithA, 0);
    EXPECT_LT(roundsEndingWithA, kRounds);
}

TEST(ConfigFileFaults, AWriteThatFailsHalfwayLeavesThePreviousFileWhole)
{
    TestApp app;
    const QString path = app.filePath(QStringLiteral("Anlage1.hxd"));
    ASSERT_TRUE(save(path, filledImage(0x11)));
    const QByteArray before = readAll(path);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // No file may grow beyond 900 bytes: the write fails in the middle of the image.
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{900, 900};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(save(path, filledImage(0x22)) ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1); // the failure is reported
    EXPECT_EQ(readAll(path), before);
}

TEST(ConfigFileFaults, OnAFullFileSystemSavesFailAndLeaveThePreviousFileOrNone)
{
    TestApp app;
    const QString dir = app.filePath(QStringLiteral("small"));
    SmallFileSystem fileSystem(dir);
    if (!fileSystem.mounted())
        GTEST_SKIP() << "mounting a small tmpfs needs root; the full-file-system case is not run";
    app.app().m_strBackupDir = dir;
    app.app().WriteProfileInt(QStringLiteral("Options"), QStringLiteral("NumBackups"), 5);
    const QString path = dir + QStringLiteral("/Anlage1.hxd");
    ASSERT_TRUE(save(path, filledImage(0x11)));
    BackupConfigFile(path);
    const QByteArray before = readAll(path);
    const QByteArray backupBefore = readAll(dir + QStringLiteral("/Anlage1.000"));
    ASSERT_EQ(backupBefore, before);
    fileSystem.fill();

    EXPECT_FALSE(save(path, filledImage(0x22)));
    EXPECT_EQ(readAll(path), before);
    BackupConfigFile(path);
    EXPECT_EQ(readAll(dir + QStringLiteral("/Anlage1.000")), backupBefore);
    EXPECT_FALSE(QFile::exists(dir + QStringLiteral("/Anlage1.001"))); // no empty backup either

    // A new file that does not fit is not left behind empty, so a retry is not blocked.
    const QString fresh = dir + QStringLiteral("/Neu.hxd");
    EXPECT_FALSE(save(fresh, filledImage(0x33)));
    EXPECT_FALSE(QFile::exists(fresh));
    EXPECT_NE(app.app().ErrorCode() & kErrorAreaConfigFile, 0u);
}

TEST(ConfigFileFaults, ASaveKeepsTheFilesPermissions)
{
    TestApp app;
    const QString path = app.filePath(QStringLiteral("Anlage1.hxd"));
    ASSERT_TRUE(save(path, filledImage(0x11)));
    const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path, permissions));
    ASSERT_TRUE(save(path, filledImage(0x22)));
    const auto user = QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    EXPECT_EQ(QFile::permissions(path) & ~user, permissions);
    EXPECT_EQ(readAll(path).size(), 1280);
}

TEST(ConfigFileFaults, AFileFarTooLargeIsRefusedWithoutTouchingItOrBackingItUp)
{
    TestApp app;
    app.app().WriteProfileInt(QStringLiteral("Options"), QStringLiteral("NumBackups"), 3);
    const QString path = app.filePath(QStringLiteral("Riesig.hxd"));
    ASSERT_TRUE(save(path, filledImage(0x11)));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::Append));
        ASSERT_TRUE(f.resize(1024 * 1024));
    }
    const QByteArray before = readAll(path);
    CKelConfigFile file;
    EXPECT_EQ(file.OpenConfigFile(path), 0);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(app.app().ErrorCode(), kErrorFlag | kErrorAreaConfigFile | kErrOpenException);
    EXPECT_EQ(readAll(path), before);

    BackupConfigFile(path);
    EXPECT_FALSE(QFile::exists(app.filePath(QStringLiteral("Riesig.000"))));
}

// The cause of a damaged file is shown beside the interface language's own words (hvxcli prints
// it after "Dateifehler bei ..."), so it speaks that language too; the counts stay numbers.
TEST(ConfigFileFaults, TheCauseOfADamagedFileSpeaksTheInterfaceLanguage)
{
    struct Fall {
        TestApp::Language sprache;
        qint64 groesse;
        const char* ursache;
    };
    const Fall faelle[] = {
        {TestApp::Language::German, 100, "Die Datei endet vorzeitig: 100 Bytes, 1280 erwartet"},
        {TestApp::Language::English, 100, "The file ends early: 100 bytes, 1280 expected"},
        {TestApp::Language::None, 100, "Die Datei endet vorzeitig: 100 Bytes, 1280 erwartet"},
        {TestApp::Language::German, 1024 * 1024, "Die Datei hat 1048576 Bytes, mehr als die zulässigen 65536"},
        {TestApp::Language::English, 1024 * 1024, "The file has 1048576 bytes, more than the 65536 accepted"},
    };
    for (const Fall& fall : faelle) {
        TestApp app(fall.sprache);
        const QString path = app.filePath(QStringLiteral("Schaden.hxd"));
        ASSERT_TRUE(save(path, filledImage(0x22)));
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::ReadWrite));
            ASSERT_TRUE(f.resize(fall.groesse));
        }
        CKelConfigFile file;
        Image image{};
        const bool gelesen = file.OpenConfigFile(path) == 1 && file.ReadConfigFile(image) == 1;
        EXPECT_FALSE(gelesen) << fall.ursache;
        EXPECT_EQ(file.LastErrorText(), QString::fromUtf8(fall.ursache));
        file.Close();
    }
}
