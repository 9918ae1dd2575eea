// The parts of a module page that only one kind of module has: the chlorine family's extras and
// the biocide timer of variant L.
#include "output/Modulteile.h"
#include "output/Zeilen.h"

#include "link/BcdDateTime.h"
#include "model/Bestueckung.h"
#include "model/Modulnamen.h"
#include "model/Werttexte.h"

#include <QStringList>

namespace hvx {

namespace {

using namespace zeilen;
using ausgabe::text;

constexpr int kErhaltungAus = 0;
constexpr int kByteAusOderMax = 255;
constexpr int kWochentage = 7;

QString wochentage(quint8 bits)
{
    const QStringList namen = text(ausgabe::kWochentagNamen).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList gesetzt;
    for (int tag = 0; tag < kWochentage; ++tag) {
        if (bits & (1 << tag))
            gesetzt << (tag < namen.size() ? namen[tag] : QString::number(tag + 1));
    }
    return gesetzt.join(QLatin1Char(' '));
}

// The dosing relays of a timer entry: 2m+2, 2m+3 or both, m the slot index.
QString relais(quint8 code, int slot)
{
    const qint64 erstes = 2 * slot + 2;
    switch (code) {
    case 1: return formatiere(text(ausgabe::kRelais), {erstes});
    case 2: return formatiere(text(ausgabe::kRelais), {erstes + 1});
    case 3: return formatiere(text(ausgabe::kRelaisUnd), {erstes, erstes + 1});
    default: return {};
    }
}

// "max. 3 Starts", "max. 10 min".
QString hoechstens(int wert, const QString& einheit)
{
    return text(ausgabe::kMax) + QLatin1Char(' ') + ganzzahl(wert) + einheit;
}

void eintragszeilen(Ausgabe& a, const Parametersatz& ps, int slot, int k)
{
    const int e = ps.timerEintragOffset(k);
    const auto b = [&](int feld) { return ps.modulByte(slot, e + feld); };
    const auto w = [&](int feld) { return ps.modulWord(slot, e + feld); };
    Ausgabezeile uhrzeit = wert(formatiere(text(ausgabe::kUhrzeit), {qint64(k + 1)}),
                                formatiere(QStringLiteral("%02d:%02d"), {qint64(DecodeBcd(b(timereintrag::kStundeBcd))),
                                                                         qint64(DecodeBcd(b(timereintrag::kMinuteBcd)))}));
    uhrzeit.absatz = true;
    a.push_back(uhrzeit);
    a.push_back(wert(text(ausgabe::kWochentage), wochentage(b(timereintrag::kWochentage))));
    a.push_back(wert(text(ausgabe::kDosierzeit), min(w(timereintrag::kDosierzeit))));
    a.push_back(wert(text(ausgabe::kEinwirkzeit), min(w(timereintrag::kEinwirkzeit))));
    a.push_back(wert(text(ausgabe::kAbsalzschwelle),
                     zahlText(w(timereintrag::kAbsalzschwelle) / 10.0, 1) + QLatin1Char(' ') + text(ausgabe::kProzent)));
    a.push_back(wert(text(ausgabe::kRegler), relais(b(timereintrag::kRelais), slot)));
    if (ps.timerEintragGroesse() != timereintrag::kGroesseLang)
        return;
    const int vorumwaelzung = b(timereintrag::kVorumwaelzung);
    a.push_back(wert(text(ausgabe::kVorumwaelzung), vorumwaelzung == kByteAusOderMax ? aus() : min(vorumwaelzung)));
    const int starts = b(timereintrag::kMaxVorumwaelzStarts);
    a.push_back(wert(text(ausgabe::kUeberwachung), starts != 0 ? hoechstens(starts, text(ausgabe::kStarts)) : aus()));
    const int unterbrechung = b(timereintrag::kMaxUnterbrechung);
    a.push_back(wert(text(ausgabe::kUnterbrechung),
                     unterbrechung == kByteAusOderMax ? aus() : hoechstens(unterbrechung, text(ausgabe::kMin))));
}

} // namespace

void modulteile::chlorZusatz(Ausgabe& a, const Parametersatz& ps, int slot)
{
    a.push_back(ueberschrift(modulName(modultyp::kChlor, ps.familie())));
    const quint8 dfue = ps.modulByte(slot, modulblock::kDfueAlarmverzoegerung);
    a.push_back(wert(text(ausgabe::kDfueAlarmverzoegerung), dfue == kDfueAlarmverzoegerungAus ? aus() : sec(dfue)));
    if (modulanzahl(ps) > 1) {
        const quint8 erhaltung = ps.modulByte(slot, modulblock::kErhaltungsdosierung);
        QString modulText;
        if (erhaltung == kErhaltungAus)
            modulText = aus();
        else if (erhaltung <= layout::kSlotAnzahl)
            modulText = modul(erhaltung - 1);
        a.push_back(wert(text(ausgabe::kErhaltungsdosierung), modulText));
        a.push_back(wert(text(ausgabe::kProzentErhaltung),
                         zahlText(ps.modulWord(slot, modulblock::kProzentErhaltung) / 10.0, 1) + QLatin1Char(' ')
                             + text(ausgabe::kProzent)));
    }
    a.push_back(wert(text(ausgabe::kUnterbrechungszeit), min(ps.modulWord(slot, modulblock::kUnterbrechungszeit))));
    a.push_back(wert(text(ausgabe::kVerzoegerungszeit), min(ps.modulWord(slot, modulblock::kVerzoegerungszeit))));
}

void modulteile::timerteil(Ausgabe& a, const Parametersatz& ps, int slot, const Timerauswahl& auswahl)
{
    QString caption = text(ausgabe::kBiozidDosierung);
    if (auswahl.fortsetzung)
        caption += QLatin1Char(' ') + text(ausgabe::kFortsetzung);
    a.push_back(ueberschrift(caption));
    for (int k = auswahl.von; k < qMin(auswahl.bis, int(timereintrag::kAnzahl)); ++k) {
        if (ps.modulByte(slot, ps.timerEintragOffset(k) + timereintrag::kWochentage) != 0)
            eintragszeilen(a, ps, slot, k);
    }
}

} // namespace hvx
