#include "model/Reglerwerte.h"

#include "model/Bestueckung.h"
#include "model/Instrumentskala.h"
#include "model/Messbereich.h"
#include "model/Reglerart.h"

#include <bit>

namespace hvx {

namespace {

constexpr float kAbtastzeit = 0.24f; // seconds per controller cycle of the instrument
constexpr quint32 kStilleNaN = 0xFFC00000u;
constexpr quint32 kMinusUnendlich = 0xFF800000u;

quint16 wort(const Parametersatz& ps, int slot, int offset)
{
    return ps.modulWord(slot, offset);
}

quint16 skala(const Parametersatz& ps, int slot, quint32 v)
{
    return instrumentskala(ps, slot, quint16(v));
}

// 1. Switching thresholds of the signal device: set point plus and minus half its XSD share.
void schaltschwellen(Parametersatz& ps, int slot)
{
    const quint32 s = wort(ps, slot, modulblock::kSollwert);
    const quint32 a = wort(ps, slot, modulblock::kSchaltdifferenzXSD) * s / 2000;
    ps.setModulWord(slot, modulblock::kObereSchaltschwelle, skala(ps, slot, s + a));
    ps.setModulWord(slot, modulblock::kUntereSchaltschwelle, skala(ps, slot, s - a));
}

// 2. Limits of the blow-down device.
void grenzschwellen(Parametersatz& ps, int slot)
{
    ps.setModulWord(slot, modulblock::kObereSchaltschwelle, skala(ps, slot, wort(ps, slot, modulblock::kSollwert)));
    ps.setModulWord(slot, modulblock::kUntereSchaltschwelle,
                    skala(ps, slot, wort(ps, slot, modulblock::kSchaltdifferenzXSD)));
}

// 3. Second switch point LW away from the set point, and the same less its X2SD share.
void zweiterSchaltpunkt(Parametersatz& ps, int slot)
{
    const quint16 s = wort(ps, slot, modulblock::kSollwert);
    const quint16 d = wort(ps, slot, modulblock::kSchaltpunktabstandLW);
    const quint32 t = wort(ps, slot, modulblock::kSchaltdifferenzX2SD);
    const quint16 v = ps.modulByte(slot, modulblock::kVorzeichenLW) == 1 ? quint16(s + d) : quint16(s - d);
    ps.setModulWord(slot, modulblock::kZweiterSchaltpunkt, skala(ps, slot, v));
    ps.setModulWord(slot, modulblock::kZweiterSchaltpunktOhneX2SD, skala(ps, slot, v - quint32(v) * t / 1000));
}

// 4. Limit contact thresholds with their switching difference.
void limitschwellen(Parametersatz& ps, int slot)
{
    const quint32 x = ps.reglerWord(slot, reglerblock::kLimitHystereseX2SD);
    const quint32 a = skala(ps, slot, ps.reglerWord(slot, reglerblock::kLimitMinus));
    const quint32 b = skala(ps, slot, ps.reglerWord(slot, reglerblock::kLimitPlus));
    ps.setReglerWord(slot, reglerblock::kLimitSchwellen, quint16(a));
    ps.setReglerWord(slot, reglerblock::kLimitSchwellen + 2, quint16(a + a * x / 1000));
    ps.setReglerWord(slot, reglerblock::kLimitSchwellen + 4, quint16(b - b * x / 1000));
    ps.setReglerWord(slot, reglerblock::kLimitSchwellen + 6, quint16(b));
}

// 5. Set point plus its XSH share (3-point kinds).
void sollwertPlusXSH(Parametersatz& ps, int slot)
{
    const quint32 s = wort(ps, slot, modulblock::kSollwert);
    const quint32 xsh = ps.modulByte(slot, modulblock::kSchaltpunktabstandXSH);
    ps.setModulWord(slot, modulblock::kSollwertPlusXSH, quint16(s + s * xsh / 1000));
}

void setzeFlagBit(Parametersatz& ps, int slot, quint8 bit, bool gesetzt)
{
    const auto setze = [&](quint8 b) { return gesetzt ? quint8(b | bit) : quint8(b & ~bit); };
    ps.setModulByte(slot, modulblock::kReglerflags, setze(ps.modulByte(slot, modulblock::kReglerflags)));
    ps.setReglerflags(slot, setze(ps.reglerflags(slot)));
}

// 6. Coefficients of one band, stored with the two flag bits in both copies of the flags.
void koeffizienten(Parametersatz& ps, int slot, int bandOffset, int zielOffset)
{
    const Koeffizienten k = berechneKoeffizienten(wort(ps, slot, bandOffset), wort(ps, slot, modulblock::kVorhaltezeit),
                                                  wort(ps, slot, modulblock::kNachstellzeit));
    const int basis = Parametersatz::modulblockOffset(slot) + zielOffset;
    for (int i = 0; i < 3; ++i) {
        const quint32 muster = koeffizientMuster(k.werte[i]);
        for (int b = 0; b < 4; ++b)
            ps.setByte(basis + 4 * i + b, quint8(muster >> (24 - 8 * b)));
    }
    setzeFlagBit(ps, slot, reglerflags::kKoeffizientBit2, k.mitNachstellzeit);
    setzeFlagBit(ps, slot, reglerflags::kKoeffizientBit3, k.mitVorhaltezeit);
}

void koeffizientenXP1(Parametersatz& ps, int slot)
{
    koeffizienten(ps, slot, modulblock::kProportionalbereichXP1, modulblock::kKoeffizientenXP1);
}

void koeffizientenXP2(Parametersatz& ps, int slot)
{
    koeffizienten(ps, slot, modulblock::kProportionalbereichXP2, modulblock::kKoeffizientenXP2);
}

// The exact value counts: 8.01 lies above a top of 8 (its whole part would not).
bool klemme(quint16& wert, const Messbereich& bereich)
{
    const int unten = bereich.unten * 100;
    const int oben = bereich.oben * 100;
    if (wert < unten) {
        wert = quint16(unten);
        return true;
    }
    if (wert > oben) {
        wert = quint16(oben);
        return true;
    }
    return false;
}

} // namespace

Koeffizienten berechneKoeffizienten(quint16 band, quint16 tv, quint16 tn)
{
    Koeffizienten k;
    const float kp = 100.0f / float(band);
    const float vorhalt = float(tv) / kAbtastzeit;
    float erster = kp;
    if (tv != 0)
        erster *= vorhalt + 1.0f;
    k.werte[0] = erster * 1000.0f;

    float zweiter = 0.0f;
    if (tn != 0) {
        zweiter = kAbtastzeit / float(tn);
        if (tv != 0)
            zweiter -= 2.0f * float(tv) / kAbtastzeit;
        zweiter -= 1.0f;
        k.mitNachstellzeit = true;
    } else {
        zweiter = -vorhalt;
    }
    k.werte[1] = zweiter * kp * 1000.0f;

    if (tv != 0) {
        k.werte[2] = vorhalt * kp * 1000.0f;
        k.mitVorhaltezeit = true;
    }
    return k;
}

quint32 koeffizientMuster(float wert)
{
    const quint32 muster = std::bit_cast<quint32>(wert);
    if (muster == 0x80000000u)
        return 0;
    if (muster == kStilleNaN)
        return kMinusUnendlich;
    return muster;
}

void berechneReglerwerte(Parametersatz& ps, int slot, int art)
{
    switch (art) {
    case reglerart::kSignalgeraet:
        schaltschwellen(ps, slot);
        zweiterSchaltpunkt(ps, slot);
        break;
    case reglerart::kAbsalzgeraet:
        grenzschwellen(ps, slot);
        zweiterSchaltpunkt(ps, slot);
        break;
    case reglerart::kPid2:
    case reglerart::kFuzzy2:
    case reglerart::kAdaptivAsymptotisch2:
    case reglerart::kAdaptivSchnell2:
        koeffizientenXP1(ps, slot);
        zweiterSchaltpunkt(ps, slot);
        break;
    case reglerart::kPid3:
    case reglerart::kFuzzy3:
    case reglerart::kAdaptivAsymptotisch3:
    case reglerart::kAdaptivSchnell3:
        sollwertPlusXSH(ps, slot);
        koeffizientenXP1(ps, slot);
        koeffizientenXP2(ps, slot);
        break;
    default: break;
    }
    limitschwellen(ps, slot);
}

void berechneAlleReglerwerte(Parametersatz& ps)
{
    for (int slot = 0; slot < layout::kSlotAnzahl; ++slot) {
        if (hatEigeneSeiten(ps, slot))
            berechneReglerwerte(ps, slot, reglerartCode(ps, slot));
    }
}

bool gleicheEingaben(const Parametersatz& a, const Parametersatz& b)
{
    if (a == b)
        return true;
    Parametersatz x = a;
    Parametersatz y = b;
    berechneAlleReglerwerte(x);
    berechneAlleReglerwerte(y);
    return x == y;
}

bool reglerwerteInMessbereich(Parametersatz& ps, int slot)
{
    const std::optional<Messbereich> bereich = messbereich(ps, slot);
    if (!bereich)
        return false;
    bool geaendert = false;
    const auto pruefe = [&](quint16 wert, auto setzen) {
        if (klemme(wert, *bereich)) {
            setzen(wert);
            geaendert = true;
        }
    };
    pruefe(ps.modulWord(slot, modulblock::kSollwert), [&](quint16 w) { ps.setModulWord(slot, modulblock::kSollwert, w); });
    pruefe(ps.modulWord(slot, modulblock::kSchaltpunktabstandLW),
           [&](quint16 w) { ps.setModulWord(slot, modulblock::kSchaltpunktabstandLW, w); });
    pruefe(ps.reglerWord(slot, reglerblock::kLimitMinus), [&](quint16 w) { ps.setReglerWord(slot, reglerblock::kLimitMinus, w); });
    pruefe(ps.reglerWord(slot, reglerblock::kLimitPlus), [&](quint16 w) { ps.setReglerWord(slot, reglerblock::kLimitPlus, w); });
    return geaendert;
}

} // namespace hvx
