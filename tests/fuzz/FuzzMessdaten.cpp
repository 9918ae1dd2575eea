// The measured-data reception and files: any bytes as the temporary file of a recording (its
// conversion into the .dat file) and as a .dat file read back for the chart, whole and in blocks,
// and the chart's reduction of what was read.
#include "FuzzApp.h"

#include "devicedata/ChartDecimation.h"
#include "devicedata/MessStempel.h"
#include "devicedata/Messdaten.h"
#include "devicedata/MessdatenSpalten.h"


extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace hvx;
    fuzz::App();
    if (size == 0)
        return 0;
    // The first byte chooses the interval (1..253 s, as the instrument sends them).
    const int interval = 1 + data[0] % 253;
    const QByteArray text(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const ConversionResult result = ConvertMessdaten(text, interval);
    LeseMessdaten(result.dat);
    const MessdatenSpalten columns = LeseMessdaten(text);
    // The same bytes in blocks of the interval's size.
    MessdatenLeser reader;
    for (qsizetype at = 0; at < text.size(); at += interval)
        reader.Lies(std::string_view(text.constData() + at, std::size_t(std::min<qsizetype>(interval, text.size() - at))));
    reader.Ende();
    for (const QByteArray& line : text.split('\n')) {
        SplitMesswertZeile(line);
        ParseStempelSekunden(std::string_view(line.constData(), std::size_t(std::min<qsizetype>(line.size(), 17))));
        for (const QByteArray& field : line.split('\t'))
            ParseMesswert(std::string_view(field.constData(), std::size_t(field.size())));
    }
    if (!columns.empty() && !columns.spalten.empty())
        ReduceToPixelColumns(columns.zeit, columns.spalten.front().werte, double(columns.zeit.front()) - interval,
                             double(columns.zeit.back()) + interval, interval);
    return 0;
}
