#pragma once
// Byte layout of the .hxd configuration file. The file is exactly 1280 bytes; other PCs and
// older installations read the same bytes, so every offset here is binding.

#include <QtGlobal>
#include <array>
#include <cstddef>

namespace hvx::configfile {

constexpr qint64 kFileSize = 1280;
constexpr std::size_t kParameterSize = 558; // the instrument's parameter image
constexpr std::size_t kInfoBlockSize = 624;

// 43 characters and 5 blanks, no terminator.
constexpr char kMagic[] = "HXD Version 1.0 Parameter Image File Format     ";
constexpr qint64 kMagicSize = 48;
static_assert(sizeof(kMagic) - 1 == kMagicSize);

// Date/time stamps: 12 ASCII digits in a 16-byte slot.
constexpr qint64 kStampOffset = 48;
constexpr qint64 kStampSlotSize = 16;
constexpr qint64 kStampLength = 12;
enum StampSlot : int { kStampCreated = 0, kStampSaved = 1, kStampTransferred = 2 };
constexpr int kStampSlotCount = 3;

constexpr qint64 kInfoBlockOffset = 96;

// Where the parameter image lies in the file. Bytes 734..735 are a gap that stays zero: the
// image is stored around it, so it is never written after the file was created.
struct ParameterSegment {
    qint64 fileOffset;
    std::size_t imageOffset;
    std::size_t size;
};
constexpr std::array<ParameterSegment, 4> kParameterSegments{{
    {720, 0, 14},
    {736, 14, 32},
    {768, 46, 480},
    {1248, 526, 32},
}};

} // namespace hvx::configfile
