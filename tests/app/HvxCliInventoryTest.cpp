// hvxcli inventory: one row per configuration file of a plant archive, as a table, CSV and JSON;
// an unreadable file gets its cause and the others are listed all the same.
#include "document/ConfigFileLayout.h"
#include "document/HVXDoc.h"
#include "support/CliTest.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace hvx;

namespace {

class HvxCliInventory : public test::CliTest {
protected:
    HvxCliInventory()
    {
        QDir(m_app.dir()).mkpath(QStringLiteral("archiv/stadtwerke"));
        // A plant with all its texts, an access code in force and a transfer stamp.
        const QString kunde = archiv(QStringLiteral("anlage1.hxd"));
        EXPECT_EQ(run({"new", "--revision", "0x13", "--modules", "pH,LF konduktiv", kunde}), 0);
        EXPECT_EQ(run({"set-info", kunde, "--serial", "HV-0815", "--customer", "Stadtwerke Nord\\nKlärwerk 2", "--site",
                       "Becken 1", "--remark", "Sonde neu\\nbitte prüfen"}),
                  0);
        EXPECT_EQ(run({"set", kunde, "0.0.1011=1", "0.0.1012=4711"}), 0) << m_err.toStdString();
        schreibe(kunde, configfile::kStampOffset + 2 * configfile::kStampSlotSize, "202403010905");
        // Another one in a sub folder, its name in capitals.
        EXPECT_EQ(run({"new", "--revision", "0x23", "--modules", "pH,Timer", archiv(QStringLiteral("stadtwerke/ANLAGE2.HXD"))}), 0);
        // Files that are no configuration of this program, and files that are none at all.
        schreibe(archiv(QStringLiteral("notiz.hxd")), 0, "Zugangsdaten siehe Ordner");
        QFile::copy(kunde, archiv(QStringLiteral("kurz.hxd")));
        QFile(archiv(QStringLiteral("kurz.hxd"))).resize(700);
        QFile::copy(kunde, archiv(QStringLiteral("zukunft.hxd")));
        schreibe(archiv(QStringLiteral("zukunft.hxd")), configfile::kParameterSegments[0].fileOffset, QByteArray(1, char(0x17)));
        schreibe(archiv(QStringLiteral("anlage1.000")), 0, "Sicherung");
    }

    QString ordner() const { return m_app.filePath(QStringLiteral("archiv")); }
    QString archiv(const QString& name) const { return m_app.filePath(QStringLiteral("archiv/") + name); }

    static void schreibe(const QString& path, qint64 offset, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.seek(offset));
        f.write(bytes);
    }

