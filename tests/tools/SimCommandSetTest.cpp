// Every command of the instrument over a real pseudo-terminal: reply bytes, lengths, checksums
// and what the instrument keeps.

#include "SimFixture.h"

#include "DeviceClock.h"

#include <QDateTime>
#include <algorithm>
#include <thread>

using namespace simtest;
using namespace hvxsim;

namespace {

Bytes Config(const InstrumentState& state)
{
    const auto part = state.ConfigurationPart();
    return {part.begin(), part.end()};
}

} // namespace

TEST_F(SimPtyTest, HandshakesAnswerAckAndSwitchProgrammingMode)
{
    EXPECT_FALSE(instrument->InProgrammingMode());
    EXPECT_EQ(client.Transact({kConnect}, 1), Bytes{kAck});
    EXPECT_TRUE(instrument->InProgrammingMode());
    EXPECT_EQ(client.Transact({kDisconnect}, 1), Bytes{kAck});
    EXPECT_FALSE(instrument->InProgrammingMode());
    EXPECT_TRUE(client.ReadUntilQuiet(50ms, 200ms).empty()) << "nothing follows a handshake";
}

TEST_F(SimPtyTest, ReadBlocksCarryTheirDataAndABigEndianChecksum)
{
    Connect();
    const Bytes config = client.Transact({kReadConfiguration}, kConfigurationSize + 2);
    ASSERT_EQ(config.size(), kConfigurationSize + 2);
    EXPECT_EQ(Bytes(config.begin(), config.begin() + 46), Config(instrument->State()));
    EXPECT_EQ(config[46] * 256 + config[47], SumOf(config, 0, 46));
    EXPECT_EQ(config[0], 0x13) << "byte 0 is the revision";
    EXPECT_EQ(config[2], 1);
    EXPECT_EQ(config[6], 7);
    EXPECT_EQ(config[10], 2);

    const Bytes parameters = client.Transact({kReadParameters}, kParameterPartSize + 2);
    ASSERT_EQ(parameters.size(), kParameterPartSize + 2);
    EXPECT_EQ(Bytes(parameters.begin(), parameters.begin() + 512), ParameterPart());
    EXPECT_EQ(parameters[512] * 256 + parameters[513], SumOf(parameters, 0, 512));
    EXPECT_TRUE(client.ReadUntilQuiet(50ms, 100ms).empty()) << "no byte more than the block and its sum";
}

TEST_F(SimPtyTest, ProgrammingCommandsAreIgnoredOutsideProgrammingMode)
{
    for (std::uint8_t command : {kReadConfiguration, kReadParameters, kWriteParameters, kReadDateTime, kReadMemory}) {
        client.Send({command});
        EXPECT_TRUE(client.ReadUntilQuiet(50ms, 150ms).empty()) << int(command);
    }
    Connect();
    EXPECT_EQ(client.Transact({kReadDateTime}, 9).size(), 9u);
}

TEST_F(SimPtyTest, WriteParametersStoresTheBlockOnlyWithAMatchingChecksum)
{
    Connect();
    Bytes block(512);
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(i * 7 + 3);

    ASSERT_EQ(client.Transact({kWriteParameters}, 1), Bytes{kAck});
    Bytes wrong = WithSum(block);
    wrong.back() ^= 0x01;
    EXPECT_EQ(client.Transact(wrong, 1), Bytes{kNack});
    EXPECT_NE(ParameterPart(), block) << "a block with a wrong checksum is not taken";

    ASSERT_EQ(client.Transact({kWriteParameters}, 1), Bytes{kAck});
    EXPECT_EQ(client.Transact(WithSum(block), 1), Bytes{kAck});
    EXPECT_EQ(ParameterPart(), block);
    EXPECT_EQ(instrument->State().Revision(), 0x13) << "the configuration part is never written";
}

