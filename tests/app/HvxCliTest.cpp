// hvxcli: each command end to end on the application object, with exit status and output.
#include "app/cli/HvxCli.h"
#include "document/HVXDoc.h"
#include "support/CliTest.h"
#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace hvx;
using hvx::test::TestApp;

namespace {

class HvxCli : public test::CliTest {};

} // namespace

TEST_F(HvxCli, NewMakesWhatTheNewCommandMakes)
{
    const QString path = file(QStringLiteral("a.hxd"));
    ASSERT_EQ(run({"new", "--revision", "Revision K 54", "--modules", "pH,LF konduktiv", path}), 0) << m_err.toStdString();
    EXPECT_TRUE(m_out.contains(QStringLiteral("Revision K 54")));

    CHVXDoc expected;
    expected.OnNewDocument(NeueKonfiguration{0x13, {{{1, 3}, {5, 3}, {0, 0}}}});
    CHVXDoc saved;
    ASSERT_TRUE(saved.OnOpenDocument(path));
    EXPECT_EQ(saved.parametersatz(), expected.parametersatz());
}

TEST_F(HvxCli, NewAcceptsRevisionValuesAndTypeCodes)
{
    ASSERT_EQ(run({"new", "--revision=0x21", "--modules=1,0x0D,2", file(QStringLiteral("l.hxd"))}), 0) << m_err.toStdString();
    CHVXDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(file(QStringLiteral("l.hxd"))));
    EXPECT_EQ(doc.parametersatz().geraetekennung(), 0x21);
    EXPECT_EQ(doc.parametersatz().modultyp(1), modultyp::kFreigabeOderTimer);
    EXPECT_EQ(doc.parametersatz().reglertyp(1), reglertyp::kTimer);
    EXPECT_EQ(doc.moduleCount(), 3);
}

TEST_F(HvxCli, NewRefusesWhatTheDialogRefuses)
{
    const QString path = file(QStringLiteral("x.hxd"));
    const QList<QStringList> refused = {
        {"--revision", "L 22", "--modules", "Timer"},
        {"--revision", "K 54", "--modules", "Freigabe"},
        {"--revision", "K 54", "--modules", "pH,Freigabe,Redox"},
        {"--revision", "K 54", "--modules", "pH,Kein,Redox"},
        {"--revision", "K 54", "--modules", "pH,Absalz induktiv"},
        {"--revision", "K 55", "--modules", "pH"},
        {"--revision", "K 54", "--modules", "pH,pH,pH,pH"},
        {"--revision", "K 54"},
    };
    for (QStringList arguments : refused) {
        arguments.prepend(QStringLiteral("new"));
        arguments.append(path);
        EXPECT_EQ(run(arguments), cli::kExitFailedWithoutCode) << arguments.join(' ').toStdString();
        EXPECT_FALSE(m_err.isEmpty()) << arguments.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(path)) << arguments.join(' ').toStdString();
    }
    EXPECT_EQ(m_app.app().ErrorCode(), 0u);
}

TEST_F(HvxCli, NewKeepsAnExistingFileUnlessToldAndThenBacksItUp)
{
    const QString path = file(QStringLiteral("Anlage.hxd"));
    ASSERT_EQ(run({"new", "--revision", "K 54", "--modules", "pH", path}), 0);
    const QByteArray first = bytesOf(path);
    EXPECT_EQ(run({"new", "--revision", "M 23", "--modules", "Chlordioxid", path}), cli::kExitFailedWithoutCode);
    EXPECT_EQ(bytesOf(path), first);

    ASSERT_EQ(run({"new", "--revision", "M 23", "--modules", "Chlordioxid", "--overwrite", path}), 0);
    EXPECT_EQ(bytesOf(file(QStringLiteral("Anlage.000"))), first);
    EXPECT_EQ(quint8(bytesOf(path)[720]), 0x32);
}

