// The shell registration of configuration files, written into a settings file in place of the
// Windows registry.
#include "app/ShellRegistration.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ShellRegistration : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QSettings classes{dir.filePath("classes.ini"), QSettings::IniFormat};
    hvx::ShellFileType type = hvx::ConfigurationFileType();
};

TEST_F(ShellRegistration, WritesTypeIconOpenCommandAndClaimsAFreeExtension)
{
    ASSERT_TRUE(hvx::RegisterShellFileType(classes, type, "/opt/hvx/hvx"));
    EXPECT_EQ(classes.value("HydrvantConfigurationFile/.").toString(), "HVX-File");
    EXPECT_TRUE(classes.value("HydrvantConfigurationFile/DefaultIcon/.").toString().endsWith("hvx,0"));
    EXPECT_TRUE(classes.value("HydrvantConfigurationFile/shell/open/command/.").toString().endsWith("hvx \"%1\""));
    EXPECT_EQ(classes.value(".hxd/.").toString(), "HydrvantConfigurationFile");
    EXPECT_TRUE(classes.contains(".hxd/ShellNew/NullFile"));
    EXPECT_FALSE(classes.contains("HydrvantConfigurationFile/shell/print/command/."));
}

TEST_F(ShellRegistration, LeavesAnExtensionThatAnotherProgramClaims)
{
    classes.setValue(".hxd/.", "OtherProgram.Document");
    ASSERT_TRUE(hvx::RegisterShellFileType(classes, type, "/opt/hvx/hvx"));
    EXPECT_EQ(classes.value(".hxd/.").toString(), "OtherProgram.Document");
    EXPECT_FALSE(classes.contains(".hxd/ShellNew/NullFile"));
    EXPECT_EQ(classes.value("HydrvantConfigurationFile/.").toString(), "HVX-File");
}

} // namespace
