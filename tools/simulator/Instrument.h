#pragma once
// The simulated instrument: its state, the protocol machine, the faults to inject and a sender
// thread that puts the answers on the line at line rate and streams measured-data lines.
// Transport-independent and thread-safe: a transport feeds received bytes in with Receive()
// and gets the instrument's bytes through the output sink.

#include "Faults.h"
#include "InstrumentState.h"
#include "Protocol.h"
#include "Timing.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <thread>
#include <vector>

namespace hvxsim {

struct ReceivedByte {
    std::uint8_t value;
    SteadyClock::time_point at;
};

using ByteSink = std::function<void(std::span<const std::uint8_t>)>;
using TraceSink = std::function<void(const std::string&)>;

class Instrument {
public:
    explicit Instrument(InstrumentState state = {}, Timing timing = {});
    ~Instrument();
    Instrument(const Instrument&) = delete;
    Instrument& operator=(const Instrument&) = delete;

    // --- transport side ---
    // The sink is called from the sender thread, never while the instrument's lock is held.
    // Replacing it waits until a running call has returned, so the old sink may be torn down after.
    void SetOutput(ByteSink sink);
    void Receive(std::span<const std::uint8_t> bytes, SteadyClock::time_point at = SteadyClock::now());
    // The line went dead (the port was closed): stop streaming, drop queued output, forget half commands.
    void LineDropped();

    // --- set-up ---
    void SetTiming(const Timing& timing);
    Timing GetTiming() const;
    void AddFault(const FaultRule& rule);
    void ClearFaults();
    std::vector<FaultRule> PendingFaults() const;
    InstrumentState State() const;
    void SetState(const InstrumentState& state);
    void ModifyState(const std::function<void(InstrumentState&)>& change);
    void SetTrace(TraceSink trace);
    // Called from the sender thread once the half line of a VanishMidLine fault has left; the
    // transport then drops the line as a removed device would. The instrument stops streaming.
    void SetVanish(std::function<void()> vanish);
    // Puts this many measured-data lines on the line in one piece, as a USB adapter that held
    // them back delivers them, or as a reader finds them after it was stopped for a while.
    void SendBurst(unsigned lines);
    // Whether received bytes are kept for inspection (on by default). A long-running instrument
    // that nobody inspects turns it off so that the record does not grow without end.
    void SetRecording(bool on);

    // --- inspection ---
    std::vector<ReceivedByte> Received() const;
    std::vector<std::uint8_t> ReceivedBytes() const;
    void ClearReceived();
    bool WaitForReceived(std::size_t count, std::chrono::milliseconds timeout) const;
    // Waits until every queued answer has left (measured-data lines not counted as pending).
    bool WaitUntilSent(std::chrono::milliseconds timeout) const;
    bool InProgrammingMode() const;
    bool IsStreaming() const;
    unsigned LinesSent() const;
    std::size_t BytesSent() const;

private:
    struct Outgoing {
        std::vector<std::uint8_t> bytes;
        SteadyClock::time_point notBefore;
        SteadyClock::time_point start{};
        bool started = false;
        std::size_t sent = 0;
        bool atOnce = false; // all bytes in one piece, not at line rate
    };

    void Run();
    void EnqueueReply(const Reply& reply, SteadyClock::time_point notBefore);
    void Enqueue(std::vector<std::uint8_t> bytes, SteadyClock::time_point notBefore);
    void ChangeStream(StreamChange change, SteadyClock::time_point now);
    std::chrono::milliseconds StreamPeriod() const;
    SteadyClock::time_point DueTime(const Outgoing& out, std::size_t index) const;
    // Sends what is due of the first queued answer; returns the time to wake for the next byte.
    SteadyClock::time_point SendDue(std::unique_lock<std::mutex>& lock);
    void Trace(std::unique_lock<std::mutex>& lock, const std::string& text);
    void Vanish(std::unique_lock<std::mutex>& lock);

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    InstrumentState m_state;
    Timing m_timing;
    FaultPlan m_faults;
    Protocol m_protocol;
    ByteSink m_output;
    TraceSink m_trace;
    bool m_writing = false;
    std::deque<Outgoing> m_queue;
    SteadyClock::time_point m_lineFreeAt{};
    bool m_streaming = false;
    SteadyClock::time_point m_nextLine{};
    unsigned m_linesSent = 0;
    std::size_t m_bytesSent = 0;
    std::vector<ReceivedByte> m_received;
    bool m_recording = true;
    bool m_vanishPending = false;
    std::function<void()> m_vanish;
    bool m_stopping = false;
    std::thread m_sender;
};

} // namespace hvxsim
