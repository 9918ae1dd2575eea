#include "app/ShellRegistration.h"

#include "base/HvxApp.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

namespace hvx {
namespace {

// The unnamed value of a key.
const QString kDefault = QStringLiteral("/.");

bool write(QSettings& settings, const QString& key, const QString& value)
{
    settings.setValue(key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace

ShellFileType ConfigurationFileType()
{
    return {QStringLiteral("HydrvantConfigurationFile"), QStringLiteral("HVX-File"), QStringLiteral(".hxd")};
}

bool RegisterShellFileType(QSettings& classes, const ShellFileType& type, const QString& executable)
{
    const QString exe = QDir::toNativeSeparators(executable);
    if (!write(classes, type.typeId + kDefault, type.typeName)
        || !write(classes, type.typeId + QStringLiteral("/DefaultIcon") + kDefault, exe + QStringLiteral(",0"))
        || !write(classes, type.typeId + QStringLiteral("/shell/open/command") + kDefault,
                  exe + QStringLiteral(" \"%1\"")))
        return false;
    // Another program's claim on the extension stays.
    const QString current = classes.value(type.extension + kDefault).toString();
    if (!current.isEmpty() && current != type.typeId)
        return true;
    return write(classes, type.extension + kDefault, type.typeId)
           && write(classes, type.extension + QStringLiteral("/ShellNew/NullFile"), QString());
}

void RegisterShellFileTypes()
{
#ifdef Q_OS_WIN
    QSettings classes(QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes"), QSettings::NativeFormat);
    RegisterShellFileType(classes, ConfigurationFileType(), QCoreApplication::applicationFilePath());
#endif
}

} // namespace hvx
