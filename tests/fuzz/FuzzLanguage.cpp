// The language-file reader: any bytes as a profile file, in any encoding (UTF-8, UTF-16 with
// its byte-order mark, Windows-1252), and every value through the escape processing.
#include "base/ProfileReader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace hvx;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const ProfileContent content = ProfileContent::parse(bytes);
    for (const QString& section : content.sections()) {
        for (const QString& key : content.keys(section)) {
            const QString value = content.value(section, key);
            if (value.size() > kMaxProfileValueLength)
                std::abort(); // a text never exceeds what the lookup buffer holds
            // Escapes only ever shorten a text.
            if (UnescapeLanText(value).size() > value.size())
                std::abort();
        }
    }
    (void)DecodeTextFile(bytes);
    return 0;
}
