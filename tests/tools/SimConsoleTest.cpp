// Commands typed at a running simulator, and the text form of fault rules they show.

#include "Console.h"
#include "InstrumentSetup.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace hvxsim;

TEST(SimConsole, FaultsAreAddedListedAndCleared)
{
    Instrument instrument(*BuildInstrument(InstrumentSetup{}, nullptr));
    EXPECT_EQ(RunConsoleCommand(instrument, "fault nack-v:0x14:2").output, "added nack-v:0x14:2\n");
    EXPECT_EQ(RunConsoleCommand(instrument, "fault no-answer:0x16:1@ack").output, "added no-answer:0x16:1@ack\n");
    EXPECT_NE(RunConsoleCommand(instrument, "fault nack-x").output.find("unknown kind"), std::string::npos);
    EXPECT_EQ(RunConsoleCommand(instrument, "faults").output, "nack-v:0x14:2\nno-answer:0x16:1@ack\n");
    EXPECT_EQ(instrument.PendingFaults().size(), 2u);
    RunConsoleCommand(instrument, "clear");
    EXPECT_TRUE(instrument.PendingFaults().empty());
    EXPECT_EQ(RunConsoleCommand(instrument, "faults").output, "no faults pending\n");
}

TEST(SimConsole, StateQuitAndUnknownCommands)
{
    Instrument instrument(*BuildInstrument(InstrumentSetup{}, nullptr));
    const std::string state = RunConsoleCommand(instrument, "state").output;
    EXPECT_NE(state.find("revision K 54"), std::string::npos) << state;
    EXPECT_NE(state.find("modules 1,7,2"), std::string::npos) << state;
    EXPECT_NE(state.find("access code 9157 (not in force)"), std::string::npos) << state;
    EXPECT_TRUE(RunConsoleCommand(instrument, "quit").quit);
    EXPECT_FALSE(RunConsoleCommand(instrument, "").quit);
    EXPECT_NE(RunConsoleCommand(instrument, "frobnicate").output.find("unknown command"), std::string::npos);
}

TEST(SimConsole, RulesSurviveTheirTextForm)
{
    const FaultRule rules[] = {
        {FaultKind::Delay, 0x13, 3, 1500, ReplyPhase::Final},
        {FaultKind::GarbledTimestamp, std::nullopt, -1, 0, ReplyPhase::Final},
        {FaultKind::FatalNack, 0x31, 1, 0, ReplyPhase::First},
    };
    for (const FaultRule& rule : rules) {
        std::string error;
        const auto back = ParseFaultRule(DescribeFaultRule(rule), &error);
        ASSERT_TRUE(back) << DescribeFaultRule(rule) << ": " << error;
        EXPECT_EQ(back->kind, rule.kind);
        EXPECT_EQ(back->command, rule.command);
        EXPECT_EQ(back->count, rule.count);
        EXPECT_EQ(back->argument, rule.argument);
        EXPECT_EQ(back->phase, rule.phase);
    }
}

TEST(SimConsole, QuitOnStandardInputStopsTheProgram)
{
    QProcess program;
    program.start(QStringLiteral(HVX_TEST_BIN_DIR "/hvx-sim"), {QStringLiteral("--no-line-rate")});
    ASSERT_TRUE(program.waitForStarted(5000));
    ASSERT_TRUE(program.waitForReadyRead(5000));
    program.readLine(); // the device path
    program.write("fault nack-v:0x14\nquit\n");
    ASSERT_TRUE(program.waitForFinished(5000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(program.readAllStandardOutput().contains("added nack-v:0x14:1"));
}
