#pragma once
// The tool's end of a simulated instrument's pseudo-terminal, driven with plain POSIX calls so
// that the simulator is tested independently of the tool's own link code.

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace simtest {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

class PtyClient {
public:
    PtyClient() = default;
    explicit PtyClient(const std::string& path) { Open(path); }
    ~PtyClient() { Close(); }
    PtyClient(const PtyClient&) = delete;
    PtyClient& operator=(const PtyClient&) = delete;

    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return m_fd >= 0; }

    void Send(const Bytes& bytes);
    // Drops whatever has been received and not read yet.
    void Purge();
    // Waits until `count` bytes have arrived or `timeout` has passed; returns what arrived.
    Bytes Read(std::size_t count, std::chrono::milliseconds timeout = 2000ms);
    // Everything that arrives until the line has been quiet for `quiet`.
    Bytes ReadUntilQuiet(std::chrono::milliseconds quiet = 150ms, std::chrono::milliseconds firstByte = 1000ms);
    // Sends and reads a reply of known length.
    Bytes Transact(const Bytes& request, std::size_t replyLength, std::chrono::milliseconds timeout = 2000ms);

private:
    int m_fd = -1;
};

// The block followed by its 16-bit additive checksum, high byte first, computed independently
// of the simulator's own code.
Bytes WithSum(Bytes block);
std::uint16_t SumOf(const Bytes& bytes, std::size_t first, std::size_t count);

} // namespace simtest
