// A measured-data file read in columns: the stamps as wall-clock seconds, the lines kept and
// dropped, the values with their units, and reading in blocks, on a thread, with Cancel.
#include "devicedata/MessStempel.h"
#include "devicedata/Messdaten.h"
#include "devicedata/MessdatenLader.h"
#include "devicedata/MessdatenSpalten.h"
#include "support/EventLoop.h"
#include "support/TestApp.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <QTimeZone>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

using namespace hvx;

namespace {

QByteArray Line(const QByteArray& stamp, const QByteArray& first = "7.20", const QByteArray& second = "24.5",
                const QByteArray& chlorine = "0.45")
{
    return stamp + "\t" + first + "\t" + second + "\t1\t" + chlorine + "\t24.6\t1\t\t\t\t6\t0\r\n";
}

qint64 Seconds(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC).toSecsSinceEpoch();
}

// The reference: the stamp's numbers read as a date and a time object would read them.
bool DatumsobjektGueltig(const QByteArray& text)
{
    if (text.size() != 17 || text[8] != ' ')
        return false;
    int n[6];
    for (int i = 0; i < 6; ++i) {
        const char a = text[i * 3];
        const char b = text[i * 3 + 1];
        if (a < '0' || a > '9' || b < '0' || b > '9')
            return false;
        n[i] = (a - '0') * 10 + (b - '0');
    }
    const bool slash = text.contains('/');
    return QDate(2000 + n[2], slash ? n[0] : n[1], slash ? n[1] : n[0]).isValid() && QTime(n[3], n[4], n[5]).isValid();
}

std::optional<qint64> SecondsOf(const QByteArray& stamp)
{
    const std::optional<StempelSekunden> parsed = ParseStempelSekunden(std::string_view(stamp.constData(), std::size_t(stamp.size())));
    return parsed ? std::optional(parsed->sekunden) : std::nullopt;
}

// The columns as plain values, for comparing two readings.
struct Flat {
    std::vector<qint64> time;
    std::vector<std::tuple<int, bool, QString, std::vector<float>>> columns;
    qint64 dropped;
    bool operator==(const Flat& other) const
    {
        if (time != other.time || dropped != other.dropped || columns.size() != other.columns.size())
            return false;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const auto& [m1, s1, u1, v1] = columns[c];
            const auto& [m2, s2, u2, v2] = other.columns[c];
            if (m1 != m2 || s1 != s2 || u1 != u2 || v1.size() != v2.size())
                return false;
            for (std::size_t i = 0; i < v1.size(); ++i) {
                if (!(v1[i] == v2[i] || (std::isnan(v1[i]) && std::isnan(v2[i]))))
                    return false;
            }
        }
        return true;
    }
};

Flat Flatten(const MessdatenSpalten& data)
{
    Flat flat{data.zeit, {}, data.verworfen};
    for (const Messwertspalte& c : data.spalten)
        flat.columns.emplace_back(c.modul, c.zweiterWert, c.einheit, c.werte);
    return flat;
}

class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone) : m_had(qEnvironmentVariableIsSet("TZ")), m_old(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~ScopedTimeZone()
    {
        if (m_had)
            qputenv("TZ", m_old);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    bool m_had;
    QByteArray m_old;
};

} // namespace

TEST(MessStempel, SecondsAndTextAgreeWithTheCalendarInBothLayouts)
{
    std::mt19937 random(20241208);
    for (int round = 0; round < 20000; ++round) {
        const QDate date = QDate(2000, 1, 1).addDays(std::uniform_int_distribution<int>(0, 36524)(random));
        const QTime time = QTime::fromMSecsSinceStartOfDay(std::uniform_int_distribution<int>(0, 86399)(random) * 1000);
        const bool slash = round % 2 == 1;
        const QByteArray text =
            QDateTime(date, time, Qt::UTC).toString(slash ? QStringLiteral("MM/dd/yy HH:mm:ss") : QStringLiteral("dd.MM.yy HH:mm:ss")).toLatin1();
        const std::optional<StempelSekunden> stamp = ParseStempelSekunden(std::string_view(text.constData(), 17));
        ASSERT_TRUE(stamp) << text.constData();
        EXPECT_EQ(stamp->sekunden, QDateTime(date, time, Qt::UTC).toSecsSinceEpoch()) << text.constData();
        EXPECT_EQ(stamp->slashLayout, slash);
        EXPECT_EQ(FormatStempelSekunden(*stamp), text);
    }
}

