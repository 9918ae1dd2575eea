// hvxcli get and set: the fields of the editing pages by key, end to end on files.
#include "app/cli/HvxCli.h"
#include "document/HVXDoc.h"
#include "editing/InputError.h"
#include "support/CliTest.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace hvx;

namespace {

class HvxCliFelder : public test::CliTest {
protected:
    QString neu(const QString& name, const QString& revision, const QString& module)
    {
        const QString path = m_app.filePath(name);
        EXPECT_EQ(run({"new", "--revision", revision, "--modules", module, path}), 0) << m_err.toStdString();
        return path;
    }

    Parametersatz parametersatz(const QString& path)
    {
        CHVXDoc doc;
        EXPECT_TRUE(doc.OnOpenDocument(path, {.byProgram = true, .checkAccess = false}));
        return doc.parametersatz();
    }

    // KEY=VALUE of every field line that get prints (the groups after the fields are no fields).
    QStringList allesAus(const QString& path)
    {
        EXPECT_EQ(run({"get", path}), 0) << m_err.toStdString();
        QStringList zuweisungen;
        for (const QString& zeile : m_out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            if (zeile.startsWith(QLatin1String("== ")))
                break;
            const QStringList teile = zeile.split(QLatin1Char('\t'));
            zuweisungen << teile[0] + QLatin1Char('=') + teile[2];
        }
        return zuweisungen;
    }
};

} // namespace

TEST_F(HvxCliFelder, GetListsTheShownFieldsWithLabelValueAndUnit)
{
    const QString path = neu(QStringLiteral("a.hxd"), QStringLiteral("0x13"), QStringLiteral("pH,Redox"));
    ASSERT_EQ(run({"get", path}), 0) << m_err.toStdString();
    EXPECT_TRUE(m_out.contains(QStringLiteral("1.2.1050\tSignalgerät Sollwert:\t7.00\tpH\n")));
    EXPECT_TRUE(m_out.contains(QStringLiteral("2.1.1100\tMessbereich:\t0 bis 1000 mV\n")));
    EXPECT_FALSE(m_out.contains(QStringLiteral("1.1.1127"))) << "the maximum deviation is hidden without multiple pH";
    EXPECT_FALSE(m_out.contains(QStringLiteral("1.2.1086"))) << "chlorine-family fields are hidden";

    ASSERT_EQ(run({"get", path, "1.2.1054", "--json"}), 0);
    const QJsonArray felder = QJsonDocument::fromJson(m_out.toUtf8()).array();
    ASSERT_EQ(felder.size(), 1);
    const QJsonObject lw = felder[0].toObject();
    EXPECT_EQ(lw[QStringLiteral("key")].toString(), QStringLiteral("1.2.1054"));
    EXPECT_EQ(lw[QStringLiteral("page")].toString(), QStringLiteral("Reglerparameter Signalgerät"));
    EXPECT_EQ(lw[QStringLiteral("unit")].toString(), QStringLiteral("pH"));
    EXPECT_FALSE(lw.contains(QStringLiteral("choices")));
    ASSERT_EQ(run({"get", path, "1.1.1120", "--json"}), 0);
    EXPECT_EQ(QJsonDocument::fromJson(m_out.toUtf8()).array()[0].toObject()[QStringLiteral("choices")].toArray().size(), 3);

    EXPECT_EQ(run({"get", path, "1.1.1127"}), cli::kExitFailedWithoutCode);
    EXPECT_TRUE(m_err.contains(QStringLiteral("1.1.1127")));
}

TEST_F(HvxCliFelder, SetStoresEntriesWithTheirDerivedValuesAndBacksUp)
{
    const QString path = neu(QStringLiteral("a.hxd"), QStringLiteral("0x13"), QStringLiteral("pH,Redox"));
    const QByteArray vorher = bytesOf(path);
    ASSERT_EQ(run({"set", path, "1.1.1120=0 bis 14 pH", "1.2.1050=6.50", "1.2.1054=-0.50", "1.2.1051=5.0"}), 0)
        << m_err.toStdString();
    EXPECT_EQ(bytesOf(m_app.filePath(QStringLiteral("a.000"))), vorher);
    const Parametersatz ps = parametersatz(path);
    EXPECT_EQ(ps.modulWord(0, modulblock::kSollwert), 650);
    EXPECT_EQ(ps.modulWord(0, modulblock::kSchaltpunktabstandLW), 50);
    EXPECT_EQ(ps.modulByte(0, modulblock::kVorzeichenLW), 0);
    EXPECT_EQ(ps.modulWord(0, modulblock::kSchaltdifferenzXSD), 50);
    EXPECT_NE(ps.modulWord(0, modulblock::kObereSchaltschwelle), 0);
    ASSERT_EQ(run({"get", path, "1.2.1054"}), 0);
    EXPECT_EQ(m_out, QStringLiteral("1.2.1054\tSignalgerät Schaltpunktabstand (LW):\t-0.50\tpH\n"));
}

