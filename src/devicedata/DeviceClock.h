#pragma once
// The instrument's clock: read it, show it beside the PC's time, and set it to the PC's time.

#include "link/BcdDateTime.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

namespace hvx {

// The PC's local time; replaceable so that a run can be checked at a fixed moment.
using LocalClock = std::function<QDateTime()>;

// Reads the instrument's clock in its own connection (Open, 0x15, Close). On failure the link's
// message and 429 have been shown; nothing is returned.
std::optional<DateTimeBlock> ReadDeviceClock();

// Writes the block in its own connection (Open, 0x16 with progress, Close); true on success.
bool WriteDeviceClock(const DateTimeBlock& block);

// The menu command: read, ask with both times, write the PC's time of the answer. Shows 430 after
// any failure; the answer "Nein" ends it without a message. Returns true when the clock was set.
bool SetDeviceClock(const LocalClock& now = {});

} // namespace hvx
