#include "document/KelConfigFile.h"

#include "base/ErrorCodes.h"
#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "document/DocumentTexts.h"

#include <cstring>

using namespace hvx;
using namespace hvx::configfile;

namespace {

constexpr auto kOpenMode = QIODevice::ReadWrite | QIODevice::Unbuffered;

// The platform's error text is cut as the log book has always received it.
constexpr int kMaxErrorText = 255;

} // namespace

CKelConfigFile::CKelConfigFile(Clock clock)
    : m_clock(clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTime(); }))
{
}

QByteArray CKelConfigFile::Zeitstempel(const QDateTime& localTime)
{
    const QDate d = localTime.date();
    const QTime t = localTime.time();
    return QString::asprintf("%04d%02d%02d%02d%02d", d.year(), d.month(), d.day(), t.hour(), t.minute()).toLatin1();
}

int CKelConfigFile::fail(const char* marker, quint32 bit, const QString& errorText)
{
    m_lastError = errorText.left(kMaxErrorText);
    LogEntry(0, QString::fromLatin1(marker), m_lastError);
    theApp().SetErrorCode(kErrorAreaConfigFile, bit);
    return 0;
}

bool CKelConfigFile::ioFailed(const QString& text)
{
    m_ioError = text;
    return false;
}

bool CKelConfigFile::writeAt(qint64 offset, const char* data, qint64 size)
{
    if (!m_file.isWritable())
        return ioFailed(QStringLiteral("The file is open for reading only (write-protected)"));
    if (!m_file.seek(offset) || m_file.write(data, size) != size || !m_file.flush())
        return ioFailed(m_file.errorString());
    return true;
}

bool CKelConfigFile::readAt(qint64 offset, char* data, qint64 size)
{
    if (!m_file.seek(offset))
        return ioFailed(m_file.errorString());
    const qint64 got = m_file.read(data, size);
    if (got < 0)
        return ioFailed(m_file.errorString());
    if (got < size) // a short read is a damaged file, not an image with stale bytes at its end
        return ioFailed(QStringLiteral("The file ends early: %1 bytes, %2 expected").arg(m_file.size()).arg(kFileSize));
    return true;
}

int CKelConfigFile::createNew(QIODevice::OpenMode extraMode)
{
    m_file.setFileName(m_path);
    if (!m_file.open(kOpenMode | extraMode))
        return fail("CKelConfigFile::OpenConfigFile", kErrCreate, m_file.errorString());
    return CreateNullFile() && SetHeader() && SetZeit(kStampCreated);
}

int CKelConfigFile::OpenConfigFile(const QString& path)
{
    Close();
    m_path = path;
    m_lastError.clear();
    m_file.setFileName(path);
    if (!m_file.open(kOpenMode | QIODevice::ExistingOnly)) {
        if (!m_file.exists())
            return createNew(QIODevice::NewOnly);
        // Write-protected media and files: reading stays possible, writes fail with their codes.
        if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
            const QString error = m_file.errorString();
            Close();
            return fail("CKelConfigFile::OpenConfigFile", kErrOpenException, error);
        }
    }

    if (m_file.size() > kMaxFileSize) {
        const QString error = QStringLiteral("The file has %1 bytes, more than the %2 accepted").arg(m_file.size()).arg(kMaxFileSize);
        Close();
        return fail("CKelConfigFile::OpenConfigFile", kErrOpenException, error);
    }
    // A file shorter than the magic leaves zeros in the buffer, which the magic never holds.
    char header[kMagicSize] = {};
    if (!m_file.seek(0) || m_file.read(header, kMagicSize) < 0) {
        const QString error = m_file.errorString();
        Close();
        return fail("CKelConfigFile::OpenConfigFile", kErrOpenException, error);
    }
    m_file.seek(0);
    if (std::memcmp(header, kMagic, kMagicSize) != 0) {
        const QString text = GetStringsText(kTextNotAConfigFile).replace(QLatin1String("%s"), path);
        LogMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
        theApp().SetErrorCode(kErrorAreaConfigFile, kErrNotAConfigFile);
        Close();
        return 0;
    }
    return 1;
}

