// hvxcli commands that change one file at the same moment, as real processes: every change
// reaches its file, and every save leaves a backup of its own, also when two files of the same
// name share the backup folder.
#include "app/cli/HvxCli.h"
#include "support/CliTest.h"

#include <QDir>
#include <QSet>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace hvx;

namespace {

// One command of a round: on file A or B, the command without its file, and the field that
// "get" then shows with the value the command gave it (the serial number via "info").
struct Change {
    bool fileB;
    QStringList (*command)(int round);
    const char* key; // empty: the serial number
    QString (*value)(int round);
};

const Change kChanges[] = {
    {false, [](int r) { return QStringList{"set", "KEEP", QStringLiteral("0.0.1015=%1").arg(10 + r)}; }, "0.0.1015",
     [](int r) { return QString::number(10 + r); }},
    {false, [](int r) { return QStringList{"set", "KEEP", QStringLiteral("0.0.1017=%1").arg(40 + r)}; }, "0.0.1017",
     [](int r) { return QString::number(40 + r); }},
    {false, [](int r) { return QStringList{"set", "KEEP", QStringLiteral("1.2.1052=%1").arg(20 + r)}; }, "1.2.1052",
     [](int r) { return QString::number(20 + r); }},
    {false, [](int r) { return QStringList{"set-info", "KEEP", "--serial", QStringLiteral("A-%1").arg(r)}; }, "",
     [](int r) { return QStringLiteral("A-%1").arg(r); }},
    {true, [](int r) { return QStringList{"set", "KEEP", QStringLiteral("1.2.1053=%1").arg(30 + r)}; }, "1.2.1053",
     [](int r) { return QString::number(30 + r); }},
    {true, [](int r) { return QStringList{"set-info", "KEEP", "--serial", QStringLiteral("B-%1").arg(r)}; }, "",
     [](int r) { return QStringLiteral("B-%1").arg(r); }},
};

class HvxCliConcurrentSaves : public test::CliTest {
protected:
    // The value a change left in its file.
    QString valueIn(const QString& path, const Change& change)
    {
        if (*change.key == '\0') {
            run({"info", path});
            const qsizetype at = m_out.indexOf(QStringLiteral("Seriennummer:"));
            return at < 0 ? QString() : m_out.mid(at).section(QLatin1Char('\n'), 0, 0).section(QLatin1Char(':'), 1).trimmed();
        }
        run({"get", path, QLatin1String(change.key)});
        return m_out.trimmed().section(QLatin1Char('\t'), 2, 2);
    }

    // Starts one process per change at the same moment (they wait on a pipe the test closes);
    // returns how many ended with a failure.
    static int runAtOnce(const QList<QStringList>& commands)
    {
        int gate[2];
        if (::pipe(gate) != 0)
            return int(commands.size());
        QList<pid_t> children;
        for (const QStringList& arguments : commands) {
            const pid_t child = ::fork();
            if (child == 0) {
                ::close(gate[1]);
                char byte = 0;
                while (::read(gate[0], &byte, 1) > 0) {
                }
                QString out;
                QString err;
                QTextStream outStream(&out);
                QTextStream errStream(&err);
                ::_exit(cli::RunHvxCli(arguments, outStream, errStream));
            }
            children.append(child);
        }
        ::close(gate[0]);
        ::close(gate[1]); // every child goes now
        int failed = 0;
        for (const pid_t child : children) {
            int status = 0;
            ::waitpid(child, &status, 0);
            failed += WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
        }
        return failed;
    }
};

} // namespace

TEST_F(HvxCliConcurrentSaves, EveryChangeOfCommandsRunAtOnceReachesItsFileWithABackupOfItsOwn)
{
    m_app.app().WriteProfileInt(QStringLiteral("Options"), QStringLiteral("NumBackups"), 1000);
    const QString backups = file(QStringLiteral("sicherung"));
    ASSERT_TRUE(QDir().mkpath(backups));
    m_app.app().m_strBackupDir = backups;
    ASSERT_TRUE(QDir().mkpath(file(QStringLiteral("a"))) && QDir().mkpath(file(QStringLiteral("b"))));
    const QString files[] = {file(QStringLiteral("a/Anlage.hxd")), file(QStringLiteral("b/Anlage.hxd"))};
    ASSERT_EQ(run({"new", "--revision", "K 54", "--modules", "pH", files[0]}), 0) << m_err.toStdString();
    ASSERT_EQ(run({"new", "--revision", "K 54", "--modules", "pH,Redox", files[1]}), 0) << m_err.toStdString();

    constexpr int kRounds = 8;
    int lost = 0;
    int saves = 0;
    for (int round = 0; round < kRounds; ++round) {
        QList<QStringList> commands;
        for (const Change& change : kChanges) {
            QStringList arguments = change.command(round);
            arguments.replace(1, files[change.fileB ? 1 : 0]);
            commands.append(arguments);
        }
        ASSERT_EQ(runAtOnce(commands), 0) << "round " << round;
        saves += int(commands.size());
        for (qsizetype i = 0; i < commands.size(); ++i) {
            const Change& change = kChanges[i];
            const QString value = valueIn(files[change.fileB ? 1 : 0], change);
            if (value != change.value(round)) {
                ++lost;
                ADD_FAILURE() << "round " << round << ": " << commands[i].join(' ').toStdString()
                              << " lost, the file shows " << value.toStdString();
            }
        }
    }
    EXPECT_EQ(lost, 0) << "of " << saves << " changes";

    // One backup per save, each of another state: no two saves shared a backup name.
    const QDir dir(backups);
    const QStringList names = dir.entryList({QStringLiteral("Anlage.*")}, QDir::Files);
    QSet<QByteArray> states;
    for (const QString& name : names) {
        QFile backup(dir.filePath(name));
        ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
        states.insert(backup.readAll());
    }
    EXPECT_EQ(names.size(), saves) << "backups";
    EXPECT_EQ(states.size(), saves) << "different backups";
}
