// The .hxd file: the exact bytes of a saved file, the parts a save never touches, and every
// kind of damaged or unreachable file.
#include "document/InfoBlock.h"
#include "document/KelConfigFile.h"
#include "support/ReadOnlyFile.h"
#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace hvx;
using hvx::test::TestApp;

namespace {

using Image = std::array<quint8, configfile::kParameterSize>;

const QDateTime kCreated(QDate(2024, 3, 1), QTime(9, 5, 59));
const QDateTime kSaved(QDate(2025, 12, 31), QTime(23, 59));

Image patternImage()
{
    Image image{};
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = quint8(i * 7 + 3);
    return image;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

void put(QByteArray& file, int offset, const QByteArray& bytes)
{
    file.replace(offset, bytes.size(), bytes);
}

// The file as the layout table describes it, built without the code under test.
QByteArray expectedFile(const Image& image, const QByteArray& created, const QByteArray& saved,
                        const QByteArray& serial, const QByteArray& customer)
{
    QByteArray file(1280, '\0');
    put(file, 0, QByteArray("HXD Version 1.0 Parameter Image File Format") + QByteArray(5, ' '));
    put(file, 48, created);
    put(file, 64, saved);
    put(file, 96 + 0, serial);
    put(file, 96 + 48, customer);
    const auto bytes = [&](int from, int to) { return QByteArray(reinterpret_cast<const char*>(image.data()) + from, to - from + 1); };
    put(file, 720, bytes(0, 13));
    put(file, 736, bytes(14, 45));
    put(file, 768, bytes(46, 525));
    put(file, 1248, bytes(526, 557));
    return file;
}

class ConfigFile : public ::testing::Test {
protected:
    // A clock that gives the creation time first and the save time afterwards.
    CKelConfigFile::Clock clock()
    {
        return [this] { return m_calls++ == 0 ? kCreated : kSaved; };
    }

    // Saves the way the document does: open (or create), image, info block, close.
    bool save(const QString& path, const Image& image, const InfoTexts& texts)
    {
        CKelConfigFile file(clock());
        const InfoBlockBytes block = EncodeInfoBlock(texts);
        const bool ok = file.OpenConfigFile(path) && file.WriteConfigFile(image) && file.WriteInfoBlock(block);
        file.Close();
        return ok;
    }

    TestApp m_app;
    int m_calls = 0;
};

} // namespace

TEST_F(ConfigFile, SavedNewFileHasExactlyTheLayoutBytes)
{
    const QString path = m_app.filePath(QStringLiteral("Anlage1.hxd"));
    const InfoTexts texts{QStringLiteral("4711"), QStringLiteral("Stadtwerke Müll\r\nBad Ö"), {}, {}};
    ASSERT_TRUE(save(path, patternImage(), texts));

    const QByteArray customer = QByteArray("Stadtwerke M\xFCll\r\nBad \xD6");
    EXPECT_EQ(readAll(path), expectedFile(patternImage(), "202403010905", "202512312359", "4711", customer));
    EXPECT_EQ(m_app.app().ErrorCode(), 0u);
}

TEST_F(ConfigFile, ReadGivesBackImageAndInfoBlock)
{
    const QString path = m_app.filePath(QStringLiteral("a.hxd"));
    const InfoTexts texts{QStringLiteral("SN 1"), QStringLiteral("Kunde\r\nZeile 2"), QStringLiteral("Süd"), QStringLiteral("€ 5")};
    ASSERT_TRUE(save(path, patternImage(), texts));

    CKelConfigFile file;
    Image image{};
    InfoBlockBytes block{};
    ASSERT_TRUE(file.OpenConfigFile(path));
    ASSERT_TRUE(file.ReadConfigFile(image));
    ASSERT_TRUE(file.ReadInfoBlock(block));
    EXPECT_EQ(image, patternImage());
    EXPECT_EQ(DecodeInfoBlock(block), texts);
}

TEST_F(ConfigFile, SaveOverExistingFileKeepsGapCreationAndTransferStamps)
{
    const QString path = m_app.filePath(QStringLiteral("a.hxd"));
    ASSERT_TRUE(save(path, Image{}, {}));
    QByteArray before = readAll(path);
    put(before, 80, "202001020304");
    put(before, 734, "\xAB\xCD");
    writeAll(path, before);

    m_calls = 1; // every stamp from now on is the save time
    ASSERT_TRUE(save(path, patternImage(), {}));
    const QByteArray after = readAll(path);
    EXPECT_EQ(after.mid(734, 2), QByteArray("\xAB\xCD"));
    EXPECT_EQ(after.mid(48, 12), QByteArray("202403010905"));
    EXPECT_EQ(after.mid(64, 12), QByteArray("202512312359"));
    EXPECT_EQ(after.mid(80, 12), QByteArray("202001020304"));
}

TEST_F(ConfigFile, OpeningMissingPathCreatesEmptyConfigurationFile)
{
    const QString path = m_app.filePath(QStringLiteral("neu.hxd"));
    CKelConfigFile file(clock());
    ASSERT_TRUE(file.OpenConfigFile(path));
    Image image = patternImage();
    ASSERT_TRUE(file.ReadConfigFile(image));
    file.Close();

    EXPECT_EQ(image, Image{});
    EXPECT_EQ(readAll(path), expectedFile(Image{}, "202403010905", QByteArray(12, '\0'), {}, {}));
}

TEST_F(ConfigFile, TransferStampGoesToThirdSlot)
{
    const QString path = m_app.filePath(QStringLiteral("a.hxd"));
    ASSERT_TRUE(save(path, patternImage(), {}));
    CKelConfigFile file([] { return QDateTime(QDate(2026, 1, 2), QTime(3, 4)); });
    ASSERT_TRUE(file.OpenConfigFile(path) && file.SetZeit(configfile::kStampTransferred));
    file.Close();
    EXPECT_EQ(readAll(path).mid(80, 16), QByteArray("202601020304") + QByteArray(4, '\0'));
    EXPECT_FALSE(CKelConfigFile().SetZeit(3));
}

TEST_F(ConfigFile, WrongMagicIsRefusedWithMessageAndCode)
{
    const QString path = m_app.filePath(QStringLiteral("fremd.hxd"));
    ASSERT_TRUE(save(path, patternImage(), {}));
    QByteArray bytes = readAll(path);
    bytes[47] = '\0'; // only the last blank differs
    writeAll(path, bytes);
    m_app.ui().answerMessageBox(IDOK, QStringLiteral("ist keine Konfigurationsdatei"));

    CKelConfigFile file;
    EXPECT_FALSE(file.OpenConfigFile(path));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(m_app.app().ErrorCode(), 0x81000200u);
    ASSERT_EQ(m_app.ui().messageTexts().size(), 1);
    EXPECT_TRUE(m_app.ui().messageTexts().first().contains(path));
    EXPECT_EQ(readAll(path), bytes) << "a refused file is left as it was";
}

TEST_F(ConfigFile, FileShorterThanMagicIsRefusedAsNotAConfigurationFile)
{
    const QString path = m_app.filePath(QStringLiteral("kurz.hxd"));
    writeAll(path, "HXD Version 1.0");
    m_app.ui().answerMessageBox(IDOK);
    EXPECT_FALSE(CKelConfigFile().OpenConfigFile(path));
    EXPECT_EQ(m_app.app().ErrorCode(), 0x81000200u);
}

TEST_F(ConfigFile, TruncatedFileFailsToReadInsteadOfGivingStaleBytes)
{
    const QString path = m_app.filePath(QStringLiteral("a.hxd"));
    ASSERT_TRUE(save(path, patternImage(), {}));
    for (const int length : {1279, 900, 700}) {
        QFile::resize(path, length);
        CKelConfigFile file;
        Image image{};
        InfoBlockBytes block{};
        ASSERT_TRUE(file.OpenConfigFile(path)) << length;
        EXPECT_FALSE(file.ReadConfigFile(image)) << length;
        EXPECT_EQ(m_app.app().ErrorCode(), 0x81000020u);
        EXPECT_EQ(file.ReadInfoBlock(block) != 0, length >= 720) << length;
    }
    EXPECT_TRUE(m_app.logEntries().filter(QStringLiteral("CKelConfigFile::ReadConfigFile")).size() == 3);
}

TEST_F(ConfigFile, WrongLengthIsRebuiltOnSaveWithNewCreationStamp)
{
    for (const int length : {1279, 1281}) {
        const QString path = m_app.filePath(QStringLiteral("len%1.hxd").arg(length));
        QByteArray damaged = expectedFile(patternImage(), "199901010101", "199901010101", "alt", "alt");
        damaged.resize(length, 'x');
        writeAll(path, damaged);

        m_calls = 0;
        ASSERT_TRUE(save(path, patternImage(), {QStringLiteral("neu"), {}, {}, {}}));
        EXPECT_EQ(readAll(path), expectedFile(patternImage(), "202403010905", "202512312359", "neu", {})) << length;
    }
}

TEST_F(ConfigFile, FileOf1281BytesIsReadNormally)
{
    const QString path = m_app.filePath(QStringLiteral("a.hxd"));
    QByteArray bytes = expectedFile(patternImage(), "202403010905", {}, {}, {});
    writeAll(path, bytes + "x");
    CKelConfigFile file;
    Image image{};
    ASSERT_TRUE(file.OpenConfigFile(path) && file.ReadConfigFile(image));
    EXPECT_EQ(image, patternImage());
}

TEST_F(ConfigFile, MissingDirectoryFailsWithCreateCodeAndLogEntry)
{
    const QString path = m_app.filePath(QStringLiteral("fehlt/a.hxd"));
    CKelConfigFile file;
    EXPECT_FALSE(file.OpenConfigFile(path));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(m_app.app().ErrorCode(), 0x81000002u);
    EXPECT_FALSE(file.LastErrorText().isEmpty());
    EXPECT_EQ(m_app.logEntries().filter(QStringLiteral("CKelConfigFile::OpenConfigFile")).size(), 1);
}

TEST_F(ConfigFile, DirectoryInPlaceOfFileFailsWithOpenCode)
{
    const QString path = m_app.filePath(QStringLiteral("ordner.hxd"));
    ASSERT_TRUE(QDir(m_app.dir()).mkdir(QStringLiteral("ordner.hxd")));
    EXPECT_FALSE(CKelConfigFile().OpenConfigFile(path));
    EXPECT_EQ(m_app.app().ErrorCode() & 0xFF000000u, 0x81000000u);
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(ConfigFile, WriteProtectedFileCanBeReadButNotWritten)
{
    const QString path = m_app.filePath(QStringLiteral("a.hxd"));
    ASSERT_TRUE(save(path, patternImage(), {}));
    const QByteArray before = readAll(path);
    test::ReadOnlyFile protection(path);
    if (!protection.isProtected())
        GTEST_SKIP() << "no way to write-protect a file here";

    CKelConfigFile file;
    Image image{};
    ASSERT_TRUE(file.OpenConfigFile(path));
    ASSERT_TRUE(file.ReadConfigFile(image));
    EXPECT_EQ(image, patternImage());
    EXPECT_FALSE(file.WriteConfigFile(Image{}));
    EXPECT_EQ(m_app.app().ErrorCode(), 0x81000010u); // the save stamp is the first write
    EXPECT_FALSE(file.WriteInfoBlock(InfoBlockBytes{}));
    EXPECT_EQ(m_app.app().ErrorCode(), 0x81000100u);
    file.Close();
    EXPECT_EQ(readAll(path), before);
}
