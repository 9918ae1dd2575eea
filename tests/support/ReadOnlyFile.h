#pragma once
// Makes a file write-protected for the test process, even when the tests run as root (where the
// permission bits do not stop writes): then the file is marked immutable. The protection is
// lifted again when the object ends, so the temporary directory can be removed.

#include <QString>

namespace hvx::test {

class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    // False when this system offers no way to protect the file from this process.
    bool isProtected() const { return m_protected; }

private:
    bool setImmutable(bool on) const;

    QString m_path;
    bool m_immutable = false;
    bool m_protected = false;
};

} // namespace hvx::test
