#pragma once
// Fitting a path into a field or a line of limited width: the first part of the path, "...",
// and as many of the last folders as fit.

#include <QString>
#include <QStringList>
#include <functional>

namespace hvx {

// The shortened forms of a path, longest first: the path's beginning up to and including its
// first separator after the first character ("E:/" or "/home/"), "...", and the path from each
// further separator on. /home/anna/Firma/Daten -> /home/.../Firma/Daten, /home/.../Daten.
QStringList CompactPathCandidates(const QString& fullPath);

// The text shown for a path: the path itself when it fits, else the first shortened form that
// fits, else (nothing fits) the path itself.
QString CompactPathText(const QString& fullPath, const std::function<bool(const QString&)>& fits);

} // namespace hvx
