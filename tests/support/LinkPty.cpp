#include "support/LinkPty.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace hvxtest {

LinkPty::LinkPty()
{
    int slave = -1;
    char name[256] = {};
    if (openpty(&m_master, &slave, name, nullptr, nullptr) != 0)
        return;
    // Raw from the start, so nothing is echoed or translated before the port sets its mode.
    termios tio{};
    tcgetattr(slave, &tio);
    cfmakeraw(&tio);
    tcsetattr(slave, TCSANOW, &tio);
    ::close(slave);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_slavePath = QString::fromLocal8Bit(name);
}

LinkPty::~LinkPty()
{
    closeMaster();
}

void LinkPty::send(const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0)
            done += n;
        else
            break;
    }
}

QByteArray LinkPty::receive(int count, std::chrono::milliseconds timeout)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + timeout;
    QByteArray got;
    while (got.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            break;
        pollfd pfd{m_master, POLLIN, 0};
        if (poll(&pfd, 1, int(left)) <= 0)
            break;
        char chunk[256];
        const ssize_t n = ::read(m_master, chunk, sizeof chunk);
        if (n <= 0) {
            // No slave open at the moment (EIO): wait a little for the port to come back.
            poll(nullptr, 0, 5);
            continue;
        }
        got.append(chunk, n);
    }
    return got;
}

QByteArray LinkPty::receiveUntilQuiet(std::chrono::milliseconds quiet)
{
    QByteArray got;
    for (;;) {
        const QByteArray more = receive(1 << 20, quiet);
        if (more.isEmpty())
            return got;
        got += more;
    }
}

void LinkPty::closeMaster()
{
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
}

} // namespace hvxtest
