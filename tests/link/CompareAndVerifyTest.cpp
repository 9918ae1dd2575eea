// Compare before writing (hvxcli diff) and verify after writing (transfer --verify, the setting),
// end to end against the simulated instrument, including the fault that stores a spoilt byte.
#include "CliDeviceFixture.h"

#include "app/cli/HvxCli.h"
#include "base/SettingsTable.h"
#include "document/HVXDoc.h"
#include "support/CliRun.h"
#include "support/TestApp.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <gtest/gtest.h>

using hvxtest::Commands;
using namespace hvx;

namespace {

constexpr int kPort = 6;
const QString kPortOption = QStringLiteral("--port=5");
constexpr quint8 kRead = 0x13;
constexpr quint8 kWrite = 0x14;

class CompareAndVerify : public hvxtest::CliDeviceTest<kPort> {
protected:
    QString save(const Parametersatz& image, const QString& name)
    {
        CHVXDoc doc;
        doc.parametersatz() = image;
        const QString path = testApp.filePath(name);
        EXPECT_TRUE(doc.DoSave(path));
        return path;
    }
    // The instrument's set with another set point on module 1's controller page.
    Parametersatz withOtherSetPoint() const
    {
        Parametersatz changed = sim.parameterSet();
        changed.setModulWord(0, modulblock::kSollwert, quint16(changed.modulWord(0, modulblock::kSollwert) + 5));
        return changed;
    }
    // The parameter part of a saved file, as a transfer sends it.
    static Parametersatz fileSet(const QString& path)
    {
        CHVXDoc doc;
        EXPECT_TRUE(doc.OnOpenDocument(path, {.byProgram = true, .checkAccess = false}));
        return doc.parametersatz();
    }
};

TEST_F(CompareAndVerify, DiffOfTwoFilesExitsZeroWhenEqualAndFiveWithTheTableWhenNot)
{
    const QString a = save(sim.parameterSet(), QStringLiteral("a.hxd"));
    const QString same = save(sim.parameterSet(), QStringLiteral("gleich.hxd"));
    const QString b = save(withOtherSetPoint(), QStringLiteral("b.hxd"));

    EXPECT_EQ(run({"diff", a, same}), 0) << m_err.toStdString();
    EXPECT_TRUE(m_out.contains(QStringLiteral("Keine Unterschiede.")));

    ASSERT_EQ(run({"diff", a, b}), cli::kExitDifferent) << m_err.toStdString();
    // Group title, column heads, the set point; then the thresholds derived from it, which no
    // page shows (saving recomputes them).
    const QStringList lines = m_out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 3) << m_out.toStdString();
    for (const QString& line : lines.mid(3))
        EXPECT_TRUE(line.startsWith(QLatin1Char('@')) || line.contains(QStringLiteral("Bytes ohne Seite")) || line.startsWith(QStringLiteral("Schlüssel")))
            << line.toStdString();
    EXPECT_TRUE(lines[0].contains(QStringLiteral("Felder der Seiten")));
    EXPECT_TRUE(lines[1].contains(a) && lines[1].contains(b));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("1.2."))) << lines[2].toStdString();
    EXPECT_TRUE(lines[2].contains(QStringLiteral("Sollwert"))) << lines[2].toStdString();

    ASSERT_EQ(run({"diff", "--json", a, b}), cli::kExitDifferent);
    const QJsonObject json = QJsonDocument::fromJson(m_out.toUtf8()).object();
    EXPECT_FALSE(json.value(QStringLiteral("equal")).toBool());
    const QJsonArray differences = json.value(QStringLiteral("differences")).toArray();
    ASSERT_GE(differences.size(), 1);
    EXPECT_EQ(differences[0].toObject().value(QStringLiteral("group")).toString(), QStringLiteral("field"));
    EXPECT_NE(differences[0].toObject().value(QStringLiteral("a")), differences[0].toObject().value(QStringLiteral("b")));
    for (qsizetype i = 1; i < differences.size(); ++i)
        EXPECT_EQ(differences[i].toObject().value(QStringLiteral("group")).toString(), QStringLiteral("bytes"));
}

TEST_F(CompareAndVerify, DiffUsageErrorsAndMissingFilesAreFailuresNotDifferences)
{
    const QString a = save(sim.parameterSet(), QStringLiteral("a.hxd"));
    EXPECT_EQ(run({"diff", a}), cli::kExitFailedWithoutCode);
    EXPECT_EQ(run({"diff", kPortOption, a, a}), cli::kExitFailedWithoutCode);
    EXPECT_EQ(run({"diff", a, testApp.filePath(QStringLiteral("fehlt.hxd"))}), cli::kExitFailedWithoutCode);
    EXPECT_FALSE(QFile::exists(testApp.filePath(QStringLiteral("fehlt.hxd")))) << "a look creates no file";
    EXPECT_TRUE(sim.received().isEmpty());

    ASSERT_EQ(run({"--help"}), 0);
    EXPECT_TRUE(m_out.contains(QStringLiteral("  diff ")));
    EXPECT_TRUE(m_out.contains(QStringLiteral("5 nach diff")));
    EXPECT_EQ(run({"diff", "--help"}), 0);
    EXPECT_TRUE(m_out.startsWith(QStringLiteral("Aufruf: hvxcli diff")));
    EXPECT_EQ(run({"transfer", "--help"}), 0);
    EXPECT_TRUE(m_out.contains(QStringLiteral("--verify")));
}

