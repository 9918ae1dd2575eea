#include "document/KelConfigFile.h"

#include "base/ErrorCodes.h"
#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "base/WholeFile.h"
#include "document/DocumentTexts.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

using namespace hvx;
using namespace hvx::configfile;

namespace {

// The platform's error text is cut as the log book has always received it.
constexpr int kMaxErrorText = 255;

} // namespace

// Writes inside a batch reach the disk once, when the outermost batch ends.
class CKelConfigFile::Batch {
public:
    explicit Batch(CKelConfigFile& file) : m_file(file) { ++m_file.m_batchDepth; }
    ~Batch() { --m_file.m_batchDepth; }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;
    // Commits the writes made so far, unless an outer batch will; false with m_ioError.
    bool commit() { return m_file.m_batchDepth > 1 || m_file.commit(); }

private:
    CKelConfigFile& m_file;
};

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

bool CKelConfigFile::commit()
{
    QString error;
    if (!WriteWholeFile(m_path, m_data, &error))
        return ioFailed(error);
    return true;
}

bool CKelConfigFile::writeAt(qint64 offset, const char* data, qint64 size)
{
    if (!m_open || !m_writable)
        return ioFailed(GetStringsText(kTextFileReadOnly));
    if (m_data.size() < offset + size)
        m_data.resize(offset + size, '\0');
    std::memcpy(m_data.data() + offset, data, size_t(size));
    return m_batchDepth > 0 || commit();
}

bool CKelConfigFile::readAt(qint64 offset, char* data, qint64 size)
{
    if (!m_open)
        return ioFailed(GetStringsText(kTextFileNotOpen));
    if (m_data.size() < offset + size) // a short file is damaged, not an image with stale bytes at its end
        return ioFailed(GetStringsText(kTextFileEndsEarly).arg(m_data.size()).arg(kFileSize));
    std::memcpy(data, m_data.constData() + offset, size_t(size));
    return true;
}

bool CKelConfigFile::buildFreshImage()
{
    m_data.clear();
    return CreateNullFile() && SetHeader() && SetZeit(kStampCreated);
}

int CKelConfigFile::createNew()
{
    // Built in memory and written once: a file that cannot be written whole is not left behind.
    m_open = true;
    m_writable = true;
    Batch batch(*this);
    if (!buildFreshImage())
        return 0;
    if (!batch.commit()) {
        m_open = false;
        return fail("CKelConfigFile::OpenConfigFile", kErrCreate, m_ioError);
    }
    return 1;
}

int CKelConfigFile::OpenConfigFile(const QString& path)
{
    Close();
    m_path = path;
    m_lastError.clear();
    if (!QFileInfo::exists(path))
        return createNew();

    QString error;
    if (!ReadWholeFile(path, kMaxFileSize, m_data, &error)) {
        Close();
        return fail("CKelConfigFile::OpenConfigFile", kErrOpenException, error);
    }
    // Write-protected media and files: reading stays possible, writes fail with their codes.
    QFile probe(path);
    m_writable = probe.open(QIODevice::ReadWrite | QIODevice::ExistingOnly);
    m_open = true;

    // A file shorter than the magic has zeros there, which the magic never holds.
    char header[kMagicSize] = {};
    std::memcpy(header, m_data.constData(), size_t(std::min<qint64>(kMagicSize, m_data.size())));
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
    Batch batch(*this);
    if (m_data.size() != kFileSize) {
        // A damaged file is rebuilt before the image goes in.
        if (!m_writable) // it cannot be created anew
            return fail("CKelConfigFile::OpenConfigFile", kErrCreate, GetStringsText(kTextFileReadOnly));
        if (!buildFreshImage())
            return 0;
    }
    if (!SetZeit(kStampSaved))
        return 0;
    for (const ParameterSegment& s : kParameterSegments) {
        if (!writeAt(s.fileOffset, reinterpret_cast<const char*>(image.data() + s.imageOffset), qint64(s.size)))
            return fail("CKelConfigFile::WriteConfigFile", kErrWriteConfig, m_ioError);
    }
    if (!batch.commit())
        return fail("CKelConfigFile::WriteConfigFile", kErrWriteConfig, m_ioError);
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
    if (m_writable)
        m_data.resize(kFileSize);
    if (!writeAt(0, zeros.constData(), kFileSize))
        return fail("CKelConfigFile::CreateNullFile", kErrWriteNullFile, m_ioError);
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
    m_open = false;
    m_writable = false;
    m_data.clear();
}
