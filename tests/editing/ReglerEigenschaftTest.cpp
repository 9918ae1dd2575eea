// Every revision x module type x controller kind: values typed into the controller page at
// random legal values give derived bytes equal to an independent computation, and a value
// outside its range is refused with nothing stored.
#include "editing/ReglerSeite.h"
#include "editing/ReglerZeilen.h"
#include "editing/SeitenFixture.h"
#include "editing/Zahlentext.h"
#include "model/Modulauswahl.h"
#include "model/Reglerart.h"
#include "model/Reglerwerte.h"
#include "model/Revisionen.h"
#include "model/Wertfeld.h"

#include <bit>
#include <map>
#include <random>

using namespace hvx;
using namespace hvx::test;

namespace {

// The instrument scale written out once more, as a table: v' = v - abzug, then
// v' x faktor + v' x z1 / n1 + v' x z2 / n2, or the shift rule for the 5000-counts modules.
struct Skalenregel {
    quint32 faktor, z1, n1, z2, n2;
    quint16 abzug = 0;
    bool schiebe = false;
};
constexpr Skalenregel kRedox{65, 5, 10, 3, 100};
constexpr Skalenregel kLf{32, 7, 10, 6, 100};
constexpr Skalenregel kPh1{46, 8, 10, 1, 100};
constexpr Skalenregel kPh2{65, 5, 10, 3, 100, 200};
constexpr Skalenregel kPh3{131, 0, 1, 7, 100, 300};
constexpr Skalenregel kEins{1, 0, 1, 0, 1};
constexpr Skalenregel kSchiebe{0, 0, 1, 0, 1, 0, true};

Skalenregel regelFuer(const Parametersatz& ps, quint8 typ)
{
    if (typ == modultyp::kNormsignal) {
        const int art = (ps.modulByte(0, 2) >> 4) & 7;
        const quint8 wie[] = {1, 2, 7, 6, 2, 6, 3, 3};
        typ = wie[art];
    }
    switch (typ) {
    case 1: {
        const quint8 code = ps.modulByte(0, 18);
        return code == 1 ? kPh1 : code == 2 ? kPh2 : code == 3 ? kPh3 : kEins;
    }
    case 2: case 3: case 14: case 15: return kRedox;
    case 5: case 6: return kLf;
    case 7: return ps.familie() == 5 ? kSchiebe : kLf;
    case 16: case 17: return kSchiebe;
    default: return kEins;
    }
}

quint16 S(const Parametersatz& ps, quint32 v)
{
    const Skalenregel r = regelFuer(ps, ps.modultyp(0));
    const quint32 w = quint16(quint16(v) - r.abzug);
    if (r.schiebe)
        return quint16((w * 858993u) >> 16);
    return quint16(w * r.faktor + w * r.z1 / r.n1 + w * r.z2 / r.n2);
}

quint32 muster(float f)
{
    quint32 m = std::bit_cast<quint32>(f);
    return m == 0x80000000u ? 0u : m == 0xFFC00000u ? 0xFF800000u : m;
}

std::array<quint32, 3> koeffizienten(float band, float tv, float tn)
{
    const float k = 100.0f / band;
    float a = k;
    if (tv != 0)
        a *= tv / 0.24f + 1.0f;
    float b = tn != 0 ? (0.24f / tn - (tv != 0 ? 2.0f * tv / 0.24f : 0.0f)) - 1.0f : -(tv / 0.24f);
    if (tn != 0 && tv == 0)
        b = 0.24f / tn - 1.0f;
    const float c = tv != 0 ? tv / 0.24f * k * 1000.0f : 0.0f;
    return {muster(a * 1000.0f), muster(b * k * 1000.0f), muster(c)};
}

quint32 lang(const Parametersatz& ps, int offset)
{
    const int b = Parametersatz::modulblockOffset(0) + offset;
    return (quint32(ps.byte(b)) << 24) | (quint32(ps.byte(b + 1)) << 16) | (quint32(ps.byte(b + 2)) << 8) | ps.byte(b + 3);
}

void pruefeAbgeleitet(const Parametersatz& ps, int art)
{
    const auto w = [&](int o) { return quint32(ps.modulWord(0, o)); };
    const quint32 s = w(64);
    const bool dreipunkt = (art & 0x0F) == 5;
    if (art == reglerart::kSignalgeraet) {
        const quint32 a = w(66) * s / 2000;
        EXPECT_EQ(w(68), S(ps, s + a));
        EXPECT_EQ(w(70), S(ps, s - a));
    } else if (art == reglerart::kAbsalzgeraet) {
        EXPECT_EQ(w(68), S(ps, s));
        EXPECT_EQ(w(70), S(ps, w(66)));
    }
    if (!dreipunkt) {
        const quint16 v = ps.modulByte(0, 87) == 1 ? quint16(s + w(72)) : quint16(s - w(72));
        EXPECT_EQ(w(75), S(ps, v));
        EXPECT_EQ(w(77), S(ps, v - quint32(v) * w(116) / 1000));
    } else {
        EXPECT_EQ(w(114), quint16(s + s * ps.modulByte(0, 74) / 1000));
    }
    const bool mitKoeffizienten = art != reglerart::kSignalgeraet && art != reglerart::kAbsalzgeraet;
    if (mitKoeffizienten) {
        const float tv = float(w(83)), tn = float(w(85));
        const auto k1 = koeffizienten(float(w(81)), tv, tn);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(lang(ps, 88 + 4 * i), k1[i]) << "XP1 coefficient " << i;
        if (dreipunkt) {
            const auto k2 = koeffizienten(float(w(112)), tv, tn);
            for (int i = 0; i < 3; ++i)
                EXPECT_EQ(lang(ps, 100 + 4 * i), k2[i]) << "XP2 coefficient " << i;
        }
        const quint8 bits = (tn != 0 ? 0x04 : 0) | (tv != 0 ? 0x08 : 0);
        EXPECT_EQ(ps.modulByte(0, 7) & 0x0C, bits);
        EXPECT_EQ(ps.reglerflags(0) & 0x0C, bits);
    }
    const quint32 x = ps.reglerWord(0, 16);
    const quint32 a = S(ps, ps.reglerWord(0, 0)), b = S(ps, ps.reglerWord(0, 2));
    EXPECT_EQ(ps.reglerWord(0, 8), a);
    EXPECT_EQ(ps.reglerWord(0, 10), quint16(a + a * x / 1000));
    EXPECT_EQ(ps.reglerWord(0, 12), quint16(b - b * x / 1000));
    EXPECT_EQ(ps.reglerWord(0, 14), b);
}

int zehnHoch(int d)
{
    int f = 1;
    while (d-- > 0)
        f *= 10;
    return f;
}

class ReglerEigenschaft : public SeitenTest {
protected:
    std::mt19937 m_zufall{20261208};

