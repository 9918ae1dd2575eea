#include "Instrument.h"

#include "MeasuredData.h"

#include <algorithm>
#include <cstdio>

namespace hvxsim {

Instrument::Instrument(InstrumentState state, Timing timing)
    : m_state(std::move(state)), m_timing(timing), m_protocol(m_state, m_faults)
{
    m_sender = std::thread([this] { Run(); });
}

Instrument::~Instrument()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_sender.join();
}

void Instrument::SetOutput(ByteSink sink)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_writing; });
    m_output = std::move(sink);
}

void Instrument::Receive(std::span<const std::uint8_t> bytes, SteadyClock::time_point at)
{
    std::unique_lock lock(m_mutex);
    for (std::uint8_t byte : bytes) {
        if (m_recording)
            m_received.push_back({byte, at});
        const Reaction reaction = m_protocol.Receive(byte, at, m_timing.receiveTimeout);
        if (reaction.command && m_trace) {
            char text[64];
            std::snprintf(text, sizeof text, "<- 0x%02X %s", *reaction.command, Protocol::CommandName(*reaction.command));
            Trace(lock, text);
        }
        if (reaction.reply)
            EnqueueReply(*reaction.reply, at + m_timing.turnaround + reaction.reply->extraDelay);
        ChangeStream(reaction.stream, at);
    }
    m_changed.notify_all();
}

void Instrument::LineDropped()
{
    std::lock_guard lock(m_mutex);
    m_protocol.Reset();
    m_queue.clear();
    m_streaming = false;
    m_changed.notify_all();
}

void Instrument::EnqueueReply(const Reply& reply, SteadyClock::time_point notBefore)
{
    if (reply.byteGap.count() == 0) {
        Enqueue(reply.bytes, notBefore);
        return;
    }
    for (std::size_t i = 0; i < reply.bytes.size(); ++i)
        Enqueue({reply.bytes[i]}, notBefore + reply.byteGap * static_cast<int>(i));
}

void Instrument::Enqueue(std::vector<std::uint8_t> bytes, SteadyClock::time_point notBefore)
{
    if (!bytes.empty())
        m_queue.push_back({std::move(bytes), notBefore});
}

std::chrono::milliseconds Instrument::StreamPeriod() const
{
    if (m_timing.measuredDataPeriod.count() > 0)
        return m_timing.measuredDataPeriod;
    const std::uint8_t interval = m_state.MeasuredDataInterval();
    if (interval == 0 || interval == kIntervalOff || interval == kIntervalProfibus)
        return std::chrono::milliseconds(0);
    return std::chrono::seconds(interval);
}

void Instrument::ChangeStream(StreamChange change, SteadyClock::time_point now)
{
    if (change == StreamChange::Stop)
        m_streaming = false;
    if (change != StreamChange::Start)
        return;
    const auto period = StreamPeriod();
    m_streaming = period.count() > 0;
    m_nextLine = now + period;
}

SteadyClock::time_point Instrument::DueTime(const Outgoing& out, std::size_t index) const
{
    // A byte has arrived once its ten bits have gone over the line.
    if (!m_timing.lineRate || out.atOnce)
        return out.start;
    return out.start + m_timing.byteTime * static_cast<long>(index + 1);
}

SteadyClock::time_point Instrument::SendDue(std::unique_lock<std::mutex>& lock)
{
    Outgoing& out = m_queue.front();
    if (!out.started) {
        out.start = std::max(out.notBefore, m_lineFreeAt);
        out.started = true;
    }
    const auto now = SteadyClock::now();
    std::size_t due = out.sent;
    while (due < out.bytes.size() && DueTime(out, due) <= now)
        ++due;
    if (due == out.sent)
        return DueTime(out, out.sent);

    std::vector<std::uint8_t> chunk(out.bytes.begin() + static_cast<long>(out.sent), out.bytes.begin() + static_cast<long>(due));
    out.sent = due;
    if (due == out.bytes.size()) {
        m_lineFreeAt = DueTime(out, due - 1);
        m_queue.pop_front();
    }
    ByteSink output = m_output;
    m_writing = true;
    lock.unlock();
    if (output)
        output(chunk);
    lock.lock();
    m_writing = false;
    m_bytesSent += chunk.size();
    m_changed.notify_all();
    return now;
}

