// The hvx program's own command line: its usage without a window, switches it does not know,
// and a start without a display.
#include "app/gui/HvxGuiApp.h"
#include "support/TestApp.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

using hvx::test::TestApp;

namespace {

struct ProgramCase {
    const char* name;
    QStringList arguments;
    QList<std::pair<const char*, const char*>> environment; // set after DISPLAY and the like are removed
    int exitCode;
    const char* out;
    const char* err;
};

} // namespace

TEST(HvxProgram, SaysItsUsageOrWhyItCannotOpenAWindowAndEndsWithoutAbort)
{
    TestApp t; // its settings file (HVX_SETTINGS) chooses German
    const ProgramCase cases[] = {
        {"--help", {"--help"}, {}, 0, "Aufruf: hvx [DATEI.hxd]", ""},
        {"-h with a file", {"anlage.hxd", "-h"}, {}, 0, "/remote:DATEI.hxd [/SaveCalib]", ""},
        {"no display", {}, {}, 3, "", "Das Fenster braucht eine Anzeige, aber keine ist eingestellt"},
        {"no display, a file and an unknown switch", {"anlage.hxd", "-foo"}, {}, 3, "", "braucht eine Anzeige"},
        {"a display that cannot be opened", {}, {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ":59999"}}, 3, "",
         "die eingestellte lässt sich nicht öffnen"},
    };
    for (const ProgramCase& c : cases) {
        SCOPED_TRACE(c.name);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        for (const auto& [name, value] : c.environment)
            environment.insert(QLatin1String(name), QLatin1String(value));
        QProcess hvx;
        hvx.setProcessEnvironment(environment);
        hvx.start(QStringLiteral(HVX_TEST_BIN_DIR "/hvx"), c.arguments);
        ASSERT_TRUE(hvx.waitForFinished(30000));
        const QString out = QString::fromUtf8(hvx.readAllStandardOutput());
        const QString err = QString::fromUtf8(hvx.readAllStandardError());
        EXPECT_EQ(hvx.exitStatus(), QProcess::NormalExit) << err.toStdString();
        EXPECT_EQ(hvx.exitCode(), c.exitCode) << err.toStdString();
        EXPECT_TRUE(out.contains(QString::fromUtf8(c.out))) << out.toStdString();
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.err))) << err.toStdString();
    }
}

TEST(HvxProgram, OnlyFileNamesAndPathsAreOpenedAndUnknownSwitchesArePassedOver)
{
    TestApp t;
    const QString existing = t.filePath(QStringLiteral("da.hxd"));
    QFile(existing).open(QIODevice::WriteOnly);
    const struct {
        QStringList arguments;
        QStringList files;
    } cases[] = {
        {{"anlage.hxd"}, {"anlage.hxd"}},
        {{existing}, {existing}},
        {{"/gibt/es/nicht.hxd"}, {"/gibt/es/nicht.hxd"}},
        {{"-foo", "--help", "-" + existing, "/Servic", "/p", "/dde"}, {}},
        {{"-x", "anlage.hxd", "/y"}, {"anlage.hxd"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        EXPECT_EQ(hvx::gui::FilesOfCommandLine(t.app().ParseCommandLine(c.arguments)), c.files);
    }
}
