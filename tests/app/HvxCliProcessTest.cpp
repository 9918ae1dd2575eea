// hvxcli as a process, as a person or a script starts it: on a terminal, where the test types the
// answers; ended by a signal; with a full disk; outside a desktop session. The simulated
// instrument runs inside the program ([Ports] COM1=sim).
#include "document/HVXDoc.h"
#include "support/TerminalSession.h"
#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace std::chrono_literals;
using hvxtest::RunOnTerminal;
using hvxtest::TerminalStep;

namespace {

constexpr char kCode[] = "4711";

class HvxCliProcess : public ::testing::Test {
protected:
    HvxCliProcess()
    {
        CHVXApp& app = t.app();
        app.WriteProfileString(QStringLiteral("Ports"), QStringLiteral("COM1"), QStringLiteral("sim"));
        app.WriteProfileInt(QStringLiteral("Communication"), QStringLiteral("Port"), 0);
        app.WriteProfileString(QStringLiteral("Simulator"), QStringLiteral("AccessCode"), QLatin1String(kCode));
        app.WriteProfileInt(QStringLiteral("Simulator"), QStringLiteral("AccessCodeActive"), 1);
        app.WriteProfileString(QStringLiteral("System"), QStringLiteral("LogDir"), t.dir());
    }

    hvxtest::TerminalResult run(const QStringList& arguments, const std::vector<TerminalStep>& steps)
    {
        return RunOnTerminal(kProgram, arguments, steps, 20s);
    }

    // Started with the test's settings; measured-data lines come every second.
    void start(QProcess& process, const QStringList& arguments, const QProcessEnvironment& environment)
    {
        t.app().WriteProfileInt(QStringLiteral("Simulator"), QStringLiteral("MeasuredDataInterval"), 1);
        process.setProcessEnvironment(environment);
        process.start(kProgram, arguments);
        ASSERT_TRUE(process.waitForStarted());
    }

    static bool waitFor(QProcess& process, const QByteArray& text, QByteArray& seen)
    {
        for (int i = 0; i < 200 && !seen.contains(text); ++i) {
            process.waitForReadyRead(100);
            seen += process.readAllStandardError();
        }
        return seen.contains(text);
    }

    const QString kProgram = QStringLiteral(HVX_TEST_BIN_DIR "/hvxcli");

    hvx::test::TestApp t;
};

const QByteArray kDeleteQuestion = "[j/N] ";
const QByteArray kCodePrompt = "Zugangscode: ";

struct DeleteCase {
    const char* name;
    QStringList options;
    std::vector<TerminalStep> typed;
    int exitStatus;
};

TEST_F(HvxCliProcess, AlarmsDeleteTriesAGivenCodeOnceAndATypedOneUntilTheUserGivesUp)
{
    const DeleteCase cases[] = {
        {"wrong code given, --yes", {"--yes", "--access-code=0000"}, {}, 4},
        {"right code given, --yes", {"--yes", "--access-code=4711"}, {}, 0},
        {"typed wrong, then right",
         {},
         {{kDeleteQuestion, "j\n"}, {kCodePrompt, "0000\n"}, {kDeleteQuestion, "j\n"}, {kCodePrompt, "4711\n"}},
         0},
        {"typed wrong, then no more", {}, {{kDeleteQuestion, "j\n"}, {kCodePrompt, "0000\n"}, {kDeleteQuestion, "n\n"}}, 4},
    };
    for (const DeleteCase& c : cases) {
        SCOPED_TRACE(c.name);
        const hvxtest::TerminalResult r = run(QStringList{"alarms", "delete"} + c.options, c.typed);
        const QString shown = QString::fromUtf8(r.shown);
        EXPECT_EQ(r.exitStatus, c.exitStatus) << shown.left(2000).toStdString();
        EXPECT_EQ(r.stepsTaken, int(c.typed.size()));
        EXPECT_LE(shown.count(QStringLiteral("Wollen Sie die Eingabe wiederholen?")), 1);
        EXPECT_EQ(shown.contains(QStringLiteral("HVX error code 0x84000002")), c.exitStatus == 4);
        // What is typed at the code prompt stays hidden.
        EXPECT_FALSE(shown.contains(QStringLiteral("0000\r\n")));
        EXPECT_FALSE(shown.contains(QStringLiteral("4711\r\n")));
    }
}

} // namespace

TEST_F(HvxCliProcess, RecordEndsOnAHangUpAsOnCtrlCAndSavesTheLines)
{
    const QString path = t.filePath(QStringLiteral("sitzung.dat"));
    QProcess record;
    start(record, {QStringLiteral("record"), QStringLiteral("--seconds=60"), path}, QProcessEnvironment::systemEnvironment());
    QByteArray seen;
    ASSERT_TRUE(waitFor(record, "Zeile", seen)) << seen.toStdString();
    ::kill(pid_t(record.processId()), SIGHUP);
    ASSERT_TRUE(record.waitForFinished(20000));
    EXPECT_EQ(record.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(record.exitCode(), 0) << record.readAllStandardError().toStdString();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_GE(saved.readAll().count("\r\n"), 1);
}

TEST_F(HvxCliProcess, AFullTemporaryFolderEndsTheRecordingNamingTheFileThatKeepsTheLines)
{
    const QString temporary = t.filePath(QStringLiteral("tmp"));
    ASSERT_TRUE(QDir().mkpath(temporary));
    t.app().WriteProfileInt(QStringLiteral("System"), QStringLiteral("LogLevel"), 0);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), temporary);
    QProcess record;
    // No file of the process may grow beyond 300 bytes: the temporary file fills up after a few lines.
    record.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{300, 300};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    const QString path = t.filePath(QStringLiteral("voll.dat"));
    start(record, {QStringLiteral("record"), QStringLiteral("--seconds=30"), path}, environment);
    ASSERT_TRUE(record.waitForFinished(40000));
    const QString said = QString::fromUtf8(record.readAllStandardError());
    EXPECT_EQ(record.exitCode(), 3) << said.toStdString();
    const QStringList kept = QDir(temporary).entryList({QStringLiteral("HVX*")}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_TRUE(said.contains(QDir(temporary).filePath(kept.first()))) << said.toStdString();
    EXPECT_GT(QFileInfo(QDir(temporary).filePath(kept.first())).size(), 0);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(HvxCliProcess, PrintOutsideADesktopSessionWritesNothingButItsResult)
{
    CHVXDoc doc;
    ASSERT_TRUE(doc.OnNewDocument(NeueKonfiguration{0x13, {hvx::ModulWahl{hvx::modultyp::kPH, hvx::reglertyp::kSignalgeraet}}}));
    const QString hxd = t.filePath(QStringLiteral("druck.hxd"));
    ASSERT_TRUE(doc.OnSaveDocument(hxd));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_RUNTIME_DIR", "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QLatin1String(name));
    QProcess print;
    print.setProcessEnvironment(environment);
    print.start(kProgram, {QStringLiteral("print"), hxd, t.filePath(QStringLiteral("druck.pdf"))});
    ASSERT_TRUE(print.waitForFinished(60000));
    EXPECT_EQ(print.exitCode(), 0);
    EXPECT_EQ(print.readAllStandardError(), QByteArray());
}
