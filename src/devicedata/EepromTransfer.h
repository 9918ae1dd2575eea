#pragma once
// Reading and writing the instrument's EEPROM image over the link, each in its own connection.
// Reads go in blocks of up to "[Service] ReadBlockSize" bytes (one ReadMemory each); writes go one
// byte per WriteMemory. Both stop at the first failure with "Error at address 0x.." naming the
// address (for a block, its first), after the link's own message; what was done stays done.

#include "devicedata/EepromImage.h"

#include <functional>

namespace hvx {

inline constexpr int kMaxReadBlockSize = 255;

// The block size in use: the setting, kept within 1..255.
int EepromReadBlockSize();

// Called after each block read into the image, and before each byte written: the addresses
// first .. first + count - 1. A view highlights and scrolls there.
using EepromProgress = std::function<void(int first, int count)>;

struct EepromTransferResult {
    bool ok = false;
    int failedAddress = -1; // the address named in the message; -1 when nothing failed there
    qint32 linkStatus = 0;  // the link's cause of a failure (CKelComm::Status); 0 when none
};

// Reads the range into the image; bytes outside it are left alone.
EepromTransferResult ReadEeprom(EepromImage& image, EepromRange range, const EepromProgress& progress = {});

// Asks "Do you REALLY want to send N Bytes ...", then writes the range byte by byte. The answer
// "No" writes nothing and returns a result that is not ok with no failed address.
EepromTransferResult WriteEeprom(const EepromImage& image, EepromRange range, const EepromProgress& progress = {});

} // namespace hvx