TEST(MessStempel, ValidExactlyWhereTheDateObjectReaderFindsARealDateAndTime)
{
    // Texts near valid ones: digits, separators and blanks at random places.
    std::mt19937 random(8122024);
    const QByteArray alphabet = "0123456789012345678901234567890123456789./: x";
    for (int round = 0; round < 50000; ++round) {
        QByteArray text = round % 2 ? "29.02.24 23:59:59" : "12/31/99 00:00:00";
        for (int changes = std::uniform_int_distribution<int>(1, 3)(random); changes > 0; --changes)
            text[std::uniform_int_distribution<int>(0, 16)(random)] = alphabet[std::uniform_int_distribution<int>(0, int(alphabet.size()) - 1)(random)];
        if (round % 97 == 0)
            text.chop(1);
        EXPECT_EQ(SecondsOf(text).has_value(), DatumsobjektGueltig(text)) << text.constData();
    }
    for (const QByteArray& bad : {QByteArray("31.02.12 10:00:00"), QByteArray("29.02.23 10:00:00"), QByteArray("07.13.12 10:00:00"),
                                  QByteArray("07.12.12 24:00:00"), QByteArray("00.12.12 10:00:00"), QByteArray("07.12.12_10:00:00")})
        EXPECT_FALSE(SecondsOf(bad)) << bad.constData();
}

TEST(MessStempel, TheHoursALocalZoneSkipsOrRepeatsAreOrdinaryHours)
{
    for (const char* zone : {"Europe/Berlin", "America/New_York", "UTC"}) {
        const ScopedTimeZone tz(zone);
        EXPECT_EQ(*SecondsOf("31.03.24 02:30:00") - *SecondsOf("31.03.24 01:30:00"), 3600) << zone;
        EXPECT_EQ(*SecondsOf("03/10/24 02:30:00") - *SecondsOf("03/10/24 01:59:59"), 1801) << zone;
        EXPECT_EQ(*SecondsOf("27.10.24 03:00:00") - *SecondsOf("27.10.24 02:00:00"), 3600) << zone;
        EXPECT_EQ(FormatStempelSekunden({*SecondsOf("31.03.24 02:30:00"), false}), QByteArray("31.03.24 02:30:00")) << zone;
        EXPECT_EQ(*SecondsOf("01.01.00 00:00:00"), Seconds(2000, 1, 1, 0, 0, 0)) << zone;
    }
}

