// The profile reader behind every text lookup, and the German fallback for numbered texts.
#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/ProfileReader.h"
#include "support/TestApp.h"

#include <QFile>
#include <array>
#include <random>
#include <gtest/gtest.h>

using hvx::ProfileContent;
using hvx::UnescapeLanText;

namespace {

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

} // namespace

TEST(ProfileReader, SectionsAndKeysAreCaseInsensitiveAndTrimmed)
{
    const auto content = ProfileContent::parse("; comment\r\n [ Strings ] \r\n  42  =  Wert mit Blanks   \r\nKey=a=b\r\n");
    EXPECT_EQ(content.value(QStringLiteral("strings"), QStringLiteral("42")), QStringLiteral("Wert mit Blanks"));
    EXPECT_EQ(content.value(QStringLiteral("STRINGS"), QStringLiteral("key")), QStringLiteral("a=b"));
    EXPECT_TRUE(content.value(QStringLiteral("Other"), QStringLiteral("42")).isEmpty());
    EXPECT_TRUE(content.value(QStringLiteral("Strings"), QStringLiteral("43")).isEmpty());
}

TEST(ProfileReader, QuotesKeepBlanksAndOnlyAMatchingPairIsRemoved)
{
    const auto content = ProfileContent::parse("[S]\n1=\"Seite \"\n2='x '\n3=\"offen\n4=\"a\" b\"\n5=\"gemischt'\n");
    EXPECT_EQ(content.value(QStringLiteral("S"), QStringLiteral("1")), QStringLiteral("Seite "));
    EXPECT_EQ(content.value(QStringLiteral("S"), QStringLiteral("2")), QStringLiteral("x "));
    EXPECT_EQ(content.value(QStringLiteral("S"), QStringLiteral("3")), QStringLiteral("\"offen"));
    EXPECT_EQ(content.value(QStringLiteral("S"), QStringLiteral("4")), QStringLiteral("a\" b"));
    EXPECT_EQ(content.value(QStringLiteral("S"), QStringLiteral("5")), QStringLiteral("\"gemischt'"));
}

TEST(ProfileReader, ValueIsCutTo254CharactersAndFirstKeyWins)
{
    const QByteArray longValue(300, 'x');
    const auto content = ProfileContent::parse("[S]\n1=" + longValue + "\n1=second\n");
    EXPECT_EQ(content.value(QStringLiteral("S"), QStringLiteral("1")).size(), 254);
}

TEST(ProfileReader, Utf8AndWindows1252AreBothRead)
{
    const auto utf8 = ProfileContent::parse("\xEF\xBB\xBF[S]\n1=\xC3\xBC" "ber\n");
    EXPECT_EQ(utf8.value(QStringLiteral("S"), QStringLiteral("1")), QStringLiteral(u"über"));
    const auto cp1252 = ProfileContent::parse("[S]\n1=\xFC" "ber \x80 \x93z\x94\n");
    EXPECT_EQ(cp1252.value(QStringLiteral("S"), QStringLiteral("1")), QStringLiteral(u"über € “z”"));
}

TEST(ProfileReader, EscapesAreReplacedLeftToRight)
{
    EXPECT_EQ(UnescapeLanText(QStringLiteral("eins\\nzwei")), QStringLiteral("eins\nzwei"));
    EXPECT_EQ(UnescapeLanText(QStringLiteral("C:\\\\temp")), QStringLiteral("C:\\temp"));
    // An escaped backslash never starts a new sequence.
    EXPECT_EQ(UnescapeLanText(QStringLiteral("a\\\\nb")), QStringLiteral("a\\nb"));
    EXPECT_EQ(UnescapeLanText(QStringLiteral("\\r\\t\\\"x\\\"")), QStringLiteral("\r\t\"x\""));
    EXPECT_EQ(UnescapeLanText(QStringLiteral("Ende\\")), QStringLiteral("Ende\\"));
    EXPECT_EQ(UnescapeLanText(QStringLiteral("\\q")), QStringLiteral("\\q"));
}

TEST(ProfileReader, MissingFileGivesEmptyTextAndEditsAreSeenFromTheNextUserActionOn)
{
    hvx::test::TestApp t;
    const QString path = t.filePath(QStringLiteral("Test.lan"));
    const auto lookup = [&path] { return GetLanText(QStringLiteral("S"), QStringLiteral("1"), path); };
    EXPECT_TRUE(lookup().isEmpty());
    writeFile(path, "[S]\n1=alt\n");
    EXPECT_TRUE(lookup().isEmpty()) << "within one action the file is looked at once";
    hvx::NoteUserAction();
    EXPECT_EQ(lookup(), QStringLiteral("alt"));
    writeFile(path, "[S]\n1=neu\n"); // same size, within the same moment
    EXPECT_EQ(lookup(), QStringLiteral("alt"));
    hvx::NoteUserAction();
    EXPECT_EQ(lookup(), QStringLiteral("neu"));
    QFile::remove(path);
    EXPECT_EQ(lookup(), QStringLiteral("neu"));
    hvx::NoteUserAction();
    EXPECT_TRUE(lookup().isEmpty());
}

