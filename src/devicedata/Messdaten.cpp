#include "devicedata/Messdaten.h"

namespace hvx {
namespace {

constexpr int kStampLength = 17;
constexpr int kStampBlank = 8;

std::optional<int> TwoDigits(const QByteArray& text, int at)
{
    const char a = text[at];
    const char b = text[at + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9')
        return std::nullopt;
    return (a - '0') * 10 + (b - '0');
}

// The line without its line end.
QByteArray WithoutLineEnd(QByteArray line)
{
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
}

QByteArray FirstField(const QByteArray& line)
{
    const qsizetype tab = line.indexOf('\t');
    return tab < 0 ? line : line.left(tab);
}

// The lines of the temporary file as the conversion reads them.
std::vector<QByteArray> LinesOf(const QByteArray& text)
{
    std::vector<QByteArray> lines;
    for (const QByteArray& part : text.split('\n'))
        lines.push_back(WithoutLineEnd(part));
    if (!lines.empty() && lines.back().isEmpty())
        lines.pop_back(); // after the last line end
    return lines;
}

bool WellFormed(const QByteArray& line)
{
    return line.count('\t') == kMesswertTabs && line.size() <= kMaxMesswertZeile;
}

// For a bad first stamp: the next valid stamp n lines ahead, less n intervals.
std::optional<MessZeitstempel> StampFromAhead(const std::vector<QByteArray>& lines, std::size_t current, int interval)
{
    for (std::size_t ahead = current + 1; ahead < lines.size(); ++ahead) {
        if (std::optional<MessZeitstempel> next = ParseMessZeitstempel(FirstField(lines[ahead]))) {
            next->zeit = next->zeit.addSecs(-qint64(ahead - current) * interval);
            return next;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<QStringList> SplitMesswertZeile(const QByteArray& text)
{
    if (text.count('\t') != kMesswertTabs)
        return std::nullopt;
    QStringList fields = QString::fromLatin1(text).split(u'\t');
    // The last field ends at the carriage return (or the line feed).
    QString& last = fields.last();
    const qsizetype end = last.indexOf(u'\r') >= 0 ? last.indexOf(u'\r') : last.indexOf(u'\n');
    if (end >= 0)
        last.truncate(end);
    return fields;
}

std::optional<MessZeitstempel> ParseMessZeitstempel(const QByteArray& text)
{
    if (text.size() != kStampLength || text[kStampBlank] != ' ')
        return std::nullopt;
    const bool slash = text.contains('/');
    int numbers[6];
    for (int i = 0; i < 6; ++i) {
        const std::optional<int> n = TwoDigits(text, i * 3);
        if (!n)
            return std::nullopt;
        numbers[i] = *n;
    }
    const int day = slash ? numbers[1] : numbers[0];
    const int month = slash ? numbers[0] : numbers[1];
    const QDate date(2000 + numbers[2], month, day);
    const QTime time(numbers[3], numbers[4], numbers[5]);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return MessZeitstempel{QDateTime(date, time), slash};
}

QByteArray FormatMessZeitstempel(const MessZeitstempel& stamp)
{
    const QDate d = stamp.zeit.date();
    const QTime t = stamp.zeit.time();
    const int first = stamp.slashLayout ? d.month() : d.day();
    const int second = stamp.slashLayout ? d.day() : d.month();
    const char separator = stamp.slashLayout ? '/' : '.';
    return QString::asprintf("%02d%c%02d%c%02d %02d:%02d:%02d", first, separator, second, separator, d.year() % 100,
                             t.hour(), t.minute(), t.second())
        .toLatin1();
}

ConversionResult ConvertMessdaten(const QByteArray& temporaryText, int intervalSeconds)
{
    ConversionResult result;
    const std::vector<QByteArray> lines = LinesOf(temporaryText);
    std::optional<MessZeitstempel> previous;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (!WellFormed(line)) {
            result.notes.push_back({ConversionNote::FormatCut, line});
            continue;
        }
        const QByteArray field = FirstField(line);
        std::optional<MessZeitstempel> stamp = ParseMessZeitstempel(field);
        if (!stamp) {
            result.notes.push_back({ConversionNote::TimeRepaired, field});
            if (previous)
                stamp = MessZeitstempel{previous->zeit.addSecs(intervalSeconds), previous->slashLayout};
            else
                stamp = StampFromAhead(lines, i, intervalSeconds);
            if (!stamp)
                break;
            line = FormatMessZeitstempel(*stamp) + line.mid(field.size());
        }
        result.dat += line + "\r\n";
        ++result.written;
        previous = stamp;
    }
    return result;
}

} // namespace hvx
