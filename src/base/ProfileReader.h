#pragma once
// Reading of profile (INI) files as the language files use them: sections and keys are
// case-insensitive, blanks around names and values are trimmed, a value enclosed in a pair of
// double or single quotes loses them (that is how a text keeps a trailing blank), and a value
// holds at most 254 characters. A missing file, section or key gives the empty text.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace hvx {

constexpr int kMaxProfileValueLength = 254;

// The parsed content of one profile file: section -> key -> raw value (keys lower-cased).
class ProfileContent {
public:
    static ProfileContent parse(const QByteArray& bytes);
    // The raw value (quotes removed, cut to 254 characters), or an empty text when missing.
    QString value(const QString& section, const QString& key) const;
    bool contains(const QString& section, const QString& key) const;
    // The sections and the keys of a section (lower-cased), in no particular order.
    QStringList sections() const { return m_sections.keys(); }
    QStringList keys(const QString& section) const;

private:
    QHash<QString, QHash<QString, QString>> m_sections;
};

// Decodes the bytes of a text file: UTF-16 after its byte-order mark (either byte order), UTF-8
// (with or without byte-order mark) when valid, otherwise Windows-1252.
QString DecodeTextFile(const QByteArray& bytes);

// The raw value of a key in a file. Files are cached and read again when their modification
// time or size changes. A file is looked at (one status call) at most once per user action, so
// that the thousands of lookups of one command cost no file-system access; an edited file is
// seen from the next action on.
QString ReadProfileString(const QString& path, const QString& section, const QString& key);

// The same value with its escape sequences replaced (see UnescapeLanText), as the language
// lookups use it; each text is unescaped once per reading of its file.
QString ReadLanText(const QString& path, const QString& section, const QString& key);
// The same for a key that is a number (the numbered texts).
QString ReadLanText(const QString& path, const QString& section, int number);

// A new user action begins (a key press or click in the window, a command of hvxcli, a test):
// the next lookup in each file looks at the file again.
void NoteUserAction();

// Turns the escape sequences \n \r \t \" \\ into their characters, scanning from left to right;
// any other backslash, and a final one, stays as it is.
QString UnescapeLanText(const QString& raw);

} // namespace hvx
