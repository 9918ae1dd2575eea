// Page count and page contents of the printout, the print settings and the page layout.
#include "output/Drucklayout.h"
#include "output/Seitenplan.h"

#include "model/Seitenaufteilung.h"
#include "support/TestApp.h"

#include <QSettings>

#include <gtest/gtest.h>

using namespace hvx;

namespace {

class Druck : public ::testing::Test {
protected:
    test::TestApp m_app;
};

Parametersatz bestueckt(quint8 kennung, std::initializer_list<quint8> typen)
{
    Parametersatz ps;
    ps.setGeraetekennung(kennung);
    int slot = 0;
    for (const quint8 typ : typen)
        ps.setModultyp(slot++, typ);
    return ps;
}

std::vector<int> slotsDerSeiten(const Parametersatz& ps)
{
    std::vector<int> slots;
    for (const Seiteninhalt& seite : seitenplan(ps))
        slots.push_back(seite.slot);
    return slots;
}

void setzeWochentage(Parametersatz& ps, int slot, std::initializer_list<int> eintraege)
{
    for (const int k : eintraege)
        ps.setModulByte(slot, ps.timerEintragOffset(k) + timereintrag::kWochentage, 0x01);
}

// A metric with a fixed-pitch font: every character 20 units wide, lines 40 units high.
Druckmetrik metrik()
{
    return {2000, 2800, 40, [](const QString& text, bool, bool doppelt) { return int(text.size()) * (doppelt ? 40 : 20); }};
}

const Druckelement* finde(const std::vector<Druckelement>& elemente, const QString& text)
{
    for (const Druckelement& e : elemente) {
        if (e.text == text)
            return &e;
    }
    return nullptr;
}

} // namespace

TEST_F(Druck, TriplePhPrintsTheSystemPageAndModuleOne)
{
    Parametersatz ps = bestueckt(0x13, {modultyp::kPH, modultyp::kPH, modultyp::kPH});
    ps.setMehrfachPH(mehrfachph::kDreifach);
    EXPECT_EQ(slotsDerSeiten(ps), (std::vector<int>{-1, 0}));
    ps.setMehrfachPH(mehrfachph::kZweifach);
    EXPECT_EQ(slotsDerSeiten(ps), (std::vector<int>{-1, 0, 2}));
    ps.setMehrfachPH(mehrfachph::kKeine);
    EXPECT_EQ(slotsDerSeiten(ps), (std::vector<int>{-1, 0, 1, 2}));
}

TEST_F(Druck, PageCountAgreesWithThePagesOfTheView)
{
    const Parametersatz faelle[] = {
        bestueckt(0x13, {modultyp::kPH, modultyp::kPH, modultyp::kPH}),
        bestueckt(0x13, {modultyp::kPH, modultyp::kFreigabeOderTimer}),
        bestueckt(0x23, {modultyp::kPH, modultyp::kFreigabeOderTimer, modultyp::kRedox}),
        bestueckt(0x13, {modultyp::kChlor}),
    };
    for (const Parametersatz& ps : faelle)
        EXPECT_EQ(int(seitenplan(ps).size()), seitenaufteilung(ps).seitenanzahl);
}

TEST_F(Druck, FreigabeOutsideVariantLIsSkippedWithoutHidingTheNextModule)
{
    const Parametersatz ps = bestueckt(0x13, {modultyp::kPH, modultyp::kFreigabeOderTimer, modultyp::kRedox});
    EXPECT_EQ(slotsDerSeiten(ps), (std::vector<int>{-1, 0, 2}));
}

