#include "base/PrintfTemplate.h"

#include <vector>

namespace hvx {
namespace {

QString integerText(const TemplateArgument& argument)
{
    if (const auto* number = std::get_if<qint64>(&argument))
        return QString::number(*number);
    return std::get<QString>(argument);
}

QString stringText(const TemplateArgument& argument, QChar conversion)
{
    if (const auto* text = std::get_if<QString>(&argument))
        return conversion == u'c' ? text->left(1) : *text;
    const qint64 number = std::get<qint64>(argument);
    return conversion == u'c' ? QString(QChar(static_cast<char16_t>(number))) : QString::number(number);
}

} // namespace

QString FillPrintfTemplate(const QString& format, std::initializer_list<TemplateArgument> arguments)
{
    const std::vector<TemplateArgument> values(arguments);
    size_t next = 0;
    QString result;
    result.reserve(format.size());
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c != u'%' || i + 1 >= format.size()) {
            result += c;
            continue;
        }
        if (format.at(i + 1) == u'%') {
            result += u'%';
            ++i;
            continue;
        }
        // Flags (only zero padding), width, the "I64" size prefix, then the conversion.
        qsizetype j = i + 1;
        const bool zeroPad = format.at(j) == u'0';
        int width = 0;
        while (j < format.size() && format.at(j).isDigit())
            width = qMin(width * 10 + format.at(j++).digitValue(), 64);
        if (format.mid(j, 3) == QLatin1String("I64"))
            j += 3;
        if (j >= format.size() || !QStringView(u"sduc").contains(format.at(j))) {
            result += c; // not a placeholder this function knows: kept as written
            continue;
        }
        const QChar conversion = format.at(j);
        QString text;
        if (next < values.size()) {
            const TemplateArgument& argument = values[next++];
            text = (conversion == u's' || conversion == u'c') ? stringText(argument, conversion) : integerText(argument);
        }
        const bool negative = text.startsWith(u'-');
        if (zeroPad && !negative)
            text = text.rightJustified(width, u'0');
        else if (zeroPad)
            text = u'-' + text.mid(1).rightJustified(width - 1, u'0');
        else
            text = text.rightJustified(width, u' ');
        result += text;
        i = j;
    }
    return result;
}

} // namespace hvx