TEST(Language, NumberedTextsFallBackToTheBuiltInGermanTable)
{
    hvx::test::TestApp none(hvx::test::TestApp::Language::None);
    EXPECT_TRUE(none.app().m_strStringsLan.isEmpty());
    EXPECT_EQ(GetStringsText(367), QStringLiteral("Anwendung gestartet"));
    EXPECT_EQ(none.app().m_strDateFormat, QStringLiteral("dd.MM.yyyy"));
    EXPECT_TRUE(GetStringsText(999999).isEmpty());
}

TEST(Language, SelectedLanguageWinsAndMissingKeysFallBack)
{
    hvx::test::TestApp t(hvx::test::TestApp::Language::English);
    EXPECT_EQ(GetStringsText(367), QStringLiteral("Application started"));
    // A language folder of the user that lacks a text still shows the German one.
    const QString folder = t.filePath(QStringLiteral("09-Leer"));
    QDir().mkpath(folder);
    writeFile(folder + QStringLiteral("/Strings.lan"), "[Strings]\n368=Closed\n");
    t.app().m_strProgDir = t.dir();
    t.app().SetLanguage(QStringLiteral("09-Leer"));
    EXPECT_EQ(GetStringsText(368), QStringLiteral("Closed"));
    EXPECT_EQ(GetStringsText(367), QStringLiteral("Anwendung gestartet"));
}

TEST(Language, BuiltInTableEqualsTheGermanLanguageFile)
{
    hvx::test::TestApp t(hvx::test::TestApp::Language::German);
    QFile file(t.app().m_strStringsLan);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto content = ProfileContent::parse(file.readAll());
    for (const int number : {366, 367, 368, 427, 428, 433}) {
        EXPECT_EQ(BuiltinGermanText(number), UnescapeLanText(content.value(QStringLiteral("Strings"), QString::number(number))))
            << number;
    }
}

TEST(ProfileReader, ByteOrderMarksOfUtf8AndUtf16AreRecognised)
{
    const QString text = QStringLiteral("[Strings]\r\n289=Konnte Verbindung nicht aufbauen \u00fc\u20ac!\r\n");
    const QString expected = QStringLiteral("Konnte Verbindung nicht aufbauen \u00fc\u20ac!");
    QByteArray le("\xFF\xFE", 2);
    QByteArray be("\xFE\xFF", 2);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        le.append(char(u & 0xFF)).append(char(u >> 8));
        be.append(char(u >> 8)).append(char(u & 0xFF));
    }
    const QByteArray utf8 = QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    for (const QByteArray& bytes : {le, be, utf8})
        EXPECT_EQ(ProfileContent::parse(bytes).value(QStringLiteral("Strings"), QStringLiteral("289")), expected);
    // An odd byte at the end of a UTF-16 file does not lose the lines before it.
    EXPECT_EQ(ProfileContent::parse(le + QByteArray("\x41", 1)).value(QStringLiteral("Strings"), QStringLiteral("289")), expected);
}

// The kept texts answer as a fresh reading of the file would: a seeded random walk over two files,
// three sections and keys by name and by number, with the files rewritten between user actions.
TEST(ProfileReader, KeptTextsAlwaysEqualAFreshReadingOfTheFile)
{
    hvx::test::TestApp t;
    const std::array<QString, 2> paths{t.filePath(QStringLiteral("A.lan")), t.filePath(QStringLiteral("B.lan"))};
    const std::array<QString, 3> sections{QStringLiteral("Strings"), QStringLiteral("IDD_EINS"), QStringLiteral("idd_zwei")};
    std::array<QByteArray, 2> shown; // each file as of the last user action
    std::mt19937 random(29);
    const auto rewrite = [&](std::size_t file) {
        QByteArray text;
        for (const QString& section : sections) {
            text += '[' + section.toUpper().toLatin1() + "]\n";
            for (int key = 1; key <= 6; ++key)
                if (random() % 4 != 0)
                    text += QByteArray::number(key) + "=" + paths[file].right(5).toLatin1() + section.toLatin1()
                            + QByteArray::number(random() % 1000) + (random() % 3 == 0 ? "\\n" : "") + "\n";
        }
        writeFile(paths[file], text);
    };
    for (std::size_t file = 0; file < paths.size(); ++file)
        rewrite(file);
    for (int action = 0; action < 60; ++action) {
        if (action % 3 == 0)
            rewrite(random() % paths.size());
        hvx::NoteUserAction();
        for (std::size_t file = 0; file < paths.size(); ++file) {
            QFile current(paths[file]);
            ASSERT_TRUE(current.open(QIODevice::ReadOnly));
            shown[file] = current.readAll();
        }
        for (int lookup = 0; lookup < 40; ++lookup) {
            const std::size_t file = random() % paths.size();
            const QString& section = sections[random() % sections.size()];
            const int key = int(random() % 7) + 1; // 7 is never written
            const QString expected = UnescapeLanText(ProfileContent::parse(shown[file]).value(section, QString::number(key)));
            const QString got = random() % 2 ? hvx::ReadLanText(paths[file], section, key)
                                             : hvx::ReadLanText(paths[file], section, QString::number(key));
            ASSERT_EQ(got, expected) << "action " << action << ", " << paths[file].toStdString() << " ["
                                     << section.toStdString() << "] " << key;
        }
    }
}
