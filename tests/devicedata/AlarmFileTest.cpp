// The alarm texts, the alarm file and the order of the alarm list.
#include "devicedata/AlarmFile.h"
#include "devicedata/AlarmTexts.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

using namespace hvx;

namespace {

AlarmRecordBytes Record(std::initializer_list<quint8> start, quint8 code, std::initializer_list<quint8> end)
{
    AlarmRecordBytes record{};
    std::copy(start.begin(), start.end(), record.begin());
    record[6] = code;
    std::copy(end.begin(), end.end(), record.begin() + 7);
    return record;
}

QStringList Texts(const std::vector<CAlarmListData>& rows)
{
    QStringList texts;
    for (const CAlarmListData& row : rows)
        texts << row.m_strStart;
    return texts;
}

} // namespace

TEST(AlarmTexts, EveryCodeGetsItsTextAndNumber)
{
    test::TestApp testApp;
    const std::pair<int, const char*> cases[] = {
        {0x1F, "Grenzwertüberschreitung (Modul 1)"}, {33, "Grenzwertüberschreitung (Modul 2)"},
        {35, "Grenzwertüberschreitung (Modul 3)"},   {30, "Grenzwertunterschreitung (Modul 1)"},
        {34, "Grenzwertunterschreitung (Modul 3)"},  {1, "Konfigurationsfehler (Modul 1)"},
        {3, "Konfigurationsfehler (Modul 3)"},       {6, "Durchflussfehler (Modul 1)"},
        {8, "Durchflussfehler (Modul 3)"},           {9, "Dosierzeitüberschreitung (Modul 1)"},
        {11, "Dosierzeitüberschreitung (Modul 3)"},  {5, "Kein Messmodul"},
        {24, "Kalibrierfehler"},                     {25, "Plausibilitätsfehler"},
        {36, "Abweichungsüberschreitung bei 2-fach pH-Messung"},
        {37, "Abweichungsüberschreitung bei 3-fach pH-Messung"},
        {40, "Anzahl Starts der Vorumwälzung überschritten"},
        {41, "Maximale Biozid-Unterbrechungszeit überschritten"},
    };
    for (const auto& [code, text] : cases)
        EXPECT_EQ(AlarmText(code), QString::fromUtf8(text)) << code;
    for (int unknown : {0, 4, 12, 23, 26, 29, 38, 39, 42, 255})
        EXPECT_EQ(AlarmText(unknown), QStringLiteral("Unbekannter Fehler %1").arg(unknown));
}

TEST(AlarmTexts, StampsInTheDefaultPicturesOrNotShowable)
{
    test::TestApp testApp;
    const quint8 stamp[] = {0x0C, 0x05, 0x31, 0x14, 0x30, 0x00};
    EXPECT_EQ(AlarmStampText(stamp), QStringLiteral("31.05.2012 14:30:00"));
    const quint8 noMonth[] = {0x0C, 0x00, 0x31, 0x14, 0x30, 0x00};
    EXPECT_EQ(AlarmStampText(noMonth), QStringLiteral("nicht darstellbar"));
    const quint8 badHour[] = {0x0C, 0x05, 0x31, 0x24, 0x30, 0x00};
    EXPECT_FALSE(AlarmStamp(badHour));
    const quint8 yearOutOfRange[] = {100, 0x05, 0x31, 0x14, 0x30, 0x00};
    EXPECT_FALSE(AlarmStamp(yearOutOfRange)) << "the year is plain binary 0..99";
    EXPECT_EQ(ParseAlarmStampText(QStringLiteral("31.05.2012 14:30:00")), QDateTime(QDate(2012, 5, 31), QTime(14, 30), Qt::UTC));
    EXPECT_FALSE(ParseAlarmStampText(QStringLiteral("nicht darstellbar")));
}

TEST(AlarmFile, WrittenInWindows1252WithCrLfAndReadBack)
{
    test::TestApp testApp;
    AlarmMemory memory;
    memory.occurred = 300;
    memory.stored = 2;
    memory.records = {Record({0x0C, 0x05, 0x31, 0x14, 0x30, 0x00}, 9, {0x0C, 0x05, 0x31, 0x15, 0x00, 0x00}),
                      Record({0x0C, 0x00, 0x01, 0x00, 0x00, 0x00}, 12, {0x0C, 0x06, 0x01, 0x00, 0x00, 0x00})};
    const QByteArray text = AlarmFileText(memory);
    EXPECT_EQ(text, QByteArray("Aufgetretene Alarme\t300\r\nGespeicherte Alarme\t2\r\n"
                               "31.05.2012 14:30:00\t31.05.2012 15:00:00\tDosierzeit\xFC" "berschreitung (Modul 1)\r\n"
                               "nicht darstellbar\t01.06.2012 00:00:00\tUnbekannter Fehler 12\r\n"));

    const AlarmFileContent content = ParseAlarmFile(text);
    EXPECT_EQ(content.occurred, 300);
    EXPECT_EQ(content.stored, 2);
    ASSERT_EQ(content.rows.size(), 2u);
    EXPECT_EQ(content.rows[0].m_strText, QStringLiteral("Dosierzeitüberschreitung (Modul 1)"));
    EXPECT_EQ(content.rows[0].m_timeStart, QDateTime(QDate(2012, 5, 31), QTime(14, 30), Qt::UTC));
    EXPECT_EQ(content.rows[1].m_nIndex, 1);
    EXPECT_EQ(content.rows[1].m_timeStart, QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59), Qt::UTC));
}