TEST(MessdatenSpalten, LinesAreKeptOrDroppedAndTheirValuesReadAsTheFileSays)
{
    struct Case {
        const char* what;
        QByteArray text;
        qint64 kept;
        qint64 dropped;
        float firstValue; // module 1's first value of the first kept line; NaN for none
    };
    QByteArray tenTabs = Line("07.12.12 10:00:00");
    tenTabs.remove(tenTabs.indexOf('\t'), 1);
    QByteArray twelveTabs = Line("07.12.12 10:00:00");
    twelveTabs.insert(20, '\t');
    const float none = std::nanf("");
    const Case cases[] = {
        {"a well-formed line", Line("07.12.12 10:00:00"), 1, 0, 7.20f},
        {"line feed only", Line("07.12.12 10:00:00").replace("\r\n", "\n"), 1, 0, 7.20f},
        {"no line end at the end", Line("07.12.12 10:00:00").chopped(2), 1, 0, 7.20f},
        {"two carriage returns", Line("07.12.12 10:00:00").replace("\r\n", "\r\r\n"), 1, 0, 7.20f},
        {"decimal comma", Line("07.12.12 10:00:00", "7,31"), 1, 0, 7.31f},
        {"blanks around", Line("07.12.12 10:00:00", " -12.5 "), 1, 0, -12.5f},
        {"a unit after the number", Line("07.12.12 10:00:00", "7.21 pH"), 1, 0, 7.21f},
        {"an exponent", Line("07.12.12 10:00:00", "1.5e2"), 1, 0, 150.f},
        {"no number", Line("07.12.12 10:00:00", "---", "x", "y"), 1, 0, none},
        {"two numbers", Line("07.12.12 10:00:00", "7.2 7.3"), 1, 0, none},
        {"not a number", Line("07.12.12 10:00:00", "nan"), 1, 0, none},
        {"ten TABs", tenTabs, 0, 1, none},
        {"twelve TABs", twelveTabs, 0, 1, none},
        {"a garbled stamp", Line("0#.1?.12 1x:00:00"), 0, 1, none},
        {"an impossible date", Line("31.02.12 10:00:00"), 0, 1, none},
        {"empty lines between", "\r\n\n" + Line("07.12.12 10:00:00") + "\r\n", 1, 0, 7.20f},
        {"nothing", QByteArray(), 0, 0, none},
    };
    for (const Case& c : cases) {
        const MessdatenSpalten data = LeseMessdaten(c.text);
        EXPECT_EQ(data.size(), c.kept) << c.what;
        EXPECT_EQ(data.verworfen, c.dropped) << c.what;
        const Messwertspalte* first = data.spalte(0);
        if (std::isnan(c.firstValue))
            EXPECT_TRUE(!first || std::isnan(first->werte.at(0))) << c.what;
        else
            EXPECT_TRUE(first && first->werte.at(0) == c.firstValue) << c.what;
    }
}

TEST(MessdatenSpalten, ColumnsCarryTheirModuleAndUnitAndColumnsWithoutNumbersAreLeftOut)
{
    const MessdatenSpalten data = LeseMessdaten(Line("07.12.12 10:00:00", "", "", "0,45 mg/l") + Line("07.12.12 10:00:01", "7.20 pH", "24.5 °C", "0,46 mg/l")
                                                + Line("07.12.12 10:00:02", "7.22", "", "0.47"));
    ASSERT_EQ(data.size(), 3);
    EXPECT_EQ(data.zeit.at(2) - data.zeit.at(0), 2);
    EXPECT_EQ(data.zeit.at(0), Seconds(2012, 12, 7, 10, 0, 0));
    ASSERT_TRUE(data.spalte(0));
    EXPECT_EQ(data.spalte(0)->einheit, QStringLiteral("pH"));
    EXPECT_TRUE(std::isnan(data.spalte(0)->werte[0]));
    EXPECT_FLOAT_EQ(data.spalte(0)->werte[2], 7.22f);
    EXPECT_EQ(data.spalte(0, true)->einheit, QStringLiteral("°C"));
    EXPECT_EQ(data.spalte(1)->einheit, QStringLiteral("mg/l"));
    EXPECT_FLOAT_EQ(data.spalte(1)->werte[0], 0.45f);
    EXPECT_TRUE(data.spalte(1, true)) << "24.6 in every line";
    EXPECT_FALSE(data.spalte(2)) << "module 3 has no numbers";
    EXPECT_FALSE(data.spalte(2, true));
    EXPECT_EQ(data.spalten.size(), 4u);
}

TEST(MessdatenSpalten, BlocksOfAnySizeGiveTheSameColumnsInTimeOrder)
{
    std::mt19937 random(1208);
    for (int round = 0; round < 300; ++round) {
        // Lines in order with a few steps back (a clock set back), bad lines and odd values between.
        QByteArray text;
        qint64 t = Seconds(2024, 3, 30, 23, 0, 0);
        const int lines = std::uniform_int_distribution<int>(0, 400)(random);
        for (int i = 0; i < lines; ++i) {
            t += std::uniform_int_distribution<int>(0, 9)(random) == 0 ? -std::uniform_int_distribution<int>(1, 120)(random) : 1;
            const QByteArray stamp = FormatStempelSekunden({t, round % 3 == 0});
            switch (std::uniform_int_distribution<int>(0, 9)(random)) {
            case 0: text += "garbage line\r\n"; break;
            case 1: text += Line("xx.12.12 10:00:00"); break;
            case 2: text += Line(stamp, "", QByteArray::number(i)); break;
            default: text += Line(stamp, QByteArray::number(i % 50 * 0.25), "24.5", i % 7 ? "0.4" : "0,4 mg/l"); break;
            }
        }
        const MessdatenSpalten whole = LeseMessdaten(text);
        EXPECT_TRUE(std::is_sorted(whole.zeit.begin(), whole.zeit.end()));
        for (const Messwertspalte& c : whole.spalten)
            EXPECT_EQ(c.werte.size(), whole.zeit.size());
        MessdatenLeser reader(std::uniform_int_distribution<int>(0, 1)(random) ? text.size() : 0);
        for (qsizetype at = 0; at < text.size();) {
            const qsizetype n = std::min<qsizetype>(text.size() - at, std::uniform_int_distribution<int>(1, 300)(random));
            reader.Lies(std::string_view(text.constData() + at, std::size_t(n)));
            at += n;
        }
        EXPECT_TRUE(Flatten(reader.Ende()) == Flatten(whole)) << "round " << round;
    }
}

