// Configuration files in a git archive, set up as the README says (.gitattributes and the
// textconv line): git diff and git log -p show a changed field with its label, old and new value.
// Runs the real hvxcli and git programs.
#include "support/QtPrinters.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class GitArchive : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Backups and the log book stay in the test's folder.
        QFile ini(m_dir.filePath(QStringLiteral("hvx.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(QStringLiteral("[System]\nLanguage=01-Deutsch\nLogDir=%1\n[Environment]\nWorkDir=%1\nBackupDir=%1\n")
                      .arg(m_dir.path()).toUtf8());
        ini.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HVX_SETTINGS"), m_dir.filePath(QStringLiteral("hvx.ini")));
        // The documented line names hvxcli as found on the PATH.
        env.insert(QStringLiteral("PATH"), QStringLiteral(HVX_TEST_BIN_DIR ":") + env.value(QStringLiteral("PATH")));
        env.insert(QStringLiteral("GIT_CONFIG_NOSYSTEM"), QStringLiteral("1"));
        env.insert(QStringLiteral("HOME"), m_dir.path());
        env.insert(QStringLiteral("GIT_AUTHOR_NAME"), QStringLiteral("Service"));
        env.insert(QStringLiteral("GIT_AUTHOR_EMAIL"), QStringLiteral("service@example.com"));
        env.insert(QStringLiteral("GIT_COMMITTER_NAME"), QStringLiteral("Service"));
        env.insert(QStringLiteral("GIT_COMMITTER_EMAIL"), QStringLiteral("service@example.com"));
        m_env = env;
        if (run(QStringLiteral("git"), {QStringLiteral("--version")}).isNull())
            GTEST_SKIP() << "git is not installed";
        ASSERT_FALSE(git({"init", "-q", "-b", "main", "archiv"}).isNull()) << m_lastError.toStdString();
        m_repo = m_dir.filePath(QStringLiteral("archiv"));
        writeFile(QStringLiteral(".gitattributes"), "*.hxd diff=hvx merge=binary -text\n");
        ASSERT_FALSE(git({"config", "diff.hvx.textconv", "hvxcli get"}).isNull());
    }

    // Standard output of a program, or a null text when it failed.
    QString run(const QString& program, const QStringList& arguments)
    {
        QProcess p;
        p.setProcessEnvironment(m_env);
        p.setWorkingDirectory(m_repo.isEmpty() ? m_dir.path() : m_repo);
        p.start(program, arguments);
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
            return QString();
        m_lastStatus = p.exitCode();
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        m_lastError = QString::fromUtf8(p.readAllStandardError());
        return out.isNull() ? QStringLiteral("") : out;
    }
    QString git(const QStringList& arguments)
    {
        const QString out = run(QStringLiteral("git"), arguments);
        return m_lastStatus == 0 ? out : QString();
    }
    QString hvxcli(const QStringList& arguments)
    {
        const QString out = run(QStringLiteral(HVX_TEST_BIN_DIR "/hvxcli"), arguments);
        EXPECT_EQ(m_lastStatus, 0) << m_lastError.toStdString();
        return out;
    }
    void writeFile(const QString& name, const QByteArray& bytes)
    {
        QFile f(m_repo + QLatin1Char('/') + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void commit(const char* message)
    {
        ASSERT_FALSE(git({"add", "-A"}).isNull()) << m_lastError.toStdString();
        ASSERT_FALSE(git({"commit", "-q", "-m", message}).isNull()) << m_lastError.toStdString();
    }

    QTemporaryDir m_dir;
    QProcessEnvironment m_env;
    QString m_repo;
    int m_lastStatus = -1;
    QString m_lastError;
};

} // namespace

TEST_F(GitArchive, DiffAndLogShowTheChangedFieldWithLabelOldAndNewValue)
{
    hvxcli({"new", "--revision", "0x13", "--modules", "pH,Redox", "anlage1.hxd"});
    commit("Anlage 1 in Betrieb genommen");
    hvxcli({"set", "anlage1.hxd", "1.2.1050=6.50"});
    hvxcli({"set-info", "anlage1.hxd", "--site", "Becken 2"});
    commit("Sollwert pH gesenkt");

    const QString alt = QStringLiteral("-1.2.1050\tSignalgerät Sollwert:\t7.00\tpH\n");
    const QString neu = QStringLiteral("+1.2.1050\tSignalgerät Sollwert:\t6.50\tpH\n");
    const QString standort = QStringLiteral("+Standort:\tBecken 2\n");
    for (const QStringList& befehl : {QStringList{"diff", "HEAD~1", "HEAD"}, QStringList{"log", "-p", "-1"}}) {
        SCOPED_TRACE(befehl.join(QLatin1Char(' ')).toStdString());
        const QString text = git(befehl);
        EXPECT_TRUE(text.contains(alt)) << text.toStdString();
        EXPECT_TRUE(text.contains(neu));
        EXPECT_TRUE(text.contains(standort));
        EXPECT_FALSE(text.contains(QLatin1String("Binary files"))) << "git shows the text view, not a binary blob";
    }
}
