// The service report of a transfer: what it states for the kinds of transfer a technician makes,
// that every changed value of the comparison reaches it and nothing else does, the access code
// never shows, the text file holds the same lines, and a report name is checked before anything
// is sent. Then the layout of long bodies: pages that fit, nothing lost, tables that repeat their
// heading and keep every cell inside its column.
#include "output/Serviceprotokoll.h"

#include "base/Language.h"
#include "editing/SeitenFixture.h"
#include "editing/Vergleich.h"
#include "model/Kalibrierung.h"
#include "output/Drucklayout.h"
#include "output/Drucktabelle.h"
#include "output/TextExport.h"
#include "output/Zeilen.h"

#include <QDir>
#include <QRegularExpression>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <functional>
#include <random>

#include <gtest/gtest.h>

using namespace hvx;

namespace {

constexpr quint8 kRevision = 0x13;

Parametersatz anlage()
{
    return test::konfiguration(kRevision, modultyp::kPH, modultyp::kRedox, modultyp::kLfKonduktiv);
}

// A record as the transfer makes it: the sent set is the file's with the instrument's
// calibration where it was kept.
TransferRecord transfer(const Parametersatz& vorher, const Parametersatz& datei, bool erhalten, bool geprueft)
{
    TransferRecord r;
    r.time = QDateTime(QDate(2026, 12, 9), QTime(14, 35));
    r.port = QStringLiteral("COM3");
    r.device = QStringLiteral("/dev/ttyUSB0");
    r.path = QStringLiteral("/srv/anlagen/klaerwerk.hxd");
    r.texts = {QStringLiteral("HV-0815"), QStringLiteral("Stadtwerke\r\nKlärwerk 2"), QStringLiteral("Becken 3"), {}};
    r.before = vorher;
    r.file = datei;
    r.sent = datei;
    if (erhalten)
        erhalteKalibrierung(r.sent, vorher);
    r.calibrationKept = erhalten;
    r.check = geprueft ? TransferRecord::Check::Passed : TransferRecord::Check::NotRun;
    return r;
}

std::vector<Ausgabezeile> tabellenzeilen(const Ausgabe& a, bool mitKopf = false)
{
    std::vector<Ausgabezeile> zeilen;
    for (const Ausgabezeile& z : a) {
        if (z.art == Zeilenart::Tabelle && (mitKopf || !z.fett))
            zeilen.push_back(z);
    }
    return zeilen;
}

QString alsText(const Ausgabe& a)
{
    QStringList zeilen;
    for (const Ausgabezeile& z : a)
        zeilen << exportZeile(z);
    return zeilen.join(QLatin1Char('\n'));
}

// The caption that heads the calibration rows, by whether they were kept.
QString kalibrierUeberschrift(bool erhalten)
{
    return GetStringsText(3391).arg(GetStringsText(erhalten ? 3693 : 3694));
}

class Serviceprotokoll : public test::SeitenTest {};

struct Fall {
    const char* name;
    std::function<void(Parametersatz& geraet, Parametersatz& datei)> aendern;
    bool erhalten;
    bool geprueft;
    size_t feldzeilen;       // rows of changed fields
    size_t kalibrierzeilen;  // rows of calibration values
    bool bytegruppe;         // bytes no page shows
    bool keineAenderungen;   // "no changes" instead of the tables
};

const Fall kFaelle[] = {
    {"nothing changed", [](Parametersatz&, Parametersatz&) {}, true, false, 0, 0, false, true},
    {"a set point",
     [](Parametersatz&, Parametersatz& d) { d.setModulWord(0, modulblock::kSollwert, quint16(d.modulWord(0, modulblock::kSollwert) - 50)); },
     true, true, 1, 0, false, false},
    {"the file's calibration differs, kept",
     [](Parametersatz&, Parametersatz& d) {
         d.setModulByte(0, modulblock::kKalibrierbyte, quint8(d.modulByte(0, modulblock::kKalibrierbyte) ^ 0x5A));
     },
     true, false, 0, 1, false, false},
    {"the file's calibration differs, overwritten",
     [](Parametersatz&, Parametersatz& d) {
         d.setModulByte(0, modulblock::kKalibrierbyte, quint8(d.modulByte(0, modulblock::kKalibrierbyte) ^ 0x5A));
     },
     false, true, 0, 1, false, false},
    {"set point and calibration, kept",
     [](Parametersatz&, Parametersatz& d) {
         d.setModulWord(0, modulblock::kSollwert, quint16(d.modulWord(0, modulblock::kSollwert) + 25));
         d.setModulByte(0, modulblock::kKalibrierbyte, quint8(d.modulByte(0, modulblock::kKalibrierbyte) + 1));
     },
     true, true, 1, 1, false, false},
    {"a new access code (masked) and a byte no page shows",
     [](Parametersatz&, Parametersatz& d) {
         d.setZugangscode({'4', '7', '1', '1'});
         d.setModulByte(0, modulblock::kObereSchaltschwelle, quint8(d.modulByte(0, modulblock::kObereSchaltschwelle) + 1));
     },
     false, false, 0, 0, true, false},
};

} // namespace

