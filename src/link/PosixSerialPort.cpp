// The serial port on Linux and other POSIX systems; with PosixPortLock.cpp the platform files of
// the serial port layer.
#include "link/PosixSerialPort.h"

#include <QFile>

#include <algorithm>
#include <limits>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#ifdef __linux__
#include <linux/serial.h>
#include <sys/eventfd.h>
#endif

namespace hvx {
namespace {

struct BaudConstant {
    int baudRate;
    speed_t constant;
};
constexpr BaudConstant kBaudConstants[] = {
    {9600, B9600}, {19200, B19200}, {38400, B38400}, {57600, B57600}, {115200, B115200},
};

struct DataBitsFlag {
    int dataBits;
    tcflag_t flag;
};
constexpr DataBitsFlag kDataBitsFlags[] = {{5, CS5}, {6, CS6}, {7, CS7}, {8, CS8}};

int retryOnSignal(const auto& call)
{
    int result;
    do {
        result = call();
    } while (result < 0 && errno == EINTR);
    return result;
}

int createCancelFd()
{
#ifdef __linux__
    return eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
#else
    return -1;
#endif
}

void drainCancelFd(int fd)
{
    quint64 value = 0;
    while (::read(fd, &value, sizeof value) > 0) {
    }
}

} // namespace

PosixSerialPort::~PosixSerialPort()
{
    close();
}

bool PosixSerialPort::fail()
{
    m_lastError = errno;
    return false;
}

bool PosixSerialPort::takeLockFile(const QString& device)
{
    switch (m_lock.take(device)) {
    case PortLock::Result::Taken:
        return true;
    case PortLock::Result::Held:
        m_openNote = QStringLiteral("held by process %1 (%2)").arg(m_lock.holder()).arg(m_lock.path());
        m_lastError = EBUSY;
        return false;
    case PortLock::Result::Unlocked:
        break;
    }
    if (m_lock.lastError() != 0) {
        m_openNote = QStringLiteral("opened without a lock file: %1")
                         .arg(QString::fromLocal8Bit(std::strerror(m_lock.lastError())));
    }
    return true;
}

bool PosixSerialPort::open(const QString& device)
{
    if (isOpen())
        close();
    m_openNote.clear();
    // The lock file first: opening the device may already disturb the program that has it.
    if (!takeLockFile(device))
        return false;
    const QByteArray path = QFile::encodeName(device);
    const int fd = retryOnSignal([&] { return ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC); });
    if (fd < 0) {
        fail();
        m_lock.release();
        return false;
    }
    // Besides the lock file: TIOCEXCL keeps out programs that do not lock, flock keeps out other
    // users of this code even where TIOCEXCL does not bind (a privileged process).
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || ioctl(fd, TIOCEXCL) != 0) {
        fail();
        ::close(fd);
        m_lock.release();
        return false;
    }
    const int cancelFd = createCancelFd();
    if (cancelFd < 0) {
        fail();
        ioctl(fd, TIOCNXCL);
        ::close(fd);
        m_lock.release();
        return false;
    }
    m_cancelFd = cancelFd;
    m_fd = fd;
    return true;
}

bool PosixSerialPort::setLineSettings(const LineSettings& settings)
{
    const int fd = m_fd.load();
    termios tio{};
    if (tcgetattr(fd, &tio) != 0)
        return fail();
    cfmakeraw(&tio);
    const auto baud = std::find_if(std::begin(kBaudConstants), std::end(kBaudConstants),
                                   [&](const BaudConstant& b) { return b.baudRate == settings.baudRate; });
    const auto bits = std::find_if(std::begin(kDataBitsFlags), std::end(kDataBitsFlags),
                                   [&](const DataBitsFlag& b) { return b.dataBits == settings.dataBits; });
    if (baud == std::end(kBaudConstants) || bits == std::end(kDataBitsFlags)) {
        m_lastError = EINVAL;
        return false;
    }
    cfsetispeed(&tio, baud->constant);
    cfsetospeed(&tio, baud->constant);
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    tio.c_cflag |= bits->flag | CLOCAL | CREAD;
    if (settings.parity)
        tio.c_cflag |= PARENB;
    if (settings.stopBits == 2)
        tio.c_cflag |= CSTOPB;
    if (settings.hardwareFlowControl)
        tio.c_cflag |= CRTSCTS;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    if (settings.softwareFlowControl)
        tio.c_iflag |= IXON | IXOFF;
    tio.c_cc[VSTART] = 0x11;
    tio.c_cc[VSTOP] = 0x13;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (tcsetattr(fd, TCSANOW, &tio) != 0)
        return fail();
    return true;
}

bool PosixSerialPort::setTimeouts(const SerialTimeouts& timeouts)
{
    m_timeouts = timeouts;
    return true;
}