TEST(AlarmFile, NoRecordsGiveTwoLinesAndReadersIgnoreTheLabels)
{
    test::TestApp testApp;
    AlarmMemory memory;
    memory.occurred = 7;
    EXPECT_EQ(AlarmFileText(memory), QByteArray("Aufgetretene Alarme\t7\r\nGespeicherte Alarme\t0\r\n"));

    const AlarmFileContent english = ParseAlarmFile("Alarms occurred\t12\nAlarms stored\t1\na\tb\tc");
    EXPECT_EQ(english.occurred, 12);
    ASSERT_EQ(english.rows.size(), 1u);
    EXPECT_EQ(english.rows[0].m_strEnd, QStringLiteral("b"));
}

TEST(AlarmFile, DamagedFilesGiveWhatTheyHold)
{
    // Without an application object, with the picture given.
    const StampPicture picture[] = {{QStringLiteral("dd.MM.yyyy"), QStringLiteral("HH:mm:ss")}};
    const AlarmFileContent plain = ParseAlarmFile("x\t1\r\nx\t1\r\n31.05.2012 14:30:00\tb\tc\r\n", picture);
    ASSERT_EQ(plain.rows.size(), 1u);
    EXPECT_EQ(plain.rows[0].m_timeStart, QDateTime(QDate(2012, 5, 31), QTime(14, 30), Qt::UTC));
    test::TestApp testApp;
    // The stored count promises more lines than the file has.
    const AlarmFileContent shortFile = ParseAlarmFile("x\t1\r\nx\t5\r\na\tb\tc\r\nd\te\tf\r\n");
    EXPECT_EQ(shortFile.stored, 5);
    EXPECT_EQ(shortFile.rows.size(), 2u);
    // Lines beyond the stored count are not records.
    EXPECT_EQ(ParseAlarmFile("x\t1\r\nx\t1\r\na\tb\tc\r\nd\te\tf\r\n").rows.size(), 1u);
    for (const QByteArray& bytes : {QByteArray(), QByteArray("\t\t\t"), QByteArray("x\t-4\r\nx\tzwei\r\n"),
                                    QByteArray("x\n\n\n\n"), QByteArray(3, '\0')}) {
        const AlarmFileContent content = ParseAlarmFile(bytes);
        EXPECT_GE(content.occurred, 0);
        EXPECT_EQ(content.stored, 0);
        EXPECT_TRUE(content.rows.empty());
    }
    const AlarmFileContent fewFields = ParseAlarmFile("x\t1\r\nx\t1\r\nnur ein Feld\r\n");
    ASSERT_EQ(fewFields.rows.size(), 1u);
    EXPECT_TRUE(fewFields.rows[0].m_strText.isEmpty());
}

TEST(AlarmFile, ColumnClicksOrderTheList)
{
    test::TestApp testApp;
    const AlarmFileContent content = ParseAlarmFile("x\t4\r\nx\t4\r\n"
                                                    "02.01.2020 10:00:00\tb\tA\r\n"
                                                    "nicht darstellbar\tb\tB\r\n"
                                                    "01.01.2020 10:00:00\tb\tC\r\n"
                                                    "03.01.2020 10:00:00\tb\tD\r\n");
    std::vector<CAlarmListData> rows = content.rows;
    SortAlarmRows(rows, AlarmColumn::Start, true);
    EXPECT_EQ(Texts(rows), QStringList({"01.01.2020 10:00:00", "02.01.2020 10:00:00", "03.01.2020 10:00:00",
                                        "nicht darstellbar"}));
    SortAlarmRows(rows, AlarmColumn::Start, false);
    EXPECT_EQ(Texts(rows).first(), QStringLiteral("nicht darstellbar"));
    const QStringList before = Texts(rows);
    SortAlarmRows(rows, AlarmColumn::End, true);
    EXPECT_EQ(Texts(rows), before) << "the end column leaves the order";
    SortAlarmRows(rows, AlarmColumn::Text, false);
    QStringList texts;
    for (const CAlarmListData& row : rows)
        texts << row.m_strText;
    EXPECT_EQ(texts, QStringList({"A", "B", "C", "D"})) << "file order, ascending";
}
