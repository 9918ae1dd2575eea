#include "devicedata/Messdaten.h"

namespace hvx {
namespace {

std::optional<StempelSekunden> StempelVon(const QByteArray& field)
{
    return ParseStempelSekunden(std::string_view(field.constData(), std::size_t(field.size())));
}

// The stamp moved by seconds on the instrument's clock.
StempelSekunden VerschobenUm(const StempelSekunden& stamp, qint64 seconds)
{
    return {stamp.sekunden + seconds, stamp.slashLayout};
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
std::optional<StempelSekunden> StampFromAhead(const std::vector<QByteArray>& lines, std::size_t current, int interval)
{
    for (std::size_t ahead = current + 1; ahead < lines.size(); ++ahead) {
        if (std::optional<StempelSekunden> next = StempelVon(FirstField(lines[ahead]))) {
            return VerschobenUm(*next, -qint64(ahead - current) * interval);
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

ConversionResult ConvertMessdaten(const QByteArray& temporaryText, int intervalSeconds)
{
    ConversionResult result;
    const std::vector<QByteArray> lines = LinesOf(temporaryText);
    std::optional<StempelSekunden> previous;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (!WellFormed(line)) {
            result.notes.push_back({ConversionNote::FormatCut, line});
            continue;
        }
        const QByteArray field = FirstField(line);
        std::optional<StempelSekunden> stamp = StempelVon(field);
        if (!stamp) {
            result.notes.push_back({ConversionNote::TimeRepaired, field});
            if (previous)
                stamp = VerschobenUm(*previous, intervalSeconds);
            else
                stamp = StampFromAhead(lines, i, intervalSeconds);
            if (!stamp)
                break;
            line = FormatStempelSekunden(*stamp) + line.mid(field.size());
        }
        result.dat += line + "\r\n";
        ++result.written;
        previous = stamp;
    }
    return result;
}

} // namespace hvx
