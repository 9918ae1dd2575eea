// "/Verify" asks for the check after writing for this run only; the setting asks for it always.
#include "base/HvxApp.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

using hvx::test::TestApp;

TEST(CommandLine, VerifyIsTakenExactlyAndNotStored)
{
    TestApp t;
    EXPECT_FALSE(t.app().m_bVerify);
    const auto rest = t.app().ParseCommandLine({QStringLiteral("/verify"), QStringLiteral("anlage.hxd")});
    EXPECT_FALSE(t.app().m_bVerify) << "switches are case-sensitive";
    EXPECT_EQ(rest.size(), 2);
    t.app().ParseCommandLine({QStringLiteral("/remote:anlage.hxd"), QStringLiteral("/Verify")});
    EXPECT_TRUE(t.app().m_bVerify);
    EXPECT_EQ(t.app().GetIntSetting(QStringLiteral("Communication"), QStringLiteral("VerifyAfterWrite"), -1), -1)
        << "the switch leaves the setting alone";
}
