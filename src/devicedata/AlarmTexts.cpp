#include "devicedata/AlarmTexts.h"

#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/PrintfTemplate.h"
#include "devicedata/ClockText.h"
#include "link/BcdDateTime.h"

#include <QLocale>
#include <algorithm>
#include <array>

namespace hvx {
namespace {

constexpr int kTextNotShowable = 432; // "nicht darstellbar"
constexpr int kTextTimePicture = 427;
constexpr int kTextDatePicture = 428;
constexpr int kTextUnknown = 458;     // "Unbekannter Fehler %d"

// How the number in a text follows from the code.
enum class Number { None, Code, Minus5, Minus8, Undershoot, Overshoot };

struct AlarmCodeRow {
    int first;
    int last;
    int step; // codes first, first + step, ... up to last
    int text;
    Number number;
};

constexpr std::array kAlarmCodes{
    AlarmCodeRow{1, 3, 1, 448, Number::Code},        // "Konfigurationsfehler (Modul %d)"
    AlarmCodeRow{5, 5, 1, 455, Number::None},        // "Kein Messmodul"
    AlarmCodeRow{6, 8, 1, 449, Number::Minus5},      // "Durchflussfehler (Modul %d)"
    AlarmCodeRow{9, 11, 1, 450, Number::Minus8},     // "Dosierzeitüberschreitung (Modul %d)"
    AlarmCodeRow{24, 24, 1, 453, Number::None},      // "Kalibrierfehler"
    AlarmCodeRow{25, 25, 1, 454, Number::None},      // "Plausibilitätsfehler"
    AlarmCodeRow{30, 34, 2, 452, Number::Undershoot}, // "Grenzwertunterschreitung (Modul %d)"
    AlarmCodeRow{31, 35, 2, 451, Number::Overshoot}, // "Grenzwertüberschreitung (Modul %d)"
    AlarmCodeRow{36, 36, 1, 456, Number::None},      // 2-fold pH deviation
    AlarmCodeRow{37, 37, 1, 457, Number::None},      // 3-fold pH deviation
    AlarmCodeRow{40, 40, 1, 501, Number::None},      // pre-circulation starts
    AlarmCodeRow{41, 41, 1, 502, Number::None},      // biocide interruption
};

int NumberOf(Number number, int code)
{
    switch (number) {
    case Number::None:
    case Number::Code:
        return code;
    case Number::Minus5:
        return code - 5;
    case Number::Minus8:
        return code - 8;
    case Number::Undershoot:
        return (code - 30) / 2 + 1;
    case Number::Overshoot:
        return (code - 31) / 2 + 1;
    }
    return code;
}

QString WithNumber(int text, int number)
{
    return FillPrintfTemplate(GetStringsText(text), {qint64(number)});
}

} // namespace

QString AlarmText(int code)
{
    for (const AlarmCodeRow& row : kAlarmCodes) {
        if (code >= row.first && code <= row.last && (code - row.first) % row.step == 0)
            return WithNumber(row.text, NumberOf(row.number, code));
    }
    return WithNumber(kTextUnknown, code);
}

StampPicture AlarmStampPicture()
{
    const CHVXApp& app = theApp();
    return {app.m_strDateFormat, TimePictureWithSeconds(app.m_strTimeFormat)};
}

std::vector<StampPicture> AlarmStampPictures()
{
    const CHVXApp& app = theApp();
    std::vector<StampPicture> pictures{AlarmStampPicture()};
    for (const QString& folder : app.LanguageFolders()) {
        const QString strings = app.m_strProgDir + u'/' + folder + QStringLiteral("/Strings.lan");
        const StampPicture picture{GetLanText(QStringLiteral("Strings"), QString::number(kTextDatePicture), strings),
                                   TimePictureWithSeconds(GetLanText(QStringLiteral("Strings"),
                                                                     QString::number(kTextTimePicture), strings))};
        if (!picture.date.isEmpty() && !picture.time.isEmpty()
            && std::find(pictures.begin(), pictures.end(), picture) == pictures.end())
            pictures.push_back(picture);
    }
    return pictures;
}

std::optional<QDateTime> AlarmStamp(const quint8* b)
{
    const QDate date(2000 + b[0], DecodeBcd(b[1]), DecodeBcd(b[2]));
    const QTime time(DecodeBcd(b[3]), DecodeBcd(b[4]), DecodeBcd(b[5]));
    if (b[0] > 99 || !date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::UTC);
}

QString AlarmStampText(const quint8* sixBytes)
{
    const std::optional<QDateTime> stamp = AlarmStamp(sixBytes);
    if (!stamp)
        return GetStringsText(kTextNotShowable);
    const StampPicture picture = AlarmStampPicture();
    const QLocale locale;
    return locale.toString(stamp->date(), picture.date) + u' ' + locale.toString(stamp->time(), picture.time);
}

std::optional<QDateTime> ParseAlarmStampText(const QString& text)
{
    return ParseAlarmStampText(text, AlarmStampPictures());
}

std::optional<QDateTime> ParseAlarmStampText(const QString& text, std::span<const StampPicture> pictures)
{
    // Date and time are read apart, at each blank in turn (a date picture may hold blanks too).
    const QLocale locale;
    for (const StampPicture& picture : pictures) {
        for (qsizetype blank = text.indexOf(u' '); blank >= 0; blank = text.indexOf(u' ', blank + 1)) {
            const QDate date = locale.toDate(text.left(blank), picture.date);
            const QTime time = date.isValid() ? locale.toTime(text.mid(blank + 1), picture.time) : QTime();
            if (time.isValid())
                return QDateTime(date, time, Qt::UTC);
        }
    }
    return std::nullopt;
}

} // namespace hvx
