// Each injected fault spoils exactly the reply it is meant for, as often as asked, and the
// instrument keeps or refuses the data accordingly.

#include "SimFixture.h"

using namespace simtest;
using namespace hvxsim;

namespace {

FaultRule Rule(FaultKind kind, std::optional<std::uint8_t> command, int count = 1, int argument = 0,
               ReplyPhase phase = ReplyPhase::Final)
{
    return FaultRule{kind, command, count, argument, phase};
}

} // namespace

class SimFaultTest : public SimPtyTest {
protected:
    // Sends a parameter block after the ACK and returns the final answer.
    Bytes WriteParameters(const Bytes& block)
    {
        EXPECT_EQ(client.Transact({kWriteParameters}, 1), Bytes{kAck});
        return client.Transact(WithSum(block), 1);
    }
    const Bytes newBlock = Bytes(512, 0x42);
};

TEST_F(SimFaultTest, NoAnswerSilencesOnlyTheCountedReplies)
{
    instrument->AddFault(Rule(FaultKind::NoAnswer, kConnect, 2));
    EXPECT_TRUE(client.Transact({kConnect}, 1, 300ms).empty());
    EXPECT_TRUE(client.Transact({kConnect}, 1, 300ms).empty());
    EXPECT_EQ(client.Transact({kConnect}, 1), Bytes{kAck});
    EXPECT_TRUE(instrument->PendingFaults().empty());
}

TEST_F(SimFaultTest, FaultForOneCommandLeavesOthersAlone)
{
    instrument->AddFault(Rule(FaultKind::NackV, kWriteParameters));
    Connect();
    EXPECT_EQ(client.Transact({kReadConfiguration}, 48).size(), 48u);
    EXPECT_EQ(WriteParameters(newBlock), Bytes{kNack});
    EXPECT_EQ(WriteParameters(newBlock), Bytes{kAck}) << "used up after one reply";
}

TEST_F(SimFaultTest, PermanentRuleSpoilsEveryReply)
{
    instrument->AddFault(Rule(FaultKind::WrongChecksum, kReadConfiguration, -1));
    Connect();
    for (int i = 0; i < 3; ++i) {
        const Bytes reply = client.Transact({kReadConfiguration}, 48);
        ASSERT_EQ(reply.size(), 48u);
        EXPECT_EQ(reply[46] * 256 + reply[47], (SumOf(reply, 0, 46) + 1) % 65536);
    }
}

TEST_F(SimFaultTest, DelayHoldsTheReplyBack)
{
    instrument->AddFault(Rule(FaultKind::Delay, kReadConfiguration, 1, 400));
    Connect();
    const auto start = SteadyClock::now();
    client.Send({kReadConfiguration});
    EXPECT_TRUE(client.Read(1, 250ms).empty());
    const Bytes reply = client.Read(48, 2000ms);
    EXPECT_EQ(reply.size(), 48u);
    EXPECT_GE(SteadyClock::now() - start, 400ms);
}

TEST_F(SimFaultTest, WrongChecksumKeepsTheDataRight)
{
    instrument->AddFault(Rule(FaultKind::WrongChecksum, kReadParameters));
    Connect();
    const Bytes reply = client.Transact({kReadParameters}, 514);
    ASSERT_EQ(reply.size(), 514u);
    EXPECT_EQ(Bytes(reply.begin(), reply.begin() + 512), ParameterPart());
    EXPECT_NE(reply[512] * 256 + reply[513], SumOf(reply, 0, 512));
}

TEST_F(SimFaultTest, NacksRefuseTheDataAndUnknownReplyKeepsIt)
{
    const Bytes original = ParameterPart();
    Connect();
    instrument->AddFault(Rule(FaultKind::NackV, kWriteParameters));
    EXPECT_EQ(WriteParameters(newBlock), Bytes{kNack});
    EXPECT_EQ(ParameterPart(), original);

    instrument->AddFault(Rule(FaultKind::FatalNack, kWriteParameters));
    EXPECT_EQ(WriteParameters(newBlock), Bytes{kFatalNack});
    EXPECT_EQ(ParameterPart(), original);

    instrument->AddFault(Rule(FaultKind::UnknownReply, kWriteParameters));
    const Bytes unknown = WriteParameters(newBlock);
    ASSERT_EQ(unknown.size(), 1u);
    EXPECT_NE(unknown[0], kAck);
    EXPECT_NE(unknown[0], kNack);
    EXPECT_NE(unknown[0], kFatalNack);
    EXPECT_EQ(ParameterPart(), newBlock);
}

