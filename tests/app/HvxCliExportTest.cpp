// hvxcli export: the text export of a file, with the access code shown only to its owner.
#include "app/cli/HvxCli.h"
#include "document/Cp1252.h"
#include "document/HVXDoc.h"
#include "support/CliRun.h"
#include "support/TestApp.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace hvx;
using hvx::test::TestApp;

namespace {

class HvxCliExport : public ::testing::Test {
protected:
    HvxCliExport() { m_app.ui().setBatch(true); }

    // A pH configuration whose access code "4711" is in force.
    QString gesperrteDatei()
    {
        CHVXDoc doc;
        EXPECT_TRUE(doc.OnNewDocument(NeueKonfiguration{0x13, {ModulWahl{modultyp::kPH, reglertyp::kSignalgeraet}}}));
        doc.parametersatz().setZugangscodeAktiv(1);
        doc.parametersatz().setZugangscode({'4', '7', '1', '1'});
        const QString path = m_app.filePath(QStringLiteral("anlage.hxd"));
        EXPECT_TRUE(doc.OnSaveDocument(path));
        return path;
    }

    QString exportText(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? FromCp1252(file.readAll()) : QString();
    }

    TestApp m_app;
};

} // namespace

TEST_F(HvxCliExport, AccessCodeIsShownOnlyWithTheRightCode)
{
    const QString hxd = gesperrteDatei();
    const QString txt = m_app.filePath(QStringLiteral("anlage.txt"));
    test::CliOutput result = test::RunCli({QStringLiteral("export"), hxd, txt});
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains(QStringLiteral("Export geschrieben")));
    EXPECT_TRUE(exportText(txt).contains(QStringLiteral("\r\nZugangscode:\t**********(ohne Kalibrierung)\r\n")));

    result = test::RunCli({QStringLiteral("export"), hxd, txt, QStringLiteral("--access-code"), QStringLiteral("4711"),
                           QStringLiteral("--overwrite")});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(exportText(txt).contains(QStringLiteral("\r\nZugangscode:\t4711(ohne Kalibrierung)\r\n")));

    // A wrong code is said, and nothing is written.
    result = test::RunCli({QStringLiteral("export"), hxd, txt, QStringLiteral("--access-code=0000"), QStringLiteral("--overwrite")});
    EXPECT_EQ(result.status, 4);
    EXPECT_TRUE(exportText(txt).contains(QStringLiteral("\r\nZugangscode:\t4711")));
}

TEST_F(HvxCliExport, NeedsAnExistingFileAndAnOutput)
{
    const QString hxd = gesperrteDatei();
    EXPECT_EQ(test::RunCli({QStringLiteral("export"), hxd}).status, 3);
    const test::CliOutput missing = test::RunCli({QStringLiteral("export"), m_app.filePath(QStringLiteral("fehlt.hxd")),
                                                  m_app.filePath(QStringLiteral("a.txt"))});
    EXPECT_NE(missing.status, 0);
    EXPECT_FALSE(QFile::exists(m_app.filePath(QStringLiteral("a.txt"))));
    const test::CliOutput unwritable = test::RunCli({QStringLiteral("export"), hxd, m_app.filePath(QStringLiteral("kein/a.txt"))});
    EXPECT_EQ(unwritable.status, 3);
    EXPECT_TRUE(unwritable.err.contains(QStringLiteral("konnte nicht geschrieben werden")));
}

TEST(HvxCliExportEnglish, WritesInTheLanguageOfTheSettings)
{
    TestApp app(TestApp::Language::English);
    app.ui().setBatch(true);
    CHVXDoc doc;
    ASSERT_TRUE(doc.OnNewDocument(NeueKonfiguration{0x13, {ModulWahl{modultyp::kRedox, reglertyp::kSignalgeraet}}}));
    const QString hxd = app.filePath(QStringLiteral("redox.hxd"));
    ASSERT_TRUE(doc.OnSaveDocument(hxd));
    const QString txt = app.filePath(QStringLiteral("redox.txt"));
    ASSERT_EQ(test::RunCli({QStringLiteral("export"), hxd, txt}).status, 0);
    QFile file(txt);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = FromCp1252(file.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("\r\n\r\n\r\nModule 1: Redox\r\n\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nMeasuring range:\t0 to 1000 mV\r\n")));
}
