#include "PtySimulator.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace hvxsim {
namespace {

// While no program has the slave open, the master reports a hang-up at once on every poll, so
// the server looks for a new peer at this period instead of polling the master.
constexpr int kPeerCheckMs = 20;
// Sent through the wake-up pipe when the instrument vanishes (any other byte: stop serving).
constexpr char kVanishByte = 'v';

std::string SystemError(const char* call)
{
    return std::string(call) + ": " + std::strerror(errno);
}

} // namespace

PtySimulator::PtySimulator(std::shared_ptr<Instrument> instrument) : m_instrument(std::move(instrument)) {}

PtySimulator::~PtySimulator()
{
    Stop();
}

bool PtySimulator::Start(std::string* error)
{
    auto fail = [&](const std::string& why) {
        if (error)
            *error = why;
        Stop();
        return false;
    };
    if (IsRunning())
        return true;
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_master < 0)
        return fail(SystemError("posix_openpt"));
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0)
        return fail(SystemError("grantpt/unlockpt"));
    char name[128];
    if (ptsname_r(m_master, name, sizeof name) != 0)
        return fail(SystemError("ptsname_r"));
    m_slavePath = name;

    // Raw 19200 8N1 on the slave side, so that an opener that changes nothing gets clean bytes.
    termios settings{};
    if (tcgetattr(m_master, &settings) == 0) {
        cfmakeraw(&settings);
        cfsetispeed(&settings, B19200);
        cfsetospeed(&settings, B19200);
        tcsetattr(m_master, TCSANOW, &settings);
    }
    if (pipe2(m_wake, O_CLOEXEC | O_NONBLOCK) != 0)
        return fail(SystemError("pipe2"));

    m_instrument->SetOutput([this](std::span<const std::uint8_t> bytes) { Write(bytes); });
    m_instrument->SetVanish([this] {
        const char vanish = kVanishByte;
        [[maybe_unused]] const auto written = ::write(m_wake[1], &vanish, 1);
    });
    m_thread = std::thread([this] { Serve(); });
    return true;
}

void PtySimulator::Stop()
{
    if (m_thread.joinable()) {
        const char stop = 1;
        [[maybe_unused]] const auto written = ::write(m_wake[1], &stop, 1);
        m_thread.join();
    }
    // No more output into the descriptor that is about to be closed.
    m_instrument->SetOutput(nullptr);
    m_instrument->SetVanish(nullptr);
    m_instrument->LineDropped();
    for (int* fd : {&m_master, &m_wake[0], &m_wake[1]}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
    m_peerConnected = false;
}

void PtySimulator::Write(std::span<const std::uint8_t> bytes)
{
    // Nobody listening: the bytes are lost, as on a line without a receiver. The master is
    // non-blocking, so a peer that stops reading cannot stall the instrument either.
    if (!m_peerConnected)
        return;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_dropped += bytes.size() - done;
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

bool PtySimulator::ReadFromPeer()
{
    std::uint8_t buffer[512];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            m_instrument->Receive(std::span<const std::uint8_t>(buffer, static_cast<std::size_t>(n)));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        // EAGAIN: all read. EIO: the last program holding the slave has closed it.
        return n < 0 && errno == EAGAIN;
    }
}

void PtySimulator::DropLine()
{
    // As a removed adapter: the program's side of the terminal reports a hang-up from now on.
    m_peerConnected = false;
    m_instrument->SetOutput(nullptr);
    m_instrument->LineDropped();
    ::close(m_master);
    m_master = -1;
    m_vanished = true;
}

void PtySimulator::PeerGone()
{
    if (m_peerConnected.exchange(false))
        m_instrument->LineDropped();
}

void PtySimulator::Serve()
{
    for (;;) {
        pollfd fds[2] = {{m_wake[0], POLLIN, 0}, {m_master, POLLIN, 0}};
        const bool waitForPeer = !m_peerConnected;
        // Without a peer only the wake-up pipe is watched, with a timeout to look for a new peer.
        const int ready = ::poll(fds, waitForPeer ? 1 : 2, waitForPeer ? kPeerCheckMs : -1);
        if (ready < 0 && errno != EINTR)
            return;
        if (fds[0].revents & POLLIN) {
            char wake = 0;
            if (::read(m_wake[0], &wake, 1) == 1 && wake == kVanishByte)
                DropLine();
            return;
        }
        if (waitForPeer) {
            pollfd master{m_master, POLLIN, 0};
            if (::poll(&master, 1, 0) < 0)
                continue;
            const bool hungUp = (master.revents & (POLLHUP | POLLERR)) && !(master.revents & POLLIN);
            if (hungUp)
                continue;
            m_peerConnected = true;
        }
        if (!(fds[1].revents & (POLLIN | POLLHUP | POLLERR)) && !waitForPeer)
            continue;
        if (!ReadFromPeer())
            PeerGone();
    }
}

} // namespace hvxsim