TEST_F(Serviceprotokoll, StatesTheTransferAndEveryChangedValueOfEachKindOfTransfer)
{
    for (const Fall& fall : kFaelle) {
        SCOPED_TRACE(fall.name);
        Parametersatz geraet = anlage();
        Parametersatz datei = geraet;
        fall.aendern(geraet, datei);
        const TransferRecord r = transfer(geraet, datei, fall.erhalten, fall.geprueft);
        const Ausgabe a = protokollZeilen(r);
        const QString text = alsText(a);

        // Who, where, when, what.
        ASSERT_FALSE(a.empty());
        EXPECT_EQ(a.front().art, Zeilenart::Titel);
        EXPECT_EQ(a.front().label, protokollTitel());
        for (const QString& muss : {QStringLiteral("COM3 (/dev/ttyUSB0)"), r.path, QStringLiteral("HV-0815"),
                                    QStringLiteral("Stadtwerke, Klärwerk 2"), QStringLiteral("Becken 3"), QStringLiteral("0x13"),
                                    r.time.toString(QStringLiteral("yyyy"))})
            EXPECT_TRUE(text.contains(muss)) << muss.toStdString() << "\n" << text.toStdString();
        EXPECT_TRUE(text.contains(GetStringsText(fall.erhalten ? 3693 : 3694)));
        EXPECT_TRUE(text.contains(GetStringsText(fall.geprueft ? 3697 : 3696)));
        EXPECT_EQ(a.back().art, Zeilenart::Unterschriften) << "it ends with the signature lines";
        EXPECT_EQ(a.back().spalten.size(), 2);
        EXPECT_FALSE(text.contains(QStringLiteral("4711"))) << "the access code never shows";

        // The changes, by group.
        EXPECT_EQ(text.contains(GetStringsText(3393)), fall.keineAenderungen);
        const Vergleich v = vergleiche(geraet, r.sent);
        EXPECT_EQ(v.gruppe(Unterschiedsgruppe::Feld).size(), fall.feldzeilen) << "the case changes what it says";
        EXPECT_EQ(text.contains(gruppenTitel(Unterschiedsgruppe::Byte)), fall.bytegruppe);
        if (fall.keineAenderungen) {
            EXPECT_TRUE(tabellenzeilen(a).empty());
            continue;
        }
        EXPECT_EQ(text.contains(kalibrierUeberschrift(fall.erhalten)), true);
        EXPECT_FALSE(text.contains(kalibrierUeberschrift(!fall.erhalten)));
        const auto zeilen = tabellenzeilen(a);
        EXPECT_EQ(zeilen.size(), fall.feldzeilen + fall.kalibrierzeilen + (fall.bytegruppe ? 2u : 0u))
            << text.toStdString(); // the code's bytes and the threshold: two rows of bytes
        for (const Ausgabezeile& z : zeilen)
            ASSERT_EQ(z.spalten.size(), 5) << "page, field, before, after, unit";
    }
}

