// The text export, compared byte for byte with files written by hand, and its edge cases.
#include "output/TextExport.h"

#include "document/HVXDoc.h"
#include "model/Reglerart.h"
#include "output/Seitenplan.h"
#include "support/TestApp.h"

#include <QFile>
#include <QRegularExpression>
#include <QTimeZone>

#include <algorithm>

#include <gtest/gtest.h>

using namespace hvx;

namespace {

QByteArray erwartet(const char* name)
{
    QFile file(QStringLiteral(HVX_SOURCE_DIR "/tests/output/data/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

void setzeRegler(Parametersatz& ps, int slot, quint8 typ, quint8 flags)
{
    ps.setReglertyp(slot, typ);
    ps.setReglerflags(slot, flags);
    ps.setModulByte(slot, modulblock::kReglertyp, typ);
    ps.setModulByte(slot, modulblock::kReglerflags, flags);
}

void setzeModul(Parametersatz& ps, int slot, quint8 typ, quint8 modulflags)
{
    ps.setModultyp(slot, typ);
    ps.setModulByte(slot, modulblock::kModultyp, typ);
    ps.setModulflags(slot, modulflags);
    ps.setModulByte(slot, modulblock::kModulflags, modulflags);
}

// Variant K, version 3: pH with PID 2-point, redox (+/-) with a signal device, chlorine with FUZZY 3-point.
Parametersatz konfigurationK3()
{
    Parametersatz ps;
    ps.setGeraetekennung(0x13);
    ps.setLeerlaufzeit(10);
    ps.setTemperaturkompensation(1);
    ps.setMessdatenintervall(255);
    ps.setAlarmzaehlerAnzeige(1);
    ps.setSystemflags(systemflags::kAlarmrelaisInvertieren);
    ps.setZugangscodeAktiv(1);
    ps.setZugangscode({'4', '7', '1', '1'});
    ps.setAlarmverzoegerung(30);
    ps.setAlarmwiederholung(5);

    setzeModul(ps, 0, modultyp::kPH, modulflags::kStrom4bis20mA | modulflags::kFahrenheit);
    setzeRegler(ps, 0, reglertyp::kZweipunkt, reglerflags::kPID | reglerflags::kWirksinnNegativ | reglerflags::kExterneFreigabe);
    ps.setReglerblockFlags(0, 0x5E); // manual acknowledgement, no extra enable, shut-off by "Modul 2", L+ on
    ps.setMaxDosierzeit(0, kMaxDosierzeitAus);
    ps.setMinEinschaltzeit(0, 150);
    ps.setZykluszeit(0, 1000);
    ps.setModulByte(0, modulblock::kPhMessbereich, 2);
    ps.setModulWord(0, modulblock::kMaxAusgangsstrom, 2000);
    ps.setModulByte(0, modulblock::kManuelleTemperatur, 25);
    ps.setModulWord(0, modulblock::kSteilheit, 5916);
    ps.setKalibrierueberwachung(0, 4);
    ps.setModulWord(0, modulblock::kSollwert, 720);
    ps.setModulWord(0, modulblock::kProportionalbereichXP1, 155);
    ps.setModulWord(0, modulblock::kVorhaltezeit, 30);
    ps.setModulWord(0, modulblock::kNachstellzeit, 120);
    ps.setModulWord(0, modulblock::kSchaltpunktabstandLW, 50);
    ps.setModulByte(0, modulblock::kVorzeichenLW, 0);
    ps.setModulWord(0, modulblock::kSchaltdifferenzX2SD, 15);
    ps.setReglerEin(0, true);
    ps.setReglerWord(0, reglerblock::kLimitPlus, 850);
    ps.setReglerWord(0, reglerblock::kLimitHystereseX2SD, 5);

    setzeModul(ps, 1, modultyp::kRedoxPlusMinus, 0);
    setzeRegler(ps, 1, reglertyp::kSignalgeraet, 0);
    ps.setMaxDosierzeit(1, 600);
    ps.setModulWord(1, modulblock::kWertBeiAnfangsstrom, 0);
    ps.setModulWord(1, modulblock::kWertBei20mA, 1000);
    ps.setModulByte(1, modulblock::kManuelleTemperatur, 20);
    ps.setKalibrierueberwachung(1, 255);
    ps.setModulWord(1, modulblock::kSollwert, 500);
    ps.setModulWord(1, modulblock::kSchaltdifferenzXSD, 20);
    ps.setModulByte(1, modulblock::kEinschaltverzoegerung, 5);
    ps.setModulWord(1, modulblock::kSchaltpunktabstandLW, 100);
    ps.setModulByte(1, modulblock::kVorzeichenLW, 1);

    setzeModul(ps, 2, modultyp::kChlor, modulflags::kStrom4bis20mA);
    setzeRegler(ps, 2, reglertyp::kDreipunkt, 0);
    ps.setReglerblockFlags(2, 0xD1); // extra enable "Modul 2", no shut-off, L- on
    ps.setMaxDosierzeit(2, kMaxDosierzeitAus);
    ps.setMinEinschaltzeit(2, 50);
    ps.setZykluszeit(2, 2000);
    ps.setModulByte(2, modulblock::kChlorMessbereich, 2);
    ps.setModulWord(2, modulblock::kWertBei20mA, 2000);
    ps.setModulWord(2, modulblock::kSteilheit, 3050);
    ps.setKalibrierueberwachung(2, 12);
    ps.setModulWord(2, modulblock::kSollwert, 50);
    ps.setAdaptivWert(2, 20);
    ps.setModulByte(2, modulblock::kSchaltpunktabstandXSH, 15);
    ps.setReglerEin(2, true);
    ps.setReglerWord(2, reglerblock::kLimitMinus, 30);
    ps.setReglerWord(2, reglerblock::kLimitHystereseX2SD, 10);
    ps.setModulByte(2, modulblock::kDfueAlarmverzoegerung, kDfueAlarmverzoegerungAus);
    ps.setModulByte(2, modulblock::kErhaltungsdosierung, 1);
    ps.setModulWord(2, modulblock::kProzentErhaltung, 125);
    ps.setModulWord(2, modulblock::kUnterbrechungszeit, 15);
    ps.setModulWord(2, modulblock::kVerzoegerungszeit, 3);
    return ps;
}

void setzeTimereintrag(Parametersatz& ps, int slot, int k, std::initializer_list<quint8> bytes)
{
    int i = 0;
    for (const quint8 b : bytes)
        ps.setModulByte(slot, ps.timerEintragOffset(k) + i++, b);
}

// Variant L, version 3: blow-down conductive with its blow-down device, and the biocide timer.
Parametersatz konfigurationL3()
{
    Parametersatz ps;
    ps.setGeraetekennung(0x23);
    ps.setDialogsprache(1);
    ps.setTemperaturkompensation(4);
    ps.setMessdatenintervall(kMessdatenintervallProfibus);
    ps.setSystemflags(systemflags::kZugangscodeSchuetztKalibrierung);
    ps.setZugangscodeAktiv(1);
    ps.setZugangscode({'1', '2', '3', '4'});
    ps.setAlarmwiederholung(255);

    setzeModul(ps, 0, modultyp::kAbsalzKonduktiv, modulflags::kTemperaturkompensationAutomatisch);
    setzeRegler(ps, 0, reglertyp::kAbsalzgeraet, reglerflags::kExterneFreigabe);
    ps.setReglerblockFlags(0, 0xCC);
    ps.setMaxDosierzeit(0, 120);
    ps.setMinEinschaltzeit(0, 100);
    ps.setModulByte(0, modulblock::kLfMessbereich, 2);
    ps.setModulWord(0, modulblock::kWertBei20mA, 5000);
    ps.setModulWord(0, modulblock::kEinbaufaktor, 100);
    ps.setModulWord(0, modulblock::kTemperaturkoeffizient, 212);
    ps.setKalibrierueberwachung(0, 255);
    ps.setModulWord(0, modulblock::kSollwert, 4000);
    ps.setModulWord(0, modulblock::kSchaltdifferenzXSD, 3500);
    ps.setModulByte(0, modulblock::kEinschaltverzoegerung, 10);
    ps.setModulByte(0, modulblock::kAusschaltverzoegerung, 2);
    ps.setReglerEin(0, true);

    setzeModul(ps, 1, modultyp::kFreigabeOderTimer, 0);
    setzeRegler(ps, 1, reglertyp::kTimer, 0);
    setzeTimereintrag(ps, 1, 0, {0x08, 0x30, 0, 15, 0, 60, 0, 25, 3, 0x15, 255, 3, 10});
    setzeTimereintrag(ps, 1, 2, {0x17, 0x05, 0, 5, 0, 0, 0, 0, 1, 0x60, 5, 0, 255});
    return ps;
}

QByteArray export_(const Parametersatz& ps, const InfoTexts& texte, bool zugang, const QDateTime& zeit)
{
    return exportDatei(exportZeilen(Ausgabequelle{ps, texte, zugang}, zeit));
}

QStringList zeilenVon(const Parametersatz& ps, bool zugang = true)
{
    const InfoTexts texte;
    return exportZeilen(Ausgabequelle{ps, texte, zugang}, QDateTime(QDate(2026, 1, 2), QTime(3, 4)));
}

class TextExport : public ::testing::Test {
protected:
    test::TestApp m_app;
};

} // namespace

TEST_F(TextExport, ThreeModulesOfVariantKMatchTheHandWrittenFile)
{
    InfoTexts texte;
    texte.seriennummer = QStringLiteral("HV-0815");
    texte.kunde = QStringLiteral("Stadtwerke Musterstadt\r\nWasserwerk Nord\r\nHalle 3");
    texte.standort = QStringLiteral("Brunnen 2");
    const QByteArray datei = export_(konfigurationK3(), texte, false, QDateTime(QDate(2026, 3, 5), QTime(14, 7, 9)));
    EXPECT_EQ(datei.toStdString(), erwartet("export_k3_ph_redox_chlor.txt").toStdString());
}

TEST_F(TextExport, BlowDownAndTimerOfVariantLMatchTheHandWrittenFile)
{
    const QByteArray datei = export_(konfigurationL3(), InfoTexts{}, true, QDateTime(QDate(2025, 12, 31), QTime(23, 59, 59)));
    EXPECT_EQ(datei.toStdString(), erwartet("export_l3_absalz_timer.txt").toStdString());
}

TEST_F(TextExport, MultiplePhSkipsTheModulesItCovers)
{
    Parametersatz ps;
    ps.setGeraetekennung(0x13);
    setzeModul(ps, 0, modultyp::kPH, 0);
    setzeModul(ps, 1, modultyp::kPH, 0);
    setzeModul(ps, 2, modultyp::kRedox, 0);
    ps.setMehrfachPH(mehrfachph::kZweifach);
    QStringList zeilen = zeilenVon(ps);
    EXPECT_TRUE(zeilen.contains(QStringLiteral("Modul 1: pH")));
    EXPECT_FALSE(zeilen.contains(QStringLiteral("Modul 2: pH")));
    EXPECT_TRUE(zeilen.contains(QStringLiteral("Modul 3: Redox")));
    EXPECT_TRUE(zeilen.contains(QStringLiteral("Mehrfach-pH-Messung:\t2-fach Überprüfung")));
    EXPECT_TRUE(zeilen.contains(QStringLiteral("max. Abweichung:\t0.00 pH")));

    setzeModul(ps, 2, modultyp::kPH, 0);
    ps.setMehrfachPH(mehrfachph::kDreifach);
    zeilen = zeilenVon(ps);
    EXPECT_EQ(zeilen.filter(QStringLiteral("Modul ")).filter(QStringLiteral(": pH")), QStringList{QStringLiteral("Modul 1: pH")});
}

TEST_F(TextExport, FreigabeOutsideVariantLHidesNoOtherModule)
{
    Parametersatz ps;
    ps.setGeraetekennung(0x13);
    setzeModul(ps, 0, modultyp::kPH, 0);
    setzeModul(ps, 1, modultyp::kFreigabeOderTimer, 0);
    setzeModul(ps, 2, modultyp::kRedox, 0);
    const QStringList zeilen = zeilenVon(ps);
    EXPECT_EQ(zeilen.filter(QRegularExpression(QStringLiteral("^Modul \\d: "))),
              QStringList({QStringLiteral("Modul 1: pH"), QStringLiteral("Modul 3: Redox")}));
    EXPECT_TRUE(zeilen.contains(QStringLiteral("Modul 2\tFreigabe")));
}

TEST_F(TextExport, AccessCodeIsShownOnlyWithAccess)
{
    Parametersatz ps;
    ps.setGeraetekennung(0x12); // version 2: no calibration protection flag
    setzeModul(ps, 0, modultyp::kPH, 0);
    ps.setZugangscodeAktiv(1);
    ps.setZugangscode({'0', '0', '4', '2'});
    EXPECT_TRUE(zeilenVon(ps, false).contains(QStringLiteral("Zugangscode:\t**********")));
    EXPECT_TRUE(zeilenVon(ps, true).contains(QStringLiteral("Zugangscode:\t0042")));
    ps.setZugangscodeAktiv(0);
    EXPECT_TRUE(zeilenVon(ps, false).contains(QStringLiteral("Zugangscode:\taus")));
}

TEST_F(TextExport, ChlorineRangeFollowsVariant)
{
    Parametersatz ps;
    ps.setGeraetekennung(0x33); // variant M
    setzeModul(ps, 0, modultyp::kChlor, 0);
    ps.setModulByte(0, modulblock::kChlorMessbereich, 2);
    ps.setModulWord(0, modulblock::kSteilheit, 455);
    QStringList zeilen = zeilenVon(ps);
    EXPECT_TRUE(zeilen.contains(QStringLiteral("Modul 1: Chlordioxid")));
    EXPECT_TRUE(zeilen.contains(QStringLiteral("Messbereich:\t0 bis 2 mg/l")));
    EXPECT_TRUE(zeilen.contains(QStringLiteral("Steilheit:\t46 mV/mg/l")));

    ps.setGeraetekennung(0x43); // variant N: peracetic acid with product lines and its slope
    ps.setProduktAnzeige(0, 1);
    ps.setProzentPES(0, 150);
    ps.setModulWord(0, modulblock::kSteilheit, 12345);
    const char name[] = "PES 15";
    std::copy(std::begin(name), std::end(name), ps.produktname().begin());
    zeilen = zeilenVon(ps);
    EXPECT_TRUE(zeilen.contains(QStringLiteral("Messbereich:\t0 bis 2000 mg/l")));
    EXPECT_TRUE(zeilen.contains(QStringLiteral("Produktname:\tPES 15")));
    EXPECT_TRUE(zeilen.contains(QStringLiteral("Prozent PES in Produkt:\t15.0 %")));
    EXPECT_TRUE(zeilen.contains(QStringLiteral("Steilheit:\t1.234 mV/mg/l")));
    ps.setProduktAnzeige(0, 0);
    EXPECT_TRUE(zeilenVon(ps).contains(QStringLiteral("Produktanzeige:\taus")));
}

// The chlorine range line of export and printout: the larger range only for the range code 2 of a
// parameter set with a version (variant N and N7400 also at version 0), whatever the pages offer.
TEST_F(TextExport, ChlorineRangeLineTakesTheLargerRangeOnlyForRangeCode2)
{
    struct Fall {
        quint8 kennung;
        quint8 bereichscode;
        const char* bereich;
    };
    const Fall faelle[] = {
        {0x13, 2, "0 bis 20 mg/l"},     {0x13, 1, "0 bis 2 mg/l"},     {0x13, 0, "0 bis 2 mg/l"},
        {0x1B, 0, "0 bis 2 mg/l"},      {0x1B, 2, "0 bis 20 mg/l"},    {0x10, 2, "0 bis 2 mg/l"},
        {0x21, 2, "0 bis 20 mg/l"},     {0x21, 0xFF, "0 bis 2 mg/l"},  {0x33, 2, "0 bis 2 mg/l"},
        {0x40, 1, "0 bis 2000 mg/l"},   {0x43, 2, "0 bis 2000 mg/l"},  {0x43, 1, "0 bis 200 mg/l"},
        {0x43, 0, "0 bis 200 mg/l"},    {0x53, 2, "0 bis 5000 mg/l"},  {0x53, 1, "0 bis 500 mg/l"},
        {0x53, 0, "0 bis 500 mg/l"},
    };
    for (const Fall& fall : faelle) {
        Parametersatz ps;
        ps.setGeraetekennung(fall.kennung);
        setzeModul(ps, 0, modultyp::kPH, 0);
        setzeModul(ps, 1, modultyp::kChlor, 0);
        ps.setModulByte(1, modulblock::kChlorMessbereich, fall.bereichscode);
        const Ausgabe seite = modulteil(ps, 1);
        const auto zeile = std::find_if(seite.begin(), seite.end(),
                                        [](const Ausgabezeile& z) { return z.label == QStringLiteral("Messbereich:"); });
        ASSERT_NE(zeile, seite.end());
        EXPECT_EQ(zeile->wert, QString::fromUtf8(fall.bereich)) << std::hex << int(fall.kennung) << " code " << int(fall.bereichscode);
        EXPECT_TRUE(zeilenVon(ps).contains(QStringLiteral("Messbereich:\t") + zeile->wert));
    }
}

TEST_F(TextExport, NegativeZeroIsShownAsZero)
{
    Parametersatz ps;
    ps.setGeraetekennung(0x13);
    setzeModul(ps, 0, modultyp::kPH, 0);
    setzeRegler(ps, 0, reglertyp::kSignalgeraet, 0);
    ps.setModulByte(0, modulblock::kVorzeichenLW, 0); // negative sign on a zero distance
    EXPECT_TRUE(zeilenVon(ps).contains(QStringLiteral("Schaltpunktabstand (LW):\t0.00 ")));
}

TEST_F(TextExport, StandardSignalNamesBothInputs)
{
    Parametersatz ps;
    ps.setGeraetekennung(0x13);
    const quint8 chlor = normsignalart::kChlor << modulflags::kNormsignalArtShift;
    setzeModul(ps, 0, modultyp::kNormsignal, chlor | modulflags::kNormsignalEingang4bis20mA);
    ps.setModulByte(0, modulblock::kChlorMessbereich, 2);
    ps.setModulByte(0, modulblock::kLfMessbereich, 3);
    ps.setModulByte(0, modulblock::kNormsignal2, normsignalart::kLeitfaehigkeit << modulflags::kNormsignalArtShift);
    const QStringList zeilen = zeilenVon(ps);
    const qsizetype start = zeilen.indexOf(QStringLiteral("Mess-Parameter"));
    ASSERT_GT(start, 0);
    EXPECT_EQ(zeilen.mid(start + 1, 6), QStringList({QStringLiteral("Normsignal: Chlor (mg/l)"),
                                                     QStringLiteral("Messbereich:\t0 bis 20 mg/l"),
                                                     QStringLiteral("Normsignal: Leitfähigkeit (mS)"),
                                                     QStringLiteral("Messbereich:\t0 bis 200 mS"),
                                                     QStringLiteral("Eingangsstrom:\t4 bis 20 mA"),
                                                     QStringLiteral("Ausgangsstrom:\t0 bis 20 mA")}));
    EXPECT_FALSE(zeilen.contains(QStringLiteral("Temperatureinheit:\tGrad Celsius")));

    ps.setModulByte(0, modulblock::kNormsignal2, modulflags::kNormsignal2KeinSignal);
    EXPECT_EQ(zeilenVon(ps).filter(QStringLiteral("Normsignal: ")).size(), 1);
}

// The rows every controller kind shows between its caption and "Wirksinn:".
struct Reglerfall {
    quint8 typ;
    quint8 flags;
    int version;
    const char* reglermodul;
    const char* ueberschrift;
    std::vector<const char*> labels;
};

TEST_F(TextExport, EveryControllerKindShowsItsRows)
{
    const Reglerfall faelle[] = {
        {3, 0x00, 3, "Signalgerät", "Reglerparameter Signalgerät",
         {"Sollwert:", "Schaltdifferenz (XSD):", "Einschaltverzögerung:", "Ausschaltverzögerung:", "Schaltpunktabstand (LW):", "Schaltdifferenz (X2SD):"}},
        {4, 0x40, 3, "PID-2-Punkt", "Reglerparameter PID-2-Punkt",
         {"Sollwert:", "Proportionalbereich (XP1):", "Vorhaltezeit (Tv):", "Nachstellzeit (Tn):", "Schaltpunktabstand (LW):", "Schaltdifferenz (X2SD):"}},
        {5, 0x40, 3, "PID-3-Punkt", "Reglerparameter PID-3-Punkt",
         {"Sollwert:", "Proportionalbereich (XP1):", "Proportionalbereich (XP2):", "Vorhaltezeit (Tv):", "Nachstellzeit (Tn):", "Schaltpunktabstand (XSH):"}},
        {4, 0x00, 3, "FUZZY-2-Punkt", "Reglerparameter FUZZY-2-Punkt",
         {"Sollwert:", "Totzeit:", "Schaltpunktabstand (LW):", "Schaltdifferenz (X2SD):"}},
        {4, 0x81, 3, "FUZZY-2-Punkt adaptiv schnell", "Reglerparmeter 2-Punkt-FUZZY adaptiv schnell",
         {"Sollwert:", "Schaltpunktabstand (LW):", "Schaltdifferenz (X2SD):"}},
        {4, 0x80, 3, "FUZZY-2-Punkt adaptiv asymptotisch", "Reglerparmeter 2-Punkt-FUZZY adaptiv asymptotisch",
         {"Sollwert:", "Schaltpunktabstand (LW):", "Schaltdifferenz (X2SD):"}},
        {4, 0x81, 2, "FUZZY-2-Punkt", "Reglerparameter FUZZY-2-Punkt", // adaptive from version 3 only
         {"Sollwert:", "Totzeit:", "Schaltpunktabstand (LW):", "Schaltdifferenz (X2SD):"}},
        {5, 0x00, 3, "FUZZY-3-Punkt", "Reglerparameter FUZZY-3-Punkt", {"Sollwert:", "Totzeit:", "Schaltpunktabstand (XSH):"}},
        {5, 0x81, 3, "FUZZY-3-Punkt adaptiv schnell", "Reglerparmeter 3-Punkt-FUZZY adaptiv schnell", {"Sollwert:", "Schaltpunktabstand (XSH):"}},
        {5, 0x80, 3, "FUZZY-3-Punkt adaptiv asymptotisch", "Reglerparmeter 3-Punkt-FUZZY adaptiv asymptotisch",
         {"Sollwert:", "Schaltpunktabstand (XSH):"}},
        {8, 0x00, 3, "Absalzgerät", "Reglerparameter Absalzgerät",
         {"Oberer Grenzwert (W+):", "Unterer Grenzwert (W-):", "Einschaltverzögerung:", "Ausschaltverzögerung:"}},
        {8, 0x00, 2, "Absalzgerät", "Reglerparameter Absalzgerät",
         {"Oberer Grenzwert (W+):", "Unterer Grenzwert (W-):", "Einschaltverzögerung:", "Ausschaltverzögerung:", "Schaltpunktabstand (LW):", "Schaltdifferenz (X2SD):"}},
    };
    for (const Reglerfall& fall : faelle) {
        Parametersatz ps;
        ps.setGeraetekennung(quint8(0x10 | fall.version));
        setzeModul(ps, 0, modultyp::kRedox, 0);
        setzeRegler(ps, 0, fall.typ, fall.flags);
        const QStringList zeilen = zeilenVon(ps);
        EXPECT_TRUE(zeilen.contains(QStringLiteral("Reglermodul:\t") + QString::fromUtf8(fall.reglermodul))) << fall.reglermodul;
        const qsizetype start = zeilen.indexOf(QString::fromUtf8(fall.ueberschrift));
        const qsizetype ende = zeilen.indexOf(QRegularExpression(QStringLiteral("Wirksinn:\t.*")));
        ASSERT_GT(start, 0) << fall.ueberschrift;
        QStringList labels;
        for (const QString& zeile : zeilen.mid(start + 1, ende - start - 1))
            labels << zeile.section(QLatin1Char('\t'), 0, 0);
        QStringList erwartet;
        for (const char* label : fall.labels)
            erwartet << QString::fromUtf8(label);
        EXPECT_EQ(labels, erwartet) << fall.ueberschrift;
    }
}

TEST_F(TextExport, CommandWritesTheFileAndReportsIt)
{
    CHVXDoc doc;
    doc.parametersatz() = konfigurationK3();
    ASSERT_TRUE(doc.SetProperties({QStringLiteral("HV-0815"), QStringLiteral("Stadtwerke Musterstadt\r\nWasserwerk Nord\r\nHalle 3"),
                                   QStringLiteral("Brunnen 2"), QString()}));
    const QString path = m_app.filePath(QStringLiteral("anlage.txt"));
    m_app.ui().answerFileChoice(path).answerMessageBox(IDOK, QStringLiteral("ordnungsgemäß ausgeführt worden."));
    EXPECT_TRUE(OnDateiExportTxt(doc));
    EXPECT_EQ(m_app.ui().questions().first().text, QStringLiteral("Text-Datei-Export ..."));
    EXPECT_TRUE(m_app.logEntries().filter(QStringLiteral("CHVXDoc::OnDateiExportTxt")).size() == 1);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> geschrieben = file.readAll().split('\n');
    const QList<QByteArray> vorlage = erwartet("export_k3_ph_redox_chlor.txt").split('\n');
    ASSERT_EQ(geschrieben.size(), vorlage.size());
    // The lines but the date (line 2) are those of the hand-written file with access granted.
    for (qsizetype i = 0; i < vorlage.size(); ++i) {
        if (i == 1)
            continue;
        if (vorlage[i].startsWith("Zugangscode:"))
            EXPECT_EQ(geschrieben[i], QByteArray("Zugangscode:\t4711(ohne Kalibrierung)\r"));
        else
            EXPECT_EQ(geschrieben[i], vorlage[i]) << i;
    }
}

TEST_F(TextExport, CommandReportsAFailureAndLeavesNoFile)
{
    CHVXDoc doc;
    const QString path = m_app.filePath(QStringLiteral("fehlt/anlage.txt"));
    m_app.ui().answerFileChoice(path).answerMessageBox(IDOK).answerMessageBox(IDOK, QStringLiteral("NICHT ordnungsgemäß"));
    EXPECT_FALSE(OnDateiExportTxt(doc));
    EXPECT_EQ(m_app.ui().questions().size(), 3);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(TextExport, CancelledDialogWritesNothing)
{
    CHVXDoc doc;
    m_app.ui().answerFileChoice(std::nullopt);
    EXPECT_FALSE(OnDateiExportTxt(doc));
    EXPECT_TRUE(m_app.logEntries().filter(QStringLiteral("OnDateiExportTxt")).isEmpty());
}

TEST(TextExportEnglish, UsesTheEnglishTexts)
{
    test::TestApp app(test::TestApp::Language::English);
    const QStringList zeilen = zeilenVon(konfigurationK3());
    EXPECT_TRUE(zeilen.contains(QStringLiteral("General information")));
    EXPECT_TRUE(zeilen.contains(QStringLiteral("Set point:\t7.20 ")));
    EXPECT_TRUE(zeilen.contains(QStringLiteral("Measuring range:\t2 to 12 pH")));
    EXPECT_EQ(zeilen[1], QStringLiteral("02/01/2026 03:04"));
}