TEST_F(HvxCli, InfoShowsRevisionModulesStampsAndTexts)
{
    const QString path = file(QStringLiteral("a.hxd"));
    ASSERT_EQ(run({"new", "--revision", "0x13", "--modules", "pH,Redox", path}), 0);
    ASSERT_EQ(run({"set-info", path, "--serial", "SN 42", "--customer", "Stadtwerke\\nHalle 3"}), 0) << m_err.toStdString();
    ASSERT_EQ(run({"info", path}), 0) << m_err.toStdString();
    EXPECT_TRUE(m_out.contains(QRegularExpression(QStringLiteral("Revision:\\s+Revision K 54 \\(0x13\\)"))));
    EXPECT_TRUE(m_out.contains(QRegularExpression(QStringLiteral("Modul 1:\\s+pH, Signalgerät"))));
    EXPECT_TRUE(m_out.contains(QRegularExpression(QStringLiteral("Modul 2:\\s+Redox, Signalgerät"))));
    EXPECT_TRUE(m_out.contains(QRegularExpression(QStringLiteral("Modul 3:\\s+Kein\n"))));
    EXPECT_TRUE(m_out.contains(QRegularExpression(QStringLiteral("Erstellt:\\s+\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d"))));
    EXPECT_TRUE(m_out.contains(QRegularExpression(QStringLiteral("Übertragen:\\s+nie"))));
    EXPECT_TRUE(m_out.contains(QRegularExpression(QStringLiteral("Seriennummer:\\s+SN 42"))));
    EXPECT_TRUE(m_out.contains(QRegularExpression(QStringLiteral("Kunde:\\s+Stadtwerke\n\\s+Halle 3\n"))));
}

TEST_F(HvxCli, DumpShowsAllBytesSixteenPerLine)
{
    const QString path = file(QStringLiteral("a.hxd"));
    ASSERT_EQ(run({"new", "--revision", "0x13", "--modules", "pH", path}), 0);
    ASSERT_EQ(run({"dump", path}), 0);
    const QStringList lines = m_out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 35); // 558 = 34 * 16 + 14
    EXPECT_TRUE(lines.first().startsWith(QStringLiteral("  0: 13 00 01 03 ")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral(" 16: ")));
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("544: ")));
    EXPECT_EQ(lines.last().mid(5, 14 * 3).count(QRegularExpression(QStringLiteral("[0-9A-F]{2} "))), 14);
}

