#pragma once
// The time stamp of a measured-data line as a number: the instrument's clock is a wall clock
// without a time zone, so a stamp counts plain date and time, never local time. Seconds are
// counted from 01.01.1970 00:00:00 of that clock, so that an hour the local zone skips or
// repeats is an ordinary hour here, under any TZ. A pure function of the text, cheap enough
// for a million lines.

#include <QByteArray>
#include <QtGlobal>
#include <optional>
#include <string_view>

namespace hvx {

inline constexpr int kMessStempelLaenge = 17;

struct StempelSekunden {
    qint64 sekunden = 0;
    bool slashLayout = false; // "mm/dd/yy hh:mm:ss" instead of "dd.mm.yy hh:mm:ss"
};

// Valid when 17 characters long, a blank at index 8, two digits per number, and a real date
// (year 2000 + yy) and time; a "/" anywhere makes it month first.
std::optional<StempelSekunden> ParseStempelSekunden(std::string_view text);

// The same layout back, two digits per number.
QByteArray FormatStempelSekunden(const StempelSekunden& stamp);

// Days since 01.01.1970 of a date of the proleptic Gregorian calendar, and back.
qint64 TageSeitEpoche(int year, int month, int day);
struct Kalenderdatum {
    int year, month, day;
};
Kalenderdatum DatumAusTagen(qint64 days);

} // namespace hvx
