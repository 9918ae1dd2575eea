#include "app/SupportFile.h"

#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "base/PrintfTemplate.h"
#include "base/WholeFile.h"
#include "app/AboutInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace hvx {
namespace {

enum Text : int {
    kHeader = 378,
    kSupportFile = 379,
    kCreated = 380,
    kVersion = 381,
    kSystemHeading = 382,
    kMemoryTotal = 388,
    kMemoryFree = 389,
    kSizeUnknown = 396,
    kSizes = 397,
    kProcessor = 399,
    kProcessorUnknown = 405,
    kSettingsHeading = 406,
    kLogHeading = 407,
    kOperatingSystem = 3002,
    kFileSystem = 3003,
};

constexpr int kOpenAttempts = 1000;
constexpr qint64 kMaxErrorText = 254;

QString text(int number, std::initializer_list<TemplateArgument> arguments = {})
{
    return FillPrintfTemplate(GetStringsText(number), arguments);
}

bool keptByte(char byte)
{
    const auto value = static_cast<unsigned char>(byte);
    return value == '\n' || (value >= 32 && value <= 126);
}

QString systemPart(const SystemInfo& system)
{
    QString part = text(kSystemHeading);
    part += text(kOperatingSystem, {system.system});
    part += text(kMemoryTotal, {system.memoryTotal});
    part += text(kMemoryFree, {system.memoryAvailable});
    for (const FileSystemEntry& entry : system.fileSystems) {
        part += text(kFileSystem, {entry.mountPoint, entry.type});
        part += entry.sizeKnown ? text(kSizes, {entry.freeForUser, entry.total, entry.free}) : text(kSizeUnknown);
    }
    const QString processor = system.processor.isEmpty() ? GetStringsText(kProcessorUnknown) : system.processor;
    part += text(kProcessor, {processor});
    return part;
}

} // namespace

QString SupportFileName(const QDate& day)
{
    return QString::asprintf("%04d%02d%02d.spt", day.year(), day.month(), day.day());
}

QString SupportFileDir(const CHVXApp& app)
{
    return app.DefaultDataDir();
}

bool AppendToSupportFile(QByteArray& out, const QString& path)
{
    QFile file(path);
    bool opened = false;
    // Another program may still hold the file for a moment.
    for (int attempt = 0; attempt < kOpenAttempts && !opened; ++attempt)
        opened = file.open(QIODevice::ReadOnly);
    bool result = opened;
    if (opened) {
        const QByteArray content = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            result = false;
            LogEntry(0, QStringLiteral("CAboutDlg::AppendToSupportFile"), file.errorString().left(kMaxErrorText));
        }
        for (const char byte : content) {
            if (keptByte(byte))
                out += byte;
        }
    }
    if (!result)
        LogInt(2, QStringLiteral("CAboutDlg::AppendToSupportFile bRet"), 0);
    return result;
}

QByteArray SupportFileContent(CHVXApp& app, const QString& path, const QDateTime& now, const SystemInfo& system)
{
    const QDate day = now.date();
    const QTime time = now.time();
    QString head = text(kHeader);
    head += text(kSupportFile, {path});
    head += text(kCreated, {day.day(), day.month(), day.year(), time.hour(), time.minute()});
    head += text(kVersion, {app.m_strVersion, BuildDateText()});
    head += systemPart(system);
    head += text(kSettingsHeading);

    QByteArray content = head.toUtf8();
    app.SyncSettings();
    AppendToSupportFile(content, app.SettingsFilePath());
    // The next heading starts on a line of its own, whatever the last line of the copy was.
    if (!content.endsWith('\n'))
        content += '\n';
    content += text(kLogHeading).toUtf8();
    const QString log = app.m_logFile.Path();
    if (!log.isEmpty() && QFileInfo::exists(log))
        AppendToSupportFile(content, log);
    return content;
}

SupportFileResult WriteSupportFileTo(CHVXApp& app, const QString& path, const QDateTime& now, const SystemSources& sources)
{
    const QByteArray content = SupportFileContent(app, path, now, ReadSystemInfo(sources));
    QString error;
    const bool written = WriteWholeFile(path, content, &error);
    if (!written)
        LogEntry(0, QStringLiteral("CAboutDlg::OnAboutIcon"), path + QStringLiteral(": ") + error);
    return {written, path};
}

SupportFileResult WriteSupportFile(CHVXApp& app, const QDateTime& now, const SystemSources& sources)
{
    const QString name = SupportFileName(now.date());
    const QString dir = SupportFileDir(app);
    SupportFileResult result = WriteSupportFileTo(app, dir + u'/' + name, now, sources);
    const QString fallback = CHVXApp::UserDataDir();
    if (!result.written && QDir(dir) != QDir(fallback))
        result = WriteSupportFileTo(app, fallback + u'/' + name, now, sources);
    return result;
}

} // namespace hvx
