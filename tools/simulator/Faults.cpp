#include "Faults.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <sstream>

namespace hvxsim {
namespace {

constexpr int kCorruptStoreDefaultOffset = 65;

struct FaultInfo {
    FaultKind kind;
    const char* name;
    ReplyKind target;      // the reply kind it spoils
    bool anyReply;         // it can spoil any reply of the instrument
    int defaultArgument;
};

constexpr std::array kFaults{
    FaultInfo{FaultKind::NoAnswer, "no-answer", ReplyKind::Data, true, 0},
    FaultInfo{FaultKind::Delay, "delay", ReplyKind::Data, true, 1500},
    FaultInfo{FaultKind::WrongChecksum, "wrong-checksum", ReplyKind::Data, false, 0},
    FaultInfo{FaultKind::NackV, "nack-v", ReplyKind::Acknowledgement, false, 0},
    FaultInfo{FaultKind::FatalNack, "fatal-nack", ReplyKind::Acknowledgement, false, 0},
    FaultInfo{FaultKind::UnknownReply, "unknown-reply", ReplyKind::Acknowledgement, false, 0},
    FaultInfo{FaultKind::BytesBeforeAck, "bytes-before-ack", ReplyKind::Acknowledgement, false, 2},
    FaultInfo{FaultKind::ShortReply, "short-reply", ReplyKind::Data, false, 0},
    FaultInfo{FaultKind::OverlongReply, "overlong-reply", ReplyKind::Data, true, 1},
    FaultInfo{FaultKind::MalformedLine, "malformed-line", ReplyKind::MeasuredLine, false, 0},
    FaultInfo{FaultKind::GarbledTimestamp, "garbled-timestamp", ReplyKind::MeasuredLine, false, 0},
    FaultInfo{FaultKind::BadAddress, "bad-address", ReplyKind::Data, true, 0},
    // Default: the low byte of module 1's set point in the parameter part.
    FaultInfo{FaultKind::CorruptStore, "corrupt-store", ReplyKind::Acknowledgement, false, kCorruptStoreDefaultOffset},
    FaultInfo{FaultKind::VanishMidLine, "vanish-mid-line", ReplyKind::MeasuredLine, false, 0},
    FaultInfo{FaultKind::Babble, "babble", ReplyKind::Acknowledgement, false, 100},
};

const FaultInfo& InfoOf(FaultKind kind)
{
    return *std::find_if(kFaults.begin(), kFaults.end(), [kind](const FaultInfo& f) { return f.kind == kind; });
}

bool RuleFits(const FaultRule& rule, const ReplyContext& reply)
{
    if (rule.count == 0 || !FaultApplies(rule.kind, reply.kind))
        return false;
    if (reply.kind == ReplyKind::MeasuredLine)
        return true;
    if (rule.command && rule.command != reply.command)
        return false;
    // A bad address spoils only the memory commands that touch it.
    if (rule.kind == FaultKind::BadAddress &&
        !(reply.memory && reply.memory->Covers(static_cast<std::size_t>(rule.argument))))
        return false;
    return rule.phase == reply.phase;
}

std::optional<int> ParseNumber(const std::string& text)
{
    int base = 10;
    std::string digits = text;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits = digits.substr(2);
    }
    int value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (ec != std::errc() || end != digits.data() + digits.size() || digits.empty())
        return std::nullopt;
    return value;
}

std::vector<std::string> SplitAt(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, separator))
        parts.push_back(part);
    if (!text.empty() && text.back() == separator)
        parts.emplace_back();
    return parts;
}

} // namespace

void FaultPlan::Add(const FaultRule& rule)
{
    if (rule.count != 0)
        m_rules.push_back(rule);
}

std::optional<FaultRule> FaultPlan::Take(const ReplyContext& reply)
{
    for (auto it = m_rules.begin(); it != m_rules.end(); ++it) {
        if (!RuleFits(*it, reply))
            continue;
        FaultRule taken = *it;
        if (taken.argument == 0 && taken.kind != FaultKind::BadAddress)
            taken.argument = DefaultArgument(taken.kind);
        if (it->count > 0 && --it->count == 0)
            m_rules.erase(it);
        return taken;
    }
    return std::nullopt;
}

bool FaultApplies(FaultKind kind, ReplyKind reply)
{
    const FaultInfo& info = InfoOf(kind);
    if (reply == ReplyKind::MeasuredLine || info.target == ReplyKind::MeasuredLine)
        return info.target == reply;
    return info.anyReply || info.target == reply;
}

int DefaultArgument(FaultKind kind)
{
    return InfoOf(kind).defaultArgument;
}

std::optional<FaultRule> ParseFaultRule(const std::string& text, std::string* error)
{
    auto fail = [error, &text](const std::string& why) -> std::optional<FaultRule> {
        if (error)
            *error = "fault \"" + text + "\": " + why;
        return std::nullopt;
    };
    FaultRule rule;
    std::string body = text;
    if (const auto at = body.find('@'); at != std::string::npos) {
        const std::string phase = body.substr(at + 1);
        if (phase == "ack")
            rule.phase = ReplyPhase::First;
        else if (phase != "final")
            return fail("phase must be \"ack\" or \"final\"");
        body.resize(at);
    }
    const std::vector<std::string> parts = SplitAt(body, ':');
    if (parts.empty() || parts.size() > 4)
        return fail("expected KIND[:COMMAND[:COUNT[:ARGUMENT]]]");
    const auto info = std::find_if(kFaults.begin(), kFaults.end(),
                                   [&](const FaultInfo& f) { return parts[0] == f.name; });
    if (info == kFaults.end())
        return fail("unknown kind; known: " + FaultKindNames());
    rule.kind = info->kind;
    if (parts.size() > 1 && !parts[1].empty()) {
        const auto command = ParseNumber(parts[1]);
        if (!command || *command < 0 || *command > 0xFF)
            return fail("command must be a byte, e.g. 0x14");
        rule.command = static_cast<std::uint8_t>(*command);
    }
    if (parts.size() > 2 && !parts[2].empty()) {
        const auto count = ParseNumber(parts[2]);
        if (!count || *count == 0)
            return fail("count must be a non-zero number (negative: always)");
        rule.count = *count;
    }
    if (parts.size() > 3 && !parts[3].empty()) {
        const auto argument = ParseNumber(parts[3]);
        if (!argument || *argument < 0)
            return fail("argument must be a number of ms or bytes");
        rule.argument = *argument;
    }
    return rule;
}

std::string DescribeFaultRule(const FaultRule& rule)
{
    char command[8] = "";
    if (rule.command)
        std::snprintf(command, sizeof command, "0x%02X", *rule.command);
    std::string text = std::string(InfoOf(rule.kind).name) + ":" + command + ":" + std::to_string(rule.count);
    if (rule.argument != 0)
        text += ":" + std::to_string(rule.argument);
    if (rule.phase == ReplyPhase::First)
        text += "@ack";
    return text;
}

std::string FaultKindNames()
{
    std::string names;
    for (const FaultInfo& f : kFaults)
        names += (names.empty() ? "" : ", ") + std::string(f.name);
    return names;
}

} // namespace hvxsim
