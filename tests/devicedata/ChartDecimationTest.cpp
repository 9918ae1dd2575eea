// The points a chart line needs per pixel column: never more than four, the picture the same as
// with every point.
#include "devicedata/ChartDecimation.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <map>
#include <optional>
#include <set>

using namespace hvx;

namespace {

struct Series {
    std::vector<qint64> time;
    std::vector<float> values;
};

// Column of a time in [from, to] on `columns` pixel columns, as the plot divides its width.
qsizetype ColumnOf(double x, double from, double to, int columns)
{
    const double width = to > from ? (to - from) / columns : 1.0;
    return std::min<qsizetype>(columns - 1, qsizetype((x - from) / width));
}

} // namespace

TEST(ChartDecimation, AtMostFourPointsPerColumnTheExtremesOfEachColumnAndAllPointsWhereFew)
{
    std::mt19937 random(290029);
    for (int round = 0; round < 1000; ++round) {
        Series s;
        const int n = std::uniform_int_distribution<int>(0, round % 50 == 0 ? 20000 : 600)(random);
        qint64 t = 1000;
        for (int i = 0; i < n; ++i) {
            t += std::uniform_int_distribution<int>(0, 3)(random); // repeated stamps too
            s.time.push_back(t);
            const bool gap = std::uniform_int_distribution<int>(0, 19)(random) == 0;
            s.values.push_back(gap ? std::nanf("") : float(std::normal_distribution<double>(5, 2)(random)));
        }
        const double span = double(t - 1000) + 10;
        const double from = 1000 + std::uniform_real_distribution<double>(-5, span / 2)(random);
        const double to = from + std::uniform_real_distribution<double>(0.5, span)(random);
        const int columns = std::uniform_int_distribution<int>(1, 1200)(random);
        const QList<QPointF> points = ReduceToPixelColumns(s.time, s.values, from, to, columns);

        // Every point is one of the series, in time order.
        std::set<std::pair<double, double>> original;
        for (int i = 0; i < n; ++i) {
            if (!std::isnan(s.values[std::size_t(i)]))
                original.emplace(double(s.time[std::size_t(i)]), double(s.values[std::size_t(i)]));
        }
        for (qsizetype k = 0; k < points.size(); ++k) {
            ASSERT_TRUE(original.count({points[k].x(), points[k].y()})) << "round " << round;
            if (k > 0) {
                ASSERT_LE(points[k - 1].x(), points[k].x()) << "round " << round;
            }
        }
        // Per column: at most four, and its lowest and highest value drawn.
        std::map<qsizetype, std::vector<QPointF>> drawn, all;
        for (const QPointF& p : points) {
            if (p.x() >= from && p.x() <= to)
                drawn[ColumnOf(p.x(), from, to, columns)].push_back(p);
        }
        for (int i = 0; i < n; ++i) {
            const double x = double(s.time[std::size_t(i)]);
            if (x >= from && x <= to && !std::isnan(s.values[std::size_t(i)]))
                all[ColumnOf(x, from, to, columns)].push_back(QPointF(x, double(s.values[std::size_t(i)])));
        }
        for (const auto& [column, inColumn] : all) {
            const std::vector<QPointF>& shown = drawn[column];
            ASSERT_LE(shown.size(), 4u) << "round " << round << " column " << column;
            auto low = std::min_element(inColumn.begin(), inColumn.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
            auto high = std::max_element(inColumn.begin(), inColumn.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
            auto has = [&shown](double y) { return std::any_of(shown.begin(), shown.end(), [y](QPointF p) { return p.y() == y; }); };
            EXPECT_TRUE(has(low->y()) && has(high->y())) << "round " << round << " column " << column;
            if (inColumn.size() <= 4) {
                EXPECT_EQ(shown.size(), inColumn.size()) << "round " << round << ": a column of few points keeps them all";
            }
        }
        EXPECT_EQ(drawn.size(), all.size());
        // The line runs on to the nearest points outside the range.
        std::optional<double> before, after;
        for (int i = 0; i < n; ++i) {
            const double x = double(s.time[std::size_t(i)]);
            if (std::isnan(s.values[std::size_t(i)]))
                continue;
            if (x < from)
                before = x;
            if (x > to && !after)
                after = x;
        }
        if (before) {
            EXPECT_EQ(points.front().x(), *before) << "round " << round;
        }
        if (after) {
            EXPECT_EQ(points.back().x(), *after) << "round " << round;
        }
    }
}

TEST(ChartDecimation, ASpikeOfOneSampleStaysAtEveryZoomOfAMonth)
{
    Series s;
    const qint64 month = 31 * 86400;
    for (qint64 t = 0; t < month; ++t) {
        s.time.push_back(t);
        s.values.push_back(0.45f + 0.01f * float(t % 7));
    }
    const qint64 spike = 1234567;
    s.values[std::size_t(spike)] = 2.5f;
    for (const double span : {double(month), 7.0 * 86400, 86400.0, 3600.0, 60.0}) {
        for (const int columns : {97, 800, 1913}) {
            const double from = std::max(0.0, double(spike) - span / 3);
            const QList<QPointF> points = ReduceToPixelColumns(s.time, s.values, from, from + span, columns);
            EXPECT_TRUE(std::any_of(points.begin(), points.end(), [&](QPointF p) { return p.x() == double(spike) && p.y() == 2.5; }))
                << span << " s on " << columns << " columns";
            EXPECT_LE(points.size(), 4 * columns + 2);
        }
    }
    // Fully zoomed in, every point is there.
    EXPECT_EQ(ReduceToPixelColumns(s.time, s.values, 100, 199, 800).size(), 100 + 2);
}

TEST(ChartDecimation, NothingToDrawGivesNoPoints)
{
    const std::vector<qint64> time{1, 2, 3};
    const std::vector<float> values{1, 2, 3};
    const std::vector<float> gaps(3, std::nanf(""));
    EXPECT_TRUE(ReduceToPixelColumns({}, {}, 0, 10, 100).isEmpty());
    EXPECT_TRUE(ReduceToPixelColumns(time, values, 0, 10, 0).isEmpty()) << "no columns";
    EXPECT_TRUE(ReduceToPixelColumns(time, values, 10, 0, 100).isEmpty()) << "an upside-down range";
    EXPECT_TRUE(ReduceToPixelColumns(time, gaps, 0, 10, 100).isEmpty()) << "only gaps";
    EXPECT_EQ(ReduceToPixelColumns(time, values, 1.5, 1.6, 100).size(), 2) << "between two points: both";
}