TEST_F(SimPtyTest, AWrittenParameterPartSetsTheControllerAndFlagCopiesOfEveryFittedSlot)
{
    // As the instrument does: descriptor bytes 1..3 of a fitted slot follow block bytes 1, 2, 7
    // of what was sent; the module types and a slot that is no module keep theirs.
    // Slot 3 as a module, empty, or an enable input (which has no controller).
    std::uint8_t wert = 0x40;
    for (const std::uint8_t dritterSteckplatz : {std::uint8_t(2), std::uint8_t(0), std::uint8_t(13)}) {
        SCOPED_TRACE(int(dritterSteckplatz));
        wert = std::uint8_t(wert + 0x10);
        const bool dritterOhneRegler = dritterSteckplatz != 2;
        instrument->ModifyState([dritterSteckplatz](InstrumentState& state) {
            state.parameterSet.setModultyp(2, dritterSteckplatz);
        });
        const InstrumentState vorher = instrument->State();
        hvx::Parametersatz gesendet = vorher.parameterSet;
        for (int slot = 0; slot < kModuleSlots; ++slot) {
            gesendet.setModulByte(slot, hvx::modulblock::kReglertyp, std::uint8_t(wert + slot));
            gesendet.setModulByte(slot, hvx::modulblock::kModulflags, std::uint8_t(wert + 4 + slot));
            gesendet.setModulByte(slot, hvx::modulblock::kReglerflags, std::uint8_t(wert + 8 + slot));
        }
        Connect();
        ASSERT_EQ(client.Transact({kWriteParameters}, 1), Bytes{kAck});
        const auto teil = gesendet.parameterteil();
        ASSERT_EQ(client.Transact(WithSum(Bytes(teil.begin(), teil.end())), 1), Bytes{kAck});
        const hvx::Parametersatz nachher = instrument->State().parameterSet;
        for (int slot = 0; slot < kModuleSlots; ++slot) {
            const bool bestueckt = !(dritterOhneRegler && slot == 2);
            EXPECT_EQ(nachher.modultyp(slot), vorher.parameterSet.modultyp(slot)) << slot;
            EXPECT_EQ(nachher.reglertyp(slot), bestueckt ? wert + slot : vorher.parameterSet.reglertyp(slot)) << slot;
            EXPECT_EQ(nachher.modulflags(slot), bestueckt ? wert + 4 + slot : vorher.parameterSet.modulflags(slot)) << slot;
            EXPECT_EQ(nachher.reglerflags(slot), bestueckt ? wert + 8 + slot : vorher.parameterSet.reglerflags(slot)) << slot;
        }
        EXPECT_EQ(nachher.geraetekennung(), vorher.parameterSet.geraetekennung());
        EXPECT_EQ(client.Transact({kDisconnect}, 1), Bytes{kAck});
    }
}

TEST_F(SimPtyTest, ChecksumWrapsAtSixteenBits)
{
    Connect();
    const Bytes block(512, 0xFF); // 512 * 255 = 130560, i.e. 0xFE00 after the wrap
    ASSERT_EQ(client.Transact({kWriteParameters}, 1), Bytes{kAck});
    Bytes data = block;
    data.push_back(0xFE);
    data.push_back(0x00);
    EXPECT_EQ(client.Transact(data, 1), Bytes{kAck});
    const Bytes back = client.Transact({kReadParameters}, 514);
    ASSERT_EQ(back.size(), 514u);
    EXPECT_EQ(back[512], 0xFE);
    EXPECT_EQ(back[513], 0x00);
}

TEST_F(SimPtyTest, ClockReadsBcdAndKeepsWhatWasWritten)
{
    Connect();
    const Bytes now = client.Transact({kReadDateTime}, 9);
    ASSERT_EQ(now.size(), 9u);
    EXPECT_EQ(now[7] * 256 + now[8], SumOf(now, 0, 7));
    const auto decoded = DecodeDateTime({now[0], now[1], now[2], now[3], now[4], now[5], now[6]});
    ASSERT_TRUE(decoded);
    EXPECT_LT(std::abs(decoded->secsTo(QDateTime::currentDateTime())), 5);

    // Friday 7 December 2012, 10:00:00
    const Bytes set{0x00, 0x00, 0x10, 0x05, 0x07, 0x12, 0x12};
    ASSERT_EQ(client.Transact({kWriteDateTime}, 1), Bytes{kAck});
    EXPECT_EQ(client.Transact(WithSum(set), 1), Bytes{kAck});
    const Bytes back = client.Transact({kReadDateTime}, 9);
    ASSERT_EQ(back.size(), 9u);
    EXPECT_EQ(Bytes(back.begin() + 1, back.begin() + 7), Bytes(set.begin() + 1, set.end()));
    EXPECT_LE(back[0], 0x09) << "the clock runs on from the time written";
}

TEST_F(SimPtyTest, ImpossibleClockIsKeptAsWritten)
{
    Connect();
    const Bytes impossible{0x00, 0x30, 0x14, 0x02, 0x01, 0x13, 0x24}; // month 0x13
    ASSERT_EQ(client.Transact({kWriteDateTime}, 1), Bytes{kAck});
    ASSERT_EQ(client.Transact(WithSum(impossible), 1), Bytes{kAck});
    EXPECT_EQ(client.Transact({kReadDateTime}, 9), WithSum(impossible));
}

TEST_F(SimPtyTest, ReadMemoryReturnsTheAlarmMemory)
{
    Connect();
    ASSERT_EQ(client.Transact({kReadMemory}, 1), Bytes{kAck});
    const Bytes header = client.Transact({0x03, 0x00, 4}, 6);
    ASSERT_EQ(header.size(), 6u);
    EXPECT_EQ(header[2], 3) << "three sample records stored";
    EXPECT_EQ(header[0] * 256 + header[1], 7);
    EXPECT_EQ(header[4] * 256 + header[5], SumOf(header, 0, 4));

    ASSERT_EQ(client.Transact({kReadMemory}, 1), Bytes{kAck});
    const Bytes record = client.Transact({0x03, 0x04, 13}, 15);
    ASSERT_EQ(record.size(), 15u);
    const auto eeprom = instrument->State().eeprom;
    EXPECT_EQ(Bytes(record.begin(), record.begin() + 13), Bytes(eeprom.begin() + 0x304, eeprom.begin() + 0x304 + 13));
    EXPECT_EQ(record[0], 24) << "the start year is plain binary";
    EXPECT_EQ(record[1], 0x03) << "the month is BCD";
}

