#pragma once
// The link's 16-bit additive checksum: the sum of the bytes as unsigned 8-bit numbers, modulo
// 65536, sent high byte first.

#include <QtGlobal>

namespace hvx {

constexpr quint16 LinkChecksum(const quint8* bytes, int length)
{
    quint16 sum = 0;
    for (int i = 0; i < length; ++i)
        sum = quint16(sum + bytes[i]);
    return sum;
}

constexpr quint8 HighByte(quint16 value) { return quint8(value >> 8); }
constexpr quint8 LowByte(quint16 value) { return quint8(value & 0xFF); }

} // namespace hvx
