#include "Protocol.h"

#include "ServiceCommands.h"

#include "model/Bestueckung.h"

#include <algorithm>
#include <array>

namespace hvxsim {
namespace {

// Noise that an instrument may put on the line before its ACK; never contains 'U'.
constexpr std::array<std::uint8_t, 4> kNoise{0x00, 0x0D, 0x0A, 0x3F};
constexpr std::uint8_t kUnknownReply = 0x3F;
constexpr std::uint8_t kOverlongFill = 0xEE;
constexpr std::chrono::milliseconds kBabbleGap{70};
constexpr std::size_t kMemoryHeaderSize = 3; // address high, address low, length

void Spoil(Reply& reply, const FaultRule& fault)
{
    auto& bytes = reply.bytes;
    switch (fault.kind) {
    case FaultKind::Delay:
        reply.extraDelay = std::chrono::milliseconds(fault.argument);
        break;
    case FaultKind::WrongChecksum:
        if (bytes.size() >= 2) {
            const auto sum = static_cast<std::uint16_t>((bytes[bytes.size() - 2] << 8 | bytes.back()) + 1);
            bytes[bytes.size() - 2] = static_cast<std::uint8_t>(sum >> 8);
            bytes.back() = static_cast<std::uint8_t>(sum & 0xFF);
        }
        break;
    case FaultKind::NackV:
        bytes = {kNack};
        break;
    case FaultKind::FatalNack:
        bytes = {kFatalNack};
        break;
    case FaultKind::UnknownReply:
        bytes = {kUnknownReply};
        break;
    case FaultKind::BytesBeforeAck:
        for (int i = 0; i < fault.argument; ++i)
            bytes.insert(bytes.begin() + i, kNoise[static_cast<std::size_t>(i) % kNoise.size()]);
        break;
    case FaultKind::Babble:
        bytes.assign(static_cast<std::size_t>(fault.argument), kNoise[1]);
        reply.byteGap = kBabbleGap;
        break;
    case FaultKind::ShortReply:
        if (!bytes.empty())
            bytes.pop_back();
        break;
    case FaultKind::OverlongReply:
        bytes.insert(bytes.end(), static_cast<std::size_t>(fault.argument), kOverlongFill);
        break;
    case FaultKind::BadAddress:
        // A data reply arrives with a wrong checksum; a write is refused with 'V'.
        if (bytes.size() >= 2) {
            FaultRule wrongChecksum;
            wrongChecksum.kind = FaultKind::WrongChecksum;
            Spoil(reply, wrongChecksum);
        } else {
            bytes = {kNack};
        }
        break;
    case FaultKind::NoAnswer:
    case FaultKind::MalformedLine:
    case FaultKind::GarbledTimestamp:
    case FaultKind::CorruptStore: // the answer stays sound; the stored data are spoilt
    case FaultKind::VanishMidLine:
        break;
    }
}

} // namespace

std::vector<std::uint8_t> WithChecksum(std::vector<std::uint8_t> block)
{
    const std::uint16_t sum = Checksum(block);
    block.push_back(static_cast<std::uint8_t>(sum >> 8));
    block.push_back(static_cast<std::uint8_t>(sum & 0xFF));
    return block;
}

bool RefusesData(const std::optional<FaultRule>& fault)
{
    return fault && (fault->kind == FaultKind::NackV || fault->kind == FaultKind::FatalNack ||
                     fault->kind == FaultKind::BadAddress);
}

bool EndsCommand(const std::optional<FaultRule>& fault)
{
    return RefusesData(fault) ||
           (fault && (fault->kind == FaultKind::UnknownReply || fault->kind == FaultKind::NoAnswer));
}

Protocol::Protocol(InstrumentState& state, FaultPlan& faults) : m_state(state), m_faults(faults) {}

const Protocol::CommandDef* Protocol::Find(std::uint8_t code)
{
    static const std::array<CommandDef, 10> kCommands{{
        {kConnect, "Connect", Pattern::Handshake, 0, nullptr, nullptr},
        {kDisconnect, "Disconnect", Pattern::Handshake, 0, nullptr, nullptr},
        {kReadConfiguration, "ReadConfiguration", Pattern::ReadBlock, kConfigurationSize, &Protocol::ConfigurationBlock, nullptr},
        {kReadParameters, "ReadParameters", Pattern::ReadBlock, kParameterPartSize, &Protocol::ParameterBlock, nullptr},
        {kWriteParameters, "WriteParameters", Pattern::WriteBlock, kParameterPartSize, nullptr, &Protocol::StoreParameters},
        {kReadDateTime, "ReadDateTime", Pattern::ReadBlock, kDateTimeSize, &Protocol::DateTimeBlock, nullptr},
        {kWriteDateTime, "WriteDateTime", Pattern::WriteBlock, kDateTimeSize, nullptr, &Protocol::StoreDateTime},
        {kWriteMemory, "WriteMemory", Pattern::WriteMemory, kMemoryHeaderSize, nullptr, nullptr},
        {kReadMemory, "ReadMemory", Pattern::ReadMemory, kMemoryHeaderSize, nullptr, nullptr},
        {kWriteServiceBlock, "WriteServiceBlock", Pattern::WriteBlock, kServiceBlockSize, nullptr, &Protocol::StoreServiceBlock},
    }};
    const auto it = std::find_if(kCommands.begin(), kCommands.end(),
                                 [code](const CommandDef& c) { return c.code == code; });
    return it == kCommands.end() ? nullptr : &*it;
}

const char* Protocol::CommandName(std::uint8_t code)
{
    const CommandDef* def = Find(code);
    return def ? def->name : "service command";
}

Reaction Protocol::Receive(std::uint8_t byte, SteadyClock::time_point at, std::chrono::milliseconds receiveTimeout)
{
    if (m_pending && at - m_lastByteAt > receiveTimeout)
        m_pending.reset();
    m_lastByteAt = at;
    return m_pending ? ContinuePayload(byte) : StartCommand(byte);
}

void Protocol::Reset()
{
    m_programming = false;
    m_parametersRead = false;
    m_pending.reset();
}

std::optional<FaultRule> Protocol::Answer(Reaction& reaction, std::vector<std::uint8_t> bytes, std::uint8_t command,
                                          ReplyKind kind, ReplyPhase phase, std::optional<MemorySpan> memory)
{
    Reply reply{std::move(bytes), {}, {}};
    const auto fault = m_faults.Take({command, kind, phase, memory});
    if (fault)
        Spoil(reply, *fault);
    if (!fault || fault->kind != FaultKind::NoAnswer)
        reaction.reply = std::move(reply);
    return fault;
}

Reaction Protocol::StartCommand(std::uint8_t byte)
{
    const CommandDef* def = Find(byte);
    if (!def)
        return RawServiceCommand(byte);
    Reaction reaction;
    reaction.command = byte;
    if (def->pattern == Pattern::Handshake)
        return Handshake(byte);
    // The programming commands are only understood between connect and disconnect.
    if (!m_programming)
        return reaction;
    if (def->pattern == Pattern::ReadBlock) {
        Answer(reaction, WithChecksum((this->*def->read)()), byte, ReplyKind::Data, ReplyPhase::Final);
        if (byte == kReadParameters)
            m_parametersRead = true;
        return reaction;
    }
    const auto fault = Answer(reaction, {kAck}, byte, ReplyKind::Acknowledgement, ReplyPhase::First);
    // The tool sends its data only after an ACK; without one the instrument waits for a new command.
    if (!EndsCommand(fault))
        m_pending = Pending{def, def->pattern == Pattern::WriteBlock ? def->size + 2 : def->size, {}};
    return reaction;
}

Reaction Protocol::Handshake(std::uint8_t code)
{
    Reaction reaction;
    reaction.command = code;
    const auto fault = Answer(reaction, {kAck}, code, ReplyKind::Acknowledgement, ReplyPhase::Final);
    if (code == kConnect) {
        // Entering programming mode ends the measured-data stream.
        m_programming = true;
        m_parametersRead = false;
        reaction.stream = StreamChange::Stop;
        return reaction;
    }
    // Leaving programming mode after the parameters were read starts the measured-data stream.
    if (m_programming && m_parametersRead && !RefusesData(fault))
        reaction.stream = StreamChange::Start;
    m_programming = false;
    m_parametersRead = false;
    return reaction;
}

Reaction Protocol::ContinuePayload(std::uint8_t byte)
{
    Pending& pending = *m_pending;
    pending.payload.push_back(byte);
    if (pending.def->pattern == Pattern::WriteMemory && pending.payload.size() == kMemoryHeaderSize)
        pending.expected = kMemoryHeaderSize + pending.payload[2] + 2;
    if (pending.payload.size() < pending.expected)
        return {};
    const Pending done = std::move(pending);
    m_pending.reset();
    return done.def->pattern == Pattern::ReadMemory ? SendMemory(done) : FinishWrite(done);
}

Reaction Protocol::FinishWrite(const Pending& pending)
{
    const std::span<const std::uint8_t> all(pending.payload);
    const auto data = all.first(all.size() - 2);
    const auto sent = BigEndian16(all, all.size() - 2);
    std::uint8_t verdict = Checksum(data) == sent ? kAck : kNack;
    const bool memory = pending.def->pattern == Pattern::WriteMemory;
    const std::size_t address = memory ? BigEndian16(data, 0) : 0;
    // The instrument takes at most 40 bytes per memory write.
    if (memory && verdict == kAck && data.size() - kMemoryHeaderSize > kMaxMemoryWrite)
        verdict = kFatalNack;

    Reaction reaction;
    const std::optional<MemorySpan> span =
        memory ? std::optional(MemorySpan{address, data.size() - kMemoryHeaderSize}) : std::nullopt;
    const auto fault =
        Answer(reaction, {verdict}, pending.def->code, ReplyKind::Acknowledgement, ReplyPhase::Final, span);
    if (verdict != kAck || RefusesData(fault))
        return reaction;
    std::vector<std::uint8_t> stored(data.begin(), data.end());
    const std::size_t first = memory ? kMemoryHeaderSize : 0;
    if (fault && fault->kind == FaultKind::CorruptStore && stored.size() > first)
        stored[first + static_cast<std::size_t>(fault->argument) % (stored.size() - first)] ^= 0x01;
    if (memory) {
        for (std::size_t i = kMemoryHeaderSize; i < stored.size(); ++i)
            m_state.WriteMemory(address + i - kMemoryHeaderSize, stored[i]);
    } else {
        (this->*pending.def->store)(stored);
    }
    return reaction;
}

Reaction Protocol::SendMemory(const Pending& pending)
{
    const std::size_t address = BigEndian16(pending.payload, 0);
    std::vector<std::uint8_t> block(pending.payload[2]);
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = m_state.ReadMemory(address + i);
    Reaction reaction;
    const MemorySpan span{address, block.size()};
    Answer(reaction, WithChecksum(std::move(block)), kReadMemory, ReplyKind::Data, ReplyPhase::Final, span);
    return reaction;
}

Reaction Protocol::RawServiceCommand(std::uint8_t byte)
{
    Reaction reaction;
    reaction.command = byte;
    Answer(reaction, ServiceCommandReply(byte, m_state, m_programming), byte, ReplyKind::Data, ReplyPhase::Final);
    return reaction;
}

std::vector<std::uint8_t> Protocol::ConfigurationBlock() const
{
    const auto part = m_state.ConfigurationPart();
    return {part.begin(), part.end()};
}

std::vector<std::uint8_t> Protocol::ParameterBlock() const
{
    const auto part = m_state.ParameterPart();
    return {part.begin(), part.end()};
}

std::vector<std::uint8_t> Protocol::DateTimeBlock() const
{
    const DateTimeBcd now = m_state.clock.Read();
    return {now.begin(), now.end()};
}

void Protocol::StoreParameters(std::span<const std::uint8_t> data)
{
    hvx::Parametersatz& ps = m_state.parameterSet;
    std::copy_n(data.begin(), kParameterPartSize, ps.parameterteil().begin());
    // The instrument takes the controller kind and the flags of each fitted module from the
    // blocks it is sent into its configuration part (module types and the revision stay). The
    // enable input has no controller: its copies stay.
    for (int slot = 0; slot < hvx::modulanzahl(ps); ++slot) {
        if (ps.modultyp(slot) == hvx::modultyp::kFreigabeOderTimer && !hvx::istTimerSlot(ps, slot))
            continue;
        ps.setReglertyp(slot, ps.modulByte(slot, hvx::modulblock::kReglertyp));
        ps.setModulflags(slot, ps.modulByte(slot, hvx::modulblock::kModulflags));
        ps.setReglerflags(slot, ps.modulByte(slot, hvx::modulblock::kReglerflags));
    }
}

void Protocol::StoreDateTime(std::span<const std::uint8_t> data)
{
    DateTimeBcd bcd{};
    std::copy_n(data.begin(), bcd.size(), bcd.begin());
    m_state.clock.Write(bcd);
}

void Protocol::StoreServiceBlock(std::span<const std::uint8_t> data)
{
    std::copy_n(data.begin(), m_state.serviceBlock.size(), m_state.serviceBlock.begin());
}

} // namespace hvxsim
