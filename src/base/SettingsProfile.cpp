// Reading a setting as it stands, without writing a default back: the settings pages show what
// is stored and write only when the user confirms.
#include "base/AppPrivate.h"
#include "base/HvxApp.h"

QString CHVXApp::GetProfileString(const QString& section, const QString& value, const QString& defaultValue)
{
    const std::lock_guard lock(d->settingsMutex);
    const QVariant stored = settings().value(section + u'/' + value);
    return stored.isValid() ? stored.toString() : defaultValue;
}

int CHVXApp::GetProfileInt(const QString& section, const QString& value, int defaultValue)
{
    const std::lock_guard lock(d->settingsMutex);
    bool ok = false;
    const int stored = settings().value(section + u'/' + value).toInt(&ok);
    return ok ? stored : defaultValue;
}

void CHVXApp::SyncSettings()
{
    const std::lock_guard lock(d->settingsMutex);
    settings().sync();
}
