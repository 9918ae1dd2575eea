#pragma once
// What a line chart of many points needs to draw: per pixel column of the plot, the first,
// lowest, highest and last point of that column's time span (min/max decimation). The picture
// is the same as with every point, however many there are: a spike of one sample stays, and no
// column gets more than four points. Columns with up to four points keep all of them, so at
// full zoom every point is drawn.

#include <QList>
#include <QPointF>
#include <span>

namespace hvx {

// The points of (time[i], values[i]) to draw for the time range [from, to] on `columns` pixel
// columns; time ascending, NaN values skipped. The nearest point before `from` and after `to`
// are added, so that the line runs to the plot's edges.
QList<QPointF> ReduceToPixelColumns(std::span<const qint64> time, std::span<const float> values, double from,
                                    double to, int columns);

} // namespace hvx