TEST_F(Serviceprotokoll, KeptCalibrationValuesStayTheInstrumentsOverwrittenOnesShowTheFilesValue)
{
    Parametersatz geraet = anlage();
    Parametersatz datei = geraet;
    for (const Kalibrierfeld& f : kalibrierfelder(modultyp::kPH))
        datei.setModulByte(0, f.offset, quint8(geraet.modulByte(0, f.offset) + 3));
    const Vergleich dateiGegenGeraet = vergleiche(geraet, datei);
    const auto erwartet = dateiGegenGeraet.gruppe(Unterschiedsgruppe::Kalibrierung);
    ASSERT_FALSE(erwartet.empty());
    for (const bool erhalten : {true, false}) {
        SCOPED_TRACE(erhalten ? "kept" : "overwritten");
        const auto zeilen = tabellenzeilen(protokollZeilen(transfer(geraet, datei, erhalten, false)));
        ASSERT_EQ(zeilen.size(), erwartet.size());
        for (size_t i = 0; i < zeilen.size(); ++i) {
            EXPECT_EQ(zeilen[i].spalten[2], erwartet[i].wertA) << "before: the instrument's";
            EXPECT_EQ(zeilen[i].spalten[3], erhalten ? erwartet[i].wertA : erwartet[i].wertB);
        }
    }
}

// Random changes of the file's parameter part: every field the comparison of the instrument's
// set with the sent one finds is a row with its page (in its first row), label, both values and
// unit, in the comparison's order, and no other row of changed fields appears.
TEST_F(Serviceprotokoll, EveryChangedFieldOfTheComparisonIsARowInItsOrder)
{
    std::mt19937 zufall(28);
    for (int lauf = 0; lauf < 8; ++lauf) {
        SCOPED_TRACE(lauf);
        const Parametersatz geraet = anlage();
        Parametersatz datei = geraet;
        std::uniform_int_distribution<int> offset(layout::kParameterteil, layout::kGroesse - 1);
        const int anzahl = 1 + lauf % 6 * 3;
        for (int i = 0; i < anzahl; ++i)
            datei.setByte(offset(zufall), quint8(zufall()));
        const bool erhalten = lauf % 2 == 0;
        const TransferRecord r = transfer(geraet, datei, erhalten, false);
        const Ausgabe a = protokollZeilen(r);
        const auto felder = vergleiche(geraet, r.sent).gruppe(Unterschiedsgruppe::Feld);

        // The first table is the one of the changed fields (or the group's "keine").
        std::vector<Ausgabezeile> erste;
        size_t i = 0;
        while (i < a.size() && a[i].art != Zeilenart::Tabelle)
            ++i;
        for (; i < a.size() && a[i].art == Zeilenart::Tabelle; ++i) {
            if (!a[i].fett)
                erste.push_back(a[i]);
        }
        if (felder.empty())
            continue;
        ASSERT_EQ(erste.size(), felder.size()) << alsText(a).toStdString();
        QString seite;
        for (size_t k = 0; k < felder.size(); ++k) {
            const QStringList& s = erste[k].spalten;
            EXPECT_EQ(s[0], felder[k].seite == seite ? QString() : felder[k].seite);
            seite = felder[k].seite;
            EXPECT_TRUE(felder[k].beschriftung.startsWith(s[1])) << s[1].toStdString();
            EXPECT_FALSE(s[1].endsWith(QLatin1Char(':')));
            if (!felder[k].wertA.isEmpty()) {
                EXPECT_EQ(s[2], felder[k].wertA);
            }
            if (!felder[k].wertB.isEmpty()) {
                EXPECT_EQ(s[3], felder[k].wertB);
            }
            EXPECT_FALSE(s[2].isEmpty() || s[3].isEmpty()) << "a value a side does not show is named as missing";
            EXPECT_EQ(s[4], felder[k].einheit);
        }
    }
}