TEST_F(HvxCli, WrongMagicExitsWithConfigFileArea)
{
    const QString path = file(QStringLiteral("fremd.hxd"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(1280, 'x'));
    f.close();
    m_app.ui().answerMessageBox(IDOK, QStringLiteral("keine Konfigurationsdatei"));
    EXPECT_EQ(run({"info", path}), 1);
    EXPECT_EQ(m_app.app().ErrorCode(), 0x81000200u);
}

TEST_F(HvxCli, FileErrorsNameTheirCause)
{
    const QString path = file(QStringLiteral("kurz.hxd"));
    ASSERT_EQ(run({"new", "--revision", "0x13", "--modules", "pH", path}), 0);
    QFile::resize(path, 1000);
    EXPECT_EQ(run({"dump", path}), 1);
    EXPECT_EQ(m_app.app().ErrorCode(), 0x81000020u);
    EXPECT_TRUE(m_err.contains(path) && m_err.contains(QStringLiteral("1000"))) << m_err.toStdString();
    EXPECT_TRUE(m_err.contains(QStringLiteral("Die Datei endet vorzeitig: 1000 Bytes, 1280 erwartet")))
        << "a German message names its cause in German: " << m_err.toStdString();

    EXPECT_EQ(run({"new", "--revision", "0x13", "--modules", "pH", file(QStringLiteral("fehlt/a.hxd"))}), 1);
    EXPECT_EQ(m_app.app().ErrorCode(), 0x81000002u);
    EXPECT_TRUE(m_err.contains(QStringLiteral("fehlt/a.hxd"))) << m_err.toStdString();
}

TEST_F(HvxCli, LookingAtAMissingFileCreatesNothing)
{
    const QString path = file(QStringLiteral("fehlt.hxd"));
    EXPECT_EQ(run({"info", path}), cli::kExitFailedWithoutCode);
    EXPECT_EQ(run({"dump", path}), cli::kExitFailedWithoutCode);
    EXPECT_EQ(run({"set-info", path, "--serial", "1"}), cli::kExitFailedWithoutCode);
    EXPECT_TRUE(m_err.contains(path));
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(HvxCli, UnsupportedVersionFailsWithoutErrorCode)
{
    const QString path = file(QStringLiteral("v4.hxd"));
    ASSERT_EQ(run({"new", "--revision", "0x13", "--modules", "pH", path}), 0);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(720);
    f.putChar(char(0x17));
    f.close();
    m_app.ui().answerMessageBox(IDOK, QStringLiteral("Version"));
    EXPECT_EQ(run({"dump", path}), cli::kExitFailedWithoutCode);
    EXPECT_EQ(m_app.app().ErrorCode(), 0u);
}

TEST_F(HvxCli, SetInfoLimitsTextsAndBacksUpEachSave)
{
    const QString path = file(QStringLiteral("Anlage1.hxd"));
    ASSERT_EQ(run({"new", "--revision", "0x13", "--modules", "pH", path}), 0);
    const QByteArray afterNew = bytesOf(path);
    ASSERT_EQ(run({"set-info", path, "--remark", "1\\n2\\n3\\n4\\n5\\n6", "--site", QString(50, 'x')}), 0);
    const QByteArray afterFirst = bytesOf(path);
    ASSERT_EQ(run({"set-info", path, "--serial", "S"}), 0);

    EXPECT_EQ(bytesOf(file(QStringLiteral("Anlage1.000"))), afterNew);
    EXPECT_EQ(bytesOf(file(QStringLiteral("Anlage1.001"))), afterFirst);
    CHVXDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.infoTexts().bemerkung, QStringLiteral("1\r\n2\r\n3\r\n4"));
    EXPECT_EQ(doc.infoTexts().standort, QString(40, 'x'));
    EXPECT_EQ(doc.infoTexts().seriennummer, QStringLiteral("S"));
    EXPECT_EQ(run({"set-info", path}), cli::kExitFailedWithoutCode) << "nothing to set";
}

TEST_F(HvxCli, SetInfoOnProtectedFileNeedsTheAccessCode)
{
    const QString path = file(QStringLiteral("a.hxd"));
    {
        CHVXDoc doc;
        doc.OnNewDocument(NeueKonfiguration{0x13, {{{1, 3}, {}, {}}}});
        doc.parametersatz().setZugangscodeAktiv(1);
        ASSERT_TRUE(doc.DoSave(path));
    }
    ASSERT_EQ(run({"set-info", path, "--serial", "neu", "--access-code", "9157"}), 0) << m_err.toStdString();
    EXPECT_FALSE(m_app.logText().contains(QStringLiteral("9157"))) << "the code is not written to the log book";

    const QByteArray before = bytesOf(path);
    m_app.ui().answerAccessCode(std::nullopt).answerMessageBox(IDYES, QStringLiteral("Zugangscode ist falsch"));
    EXPECT_EQ(run({"set-info", path, "--serial", "anders"}), 4);
    EXPECT_EQ(bytesOf(path), before);
    // A look needs no code: no prompt (the scripted interaction fails on any question).
    ASSERT_EQ(run({"info", path}), 4) << "the earlier failure stays the exit status";
    EXPECT_TRUE(m_out.contains(QStringLiteral("neu")));
}

TEST_F(HvxCli, UsageErrorsAndHelp)
{
    EXPECT_EQ(run({}), cli::kExitFailedWithoutCode);
    EXPECT_TRUE(m_err.contains(QStringLiteral("hvxcli")));
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_TRUE(m_out.contains(QStringLiteral("set-info")));
    for (const char* command : {"new", "info", "dump", "set-info"}) {
        EXPECT_EQ(run({command, "--help"}), 0) << command;
        EXPECT_TRUE(m_out.contains(QStringLiteral("hvxcli %1").arg(command))) << command;
    }
    EXPECT_EQ(run({"transfer"}), cli::kExitFailedWithoutCode);
    EXPECT_EQ(run({"info", "--bogus", "a.hxd"}), cli::kExitFailedWithoutCode);
    EXPECT_TRUE(m_err.contains(QStringLiteral("--bogus")));
    EXPECT_EQ(run({"new", "--revision"}), cli::kExitFailedWithoutCode);
    EXPECT_EQ(run({"info", "a.hxd", "b.hxd"}), cli::kExitFailedWithoutCode);
    EXPECT_EQ(run({"new", "--overwrite=yes"}), cli::kExitFailedWithoutCode);
}
