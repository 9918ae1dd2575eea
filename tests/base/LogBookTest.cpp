// The log book: line format, continuation indentation, hex dumps, levels, failures and threads.
#include "base/HvxApp.h"
#include "base/Log.h"
#include "support/TestApp.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <thread>
#include <gtest/gtest.h>

using hvx::test::TestApp;

namespace {

const QDateTime kMoment(QDate(2012, 7, 5), QTime(14, 3, 11));

QString line(const QString& text, bool hasDetail, const QString& detail)
{
    return CHvxLogFile::FormatLine(kMoment, text, hasDetail, detail);
}

QByteArray bytesFrom(int first, int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(static_cast<char>(first + i));
    return bytes;
}

} // namespace

TEST(LogBook, LineFormatWithAndWithoutDetail)
{
    EXPECT_EQ(line(QStringLiteral("CHVXDoc::OnOpenDocument"), false, QString()),
              QStringLiteral("05.07.2012 14:03:11 CHVXDoc::OnOpenDocument\n"));
    EXPECT_EQ(line(QStringLiteral("X"), true, QString()), QStringLiteral("05.07.2012 14:03:11 X \n"));
    // Continuation lines start under the detail: 22 blanks after "05.07.2012 14:03:11 X ".
    EXPECT_EQ(line(QStringLiteral("X"), true, QStringLiteral("a\nb")),
              QStringLiteral("05.07.2012 14:03:11 X a\n") + QString(22, u' ') + QStringLiteral("b\n"));
    // A detail ending in line feeds (a serial write's count, a hex dump) ends the entry there:
    // no line of blanks follows it.
    EXPECT_EQ(line(QStringLiteral("X"), true, QStringLiteral("a\n")), QStringLiteral("05.07.2012 14:03:11 X a\n"));
    EXPECT_EQ(line(QStringLiteral("X"), true, QStringLiteral("a\nb\n\n")),
              QStringLiteral("05.07.2012 14:03:11 X a\n") + QString(22, u' ') + QStringLiteral("b\n"));
    // Without a detail, line feeds in the text get no blanks.
    EXPECT_EQ(line(QStringLiteral("a\nb"), false, QString()), QStringLiteral("05.07.2012 14:03:11 a\nb\n"));
}

// Log books are compared and searched across days and sites: every line carries its date and time
// in one form, whatever language the program speaks, before one is chosen and after a switch.
TEST(LogBook, DatesKeepOneFormatWhateverTheLanguage)
{
    const QRegularExpression festeForm(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d "));
    for (const TestApp::Language sprache : {TestApp::Language::German, TestApp::Language::English, TestApp::Language::None}) {
        TestApp t(sprache);
        LogEntry(0, QStringLiteral("vorher"));
        t.app().SetLanguage(sprache == TestApp::Language::English ? QStringLiteral("01-Deutsch") : QStringLiteral("02-English"));
        t.app().LoadDateTimePictures();
        LogEntry(0, QStringLiteral("nachher"));
        const QStringList zeilen = t.logLines();
        ASSERT_EQ(zeilen.size(), 2) << int(sprache);
        for (const QString& zeile : zeilen)
            EXPECT_TRUE(festeForm.match(zeile).hasMatch()) << int(sprache) << ": " << zeile.toStdString();
        EXPECT_EQ(t.logEntries(), (QStringList{QStringLiteral("vorher"), QStringLiteral("nachher")}));
    }
}

TEST(LogBook, HexDumpOfSixteenAndTwentyBytes)
{
    const QByteArray sixteen = bytesFrom(0x41, 16);
    EXPECT_EQ(HexDumpText(reinterpret_cast<const quint8*>(sixteen.constData()), 16),
              QStringLiteral("41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 ABCDEFGHIJKLMNOP\n"));

    const QByteArray twenty = bytesFrom(0x1E, 20);
    const QString dump = HexDumpText(reinterpret_cast<const quint8*>(twenty.constData()), 20);
    const QStringList lines = dump.split(u'\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("1E 1F 20 21 22 23 24 25 26 27 28 29 2A 2B 2C 2D .. !\"#$%&'()*+,-"));
    EXPECT_EQ(lines[1], QStringLiteral("2E 2F 30 31 ") + QString(36, u' ') + QStringLiteral("./01"));
    EXPECT_TRUE(lines[2].isEmpty());

    const quint8 high[] = {0x7E, 0x7F, 0x80, 0xFF};
    EXPECT_EQ(HexDumpText(high, 4), QStringLiteral("7E 7F 80 FF ") + QString(36, u' ') + QStringLiteral("~...\n"));
    EXPECT_TRUE(HexDumpText(high, 0).isEmpty());
}

TEST(LogBook, EntryFunctionsWriteTextAndDetail)
{
    TestApp t;
    LogEntry(1, QStringLiteral("CHVXDoc::OnFileSave"));
    LogEntry(0, QStringLiteral("CAboutDlg::OnAboutIcon GetTempPath"), QStringLiteral("fails"));
    LogEntryId(0, 367);
    LogNumber(2, QStringLiteral("Wert"), 3.14159, 2);
    LogInt(2, QStringLiteral("Zahl"), -42);
    LogIdNumber(2, 368, 2.75, 0);
    LogIdInt(2, 367, 7);
    EXPECT_EQ(t.logEntries(), (QStringList{QStringLiteral("CHVXDoc::OnFileSave"),
                                           QStringLiteral("CAboutDlg::OnAboutIcon GetTempPath fails"),
                                           QStringLiteral("Anwendung gestartet"), QStringLiteral("Wert 3.14"),
                                           QStringLiteral("Zahl -42"), QStringLiteral("Anwendung geschlossen 3"),
                                           QStringLiteral("Anwendung gestartet 7")}));
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".log");
    EXPECT_TRUE(t.app().m_logFile.Path().endsWith(u'/' + today));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d CHVXDoc"))
                    .match(t.logLines().front())
                    .hasMatch());
}

