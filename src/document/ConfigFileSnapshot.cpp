#include "document/ConfigFileSnapshot.h"

#include "base/WholeFile.h"
#include "document/ConfigFileLayout.h"
#include "document/KelConfigFile.h"

#include <QFileInfo>
#include <algorithm>

namespace hvx {
namespace {

// Equal but for the stamps (creation, save, transfer).
bool sameContent(const QByteArray& a, const QByteArray& b)
{
    using namespace configfile;
    if (a.size() != b.size())
        return false;
    const qsizetype stampsBegin = std::min(a.size(), qsizetype(kStampOffset));
    const qsizetype stampsEnd = std::min(a.size(), qsizetype(kStampOffset + kStampSlotCount * kStampSlotSize));
    return a.first(stampsBegin) == b.first(stampsBegin) && a.sliced(stampsEnd) == b.sliced(stampsEnd);
}

} // namespace

void ConfigFileSnapshot::take(const QString& path, const QByteArray& bytes)
{
    m_path = QFileInfo(path).canonicalFilePath();
    m_bytes = bytes;
}

void ConfigFileSnapshot::clear()
{
    m_path.clear();
    m_bytes.clear();
}

std::optional<QByteArray> ConfigFileSnapshot::changedOnDisk(const QString& path) const
{
    if (m_path.isEmpty() || QFileInfo(path).canonicalFilePath() != m_path)
        return std::nullopt;
    QByteArray now;
    if (!ReadWholeFile(path, CKelConfigFile::kMaxFileSize, now) || sameContent(now, m_bytes))
        return std::nullopt;
    return now;
}

} // namespace hvx
