#include "document/ConfigFileSummary.h"

#include "base/ErrorCodes.h"
#include "base/Language.h"
#include "base/WholeFile.h"
#include "document/DocumentTexts.h"
#include "document/KelConfigFile.h"
#include "model/Modulnamen.h"
#include "model/Reglerart.h"
#include "model/Revisionen.h"

#include <QDateTime>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace hvx {

namespace {

using namespace configfile;

ConfigFileSummary failed(const QString& path, const QString& error, quint32 bit)
{
    ConfigFileSummary summary;
    summary.path = path;
    summary.error = error;
    summary.errorBit = bit;
    return summary;
}

} // namespace

ConfigFileSummary SummarizeConfigFile(const QString& path)
{
    QByteArray bytes;
    QString error;
    if (!ReadWholeFile(path, CKelConfigFile::kMaxFileSize, bytes, &error))
        return failed(path, error, kErrOpenException);
    return SummarizeConfigBytes(path, bytes);
}

ConfigFileSummary SummarizeConfigBytes(const QString& path, const QByteArray& bytes)
{
    if (bytes.size() < kMagicSize || std::memcmp(bytes.constData(), kMagic, kMagicSize) != 0)
        return failed(path, GetStringsText(kTextNotAConfigFile).replace(QLatin1String("%s"), QFileInfo(path).fileName()),
                      kErrNotAConfigFile);
    // The open of a document reads the same places; a shorter file has no parameter set to read.
    if (bytes.size() < kFileSize)
        return failed(path, GetStringsText(kTextFileTooShort).arg(bytes.size()).arg(kFileSize), kErrReadConfig);

    Parametersatz ps;
    for (const ParameterSegment& s : kParameterSegments)
        std::memcpy(ps.bytes().data() + s.imageOffset, bytes.constData() + s.fileOffset, s.size);
    if (!ps.versionUnterstuetzt())
        return failed(path, GetStringsText(kTextWrongVersion), kErrReadConfig);

    ConfigFileSummary summary;
    summary.path = path;
    InfoBlockBytes block{};
    std::memcpy(block.data(), bytes.constData() + kInfoBlockOffset, block.size());
    summary.texts = DecodeInfoBlock(block);
    summary.geraetekennung = ps.geraetekennung();
    for (int slot = 0; slot < layout::kSlotAnzahl; ++slot) {
        summary.modultypen[size_t(slot)] = ps.modultyp(slot);
        summary.reglerarten[size_t(slot)] = reglerartCode(ps, slot);
    }
    for (int slot = 0; slot < kStampSlotCount; ++slot)
        summary.stamps[size_t(slot)] = bytes.mid(kStampOffset + kStampSlotSize * slot, kStampLength);
    summary.zugangscodeAktiv = ps.zugangscodeAktiv() != 0;
    return summary;
}

QString RevisionWithCode(quint8 geraetekennung)
{
    constexpr int kTextUnknownRevision = 3751; // "unbekannt"
    QString revision = revisionText(geraetekennung);
    if (revision.isEmpty())
        revision = GetStringsText(kTextUnknownRevision);
    return QStringLiteral("%1 (0x%2)").arg(revision).arg(geraetekennung, 2, 16, QLatin1Char('0'));
}

QString ModuleText(quint8 modultyp, int reglerart, int familie)
{
    const QString name = modulName(modultyp, familie);
    QString text = name.isEmpty() ? QString::number(modultyp) : name;
    const QString controller = reglerartName(reglerart);
    if (modultyp != modultyp::kKein && !controller.isEmpty())
        text += QStringLiteral(", ") + controller;
    return text;
}

QString ModuleText(const Parametersatz& ps, int slot)
{
    return ModuleText(ps.modultyp(slot), reglerartCode(ps, slot), ps.familie());
}

QString StampText(const QByteArray& stamp)
{
    if (stamp.count('\0') == stamp.size())
        return QString();
    // A wall-clock reading as the program wrote it: a time that the clock change skipped is
    // still the time written.
    const auto digits = [&stamp](int from, int count) {
        bool ok = false;
        const int value = stamp.mid(from, count).toInt(&ok);
        return ok ? value : -1;
    };
    const QDate date(digits(0, 4), digits(4, 2), digits(6, 2));
    const QTime time(digits(8, 2), digits(10, 2));
    const bool allDigits = std::all_of(stamp.begin(), stamp.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (stamp.size() != kStampLength || !allDigits || !date.isValid() || !time.isValid())
        return QString::fromLatin1(stamp);
    return QStringLiteral("%1 %2").arg(date.toString(Qt::ISODate), time.toString(QStringLiteral("HH:mm")));
}

QString FirstLine(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\r') || text[i] == QLatin1Char('\n'))
            return text.left(i);
    }
    return text;
}

} // namespace hvx
