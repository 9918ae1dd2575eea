#include "model/Messbereich.h"

#include "model/Texte.h"

namespace hvx {

namespace {

constexpr int kRedoxOffset = 500;

// Text numbers of the units.
constexpr int kEinheitPH = 3184;
constexpr int kEinheitMV = 3185;
constexpr int kEinheitCelsius = 3186;
constexpr int kEinheitFahrenheit = 3187;
constexpr int kEinheitMikrosiemens = 3188; // "uS"
constexpr int kEinheitMillisiemens = 3189; // "mS"
constexpr int kEinheitMgProL = 3190;
constexpr int kEinheitMA = 3191;
constexpr int kFeinerGespeichert = 10;

// The standard signal measures like another module type, chosen by the kind of signal 1.
// Kinds without such a twin (current, temperature) are handled where they differ.
quint8 wieModultyp(int art)
{
    switch (art) {
    case normsignalart::kPH: return modultyp::kPH;
    case normsignalart::kChlor: return modultyp::kChlor;
    case normsignalart::kLeitfaehigkeit: return modultyp::kLfInduktiv;
    case normsignalart::kTemperaturCelsius:
    case normsignalart::kTemperaturFahrenheit: return modultyp::kTemperatur;
    default: return modultyp::kRedox; // redox and voltage
    }
}

std::optional<Messbereich> chlorBereich(const Parametersatz& ps, int slot)
{
    const bool kleinerBereich = ps.version() != 0 && ps.modulByte(slot, modulblock::kChlorMessbereich) == 1;
    if (ps.istVariante(Variante::N))
        return Messbereich{0, kleinerBereich ? 200 : 2000};
    if (ps.istVariante(Variante::N7400))
        return Messbereich{0, kleinerBereich ? 500 : 5000};
    const bool zwanzig = !ps.istVariante(Variante::M) && ps.version() != 0
        && ps.modulByte(slot, modulblock::kChlorMessbereich) != 1;
    return Messbereich{0, zwanzig ? 20 : 2};
}

int chlorStellen(const Parametersatz& ps, int slot)
{
    const bool bereich1 = ps.modulByte(slot, modulblock::kChlorMessbereich) == 1;
    if (ps.istPeressigFamilie())
        return ps.version() != 0 && bereich1 ? 1 : 0;
    return ps.istVariante(Variante::M) || ps.version() == 0 || bereich1 ? 2 : 1;
}

std::optional<Messbereich> bereichNachTyp(const Parametersatz& ps, int slot, quint8 typ)
{
    const quint8 lfBereich = ps.modulByte(slot, modulblock::kLfMessbereich);
    switch (typ) {
    case modultyp::kPH:
        switch (ps.modulByte(slot, modulblock::kPhMessbereich)) {
        case 2: return Messbereich{2, 12};
        case 3: return Messbereich{3, 8};
        default: return Messbereich{0, 14};
        }
    case modultyp::kRedox:
    case modultyp::kFluorid: return Messbereich{0, 1000};
    case modultyp::kRedoxPlusMinus: return Messbereich{-500, 500};
    case modultyp::kTemperatur: return Messbereich{0, 100};
    case modultyp::kAbsalzInduktiv: return Messbereich{0, 5000};
    case modultyp::kLfKonduktiv:
    case modultyp::kLfInduktiv:
        switch (lfBereich) {
        case 2: return Messbereich{0, 20};
        case 3: return Messbereich{0, 200};
        case 4: return Messbereich{0, 2000};
        default: return Messbereich{0, 2};
        }
    case modultyp::kAbsalzKonduktiv:
        switch (lfBereich) {
        case 2: return Messbereich{0, 50};
        case 3: return Messbereich{0, 500};
        default: return Messbereich{0, 5};
        }
    case modultyp::kChlor: return chlorBereich(ps, slot);
    default: return std::nullopt;
    }
}

int stellenNachTyp(const Parametersatz& ps, int slot, quint8 typ)
{
    switch (typ) {
    case modultyp::kPH: return 2;
    case modultyp::kTemperatur: return 1;
    case modultyp::kRedox:
    case modultyp::kFluorid:
    case modultyp::kRedoxPlusMinus:
    case modultyp::kAbsalzInduktiv: return 0;
    case modultyp::kLfKonduktiv:
    case modultyp::kLfInduktiv:
    case modultyp::kAbsalzKonduktiv:
        switch (ps.modulByte(slot, modulblock::kLfMessbereich)) {
        case 2: return 2;
        case 3: return 1;
        case 4: return 0;
        default: return 3;
        }
    case modultyp::kChlor: return chlorStellen(ps, slot);
    default: return -1;
    }
}

int einheitNachTyp(quint8 typ, bool fahrenheit)
{
    switch (typ) {
    case modultyp::kPH: return kEinheitPH;
    case modultyp::kRedox:
    case modultyp::kFluorid:
    case modultyp::kRedoxPlusMinus: return kEinheitMV;
    case modultyp::kTemperatur: return fahrenheit ? kEinheitFahrenheit : kEinheitCelsius;
    case modultyp::kLfKonduktiv:
    case modultyp::kAbsalzInduktiv:
    case modultyp::kAbsalzKonduktiv: return kEinheitMikrosiemens;
    case modultyp::kLfInduktiv: return kEinheitMillisiemens;
    case modultyp::kChlor: return kEinheitMgProL;
    default: return kKeinText;
    }
}

bool wirdFeinerGespeichert(const Parametersatz& ps, int slot)
{
    const quint8 typ = ps.modultyp(slot);
    if (typ == modultyp::kChlor)
        return !ps.istPeressigFamilie();
    if (typ == modultyp::kNormsignal) {
        const int art = normsignalArt(ps, slot);
        return art == normsignalart::kChlor || art == normsignalart::kStrom;
    }
    return false;
}

int offset(const Parametersatz& ps, int slot, bool mitOffset)
{
    return mitOffset && ps.modultyp(slot) == modultyp::kRedoxPlusMinus ? kRedoxOffset : 0;
}

} // namespace

int normsignalArt(const Parametersatz& ps, int slot)
{
    return (ps.modulByte(slot, modulblock::kModulflags) & modulflags::kNormsignalArtMaske)
        >> modulflags::kNormsignalArtShift;
}

std::optional<Messbereich> messbereich(const Parametersatz& ps, int slot)
{
    const quint8 typ = ps.modultyp(slot);
    if (typ != modultyp::kNormsignal)
        return bereichNachTyp(ps, slot, typ);
    switch (normsignalArt(ps, slot)) {
    case normsignalart::kStrom: return Messbereich{0, 20};
    case normsignalart::kTemperaturCelsius:
    case normsignalart::kTemperaturFahrenheit: return Messbereich{0, 200};
    default: return bereichNachTyp(ps, slot, wieModultyp(normsignalArt(ps, slot)));
    }
}

int nachkommastellen(const Parametersatz& ps, int slot)
{
    const quint8 typ = ps.modultyp(slot);
    if (typ != modultyp::kNormsignal)
        return stellenNachTyp(ps, slot, typ);
    if (normsignalArt(ps, slot) == normsignalart::kStrom)
        return 1;
    return stellenNachTyp(ps, slot, wieModultyp(normsignalArt(ps, slot)));
}

int messwertEinheitNummer(const Parametersatz& ps, int slot, bool fahrenheit)
{
    const quint8 typ = ps.modultyp(slot);
    if (typ != modultyp::kNormsignal)
        return einheitNachTyp(typ, fahrenheit);
    switch (normsignalArt(ps, slot)) {
    case normsignalart::kStrom: return kEinheitMA;
    case normsignalart::kTemperaturCelsius: return kEinheitCelsius;
    case normsignalart::kTemperaturFahrenheit: return kEinheitFahrenheit;
    default: return einheitNachTyp(wieModultyp(normsignalArt(ps, slot)), false);
    }
}

QString messwertEinheit(const Parametersatz& ps, int slot, bool fahrenheit)
{
    return modellText(messwertEinheitNummer(ps, slot, fahrenheit));
}

QString temperaturEinheit(bool fahrenheit)
{
    return modellText(fahrenheit ? kEinheitFahrenheit : kEinheitCelsius);
}

int messwertZaehlwert(const Parametersatz& ps, int slot, quint16 gespeichert, bool mitOffset)
{
    const int wert = wirdFeinerGespeichert(ps, slot) ? gespeichert / kFeinerGespeichert : gespeichert;
    return wert - offset(ps, slot, mitOffset);
}

quint16 messwertSpeicherwert(const Parametersatz& ps, int slot, int zaehlwert, bool mitOffset)
{
    const int wert = zaehlwert + offset(ps, slot, mitOffset);
    return quint16(wirdFeinerGespeichert(ps, slot) ? wert * kFeinerGespeichert : wert);
}

} // namespace hvx
