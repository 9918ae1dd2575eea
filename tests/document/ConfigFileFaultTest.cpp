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
