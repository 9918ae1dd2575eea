#include "devicedata/MessStempel.h"

#include <cstdio>

namespace hvx {
namespace {

constexpr int kStampBlank = 8;
constexpr qint64 kSecondsPerDay = 86400;

int TwoDigits(std::string_view text, std::size_t at)
{
    const char a = text[at];
    const char b = text[at + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9')
        return -1;
    return (a - '0') * 10 + (b - '0');
}

bool LeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && LeapYear(year) ? 29 : kDays[month - 1];
}

qint64 FloorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

} // namespace

// The civil-date algorithms count in eras of 400 years, which repeat exactly.
qint64 TageSeitEpoche(int year, int month, int day)
{
    const qint64 y = year - (month <= 2 ? 1 : 0);
    const qint64 era = FloorDiv(y, 400);
    const qint64 yearOfEra = y - era * 400;
    const qint64 dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const qint64 dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

Kalenderdatum DatumAusTagen(qint64 days)
{
    const qint64 z = days + 719468;
    const qint64 era = FloorDiv(z, 146097);
    const qint64 dayOfEra = z - era * 146097;
    const qint64 yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const qint64 dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const qint64 mp = (5 * dayOfYear + 2) / 153;
    const int day = int(dayOfYear - (153 * mp + 2) / 5 + 1);
    const int month = int(mp < 10 ? mp + 3 : mp - 9);
    return {int(yearOfEra + era * 400 + (month <= 2 ? 1 : 0)), month, day};
}

std::optional<StempelSekunden> ParseStempelSekunden(std::string_view text)
{
    if (text.size() != std::size_t(kMessStempelLaenge) || text[kStampBlank] != ' ')
        return std::nullopt;
    int numbers[6];
    for (std::size_t i = 0; i < 6; ++i) {
        numbers[i] = TwoDigits(text, i * 3);
        if (numbers[i] < 0)
            return std::nullopt;
    }
    const bool slash = text.find('/') != std::string_view::npos;
    const int day = slash ? numbers[1] : numbers[0];
    const int month = slash ? numbers[0] : numbers[1];
    const int year = 2000 + numbers[2];
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return std::nullopt;
    if (numbers[3] > 23 || numbers[4] > 59 || numbers[5] > 59)
        return std::nullopt;
    const qint64 seconds = TageSeitEpoche(year, month, day) * kSecondsPerDay + numbers[3] * 3600 + numbers[4] * 60 + numbers[5];
    return StempelSekunden{seconds, slash};
}

QByteArray FormatStempelSekunden(const StempelSekunden& stamp)
{
    const qint64 days = FloorDiv(stamp.sekunden, kSecondsPerDay);
    const qint64 second = stamp.sekunden - days * kSecondsPerDay;
    const Kalenderdatum d = DatumAusTagen(days);
    const int first = stamp.slashLayout ? d.month : d.day;
    const int next = stamp.slashLayout ? d.day : d.month;
    const char separator = stamp.slashLayout ? '/' : '.';
    char text[32];
    std::snprintf(text, sizeof text, "%02d%c%02d%c%02d %02d:%02d:%02d", first, separator, next, separator,
                  ((d.year % 100) + 100) % 100, int(second / 3600), int(second / 60 % 60), int(second % 60));
    return QByteArray(text);
}

} // namespace hvx
