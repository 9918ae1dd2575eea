#include "devicedata/AxisTicks.h"

#include "devicedata/MessStempel.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QTime>
#include <algorithm>
#include <cmath>

namespace hvx {
namespace {

constexpr qint64 kDay = 86400;

// Round steps of a time axis, in seconds.
constexpr qint64 kTimeSteps[] = {1,    2,    5,     10,    15,    30,    60,        120,       300,       600,
                                 900,  1800, 3600,  7200,  10800, 21600, 43200,     kDay,      2 * kDay,  4 * kDay, 7 * kDay,
                                 14 * kDay, 28 * kDay, 56 * kDay, 112 * kDay, 224 * kDay, 448 * kDay};

qint64 TicksInside(double low, double high, double step)
{
    // A tick that lies on the boundary within rounding counts as inside.
    const double slack = step * 1e-9;
    return qint64(std::floor((high + slack) / step)) - qint64(std::ceil((low - slack) / step)) + 1;
}

qint64 FloorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

QDate DateOf(qint64 seconds)
{
    const Kalenderdatum d = DatumAusTagen(FloorDiv(seconds, kDay));
    return QDate(d.year, d.month, d.day);
}

QTime TimeOf(qint64 seconds)
{
    return QTime::fromMSecsSinceStartOfDay(int(seconds - FloorDiv(seconds, kDay) * kDay) * 1000);
}

} // namespace

double ValueTicks::at(int i) const
{
    const double value = (std::round(first / step) + i) * step;
    return std::abs(value) < step / 2 ? 0.0 : value;
}

QString ValueTicks::label(int i) const
{
    return QString::number(at(i), 'f', decimals);
}

ValueTicks NiceValueTicks(double low, double high, int maxTicks)
{
    ValueTicks ticks;
    maxTicks = std::max(1, maxTicks);
    if (!std::isfinite(low) || !std::isfinite(high))
        return ticks;
    if (high < low)
        std::swap(low, high);
    if (high == low) {
        // One tick with three significant digits.
        const int exponent = low == 0 ? 0 : int(std::floor(std::log10(std::abs(low))));
        ticks.decimals = std::max(0, 2 - exponent);
        ticks.step = std::pow(10.0, -ticks.decimals);
        ticks.first = std::round(low / ticks.step) * ticks.step;
        ticks.count = 1;
        return ticks;
    }
    // From a step below a tenth of the span upwards: the first that fits.
    int exponent = int(std::floor(std::log10((high - low) / maxTicks))) - 1;
    for (;; ++exponent) {
        for (const int mantissa : {1, 2, 5}) {
            const double step = mantissa * std::pow(10.0, exponent);
            const qint64 count = TicksInside(low, high, step);
            if (count <= maxTicks) {
                ticks.step = step;
                ticks.first = std::ceil((low - step * 1e-9) / step) * step + 0.0;
                ticks.decimals = std::max(0, -exponent);
                ticks.count = int(count);
                return ticks;
            }
        }
    }
}

std::vector<TimeTick> NiceTimeTicks(double from, double to, int maxTicks, const TimePictures& pictures)
{
    std::vector<TimeTick> ticks;
    if (!std::isfinite(from) || !std::isfinite(to) || to < from)
        return ticks;
    maxTicks = std::max(1, maxTicks);
    qint64 step = kTimeSteps[std::size(kTimeSteps) - 1];
    for (const qint64 candidate : kTimeSteps) {
        if (TicksInside(from, to, double(candidate)) <= maxTicks) {
            step = candidate;
            break;
        }
    }
    const qint64 firstDay = FloorDiv(qint64(std::floor(from)), kDay);
    const qint64 lastDay = FloorDiv(qint64(std::floor(to)), kDay);
    const bool dateOnly = step >= kDay;
    const bool withDate = dateOnly || firstDay != lastDay;
    const QString& timePicture = step % 60 == 0 ? pictures.timeWithoutSeconds : pictures.timeWithSeconds;
    const QLocale locale;
    for (qint64 t = qint64(std::ceil(from / double(step))) * step; double(t) <= to; t += step) {
        QString label;
        if (withDate)
            label = locale.toString(DateOf(t), pictures.date);
        if (!dateOnly)
            label += (withDate ? QStringLiteral("\n") : QString()) + locale.toString(TimeOf(t), timePicture);
        ticks.push_back({t, label});
    }
    return ticks;
}

QString WallClockText(qint64 seconds, const QString& picture)
{
    return QLocale().toString(QDateTime(DateOf(seconds), TimeOf(seconds), Qt::UTC), picture);
}

} // namespace hvx
