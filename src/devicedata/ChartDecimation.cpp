#include "devicedata/ChartDecimation.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace hvx {
namespace {

// The points of one pixel column as they come.
class Column {
public:
    void add(qsizetype i, float value)
    {
        if (m_count < 4)
            m_few[std::size_t(m_count)] = i;
        if (m_count == 0 || value < m_minValue) {
            m_min = i;
            m_minValue = value;
        }
        if (m_count == 0 || value > m_maxValue) {
            m_max = i;
            m_maxValue = value;
        }
        if (m_count == 0)
            m_first = i;
        m_last = i;
        ++m_count;
    }

    // Up to four points in the order of time.
    void flush(std::span<const qint64> time, std::span<const float> values, QList<QPointF>& out)
    {
        std::array<qsizetype, 4> chosen = m_few;
        qsizetype n = std::min<qsizetype>(m_count, 4);
        if (m_count > 4) {
            chosen = {m_first, m_min, m_max, m_last};
            std::sort(chosen.begin(), chosen.end());
            n = std::unique(chosen.begin(), chosen.end()) - chosen.begin();
        }
        for (qsizetype k = 0; k < n; ++k) {
            const qsizetype i = chosen[std::size_t(k)];
            out.append(QPointF(double(time[std::size_t(i)]), double(values[std::size_t(i)])));
        }
        m_count = 0;
    }

    bool empty() const { return m_count == 0; }

private:
    qsizetype m_count = 0;
    std::array<qsizetype, 4> m_few{};
    qsizetype m_first = 0, m_last = 0, m_min = 0, m_max = 0;
    float m_minValue = 0, m_maxValue = 0;
};

void AppendPoint(std::span<const qint64> time, std::span<const float> values, qsizetype i, QList<QPointF>& out)
{
    out.append(QPointF(double(time[std::size_t(i)]), double(values[std::size_t(i)])));
}

} // namespace

QList<QPointF> ReduceToPixelColumns(std::span<const qint64> time, std::span<const float> values, double from,
                                    double to, int columns)
{
    QList<QPointF> out;
    const qsizetype n = qsizetype(std::min(time.size(), values.size()));
    if (n == 0 || columns <= 0 || !(to >= from))
        return out;
    const auto begin = time.begin();
    const qsizetype first = std::lower_bound(begin, begin + n, from, [](qint64 t, double x) { return double(t) < x; }) - begin;
    const qsizetype end = std::upper_bound(begin, begin + n, to, [](double x, qint64 t) { return x < double(t); }) - begin;
    out.reserve(std::min<qsizetype>(end - first, 4 * qsizetype(columns)) + 2);

    for (qsizetype i = first - 1; i >= 0; --i) {
        if (!std::isnan(values[std::size_t(i)])) {
            AppendPoint(time, values, i, out);
            break;
        }
    }
    const double width = to > from ? (to - from) / columns : 1.0;
    Column column;
    qsizetype current = -1;
    for (qsizetype i = first; i < end; ++i) {
        const float value = values[std::size_t(i)];
        if (std::isnan(value))
            continue;
        const qsizetype index = std::min<qsizetype>(columns - 1, qsizetype((double(time[std::size_t(i)]) - from) / width));
        if (index != current && !column.empty())
            column.flush(time, values, out);
        current = index;
        column.add(i, value);
    }
    if (!column.empty())
        column.flush(time, values, out);
    for (qsizetype i = end; i < n; ++i) {
        if (!std::isnan(values[std::size_t(i)])) {
            AppendPoint(time, values, i, out);
            break;
        }
    }
    return out;
}

} // namespace hvx
