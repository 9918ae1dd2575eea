// The measuring parts of a module page ("Mess-Parameter"), one function per kind of module.
#include "output/Modulteile.h"
#include "output/Zeilen.h"

#include "model/Bestueckung.h"
#include "model/Messbereich.h"
#include "model/Texte.h"
#include "model/Werttexte.h"

#include <cmath>

namespace hvx {

namespace {

using namespace zeilen;
using ausgabe::text;

constexpr int kVersionMitKalibrierueberwachung = 3;
constexpr int kStromAnfang4mA = 4;
constexpr int kStromEnde = 20;
constexpr int kEinheitMA = 3191;
constexpr int kEinheitMS = 3189;
constexpr int kEinheitMgL = 3190;
constexpr int kEinheitPH = 3184;
constexpr int kKalibrierueberwachungAus = 255;

QString stromBereich(bool vierBisZwanzig)
{
    return modulteile::bereichText(vierBisZwanzig ? kStromAnfang4mA : 0, kStromEnde, modellText(kEinheitMA));
}

bool strom4bis20(const Parametersatz& ps, int slot)
{
    return ps.modulByte(slot, modulblock::kModulflags) & modulflags::kStrom4bis20mA;
}

void messbereichZeile(Ausgabe& a, const Parametersatz& ps, int slot, const std::optional<Messbereich>& bereich)
{
    if (bereich)
        a.push_back(wert(text(ausgabe::kMessbereich),
                         modulteile::bereichText(bereich->unten, bereich->oben, messwertEinheit(ps, slot, false))));
}

void messbereichZeile(Ausgabe& a, const Parametersatz& ps, int slot)
{
    messbereichZeile(a, ps, slot, messbereich(ps, slot));
}

// The chlorine range as export and printout name it: the larger range only for range code 2 of a
// parameter set with a version (variants N and N7400 also at version 0). The pages read other
// codes differently; the record keeps to this rule.
Messbereich chlorAusgabebereich(const Parametersatz& ps, int slot)
{
    const bool code2 = ps.version() != 0 && ps.modulByte(slot, modulblock::kChlorMessbereich) == 2;
    const bool gross = code2 || ps.version() == 0;
    if (ps.istVariante(Variante::N))
        return {0, gross ? 2000 : 200};
    if (ps.istVariante(Variante::N7400))
        return {0, gross ? 5000 : 500};
    if (ps.istVariante(Variante::M))
        return {0, 2};
    return {0, code2 ? 20 : 2};
}

// Two lines: "Stromsignal:" with the value at the start current, then the value at 20 mA.
void stromzuordnung(Ausgabe& a, const Parametersatz& ps, int slot)
{
    const int stellen = qMax(0, nachkommastellen(ps, slot));
    const QString format = formatiere(text(ausgabe::kStromzuordnung), {qint64(stellen), messwertEinheit(ps, slot, false)});
    const double teiler = std::pow(10.0, stellen);
    const auto wertBei = [&](int offset) {
        return messwertZaehlwert(ps, slot, ps.modulWord(slot, offset), true) / teiler;
    };
    const qint64 anfang = strom4bis20(ps, slot) ? kStromAnfang4mA : 0;
    a.push_back(wert(text(ausgabe::kStromsignal), formatiere(format, {anfang, wertBei(modulblock::kWertBeiAnfangsstrom)})));
    a.push_back(wert(QString(), formatiere(format, {qint64(kStromEnde), wertBei(modulblock::kWertBei20mA)})));
}

void stromsignalUndAusgangsstrom(Ausgabe& a, const Parametersatz& ps, int slot)
{
    a.push_back(wert(text(ausgabe::kStromsignal), stromBereich(strom4bis20(ps, slot))));
    const double milliampere = ps.modulWord(slot, modulblock::kMaxAusgangsstrom) / 100.0;
    a.push_back(wert(text(ausgabe::kMaxAusgangsstrom), zahlText(milliampere, 1) + QLatin1Char(' ') + modellText(kEinheitMA)));
}

void temperaturkompensationZeilen(Ausgabe& a, const Parametersatz& ps, int slot)
{
    const quint8 flags = ps.modulByte(slot, modulblock::kModulflags);
    const bool automatisch = flags & modulflags::kTemperaturkompensationAutomatisch;
    a.push_back(wert(text(ausgabe::kTemperaturkompensation), text(automatisch ? ausgabe::kAutomatisch : ausgabe::kManuell)));
    if (!automatisch)
        a.push_back(wert(text(ausgabe::kManuelleTemperatur),
                         temperaturText(ps.modulByte(slot, modulblock::kManuelleTemperatur), flags & modulflags::kFahrenheit)));
}

void kalibrierueberwachung(Ausgabe& a, const Parametersatz& ps, int slot)
{
    if (ps.version() != kVersionMitKalibrierueberwachung)
        return;
    const quint8 wochen = ps.kalibrierueberwachung(slot);
    a.push_back(wert(text(ausgabe::kKalibrierueberwachung),
                     wochen == kKalibrierueberwachungAus ? aus() : formatiere(text(ausgabe::kAlleWochen), {qint64(wochen)})));
}

QString steilheit(const Parametersatz& ps, int slot, double teiler, int stellen, int einheit)
{
    return zahlText(ps.modulWord(slot, modulblock::kSteilheit) / teiler, stellen) + QLatin1Char(' ') + text(einheit);
}

// The lines of one input of a standard-signal module: its kind and, for chlorine and
// conductivity, its range.
void normsignalEingang(Ausgabe& a, const Parametersatz& ps, int slot, int art)
{
    a.push_back(zeilen::text(text(ausgabe::kNormsignal) + QStringLiteral(": ") + text(ausgabe::kNormsignalArt0 + art)));
    if (art == normsignalart::kChlor) {
        const bool zwanzig = ps.modulByte(slot, modulblock::kChlorMessbereich) == 2;
        a.push_back(wert(text(ausgabe::kMessbereich), modulteile::bereichText(0, zwanzig ? 20 : 2, modellText(kEinheitMgL))));
    } else if (art == normsignalart::kLeitfaehigkeit) {
        static constexpr int kOben[] = {2, 20, 200, 2000};
        const int code = ps.modulByte(slot, modulblock::kLfMessbereich);
        const int oben = code >= 1 && code <= 4 ? kOben[code - 1] : kOben[0];
        a.push_back(wert(text(ausgabe::kMessbereich), modulteile::bereichText(0, oben, modellText(kEinheitMS))));
    }
}

} // namespace

QString modulteile::bereichText(int unten, int oben, const QString& einheit)
{
    return formatiere(text(ausgabe::kBereich), {qint64(unten), qint64(oben), einheit});
}

void modulteile::messteilPH(Ausgabe& a, const Parametersatz& ps, int slot)
{
    a.push_back(ueberschrift(text(ausgabe::kMessParameter)));
    messbereichZeile(a, ps, slot);
    stromsignalUndAusgangsstrom(a, ps, slot);
    temperaturkompensationZeilen(a, ps, slot);
    if (mehrfachPHMoeglich(ps))
        a.push_back(wert(text(ausgabe::kMaxAbweichung),
                         zahlText(ps.modulByte(slot, modulblock::kMaxAbweichung) / 100.0, 2) + QLatin1Char(' ') + modellText(kEinheitPH)));
    a.push_back(wert(text(ausgabe::kSteilheit), steilheit(ps, slot, 100.0, 1, ausgabe::kMvProPh)));
    kalibrierueberwachung(a, ps, slot);
}

void modulteile::messteilRedox(Ausgabe& a, const Parametersatz& ps, int slot)
{
    a.push_back(ueberschrift(text(ausgabe::kMessParameter)));
    messbereichZeile(a, ps, slot);
    stromzuordnung(a, ps, slot);
    temperaturkompensationZeilen(a, ps, slot);
    kalibrierueberwachung(a, ps, slot);
}

void modulteile::messteilTemperatur(Ausgabe& a, const Parametersatz& ps, int slot)
{
    a.push_back(ueberschrift(text(ausgabe::kMessParameter)));
    stromsignalUndAusgangsstrom(a, ps, slot);
}

void modulteile::messteilNormsignal(Ausgabe& a, const Parametersatz& ps, int slot)
{
    a.push_back(ueberschrift(text(ausgabe::kMessParameter)));
    normsignalEingang(a, ps, slot, normsignalArt(ps, slot));
    const quint8 zweiter = ps.modulByte(slot, modulblock::kNormsignal2);
    if ((zweiter & modulflags::kNormsignal2KeinSignal) != modulflags::kNormsignal2KeinSignal)
        normsignalEingang(a, ps, slot, (zweiter & modulflags::kNormsignalArtMaske) >> modulflags::kNormsignalArtShift);
    const quint8 flags = ps.modulByte(slot, modulblock::kModulflags);
    a.push_back(wert(text(ausgabe::kEingangsstrom), stromBereich(flags & modulflags::kNormsignalEingang4bis20mA)));
    a.push_back(wert(text(ausgabe::kAusgangsstrom), stromBereich(flags & modulflags::kStrom4bis20mA)));
}

void modulteile::messteilLeitfaehigkeit(Ausgabe& a, const Parametersatz& ps, int slot)
{
    a.push_back(ueberschrift(text(ausgabe::kMessParameter)));
    // The blow-down conductive module knows three ranges; any other code is its largest range.
    const quint8 bereichscode = ps.modulByte(slot, modulblock::kLfMessbereich);
    if (ps.modultyp(slot) == modultyp::kAbsalzKonduktiv && (bereichscode < 1 || bereichscode > 3))
        a.push_back(wert(text(ausgabe::kMessbereich), bereichText(0, 5000, messwertEinheit(ps, slot, false))));
    else
        messbereichZeile(a, ps, slot);
    stromzuordnung(a, ps, slot);
    a.push_back(wert(text(ausgabe::kEinbaufaktor), zahlText(ps.modulWord(slot, modulblock::kEinbaufaktor) / 100.0, 2)));
    a.push_back(wert(text(ausgabe::kTemperaturkoeffizient),
                     zahlText(ps.modulWord(slot, modulblock::kTemperaturkoeffizient) / 100.0, 2) + QLatin1Char(' ')
                         + text(ausgabe::kProzentProKelvin)));
    temperaturkompensationZeilen(a, ps, slot);
    kalibrierueberwachung(a, ps, slot);
}

void modulteile::messteilChlor(Ausgabe& a, const Parametersatz& ps, int slot)
{
    a.push_back(ueberschrift(text(ausgabe::kMessParameter)));
    messbereichZeile(a, ps, slot, chlorAusgabebereich(ps, slot));
    stromzuordnung(a, ps, slot);
    QString steil;
    if (ps.istVariante(Variante::M))
        steil = steilheit(ps, slot, 10.0, 0, ausgabe::kMvProMgL);
    else if (ps.istPeressigFamilie())
        steil = steilheit(ps, slot, 10000.0, 3, ausgabe::kMvProMgL);
    else
        steil = steilheit(ps, slot, 100.0, 1, ausgabe::kMvProMgL);
    a.push_back(wert(text(ausgabe::kSteilheit), steil));
    kalibrierueberwachung(a, ps, slot);
}

} // namespace hvx