TEST_F(Druck, LongTimerListContinuesOnTheFollowingPage)
{
    Parametersatz ps = bestueckt(0x23, {modultyp::kPH, modultyp::kFreigabeOderTimer, modultyp::kRedox});
    setzeWochentage(ps, 1, {0, 2, 3, 4, 5, 6}); // six entries in use, entry 1 not
    const std::vector<Seiteninhalt> seiten = seitenplan(ps);
    ASSERT_EQ(seiten.size(), 5u);
    EXPECT_EQ(seitenaufteilung(ps).seitenanzahl, 5);
    EXPECT_EQ(seiten[2].slot, 1);
    EXPECT_EQ(seiten[2].timer.bis, 5); // the fifth entry in use is entry 5
    EXPECT_FALSE(seiten[2].timer.fortsetzung);
    EXPECT_EQ(seiten[3].slot, 1);
    EXPECT_EQ(seiten[3].timer.von, 5);
    EXPECT_TRUE(seiten[3].timer.fortsetzung);
    EXPECT_EQ(seiten[4].slot, 2);

    const InfoTexts texte;
    const Ausgabequelle quelle{ps, texte, true};
    const auto uhrzeiten = [&](const Seiteninhalt& seite) {
        QStringList labels;
        for (const Ausgabezeile& zeile : seitenAusgabe(quelle, seite))
            if (zeile.label.startsWith(QStringLiteral("Uhrzeit")))
                labels << zeile.label;
        return labels;
    };
    EXPECT_EQ(uhrzeiten(seiten[2]), QStringList({QStringLiteral("Uhrzeit 1:"), QStringLiteral("Uhrzeit 3:"),
                                                 QStringLiteral("Uhrzeit 4:"), QStringLiteral("Uhrzeit 5:")}));
    EXPECT_EQ(uhrzeiten(seiten[3]), QStringList({QStringLiteral("Uhrzeit 6:"), QStringLiteral("Uhrzeit 7:")}));
    EXPECT_EQ(seitenAusgabe(quelle, seiten[3])[2].label, QStringLiteral("Parameter Biozid-Dosierung (Fortsetzung)"));

    ps.setGeraetekennung(0x22); // short entries before version 3: one page
    EXPECT_EQ(seitenplan(ps).size(), 4u);
}

TEST_F(Druck, MissingPrintSectionGivesThePrintingDefaults)
{
    EXPECT_EQ(leseDruckraster(), (Druckraster{100, 400, 100, 200, 600, 450}));
    QSettings settings(m_app.settingsPath(), QSettings::IniFormat);
    EXPECT_EQ(settings.value(QStringLiteral("Print/Right")).toInt(), 400);
    EXPECT_EQ(settings.value(QStringLiteral("Print/Indent3")).toInt(), 600);

    m_app.app().WriteProfileInt(QStringLiteral("Print"), QStringLiteral("Left"), 150);
    EXPECT_EQ(leseDruckraster().links, 150);
}

TEST_F(Druck, FooterPathKeepsItsFirstFolderAndAsManyTrailingPartsAsFit)
{
    const QString pfad = QStringLiteral("/home/techniker/hvx/anlagen/kunde.hxd");
    const auto hoechstens = [](int zeichen) { return [zeichen](const QString& p) { return p.size() <= zeichen; }; };
    EXPECT_EQ(gekuerzterPfad(pfad, hoechstens(100)), pfad);
    EXPECT_EQ(gekuerzterPfad(pfad, hoechstens(31)), QStringLiteral("/home/.../hvx/anlagen/kunde.hxd"));
    EXPECT_EQ(gekuerzterPfad(pfad, hoechstens(30)), QStringLiteral("/home/.../anlagen/kunde.hxd"));
    EXPECT_EQ(gekuerzterPfad(pfad, hoechstens(5)), QStringLiteral("/home/.../kunde.hxd")); // the name always stays
    EXPECT_EQ(gekuerzterPfad(QStringLiteral("/srv/hvx/anlagen/a.hxd"), hoechstens(16)), QStringLiteral("/srv/.../a.hxd"));
    EXPECT_EQ(gekuerzterPfad(QStringLiteral("/kunde.hxd"), hoechstens(3)), QStringLiteral("/kunde.hxd"));
}

