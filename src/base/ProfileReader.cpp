#include "base/ProfileReader.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringList>
#include <array>
#include <atomic>
#include <mutex>
#include <unordered_map>

namespace hvx {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; unassigned positions map to themselves.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeCp1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(b >= 0x80 && b <= 0x9F ? QChar(kCp1252High[b - 0x80]) : QChar(b));
    }
    return text;
}

QString stripQuotes(const QString& value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

// Texts already looked up in one file with one kind of key, escapes replaced. A command asks for
// the same few hundred texts thousands of times, mostly section after section of one name, so the
// section of the last lookup is kept at hand.
template <typename Key>
class SectionTexts {
public:
    QHash<Key, QString>& of(const QString& section)
    {
        if (m_last == nullptr || !(section.isSharedWith(m_lastSection) || section == m_lastSection)) {
            m_last = &m_bySection[section]; // node-based: stays valid while others are added
            m_lastSection = section;
        }
        return *m_last;
    }
    void clear()
    {
        m_bySection.clear();
        m_last = nullptr;
        m_lastSection.clear();
    }

private:
    std::unordered_map<QString, QHash<Key, QString>> m_bySection;
    QString m_lastSection;
    QHash<Key, QString>* m_last = nullptr;
};

struct CachedFile {
    bool exists = false;
    QDateTime modified;
    qint64 size = -1;
    QDateTime readAt;
    ProfileContent content;
    quint64 checkedInAction = 0;
    SectionTexts<QString> texts;
    SectionTexts<int> numberedTexts; // the same by number (Strings.lan, Dialog.lan)

    // A file changed again within the time stamp's resolution of the read could look unchanged,
    // so a read is trusted only once the file had been left alone for a moment before it.
    bool isCurrent(const QDateTime& fileModified, qint64 fileSize) const
    {
        return modified == fileModified && size == fileSize && modified.msecsTo(readAt) > kSettleMs;
    }
    static constexpr qint64 kSettleMs = 2000;
};

std::atomic<quint64> g_userAction{1};
std::mutex g_cacheMutex;
// Node-based, so that an entry stays where it is while others are added.
std::unordered_map<QString, CachedFile> g_cache;
// The file of the last lookup: the callers pass the same path object again and again.
QString g_lastPath;
CachedFile* g_lastFile = nullptr;

} // namespace

QString DecodeTextFile(const QByteArray& bytes)
{
    // Editors on other systems save as UTF-16 with its byte-order mark.
    const bool littleEndian = bytes.startsWith("\xFF\xFE");
    if (littleEndian || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(littleEndian ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                             QStringDecoder::Flag::Stateless);
        return utf16.decode(bytes.mid(2));
    }
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(body);
    if (!utf8.hasError())
        return text;
    return decodeCp1252(bytes);
}

ProfileContent ProfileContent::parse(const QByteArray& bytes)
{
    ProfileContent result;
    QHash<QString, QString>* current = nullptr;
    const QStringList lines = DecodeTextFile(bytes).split(u'\n');
    for (const QString& rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            const QString name = line.mid(1, close < 0 ? -1 : close - 1).trimmed().toLower();
            current = &result.m_sections[name];
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (current == nullptr || eq < 0)
            continue;
        const QString key = line.left(eq).trimmed().toLower();
        // The first occurrence of a key counts, as with the platform's reader.
        if (key.isEmpty() || current->contains(key))
            continue;
        current->insert(key, stripQuotes(line.mid(eq + 1).trimmed()).left(kMaxProfileValueLength));
    }
    return result;
}

QString ProfileContent::value(const QString& section, const QString& key) const
{
    const auto s = m_sections.constFind(section.trimmed().toLower());
    if (s == m_sections.constEnd())
        return QString();
    return s->value(key.trimmed().toLower());
}

bool ProfileContent::contains(const QString& section, const QString& key) const
{
    const auto s = m_sections.constFind(section.trimmed().toLower());
    return s != m_sections.constEnd() && s->contains(key.trimmed().toLower());
}

QStringList ProfileContent::keys(const QString& section) const
{
    return m_sections.value(section.trimmed().toLower()).keys();
}

void NoteUserAction()
{
    ++g_userAction;
}

namespace {

// The file's entry, looked at once in this user action (the cache's lock is held).
CachedFile& CurrentFile(const QString& path)
{
    const quint64 action = g_userAction;
    const bool samePath = g_lastFile && (path.isSharedWith(g_lastPath) || path == g_lastPath);
    CachedFile& cached = samePath ? *g_lastFile : g_cache[path];
    g_lastPath = path;
    g_lastFile = &cached;
    if (cached.checkedInAction == action)
        return cached;
    cached.checkedInAction = action;
    const QFileInfo info(path);
    cached.exists = info.isFile();
    const QDateTime modified = cached.exists ? info.lastModified() : QDateTime();
    const qint64 size = cached.exists ? info.size() : -1;
    if (cached.exists && !cached.isCurrent(modified, size)) {
        cached.readAt = QDateTime::currentDateTime();
        QFile file(path);
        cached.exists = file.open(QIODevice::ReadOnly);
        cached.content = cached.exists ? ProfileContent::parse(file.readAll()) : ProfileContent();
        cached.texts.clear();
        cached.numberedTexts.clear();
        cached.modified = modified;
        cached.size = size;
    }
    if (!cached.exists) {
        cached.content = ProfileContent();
        cached.texts.clear();
        cached.numberedTexts.clear();
        cached.size = -1;
    }
    return cached;
}

} // namespace

QString ReadProfileString(const QString& path, const QString& section, const QString& key)
{
    if (path.isEmpty())
        return QString();
    const std::lock_guard lock(g_cacheMutex);
    const CachedFile& cached = CurrentFile(path);
    return cached.exists ? cached.content.value(section, key) : QString();
}

namespace {

QString KeyText(const QString& key)
{
    return key;
}

QString KeyText(int number)
{
    return QString::number(number);
}

// The unescaped text of a key, from the file's texts of that kind of key once looked up.
template <typename Key>
QString MemoizedLanText(const QString& path, const QString& section, const Key& key,
                        SectionTexts<Key> CachedFile::*memo)
{
    if (path.isEmpty())
        return QString();
    const std::lock_guard lock(g_cacheMutex);
    CachedFile& cached = CurrentFile(path);
    if (!cached.exists)
        return QString();
    QHash<Key, QString>& inSection = (cached.*memo).of(section);
    const auto known = inSection.constFind(key);
    if (known != inSection.constEnd())
        return *known;
    return *inSection.insert(key, UnescapeLanText(cached.content.value(section, KeyText(key))));
}

} // namespace

QString ReadLanText(const QString& path, const QString& section, const QString& key)
{
    return MemoizedLanText(path, section, key, &CachedFile::texts);
}

QString ReadLanText(const QString& path, const QString& section, int number)
{
    return MemoizedLanText(path, section, number, &CachedFile::numberedTexts);
}

QString UnescapeLanText(const QString& raw)
{
    QString text;
    text.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c != u'\\' || i + 1 >= raw.size()) {
            text.append(c);
            continue;
        }
        switch (raw.at(i + 1).unicode()) {
        case u'n': text.append(u'\n'); break;
        case u'r': text.append(u'\r'); break;
        case u't': text.append(u'\t'); break;
        case u'"': text.append(u'"'); break;
        case u'\\': text.append(u'\\'); break;
        default: text.append(c); continue; // not a sequence: keep the backslash, scan on
        }
        ++i;
    }
    return text;
}

} // namespace hvx
