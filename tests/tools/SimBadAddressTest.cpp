// The simulator's bad-address fault: its text form, and which memory replies it spoils.
#include "Faults.h"

#include <gtest/gtest.h>

using namespace hvxsim;

TEST(SimBadAddress, RuleTextNamesCommandCountAndAddress)
{
    std::string error;
    const auto rule = ParseFaultRule("bad-address:0x18:-1:0x123", &error);
    ASSERT_TRUE(rule) << error;
    EXPECT_EQ(rule->kind, FaultKind::BadAddress);
    EXPECT_EQ(rule->command, std::uint8_t(0x18));
    EXPECT_EQ(rule->count, -1);
    EXPECT_EQ(rule->argument, 0x123);
    EXPECT_EQ(DescribeFaultRule(*rule), "bad-address:0x18:-1:291");
}

TEST(SimBadAddress, OnlyMemoryRepliesCoveringTheAddressAreSpoiled)
{
    FaultPlan plan;
    FaultRule rule;
    rule.kind = FaultKind::BadAddress;
    rule.argument = 0; // address 0 is an address, not "use the default"
    rule.count = -1;
    plan.Add(rule);
    EXPECT_FALSE(plan.Take({0x12, ReplyKind::Data, ReplyPhase::Final})) << "no memory command";
    EXPECT_FALSE(plan.Take({0x18, ReplyKind::Data, ReplyPhase::Final, MemorySpan{1, 255}}));
    const auto taken = plan.Take({0x18, ReplyKind::Data, ReplyPhase::Final, MemorySpan{0, 1}});
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->argument, 0);
    EXPECT_TRUE(plan.Take({0x17, ReplyKind::Acknowledgement, ReplyPhase::Final, MemorySpan{0, 4}})) << "writes too";
    EXPECT_FALSE(plan.Take({0x17, ReplyKind::Acknowledgement, ReplyPhase::First, MemorySpan{0, 4}}))
        << "not the ACK of the command byte";
}
