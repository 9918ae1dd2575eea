// hvxcli get FILE as the text view of a whole configuration file (what git diffs show): every
// change of the parameter set or the texts changes the view, a save alone does not, and the
// access code never appears in it.
#include "document/ConfigFileLayout.h"
#include "model/Kalibrierung.h"
#include "model/Parametersatz.h"
#include "support/CliTest.h"

#include <QFile>
#include <gtest/gtest.h>

#include <random>

using namespace hvx;

namespace {

class HvxCliTextView : public test::CliTest {
protected:
    QString neu(const char* revision, const char* module)
    {
        const QString path = file(QStringLiteral("anlage.hxd"));
        QFile::remove(path);
        EXPECT_EQ(run({"new", "--revision", revision, "--modules", QString::fromUtf8(module), path}), 0) << m_err.toStdString();
        return path;
    }

    QString ansicht(const QString& path)
    {
        EXPECT_EQ(run({"get", path}), 0) << m_err.toStdString();
        return m_out;
    }

    // Writes bytes into the file as another program would, at their place in the file.
    static void schreibe(const QString& path, qint64 dateiOffset, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.seek(dateiOffset));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    static qint64 dateiOffset(int bildOffset)
    {
        for (const configfile::ParameterSegment& s : configfile::kParameterSegments) {
            if (size_t(bildOffset) >= s.imageOffset && size_t(bildOffset) < s.imageOffset + s.size)
                return s.fileOffset + (bildOffset - qint64(s.imageOffset));
        }
        return -1;
    }

    static quint8 bildByte(const QString& path, int bildOffset)
    {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        f.seek(dateiOffset(bildOffset));
        return quint8(f.read(1).at(0));
    }
};

// The groups after the fields: general information, modules, and the byte groups only where a
// byte differs from what the shown values make of the factory set.
QStringList gruppen(const QString& ansicht)
{
    QStringList titel;
    for (const QString& zeile : ansicht.split(QLatin1Char('\n'))) {
        if (zeile.startsWith(QLatin1String("== ")))
            titel << zeile;
    }
    return titel;
}

} // namespace

// A file saved through the pages holds nothing they do not account for, on variants with all
// kinds of pages: its view is the fields, the texts and the modules.
TEST_F(HvxCliTextView, AFileSavedThroughThePagesShowsFieldsTextsAndModulesButNoBytes)
{
    const struct {
        const char* revision;
        const char* module;
        const char* modulZeile;
    } faelle[] = {
        {"0x13", "pH,LF konduktiv,Redox", "Modul 2:\tLF konduktiv, Signalgerät\n"},
        {"0x23", "pH,Timer", "Modul 2:\tTimer\nModul 3:\tKein\n"},
        {"0x43", "Peressigsäure,LF induktiv,Temperatur", "Modul 1:\tPeressigsäure, Signalgerät\n"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.module);
        const QString path = neu(fall.revision, fall.module);
        ASSERT_EQ(run({"set", path, "0.0.1015=7"}), 0) << m_err.toStdString();
        const QString text = ansicht(path);
        EXPECT_EQ(gruppen(text), (QStringList{"== Allgemeine Angaben ==", "== Modulbestückung =="}));
        EXPECT_TRUE(text.contains(QString::fromUtf8(fall.modulZeile))) << text.toStdString();
        EXPECT_TRUE(text.startsWith(QLatin1String("0.0.1010\tDialogsprache:\t")));
    }
}

// Every byte of the parameter set, wherever it lies, shows in the view when it changes: fields,
// calibration data, derived and reserved bytes. Only the access code stays hidden.
TEST_F(HvxCliTextView, EveryChangedByteChangesTheView)
{
    const QString path = neu("0x13", "pH,LF konduktiv,Redox");
    const QByteArray original = bytesOf(path);
    const QString vorher = ansicht(path);
    const int kalibrierung = layout::kModulblock + layout::kModulblockGroesse + kalibrierfelder(modultyp::kLfKonduktiv)[0].offset;
    struct Fall {
        const char* wo;
        int offset;
    };
    std::vector<Fall> faelle = {
        {"reserved after byte 0", layout::kReserviertNachKennung},
        {"configuration bytes", layout::kKonfigurationsbytes + 3},
        {"set point of module 1", layout::kModulblock + modulblock::kSollwert + 1},
        {"hidden byte of module 1", layout::kModulblock + 35},
        {"calibration of module 2", kalibrierung},
        {"controller block 3", layout::kReglerblock + 2 * layout::kReglerblockGroesse + 5},
        {"adaptive block 2", layout::kAdaptivblock + layout::kAdaptivblockGroesse + 1},
        {"reserved after the adaptive blocks", layout::kReserviertNachAdaptiv},
        {"module supplement 3", layout::kModulzusatz + 2 * layout::kModulzusatzGroesse + 2},
        {"alarm block", layout::kAlarmblock + 9},
        {"product name", layout::kProduktname + 4},
        {"reserved at the end", layout::kReserviertEnde + 15},
    };
    // And a seeded sample of all the others (byte 0 decides whether the file opens at all).
    std::mt19937 zufall(28);
    std::uniform_int_distribution<int> irgendwo(1, layout::kGroesse - 1);
    while (faelle.size() < 16) {
        const int offset = irgendwo(zufall);
        if (offset < layout::kZugangscode || offset >= layout::kZugangscode + layout::kZugangscodeGroesse)
            faelle.push_back({"seeded", offset});
    }
    std::uniform_int_distribution<int> wert(1, 255);
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(testing::Message() << fall.wo << ", byte " << fall.offset);
        const quint8 neuerWert = quint8(bildByte(path, fall.offset) ^ wert(zufall));
        schreibe(path, dateiOffset(fall.offset), QByteArray(1, char(neuerWert)));
        const QString nachher = ansicht(path);
        EXPECT_NE(nachher, vorher);
        schreibe(path, 0, original);
    }
}

// The view of the texts, the stamps and the access code: a text change shows with its line
// breaks as set-info takes them; stamps (a save, a transfer) change nothing; no code shows.
TEST_F(HvxCliTextView, TextsShowStampsDoNotAndTheAccessCodeNever)
{
    const QString path = neu("0x13", "pH");
    ASSERT_EQ(run({"set-info", path, "--customer", "Stadtwerke\\nKlärwerk 2", "--serial", "HV-0815"}), 0);
    const QString vorher = ansicht(path);
    EXPECT_TRUE(vorher.contains(QStringLiteral("Kunde:\tStadtwerke\\nKlärwerk 2\n"))) << vorher.toStdString();
    EXPECT_TRUE(vorher.contains(QStringLiteral("Seriennummer:\tHV-0815\n")));

    for (int slot = 0; slot < configfile::kStampSlotCount; ++slot)
        schreibe(path, configfile::kStampOffset + slot * configfile::kStampSlotSize, "199901020304");
    EXPECT_EQ(ansicht(path), vorher) << "no time of day in the view";

    ASSERT_EQ(run({"set", path, "0.0.1011=1", "0.0.1012=4711"}), 0) << m_err.toStdString();
    const QString geschuetzt = ansicht(path);
    EXPECT_NE(geschuetzt, vorher);
    schreibe(path, dateiOffset(layout::kZugangscode), "2468");
    EXPECT_EQ(ansicht(path), geschuetzt) << "a code in force is never shown, not even as bytes";
    EXPECT_FALSE(geschuetzt.contains(QLatin1String("4711")));
    EXPECT_FALSE(m_out.contains(QLatin1String("2468")));
}
