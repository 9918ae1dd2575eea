#include "document/AccessCode.h"

#include "document/Cp1252.h"

namespace hvx {

bool AccessCodeMatches(const Parametersatz& image, const QString& entered)
{
    const auto code = image.zugangscode();
    if (entered.size() != qsizetype(code.size()))
        return false;
    // The code bytes are the instrument's single-byte characters; a character the code page
    // cannot hold matches nothing.
    const QByteArray bytes = ToCp1252(entered);
    if (bytes.size() != entered.size() || FromCp1252(bytes) != entered)
        return false;
    return std::equal(code.begin(), code.end(), bytes.begin());
}

} // namespace hvx
