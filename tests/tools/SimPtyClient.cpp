#include "SimPtyClient.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace simtest {

bool PtyClient::Open(const std::string& path)
{
    Close();
    m_fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_fd < 0)
        return false;
    termios settings{};
    tcgetattr(m_fd, &settings);
    cfmakeraw(&settings);
    tcsetattr(m_fd, TCSANOW, &settings);
    return true;
}

void PtyClient::Close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

void PtyClient::Send(const Bytes& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            return;
        done += static_cast<std::size_t>(n);
    }
}

void PtyClient::Purge()
{
    tcflush(m_fd, TCIFLUSH);
}

Bytes PtyClient::Read(std::size_t count, std::chrono::milliseconds timeout)
{
    Bytes received;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (received.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        pollfd fd{m_fd, POLLIN, 0};
        if (::poll(&fd, 1, static_cast<int>(left.count())) <= 0)
            break;
        std::uint8_t buffer[256];
        const ssize_t n = ::read(m_fd, buffer, std::min(sizeof buffer, count - received.size()));
        if (n <= 0)
            break;
        received.insert(received.end(), buffer, buffer + n);
    }
    return received;
}

Bytes PtyClient::ReadUntilQuiet(std::chrono::milliseconds quiet, std::chrono::milliseconds firstByte)
{
    Bytes received = Read(1, firstByte);
    while (!received.empty()) {
        const Bytes more = Read(4096, quiet);
        if (more.empty())
            break;
        received.insert(received.end(), more.begin(), more.end());
    }
    return received;
}

Bytes PtyClient::Transact(const Bytes& request, std::size_t replyLength, std::chrono::milliseconds timeout)
{
    Send(request);
    return Read(replyLength, timeout);
}

std::uint16_t SumOf(const Bytes& bytes, std::size_t first, std::size_t count)
{
    unsigned sum = 0;
    for (std::size_t i = first; i < first + count; ++i)
        sum += bytes[i];
    return static_cast<std::uint16_t>(sum % 65536);
}

Bytes WithSum(Bytes block)
{
    const std::uint16_t sum = SumOf(block, 0, block.size());
    block.push_back(static_cast<std::uint8_t>(sum / 256));
    block.push_back(static_cast<std::uint8_t>(sum % 256));
    return block;
}

} // namespace simtest
