#pragma once
// Date and time as the clock question shows them: the long date picture (text 433) and the time
// picture (text 427) for the user's locale, the time always in 24-hour form without seconds.

#include "link/BcdDateTime.h"

#include <QDateTime>
#include <QString>
#include <optional>

namespace hvx {

// The time picture reduced to hours and minutes in 24-hour form: seconds with the separator
// before them and any AM/PM marker are dropped, 12-hour hours become 24-hour hours.
QString TimePictureWithoutSeconds(const QString& timePicture);
// The same with the seconds kept.
QString TimePictureWithSeconds(const QString& timePicture);

// "long date, blank, time" with the application's pictures.
QString ClockText(const QDateTime& local);
QString ClockText(const QDate& date, const QTime& time);

// The same for the instrument's fields; nothing when they form no real date or time.
std::optional<QString> ClockText(const DeviceDateTime& value);

} // namespace hvx
