#include "devicedata/DeviceDataTexts.h"

namespace hvx {

QString FillPlaceholder(QString text, const QString& value)
{
    const qsizetype at = text.indexOf(QLatin1Char('%'));
    if (at < 0)
        return text;
    qsizetype end = at + 1;
    while (end < text.size() && (text[end].isDigit() || text[end] == QLatin1Char('l')))
        ++end;
    if (end < text.size())
        ++end; // the conversion letter
    return text.replace(at, end - at, value);
}

} // namespace hvx
