// The application object's life: which object is current, its directories and its interaction.
#include "base/HvxApp.h"

#include "base/AppPrivate.h"
#include "hvx_version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <atomic>
#include <mutex>

namespace {
std::atomic<CHVXApp*> g_current{nullptr};
std::mutex g_defaultMutex;

// The C library looks at the zone file (a status call) before every local-time conversion while
// TZ is unset; named explicitly, the zone is read once and kept. Qt takes ":/etc/localtime" as
// the system's zone, so dates read the same.
void ReadLocalZoneOnce()
{
#if defined(Q_OS_LINUX)
    if (!qEnvironmentVariableIsSet("TZ") && QFileInfo::exists(QStringLiteral("/etc/localtime")))
        qputenv("TZ", ":/etc/localtime");
#endif
}

} // namespace

CHVXApp::CHVXApp()
    : d(new Private)
{
    ReadLocalZoneOnce();
    m_strProgDir = ExecutableDir();
    m_strVersion = QStringLiteral("%1.%2.%3.%4")
                       .arg(HVX_VERSION_MAJOR)
                       .arg(HVX_VERSION_MINOR)
                       .arg(HVX_VERSION_BUILD)
                       .arg(HVX_VERSION_REVISION);
    m_previous = g_current.exchange(this);
    // Until a language is loaded the pictures come from the built-in German texts, so that log
    // lines carry their date and time from the very first entry.
    LoadDateTimePictures();
}

CHVXApp::~CHVXApp()
{
    CHVXApp* expected = this;
    g_current.compare_exchange_strong(expected, m_previous);
    delete d;
}

CHVXApp& theApp()
{
    if (CHVXApp* app = g_current.load())
        return *app;
    const std::lock_guard lock(g_defaultMutex);
    if (g_current.load() == nullptr)
        new CHVXApp; // lives for the rest of the process and makes itself current
    return *g_current.load();
}

QString CHVXApp::ExecutableDir()
{
    if (QCoreApplication::instance() != nullptr)
        return QDir::cleanPath(QCoreApplication::applicationDirPath());
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    return QDir::cleanPath(QFileInfo(self.symLinkTarget()).absolutePath());
}

QString CHVXApp::DefaultDataDir() const
{
    // Files below /usr belong to the package manager: even root writes its data elsewhere, so
    // removing the package leaves no stray log book behind.
    const QFileInfo program(m_strProgDir);
    const bool systemInstall = program.absoluteFilePath().startsWith(QStringLiteral("/usr/"));
    if (program.isDir() && program.isWritable() && !systemInstall)
        return m_strProgDir;
    return UserDataDir();
}

QString CHVXApp::UserDataDir()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/VORMAK/HVX");
    QDir().mkpath(dir);
    return dir;
}

hvx::IUserInteraction& CHVXApp::ui()
{
    return d->interaction != nullptr ? *d->interaction : d->batch;
}

void CHVXApp::SetUserInteraction(hvx::IUserInteraction* interaction)
{
    d->interaction = interaction;
}
