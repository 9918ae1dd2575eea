#pragma once
// What a configuration file tells about its plant at a glance (texts, revision, modules with
// their controller kinds, stamps, whether an access code is in force), read straight from the
// file's bytes: no document, no question, no log entry, no error code, so that a folder of
// hundreds of files is listed in one go and an unreadable file only gets its own cause.

#include "document/InfoBlock.h"
#include "model/Parametersatz.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace hvx {

struct ConfigFileSummary {
    QString path;
    // Empty when the file was read; otherwise why not (the other members are then empty).
    QString error;
    quint32 errorBit = 0; // the configuration file error code's bit of that cause
    InfoTexts texts;
    quint8 geraetekennung = 0;
    std::array<quint8, 3> modultypen{};
    std::array<int, 3> reglerarten{};
    std::array<QByteArray, 3> stamps; // created, saved, transferred: 12 digits or 12 zero bytes
    bool zugangscodeAktiv = false;
};

// Reads the file at path. A file that is not a configuration file, too short for one, holds a
// parameter set of a version the program does not know, or cannot be read gets its cause.
ConfigFileSummary SummarizeConfigFile(const QString& path);
// The same for bytes already read.
ConfigFileSummary SummarizeConfigBytes(const QString& path, const QByteArray& bytes);

// "Revision K 54 (0x13)": the revision of a byte 0 with its value ("unbekannt" for none).
QString RevisionWithCode(quint8 geraetekennung);
// "pH, Signalgerät": the module of a slot and its controller kind; "Kein" for an empty slot, the
// type's number where no name exists.
QString ModuleText(quint8 modultyp, int reglerart, int familie);
QString ModuleText(const Parametersatz& ps, int slot);
// A stamp as "yyyy-MM-dd HH:mm"; empty for one never written; the digits as they stand when they
// form no date.
QString StampText(const QByteArray& stamp);
// The first line of a text of the information block.
QString FirstLine(const QString& text);

} // namespace hvx
