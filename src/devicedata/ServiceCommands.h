#pragma once
// The service dialog's two tools: a raw command byte with the instrument's raw answer, and one
// entry of the 72-byte service block.

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

namespace hvx {

// --- raw command ---

// The command byte of the "Sende-Zeichen" field: one or two hex digits (the first of two is the
// high nibble). Anything else is no command and sends nothing.
std::optional<quint8> ParseRawCommand(const QString& field);

// The log lines of an exchange: the byte sent, the bytes received, their count.
QString RawCommandLine(quint8 command);        // "0x1b "
QString RawAnswerLine(const QByteArray& answer); // "0x3f 0x0d "
QString RawAnswerCountLine(int count);         // "Empfangene Bytes: 2"

// Opens the port without a handshake, sends the byte and collects the answer until the line is
// quiet, closes the port. nullopt when the port could not be opened (message 288 shown).
std::optional<QByteArray> SendRawCommand(quint8 command);

// --- service block ---

inline constexpr int kServiceBlockSize = 72;
inline constexpr int kServiceEntries = 12;
inline constexpr int kServiceEntrySize = 6;
using ServiceBlock = std::array<quint8, kServiceBlockSize>;

struct ServiceEntry {
    int nr = 0;      // 0..11
    quint16 id = 0;
    float wert = 0;
};

// "Nr" decimal 0..11, "ID" decimal 0..65535, "Wert" a decimal number ('.' or ','). nullopt when
// any of them is not such a value: nothing is sent then.
std::optional<ServiceEntry> ParseServiceEntry(const QString& nr, const QString& id, const QString& wert);

// Zeros, with the entry at 6 x Nr: Wert as IEEE single, then ID, both high byte first.
ServiceBlock BuildServiceBlock(const ServiceEntry& entry);

// Open, 0x31 with the block (progress shown), Close with disconnect. The link reports failures.
bool WriteServiceEntry(const ServiceEntry& entry);

} // namespace hvx
