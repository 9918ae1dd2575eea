#pragma once
// Texts of the alarm memory: the alarm text of a code and the text of a record's time stamp.
// The recording's display shows the same alarm texts for the instrument's error number.

#include <QDateTime>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace hvx {

// The alarm text of a code, with the module number or the code filled in where it has one.
QString AlarmText(int code);

// The date and time picture of alarm times: short date, blank, time in 24-hour form with seconds.
QString AlarmStampPicture();

// A record's stamp (year plain binary within 2000..2099, then month, day, hour, minute, second
// in BCD): nothing when the bytes form no real date and time.
std::optional<QDateTime> AlarmStamp(const quint8* sixBytes);

// The stamp as the alarm file shows it, or "nicht darstellbar".
QString AlarmStampText(const quint8* sixBytes);

// A stamp text read back; nothing when it cannot be parsed.
std::optional<QDateTime> ParseAlarmStampText(const QString& text);
std::optional<QDateTime> ParseAlarmStampText(const QString& text, const QString& picture);

} // namespace hvx
