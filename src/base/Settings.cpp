// Settings: one INI file per user (or the file named by HVX_SETTINGS). Readers write the value
// they use back at once, so the file always shows the values in use.
#include "base/AppPrivate.h"
#include "base/HvxApp.h"
#include "base/Log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <algorithm>

namespace {

struct IntRange {
    qlonglong min = INT_MIN;
    qlonglong max = INT_MAX;
};

IntRange rangeOf(const QString& section, const QString& name)
{
    for (const hvx::settings::Int* row : hvx::settings::kIntRows) {
        if (section == QLatin1String(row->section) && name == QLatin1String(row->name))
            return {row->minValue, row->maxValue};
    }
    return {};
}

constexpr int kMaxPort = 255;
constexpr long kStatusNotFound = 2; // the registry's "file not found"
constexpr long kStatusMoreData = 234; // the registry's "more data is available"

QString keyOf(const QString& section, const QString& value)
{
    return section + u'/' + value;
}

// How QSettings reads a value with an unquoted comma.
bool isList(const QVariant& value)
{
    return value.typeId() == QMetaType::QStringList || value.typeId() == QMetaType::QVariantList;
}

// The values of the file that QSettings would not read as written: unquoted ones with a comma
// (a list to QSettings) or a semicolon (the start of a comment to it). Key "section/name" (or
// "name" in [General]) to the text after "name=", blanks around it removed.
QMap<QString, QString> rawIniValuesToKeep(const QString& path)
{
    QMap<QString, QString> values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return values;
    QString section;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (line.startsWith(u';') || equals <= 0)
            continue;
        const QString value = line.mid(equals + 1).trimmed();
        if (value.startsWith(u'"') || !(value.contains(u',') || value.contains(u';')))
            continue;
        const QString name = line.left(equals).trimmed();
        values.insert(section.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0 ? name : section + u'/' + name, value);
    }
    return values;
}

} // namespace

// Every setting is one plain string as written. QSettings reads an unquoted comma as a list
// separator (and would write the value back as "a, b") and an unquoted semicolon as the start
// of a comment (cutting the value): right after loading, such values are taken from the file's
// own lines, before anything is written back.
void CHVXApp::unlistValues(QSettings& store)
{
    const QMap<QString, QString> raw = rawIniValuesToKeep(store.fileName());
    const QStringList keys = store.allKeys();
    for (auto it = raw.cbegin(); it != raw.cend(); ++it) {
        const auto stored = std::find_if(keys.begin(), keys.end(),
                                         [&](const QString& key) { return key.compare(it.key(), Qt::CaseInsensitive) == 0; });
        if (stored != keys.end())
            store.setValue(*stored, it.value());
    }
    for (const QString& key : keys) {
        if (isList(store.value(key)))
            store.setValue(key, store.value(key).toStringList().join(u','));
    }
}

QString CHVXApp::storedText(const QString& section, const QString& value, bool* present)
{
    const std::lock_guard lock(d->settingsMutex);
    const QVariant stored = settings().value(keyOf(section, value));
    if (present)
        *present = stored.isValid();
    return isList(stored) ? stored.toStringList().join(u',') : stored.toString();
}

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
        unlistValues(*d->settings);
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
    bool present = false;
    const QString text = storedText(section, value, &present).trimmed();
    int result = defaultValue;
    if (present) {
        bool ok = false;
        const qlonglong number = text.toLongLong(&ok);
        const IntRange range = rangeOf(section, value);
        if (ok && number >= range.min && number <= range.max) {
            result = int(number);
        } else {
            // Never cut a number into an int: a wrapped time-out stalls a transfer for days.
            LogEntry(0, QStringLiteral("CHVXApp::GetIntSetting"),
                     keyOf(section, value) + u'=' + text + QStringLiteral(" -> ") + QString::number(defaultValue));
        }
    }
    WriteProfileInt(section, value, result);
    return result;
}

QString CHVXApp::GetStringSetting(const QString& section, const QString& value, const QString& defaultValue)
{
    const std::lock_guard lock(d->settingsMutex);
    bool present = false;
    const QString stored = storedText(section, value, &present);
    const QString result = present ? stored : defaultValue;
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
    // A text with a comma (a device path in [Ports]) is one value, not a list.
    const QByteArray data = isList(stored)
        ? storedText(section, value, nullptr).toUtf8() : stored.toByteArray();
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
    if (stored.isValid() && !isList(stored) && stored.toString() == data.toString())
        return;
    store.setValue(key, data);
    store.sync();
}

QString CHVXApp::GetDirectorySetting(const hvx::settings::Text& setting, const QString& defaultDir)
{
    const QString dir = GetStringSetting(setting, defaultDir).trimmed();
    if (!dir.isEmpty())
        return dir;
    // An empty directory would put files at the root of the file system or into whatever the
    // current directory is.
    LogEntry(0, QStringLiteral("CHVXApp::GetDirectorySetting"),
             QLatin1String(setting.section) + u'/' + QLatin1String(setting.name) + QStringLiteral(" empty: ") + defaultDir);
    WriteProfileString(QLatin1String(setting.section), QLatin1String(setting.name), defaultDir);
    return defaultDir;
}

QString CHVXApp::DirectoryOrDefault(const QString& dir) const
{
    return dir.trimmed().isEmpty() ? DefaultDataDir() : dir;
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
        this->*directory.member = GetDirectorySetting(directory.setting, defaultDir);

    m_logFile.SetLogDir(GetDirectorySetting(set::kLogDir, defaultDir));
    m_logFile.SetLevel(GetIntSetting(set::kLogLevel));
    m_nFrameWidth = GetIntSetting(set::kFrameWidth);
    m_nFrameHeight = GetIntSetting(set::kFrameHeight);
    SetPort(GetIntSetting(set::kPort));

    LoadLanguage();
    LoadDateTimePictures();
}
