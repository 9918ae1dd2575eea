#include "output/Serviceprotokoll.h"

#include "base/FileDialogLan.h"
#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "base/WholeFile.h"
#include "document/ConfigFileSummary.h"
#include "editing/EditingTexts.h"
#include "editing/Vergleich.h"
#include "output/AusgabeTexte.h"
#include "output/TextExport.h"
#include "output/Zeilen.h"

#include <QFileInfo>

namespace hvx {

namespace {

// Texts of the report (Strings.lan).
constexpr int kTitel = 3688;
constexpr int kUebertragung = 3689;
constexpr int kZeitpunkt = 3690;
constexpr int kSchnittstelle = 3691;
constexpr int kKalibrierdaten = 3692;
constexpr int kErhalten = 3693;
constexpr int kUeberschrieben = 3694;
constexpr int kKontrolle = 3695;
constexpr int kNichtAusgefuehrt = 3696;
constexpr int kBestanden = 3697;
constexpr int kGeraet = 3698;
constexpr int kGeaenderteWerte = 3699;
constexpr int kTabellenkopf = 3390; // page, field, before, after, unit (tab-separated)
constexpr int kKalibrierdatenGruppe = 3391; // "Kalibrierdaten: %1"
constexpr int kKeine = 3392;
constexpr int kKeineAenderungen = 3393;
constexpr int kUnterschriftTechniker = 3394;
constexpr int kUnterschriftKunde = 3395;
// Saving it.
constexpr int kDialogTitel = 3382;
constexpr int kDialogFilter = 3383;
constexpr int kGespeichert = 3384;
constexpr int kNichtGeschrieben = 3385; // %1 path, %2 cause
constexpr int kFalscheEndung = 3386;    // %1 path
constexpr int kOrdnerFehlt = 3387;      // %1 folder

ProtokollPdfSchreiber& pdfSchreiber()
{
    static ProtokollPdfSchreiber schreiber;
    return schreiber;
}

QString t(int nummer)
{
    return GetStringsText(nummer);
}

QString einzeilig(const QString& text)
{
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(", ")).replace(QLatin1Char('\n'), QStringLiteral(", "));
}

Ausgabezeile tabellenzeile(const QStringList& spalten, bool kopf = false)
{
    Ausgabezeile z;
    z.art = Zeilenart::Tabelle;
    z.spalten = spalten;
    z.fett = kopf;
    return z;
}

// The rows of one group of the comparison; the page stands in the first row of its fields.
void tabelle(Ausgabe& a, const std::vector<Unterschied>& unterschiede)
{
    if (unterschiede.empty()) {
        a.push_back(zeilen::text(t(kKeine)));
        return;
    }
    a.push_back(tabellenzeile(t(kTabellenkopf).split(QLatin1Char('\t')), true));
    const QString fehlt = t(editingtext::kWertFehlt);
    QString seite;
    for (const Unterschied& u : unterschiede) {
        a.push_back(tabellenzeile({u.seite == seite ? QString() : u.seite, LabelWithoutColon(u.beschriftung),
                                   u.wertA.isEmpty() ? fehlt : u.wertA, u.wertB.isEmpty() ? fehlt : u.wertB, u.einheit}));
        seite = u.seite;
    }
}

void uebertragung(Ausgabe& a, const TransferRecord& r, const QString& zeitpunkt)
{
    a.push_back(zeilen::ueberschrift(t(kUebertragung)));
    a.push_back(zeilen::wert(t(kZeitpunkt), zeitpunkt));
    const QString port = r.device.isEmpty() || r.device == r.port ? r.port : QStringLiteral("%1 (%2)").arg(r.port, r.device);
    a.push_back(zeilen::wert(t(kSchnittstelle), port));
    a.push_back(zeilen::wert(t(ausgabe::kDatei), r.path));
    a.push_back(zeilen::wert(t(kKalibrierdaten), t(r.calibrationKept ? kErhalten : kUeberschrieben)));
    a.push_back(zeilen::wert(t(kKontrolle), t(r.check == TransferRecord::Check::Passed ? kBestanden : kNichtAusgefuehrt)));
}

void geraet(Ausgabe& a, const TransferRecord& r)
{
    a.push_back(zeilen::ueberschrift(t(kGeraet)));
    a.push_back(zeilen::wert(t(ausgabe::kSeriennummer), einzeilig(r.texts.seriennummer)));
    a.push_back(zeilen::wert(t(ausgabe::kKunde), einzeilig(r.texts.kunde)));
    a.push_back(zeilen::wert(t(ausgabe::kStandort), einzeilig(r.texts.standort)));
    a.push_back(zeilen::wert(t(ausgabe::kRevision), RevisionWithCode(r.sent.geraetekennung())));
    for (int slot = 0; slot < layout::kSlotAnzahl; ++slot)
        a.push_back(zeilen::wert(t(ausgabe::kModul).arg(slot + 1), ModuleText(r.sent, slot)));
}

void aenderungen(Ausgabe& a, const TransferRecord& r)
{
    const Vergleich gesendet = vergleiche(r.before, r.sent);
    // Kept: where the file's calibration data differ from the instrument's, the instrument's stayed.
    const std::vector<Unterschied> kalibrierung = r.calibrationKept
                                                      ? vergleiche(r.before, r.file).gruppe(Unterschiedsgruppe::Kalibrierung)
                                                      : gesendet.gruppe(Unterschiedsgruppe::Kalibrierung);
    if (gesendet.gleich() && kalibrierung.empty()) {
        a.push_back(zeilen::ueberschrift(t(kGeaenderteWerte)));
        a.push_back(zeilen::text(t(kKeineAenderungen)));
        return;
    }
    a.push_back(zeilen::ueberschrift(t(kGeaenderteWerte)));
    tabelle(a, gesendet.gruppe(Unterschiedsgruppe::Feld));
    a.push_back(zeilen::leer());
    a.push_back(zeilen::ueberschrift(t(kKalibrierdatenGruppe).arg(t(r.calibrationKept ? kErhalten : kUeberschrieben))));
    std::vector<Unterschied> zeilen = kalibrierung;
    // Kept values did not change: before and after are the instrument's.
    if (r.calibrationKept) {
        for (Unterschied& u : zeilen)
            u.wertB = u.wertA;
    }
    tabelle(a, zeilen);
    const std::vector<Unterschied> bytes = gesendet.gruppe(Unterschiedsgruppe::Byte);
    if (!bytes.empty()) {
        a.push_back(zeilen::leer());
        a.push_back(zeilen::ueberschrift(gruppenTitel(Unterschiedsgruppe::Byte)));
        tabelle(a, bytes);
    }
}

QString zeitpunktVon(const TransferRecord& r)
{
    return ausgabeZeitpunkt(r.time);
}

} // namespace