TEST_F(HvxCliFelder, ARefusedValueLeavesTheFileByteIdenticalWithoutBackup)
{
    const QString path = neu(QStringLiteral("b.hxd"), QStringLiteral("0x13"), QStringLiteral("pH"));
    const QByteArray vorher = bytesOf(path);
    EXPECT_EQ(run({"set", path, "1.2.1050=6.50", "1.2.1050=15"}), cli::kExitFailedWithoutCode);
    EXPECT_TRUE(m_err.contains(QStringLiteral("Die eingegebene Zahl muß zwischen 0.00 und 14.00 liegen.")))
        << m_err.toStdString();
    EXPECT_EQ(bytesOf(path), vorher);
    EXPECT_FALSE(QFile::exists(m_app.filePath(QStringLiteral("b.000"))));

    EXPECT_EQ(run({"set", path, "9.9.1050=1"}), cli::kExitFailedWithoutCode);
    EXPECT_EQ(run({"set", path, "1.1.1120=0 bis 99 pH"}), cli::kExitFailedWithoutCode);
    EXPECT_EQ(run({"set", path, "1.0.1037=100"}), cli::kExitFailedWithoutCode) << "disabled while \"aus\" is checked";
    EXPECT_EQ(run({"set", path, "1.2.1050"}), cli::kExitFailedWithoutCode);
    EXPECT_EQ(bytesOf(path), vorher);
}

// What get prints for a configuration, set on a fresh copy, gives the same parameter set.
TEST_F(HvxCliFelder, GetThenSetReproducesTheParameterSetOnSeveralConfigurations)
{
    struct Fall {
        const char* revision;
        const char* module;
        QStringList aenderungen;
    };
    const Fall faelle[] = {
        {"0x13", "pH,Redox", {"1.1.1120=3 bis 8 pH", "1.2.1050=6.10", "1.2.1054=-0.20", "2.2.1050=650", "0.0.1015=12"}},
        {"0x23", "pH,Timer", {"2.0.1191#3=45", "2.0.1190#3=07:30", "2.0.1569#3=0", "2.0.1564#3=4", "2.0.1199#3=1"}},
        {"0x43", "Peressigsäure,LF induktiv,Temperatur",
         {"1.2.1086=0", "1.2.1087=12", "1.2.1090=Modul 2", "2.1.1150=0 bis 20 mS", "2.2.1050=12.34", "3.0.1033=Fahrenheit",
          "3.2.1050=77.0"}},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.module);
        // The pH range change tells about the adjusted controller values, once per file.
        m_app.ui().allowUnusedAnswers();
        m_app.ui().answerMessageBox(IDOK).answerMessageBox(IDOK);
        const QString a = neu(QStringLiteral("a.hxd"), QLatin1String(fall.revision), QString::fromUtf8(fall.module));
        QFile::remove(m_app.filePath(QStringLiteral("b.hxd")));
        ASSERT_TRUE(QFile::copy(a, m_app.filePath(QStringLiteral("b.hxd"))));
        const QString b = m_app.filePath(QStringLiteral("b.hxd"));
        ASSERT_EQ(run(QStringList{"set", a} + fall.aenderungen), 0) << m_err.toStdString();
        const QStringList alles = allesAus(a);
        ASSERT_EQ(run(QStringList{"set", b} + alles), 0) << m_err.toStdString();
        EXPECT_EQ(parametersatz(b), parametersatz(a));

        const QByteArray datei = bytesOf(a);
        ASSERT_EQ(run(QStringList{"set", a} + alles), 0) << m_err.toStdString();
        EXPECT_EQ(bytesOf(a), datei) << "setting what get printed changes nothing";
        QFile::remove(a);
        m_app.ui().clear();
    }
}

TEST_F(HvxCliFelder, AnAccessCodeInForceThatNobodyCouldEnterIsRefused)
{
    const QString path = neu(QStringLiteral("code.hxd"), QStringLiteral("0x13"), QStringLiteral("pH"));
    const QByteArray vorher = bytesOf(path);
    for (const QStringList& werte : {QStringList{"0.0.1011=1", "0.0.1012="}, QStringList{"0.0.1011=1", "0.0.1012=47"}}) {
        EXPECT_EQ(run(QStringList{"set", path} + werte), cli::kExitFailedWithoutCode) << werte.join(' ').toStdString();
        EXPECT_TRUE(m_err.contains(QStringLiteral("genau 4 Ziffern oder Großbuchstaben"))) << m_err.toStdString();
        EXPECT_EQ(bytesOf(path), vorher);
        inputError().clear(); // each run of the program begins without one
    }
    ASSERT_EQ(run({"set", path, "0.0.1011=1", "0.0.1012=4711"}), 0) << m_err.toStdString();
    EXPECT_EQ(parametersatz(path).zugangscodeAktiv(), 1);
}

TEST_F(HvxCliFelder, ProtectedFileIsReadOnlyWithoutTheAccessCode)
{
    const QString path = m_app.filePath(QStringLiteral("c.hxd"));
    {
        CHVXDoc doc;
        doc.OnNewDocument(NeueKonfiguration{0x13, {{{1, 3}, {}, {}}}});
        doc.parametersatz().setZugangscodeAktiv(1);
        ASSERT_TRUE(doc.DoSave(path));
    }
    ASSERT_EQ(run({"get", path, "0.0.1012"}), 0) << "a look needs no code";
    EXPECT_EQ(m_out, QStringLiteral("0.0.1012\tZugangscode Zugangscode:\t**********\n"));
    ASSERT_EQ(run({"set", path, "1.2.1050=6.50", "--access-code", "9157"}), 0) << m_err.toStdString();
    EXPECT_EQ(parametersatz(path).modulWord(0, modulblock::kSollwert), 650);

    const QByteArray vorher = bytesOf(path);
    m_app.ui().answerAccessCode(std::nullopt).answerMessageBox(IDYES, QStringLiteral("Zugangscode ist falsch"));
    EXPECT_EQ(run({"set", path, "1.2.1050=6.70"}), 4);
    EXPECT_EQ(bytesOf(path), vorher);
}