bool PosixSerialPort::requestLowLatency()
{
#if defined(__linux__) && defined(ASYNC_LOW_LATENCY)
    const int fd = m_fd.load();
    serial_struct serial{};
    if (ioctl(fd, TIOCGSERIAL, &serial) != 0)
        return fail();
    serial.flags |= ASYNC_LOW_LATENCY;
    if (ioctl(fd, TIOCSSERIAL, &serial) != 0)
        return fail();
    return true;
#else
    m_lastError = ENOTSUP;
    return false;
#endif
}

bool PosixSerialPort::purge(unsigned directions)
{
    const bool receive = (directions & PurgeReceive) != 0;
    const bool transmit = (directions & PurgeTransmit) != 0;
    if (!receive && !transmit)
        return true;
    const int queue = receive && transmit ? TCIOFLUSH : (receive ? TCIFLUSH : TCOFLUSH);
    if (tcflush(m_fd.load(), queue) != 0)
        return fail();
    return true;
}

bool PosixSerialPort::setDtr(bool on)
{
    int bits = TIOCM_DTR;
    if (ioctl(m_fd.load(), on ? TIOCMBIS : TIOCMBIC, &bits) != 0)
        return fail();
    return true;
}

WaitResult PosixSerialPort::waitForReadable(int timeoutMs)
{
    pollfd fds[2] = {{m_fd.load(), POLLIN, 0}, {m_cancelFd.load(), POLLIN, 0}};
    if (fds[0].fd < 0)
        return WaitResult::Failed;
    const int ready = retryOnSignal([&] { return poll(fds, 2, timeoutMs < 0 ? -1 : timeoutMs); });
    if (ready < 0) {
        fail();
        return WaitResult::Failed;
    }
    if (fds[1].revents & POLLIN) {
        drainCancelFd(fds[1].fd);
        return WaitResult::Cancelled;
    }
    const short events = fds[0].revents;
    if ((events & POLLIN) && bytesAvailable() > 0)
        return WaitResult::Readable;
    if (events & (POLLHUP | POLLERR | POLLNVAL)) {
        // A hung-up terminal stays "readable" with nothing to read; report it once as gone.
        m_lastError = EIO;
        return WaitResult::Failed;
    }
    // Nothing came, or what came was purged by the owner's thread before it could be counted.
    return WaitResult::TimedOut;
}

void PosixSerialPort::cancelWait()
{
    const int fd = m_cancelFd.load();
    if (fd < 0)
        return;
    const quint64 one = 1;
    [[maybe_unused]] const auto written = ::write(fd, &one, sizeof one);
}

qint64 PosixSerialPort::bytesAvailable()
{
    int waiting = 0;
    if (ioctl(m_fd.load(), FIONREAD, &waiting) != 0) {
        fail();
        return 0;
    }
    return waiting;
}

qint64 PosixSerialPort::read(quint8* buffer, qint64 maximum)
{
    const ssize_t n = retryOnSignal([&] { return static_cast<int>(::read(m_fd.load(), buffer, size_t(maximum))); });
    if (n < 0) {
        if (errno == EAGAIN || errno == EWOULDBLOCK)
            return 0;
        fail();
        return -1;
    }
    return n;
}

int PosixSerialPort::writeTimeoutMs(qint64 count) const
{
    const qint64 total = qint64(m_timeouts.writeTotalTimeoutMultiplier) * count + m_timeouts.writeTotalTimeoutConstant;
    if (total == 0)
        return -1;
    return int(qMin<qint64>(total, std::numeric_limits<int>::max()));
}

qint64 PosixSerialPort::write(const quint8* data, qint64 count)
{
    using Clock = std::chrono::steady_clock;
    const int fd = m_fd.load();
    const int timeoutMs = writeTimeoutMs(count);
    const auto deadline = Clock::now() + std::chrono::milliseconds(qMax(timeoutMs, 0));
    qint64 done = 0;
    while (done < count) {
        const ssize_t n = ::write(fd, data + done, size_t(count - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            fail();
            return done > 0 ? done : -1;
        }
        // The driver's queue is full: wait for room until the write time-out.
        int waitMs = -1;
        if (timeoutMs >= 0) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left <= 0)
                break;
            waitMs = int(left);
        }
        pollfd pfd{fd, POLLOUT, 0};
        if (retryOnSignal([&] { return poll(&pfd, 1, waitMs); }) < 0) {
            fail();
            break;
        }
        if (pfd.revents & (POLLHUP | POLLERR | POLLNVAL)) {
            m_lastError = EIO;
            return done > 0 ? done : -1;
        }
    }
    return done;
}

bool PosixSerialPort::drain()
{
    if (retryOnSignal([&] { return tcdrain(m_fd.load()); }) != 0)
        return fail();
    return true;
}

void PosixSerialPort::close()
{
    const int fd = m_fd.exchange(-1);
    if (fd >= 0) {
        ioctl(fd, TIOCNXCL);
        ::close(fd); // also releases the flock
    }
    const int cancelFd = m_cancelFd.exchange(-1);
    if (cancelFd >= 0)
        ::close(cancelFd);
    m_lock.release();
}

} // namespace hvx
