#pragma once
// One .hxd configuration file: open (or create), read and write the parameter image, the
// information block and the date/time stamps. Every operation returns 1 on success and 0 on
// failure; a failure is logged and sets the process error code of the configuration file area.
// The caller closes the file after its read or write sequence.
//
// The file is held in memory while it is open; every write goes to a temporary file in the same
// directory that then replaces the file (keeping its permissions), so a failed write or a killed
// process leaves the previous file whole, and a new file that cannot be written leaves none.

#include "document/ConfigFileLayout.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <span>

class CKelConfigFile {
public:
    using Clock = std::function<QDateTime()>;

    // The clock gives the local time for the stamps (the current time by default).
    explicit CKelConfigFile(Clock clock = {});
    CKelConfigFile(const CKelConfigFile&) = delete;
    CKelConfigFile& operator=(const CKelConfigFile&) = delete;

    // Opens an existing configuration file and checks its magic, or creates a new one (zeroed,
    // with magic and creation stamp) when there is no file at the path. An existing file is never
    // truncated here; one that cannot be opened for writing is opened for reading only. A file
    // larger than kMaxFileSize is refused (it cannot be a configuration file).
    int OpenConfigFile(const QString& path);
    int ReadConfigFile(std::span<quint8, hvx::configfile::kParameterSize> image);
    int ReadInfoBlock(std::span<quint8, hvx::configfile::kInfoBlockSize> block);
    // Writes the image and the last-save stamp; a file of the wrong length is rebuilt first.
    int WriteConfigFile(std::span<const quint8, hvx::configfile::kParameterSize> image);
    int WriteInfoBlock(std::span<const quint8, hvx::configfile::kInfoBlockSize> block);
    int CreateNullFile();
    int SetHeader();
    int SetZeit(int slot);
    // The 12 characters of a stamp slot; 12 zero bytes for a stamp never written.
    int ReadZeit(int slot, QByteArray& stamp);
    void Close();

    bool IsOpen() const { return m_open; }
    // The file's bytes while it is open: as read, with the writes made since.
    const QByteArray& Bytes() const { return m_data; }
    QString Path() const { return m_path; }
    // The platform's text of the last file error since the last open (empty when there was none;
    // a wrong magic has its own message instead), for callers that report it themselves.
    QString LastErrorText() const { return m_lastError; }

    // 12 digits: year, month, day, hour, minute.
    static QByteArray Zeitstempel(const QDateTime& localTime);

    // Far above the 1280 bytes of the format, far below what a mistaken file can hold.
    static constexpr qint64 kMaxFileSize = 64 * 1024;

private:
    int createNew();
    bool buildFreshImage(); // the empty file with header and creation stamp, in memory
    int fail(const char* marker, quint32 bit, const QString& errorText);
    bool ioFailed(const QString& text);
    bool writeAt(qint64 offset, const char* data, qint64 size);
    bool readAt(qint64 offset, char* data, qint64 size);
    bool commit(); // writes m_data through a temporary file; false with m_ioError
    // Writes made while it lives are committed once, at its end.
    class Batch;

    QByteArray m_data; // the file's bytes while it is open
    bool m_open = false;
    bool m_writable = false;
    int m_batchDepth = 0;
    QString m_path;
    QString m_lastError;
    QString m_ioError; // cause of the last failed read or write
    Clock m_clock;
};
