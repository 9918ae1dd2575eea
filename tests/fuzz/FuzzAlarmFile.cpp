// The alarm file reader: any bytes as an .alm file; what it reads can be sorted by every column.
#include "FuzzApp.h"

#include "devicedata/AlarmFile.h"


extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace hvx;
    fuzz::App();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const StampPicture pictures[] = {{QStringLiteral("dd.MM.yyyy"), QStringLiteral("HH:mm:ss")},
                                     {QStringLiteral("dd/MM/yyyy"), QStringLiteral("HH:mm:ss")}};
    AlarmFileContent content = ParseAlarmFile(bytes, pictures);
    for (const AlarmColumn column : {AlarmColumn::Start, AlarmColumn::End, AlarmColumn::Text}) {
        SortAlarmRows(content.rows, column, true);
        SortAlarmRows(content.rows, column, false);
    }
    return 0;
}
