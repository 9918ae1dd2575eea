// The instrument's times are wall-clock times without a time zone: alarm stamps, measured-data
// stamps and the clock read the same under every TZ, also in the hour a spring-forward skips.
#include "devicedata/AlarmFile.h"
#include "devicedata/AlarmTexts.h"
#include "devicedata/ClockText.h"
#include "devicedata/Messdaten.h"
#include "link/BcdDateTime.h"
#include "support/TestApp.h"

#include <QLocale>
#include <ctime>
#include <gtest/gtest.h>

using namespace hvx;

namespace {

// The process's time zone for the life of the object.
class TimeZone {
public:
    explicit TimeZone(const char* zone)
        : m_had(qEnvironmentVariableIsSet("TZ")), m_previous(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~TimeZone()
    {
        if (m_had)
            qputenv("TZ", m_previous);
        else
            qunsetenv("TZ");
        tzset();
    }
    TimeZone(const TimeZone&) = delete;
    TimeZone& operator=(const TimeZone&) = delete;

private:
    bool m_had;
    QByteArray m_previous;
};

// The zones and the day on which each skips an hour (or half an hour) of its wall clock.
struct ZoneDay {
    const char* zone;
    QDate day;
};
constexpr int kMinutesAround = 90; // either side of 02:00
const ZoneDay kZones[] = {
    {"Europe/Berlin", QDate(2023, 3, 26)},
    {"America/New_York", QDate(2023, 3, 12)},
    {"Australia/Lord_Howe", QDate(2023, 10, 1)},
    {"UTC", QDate(2023, 3, 26)},
};

QByteArray MessLine(const QDateTime& t)
{
    return t.toString(QStringLiteral("dd.MM.yy HH:mm:ss")).toLatin1() + "\t7.20\t24.5\t1\t\t\t\t\t\t\t6\t3\r\n";
}

} // namespace

TEST(WallClock, StampsAroundASkippedHourKeepTheirDateAndTimeUnderEveryZone)
{
    test::TestApp testApp;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    for (const ZoneDay& zone : kZones) {
        const TimeZone tz(zone.zone);
        for (int minutes = -kMinutesAround; minutes <= kMinutesAround; minutes += 7) {
            const QDateTime t = QDateTime(zone.day, QTime(2, 0), Qt::UTC).addSecs(minutes * 60 + 13);
            SCOPED_TRACE(std::string(zone.zone) + " " + t.toString(Qt::ISODate).toStdString());

            // A garbled stamp between two good ones, and a garbled first one: repaired from
            // its neighbours by whole intervals.
            const QByteArray garbled = "2#.0?.23 0x:00:00\t7.20\t24.5\t1\t\t\t\t\t\t\t6\t3\r\n";
            EXPECT_EQ(ConvertMessdaten(MessLine(t.addSecs(-10)) + garbled + MessLine(t.addSecs(10)), 10).dat,
                      MessLine(t.addSecs(-10)) + MessLine(t) + MessLine(t.addSecs(10)));
            EXPECT_EQ(ConvertMessdaten(garbled + MessLine(t.addSecs(10)), 10).dat, MessLine(t) + MessLine(t.addSecs(10)));

            // An alarm stamp: shown as it is and read back to the same time for sorting.
            const quint8 record[] = {quint8(t.date().year() - 2000), EncodeBcd(t.date().month()), EncodeBcd(t.date().day()),
                                     EncodeBcd(t.time().hour()),     EncodeBcd(t.time().minute()), EncodeBcd(t.time().second())};
            const QString text = AlarmStampText(record);
            EXPECT_EQ(text, t.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")));
            EXPECT_EQ(ParseAlarmStampText(text), t);

            // The instrument's clock in the question.
            const DeviceDateTime clock{t.time().second(), t.time().minute(), t.time().hour(), 0,
                                       t.date().day(),    t.date().month(),  t.date().year()};
            const QString shown = QLocale().toString(t.date(), QStringLiteral("dddd dd.MM.yyyy")) + u' '
                                  + t.toString(QStringLiteral("HH:mm"));
            EXPECT_EQ(ClockText(clock), shown);
        }
    }
    QLocale::setDefault(QLocale::system());
}

TEST(WallClock, AlarmFilesOfEitherLanguageSortByTheirStartTimes)
{
    test::TestApp testApp; // German: "dd.MM.yyyy"; the English folder writes "dd/MM/yyyy"
    const AlarmFileContent content = ParseAlarmFile("Alarms occurred\t3\r\nAlarms stored\t3\r\n"
                                                    "02/01/2020 10:00:00\tb\tA\r\n"
                                                    "01/01/2020 10:00:00\tb\tB\r\n"
                                                    "cannot be shown\tb\tC\r\n");
    std::vector<CAlarmListData> rows = content.rows;
    SortAlarmRows(rows, AlarmColumn::Start, true);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].m_strText, QStringLiteral("B"));
    EXPECT_EQ(rows[1].m_strText, QStringLiteral("A"));
    EXPECT_EQ(rows[0].m_timeStart, QDateTime(QDate(2020, 1, 1), QTime(10, 0), Qt::UTC));
    EXPECT_EQ(rows[2].m_strText, QStringLiteral("C")) << "what cannot be read sorts last";
}