TEST_F(SimPtyTest, WriteMemoryStoresBytesAndRefusesWhatItCannotTake)
{
    Connect();
    auto writeMemory = [&](std::uint16_t address, const Bytes& data, bool spoilSum) {
        EXPECT_EQ(client.Transact({kWriteMemory}, 1), Bytes{kAck});
        Bytes payload{static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address & 0xFF),
                      static_cast<std::uint8_t>(data.size())};
        payload.insert(payload.end(), data.begin(), data.end());
        payload = WithSum(payload);
        if (spoilSum)
            payload.back() ^= 0x80;
        return client.Transact(payload, 1);
    };
    EXPECT_EQ(writeMemory(0x0300, {0, 0, 0, 0}, false), Bytes{kAck});
    auto eeprom = instrument->State().eeprom;
    EXPECT_EQ(Bytes(eeprom.begin() + 0x300, eeprom.begin() + 0x304), Bytes(4, 0)) << "alarm memory deleted";

    EXPECT_EQ(writeMemory(0x07FF, {0x5A}, true), Bytes{kNack});
    EXPECT_EQ(instrument->State().eeprom[0x7FF], 0xFF);
    EXPECT_EQ(writeMemory(0x07FF, {0x5A}, false), Bytes{kAck});
    EXPECT_EQ(instrument->State().eeprom[0x7FF], 0x5A);

    EXPECT_EQ(writeMemory(0x0100, Bytes(41, 0x11), false), Bytes{kFatalNack}) << "more than 40 bytes";
    EXPECT_EQ(instrument->State().eeprom[0x100], 0xFF);
}

TEST_F(SimPtyTest, ServiceBlockIsStored)
{
    Connect();
    Bytes block(72, 0);
    const Bytes entry{0x3F, 0xC0, 0x00, 0x00, 0x00, 0x07}; // 1.5, id 7
    std::copy(entry.begin(), entry.end(), block.begin() + 18);
    ASSERT_EQ(client.Transact({kWriteServiceBlock}, 1), Bytes{kAck});
    EXPECT_EQ(client.Transact(WithSum(block), 1), Bytes{kAck});
    const auto stored = instrument->State().serviceBlock;
    EXPECT_EQ(Bytes(stored.begin(), stored.end()), block);
}

TEST_F(SimPtyTest, RawServiceCommandsAnswerWithoutConnect)
{
    client.Send({0x01});
    const Bytes ident = client.ReadUntilQuiet();
    EXPECT_EQ(std::string(ident.begin(), ident.end()), "HYDROVANT K 54\r\n");
    client.Send({0x02});
    EXPECT_EQ(client.ReadUntilQuiet(), (Bytes{0x13, 1, 7, 2, 0}));
    client.Send({0x7E});
    EXPECT_EQ(client.ReadUntilQuiet(), Bytes{'?'});
}

TEST_F(SimPtyTest, AbandonedDataPhaseDoesNotSwallowTheNextCommand)
{
    auto timing = QuickTiming();
    timing.receiveTimeout = 100ms;
    instrument->SetTiming(timing);
    Connect();
    ASSERT_EQ(client.Transact({kWriteParameters}, 1), Bytes{kAck});
    client.Send(Bytes(20, 0x10)); // the tool gave up after 20 bytes
    std::this_thread::sleep_for(250ms);
    EXPECT_EQ(client.Transact({kConnect}, 1), Bytes{kAck});
    EXPECT_EQ(client.ReadUntilQuiet(50ms, 100ms), Bytes{}) << "the 20 bytes were data, not connects";
}

TEST_F(SimPtyTest, RecordsEveryReceivedByteWithItsTime)
{
    const auto before = SteadyClock::now();
    Connect();
    client.Transact({kReadConfiguration}, 48);
    client.Transact({kDisconnect}, 1);
    ASSERT_TRUE(instrument->WaitForReceived(3, 1000ms));
    EXPECT_EQ(instrument->ReceivedBytes(), (Bytes{kConnect, kReadConfiguration, kDisconnect}));
    const auto received = instrument->Received();
    EXPECT_GE(received.front().at, before);
    EXPECT_TRUE(std::is_sorted(received.begin(), received.end(),
                               [](const ReceivedByte& a, const ReceivedByte& b) { return a.at < b.at; }));
    instrument->ClearReceived();
    EXPECT_TRUE(instrument->ReceivedBytes().empty());
}