TEST(MessdatenSpalten, TimeOrderIsRestoredStablyWithTheValuesOfEachLine)
{
    const MessdatenSpalten data = LeseMessdaten(Line("07.12.12 10:00:05", "5") + Line("07.12.12 10:00:01", "1")
                                                + Line("07.12.12 10:00:05", "6") + Line("07.12.12 10:00:03", "3"));
    ASSERT_EQ(data.size(), 4);
    EXPECT_EQ(data.spalte(0)->werte, (std::vector<float>{1, 3, 5, 6}));
}

TEST(MessdatenSpalten, AFileIsReadInBlocksWithProgressAndStopsWhenCancelled)
{
    test::TestApp t;
    const QString path = t.filePath(QStringLiteral("lang.dat"));
    QByteArray text;
    for (int i = 0; i < 200000; ++i)
        text += Line(FormatStempelSekunden({Seconds(2024, 3, 1, 0, 0, 0) + i, false}), QByteArray::number(i % 100));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();

    std::vector<std::pair<qint64, qint64>> reports;
    const std::optional<MessdatenSpalten> data = LeseMessdatenDatei(path, [&](qint64 done, qint64 total) {
        reports.emplace_back(done, total);
        return true;
    });
    ASSERT_TRUE(data);
    EXPECT_EQ(data->size(), 200000);
    ASSERT_GE(reports.size(), 2u) << "more than one block";
    EXPECT_EQ(reports.back(), std::pair(text.size(), text.size()));
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));

    int calls = 0;
    EXPECT_FALSE(LeseMessdatenDatei(path, [&](qint64, qint64) { return ++calls < 2; }));
    EXPECT_EQ(calls, 2) << "no block after the cancel";

    QString cause;
    EXPECT_FALSE(LeseMessdatenDatei(t.filePath(QStringLiteral("fehlt.dat")), {}, &cause));
    EXPECT_FALSE(cause.isEmpty());
}

TEST(MessdatenLader, ReadsOnAThreadOfItsOwnAndCanBeCancelled)
{
    test::TestApp t;
    test::EnsureEventLoop();
    const QString path = t.filePath(QStringLiteral("woche.dat"));
    QByteArray text;
    for (int i = 0; i < 50000; ++i)
        text += Line(FormatStempelSekunden({Seconds(2024, 3, 1, 0, 0, 0) + i, false}));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();

    for (const bool cancel : {false, true}) {
        CMessdatenLader loader(path);
        bool finished = false;
        QObject::connect(&loader, &CMessdatenLader::finished, [&] {
            finished = true;
            EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread()) << "announced on the starting thread";
        });
        if (cancel)
            loader.Cancel(); // before the first block is through
        loader.Start();
        ASSERT_TRUE(test::ProcessEventsUntil([&] { return finished; }, 20000));
        EXPECT_FALSE(loader.isRunning());
        EXPECT_EQ(loader.cancelled(), cancel);
        const std::optional<MessdatenSpalten> data = loader.takeResult();
        EXPECT_EQ(data.has_value(), !cancel);
        if (data) {
            EXPECT_EQ(data->size(), 50000);
            EXPECT_EQ(loader.permille(), 1000);
        }
    }
}
