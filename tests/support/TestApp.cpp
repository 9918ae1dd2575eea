#include "support/TestApp.h"

#include "link/PortLock.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace hvx::test {
namespace {

// The lock files of the serial ports opened by a test program go to a folder of its own, never
// to the system's lock directory, and go with it.
struct TestLockDirectory {
    QTemporaryDir dir;
    TestLockDirectory() { SetPortLockDirectories({dir.path()}); }
};
const TestLockDirectory g_lockDirectory;

} // namespace

TestApp::TestApp(Language language)
{
    if (!m_dir.isValid())
        ADD_FAILURE() << "Cannot create a temporary directory";
    if (qEnvironmentVariableIsSet("HVX_SETTINGS"))
        m_previousSettingsEnv = qgetenv("HVX_SETTINGS");
    qputenv("HVX_SETTINGS", settingsPath().toUtf8());

    m_app = std::make_unique<CHVXApp>();
    m_app->m_strProgDir = CHVXApp::ExecutableDir();
    m_app->SetUserInteraction(&m_ui);
    m_app->m_logFile.SetLogDir(m_dir.path());
    // Files a test makes (backups, exports, data) stay in its own folder.
    for (QString* dir : {&m_app->m_strWorkDir, &m_app->m_strBackupDir, &m_app->m_strExportDir,
                         &m_app->m_strMessdatDir, &m_app->m_strAlarmdatDir})
        *dir = m_dir.path();
    m_app->m_logFile.SetLevel(2);
    switch (language) {
    case Language::German: m_app->SetLanguage(QStringLiteral("01-Deutsch")); break;
    case Language::English: m_app->SetLanguage(QStringLiteral("02-English")); break;
    case Language::None: m_app->SetLanguage(QString()); break;
    }
    m_app->LoadDateTimePictures();
}

TestApp::~TestApp()
{
    m_app.reset();
    if (m_previousSettingsEnv)
        qputenv("HVX_SETTINGS", *m_previousSettingsEnv);
    else
        qunsetenv("HVX_SETTINGS");
}

QString TestApp::settingsPath() const
{
    return m_dir.filePath(QStringLiteral("settings.ini"));
}

QString TestApp::logText() const
{
    QFile file(m_app->m_logFile.Path());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QStringList TestApp::logLines() const
{
    QStringList lines = logText().split(u'\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList TestApp::logEntries() const
{
    // Date and time have the same width on every line: measure them on any moment.
    const QDateTime moment(QDate(2012, 7, 5), QTime(14, 3, 11));
    const auto prefix = CHvxLogFile::FormatLine(moment, QString(), false, QString()).size() - 1;
    QStringList entries;
    for (const QString& line : logLines())
        entries.append(line.mid(prefix));
    return entries;
}

} // namespace hvx::test
