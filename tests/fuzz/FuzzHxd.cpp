// The .hxd reader and the document's open: any bytes as a configuration file. Opening never
// changes the file; a file that opens can be saved, and what was saved opens again. The
// inventory's summary reads a file exactly when the document opens it, and reads the same.
#include "FuzzApp.h"

#include "document/ConfigFileSummary.h"
#include "document/HVXDoc.h"
#include "document/KelConfigFile.h"

#include <QFile>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace hvx;
    fuzz::App();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = fuzz::TempPath(QStringLiteral("input.hxd"));
    fuzz::WriteFile(path, bytes);

    CKelConfigFile file;
    if (file.OpenConfigFile(path)) {
        std::array<quint8, configfile::kParameterSize> image{};
        std::array<quint8, configfile::kInfoBlockSize> block{};
        QByteArray stamp;
        file.ReadConfigFile(image);
        file.ReadInfoBlock(block);
        for (int slot = 0; slot < configfile::kStampSlotCount; ++slot)
            file.ReadZeit(slot, stamp);
    }
    file.Close();

    CHVXDoc doc;
    const bool opened = doc.OnOpenDocument(path, CHVXDoc::OpenOptions{true, false});
    QFile check(path);
    if (!check.open(QIODevice::ReadOnly) || check.readAll() != bytes)
        std::abort(); // reading must never change what it reads
    const ConfigFileSummary summary = SummarizeConfigFile(path);
    if (summary.error.isEmpty() != opened)
        std::abort();
    if (opened && (summary.texts != doc.infoTexts() || summary.geraetekennung != doc.parametersatz().geraetekennung()
                   || summary.zugangscodeAktiv != (doc.parametersatz().zugangscodeAktiv() != 0)))
        std::abort();

    if (opened) {
        const QString copy = fuzz::TempPath(QStringLiteral("saved.hxd"));
        QFile::remove(copy);
        if (doc.OnSaveDocument(copy)) {
            CHVXDoc again;
            if (!again.OnOpenDocument(copy, CHVXDoc::OpenOptions{true, false}))
                std::abort(); // what was saved opens
        }
    }
    return 0;
}
