// The instrument's commands: fixed command bytes and block lengths over the transactions.
#include "link/KelComm.h"

#include "base/HvxApp.h"
#include "link/BcdDateTime.h"

namespace {

struct BlockCommand {
    quint8 code;
    int length;
};
constexpr BlockCommand kReadConfiguration{0x12, 46};
constexpr BlockCommand kReadParameters{0x13, 512};
constexpr BlockCommand kWriteParameters{0x14, 512};
constexpr BlockCommand kReadDateTime{0x15, hvx::kDateTimeBlockSize};
constexpr BlockCommand kWriteDateTime{0x16, hvx::kDateTimeBlockSize};
constexpr quint8 kWriteServiceBlock = 0x31;

} // namespace

int CKelComm::ReadConfiguration(quint8* buffer)
{
    return ReadBlock(kReadConfiguration.code, buffer, kReadConfiguration.length);
}

int CKelComm::ReadParameters(quint8* buffer)
{
    return ReadBlock(kReadParameters.code, buffer, kReadParameters.length);
}

int CKelComm::ReadDateTime(quint8* buffer)
{
    return ReadBlock(kReadDateTime.code, buffer, kReadDateTime.length);
}

int CKelComm::WriteParameters(const quint8* data)
{
    // Unattended runs have nobody to watch a progress display.
    const int progress = theApp().m_bRemote ? 0 : 1;
    return WriteBlock(kWriteParameters.code, data, kWriteParameters.length, progress);
}

int CKelComm::WriteDateTime(const quint8* data)
{
    return WriteBlock(kWriteDateTime.code, data, kWriteDateTime.length, 1);
}

int CKelComm::WriteServiceBlock(const quint8* data, int length)
{
    return WriteBlock(kWriteServiceBlock, data, length, 1);
}
