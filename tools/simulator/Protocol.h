#pragma once
// The instrument's side of the serial protocol as a byte-driven state machine: it is fed one
// received byte at a time and says what to answer. It knows nothing of time except the
// instant each byte arrived, and nothing of the transport.

#include "Faults.h"
#include "InstrumentState.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace hvxsim {

using SteadyClock = std::chrono::steady_clock;

struct Reply {
    std::vector<std::uint8_t> bytes;
    std::chrono::milliseconds extraDelay{0}; // on top of the instrument's turnaround
    std::chrono::milliseconds byteGap{0};    // pause between the bytes (a noisy line)
};

enum class StreamChange { Keep, Start, Stop };

struct Reaction {
    std::optional<Reply> reply;
    StreamChange stream = StreamChange::Keep;
    std::optional<std::uint8_t> command; // set when the byte began a command
};

class Protocol {
public:
    Protocol(InstrumentState& state, FaultPlan& faults);

    // A data phase that sees no byte for `receiveTimeout` is abandoned, so that a tool that gave
    // up half-way is understood again at its next command.
    Reaction Receive(std::uint8_t byte, SteadyClock::time_point at, std::chrono::milliseconds receiveTimeout);
    // The line went dead (port closed): leave programming mode and forget any half command.
    void Reset();

    bool InProgrammingMode() const { return m_programming; }
    // "ReadParameters", ...; "service command" for bytes outside the command set.
    static const char* CommandName(std::uint8_t code);
    bool AwaitingData() const { return m_pending.has_value(); }

private:
    enum class Pattern { Handshake, ReadBlock, WriteBlock, ReadMemory, WriteMemory };
    using ReadFn = std::vector<std::uint8_t> (Protocol::*)() const;
    using StoreFn = void (Protocol::*)(std::span<const std::uint8_t>);
    struct CommandDef {
        std::uint8_t code;
        const char* name;
        Pattern pattern;
        std::size_t size; // data bytes of a block (reply of a read, payload of a write)
        ReadFn read;
        StoreFn store;
    };
    struct Pending {
        const CommandDef* def;
        std::size_t expected;
        std::vector<std::uint8_t> payload;
    };

    static const CommandDef* Find(std::uint8_t code);

    Reaction StartCommand(std::uint8_t byte);
    Reaction Handshake(std::uint8_t code);
    Reaction ContinuePayload(std::uint8_t byte);
    Reaction FinishWrite(const Pending& pending);
    Reaction SendMemory(const Pending& pending);
    Reaction RawServiceCommand(std::uint8_t byte);
    // Builds the reply and spoils it when a fault rule asks for it; the fault applied is returned.
    std::optional<FaultRule> Answer(Reaction& reaction, std::vector<std::uint8_t> bytes, std::uint8_t command,
                                    ReplyKind kind, ReplyPhase phase, std::optional<MemorySpan> memory = std::nullopt);

    std::vector<std::uint8_t> ConfigurationBlock() const;
    std::vector<std::uint8_t> ParameterBlock() const;
    std::vector<std::uint8_t> DateTimeBlock() const;
    void StoreParameters(std::span<const std::uint8_t> data);
    void StoreDateTime(std::span<const std::uint8_t> data);
    void StoreServiceBlock(std::span<const std::uint8_t> data);

    InstrumentState& m_state;
    FaultPlan& m_faults;
    bool m_programming = false;
    bool m_parametersRead = false;
    std::optional<Pending> m_pending;
    SteadyClock::time_point m_lastByteAt{};
};

// The block followed by its checksum, high byte first.
std::vector<std::uint8_t> WithChecksum(std::vector<std::uint8_t> block);
// Whether a fault turns the instrument's acceptance into a refusal ('V' or 0xFF: data not taken).
bool RefusesData(const std::optional<FaultRule>& fault);
// Whether a fault on the first ACK of a two-phase command leaves the tool without an ACK.
bool EndsCommand(const std::optional<FaultRule>& fault);

} // namespace hvxsim