QString protokollTitel()
{
    return t(kTitel);
}

Ausgabe protokollZeilen(const TransferRecord& transfer)
{
    Ausgabe a;
    a.push_back(zeilen::titel(protokollTitel()));
    a.push_back(zeilen::leer());
    uebertragung(a, transfer, zeitpunktVon(transfer));
    a.push_back(zeilen::leer());
    geraet(a, transfer);
    a.push_back(zeilen::leer());
    aenderungen(a, transfer);
    a.push_back(zeilen::leer());
    Ausgabezeile unterschriften;
    unterschriften.art = Zeilenart::Unterschriften;
    unterschriften.spalten = QStringList{t(kUnterschriftTechniker), t(kUnterschriftKunde)};
    a.push_back(unterschriften);
    return a;
}

Protokollart protokollartVon(const QString& pfad)
{
    const QString endung = QFileInfo(pfad).suffix().toLower();
    if (endung == QLatin1String("pdf"))
        return Protokollart::Pdf;
    if (endung == QLatin1String("txt"))
        return Protokollart::Text;
    return Protokollart::Unbekannt;
}

bool schreibeProtokoll(const TransferRecord& transfer, const QString& pfad, QString* fehler)
{
    const Ausgabe inhalt = protokollZeilen(transfer);
    QString ursache;
    bool ok = false;
    switch (protokollartVon(pfad)) {
    case Protokollart::Pdf:
        ok = pdfSchreiber() && pdfSchreiber()(inhalt, protokollTitel(), transfer.path, zeitpunktVon(transfer), pfad, &ursache);
        if (!pdfSchreiber())
            ursache = QStringLiteral("PDF");
        break;
    case Protokollart::Text: {
        QStringList zeilen;
        for (const Ausgabezeile& zeile : inhalt)
            zeilen << exportZeile(zeile);
        ok = WriteWholeFile(pfad, exportDatei(zeilen), &ursache);
        break;
    }
    case Protokollart::Unbekannt: ursache = QFileInfo(pfad).suffix(); break;
    }
    if (!ok && fehler != nullptr)
        *fehler = ursache;
    return ok;
}

QString protokollpfadFehler(const QString& pfad)
{
    if (protokollartVon(pfad) == Protokollart::Unbekannt)
        return t(kFalscheEndung).arg(pfad);
    const QFileInfo ordner(QFileInfo(pfad).absolutePath());
    if (!ordner.isDir() || !ordner.isWritable())
        return t(kNichtGeschrieben).arg(pfad, t(kOrdnerFehlt).arg(ordner.absoluteFilePath()));
    return QString();
}

bool speichereProtokollMitDialog(const TransferRecord& transfer)
{
    LogEntry(1, QStringLiteral("CHVXDoc::OnProtokollSpeichern"));
    const QString vorschlag = QStringLiteral("%1_%2.pdf").arg(QFileInfo(transfer.path).completeBaseName(),
                                                              transfer.time.toString(QStringLiteral("yyyy-MM-dd_HHmm")));
    const std::optional<QString> pfad = FileDialogLan(false, theApp().m_strExportDir, kDialogTitel, kDialogFilter,
                                                      QStringLiteral("pdf"), vorschlag);
    return pfad && schreibeProtokollMitMeldung(transfer, *pfad);
}

bool schreibeProtokollMitMeldung(const TransferRecord& transfer, const QString& pfad)
{
    QString fehler = protokollpfadFehler(pfad);
    if (fehler.isEmpty() && !schreibeProtokoll(transfer, pfad, &fehler))
        fehler = t(kNichtGeschrieben).arg(pfad, fehler);
    if (!fehler.isEmpty()) {
        LogMessageBox(fehler, MB_OK | MB_ICONWARNING);
        return false;
    }
    LogMessageBox(t(kGespeichert).arg(pfad), MB_OK | MB_ICONINFORMATION);
    return true;
}

void setzeProtokollPdfSchreiber(ProtokollPdfSchreiber schreiber)
{
    pdfSchreiber() = std::move(schreiber);
}

} // namespace hvx
