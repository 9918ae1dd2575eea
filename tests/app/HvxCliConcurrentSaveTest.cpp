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

// One command of a round on file A or B: a field of the pages set to "%1", or the serial number
// (key empty) set with set-info. The round number goes into the value, so every save changes.
struct Change {
    int file;
    const char* key;
    const char* value;

    QString valueIn(int round) const { return QString::fromLatin1(value).arg(round); }
    QStringList command(const QString& path, int round) const
    {
        if (*key == '\0')
            return {"set-info", path, "--serial", valueIn(round)};
        return {"set", path, QLatin1String(key) + u'=' + valueIn(round)};
    }
};

const Change kChanges[] = {
    {0, "0.0.1015", "1%1"}, {0, "0.0.1017", "4%1"}, {0, "1.2.1052", "2%1"}, {0, "", "A-%1"},
    {1, "1.2.1053", "3%1"}, {1, "", "B-%1"},
};

class HvxCliConcurrentSaves : public test::CliTest {
protected:
    // The value a change left in its file ("get", or the serial number of "info").
    QString shownIn(const QString& path, const Change& change)
    {
        if (*change.key == '\0') {
            run({"info", path});
            const qsizetype at = m_out.indexOf(QStringLiteral("Seriennummer:"));
            return at < 0 ? QString() : m_out.mid(at).section(u'\n', 0, 0).section(u':', 1).trimmed();
        }
        run({"get", path, QLatin1String(change.key)});
        return m_out.trimmed().section(u'\t', 2, 2);
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
        for (const Change& change : kChanges)
            commands.append(change.command(files[change.file], round));
        ASSERT_EQ(runAtOnce(commands), 0) << "round " << round;
        saves += int(commands.size());
        for (const Change& change : kChanges) {
            const QString shown = shownIn(files[change.file], change);
            if (shown != change.valueIn(round)) {
                ++lost;
                ADD_FAILURE() << "round " << round << ": " << change.command(files[change.file], round).join(' ').toStdString()
                              << " lost, the file shows " << shown.toStdString();
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
