#include "InstrumentState.h"

#include <algorithm>

namespace hvxsim {

std::uint16_t ReadBigEndian16(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(bytes[offset] << 8 | bytes[offset + 1]);
}

void WriteBigEndian16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value)
{
    bytes[offset] = static_cast<std::uint8_t>(value >> 8);
    bytes[offset + 1] = static_cast<std::uint8_t>(value & 0xFF);
}

std::span<const std::uint8_t> InstrumentState::ConfigurationPart() const
{
    return std::span<const std::uint8_t>(parameterSet).first(kConfigurationSize);
}

std::span<const std::uint8_t> InstrumentState::ParameterPart() const
{
    return std::span<const std::uint8_t>(parameterSet).subspan(kConfigurationSize);
}

void InstrumentState::SetParameterPart(std::span<const std::uint8_t> bytes)
{
    std::copy_n(bytes.begin(), std::min(bytes.size(), kParameterPartSize),
                parameterSet.begin() + kConfigurationSize);
}

std::uint8_t InstrumentState::ModuleType(int slot) const
{
    return parameterSet[offsets::kModuleHeaders + 4 * static_cast<std::size_t>(slot)];
}

std::string InstrumentState::AccessCode() const
{
    const auto* first = parameterSet.data() + offsets::kAccessCode;
    return std::string(first, first + 4);
}

void InstrumentState::SetAccessCode(const std::string& code, bool active)
{
    for (std::size_t i = 0; i < 4; ++i)
        parameterSet[offsets::kAccessCode + i] = static_cast<std::uint8_t>(i < code.size() ? code[i] : '0');
    parameterSet[offsets::kAccessCodeActive] = active ? 1 : 0;
}

} // namespace hvxsim
