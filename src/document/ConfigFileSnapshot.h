#pragma once
// What a configuration file held when the document last read or wrote it, so that a save can
// tell whether someone else (hvxcli set, another window, a copy) changed the file since.

#include <QByteArray>
#include <QString>
#include <optional>

namespace hvx {

class ConfigFileSnapshot {
public:
    // Remembers the bytes of the file at path, as the document has just read or written them.
    void take(const QString& path, const QByteArray& bytes);
    void clear();

    // The file's bytes now, when it was changed since the snapshot in a way a save over it would
    // undo: its size, or any byte but the three date/time stamps. nullopt when path is another
    // file, or the file is unchanged, gone (a save only brings it back) or unreadable (the save
    // then reports that itself). The stamps do not count: a save writes onto the file as it is
    // on disk, so a transfer stamp written meanwhile stays, and the save stamp is the save's own.
    std::optional<QByteArray> changedOnDisk(const QString& path) const;

private:
    QString m_path; // canonical
    QByteArray m_bytes;
};

} // namespace hvx
