// The ticks of the chart's axes: labels that never repeat, as many as the room holds, the date
// once the span crosses midnight.
#include "devicedata/AxisTicks.h"

#include <QDateTime>
#include <QSet>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

using namespace hvx;

namespace {

const TimePictures kPictures{QStringLiteral("dd.MM.yyyy"), QStringLiteral("HH:mm:ss"), QStringLiteral("HH:mm")};

qint64 Seconds(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC).toSecsSinceEpoch();
}

QStringList ValueLabels(const ValueTicks& ticks)
{
    QStringList labels;
    for (int i = 0; i < ticks.count; ++i)
        labels << ticks.label(i);
    return labels;
}

QStringList TimeLabels(const std::vector<TimeTick>& ticks)
{
    QStringList labels;
    for (const TimeTick& tick : ticks)
        labels << tick.label;
    return labels;
}

} // namespace

TEST(AxisTicks, ValueLabelsNeverRepeatAndFitTheRoomAtEveryScale)
{
    struct Case {
        double low, high;
        int room;
        QStringList labels;
    };
    const Case cases[] = {
        {0.4845, 0.4955, 5, {"0.486", "0.488", "0.490", "0.492", "0.494"}},
        {0.0, 14.0, 8, {"0", "2", "4", "6", "8", "10", "12", "14"}},
        {-0.25, 0.25, 5, {"-0.2", "-0.1", "0.0", "0.1", "0.2"}},
        {612, 688, 4, {"620", "640", "660", "680"}},
        {7.2, 7.2, 5, {"7.20"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValueLabels(NiceValueTicks(c.low, c.high, c.room)), c.labels) << c.low << ".." << c.high;

    std::mt19937 random(29);
    for (int round = 0; round < 20000; ++round) {
        const double scale = std::pow(10.0, std::uniform_int_distribution<int>(-6, 6)(random));
        const double low = std::uniform_real_distribution<double>(-100, 100)(random) * scale;
        const double high = low + std::uniform_real_distribution<double>(1e-3, 50)(random) * scale;
        const int room = std::uniform_int_distribution<int>(2, 25)(random);
        const ValueTicks ticks = NiceValueTicks(low, high, room);
        const QStringList labels = ValueLabels(ticks);
        ASSERT_LE(ticks.count, room) << low << ".." << high;
        ASSERT_GE(ticks.count, room >= 5 ? 2 : 1) << low << ".." << high << " room " << room;
        EXPECT_EQ(QSet<QString>(labels.begin(), labels.end()).size(), labels.size()) << labels.join(u' ').toStdString();
        EXPECT_GE(ticks.at(0), low - ticks.step * 1e-6);
        EXPECT_LE(ticks.at(ticks.count - 1), high + ticks.step * 1e-6);
    }
}

TEST(AxisTicks, TimeLabelsNeverRepeatAndShowTheDateOnceTheSpanCrossesMidnight)
{
    struct Case {
        const char* what;
        qint64 from, to;
        int room;
        QStringList labels;
    };
    const qint64 day = Seconds(2012, 12, 7, 0, 0, 0);
    const Case cases[] = {
        {"one hour", day + 10 * 3600, day + 11 * 3600, 7, {"10:00", "10:10", "10:20", "10:30", "10:40", "10:50", "11:00"}},
        {"a minute", day + 36000, day + 36060, 4, {"10:00:00", "10:00:30", "10:01:00"}},
        {"27 hours from 22:00", day + 22 * 3600, day + 49 * 3600 + 46 * 60, 5,
         {"08.12.2012\n00:00", "08.12.2012\n06:00", "08.12.2012\n12:00", "08.12.2012\n18:00", "09.12.2012\n00:00"}},
        {"a month", day, day + 31 * 86400, 6, {"13.12.2012", "20.12.2012", "27.12.2012", "03.01.2013"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TimeLabels(NiceTimeTicks(double(c.from), double(c.to), c.room, kPictures)), c.labels) << c.what;

    std::mt19937 random(2929);
    for (int round = 0; round < 5000; ++round) {
        const double from = double(day) + std::uniform_real_distribution<double>(0, 86400.0 * 400)(random);
        const double span = std::pow(10.0, std::uniform_real_distribution<double>(0, 7.5)(random));
        const int room = std::uniform_int_distribution<int>(2, 20)(random);
        const std::vector<TimeTick> ticks = NiceTimeTicks(from, from + span, room, kPictures);
        const QStringList labels = TimeLabels(ticks);
        ASSERT_LE(int(ticks.size()), room);
        ASSERT_GE(int(ticks.size()), room >= 3 ? 1 : 0) << "span " << span;
        EXPECT_EQ(QSet<QString>(labels.begin(), labels.end()).size(), labels.size()) << labels.join(u'|').toStdString();
        const bool crossesMidnight = std::floor(from / 86400) != std::floor((from + span) / 86400);
        for (const TimeTick& tick : ticks) {
            EXPECT_GE(double(tick.seconds), from);
            EXPECT_LE(double(tick.seconds), from + span);
            EXPECT_EQ(tick.label.contains(u'.'), crossesMidnight) << tick.label.toStdString() << " span " << span;
        }
    }
}
