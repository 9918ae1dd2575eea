#include "output/TextExport.h"

#include "base/FileDialogLan.h"
#include "base/HvxApp.h"
#include "base/Log.h"
#include "base/WholeFile.h"
#include "devicedata/ClockText.h"
#include "document/Cp1252.h"
#include "document/HVXDoc.h"
#include "model/Werttexte.h"
#include "output/AusgabeTexte.h"
#include "output/Seitenplan.h"

#include <QLocale>

namespace hvx {

namespace {

const QString kZeilenende = QStringLiteral("\r\n");
const QString kUnterschriftslinie = QStringLiteral("______________________________");

} // namespace

QString exportZeile(const Ausgabezeile& zeile)
{
    if (zeile.art == Zeilenart::Tabelle)
        return zeile.spalten.join(QLatin1Char('\t'));
    if (zeile.art == Zeilenart::Unterschriften) {
        QStringList felder;
        for (const QString& bezeichnung : zeile.spalten)
            felder << bezeichnung + QStringLiteral(": ") + kUnterschriftslinie;
        return felder.join(QStringLiteral("    "));
    }
    if (zeile.art != Zeilenart::Wert)
        return zeile.label;
    QString wert = zeile.wert;
    // Continuation lines of a text block are indented under its first line.
    wert.replace(QLatin1Char('\n'), kZeilenende + QLatin1Char('\t'));
    return zeile.label + QLatin1Char('\t') + wert;
}

namespace {

void haengeAn(QStringList& zeilen, const Ausgabe& ausgabe)
{
    for (const Ausgabezeile& zeile : ausgabe)
        zeilen << exportZeile(zeile);
}

} // namespace

QString ausgabeZeitpunkt(const QDateTime& zeitpunkt)
{
    const CHVXApp& app = theApp();
    const QLocale locale;
    return locale.toString(zeitpunkt.date(), app.m_strDateFormat) + QLatin1Char(' ')
        + locale.toString(zeitpunkt.time(), TimePictureWithoutSeconds(app.m_strTimeFormat));
}

QStringList exportZeilen(const Ausgabequelle& quelle, const QDateTime& zeitpunkt)
{
    QStringList zeilen;
    zeilen << ausgabe::text(ausgabe::kTitel) << ausgabeZeitpunkt(zeitpunkt) << QString();
    haengeAn(zeilen, systemteil(quelle));
    for (const int slot : seitenSlots(quelle.ps)) {
        zeilen << QString() << QString();
        haengeAn(zeilen, modulteil(quelle.ps, slot));
    }
    return zeilen;
}

QByteArray exportDatei(const QStringList& zeilen)
{
    QByteArray datei;
    for (const QString& zeile : zeilen)
        datei += ToCp1252(zeile + kZeilenende);
    return datei;
}

bool schreibeExport(const CHVXDoc& doc, const QString& path, QString* fehler)
{
    const Ausgabequelle quelle{doc.parametersatz(), doc.infoTexts(), doc.accessGranted() != 0};
    const QByteArray inhalt = exportDatei(exportZeilen(quelle, QDateTime::currentDateTime()));
    QString error;
    const bool ok = WriteWholeFile(path, inhalt, &error);
    if (!ok) {
        if (fehler != nullptr)
            *fehler = error.left(255);
        LogEntry(0, QStringLiteral("CHVXDoc::OnDateiExportTxt"), error);
    }
    return ok;
}

bool OnDateiExportTxt(const CHVXDoc& doc)
{
    CHVXApp& app = theApp();
    const QString extension = QStringLiteral("txt");
    const std::optional<QString> path = FileDialogLan(false, app.m_strExportDir, ausgabe::kExportTitel, ausgabe::kExportFilter,
                                                      extension, ProposedFileName(doc.pathName(), extension));
    if (!path)
        return false;
    LogEntry(1, QStringLiteral("CHVXDoc::OnDateiExportTxt"));
    QString fehler;
    const bool ok = schreibeExport(doc, *path, &fehler);
    if (!ok) {
        LogMessageBox(fehler, MB_OK | MB_ICONWARNING);
        LogMessageBox(formatiere(ausgabe::text(ausgabe::kExportFehler), {*path}), MB_OK | MB_ICONWARNING);
        return false;
    }
    LogMessageBox(formatiere(ausgabe::text(ausgabe::kExportErfolg), {*path}), MB_OK | MB_ICONINFORMATION);
    return true;
}

} // namespace hvx
