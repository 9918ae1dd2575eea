// Settings: one INI file per user (or the file named by HVX_SETTINGS). Readers write the value
// they use back at once, so the file always shows the values in use.
#include "base/AppPrivate.h"
#include "base/HvxApp.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int kMaxPort = 255;
constexpr long kStatusNotFound = 2; // the registry's "file not found"
constexpr long kStatusMoreData = 234; // the registry's "more data is available"

QString keyOf(const QString& section, const QString& value)
{
    return section + u'/' + value;
}

} // namespace

QSettings& CHVXApp::settings()
{
    const std::lock_guard lock(d->settingsMutex);
    if (!d->settings) {
        const QString path = qEnvironmentVariable("HVX_SETTINGS");
        if (!path.isEmpty()) {
            QDir().mkpath(QFileInfo(path).absolutePath());
            d->settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
        } else {
            d->settings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                      QStringLiteral("VORMAK"), QStringLiteral("HVX"));
        }
    }
    return *d->settings;
}

QString CHVXApp::SettingsFilePath() const
{
    return const_cast<CHVXApp*>(this)->settings().fileName();
}

int CHVXApp::GetIntSetting(const QString& section, const QString& value, int defaultValue)
{
    const std::lock_guard lock(d->settingsMutex);
    bool ok = false;
    int result = settings().value(keyOf(section, value)).toInt(&ok);
    if (!ok)
        result = defaultValue;
    WriteProfileInt(section, value, result);
    return result;
}

QString CHVXApp::GetStringSetting(const QString& section, const QString& value, const QString& defaultValue)
{
    const std::lock_guard lock(d->settingsMutex);
    const QVariant stored = settings().value(keyOf(section, value));
    const QString result = stored.isValid() ? stored.toString() : defaultValue;
    WriteProfileString(section, value, result);
    return result;
}

int CHVXApp::GetIntSetting(const hvx::settings::Int& setting)
{
    return GetIntSetting(QLatin1String(setting.section), QLatin1String(setting.name), setting.defaultValue);
}

QString CHVXApp::GetStringSetting(const hvx::settings::Text& setting, const QString& defaultValue)
{
    return GetStringSetting(QLatin1String(setting.section), QLatin1String(setting.name), defaultValue);
}

QString CHVXApp::GetStringSetting(const hvx::settings::Text& setting)
{
    return GetStringSetting(setting, QString::fromUtf8(setting.defaultValue));
}

long CHVXApp::GetBinarySetting(const QString& section, const QString& value, QByteArray& buffer, int size)
{
    const std::lock_guard lock(d->settingsMutex);
    buffer = QByteArray(qMax(size, 0), '\0');
    const QVariant stored = settings().value(keyOf(section, value));
    if (!stored.isValid())
        return kStatusNotFound;
    const QByteArray data = stored.toByteArray();
    if (data.size() > buffer.size())
        return kStatusMoreData;
    std::copy(data.cbegin(), data.cend(), buffer.begin());
    return 0;
}

bool CHVXApp::SetBinarySetting(const QString& section, const QString& value, const QByteArray& data)
{
    const std::lock_guard lock(d->settingsMutex);
    settings().setValue(keyOf(section, value), data);
    settings().sync();
    return settings().status() == QSettings::NoError;
}

void CHVXApp::WriteProfileInt(const QString& section, const QString& value, int data)
{
    writeSetting(keyOf(section, value), data);
}

void CHVXApp::WriteProfileString(const QString& section, const QString& value, const QString& data)
{
    writeSetting(keyOf(section, value), data);
}

// Readers write back what they read; writing the file only when the stored text differs keeps
// those write-backs cheap (a port scan reads the link settings hundreds of times).
void CHVXApp::writeSetting(const QString& key, const QVariant& data)
{
    const std::lock_guard lock(d->settingsMutex);
    QSettings& store = settings();
    const QVariant stored = store.value(key);
    if (stored.isValid() && stored.toString() == data.toString())
        return;
    store.setValue(key, data);
    store.sync();
}

void CHVXApp::SetPort(int n)
{
    m_nPort = (n >= 0 && n <= kMaxPort) ? n : 0;
    WriteProfileInt(QLatin1String(hvx::settings::kPort.section), QLatin1String(hvx::settings::kPort.name), m_nPort);
}

void CHVXApp::ReadStartupSettings()
{
    namespace set = hvx::settings;
    struct Directory {
        const set::Text& setting;
        QString CHVXApp::*member;
    };
    const Directory directories[] = {
        {set::kWorkDir, &CHVXApp::m_strWorkDir},       {set::kBackupDir, &CHVXApp::m_strBackupDir},
        {set::kExportDir, &CHVXApp::m_strExportDir},   {set::kMessdatDir, &CHVXApp::m_strMessdatDir},
        {set::kAlarmdatDir, &CHVXApp::m_strAlarmdatDir},
    };
    const QString defaultDir = DefaultDataDir();
    for (const Directory& directory : directories)
        this->*directory.member = GetStringSetting(directory.setting, defaultDir);

    m_logFile.SetLogDir(GetStringSetting(set::kLogDir, defaultDir));
    m_logFile.SetLevel(GetIntSetting(set::kLogLevel));
    m_nFrameWidth = GetIntSetting(set::kFrameWidth);
    m_nFrameHeight = GetIntSetting(set::kFrameHeight);
    SetPort(GetIntSetting(set::kPort));

    LoadLanguage();
    LoadDateTimePictures();
}