// Page headings and the system page's main headings at twice the height, section captions at the
// normal height; all of them bold.
TEST_F(Druck, HeadingsHaveTheHeightOfTheirRank)
{
    Parametersatz ps = bestueckt(0x13, {modultyp::kPH});
    ps.setReglertyp(0, reglertyp::kSignalgeraet);
    const Kopfzeile kopf{1, 2, QString(), QString(), 0};
    const InfoTexts texte;
    const std::vector<Druckelement> system = druckseite(systemteil({ps, texte, true}), true, kopf, Druckraster{}, metrik());
    const std::vector<Druckelement> modul = druckseite(modulteil(ps, 0), false, kopf, Druckraster{}, metrik());
    struct Fall {
        const std::vector<Druckelement>& seite;
        const char* text;
        bool doppelt;
    };
    const Fall faelle[] = {
        {system, "Allgemeine Angaben", true}, {system, "Modulbestückung", true},
        {system, "Systemkonfiguration", false}, {system, "Limit-Alarm", false},
        {modul, "Modul 1: pH", true}, {modul, "Modulkonfiguration", false},
        {modul, "Mess-Parameter", false}, {modul, "Reglerparameter Signalgerät", false},
    };
    for (const Fall& fall : faelle) {
        const Druckelement* e = finde(fall.seite, QString::fromUtf8(fall.text));
        ASSERT_NE(e, nullptr) << fall.text;
        EXPECT_TRUE(e->fett) << fall.text;
        EXPECT_EQ(e->doppelt, fall.doppelt) << fall.text;
        EXPECT_EQ(e->rechteck.height(), fall.doppelt ? 80 : 40) << fall.text;
    }
}

