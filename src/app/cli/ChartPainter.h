#pragma once
// hvxcli chart reads the file and its options here; the chart is painted by the window code
// (Qt Charts), which the program hands over before it runs a command. Without a painter the
// command says that it cannot draw.

#include "devicedata/MessdatenSpalten.h"

#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <utility>

namespace hvx::cli {

// Paints data (only [from, to] in wall-clock seconds when given) at size into the output file
// in the format of its extension; false with the cause after a failure.
using ChartPainter = std::function<bool(MessdatenSpalten data, const QString& output, QSize size,
                                        std::optional<std::pair<double, double>> range, QString* cause)>;
void SetChartPainter(ChartPainter painter);

} // namespace hvx::cli
