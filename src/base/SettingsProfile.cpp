// Reading a setting as it stands, without writing a default back: the settings pages show what
// is stored and write only when the user confirms.
#include "base/AppPrivate.h"
#include "base/HvxApp.h"

QString CHVXApp::GetProfileString(const QString& section, const QString& value, const QString& defaultValue)
{
    bool present = false;
    const QString stored = storedText(section, value, &present);
    return present ? stored : defaultValue;
}

int CHVXApp::GetProfileInt(const QString& section, const QString& value, int defaultValue)
{
    bool ok = false;
    const int stored = storedText(section, value, nullptr).toInt(&ok);
    return ok ? stored : defaultValue;
}

void CHVXApp::SyncSettings()
{
    const std::lock_guard lock(d->settingsMutex);
    settings().sync();
}