TEST_F(Serviceprotokoll, TheTextFileHoldsTheReportsLinesInTheExportsEncoding)
{
    Parametersatz geraet = anlage();
    Parametersatz datei = geraet;
    datei.setModulWord(0, modulblock::kSollwert, quint16(datei.modulWord(0, modulblock::kSollwert) + 10));
    const TransferRecord r = transfer(geraet, datei, true, true);
    QTemporaryDir dir;
    for (const char* name : {"bericht.txt", "BERICHT.TXT"}) {
        const QString pfad = dir.filePath(QLatin1String(name));
        QString fehler;
        ASSERT_TRUE(schreibeProtokoll(r, pfad, &fehler)) << fehler.toStdString();
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        EXPECT_TRUE(bytes.contains("\r\n"));
        EXPECT_TRUE(bytes.contains("Kl\xe4rwerk")) << "Windows-1252";
        QStringDecoder cp1252("Windows-1252");
        const QString gelesen = cp1252(bytes);
        QStringList erwartet;
        for (const Ausgabezeile& z : protokollZeilen(r))
            erwartet << exportZeile(z);
        EXPECT_EQ(gelesen.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts), erwartet.filter(QRegularExpression(QStringLiteral(".+"))));
    }
}

TEST_F(Serviceprotokoll, AReportNameIsCheckedBeforeTheTransferAndAPdfNeedsItsWriter)
{
    QTemporaryDir dir;
    const QString schreibgeschuetzt = dir.filePath(QStringLiteral("ro"));
    ASSERT_TRUE(QDir().mkdir(schreibgeschuetzt));
    QFile::setPermissions(schreibgeschuetzt, QFile::ReadOwner | QFile::ExeOwner);
    const bool rootSchreibtTrotzdem = QFileInfo(schreibgeschuetzt).isWritable();
    struct Name {
        QString pfad;
        Protokollart art;
        bool geht;
    };
    const Name namen[] = {
        {dir.filePath(QStringLiteral("a.pdf")), Protokollart::Pdf, true},
        {dir.filePath(QStringLiteral("a.PDF")), Protokollart::Pdf, true},
        {dir.filePath(QStringLiteral("a.txt")), Protokollart::Text, true},
        {dir.filePath(QStringLiteral("a.Txt")), Protokollart::Text, true},
        {dir.filePath(QStringLiteral("a.hxd")), Protokollart::Unbekannt, false},
        {dir.filePath(QStringLiteral("a")), Protokollart::Unbekannt, false},
        {dir.filePath(QStringLiteral("pdf")), Protokollart::Unbekannt, false},
        {dir.filePath(QStringLiteral("fehlt/a.txt")), Protokollart::Text, false},
        {schreibgeschuetzt + QStringLiteral("/a.txt"), Protokollart::Text, rootSchreibtTrotzdem},
    };
    for (const Name& n : namen) {
        SCOPED_TRACE(n.pfad.toStdString());
        EXPECT_EQ(protokollartVon(n.pfad), n.art);
        EXPECT_EQ(protokollpfadFehler(n.pfad).isEmpty(), n.geht);
        if (!n.geht) {
            EXPECT_TRUE(protokollpfadFehler(n.pfad).contains(n.pfad));
        }
    }

    // Without a writer of PDF pages (a program without the window library) nothing is written.
    const TransferRecord r = transfer(anlage(), anlage(), true, false);
    setzeProtokollPdfSchreiber({});
    QString fehler;
    EXPECT_FALSE(schreibeProtokoll(r, dir.filePath(QStringLiteral("b.pdf")), &fehler));
    EXPECT_FALSE(fehler.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("b.pdf"))));
    // The writer gets the report's lines, its title, and the file and time for the footer.
    Ausgabe bekommen;
    QString fuss;
    setzeProtokollPdfSchreiber([&](const Ausgabe& inhalt, const QString& titel, const QString& fusspfad, const QString&,
                                   const QString&, QString*) {
        bekommen = inhalt;
        fuss = fusspfad;
        return titel == protokollTitel();
    });
    EXPECT_TRUE(schreibeProtokoll(r, dir.filePath(QStringLiteral("b.pdf")), &fehler));
    EXPECT_EQ(bekommen, protokollZeilen(r));
    EXPECT_EQ(fuss, r.path);
    setzeProtokollPdfSchreiber({});
    QFile::setPermissions(schreibgeschuetzt, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// ---- Layout of long bodies -----------------------------------------------------------------

namespace {

// Fixed pitch: every character 20 units wide, lines 40 high; a bold character 22.
Druckmetrik festeSchrift(int hoehe = 2800)
{
    return {2000, hoehe, 40, [](const QString& text, bool fett, bool doppelt) {
                return int(text.size()) * (doppelt ? 40 : fett ? 22 : 20);
            }};
}

Druckraster raster()
{
    Druckraster r;
    r.links = 100;
    r.rechts = 100;
    r.einzug1 = 100;
    r.einzug2 = 200;
    r.einzug3 = 600;
    r.logoBreite = 450;
    return r;
}

QString wort(std::mt19937& zufall, int laengste)
{
    std::uniform_int_distribution<int> laenge(1, laengste);
    QString w;
    for (int i = laenge(zufall); i > 0; --i)
        w += QChar(u'a' + int(zufall() % 26));
    return w;
}

QString zelle(std::mt19937& zufall)
{
    QStringList woerter;
    for (int i = int(zufall() % 5); i >= 0; --i)
        woerter << wort(zufall, zufall() % 7 == 0 ? 90 : 12);
    return woerter.join(QLatin1Char(' '));
}

Ausgabe zufallsbericht(std::mt19937& zufall)
{
    Ausgabe a{zeilen::titel(QStringLiteral("Bericht"))};
    for (int gruppe = int(zufall() % 4); gruppe >= 0; --gruppe) {
        a.push_back(zeilen::leer());
        a.push_back(zeilen::ueberschrift(wort(zufall, 20)));
        Ausgabezeile kopf;
        kopf.art = Zeilenart::Tabelle;
        kopf.fett = true;
        kopf.spalten = {QStringLiteral("Seite"), QStringLiteral("Feld"), QStringLiteral("vorher"), QStringLiteral("nachher"), QStringLiteral("Einheit")};
        a.push_back(kopf);
        for (int z = int(zufall() % 50); z >= 0; --z) {
            Ausgabezeile zeile;
            zeile.art = Zeilenart::Tabelle;
            for (int s = 0; s < 5; ++s)
                zeile.spalten << zelle(zufall);
            a.push_back(zeile);
        }
    }
    Ausgabezeile unterschriften;
    unterschriften.art = Zeilenart::Unterschriften;
    unterschriften.spalten = {QStringLiteral("Techniker"), QStringLiteral("Kunde")};
    a.push_back(unterschriften);
    return a;
}

} // namespace

TEST(Berichtslayout, PagesFitLoseNothingAndAContinuedTableBeginsWithItsHeading)
{
    std::mt19937 zufall(2812);
    for (int lauf = 0; lauf < 40; ++lauf) {
        SCOPED_TRACE(lauf);
        const Druckmetrik m = festeSchrift(lauf % 2 ? 2800 : 1400);
        const Ausgabe inhalt = zufallsbericht(zufall);
        const std::vector<Ausgabe> seiten = seitenweise(inhalt, raster(), m);
        ASSERT_FALSE(seiten.empty());

        Ausgabe zusammen;
        for (size_t s = 0; s < seiten.size(); ++s) {
            const Ausgabe& seite = seiten[s];
            ASSERT_FALSE(seite.empty());
            // Each page's body ends above its footer, unless a single line is too long for any page.
            std::vector<Druckelement> elemente;
            const Kopfzeile kopf{int(s) + 1, int(seiten.size()), QStringLiteral("x.hxd"), QStringLiteral("heute"), 0.5};
            elemente = druckseite(seite, false, kopf, raster(), m);
            if (seite.size() > 1) {
                int unten = 0;
                for (const Druckelement& e : elemente) {
                    if (e.art == Druckelement::Art::Text && e.text != kopf.pfad && !e.text.contains(QStringLiteral("heute")))
                        unten = std::max(unten, e.rechteck.bottom());
                }
                EXPECT_LE(unten, m.hoehe - m.zeilenhoehe) << "page " << s + 1;
            }
            // A page that continues a table begins with its heading row (after a caption).
            if (s > 0 && seite.front().art == Zeilenart::Tabelle) {
                EXPECT_TRUE(seite.front().fett) << "page " << s + 1;
            }
            EXPECT_NE(seite.front().art, Zeilenart::Leer);
            EXPECT_FALSE(seite.back().art == Zeilenart::Ueberschrift && s + 1 < seiten.size()) << "a caption stays with its table";
            for (size_t i = 0; i < seite.size(); ++i) {
                // A repeated heading row at the top of a page is no line of the body.
                const bool wiederholt = s > 0 && seite[i].art == Zeilenart::Tabelle && seite[i].fett && !zusammen.empty()
                                        && zusammen.back().art == Zeilenart::Tabelle;
                if (!wiederholt)
                    zusammen.push_back(seite[i]);
            }
        }
        Ausgabe ohneLeer;
        for (const Ausgabezeile& z : inhalt) {
            if (z.art != Zeilenart::Leer)
                ohneLeer.push_back(z);
        }
        std::erase_if(zusammen, [](const Ausgabezeile& z) { return z.art == Zeilenart::Leer; });
        EXPECT_EQ(zusammen, ohneLeer) << "every line once, in its order";
    }
}

TEST(Berichtslayout, EveryCellStaysInsideItsColumnAndRowsNeverOverlap)
{
    std::mt19937 zufall(7);
    for (int lauf = 0; lauf < 60; ++lauf) {
        SCOPED_TRACE(lauf);
        const Druckmetrik m = festeSchrift();
        const int links = 200;
        const int rechts = 200 + 400 + int(zufall() % 1400);
        Ausgabe tabelle = zufallsbericht(zufall);
        std::erase_if(tabelle, [](const Ausgabezeile& z) { return z.art != Zeilenart::Tabelle; });
        tabelle.resize(std::min<size_t>(tabelle.size(), 12));
        std::vector<Druckelement> elemente;
        const int unten = drucktabelle::setzeTabelle(tabelle, links, rechts, 1000, m, elemente);

        const std::vector<int> breiten = drucktabelle::spaltenbreiten(tabelle, rechts - links, m);
        int summe = 0;
        for (const int b : breiten)
            summe += b;
        EXPECT_LE(summe + drucktabelle::kSpaltenabstand * int(breiten.size() - 1), rechts - links);
        QString alles;
        for (const Druckelement& e : elemente) {
            if (e.art != Druckelement::Art::Text)
                continue;
            EXPECT_GE(e.rechteck.left(), links);
            EXPECT_LE(e.rechteck.left() + m.textbreite(e.text, e.fett, false), std::max(rechts, e.rechteck.left() + 22))
                << e.text.toStdString();
            EXPECT_LE(m.textbreite(e.text, e.fett, false), std::max(e.rechteck.width(), 22)) << "inside its column";
            EXPECT_GE(e.rechteck.top(), 1000);
            EXPECT_LE(e.rechteck.bottom(), unten);
            alles += e.text;
        }
        // No text lost: the characters of every cell, in order.
        QString zellen;
        for (const Ausgabezeile& z : tabelle)
            zellen += z.spalten.join(QString());
        zellen.remove(QLatin1Char(' '));
        EXPECT_EQ(alles.remove(QLatin1Char(' ')).size(), zellen.size());
        // Two texts never share a place.
        for (size_t i = 0; i < elemente.size(); ++i) {
            for (size_t k = i + 1; k < elemente.size(); ++k) {
                if (elemente[i].art == Druckelement::Art::Text && elemente[k].art == Druckelement::Art::Text) {
                    EXPECT_FALSE(elemente[i].rechteck.intersects(elemente[k].rechteck))
                        << elemente[i].text.toStdString() << " / " << elemente[k].text.toStdString();
                }
            }
        }
    }
}
