#include "support/LinkFakePort.h"

#include <algorithm>
#include <cstring>
#include <thread>

namespace hvxtest {

bool LinkFakePort::open(const QString&)
{
    const std::lock_guard lock(m_shared->mutex);
    m_shared->open = true;
    ++m_shared->opens;
    return true;
}

bool LinkFakePort::isOpen() const
{
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->open;
}

hvx::WaitResult LinkFakePort::waitForReadable(int timeoutMs)
{
    std::unique_lock lock(m_shared->mutex);
    if (m_shared->stuckWait.count() > 0) {
        const auto stuck = m_shared->stuckWait;
        lock.unlock();
        std::this_thread::sleep_for(stuck);
        return hvx::WaitResult::TimedOut;
    }
    auto ready = [&] { return m_cancelled || !m_shared->incoming.empty(); };
    if (timeoutMs < 0)
        m_shared->changed.wait(lock, ready);
    else if (!m_shared->changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready))
        return hvx::WaitResult::TimedOut;
    if (m_cancelled) {
        m_cancelled = false;
        return hvx::WaitResult::Cancelled;
    }
    return hvx::WaitResult::Readable;
}

void LinkFakePort::cancelWait()
{
    const std::lock_guard lock(m_shared->mutex);
    m_cancelled = true;
    m_shared->changed.notify_all();
}

qint64 LinkFakePort::bytesAvailable()
{
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->incoming.empty() ? 0 : m_shared->incoming.front().size();
}

qint64 LinkFakePort::read(quint8* buffer, qint64 maximum)
{
    const std::lock_guard lock(m_shared->mutex);
    if (m_shared->incoming.empty())
        return 0;
    QByteArray& front = m_shared->incoming.front();
    const qint64 n = std::min<qint64>(maximum, front.size());
    std::memcpy(buffer, front.constData(), size_t(n));
    front.remove(0, n);
    if (front.isEmpty())
        m_shared->incoming.pop_front();
    return n;
}

qint64 LinkFakePort::write(const quint8* data, qint64 count)
{
    const Clock::time_point begun = Clock::now();
    std::chrono::microseconds delay{0};
    {
        const std::lock_guard lock(m_shared->mutex);
        if (m_shared->writeDelay)
            delay = m_shared->writeDelay(m_shared->writes.size());
    }
    if (delay.count() > 0)
        std::this_thread::sleep_for(delay);
    const std::lock_guard lock(m_shared->mutex);
    m_shared->written.append(reinterpret_cast<const char*>(data), count);
    m_shared->writes.push_back({begun, Clock::now()});
    m_shared->changed.notify_all();
    return count;
}

bool LinkFakePort::drain()
{
    const std::lock_guard lock(m_shared->mutex);
    if (!m_shared->writes.empty())
        m_shared->writes.back().left = Clock::now();
    return true;
}

void LinkFakePort::close()
{
    const std::lock_guard lock(m_shared->mutex);
    m_shared->open = false;
    m_shared->closed = true;
}

void LinkFakePort::deliver(Shared& shared, const QByteArray& chunk)
{
    const std::lock_guard lock(shared.mutex);
    shared.incoming.push_back(chunk);
    shared.changed.notify_all();
}

} // namespace hvxtest