TEST_F(Druck, PageFrameAndBodyFollowTheMarginsAndIndents)
{
    Parametersatz ps = bestueckt(0x13, {modultyp::kPH});
    InfoTexts texte;
    texte.kunde = QStringLiteral("Zeile 1\r\nZeile 2");
    const Druckraster raster; // printing defaults
    const Kopfzeile kopf{1, 2, QStringLiteral("/daten/anlage.hxd"), QStringLiteral("05.03.2026 14:07"), 2.0};
    const std::vector<Druckelement> seite = druckseite(systemteil({ps, texte, true}), true, kopf, raster, metrik());
    const int h = 40;

    const Druckelement* nummer = finde(seite, QStringLiteral("1/2"));
    ASSERT_NE(nummer, nullptr);
    EXPECT_TRUE(nummer->rechtsbuendig);
    EXPECT_EQ(nummer->rechteck.right() + 1, 2000 - 10);
    const auto logo = std::find_if(seite.begin(), seite.end(), [](const Druckelement& e) { return e.art == Druckelement::Art::Logo; });
    ASSERT_NE(logo, seite.end());
    EXPECT_EQ(logo->rechteck, QRect(2000 - 450, 3 * h, 450, 225));
    const Druckelement* pfad = finde(seite, QStringLiteral("/daten/anlage.hxd"));
    ASSERT_NE(pfad, nullptr);
    EXPECT_EQ(pfad->rechteck.top(), 2800 - h);

    const Druckelement* ueberschrift = finde(seite, QStringLiteral("Allgemeine Angaben"));
    ASSERT_NE(ueberschrift, nullptr);
    EXPECT_EQ(ueberschrift->rechteck.topLeft(), QPoint(100 + 100, 5 * h));
    EXPECT_TRUE(ueberschrift->fett && ueberschrift->doppelt);
    const Druckelement* kunde = finde(seite, texte.kunde.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    ASSERT_NE(kunde, nullptr);
    EXPECT_EQ(kunde->art, Druckelement::Art::Textblock);
    EXPECT_EQ(kunde->rechteck, QRect(100 + 600, kunde->rechteck.top(), 2000 - 400 - 700, 4 * h));
    const Druckelement* standort = finde(seite, QStringLiteral("Standort:"));
    ASSERT_NE(standort, nullptr);
    EXPECT_EQ(standort->rechteck.top() - kunde->rechteck.top(), 5 * h);
    const Druckelement* bestueckung = finde(seite, QStringLiteral("Modulbestückung"));
    ASSERT_NE(bestueckung, nullptr);
    EXPECT_EQ(bestueckung->rechteck.top(), (5 + 28) * h);
    const Druckelement* modulName = finde(seite, QStringLiteral("pH"));
    ASSERT_NE(modulName, nullptr);
    EXPECT_EQ(modulName->rechteck.left(), 100 + 600);
}

TEST_F(Druck, MeasuredValuesGetTheirUnitOnPaper)
{
    Parametersatz ps = bestueckt(0x13, {modultyp::kPH});
    ps.setReglertyp(0, reglertyp::kSignalgeraet);
    ps.setModulWord(0, modulblock::kSollwert, 700);
    const Kopfzeile kopf{2, 2, QString(), QString(), 0};
    const std::vector<Druckelement> seite = druckseite(modulteil(ps, 0), false, kopf, Druckraster{}, metrik());
    EXPECT_NE(finde(seite, QStringLiteral("7.00 pH")), nullptr);
    EXPECT_EQ(std::count_if(seite.begin(), seite.end(), [](const Druckelement& e) { return e.art == Druckelement::Art::Logo; }), 0);
}

#include "editing/Felder.h"
#include "model/NeuerParametersatz.h"
#include "output/AusgabeTexte.h"

TEST_F(Druck, ControllerValuesArePrintedAsTheirPageShowsThem)
{
    // Set point and limit contact L+ with their units, on paper as on module 1's controller page
    // (Fahrenheit converted, offsets and scales applied).
    struct Fall {
        const char* name;
        quint8 typ;
        quint8 flags; // module flags (block byte 2 and its descriptor copy); 0xFF: as the defaults
        quint16 sollwert;
        quint16 limitPlus;
    };
    const auto art = [](int n) { return quint8(n << modulflags::kNormsignalArtShift); };
    const Fall faelle[] = {
        {"temperature in Fahrenheit", modultyp::kTemperatur, modulflags::kFahrenheit, 500, 1000},
        {"temperature in Celsius", modultyp::kTemperatur, 0, 500, 1000},
        {"standard signal in Fahrenheit", modultyp::kNormsignal, art(normsignalart::kTemperaturFahrenheit), 500, 1000},
        {"standard signal in Celsius", modultyp::kNormsignal, art(normsignalart::kTemperaturCelsius), 500, 1000},
        {"standard signal of current", modultyp::kNormsignal, art(normsignalart::kStrom), 1250, 2000},
        {"pH", modultyp::kPH, 0xFF, 730, 1200},
        {"redox (+/-)", modultyp::kRedoxPlusMinus, 0xFF, 300, 900},
        {"chlorine", modultyp::kChlor, 0xFF, 1500, 2000},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Parametersatz ps = neuerParametersatz(0x13, {{{fall.typ, anfangsReglertyp(fall.typ, 1)}, {}, {}}});
        if (fall.flags != 0xFF) {
            ps.setModulByte(0, modulblock::kModulflags, fall.flags);
            ps.setModulflags(0, fall.flags);
        }
        ps.setModulWord(0, modulblock::kSollwert, fall.sollwert);
        ps.setReglerWord(0, reglerblock::kLimitPlus, fall.limitPlus);
        ps.setReglerblockFlags(0, ps.reglerblockFlags(0) | reglerblockflags::kLimitPlusEin);

        Parametersatz kopie = ps;
        Bearbeitung seiten(kopie, false);
        const std::vector<Feldangabe> felder = felderAuflisten(seiten);
        const auto gezeigt = [&](const char* schluessel) {
            for (const Feldangabe& f : felder) {
                if (f.schluessel == QLatin1String(schluessel))
                    return QStringLiteral("%1 %2").arg(f.wert, f.einheit).trimmed();
            }
            return QString();
        };
        const auto gedruckt = [&](int label) {
            for (const Ausgabezeile& z : modulteil(ps, 0)) {
                if (z.art == Zeilenart::Wert && z.label == ausgabe::text(label))
                    return QStringLiteral("%1 %2").arg(z.wert.trimmed(), z.druckEinheit).trimmed();
            }
            return QString();
        };
        EXPECT_EQ(gedruckt(ausgabe::kSollwert), gezeigt("1.2.1050"));
        EXPECT_EQ(gedruckt(ausgabe::kLimitPlus), gezeigt("1.2.1061"));
        EXPECT_FALSE(gezeigt("1.2.1050").isEmpty());
    }
}
