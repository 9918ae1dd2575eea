// The measured-data reception and files: any bytes as the temporary file of a recording (its
// conversion into the .dat file) and as a .dat file read back for the chart.
#include "FuzzApp.h"

#include "devicedata/Messdaten.h"


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
    ReadMessdaten(result.dat);
    ReadMessdaten(text);
    for (const QByteArray& line : text.split('\n'))
        SplitMesswertZeile(line);
    return 0;
}