TEST_F(CompareAndVerify, DiffAgainstTheInstrumentReadsItAndWritesNothing)
{
    const QString same = save(sim.parameterSet(), QStringLiteral("gleich.hxd"));
    sim.clearReceived();
    ASSERT_EQ(run({"diff", kPortOption, same}), 0) << m_err.toStdString();
    EXPECT_EQ(sim.received(), Commands({0x10, 0x12, kRead, 0x11}));

    const QString other = save(withOtherSetPoint(), QStringLiteral("anders.hxd"));
    sim.clearReceived();
    ASSERT_EQ(run({"diff", kPortOption, other}), cli::kExitDifferent) << m_err.toStdString();
    EXPECT_TRUE(m_out.contains(QStringLiteral("Gerät\t") + other)) << "the instrument is side A, the file side B";
    EXPECT_EQ(sim.received(), Commands({0x10, 0x12, kRead, 0x11}));
    EXPECT_NE(sim.parameterSet().modulWord(0, modulblock::kSollwert), fileSet(other).modulWord(0, modulblock::kSollwert));

    testApp.app().WriteProfileString(QStringLiteral("Ports"), QStringLiteral("COM%1").arg(kPort), QStringLiteral("/dev/null/none"));
    const int status = run({"diff", kPortOption, other});
    EXPECT_NE(status, 0);
    EXPECT_NE(status, cli::kExitDifferent) << "a failure never reads as a difference";
}

TEST_F(CompareAndVerify, VerifiedTransferAgainstACorruptingInstrumentFailsWithItsOwnCode)
{
    const QString path = save(withOtherSetPoint(), QStringLiteral("anlage.hxd"));
    sim.fault(hvxsim::FaultKind::CorruptStore, kWrite);
    sim.clearReceived();

    EXPECT_EQ(run({"transfer", kPortOption, "--keep-calibration", "--verify", path}), 4);
    EXPECT_EQ(testApp.app().ErrorCode(), 0x84000008u);
    const QString shown = messages();
    EXPECT_TRUE(shown.contains(QStringLiteral("Die Kontrolle nach dem Übertragen ergab Abweichungen")));
    EXPECT_TRUE(shown.contains(QStringLiteral("Sollwert"))) << "the message names the field" << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("Parameter konnten nicht übertragen werden!")));
    EXPECT_FALSE(shown.contains(QStringLiteral("Parameter wurden erfolgreich übertragen.")));
    const QByteArray received = sim.received();
    EXPECT_EQ(received.count(char(kRead)) >= 2, true) << "the parameters were read back after the write";
    EXPECT_TRUE(received.endsWith(char(0x11)));
}

TEST_F(CompareAndVerify, WithoutVerificationTheSameFaultGoesUnnoticed)
{
    const QString path = save(withOtherSetPoint(), QStringLiteral("anlage.hxd"));
    sim.fault(hvxsim::FaultKind::CorruptStore, kWrite);
    ASSERT_EQ(run({"transfer", kPortOption, "--keep-calibration", path}), 0) << m_err.toStdString();
    EXPECT_EQ(testApp.app().ErrorCode(), 0u);
    EXPECT_TRUE(messages().contains(QStringLiteral("Parameter wurden erfolgreich übertragen.")));
    EXPECT_NE(sim.parameterSet().modulWord(0, modulblock::kSollwert), fileSet(path).modulWord(0, modulblock::kSollwert))
        << "the instrument holds a spoilt set point all the same";

    // The comparison shows what went wrong.
    EXPECT_EQ(run({"diff", kPortOption, path}), cli::kExitDifferent);
    EXPECT_TRUE(m_out.contains(QStringLiteral("Sollwert")));
}

TEST_F(CompareAndVerify, TheSettingVerifiesEveryTransferAndASoundOneCostsOneReadMore)
{
    const QString path = save(withOtherSetPoint(), QStringLiteral("anlage.hxd"));
    testApp.app().WriteProfileInt(QStringLiteral("Communication"), QStringLiteral("VerifyAfterWrite"), 1);
    sim.clearReceived();
    ASSERT_EQ(run({"transfer", kPortOption, "--keep-calibration", path}), 0) << m_err.toStdString();
    const QByteArray received = sim.received();
    EXPECT_EQ(received.left(4), Commands({0x10, 0x12, kRead, kWrite}));
    EXPECT_TRUE(received.endsWith(Commands({kRead, 0x11}))) << "one read after the write, then disconnect";
    EXPECT_EQ(sim.parameterSet().modulWord(0, modulblock::kSollwert), fileSet(path).modulWord(0, modulblock::kSollwert));

    // The fault now fails the transfer without --verify.
    sim.fault(hvxsim::FaultKind::CorruptStore, kWrite);
    EXPECT_EQ(run({"transfer", kPortOption, "--keep-calibration", path}), 4);
    EXPECT_EQ(testApp.app().ErrorCode(), 0x84000008u);
}

TEST_F(CompareAndVerify, ADefaultSettingDoesNotVerifyAndIsWrittenBack)
{
    EXPECT_EQ(testApp.app().GetIntSetting(settings::kVerifyAfterWrite), 0);
    const QString path = save(withOtherSetPoint(), QStringLiteral("anlage.hxd"));
    sim.clearReceived();
    ASSERT_EQ(run({"transfer", kPortOption, "--keep-calibration", path}), 0) << m_err.toStdString();
    EXPECT_FALSE(sim.received().endsWith(Commands({kRead, 0x11})));
    EXPECT_FALSE(testApp.app().m_bVerify) << "--verify holds for its own command only";
}

} // namespace