TEST(LogBook, HexDumpEntryIsIndentedUnderTheDetail)
{
    TestApp t;
    const QByteArray bytes = bytesFrom(0x30, 20);
    LogHexDump(2, QStringLiteral("Rx"), reinterpret_cast<const quint8*>(bytes.constData()), 20);
    const QStringList lines = t.logLines();
    ASSERT_EQ(lines.size(), 2) << "no line of blanks after the dump";
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("Rx 30 31 32 33 34 35 36 37 38 39 3A 3B 3C 3D 3E 3F 0123456789:;<=>?")));
    const QString indentation(QStringLiteral("05.07.2012 14:03:11 Rx ").size(), u' ');
    EXPECT_EQ(lines[1], indentation + QStringLiteral("40 41 42 43 ") + QString(36, u' ') + QStringLiteral("@ABC"));
}

TEST(LogBook, OneFilePerDayNamedByTheDateOfSetLogDir)
{
    EXPECT_EQ(CHvxLogFile::FileNameFor(kMoment), QStringLiteral("20120705.log"));
    TestApp t;
    CHvxLogFile& log = t.app().m_logFile;
    const QString name = CHvxLogFile::FileNameFor(QDateTime::currentDateTime());
    log.SetLogDir(t.dir() + u'/');
    EXPECT_EQ(log.Path(), t.dir() + u'/' + name);
    LogEntry(0, QStringLiteral("eins"));
    LogEntry(0, QStringLiteral("zwei"));
    EXPECT_EQ(t.logEntries(), (QStringList{QStringLiteral("eins"), QStringLiteral("zwei")}));
}

TEST(LogBook, LevelFiltering)
{
    TestApp t;
    t.app().m_logFile.SetLevel(1);
    LogEntry(2, QStringLiteral("zwei"));
    LogHexDumpId(2, 367, reinterpret_cast<const quint8*>("x"), 1);
    EXPECT_FALSE(QFile::exists(t.app().m_logFile.Path()));
    LogEntry(0, QStringLiteral("null"));
    LogEntry(1, QStringLiteral("eins"));
    EXPECT_EQ(t.logEntries(), (QStringList{QStringLiteral("null"), QStringLiteral("eins")}));
    t.app().m_logFile.SetLevel(-1);
    LogEntry(0, QStringLiteral("nicht mehr"));
    EXPECT_EQ(t.logLines().size(), 2);
}

TEST(LogBook, MissingDirectoryDropsEntriesSilently)
{
    TestApp t;
    t.app().m_logFile.SetLogDir(t.filePath(QStringLiteral("fehlt/nicht/da")));
    LogEntry(0, QStringLiteral("verloren"));
    EXPECT_TRUE(t.ui().questions().isEmpty());
    EXPECT_FALSE(QFile::exists(t.app().m_logFile.Path()));
}

TEST(LogBook, FailedWriteShowsMessageOrGoesToStandardErrorInBatch)
{
    if (!QFile::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full";
    TestApp t;
    t.app().m_logFile.m_strPath = QStringLiteral("/dev/full");
    t.ui().answerMessageBox(hvx::IDOK, QStringLiteral("Logbuch nicht zu schreiben ("));
    LogEntry(0, QStringLiteral("voll"));
    ASSERT_EQ(t.ui().messageTexts().size(), 1);
    EXPECT_FALSE(t.ui().messageTexts().front().contains(QStringLiteral("%d")));

    t.ui().setBatch(true);
    testing::internal::CaptureStderr();
    LogEntry(0, QStringLiteral("voll"));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Logbuch nicht zu schreiben ("), std::string::npos);
    EXPECT_EQ(t.ui().messageTexts().size(), 1);
}

TEST(LogBook, LinesFromTwoThreadsNeverInterleave)
{
    TestApp t;
    constexpr int kEntries = 400;
    const QString detailA = QStringLiteral("A\nA\nA");
    const QString detailB = QStringLiteral("B\nB\nB");
    auto writer = [](const QString& text, const QString& detail) {
        for (int i = 0; i < kEntries; ++i)
            LogEntry(1, text, detail);
    };
    std::thread other(writer, QStringLiteral("thread-b"), detailB);
    writer(QStringLiteral("thread-a"), detailA);
    other.join();

    const QStringList lines = t.logLines();
    ASSERT_EQ(lines.size(), 2 * kEntries * 3);
    for (int i = 0; i < lines.size(); i += 3) {
        const QChar mark = lines[i].back();
        ASSERT_TRUE(mark == u'A' || mark == u'B') << lines[i].toStdString();
        EXPECT_TRUE(lines[i].endsWith(QStringLiteral("thread-%1 %2").arg(mark.toLower()).arg(mark)));
        EXPECT_EQ(lines[i + 1].trimmed(), QString(mark));
        EXPECT_EQ(lines[i + 2].trimmed(), QString(mark));
    }
}

TEST(LogBook, LanguageVersionMismatchIsLoggedAtLevelZero)
{
    TestApp t;
    t.app().m_logFile.SetLevel(0);
    t.app().CheckLanguageFileVersion(t.app().m_strStringsLan);
    EXPECT_TRUE(t.logLines().isEmpty());
    t.app().m_strVersion = QStringLiteral("1.3.3.0");
    t.app().CheckLanguageFileVersion(t.app().m_strStringsLan);
    EXPECT_EQ(t.logEntries(), QStringList{QStringLiteral("LanguageFileVersion mismatch EXE:1.3.3.0, LangFile %1:1.4.0.0")
                                              .arg(t.app().m_strStringsLan)});
}
