#pragma once
// Texts of the alarm memory: the alarm text of a code and the text of a record's time stamp.
// The recording's display shows the same alarm texts for the instrument's error number.

#include <QDateTime>
#include <QString>
#include <QtGlobal>
#include <optional>
#include <span>
#include <vector>

namespace hvx {

// The alarm text of a code, with the module number or the code filled in where it has one.
QString AlarmText(int code);

// The pictures of an alarm time: short date, blank, time in 24-hour form with seconds.
struct StampPicture {
    QString date;
    QString time;
    bool operator==(const StampPicture&) const = default;
};
// The application's.
StampPicture AlarmStampPicture();
// The application's first, then those of every language folder: a file written in another
// language sorts all the same.
std::vector<StampPicture> AlarmStampPictures();

// Alarm times are the instrument's wall-clock times, without a time zone: they are kept as UTC
// date-times, so that no local daylight-saving rule can shift or refuse one.

// A record's stamp (year plain binary within 2000..2099, then month, day, hour, minute, second
// in BCD): nothing when the bytes form no real date and time.
std::optional<QDateTime> AlarmStamp(const quint8* sixBytes);

// The stamp as the alarm file shows it, or "nicht darstellbar".
QString AlarmStampText(const quint8* sixBytes);

// A stamp text read back with the first picture that fits; nothing when none does.
std::optional<QDateTime> ParseAlarmStampText(const QString& text);
std::optional<QDateTime> ParseAlarmStampText(const QString& text, std::span<const StampPicture> pictures);

} // namespace hvx
