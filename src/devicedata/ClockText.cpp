#include "devicedata/ClockText.h"

#include "base/HvxApp.h"

#include <QLocale>

namespace hvx {
namespace {

bool isSecondsField(QChar c)
{
    return c == u's' || c == u'z';
}

// AM/PM markers of both picture dialects ("AP", "ap", "A", "a", "t", "tt").
bool isMarkerField(QChar c)
{
    return c == u'A' || c == u'a' || c == u't';
}

// Separators that belong to the field after them: dropped with a dropped field.
void dropTrailingSeparators(QString& picture)
{
    while (!picture.isEmpty() && !picture.back().isLetter() && picture.back() != u'\'')
        picture.chop(1);
}

} // namespace

namespace {

// The picture in 24-hour form, without AM/PM markers and, unless kept, without seconds.
QString TimePicture24(const QString& timePicture, bool keepSeconds)
{
    QString result;
    const qsizetype length = timePicture.size();
    for (qsizetype i = 0; i < length;) {
        const QChar c = timePicture.at(i);
        if (c == u'\'') { // quoted text stays as it is
            const qsizetype end = timePicture.indexOf(u'\'', i + 1);
            const qsizetype stop = end < 0 ? length : end + 1;
            result += timePicture.mid(i, stop - i);
            i = stop;
            continue;
        }
        qsizetype run = 1;
        while (i + run < length && timePicture.at(i + run) == c)
            ++run;
        if ((isSecondsField(c) && !keepSeconds) || isMarkerField(c)) {
            dropTrailingSeparators(result);
            if ((c == u'A' || c == u'a') && i + run < length && timePicture.at(i + run).toLower() == u'p')
                ++run;
        } else if (c == u'h') {
            result += QString(run, u'H');
        } else {
            result += timePicture.mid(i, run);
        }
        i += run;
    }
    return result.trimmed();
}

} // namespace

QString TimePictureWithoutSeconds(const QString& timePicture)
{
    return TimePicture24(timePicture, false);
}

QString TimePictureWithSeconds(const QString& timePicture)
{
    return TimePicture24(timePicture, true);
}

QString ClockText(const QDateTime& local)
{
    return ClockText(local.date(), local.time());
}

QString ClockText(const QDate& date, const QTime& time)
{
    const CHVXApp& app = theApp();
    const QLocale locale;
    return locale.toString(date, app.m_strLongDateFormat) + u' '
           + locale.toString(time, TimePictureWithoutSeconds(app.m_strTimeFormat));
}

std::optional<QString> ClockText(const DeviceDateTime& value)
{
    // The instrument's clock has no time zone: its date and time are shown as they are, also
    // when the PC's zone skips that hour.
    const QDate date(value.year, value.month, value.day);
    const QTime time(value.hour, value.minute, value.second);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return ClockText(date, time);
}

} // namespace hvx
