#include "base/CompactPath.h"

namespace hvx {
namespace {
constexpr QChar kSeparator = u'/';
const QString kEllipsis = QStringLiteral("...");
} // namespace

QStringList CompactPathCandidates(const QString& fullPath)
{
    QStringList candidates;
    const qsizetype first = fullPath.indexOf(kSeparator, 1);
    if (first < 0)
        return candidates;
    const QString head = fullPath.left(first + 1);
    // The folder right after the head is always left out; each further separator starts a form.
    for (qsizetype k = fullPath.indexOf(kSeparator, first + 1); k >= 0; k = fullPath.indexOf(kSeparator, k + 1))
        candidates.append(head + kEllipsis + fullPath.mid(k));
    return candidates;
}

QString CompactPathText(const QString& fullPath, const std::function<bool(const QString&)>& fits)
{
    if (fits(fullPath))
        return fullPath;
    for (const QString& candidate : CompactPathCandidates(fullPath)) {
        if (fits(candidate))
            return candidate;
    }
    return fullPath;
}

} // namespace hvx