    QStringList zeilen() const { return m_out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

// path -> expected cause (empty: the file is listed with its values)
struct Datei {
    const char* name;
    const char* ursache;
};
constexpr Datei kFlach[] = {
    {"anlage1.hxd", ""},
    {"kurz.hxd", "nur 700 Bytes"},
    {"notiz.hxd", "keine Konfigurationsdatei"},
    {"zukunft.hxd", "Parametersatz paßt nicht zur Version von HVX"},
};

} // namespace

// (An hvxcli process starts without an error code; these runs share one application object, so
// the runs that succeed come first.)
TEST_F(HvxCliInventory, TableListsEveryFileWithItsValuesOrItsCauseAndEndsWithTheFileArea)
{
    EXPECT_EQ(run({"inventory", archiv(QStringLiteral("stadtwerke"))}), 0) << m_err.toStdString();
    EXPECT_TRUE(m_out.contains(QLatin1String("Timer")));

    EXPECT_EQ(run({"inventory", ordner()}), 1);
    EXPECT_TRUE(m_err.contains(QLatin1String("4 Konfigurationsdateien, davon 3 nicht lesbar."))) << m_err.toStdString();
    EXPECT_EQ(m_app.app().ErrorCode() & 0xFFFFF000u, 0x81000000u);
    const QStringList z = zeilen();
    ASSERT_EQ(z.size(), 1 + std::size(kFlach)) << m_out.toStdString();
    EXPECT_TRUE(z[0].startsWith(QLatin1String("Datei ")));
    EXPECT_TRUE(z[0].contains(QStringLiteral("  Übertragen ")));
    EXPECT_TRUE(z[0].endsWith(QLatin1String("  Zugangscode")));
    for (size_t i = 0; i < std::size(kFlach); ++i) {
        SCOPED_TRACE(kFlach[i].name);
        const QString& zeile = z[qsizetype(i + 1)];
        EXPECT_TRUE(zeile.startsWith(archiv(QLatin1String(kFlach[i].name)))) << zeile.toStdString();
        if (*kFlach[i].ursache) {
            EXPECT_TRUE(zeile.contains(QLatin1String("Fehler: ")) && zeile.contains(QString::fromUtf8(kFlach[i].ursache)))
                << zeile.toStdString();
        }
    }
    // The columns of a plant: texts on one line, the remark's first line, modules with their
    // controller kinds, the stamps, the code's state and never the code.
    for (const char* wert : {"HV-0815", "Stadtwerke Nord / Klärwerk 2", "Becken 1", "Sonde neu  ", "Revision K 54 (0x13)",
                             "pH, Signalgerät", "LF konduktiv, Signalgerät", "2024-03-01 09:05", "aktiv"})
        EXPECT_TRUE(z[1].contains(QString::fromUtf8(wert))) << wert << " in " << z[1].toStdString();
    EXPECT_FALSE(m_out.contains(QLatin1String("4711")));
    EXPECT_FALSE(m_out.contains(QStringLiteral("prüfen"))) << "only the remark's first line";

    EXPECT_EQ(run({"inventory", archiv(QStringLiteral("fehlt"))}), 1);
    EXPECT_TRUE(m_out.contains(QLatin1String("Fehler: Den Ordner oder die Datei")));
}

TEST_F(HvxCliInventory, CsvAndJsonCarryTheSameRowsForPrograms)
{
    EXPECT_EQ(run({"inventory", "--csv", "--json", ordner()}), 3);
    EXPECT_EQ(run({"inventory"}), 3);
    ASSERT_EQ(run({"inventory", "--recursive", "--csv", ordner()}), 1);
    const QStringList csv = zeilen();
    ASSERT_EQ(csv.size(), 1 + std::size(kFlach) + 1) << m_out.toStdString();
    EXPECT_EQ(csv[0], QStringLiteral("path,serial,customer,site,remark,revision,module1,module2,module3,created,transferred,accessCode,error"));
    EXPECT_TRUE(csv[1].contains(QStringLiteral(",HV-0815,Stadtwerke Nord / Klärwerk 2,Becken 1,Sonde neu,Revision K 54 (0x13),"
                                               "\"pH, Signalgerät\",\"LF konduktiv, Signalgerät\",Kein,")))
        << csv[1].toStdString();
    EXPECT_TRUE(csv[1].endsWith(QLatin1String(",2024-03-01 09:05,yes,")));
    EXPECT_TRUE(csv[4].startsWith(archiv(QStringLiteral("stadtwerke/ANLAGE2.HXD")))) << "sub folders with --recursive";
    EXPECT_TRUE(csv[2].endsWith(QStringLiteral(",,,,,,,,,,,,\"Die Datei hat nur 700 Bytes, zu wenige für eine Konfigurationsdatei (1280 Bytes).\"")))
        << csv[2].toStdString();

    ASSERT_EQ(run({"inventory", "--recursive", "--json", ordner()}), 1);
    const QJsonArray json = QJsonDocument::fromJson(m_out.toUtf8()).array();
    ASSERT_EQ(json.size(), csv.size() - 1);
    const QJsonObject anlage = json[0].toObject();
    EXPECT_EQ(anlage[QStringLiteral("customer")].toString(), QStringLiteral("Stadtwerke Nord\nKlärwerk 2"));
    EXPECT_EQ(anlage[QStringLiteral("accessCodeActive")].toBool(), true);
    EXPECT_EQ(anlage[QStringLiteral("transferred")].toString(), QStringLiteral("2024-03-01 09:05"));
    const QJsonObject modul2 = anlage[QStringLiteral("modules")].toArray()[1].toObject();
    EXPECT_EQ(modul2[QStringLiteral("module")].toString(), QStringLiteral("LF konduktiv"));
    EXPECT_EQ(modul2[QStringLiteral("controller")].toString(), QStringLiteral("Signalgerät"));
    EXPECT_TRUE(anlage[QStringLiteral("modules")].toArray()[2].toObject()[QStringLiteral("controller")].isNull());
    for (qsizetype i = 1; i < json.size(); ++i) {
        const QJsonObject o = json[i].toObject();
        EXPECT_EQ(o.contains(QStringLiteral("error")), !csv[i + 1].endsWith(QLatin1Char(','))) << csv[i + 1].toStdString();
    }
    EXPECT_FALSE(m_out.contains(QLatin1String("4711")));
}
