// hvxcli support and --version.
#include "app/AboutInfo.h"
#include "app/cli/HvxCli.h"
#include "support/CliRun.h"
#include "support/TestApp.h"

#include "hvx_version.h"

#include <QDate>
#include <QDir>
#include <QLocale>
#include <QFile>
#include <gtest/gtest.h>

using hvx::test::TestApp;

TEST(HvxCliSupport, WritesTheSupportFileToTheNamedPath)
{
    TestApp t;
    t.ui().setBatch(true);
    const QString out = t.filePath(QStringLiteral("fall.spt"));
    const hvx::test::CliOutput result = hvx::test::RunCli({QStringLiteral("support"), out});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.out.trimmed(), QStringLiteral("Supportdatei geschrieben: ") + out);
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString content = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(content.startsWith(QStringLiteral("++++++++ HVX Supportfile ++++++++\n\nSupportfile: ") + out));
    EXPECT_TRUE(content.contains(QStringLiteral("-------- Logfile --------")));
    // The command's own log entry is already in the copied log book.
    EXPECT_TRUE(content.contains(QStringLiteral("hvxcli::support")));
}

TEST(HvxCliSupport, WithoutAPathTheFileGoesIntoTheProgramDirectoryUnderTodaysName)
{
    TestApp t;
    t.ui().setBatch(true);
    QDir(t.dir()).mkpath(QStringLiteral("prog"));
    t.app().m_strProgDir = t.filePath(QStringLiteral("prog"));
    const hvx::test::CliOutput result = hvx::test::RunCli({QStringLiteral("support")});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(QFile::exists(t.filePath(QStringLiteral("prog/")) + QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))
                              + QStringLiteral(".spt")));
}

TEST(HvxCliSupport, AnUnwritablePathFailsWithoutErrorCode)
{
    TestApp t;
    t.ui().setBatch(true);
    const hvx::test::CliOutput result = hvx::test::RunCli({QStringLiteral("support"), QStringLiteral("/proc/x.spt")});
    EXPECT_EQ(result.status, 3);
    EXPECT_TRUE(result.err.contains(QStringLiteral("/proc/x.spt")));
    const hvx::test::CliOutput two = hvx::test::RunCli({QStringLiteral("support"), QStringLiteral("a"), QStringLiteral("b")});
    EXPECT_EQ(two.status, 3);
    EXPECT_TRUE(two.err.contains(QStringLiteral("Höchstens eine Datei")));
}

TEST(HvxCliSupport, VersionShowsTheVersionLineBuildDateAndTheProjectVersion)
{
    TestApp t(TestApp::Language::English);
    const hvx::test::CliOutput result = hvx::test::RunCli({QStringLiteral("--version")});
    EXPECT_EQ(result.status, 0);
    const QStringList lines = result.out.trimmed().split(u'\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("HVX version " HVX_VERSION_TEXT));
    EXPECT_EQ(lines[1], QStringLiteral("Configuration tool for the Hydrovant"));
    // The date the program itself was built, which may be older than this test's own compile.
    EXPECT_EQ(lines[2], hvx::BuildDateText());
    EXPECT_TRUE(QLocale::c().toDate(lines[2].simplified(), QStringLiteral("MMM d yyyy")).isValid()) << lines[2].toStdString();
    EXPECT_TRUE(hvx::test::RunCli({QStringLiteral("--help")}).out.contains(QStringLiteral("support")));
}
