// hvxcli commands on files: an output never replaces its input or a configuration file and
// replaces another file only when asked; a given access code is tried once; what a file holds
// reaches the terminal without control characters.
#include "app/cli/HvxCli.h"
#include "document/HVXDoc.h"
#include "support/CapturedBatch.h"
#include "support/CliTest.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace hvx;

namespace {

// hvxcli on files of a test folder of its own, its messages captured.
struct CliOnFiles : test::CliRunner {
    CliOnFiles() { m_app.app().SetUserInteraction(&m_batch.interaction()); }
    ~CliOnFiles() { m_app.app().SetUserInteraction(&m_app.ui()); }
    CliOnFiles(const CliOnFiles&) = delete;
    CliOnFiles& operator=(const CliOnFiles&) = delete;

    static void write(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    // A pH configuration, its access code "4711" in force when locked.
    QString configuration(const QString& name, bool locked = false)
    {
        CHVXDoc doc;
        EXPECT_TRUE(doc.OnNewDocument(NeueKonfiguration{0x13, {ModulWahl{modultyp::kPH, reglertyp::kSignalgeraet}}}));
        doc.parametersatz().setZugangscodeAktiv(locked ? 1 : 0);
        doc.parametersatz().setZugangscode({'4', '7', '1', '1'});
        EXPECT_TRUE(doc.OnSaveDocument(file(name)));
        return file(name);
    }

    test::CapturedBatch m_batch;
};

class HvxCliFiles : public ::testing::Test, protected CliOnFiles {};

struct OutputCase {
    const char* name;
    QStringList arguments;
    const char* output; // the file the command would write
    int status;
    const char* said;
};

} // namespace

TEST_F(HvxCliFiles, AnOutputNeverReplacesItsInputOrAConfigurationAndAnotherFileOnlyWhenAsked)
{
    const QString input = configuration(QStringLiteral("a.hxd"));
    configuration(QStringLiteral("b.hxd"));
    write(file(QStringLiteral("b.cfg")), bytesOf(file(QStringLiteral("b.hxd"))));
    QDir(m_app.dir()).mkdir(QStringLiteral("sub"));
    ASSERT_TRUE(QFile::link(input, file(QStringLiteral("verweis.txt"))));
    const QByteArray old("alter Inhalt\n");
    write(file(QStringLiteral("alt.txt")), old);
    write(file(QStringLiteral("alt.spt")), old);
    const QString same = m_app.dir() + QStringLiteral("/sub/../a.hxd");
    const OutputCase cases[] = {
        {"export onto its input", {"export", input, input}, "a.hxd", 3, "auch die Eingabedatei"},
        {"export onto its input by another path", {"export", input, same, "--overwrite"}, "a.hxd", 3, "auch die Eingabedatei"},
        {"export onto a link to its input", {"export", input, file("verweis.txt"), "--overwrite"}, "a.hxd", 3,
         "auch die Eingabedatei"},
        {"export onto another configuration", {"export", input, file("b.hxd"), "--overwrite"}, "b.hxd", 3,
         "ist eine Konfigurationsdatei"},
        {"export onto a configuration of another name", {"export", input, file("b.cfg"), "--overwrite"}, "b.cfg", 3,
         "ist eine Konfigurationsdatei"},
        {"export onto an existing file", {"export", input, file("alt.txt")}, "alt.txt", 3, "--overwrite"},
        {"support onto a configuration", {"support", file("b.hxd"), "--overwrite"}, "b.hxd", 3, "ist eine Konfigurationsdatei"},
        {"support onto an existing file", {"support", file("alt.spt")}, "alt.spt", 3, "--overwrite"},
        {"export onto an existing file, asked", {"export", input, file("alt.txt"), "--overwrite"}, "alt.txt", 0, ""},
        {"support onto an existing file, asked", {"support", file("alt.spt"), "--overwrite"}, "alt.spt", 0, ""},
    };
    for (const OutputCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString output = file(QLatin1String(c.output));
        const QByteArray before = bytesOf(output);
        EXPECT_EQ(run(c.arguments), c.status) << m_err.toStdString();
        EXPECT_TRUE(m_err.contains(QString::fromUtf8(c.said))) << m_err.toStdString();
        EXPECT_EQ(bytesOf(output) == before, c.status != 0);
    }
}

TEST(HvxCliAccessCode, AGivenCodeIsTriedOnceAndAWrongOneEndsWithTheRemoteArea)
{
    const QList<QStringList> commands = {
        {"set", "1.2.1050=6.50"},
        {"set-info", "--serial", "neu"},
        {"export", "gesperrt.txt"},
    };
    for (const QStringList& command : commands) {
        SCOPED_TRACE(command.first().toStdString());
        // Each command in a run of its own: the error code of a run is never cleared.
        CliOnFiles run;
        const QString locked = run.configuration(QStringLiteral("gesperrt.hxd"), true);
        const QString txt = run.file(QStringLiteral("gesperrt.txt"));
        QStringList arguments = command;
        arguments.insert(1, locked);
        arguments.replaceInStrings(QStringLiteral("gesperrt.txt"), txt);
        const QByteArray before = CliOnFiles::bytesOf(locked);
        EXPECT_EQ(run.run(arguments + QStringList{"--access-code=0000"}), 4) << run.m_err.toStdString();
        EXPECT_EQ(run.m_app.app().ErrorCode(), 0x84000002u);
        EXPECT_EQ(CliOnFiles::bytesOf(locked), before);
        EXPECT_FALSE(QFile::exists(txt));
        EXPECT_TRUE(QString(run.m_err + run.m_batch.messages()).contains(QStringLiteral("Der angegebene Zugangscode ist falsch.")));
        EXPECT_FALSE(run.m_batch.messages().contains(QStringLiteral("Wollen Sie die Eingabe wiederholen?")))
            << "a code given in advance is not asked for again";
    }
    CliOnFiles run;
    const QString locked = run.configuration(QStringLiteral("gesperrt.hxd"), true);
    EXPECT_EQ(run.run({"export", locked, run.file(QStringLiteral("gesperrt.txt")), "--access-code=4711"}), 0);
}

TEST_F(HvxCliFiles, AlarmsShowSaysWhenAFileIsNoAlarmFileAndKeepsControlCharactersOffTheTerminal)
{
    const QString path = file(QStringLiteral("alarme.alm"));
    const struct {
        QByteArray content;
        int status;
        const char* said;
    } cases[] = {
        {bytesOf(configuration(QStringLiteral("a.hxd"))), 3, "keine Alarmdatendatei"},
        {"Hallo\r\nWelt\r\n", 3, "keine Alarmdatendatei"},
        {"", 3, "keine Alarmdatendatei"},
        {"x\t1\r\nx\t1\r\n01.02.2020 10:00:00\t\x1b[2J\tFehler\x07\x9b" "1m\r\n", 0, ""},
    };
    for (const auto& c : cases) {
        write(path, c.content);
        EXPECT_EQ(run({"alarms", "show", path}), c.status) << m_err.toStdString();
        EXPECT_TRUE(m_err.contains(QString::fromUtf8(c.said))) << m_err.toStdString();
        EXPECT_FALSE(m_out.contains(u'\x1b') || m_out.contains(u'\x07') || m_out.contains(QChar(0x9b))) << m_out.toStdString();
    }
    EXPECT_TRUE(m_out.contains(QStringLiteral("^[[2J"))) << m_out.toStdString();
    EXPECT_FALSE(m_out.contains(QStringLiteral("Gespeicherte Alarme: 0")));
}
