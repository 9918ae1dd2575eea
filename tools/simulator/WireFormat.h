#pragma once
// Sizes, command codes, acknowledgement bytes and the checksum of the instrument's serial
// protocol, as the instrument sees them.

#include <cstddef>
#include <cstdint>
#include <span>

namespace hvxsim {

constexpr std::size_t kConfigurationSize = 46;
constexpr std::size_t kParameterPartSize = 512;
constexpr std::size_t kParameterSetSize = kConfigurationSize + kParameterPartSize;
constexpr std::size_t kEepromSize = 2048;
constexpr std::size_t kDateTimeSize = 7;
constexpr std::size_t kServiceBlockSize = 72;
constexpr std::size_t kMaxMemoryWrite = 40;

constexpr std::uint16_t kAlarmHeaderAddress = 0x0300;
constexpr std::uint16_t kAlarmRecordAddress = 0x0304;
constexpr std::size_t kAlarmRecordSize = 13;

constexpr std::uint8_t kAck = 0x55;        // 'U'
constexpr std::uint8_t kNack = 0x56;       // 'V': checksum over the received data is wrong
constexpr std::uint8_t kFatalNack = 0xFF;  // the data are refused

enum Command : std::uint8_t {
    kConnect = 0x10,
    kDisconnect = 0x11,
    kReadConfiguration = 0x12,
    kReadParameters = 0x13,
    kWriteParameters = 0x14,
    kReadDateTime = 0x15,
    kWriteDateTime = 0x16,
    kWriteMemory = 0x17,
    kReadMemory = 0x18,
    kWriteServiceBlock = 0x31,
};

// 16-bit additive checksum, each byte taken unsigned, modulo 65536.
inline std::uint16_t Checksum(std::span<const std::uint8_t> bytes)
{
    std::uint16_t sum = 0;
    for (std::uint8_t b : bytes)
        sum = static_cast<std::uint16_t>(sum + b);
    return sum;
}

} // namespace hvxsim

namespace hvxsim {

inline std::uint16_t BigEndian16(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(bytes[offset] << 8 | bytes[offset + 1]);
}

} // namespace hvxsim