void Instrument::Run()
{
    std::unique_lock lock(m_mutex);
    while (!m_stopping) {
        if (!m_queue.empty()) {
            const auto wake = SendDue(lock);
            if (m_queue.empty() && m_vanishPending)
                Vanish(lock);
            else if (wake > SteadyClock::now())
                m_changed.wait_until(lock, wake);
            continue;
        }
        if (m_streaming) {
            if (SteadyClock::now() < m_nextLine) {
                m_changed.wait_until(lock, m_nextLine);
                continue;
            }
            const auto fault = m_faults.Take({std::nullopt, ReplyKind::MeasuredLine, ReplyPhase::Final});
            const std::string line = MeasuredDataLine(m_state, m_linesSent++, fault ? std::optional(fault->kind) : std::nullopt);
            if (fault && fault->kind == FaultKind::VanishMidLine) {
                m_vanishPending = true;
                m_streaming = false;
            }
            Enqueue({line.begin(), line.end()}, m_nextLine);
            // Absolute deadlines: a late wake-up does not shift the following lines.
            m_nextLine += StreamPeriod();
            continue;
        }
        m_changed.wait(lock);
    }
}

void Instrument::SendBurst(unsigned lines)
{
    std::lock_guard lock(m_mutex);
    Outgoing burst{{}, SteadyClock::now()};
    burst.atOnce = true;
    for (unsigned i = 0; i < lines; ++i) {
        const std::string line = MeasuredDataLine(m_state, m_linesSent++);
        burst.bytes.insert(burst.bytes.end(), line.begin(), line.end());
    }
    if (!burst.bytes.empty())
        m_queue.push_back(std::move(burst));
    m_changed.notify_all();
}

void Instrument::Trace(std::unique_lock<std::mutex>& lock, const std::string& text)
{
    TraceSink trace = m_trace;
    lock.unlock();
    trace(text);
    lock.lock();
}

void Instrument::SetVanish(std::function<void()> vanish)
{
    std::lock_guard lock(m_mutex);
    m_vanish = std::move(vanish);
}

void Instrument::Vanish(std::unique_lock<std::mutex>& lock)
{
    m_vanishPending = false;
    const auto vanish = m_vanish;
    if (!vanish)
        return;
    lock.unlock();
    vanish();
    lock.lock();
}

void Instrument::SetRecording(bool on)
{
    std::lock_guard lock(m_mutex);
    m_recording = on;
}

void Instrument::SetTiming(const Timing& timing)
{
    std::lock_guard lock(m_mutex);
    m_timing = timing;
    m_changed.notify_all();
}

Timing Instrument::GetTiming() const
{
    std::lock_guard lock(m_mutex);
    return m_timing;
}

void Instrument::AddFault(const FaultRule& rule)
{
    std::lock_guard lock(m_mutex);
    m_faults.Add(rule);
}

void Instrument::ClearFaults()
{
    std::lock_guard lock(m_mutex);
    m_faults.Clear();
}

std::vector<FaultRule> Instrument::PendingFaults() const
{
    std::lock_guard lock(m_mutex);
    return m_faults.Rules();
}

InstrumentState Instrument::State() const
{
    std::lock_guard lock(m_mutex);
    return m_state;
}

void Instrument::SetState(const InstrumentState& state)
{
    std::lock_guard lock(m_mutex);
    m_state = state;
}

void Instrument::ModifyState(const std::function<void(InstrumentState&)>& change)
{
    std::lock_guard lock(m_mutex);
    change(m_state);
}

void Instrument::SetTrace(TraceSink trace)
{
    std::lock_guard lock(m_mutex);
    m_trace = std::move(trace);
}

std::vector<ReceivedByte> Instrument::Received() const
{
    std::lock_guard lock(m_mutex);
    return m_received;
}

std::vector<std::uint8_t> Instrument::ReceivedBytes() const
{
    std::lock_guard lock(m_mutex);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(m_received.size());
    for (const ReceivedByte& r : m_received)
        bytes.push_back(r.value);
    return bytes;
}

void Instrument::ClearReceived()
{
    std::lock_guard lock(m_mutex);
    m_received.clear();
}

bool Instrument::WaitForReceived(std::size_t count, std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [&] { return m_received.size() >= count; });
}

bool Instrument::WaitUntilSent(std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, timeout, [&] { return m_queue.empty() && !m_writing; });
}

bool Instrument::InProgrammingMode() const
{
    std::lock_guard lock(m_mutex);
    return m_protocol.InProgrammingMode();
}

bool Instrument::IsStreaming() const
{
    std::lock_guard lock(m_mutex);
    return m_streaming;
}

unsigned Instrument::LinesSent() const
{
    std::lock_guard lock(m_mutex);
    return m_linesSent;
}

std::size_t Instrument::BytesSent() const
{
    std::lock_guard lock(m_mutex);
    return m_bytesSent;
}

} // namespace hvxsim
