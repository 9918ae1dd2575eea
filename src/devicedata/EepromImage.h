#pragma once
// The instrument's 2048-byte EEPROM as the service tools see it: an image in memory, the range
// of addresses an operation covers, and the ".hxp" text form of an image.

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>
#include <vector>

namespace hvx {

inline constexpr int kEepromSize = 2048;
// A fresh image, before anything was read, holds the value of erased EEPROM cells.
inline constexpr quint8 kEepromFill = 0xFF;

using EepromImage = std::array<quint8, kEepromSize>;
EepromImage FreshEepromImage();

// Addresses first .. end - 1.
struct EepromRange {
    int first = 0;
    int end = kEepromSize;
    int count() const { return end - first; }
    bool operator==(const EepromRange&) const = default;
};

// The range of a selection (start, end exclusive): the whole image when there is none (-1).
EepromRange RangeOfSelection(int start, int end);

// The value of a hex digit (0-9, A-F, a-f), or -1 for any other character.
int HexDigitValue(QChar c);

// --- .hxp files: 128 lines "AAAA: XX XX ... XX" of 16 bytes each, CR LF line ends ---
inline constexpr int kHxpBytesPerLine = 16;
inline constexpr int kHxpLines = kEepromSize / kHxpBytesPerLine;

QByteArray HxpText(const EepromImage& image);

struct HxpLoadResult {
    int linesTaken = 0;          // lines whose 16 bytes went into the image
    std::vector<int> badLines;   // 0-based lines of full length whose bytes are not hex; left unchanged
};
// Reads up to 128 lines into the image. A line of 53 characters or more gives its 16 bytes to
// the addresses of its line number; shorter and missing lines leave theirs unchanged, and so do
// lines whose bytes cannot be read or whose address is not that of their place (a line deleted
// above would otherwise shift every later one). A pure function of the text.
HxpLoadResult ReadHxpText(const QByteArray& text, EepromImage& image);

// What keeps a text from being a complete image: its first line (1-based) that is missing, does
// not carry the address of its place, or does not hold 16 hex bytes. Nothing for a complete image.
struct HxpProblem {
    enum Kind { MissingLine, WrongAddress, NotHexBytes } kind;
    int line;
};
std::optional<HxpProblem> FindHxpProblem(const QByteArray& text);

// The file through a temporary file in the same folder: a failed save leaves no half file.
// On failure error holds the platform's cause.
bool SaveHxpFile(const QString& path, const EepromImage& image, QString* error);
bool LoadHxpFile(const QString& path, EepromImage& image, HxpLoadResult* result, QString* error);

} // namespace hvx
