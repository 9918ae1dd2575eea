#pragma once
// What every fuzz target shares: one application object for the whole run, with its settings,
// log book and files in a temporary directory, the German language of the build, and a user
// interaction that answers every question silently (Cancel/No, no file, no access code).

#include "base/HvxApp.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

namespace hvx::fuzz {

// The application object, made on first use.
CHVXApp& App();
// A path inside the run's temporary directory.
QString TempPath(const QString& name);
// Writes bytes to a file (for readers that take a path).
void WriteFile(const QString& path, const QByteArray& bytes);
// The input as a list of arguments, split at NUL bytes and decoded as UTF-8.
QStringList Arguments(const std::uint8_t* data, std::size_t size);

} // namespace hvx::fuzz
