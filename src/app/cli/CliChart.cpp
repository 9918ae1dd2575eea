// hvxcli chart: a measured-data file as the chart of "Messdaten anzeigen...", into a PNG, SVG or
// PDF file, optionally for a part of its time only. The arguments and the file are taken here;
// the chart itself is painted by the window code that the program hands over.
#include "app/cli/ChartPainter.h"
#include "app/cli/CliCommand.h"
#include "app/cli/ScopedInteraction.h"
#include "app/cli/TerminalProgress.h"
#include "base/HvxApp.h"
#include "base/Language.h"
#include "devicedata/AxisTicks.h"
#include "devicedata/MessStempel.h"
#include "devicedata/MessdatenSpalten.h"
#include "devicedata/PictureFormat.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <optional>

namespace hvx::cli {
namespace {

constexpr OptionDef kOptions[] = {{"from", true}, {"to", true}, {"size", true}};
constexpr int kTextNoData = 3405;    // "Die Datei %1 enthält keine lesbaren Messdaten."
constexpr int kTextReading = 3460;   // "Messdaten werden gelesen: %1"
constexpr int kTextWritten = 3944;   // "Diagramm geschrieben: %1 (%2 Zeilen von %3 bis %4)"
constexpr int kTextArguments = 3945; // the two files
constexpr int kTextFormat = 3946;
constexpr int kTextBadStamp = 3947;
constexpr int kTextBadSize = 3948;
constexpr int kTextNothingInRange = 3949;
constexpr int kTextUnreadable = 3950;
constexpr int kTextFromAfterTo = 3951;
constexpr int kTextNoPainter = 3952;
constexpr QSize kDefaultSize(1200, 700);
constexpr int kMinSide = 200;
constexpr int kMaxSide = 10000;
const char* const kStampPicture = "dd.MM.yy HH:mm:ss";

ChartPainter& painter()
{
    static ChartPainter installed;
    return installed;
}

std::optional<QSize> ParseSize(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    if (std::min(size.width(), size.height()) < kMinSide || std::max(size.width(), size.height()) > kMaxSide)
        return std::nullopt;
    return size;
}

// --from or --to as a stamp of the file's layout; false after a failure message.
bool ParseBound(const CliArguments& arguments, const char* name, std::optional<qint64>& bound, CliIo& io)
{
    if (!arguments.has(name))
        return true;
    const QByteArray text = arguments.value(name).trimmed().toLatin1();
    const std::optional<StempelSekunden> stamp = ParseStempelSekunden(std::string_view(text.constData(), std::size_t(text.size())));
    if (!stamp) {
        Fail(io, GetStringsText(kTextBadStamp).arg(arguments.value(name)));
        return false;
    }
    bound = stamp->sekunden;
    return true;
}

// The file in columns, with its progress on a terminal.
std::optional<MessdatenSpalten> Read(const QString& path, CliIo& io, QString* cause)
{
    std::optional<TerminalProgress> progress;
    std::optional<ScopedInteraction> scope;
    if (TerminalProgress::ErrorIsTerminal()) {
        progress.emplace(theApp().ui(), io.err);
        scope.emplace(*progress);
    }
    IUserInteraction& ui = theApp().ui();
    ui.progressBegin(GetStringsText(kTextReading).arg(QFileInfo(path).fileName()), 1000);
    std::optional<MessdatenSpalten> data = LeseMessdatenDatei(
        path,
        [&ui](qint64 done, qint64 total) {
            ui.progressStep(total > 0 ? int(done * 1000 / total) : 1000);
            return true;
        },
        cause);
    ui.progressEnd();
    return data;
}

CommandResult run(const CliArguments& arguments, CliIo& io)
{
    if (arguments.positional.size() != 2)
        return Fail(io, GetStringsText(kTextArguments));
    const QString input = arguments.positional[0];
    const QString output = arguments.positional[1];
    if (!PictureFormatOf(output))
        return Fail(io, GetStringsText(kTextFormat).arg(QFileInfo(output).suffix()));
    if (!painter())
        return Fail(io, GetStringsText(kTextNoPainter));
    QSize size = kDefaultSize;
    if (arguments.has("size")) {
        const std::optional<QSize> given = ParseSize(arguments.value("size"));
        if (!given)
            return Fail(io, GetStringsText(kTextBadSize).arg(arguments.value("size")));
        size = *given;
    }
    std::optional<qint64> from;
    std::optional<qint64> to;
    if (!ParseBound(arguments, "from", from, io) || !ParseBound(arguments, "to", to, io))
        return CommandResult::Failed;
    if (from && to && *from >= *to)
        return Fail(io, GetStringsText(kTextFromAfterTo));

    QString cause;
    std::optional<MessdatenSpalten> data = Read(input, io, &cause);
    if (!data)
        return Fail(io, GetStringsText(kTextUnreadable).arg(input, cause));
    if (data->empty())
        return Fail(io, GetStringsText(kTextNoData).arg(input));
    const qint64 first = from.value_or(data->zeit.front());
    const qint64 last = to.value_or(data->zeit.back());
    const auto begin = std::lower_bound(data->zeit.begin(), data->zeit.end(), first);
    const auto end = std::upper_bound(data->zeit.begin(), data->zeit.end(), last);
    if (begin == end)
        return Fail(io, GetStringsText(kTextNothingInRange));
    const qint64 lines = end - begin;
    const QString picture = QLatin1String(kStampPicture);
    const QString shownFrom = WallClockText(*begin, picture);
    const QString shownTo = WallClockText(*(end - 1), picture);
    std::optional<std::pair<double, double>> range;
    if (from || to)
        range = std::pair(double(first), double(std::max(last, first + 1)));
    if (!painter()(std::move(*data), output, size, range, &cause))
        return Fail(io, GetStringsText(kTextOutputFailed).arg(output, cause));
    io.out << GetStringsText(kTextWritten).arg(output).arg(lines).arg(shownFrom, shownTo) << Qt::endl;
    return CommandResult::Ok;
}

} // namespace

void SetChartPainter(ChartPainter paint)
{
    painter() = std::move(paint);
}

const CliCommand& ChartCommand()
{
    static const CliCommand command{"chart", kHelpChart, kOptions, run};
    return command;
}

} // namespace hvx::cli
