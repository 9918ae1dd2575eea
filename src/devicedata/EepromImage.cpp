#include "devicedata/EepromImage.h"

#include "base/WholeFile.h"

#include <QFile>

namespace hvx {
namespace {

// Line k: "%04X: " then the bytes from column 6 on, three columns each.
constexpr int kFirstByteColumn = 6;
constexpr int kByteColumns = 3;
constexpr int kFullLineLength = kFirstByteColumn + kHxpBytesPerLine * kByteColumns - 1; // 53

// A three-column piece "XX " (or "X  ", " X "): one or two hex digits between blanks.
// Anything else is not a byte: the line is not taken rather than a wrong value written.
int PieceValue(const QByteArray& piece)
{
    const QByteArray digits = piece.trimmed();
    if (digits.isEmpty() || digits.size() > 2)
        return -1;
    int value = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(QLatin1Char(c));
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

// The line without its line end, as the readers take it.
QByteArray HxpLine(const QList<QByteArray>& lines, int k)
{
    QByteArray line = lines.value(k);
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

bool CarriesItsAddress(const QByteArray& line, int k)
{
    const QByteArray address = QByteArray::number(k * kHxpBytesPerLine, 16).toUpper().rightJustified(4, '0') + ": ";
    return line.startsWith(address);
}

// The 16 bytes of a full line; nothing when a piece is not a byte.
std::optional<std::array<quint8, kHxpBytesPerLine>> LineBytes(QByteArray line)
{
    // The line's end is the end of its last piece.
    line += ' ';
    std::array<quint8, kHxpBytesPerLine> bytes{};
    for (int i = 0; i < kHxpBytesPerLine; ++i) {
        const int value = PieceValue(line.mid(kFirstByteColumn + i * kByteColumns, kByteColumns));
        if (value < 0)
            return std::nullopt;
        bytes[size_t(i)] = quint8(value);
    }
    return bytes;
}

} // namespace

int HexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

EepromImage FreshEepromImage()
{
    EepromImage image;
    image.fill(kEepromFill);
    return image;
}

EepromRange RangeOfSelection(int start, int end)
{
    if (start < 0 || end <= start)
        return {};
    return {qBound(0, start, kEepromSize), qBound(0, end, kEepromSize)};
}

QByteArray HxpText(const EepromImage& image)
{
    QByteArray text;
    text.reserve(kHxpLines * (kFullLineLength + 2));
    for (int line = 0; line < kHxpLines; ++line) {
        const int address = line * kHxpBytesPerLine;
        text += QByteArray::number(address, 16).toUpper().rightJustified(4, '0') + ": ";
        for (int i = 0; i < kHxpBytesPerLine; ++i) {
            if (i > 0)
                text += ' ';
            text += QByteArray::number(image[size_t(address + i)], 16).toUpper().rightJustified(2, '0');
        }
        text += "\r\n";
    }
    return text;
}

HxpLoadResult ReadHxpText(const QByteArray& text, EepromImage& image)
{
    HxpLoadResult result;
    const QList<QByteArray> lines = text.split('\n');
    for (int k = 0; k < kHxpLines && k < lines.size(); ++k) {
        const QByteArray line = HxpLine(lines, k);
        if (line.size() < kFullLineLength)
            continue;
        const std::optional<std::array<quint8, kHxpBytesPerLine>> bytes = LineBytes(line);
        if (!bytes || !CarriesItsAddress(line, k)) {
            result.badLines.push_back(k);
            continue;
        }
        std::copy(bytes->begin(), bytes->end(), image.begin() + k * kHxpBytesPerLine);
        ++result.linesTaken;
    }
    return result;
}

std::optional<HxpProblem> FindHxpProblem(const QByteArray& text)
{
    const QList<QByteArray> lines = text.split('\n');
    for (int k = 0; k < kHxpLines; ++k) {
        const QByteArray line = HxpLine(lines, k);
        if (k >= lines.size() || line.trimmed().isEmpty())
            return HxpProblem{HxpProblem::MissingLine, k + 1};
        if (!CarriesItsAddress(line, k))
            return HxpProblem{HxpProblem::WrongAddress, k + 1};
        if (line.size() < kFullLineLength || !LineBytes(line))
            return HxpProblem{HxpProblem::NotHexBytes, k + 1};
    }
    return std::nullopt;
}

bool SaveHxpFile(const QString& path, const EepromImage& image, QString* error)
{
    return WriteWholeFile(path, HxpText(image), error);
}

bool LoadHxpFile(const QString& path, EepromImage& image, HxpLoadResult* result, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // 128 full lines are about 7 KB; a much larger file is no image, and is not read whole.
    constexpr qint64 kReadLimit = 1 << 20;
    const HxpLoadResult loaded = ReadHxpText(file.read(kReadLimit), image);
    if (result)
        *result = loaded;
    return true;
}

} // namespace hvx
