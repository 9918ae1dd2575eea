#pragma once
// The trend chart of a measured-data file as a picture, drawn off screen by the same chart as
// the window's: PNG, SVG or PDF by the file's extension.

#include "devicedata/MessdatenSpalten.h"
#include "devicedata/PictureFormat.h"

#include <QSize>
#include <QString>
#include <optional>
#include <utility>

namespace hvx::gui {

// Draws the data (the time range [from, to] in wall-clock seconds when given, else all of it)
// at size pixels into the file, written whole, in the format of its extension. False with the
// cause after a failure.
bool WriteTrendPicture(MessdatenSpalten data, const QString& path, QSize size,
                       std::optional<std::pair<double, double>> range, QString* cause);

} // namespace hvx::gui
