#pragma once
// Byte blocks written as hexadecimal text, converted at compile time, so that factory tables can
// be kept in the instrument's own hexadecimal form. A malformed text does not compile.

#include <QtGlobal>

#include <array>
#include <cstddef>
#include <string_view>

namespace hvx {

namespace detail {
consteval quint8 hexZiffer(char c)
{
    if (c >= '0' && c <= '9')
        return quint8(c - '0');
    if (c >= 'A' && c <= 'F')
        return quint8(c - 'A' + 10);
    throw "not a hexadecimal digit"; // only reachable at compile time: a build error
}
} // namespace detail

template <std::size_t N>
consteval std::array<quint8, N> hexBlock(std::string_view hex)
{
    if (hex.size() != 2 * N)
        throw "hexadecimal text does not match the block size";
    std::array<quint8, N> bytes{};
    for (std::size_t i = 0; i < N; ++i)
        bytes[i] = quint8(detail::hexZiffer(hex[2 * i]) << 4 | detail::hexZiffer(hex[2 * i + 1]));
    return bytes;
}

} // namespace hvx
