#pragma once
// How fast the simulated instrument answers.

#include <chrono>

namespace hvxsim {

struct Timing {
    // Bytes leave one byte time apart, as on a 19200-baud line with 10 bits per byte.
    bool lineRate = true;
    std::chrono::nanoseconds byteTime{520833};
    // Pause between the last byte of a request and the first byte of the answer. The tool purges
    // its receive queue right after sending some commands, so an instant answer would be lost.
    std::chrono::milliseconds turnaround{5};
    // A data phase with no byte for this long is abandoned.
    std::chrono::milliseconds receiveTimeout{1000};
    // Period of the measured-data lines; zero takes the parameter set's interval in seconds.
    std::chrono::milliseconds measuredDataPeriod{0};
};

} // namespace hvxsim