int CKelConfigFile::ReadConfigFile(std::span<quint8, kParameterSize> image)
{
    for (const ParameterSegment& s : kParameterSegments) {
        if (!readAt(s.fileOffset, reinterpret_cast<char*>(image.data() + s.imageOffset), qint64(s.size)))
            return fail("CKelConfigFile::ReadConfigFile", kErrReadConfig, m_ioError);
    }
    return 1;
}

int CKelConfigFile::ReadInfoBlock(std::span<quint8, kInfoBlockSize> block)
{
    if (!readAt(kInfoBlockOffset, reinterpret_cast<char*>(block.data()), qint64(block.size())))
        return fail("CKelConfigFile::ReadInfoBlock", kErrReadInfoBlock, m_ioError);
    return 1;
}

int CKelConfigFile::WriteConfigFile(std::span<const quint8, kParameterSize> image)
{
    if (m_file.size() != kFileSize) {
        // A damaged file is rebuilt before the image goes in.
        m_file.close();
        if (!createNew(QIODevice::Truncate))
            return 0;
    }
    if (!SetZeit(kStampSaved))
        return 0;
    for (const ParameterSegment& s : kParameterSegments) {
        if (!writeAt(s.fileOffset, reinterpret_cast<const char*>(image.data() + s.imageOffset), qint64(s.size)))
            return fail("CKelConfigFile::WriteConfigFile", kErrWriteConfig, m_ioError);
    }
    return 1;
}

int CKelConfigFile::WriteInfoBlock(std::span<const quint8, kInfoBlockSize> block)
{
    if (!writeAt(kInfoBlockOffset, reinterpret_cast<const char*>(block.data()), qint64(block.size())))
        return fail("CKelConfigFile::WriteInfoBlock", kErrWriteInfoBlock, m_ioError);
    return 1;
}

int CKelConfigFile::CreateNullFile()
{
    const QByteArray zeros(kFileSize, '\0');
    if (!writeAt(0, zeros.constData(), kFileSize))
        return fail("CKelConfigFile::CreateNullFile", kErrWriteNullFile, m_ioError);
    if (!m_file.resize(kFileSize))
        return fail("CKelConfigFile::CreateNullFile", kErrWriteNullFile, m_file.errorString());
    return 1;
}

int CKelConfigFile::SetHeader()
{
    if (!writeAt(0, kMagic, kMagicSize))
        return fail("CKelConfigFile::SetHeader", kErrWriteHeader, m_ioError);
    return 1;
}

int CKelConfigFile::SetZeit(int slot)
{
    if (slot < 0 || slot >= kStampSlotCount)
        return fail("CKelConfigFile::SetZeit", kErrWriteTimeStamp, QStringLiteral("No stamp slot %1").arg(slot));
    const QByteArray stamp = Zeitstempel(m_clock());
    if (!writeAt(kStampOffset + kStampSlotSize * slot, stamp.constData(), kStampLength))
        return fail("CKelConfigFile::SetZeit", kErrWriteTimeStamp, m_ioError);
    return 1;
}

int CKelConfigFile::ReadZeit(int slot, QByteArray& stamp)
{
    if (slot < 0 || slot >= kStampSlotCount)
        return fail("CKelConfigFile::ReadZeit", kErrReadInfoBlock, QStringLiteral("No stamp slot %1").arg(slot));
    stamp = QByteArray(kStampLength, '\0');
    if (!readAt(kStampOffset + kStampSlotSize * slot, stamp.data(), kStampLength))
        return fail("CKelConfigFile::ReadZeit", kErrReadInfoBlock, m_ioError);
    return 1;
}

void CKelConfigFile::Close()
{
    if (m_file.isOpen())
        m_file.close();
}
