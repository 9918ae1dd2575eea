#include "model/Wertfeld.h"

#include "model/Temperatur.h"
#include "model/Werttexte.h"

#include <cmath>

#include <cstdlib>

namespace hvx {

namespace {
constexpr int kRedoxPlusMinusGrenze = 1000;
constexpr int kNullpunktFahrenheitZehntel = 320; // 32 °F in tenths
constexpr int kNullpunktFahrenheit = 32;
} // namespace

bool reglerFahrenheit(const Parametersatz& ps, int slot)
{
    switch (ps.modultyp(slot)) {
    case modultyp::kTemperatur: return ps.modulflags(slot) & modulflags::kFahrenheit;
    case modultyp::kNormsignal: return normsignalArt(ps, slot) == normsignalart::kTemperaturFahrenheit;
    default: return false;
    }
}

std::optional<Messbereich> anzeigeMessbereich(const Parametersatz& ps, int slot)
{
    std::optional<Messbereich> bereich = messbereich(ps, slot);
    if (bereich && reglerFahrenheit(ps, slot))
        bereich = Messbereich{fahrenheitAusCelsius(bereich->unten), fahrenheitAusCelsius(bereich->oben)};
    return bereich;
}

int lwGrenze(const Parametersatz& ps, int slot)
{
    if (ps.modultyp(slot) == modultyp::kRedoxPlusMinus)
        return kRedoxPlusMinusGrenze;
    const int oben = messbereich(ps, slot).value_or(Messbereich{}).oben;
    return reglerFahrenheit(ps, slot) ? fahrenheitAusCelsius(oben) - kNullpunktFahrenheit : oben;
}

int wertfeldAnzeige(const Parametersatz& ps, int slot, quint16 gespeichert)
{
    const int wert = messwertZaehlwert(ps, slot, gespeichert, true);
    return reglerFahrenheit(ps, slot) ? zehntelFahrenheit(wert) : wert;
}

int lwAnzeige(const Parametersatz& ps, int slot)
{
    int wert = messwertZaehlwert(ps, slot, ps.modulWord(slot, modulblock::kSchaltpunktabstandLW), false);
    // LW is a difference: the Fahrenheit zero point does not apply to it.
    if (reglerFahrenheit(ps, slot))
        wert = zehntelFahrenheit(wert) - kNullpunktFahrenheitZehntel;
    return ps.modulByte(slot, modulblock::kVorzeichenLW) == 0 ? -wert : wert;
}

namespace {
QString alsText(const Parametersatz& ps, int slot, int zaehlwert)
{
    const int stellen = qMax(0, nachkommastellen(ps, slot));
    return zahlText(zaehlwert / std::pow(10.0, stellen), stellen);
}
} // namespace

QString wertfeldText(const Parametersatz& ps, int slot, quint16 gespeichert)
{
    return alsText(ps, slot, wertfeldAnzeige(ps, slot, gespeichert));
}

QString lwText(const Parametersatz& ps, int slot)
{
    return alsText(ps, slot, lwAnzeige(ps, slot));
}

QString wertfeldEinheit(const Parametersatz& ps, int slot)
{
    return messwertEinheit(ps, slot, reglerFahrenheit(ps, slot));
}

quint16 wertfeldSpeicherwert(const Parametersatz& ps, int slot, int anzeige)
{
    const int wert = reglerFahrenheit(ps, slot) ? zehntelCelsiusAusZehntelFahrenheit(anzeige) : anzeige;
    return messwertSpeicherwert(ps, slot, wert, true);
}

void setzeLW(Parametersatz& ps, int slot, int anzeige)
{
    ps.setModulByte(slot, modulblock::kVorzeichenLW, anzeige < 0 ? 0 : 1);
    int betrag = std::abs(anzeige);
    if (reglerFahrenheit(ps, slot))
        betrag = zehntelCelsiusAusZehntelFahrenheit(betrag + kNullpunktFahrenheitZehntel);
    ps.setModulWord(slot, modulblock::kSchaltpunktabstandLW, messwertSpeicherwert(ps, slot, betrag, false));
}

} // namespace hvx
