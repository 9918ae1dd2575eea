#pragma once
// Where the ticks of a chart axis go and how they read. A value axis gets ticks at multiples of
// 1, 2 or 5 times a power of ten with as many decimals as that step needs, so that no two labels
// read the same ("0.49 / 0.49"); a time axis gets ticks at round wall-clock times, and the date
// as soon as the shown span crosses midnight. Both choose their number of ticks from the room
// the axis has.

#include <QString>
#include <QtGlobal>
#include <vector>

namespace hvx {

struct ValueTicks {
    double first = 0; // the lowest tick inside the range
    double step = 1;
    int decimals = 0;
    int count = 0; // ticks inside [low, high]

    // Tick i counted from the step itself, so that no sum of steps drifts ("-0.00").
    double at(int i) const;
    QString label(int i) const;
};
ValueTicks NiceValueTicks(double low, double high, int maxTicks);

struct TimeTick {
    qint64 seconds; // wall-clock seconds (see MessStempel.h)
    QString label;  // a date and a time are separated by a line feed
};
struct TimePictures {
    QString date;               // for example "dd.MM.yyyy"
    QString timeWithSeconds;    // "HH:mm:ss"
    QString timeWithoutSeconds; // "HH:mm"
};
// The ticks inside [from, to], at most maxTicks of them (at least one where the range holds a
// whole second).
std::vector<TimeTick> NiceTimeTicks(double from, double to, int maxTicks, const TimePictures& pictures);

// The text of wall-clock seconds in a date and a time picture (for example the chart's range).
QString WallClockText(qint64 seconds, const QString& picture);

} // namespace hvx
