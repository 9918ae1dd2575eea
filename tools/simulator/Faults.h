#pragma once
// Deliberate misbehaviour of the simulated instrument. A rule names a fault, optionally the
// command whose reply it spoils and how many replies in a row; rules are used up in the order
// they were added.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace hvxsim {

enum class FaultKind {
    NoAnswer,          // the reply is not sent
    Delay,             // the reply leaves `argument` ms late
    WrongChecksum,     // a data reply carries its checksum plus one
    NackV,             // an acknowledgement becomes 'V'
    FatalNack,         // an acknowledgement becomes 0xFF
    UnknownReply,      // an acknowledgement becomes '?' (0x3F)
    BytesBeforeAck,    // `argument` bytes of noise precede an acknowledgement
    ShortReply,        // a data reply lacks its last byte
    OverlongReply,     // `argument` extra bytes follow a reply
    MalformedLine,     // a measured-data line lacks one field
    GarbledTimestamp,  // a measured-data line has an unreadable time stamp
    BadAddress,        // a memory read or write that covers address `argument` fails
    CorruptStore,      // a write is acknowledged with 'U', but data byte `argument` is stored with bit 0 flipped
    VanishMidLine,     // the instrument sends half a measured-data line, then the line goes dead
    Babble,            // instead of an acknowledgement, `argument` noise bytes 70 ms apart
};

// What kind of reply is about to leave; decides which faults can apply to it.
enum class ReplyKind { Acknowledgement, Data, MeasuredLine };
// Commands that receive data after their command byte answer twice: first the ACK of the
// command byte, then the final answer to the data.
enum class ReplyPhase { First, Final };

struct FaultRule {
    FaultKind kind = FaultKind::NoAnswer;
    std::optional<std::uint8_t> command; // none: the next reply the fault can apply to
    int count = 1;                       // replies affected; negative: every one from now on
    int argument = 0;                    // ms for Delay, bytes for BytesBeforeAck/OverlongReply
    ReplyPhase phase = ReplyPhase::Final;
};

// The addresses a memory command touches.
struct MemorySpan {
    std::size_t first = 0;
    std::size_t count = 0;
    bool Covers(std::size_t address) const { return address >= first && address < first + count; }
};

struct ReplyContext {
    ReplyContext(std::optional<std::uint8_t> command_, ReplyKind kind_, ReplyPhase phase_,
                 std::optional<MemorySpan> memory_ = std::nullopt)
        : command(command_), kind(kind_), phase(phase_), memory(memory_) {}

    std::optional<std::uint8_t> command; // none for measured-data lines
    ReplyKind kind = ReplyKind::Data;
    ReplyPhase phase = ReplyPhase::Final;
    std::optional<MemorySpan> memory;    // the final reply of a memory read or write
};

class FaultPlan {
public:
    void Add(const FaultRule& rule);
    void Clear() { m_rules.clear(); }
    bool Empty() const { return m_rules.empty(); }
    const std::vector<FaultRule>& Rules() const { return m_rules; }
    // The first rule that fits the reply, used up by one; nothing when the reply stays sound.
    std::optional<FaultRule> Take(const ReplyContext& reply);

private:
    std::vector<FaultRule> m_rules;
};

bool FaultApplies(FaultKind kind, ReplyKind reply);
// Argument used when a rule gives none (0).
int DefaultArgument(FaultKind kind);

// Text form, as on the command line: KIND[:COMMAND[:COUNT[:ARGUMENT]]][@ack]
// e.g. "nack-v:0x14", "delay:0x13:1:1500", "no-answer:0x14@ack", "garbled-timestamp::3",
// "bad-address:0x18:-1:0x123" (every read covering 0x123 fails).
std::optional<FaultRule> ParseFaultRule(const std::string& text, std::string* error);
// The text form of a rule, as ParseFaultRule reads it.
std::string DescribeFaultRule(const FaultRule& rule);
std::string FaultKindNames(); // the accepted KIND names, comma separated

} // namespace hvxsim
