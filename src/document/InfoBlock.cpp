#include "document/InfoBlock.h"

#include "document/Cp1252.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace hvx {
namespace {

struct InfoField {
    QString InfoTexts::*text;
    std::size_t offset;
    std::size_t size;
    int maxLines;
};

constexpr int kMaxLineLength = 40;

const std::array<InfoField, 4> kInfoFields{{
    {&InfoTexts::seriennummer, 0, 48, 1},
    {&InfoTexts::kunde, 48, 192, 4},
    {&InfoTexts::standort, 240, 192, 4},
    {&InfoTexts::bemerkung, 432, 192, 4},
}};

} // namespace

InfoBlockBytes EncodeInfoBlock(const InfoTexts& texts)
{
    InfoBlockBytes block{};
    for (const InfoField& field : kInfoFields) {
        const QByteArray bytes = ToCp1252(texts.*field.text);
        const auto length = std::min<std::size_t>(static_cast<std::size_t>(bytes.size()), field.size - 1);
        std::copy_n(bytes.constData(), length, block.begin() + field.offset);
    }
    return block;
}

InfoTexts DecodeInfoBlock(std::span<const quint8, configfile::kInfoBlockSize> block)
{
    InfoTexts texts;
    for (const InfoField& field : kInfoFields) {
        const auto begin = block.begin() + field.offset;
        const auto end = std::find(begin, begin + field.size, quint8(0));
        texts.*field.text = FromCp1252(QByteArray(reinterpret_cast<const char*>(&*begin), end - begin));
    }
    return texts;
}

QString LimitLines(const QString& text, int maxLines, int maxLineLength)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r?\n"));
    QStringList lines = text.split(lineBreak);
    if (lines.size() > maxLines)
        lines.resize(maxLines);
    for (QString& line : lines)
        line.truncate(maxLineLength);
    return lines.join(QStringLiteral("\r\n"));
}

InfoTexts LimitInfoTexts(const InfoTexts& texts)
{
    InfoTexts limited;
    for (const InfoField& field : kInfoFields)
        limited.*field.text = LimitLines(texts.*field.text, field.maxLines, kMaxLineLength);
    return limited;
}

} // namespace hvx