    int zufall(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(m_zufall); }

    // Limits of a row as counts of its shown decimals.
    std::pair<int, int> grenzen(const Reglerzeile& z, int stellen)
    {
        const int f = zehnHoch(stellen);
        switch (z.art) {
        case Reglerzeilenart::Wert: {
            const Messbereich b = *anzeigeMessbereich(m_ps, 0);
            return {b.unten * f, b.oben * f};
        }
        case Reglerzeilenart::LW: return {-lwGrenze(m_ps, 0) * f, lwGrenze(m_ps, 0) * f};
        case Reglerzeilenart::Prozent:
        case Reglerzeilenart::ProzentByte: return {0, z.max * 10};
        default: return {0, z.max};
        }
    }

    static int stellenDer(const Reglerzeile& z, int messstellen)
    {
        switch (z.art) {
        case Reglerzeilenart::Wert:
        case Reglerzeilenart::LW: return messstellen;
        case Reglerzeilenart::Prozent:
        case Reglerzeilenart::ProzentByte: return 1;
        default: return 0;
        }
    }
};

} // namespace

TEST_F(ReglerEigenschaft, DerivedBytesMatchAndOutOfRangeEntriesStoreNothing)
{
    int faelle = 0;
    for (const Revision& rev : revisionen()) {
        const int familie = rev.geraetekennung >> 4;
        const int version = rev.geraetekennung & 7;
        for (const ModulWahl& wahl : modulAuswahl(familie)) {
            if (wahl.modultyp == modultyp::kKein || wahl.modultyp == modultyp::kFreigabeOderTimer)
                continue;
            for (int art : reglerartAuswahl(wahl.modultyp, version)) {
                SCOPED_TRACE(QStringLiteral("revision %1 type %2 kind %3")
                                 .arg(rev.geraetekennung, 2, 16).arg(wahl.modultyp).arg(art, 2, 16).toStdString());
                m_ps = konfiguration(rev.geraetekennung, wahl.modultyp);
                setzeReglerart(m_ps, 0, art);
                if (wahl.modultyp == modultyp::kNormsignal)
                    m_ps.setModulByte(0, 2, quint8(zufall(0, 7) << 4));
                if (wahl.modultyp == modultyp::kPH) {
                    // as the pH page does on a range change
                    m_ps.setModulByte(0, 18, quint8(zufall(1, 3)));
                    reglerwerteInMessbereich(m_ps, 0);
                }
                Seitenlauf& s = seite(reglerParaSeite(), 0, 2);
                const int messstellen = std::max(0, nachkommastellen(m_ps, 0));
                // All entries of the page typed in, then saved as leaving the page does.
                std::map<int, QString> eingaben;
                std::map<int, std::pair<int, int>> zeilenGrenzen;
                for (int r = 0; r < reglerpara::kZeilen; ++r) {
                    const auto z = reglerzeile(art, r);
                    ASSERT_EQ(s.istSichtbar(reglerpara::kEingabe[r]), z.has_value()) << "row " << r;
                    if (!z)
                        continue;
                    const int stellen = stellenDer(*z, messstellen);
                    zeilenGrenzen[r] = grenzen(*z, stellen);
                    eingaben[reglerpara::kEingabe[r]] = festkomma(zufall(zeilenGrenzen[r].first, zeilenGrenzen[r].second), stellen);
                }
                const Messbereich b = *anzeigeMessbereich(m_ps, 0);
                const int f = zehnHoch(messstellen);
                eingaben[reglerpara::kLimitMinus] = festkomma(zufall(b.unten * f, b.oben * f), messstellen);
                eingaben[reglerpara::kLimitPlus] = festkomma(zufall(b.unten * f, b.oben * f), messstellen);
                eingaben[reglerpara::kLimitX2SD] = festkomma(zufall(0, 300), 1);
                for (const auto& [id, text] : eingaben)
                    s.controls().setText(id, text);
                ASSERT_TRUE(s.speichern()) << "error on " << inputError().controlId;
                s.laden();
                // Fahrenheit is stored in tenths of °C: an entry may come back a tenth apart,
                // but what is shown is stored unchanged when entered again.
                const bool fahrenheit = reglerFahrenheit(m_ps, 0);
                for (auto& [id, text] : eingaben) {
                    if (!fahrenheit) {
                        EXPECT_EQ(s.controls().text(id), text) << "control " << id;
                        continue;
                    }
                    text = s.controls().text(id);
                    const Parametersatz gezeigt = m_ps;
                    ASSERT_TRUE(s.eingeben(id, text));
                    EXPECT_EQ(m_ps, gezeigt) << "control " << id;
                }

                for (const auto& [r, g] : zeilenGrenzen) {
                    const int id = reglerpara::kEingabe[r];
                    const int stellen = stellenDer(*reglerzeile(art, r), messstellen);
                    const Parametersatz vorher = m_ps;
                    const QString zuGross = festkomma(g.second + 1, stellen);
                    EXPECT_FALSE(s.eingeben(id, zuGross)) << zuGross.toStdString();
                    EXPECT_EQ(m_ps, vorher) << "row " << r << " stored " << zuGross.toStdString();
                    inputError().clear();
                    ASSERT_TRUE(s.eingeben(id, eingaben[id]));
                }
                pruefeAbgeleitet(m_ps, art);
                ++faelle;
            }
        }
    }
    EXPECT_GT(faelle, 200);
}
