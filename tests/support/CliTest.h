#pragma once
// A test of hvxcli commands end to end: an isolated application object in batch mode with its
// backups in the test's folder, a run() that keeps what the command wrote, and file helpers.

#include "support/CliRun.h"
#include "support/TestApp.h"

#include <QFile>
#include <gtest/gtest.h>

namespace hvx::test {

// An isolated application object with its backups in the test's folder, a run() that keeps what
// the command wrote, and file helpers; for tests that need several at once as well.
struct CliRunner {
    CliRunner() { m_app.app().m_strBackupDir = m_app.dir(); }

    int run(const QStringList& arguments)
    {
        const CliOutput output = RunCli(arguments);
        m_out = output.out;
        m_err = output.err;
        return output.status;
    }

    QString file(const QString& name) const { return m_app.filePath(name); }

    static QByteArray bytesOf(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TestApp m_app;
    QString m_out;
    QString m_err;
};

class CliTest : public ::testing::Test, protected CliRunner {
protected:
    CliTest() { m_app.ui().setBatch(true); }
};

} // namespace hvx::test