TEST_F(SimFaultTest, FaultOnTheFirstAckKeepsTheInstrumentWaitingForCommands)
{
    Connect();
    instrument->AddFault(Rule(FaultKind::NackV, kWriteParameters, 1, 0, ReplyPhase::First));
    EXPECT_EQ(client.Transact({kWriteParameters}, 1), Bytes{kNack});
    // Without an ACK the tool sends no data; the next byte is a command again.
    EXPECT_EQ(client.Transact({kReadConfiguration}, 48).size(), 48u);

    instrument->AddFault(Rule(FaultKind::NoAnswer, kWriteDateTime, 1, 0, ReplyPhase::First));
    EXPECT_TRUE(client.Transact({kWriteDateTime}, 1, 200ms).empty());
    EXPECT_EQ(client.Transact({kReadDateTime}, 9).size(), 9u);
}

TEST_F(SimFaultTest, BytesBeforeAckEndInTheAck)
{
    instrument->AddFault(Rule(FaultKind::BytesBeforeAck, kConnect, 1, 3));
    client.Send({kConnect});
    const Bytes reply = client.ReadUntilQuiet();
    ASSERT_EQ(reply.size(), 4u);
    EXPECT_EQ(reply.back(), kAck);
    EXPECT_EQ(std::count(reply.begin(), reply.end(), kAck), 1);
}

TEST_F(SimFaultTest, ShortAndOverlongReplies)
{
    Connect();
    instrument->AddFault(Rule(FaultKind::ShortReply, kReadConfiguration));
    client.Send({kReadConfiguration});
    EXPECT_EQ(client.ReadUntilQuiet().size(), 47u);

    // More than the tool's 1000-byte receive buffer in one answer.
    instrument->AddFault(Rule(FaultKind::OverlongReply, kReadParameters, 1, 600));
    client.Send({kReadParameters});
    const Bytes overlong = client.ReadUntilQuiet();
    ASSERT_EQ(overlong.size(), 514u + 600u);
    EXPECT_EQ(Bytes(overlong.begin(), overlong.begin() + 512), ParameterPart());

    instrument->AddFault(Rule(FaultKind::OverlongReply, kDisconnect));
    client.Send({kDisconnect});
    const Bytes handshake = client.ReadUntilQuiet();
    ASSERT_EQ(handshake.size(), 2u);
    EXPECT_EQ(handshake.front(), kAck);
}

TEST_F(SimFaultTest, RuleWithoutCommandHitsTheNextReplyItFits)
{
    instrument->AddFault(Rule(FaultKind::ShortReply, std::nullopt));
    Connect(); // an acknowledgement cannot be one byte short
    client.Send({kReadDateTime});
    EXPECT_EQ(client.ReadUntilQuiet().size(), 8u);
}

TEST_F(SimFaultTest, WriteMemoryAndReadMemoryFaults)
{
    Connect();
    instrument->AddFault(Rule(FaultKind::NackV, kWriteMemory));
    ASSERT_EQ(client.Transact({kWriteMemory}, 1), Bytes{kAck});
    EXPECT_EQ(client.Transact(WithSum({0x00, 0x10, 1, 0x77}), 1), Bytes{kNack});
    EXPECT_EQ(instrument->State().eeprom[0x10], 0xFF);

    instrument->AddFault(Rule(FaultKind::WrongChecksum, kReadMemory));
    ASSERT_EQ(client.Transact({kReadMemory}, 1), Bytes{kAck});
    const Bytes reply = client.Transact({0x03, 0x00, 1}, 3);
    ASSERT_EQ(reply.size(), 3u);
    EXPECT_NE(reply[1] * 256 + reply[2], reply[0]);
}

TEST_F(SimFaultTest, CorruptStoreAcknowledgesButKeepsOneByteFlipped)
{
    Connect();
    std::string error;
    const auto rule = ParseFaultRule("corrupt-store:0x14", &error);
    ASSERT_TRUE(rule) << error;
    instrument->AddFault(*rule);
    EXPECT_EQ(WriteParameters(newBlock), Bytes{kAck}) << "the instrument claims success";
    Bytes expected = newBlock;
    expected[65] ^= 0x01; // the default byte: low byte of module 1's set point
    EXPECT_EQ(ParameterPart(), expected);

    instrument->AddFault(Rule(FaultKind::CorruptStore, kWriteParameters, 1, 600));
    EXPECT_EQ(WriteParameters(newBlock), Bytes{kAck});
    expected = newBlock;
    expected[600 % 512] ^= 0x01; // an offset beyond the block wraps around
    EXPECT_EQ(ParameterPart(), expected);

    EXPECT_EQ(WriteParameters(newBlock), Bytes{kAck});
    EXPECT_EQ(ParameterPart(), newBlock) << "used up after one write";
}
