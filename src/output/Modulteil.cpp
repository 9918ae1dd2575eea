// A module's page of the export and the printout: which parts its type has, the module and
// controller configuration, and the controller parameters.
#include "output/Ausgabe.h"
#include "output/Modulteile.h"
#include "output/Zeilen.h"

#include "model/Auswahltexte.h"
#include "model/Bestueckung.h"
#include "model/Messbereich.h"
#include "model/Modulnamen.h"
#include "model/Reglerart.h"
#include "model/Wertfeld.h"
#include "model/Werttexte.h"

#include <algorithm>
#include <iterator>

namespace hvx {

namespace {

using namespace zeilen;
using ausgabe::text;

constexpr int kVersionAdaptiv = 3;

// One row per module type: the parts of its page.
struct Modulplan {
    quint8 typ;
    bool mitTemperatureinheit;
    void (*messteil)(Ausgabe&, const Parametersatz&, int);
    bool chlorZusatz;
};

constexpr Modulplan kModulplaene[] = {
    {modultyp::kPH, true, modulteile::messteilPH, false},
    {modultyp::kRedox, true, modulteile::messteilRedox, false},
    {modultyp::kFluorid, true, modulteile::messteilRedox, false},
    {modultyp::kRedoxPlusMinus, true, modulteile::messteilRedox, false},
    {modultyp::kTemperatur, true, modulteile::messteilTemperatur, false},
    {modultyp::kNormsignal, false, modulteile::messteilNormsignal, false},
    {modultyp::kLfKonduktiv, true, modulteile::messteilLeitfaehigkeit, false},
    {modultyp::kLfInduktiv, true, modulteile::messteilLeitfaehigkeit, false},
    {modultyp::kAbsalzInduktiv, true, modulteile::messteilLeitfaehigkeit, false},
    {modultyp::kAbsalzKonduktiv, true, modulteile::messteilLeitfaehigkeit, false},
    {modultyp::kChlor, false, modulteile::messteilChlor, true},
};

const Modulplan* modulplan(quint8 typ)
{
    const auto it = std::find_if(std::begin(kModulplaene), std::end(kModulplaene),
                                 [typ](const Modulplan& plan) { return plan.typ == typ; });
    return it == std::end(kModulplaene) ? nullptr : it;
}

QString sekundenZehntel(quint16 hundertstel)
{
    return mitEinheit(zahlText(hundertstel / 100.0, 1) + QLatin1Char(' '), text(ausgabe::kSec));
}

QString prozentZehntel(quint16 zehntel, int stellen)
{
    return mitEinheit(zahlText(zehntel / 10.0, stellen) + QLatin1Char(' '), text(ausgabe::kProzent));
}

void produktzeilen(Ausgabe& a, const Parametersatz& ps, int slot)
{
    a.push_back(ueberschrift(modulName(modultyp::kChlor, ps.familie())));
    if (ps.produktAnzeige(slot) == 0) {
        a.push_back(wert(text(ausgabe::kProduktanzeige), aus()));
        return;
    }
    a.push_back(wert(text(ausgabe::kProduktname), ps.produktnameText()));
    a.push_back(wert(text(ausgabe::kProzentPES), prozentZehntel(ps.prozentPES(slot), 1)));
}

// Set points and the other value fields, as the controller page shows them, with its unit.
Ausgabezeile messwert(const Parametersatz& ps, int slot, int label, quint16 gespeichert)
{
    return wert(text(label), wertfeldText(ps, slot, gespeichert) + QLatin1Char(' '), wertfeldEinheit(ps, slot));
}

Ausgabezeile sollwert(const Parametersatz& ps, int slot)
{
    return messwert(ps, slot, ausgabe::kSollwert, ps.modulWord(slot, modulblock::kSollwert));
}

Ausgabezeile schaltpunktabstandLW(const Parametersatz& ps, int slot)
{
    return wert(text(ausgabe::kSchaltpunktabstandLW), lwText(ps, slot) + QLatin1Char(' '), wertfeldEinheit(ps, slot));
}

Ausgabezeile schaltdifferenz(const Parametersatz& ps, int slot, int label, int offset)
{
    return wert(text(label), prozentZehntel(ps.modulWord(slot, offset), 1));
}

Ausgabezeile verzoegerung(const Parametersatz& ps, int slot, int label, int offset)
{
    return wert(text(label), sec(ps.modulByte(slot, offset)));
}

Ausgabezeile proportionalbereich(const Parametersatz& ps, int slot, int label, int offset)
{
    return wert(text(label), prozentZehntel(ps.modulWord(slot, offset), 0));
}

Ausgabezeile zeitkonstante(const Parametersatz& ps, int slot, int label, int offset)
{
    return wert(text(label), mitEinheit(zahlText(ps.modulWord(slot, offset), 0) + QLatin1Char(' '), text(ausgabe::kSec)));
}

Ausgabezeile schaltpunktabstandXSH(const Parametersatz& ps, int slot)
{
    return wert(text(ausgabe::kSchaltpunktabstandXSH), prozentZehntel(ps.modulByte(slot, modulblock::kSchaltpunktabstandXSH), 1));
}

Ausgabezeile totzeit(const Parametersatz& ps, int slot)
{
    return wert(text(ausgabe::kTotzeit), sec(ps.adaptivWert(slot)));
}

void reglerzeilen(Ausgabe& a, const Parametersatz& ps, int slot, int art)
{
    using namespace reglerart;
    const auto lwUndX2SD = [&] {
        a.push_back(schaltpunktabstandLW(ps, slot));
        a.push_back(schaltdifferenz(ps, slot, ausgabe::kSchaltdifferenzX2SD, modulblock::kSchaltdifferenzX2SD));
    };
    switch (art) {
    case kSignalgeraet:
        a.push_back(sollwert(ps, slot));
        a.push_back(schaltdifferenz(ps, slot, ausgabe::kSchaltdifferenzXSD, modulblock::kSchaltdifferenzXSD));
        a.push_back(verzoegerung(ps, slot, ausgabe::kEinschaltverzoegerung, modulblock::kEinschaltverzoegerung));
        a.push_back(verzoegerung(ps, slot, ausgabe::kAusschaltverzoegerung, modulblock::kAusschaltverzoegerung));
        lwUndX2SD();
        break;
    case kPid2:
    case kPid3:
        a.push_back(sollwert(ps, slot));
        a.push_back(proportionalbereich(ps, slot, ausgabe::kProportionalbereichXP1, modulblock::kProportionalbereichXP1));
        if (art == kPid3)
            a.push_back(proportionalbereich(ps, slot, ausgabe::kProportionalbereichXP2, modulblock::kProportionalbereichXP2));
        a.push_back(zeitkonstante(ps, slot, ausgabe::kVorhaltezeit, modulblock::kVorhaltezeit));
        a.push_back(zeitkonstante(ps, slot, ausgabe::kNachstellzeit, modulblock::kNachstellzeit));
        if (art == kPid3)
            a.push_back(schaltpunktabstandXSH(ps, slot));
        else
            lwUndX2SD();
        break;
    case kFuzzy2:
    case kAdaptivSchnell2:
    case kAdaptivAsymptotisch2:
        a.push_back(sollwert(ps, slot));
        if (art == kFuzzy2)
            a.push_back(totzeit(ps, slot));
        lwUndX2SD();
        break;
    case kFuzzy3:
    case kAdaptivSchnell3:
    case kAdaptivAsymptotisch3:
        a.push_back(sollwert(ps, slot));
        if (art == kFuzzy3)
            a.push_back(totzeit(ps, slot));
        a.push_back(schaltpunktabstandXSH(ps, slot));
        break;
    case kAbsalzgeraet:
        a.push_back(messwert(ps, slot, ausgabe::kObererGrenzwert, ps.modulWord(slot, modulblock::kSollwert)));
        a.push_back(messwert(ps, slot, ausgabe::kUntererGrenzwert, ps.modulWord(slot, modulblock::kSchaltdifferenzXSD)));
        a.push_back(verzoegerung(ps, slot, ausgabe::kEinschaltverzoegerung, modulblock::kEinschaltverzoegerung));
        a.push_back(verzoegerung(ps, slot, ausgabe::kAusschaltverzoegerung, modulblock::kAusschaltverzoegerung));
        if (ps.version() < kVersionAdaptiv)
            lwUndX2SD();
        break;
    default: break;
    }
}

Ausgabezeile limit(const Parametersatz& ps, int slot, int label, int offset, quint8 bit)
{
    if (!(ps.reglerblockFlags(slot) & bit))
        return wert(text(label), aus());
    return messwert(ps, slot, label, ps.reglerWord(slot, offset));
}

} // namespace

void modulteile::allgemein(Ausgabe& a, const Parametersatz& ps, int slot, bool mitTemperatureinheit)
{
    a.push_back(ueberschrift(text(ausgabe::kModulkonfiguration)));
    if (mitTemperatureinheit) {
        const bool fahrenheit = ps.modulByte(slot, modulblock::kModulflags) & modulflags::kFahrenheit;
        a.push_back(wert(text(ausgabe::kTemperatureinheit), text(fahrenheit ? ausgabe::kGradFahrenheit : ausgabe::kGradCelsius)));
    }
    a.push_back(wert(text(ausgabe::kLimitquittierung),
                     text(ps.limitquittierungManuell(slot) ? ausgabe::kManuell : ausgabe::kAutomatisch)));
    if (ps.dosierzeitUeberwachungAus(slot))
        a.push_back(wert(text(ausgabe::kDosierzeitueberwachung), aus()));
    else
        a.push_back(wert(text(ausgabe::kMaxDosierzeit), sec(ps.maxDosierzeit(slot))));

    a.push_back(ueberschrift(text(ausgabe::kReglerkonfiguration)));
    a.push_back(wert(text(ausgabe::kReglermodul), reglerartName(reglerartCode(ps, slot))));
    a.push_back(wert(text(ausgabe::kExterneFreigabe),
                     einAus(ps.reglerflags(slot) & reglerflags::kExterneFreigabe)));
    a.push_back(wert(text(ausgabe::kZusatzFreigabe), zusatzFreigabeText(ps.zusatzFreigabe(slot), slot)));
    a.push_back(wert(text(ausgabe::kMinEinschaltzeit), sekundenZehntel(ps.minEinschaltzeit(slot))));
    a.push_back(wert(text(ausgabe::kZykluszeit), sekundenZehntel(ps.zykluszeit(slot))));
    if (ps.modultyp(slot) == modultyp::kChlor && ps.istPeressigFamilie())
        produktzeilen(a, ps, slot);
}

void modulteile::reglerteil(Ausgabe& a, const Parametersatz& ps, int slot)
{
    const int art = reglerartCode(ps, slot);
    a.push_back(ueberschrift(reglerartUeberschrift(art)));
    reglerzeilen(a, ps, slot, art);

    const bool negativ = ps.reglerflags(slot) & reglerflags::kWirksinnNegativ;
    a.push_back(wert(text(ausgabe::kWirksinn), text(negativ ? ausgabe::kNegativ : ausgabe::kPositiv)));
    a.push_back(wert(text(ausgabe::kRegler), einAus(ps.reglerEin(slot))));
    a.push_back(ueberschrift(text(ausgabe::kLimitContact)));
    a.push_back(limit(ps, slot, ausgabe::kLimitPlus, reglerblock::kLimitPlus, reglerblockflags::kLimitPlusEin));
    a.push_back(limit(ps, slot, ausgabe::kLimitMinus, reglerblock::kLimitMinus, reglerblockflags::kLimitMinusEin));
    a.push_back(wert(text(ausgabe::kX2SD), prozentZehntel(ps.reglerWord(slot, reglerblock::kLimitHystereseX2SD), 1)));
    if (modulanzahl(ps) > 1)
        a.push_back(wert(text(ausgabe::kReglerabschaltung), zusatzFreigabeText(ps.reglerabschaltung(slot), slot)));
}

Ausgabe modulteil(const Parametersatz& ps, int slot, const Timerauswahl& timer)
{
    Ausgabe a;
    const quint8 typ = ps.modultyp(slot);
    const bool timerModul = istTimerSlot(ps, slot);
    const Modulplan* plan = modulplan(typ);
    if (!timerModul && plan == nullptr)
        return a;
    a.push_back(titel(modul(slot) + QStringLiteral(": ") + modulName(typ, ps.familie())));
    a.push_back(leer());
    if (timerModul) {
        modulteile::timerteil(a, ps, slot, timer);
        return a;
    }
    modulteile::allgemein(a, ps, slot, plan->mitTemperatureinheit);
    plan->messteil(a, ps, slot);
    modulteile::reglerteil(a, ps, slot);
    if (plan->chlorZusatz)
        modulteile::chlorZusatz(a, ps, slot);
    return a;
}

} // namespace hvx
