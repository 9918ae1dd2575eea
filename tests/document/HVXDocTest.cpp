// The configuration document: new, open with the access check, save with backups and the
// multiple pH rule, module configuration change and properties.
#include "document/AccessCode.h"
#include "document/HVXDoc.h"
#include "model/NeuerParametersatz.h"
#include "support/CapturedBatch.h"
#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>

using namespace hvx;
using hvx::test::CapturedBatch;
using hvx::test::TestApp;

namespace {

constexpr ModulWahl kPH{modultyp::kPH, reglertyp::kSignalgeraet};
constexpr ModulWahl kRedox{modultyp::kRedox, reglertyp::kSignalgeraet};
constexpr ModulWahl kKein{};

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The hints of every updateAllViews of a document.
struct ViewUpdates {
    explicit ViewUpdates(CHVXDoc& doc)
    {
        QObject::connect(&doc, &CHVXDoc::updateAllViews, [this](int hint) { hints.append(hint); });
    }
    QList<int> hints;
};

class Document : public ::testing::Test {
protected:
    Document()
    {
        m_app.app().m_strBackupDir = m_app.dir();
    }

    // A saved file of revision K 54 with the given modules; optionally an access code in force.
    QString savedFile(const QString& name, const Modulbestueckung& modules, bool codeInForce = false)
    {
        CHVXDoc doc;
        doc.OnNewDocument(NeueKonfiguration{0x13, modules});
        doc.parametersatz().setZugangscodeAktiv(codeInForce ? 1 : 0);
        const QString path = m_app.filePath(name);
        EXPECT_TRUE(doc.DoSave(path));
        return path;
    }

    TestApp m_app;
};

} // namespace

TEST_F(Document, NewWithDialogChoiceLoadsDefaultsAndStartsUntitled)
{
    CHVXDoc doc;
    doc.SetProperties({QStringLiteral("alt"), {}, {}, {}});
    ViewUpdates views(doc);
    ASSERT_TRUE(doc.OnNewDocument(NeueKonfiguration{0x13, {kPH, kKein, kKein}}));

    EXPECT_EQ(doc.parametersatz(), neuerParametersatz(0x13, {kPH, kKein, kKein}));
    EXPECT_EQ(doc.parametersatz().modulflags(0), doc.parametersatz().modulByte(0, modulblock::kModulflags));
    EXPECT_EQ(doc.moduleCount(), 1);
    EXPECT_EQ(doc.accessGranted(), 1);
    EXPECT_TRUE(doc.pathName().isEmpty());
    EXPECT_EQ(doc.title(), QStringLiteral("Hydrov"));
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.infoTexts(), InfoTexts{});
    EXPECT_EQ(views.hints, QList<int>{CHVXDoc::kHintRebuild});
}

TEST_F(Document, CancelledNewKeepsTheParameterSet)
{
    CHVXDoc doc;
    doc.OnNewDocument(NeueKonfiguration{0x13, {kPH, kKein, kKein}});
    doc.parametersatz().setByte(100, 0x5A);
    ViewUpdates views(doc);
    doc.OnNewDocument(std::nullopt);
    EXPECT_EQ(doc.parametersatz().byte(100), 0x5A);
    EXPECT_TRUE(views.hints.isEmpty());
    EXPECT_FALSE(doc.isModified());
}

TEST_F(Document, SaveAndOpenGiveBackParameterSetAndTexts)
{
    CHVXDoc doc;
    doc.OnNewDocument(NeueKonfiguration{0x33, {kPH, kRedox, kKein}});
    doc.SetProperties({QStringLiteral("SN-1"), QStringLiteral("Kunde\r\nZweite Zeile"), QStringLiteral("Ort"), QStringLiteral("Bem")});
    const QString path = m_app.filePath(QStringLiteral("a.hxd"));
    ASSERT_TRUE(doc.DoSave(path));
    EXPECT_EQ(doc.pathName(), path);
    EXPECT_EQ(doc.title(), QStringLiteral("a.hxd"));
    EXPECT_FALSE(doc.isModified());

    CHVXDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    EXPECT_EQ(reopened.parametersatz(), doc.parametersatz());
    EXPECT_EQ(reopened.infoTexts(), doc.infoTexts());
    EXPECT_EQ(reopened.moduleCount(), 2);
    EXPECT_EQ(reopened.accessGranted(), 1);
    EXPECT_TRUE(m_app.logEntries().contains(QStringLiteral("CHVXDoc::OnOpenDocument")));
}

TEST_F(Document, UntitledSaveMakesNoBackupAndResaveBacksUpPreviousState)
{
    CHVXDoc doc;
    doc.OnNewDocument(NeueKonfiguration{0x13, {kPH, kKein, kKein}});
    const QString path = m_app.filePath(QStringLiteral("Anlage1.hxd"));
    ASSERT_TRUE(doc.DoSave(path));
    EXPECT_FALSE(QFile::exists(m_app.filePath(QStringLiteral("Anlage1.000"))));

    const QByteArray firstState = readFile(path);
    doc.SetProperties({QStringLiteral("neu"), {}, {}, {}});
    ASSERT_TRUE(doc.DoSave(path));
    EXPECT_EQ(readFile(m_app.filePath(QStringLiteral("Anlage1.000"))), firstState);
    EXPECT_NE(readFile(path), firstState);
}

TEST_F(Document, SaveAsOverAnotherFileBacksUpTheFileItReplaces)
{
    const QString other = savedFile(QStringLiteral("Anlage2.hxd"), {kRedox, kKein, kKein});
    const QByteArray replaced = readFile(other);
    CHVXDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(savedFile(QStringLiteral("Anlage1.hxd"), {kPH, kKein, kKein})));
    ASSERT_TRUE(doc.DoSave(other));
    EXPECT_EQ(readFile(m_app.filePath(QStringLiteral("Anlage2.000"))), replaced);
    EXPECT_NE(readFile(other), replaced);

    // An untitled document replacing a file backs it up just the same, under the next number.
    const QByteArray second = readFile(other);
    CHVXDoc untitled;
    untitled.OnNewDocument(NeueKonfiguration{0x13, {kPH, kRedox, kKein}});
    ASSERT_TRUE(untitled.DoSave(other));
    EXPECT_EQ(readFile(m_app.filePath(QStringLiteral("Anlage2.001"))), second);
}

namespace {

// Whether one of the backups of NAME.hxd holds these bytes.
bool backedUp(const QString& name, const QByteArray& bytes)
{
    const QDir dir(theApp().m_strBackupDir);
    const QStringList backups = dir.entryList({name + QStringLiteral(".0*")}, QDir::Files);
    return std::any_of(backups.begin(), backups.end(), [&](const QString& b) { return readFile(dir.filePath(b)) == bytes; });
}

// What another program may do to the file between the document's open and its save.
enum class OnDisk { Nothing, OtherSave, CopiedOver, TransferStamp };

} // namespace

TEST_F(Document, ASaveOverAFileChangedSinceItWasOpenedAsksAndLosesNothing)
{
    struct Case {
        const char* name;
        OnDisk change;
        std::optional<int> answer; // the question's answer; none: nothing may be asked
        bool batch = false;
        bool saved;                // DoSave's result
        bool fileIsOurs;           // the file at the path holds the document's version afterwards
        bool copyIsOurs = false;   // the file chosen for "Ja" holds it
    };
    const Case cases[] = {
        {"unchanged", OnDisk::Nothing, std::nullopt, false, true, true},
        {"only the transfer stamp written", OnDisk::TransferStamp, std::nullopt, false, true, true},
        {"saved by another program, Yes: under a new name", OnDisk::OtherSave, IDYES, false, true, false, true},
        {"saved by another program, No: overwrite", OnDisk::OtherSave, IDNO, false, true, true},
        {"saved by another program, Cancel", OnDisk::OtherSave, IDCANCEL, false, false, false},
        {"another file copied over it, No: overwrite", OnDisk::CopiedOver, IDNO, false, true, true},
        {"saved by another program, nobody to ask", OnDisk::OtherSave, std::nullopt, true, false, false},
    };
    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString name = QStringLiteral("Anlage%1").arg(++number);
        const QString copy = m_app.filePath(name + QStringLiteral("neu.hxd"));
        const QString path = savedFile(name + QStringLiteral(".hxd"), {kPH, kKein, kKein});
        const QString source = savedFile(QStringLiteral("Quelle.hxd"), {kRedox, kKein, kKein});
        CHVXDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(path));
        doc.parametersatz().setByte(520, 77);
        doc.setModifiedFlag(true);
        const Parametersatz ours = doc.parametersatz();

        if (c.change == OnDisk::OtherSave) {
            CHVXDoc other;
            ASSERT_TRUE(other.OnOpenDocument(path));
            ASSERT_TRUE(other.SetProperties({QStringLiteral("fremd"), {}, {}, {}}));
            ASSERT_TRUE(other.DoSave(path));
        } else if (c.change == OnDisk::CopiedOver) {
            ASSERT_TRUE(QFile::remove(path));
            ASSERT_TRUE(QFile::copy(source, path));
        } else if (c.change == OnDisk::TransferStamp) {
            CKelConfigFile file([] { return QDateTime(QDate(2030, 1, 2), QTime(3, 4)); });
            ASSERT_TRUE(file.OpenConfigFile(path) && file.SetZeit(configfile::kStampTransferred));
            file.Close();
        }
        const QByteArray otherVersion = readFile(path);

        CapturedBatch batch;
        if (c.batch)
            m_app.app().SetUserInteraction(&batch.interaction());
        if (c.answer)
            m_app.ui().answerMessageBox(*c.answer, path);
        if (c.answer == IDYES)
            m_app.ui().answerFileChoice(copy);
        EXPECT_EQ(doc.DoSave(path), c.saved);
        m_app.app().SetUserInteraction(&m_app.ui());
        EXPECT_EQ(m_app.ui().pendingAnswers(), 0) << "the question was not asked";
        m_app.ui().clear();

        CHVXDoc onDisk;
        ASSERT_TRUE(onDisk.OnOpenDocument(path));
        EXPECT_EQ(onDisk.parametersatz() == ours, c.fileIsOurs);
        if (!c.fileIsOurs) {
            EXPECT_EQ(readFile(path), otherVersion) << "the other version is kept as it was";
        } else if (c.change != OnDisk::Nothing && c.change != OnDisk::TransferStamp) {
            EXPECT_TRUE(backedUp(name, otherVersion)) << "the other version is in a backup";
        }
        if (c.change == OnDisk::TransferStamp) {
            EXPECT_EQ(readFile(path).mid(configfile::kStampOffset + 2 * configfile::kStampSlotSize, 12), "203001020304");
        }
        if (c.copyIsOurs) {
            CHVXDoc saved;
            ASSERT_TRUE(saved.OnOpenDocument(copy));
            EXPECT_EQ(saved.parametersatz(), ours);
            EXPECT_EQ(doc.pathName(), copy);
        }
        if (c.saved) {
            // Saved once, the document's own file is no longer a stranger's: no second question.
            doc.setModifiedFlag(true);
            EXPECT_TRUE(doc.DoSave(doc.pathName()));
            EXPECT_TRUE(m_app.ui().questions().isEmpty());
        }
        m_app.ui().clear();
    }
}

TEST_F(Document, SaveIsRefusedSilentlyWhileInputErrorIsPending)
{
    CHVXDoc doc;
    doc.OnNewDocument(NeueKonfiguration{0x13, {kPH, kKein, kKein}});
    bool pending = true;
    doc.setInputErrorHooks([&] { return pending; }, [&] { pending = false; });
    const QString path = m_app.filePath(QStringLiteral("a.hxd"));
    EXPECT_FALSE(doc.DoSave(path));
    EXPECT_FALSE(doc.OnSaveDocument(path));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(m_app.ui().questions().isEmpty());

    doc.OnNewDocument(NeueKonfiguration{0x13, {kPH, kKein, kKein}}); // a new document clears the input error
    EXPECT_TRUE(doc.DoSave(path));
}

TEST_F(Document, SaveAppliesMultiplePhRule)
{
    CHVXDoc doc;
    doc.OnNewDocument(NeueKonfiguration{0x13, {kPH, kPH, kKein}});
    doc.parametersatz().setMehrfachPH(mehrfachph::kZweifach);
    doc.parametersatz().setModulByte(0, modulblock::kMaxAbweichung, 77);
    ASSERT_TRUE(doc.DoSave(m_app.filePath(QStringLiteral("a.hxd"))));
    EXPECT_EQ(doc.parametersatz().modulByte(1, modulblock::kMaxAbweichung), 77);
    EXPECT_EQ(doc.multiplePhPossible(), true);
    EXPECT_EQ(doc.pageCount(), 2); // the checking pH module has no page of its own
}

TEST_F(Document, FailedOpenLeavesDocumentAsItWas)
{
    const QString path = savedFile(QStringLiteral("a.hxd"), {kPH, kKein, kKein});
    QFile::resize(path, 1000);
    CHVXDoc doc;
    doc.OnNewDocument(NeueKonfiguration{0x33, {kRedox, kKein, kKein}});
    const Parametersatz before = doc.parametersatz();
    EXPECT_FALSE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.parametersatz(), before);
    EXPECT_TRUE(doc.pathName().isEmpty());
    EXPECT_EQ(m_app.app().ErrorCode(), 0x81000020u);
}

TEST_F(Document, UnsupportedVersionIsRefusedWithMessage)
{
    const QString path = savedFile(QStringLiteral("a.hxd"), {kPH, kKein, kKein});
    QByteArray bytes = readFile(path);
    bytes[720] = char(0x14); // variant K, version 4
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();

    m_app.ui().answerMessageBox(IDOK, QStringLiteral("Version"));
    CHVXDoc doc;
    EXPECT_FALSE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.parametersatz(), Parametersatz{});
    EXPECT_EQ(m_app.app().ErrorCode(), 0u);
}

TEST_F(Document, OpenWithAccessCodeAsksUntilRightOrRefused)
{
    const QString path = savedFile(QStringLiteral("a.hxd"), {kPH, kKein, kKein}, true);
    {
        m_app.ui().answerAccessCode(QStringLiteral("9157"));
        CHVXDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(path));
        EXPECT_EQ(doc.accessGranted(), 1);
        EXPECT_EQ(m_app.app().ErrorCode(), 0u);
    }
    {
        m_app.ui()
            .answerAccessCode(QStringLiteral("1234"))
            .answerMessageBox(IDYES, QStringLiteral("schreibgeschützt"))
            .answerAccessCode(std::nullopt) // "Abbrechen" counts as wrong
            .answerMessageBox(IDYES)
            .answerAccessCode(QStringLiteral("9157"));
        CHVXDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(path));
        EXPECT_EQ(doc.accessGranted(), 1);
        EXPECT_EQ(m_app.app().ErrorCode(), 0x84000002u) << "the error code is never cleared";
    }
    {
        m_app.ui().answerAccessCode(QStringLiteral("91570")).answerMessageBox(IDNO);
        CHVXDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(path));
        EXPECT_EQ(doc.accessGranted(), 0);
        EXPECT_FALSE(doc.SetProperties({QStringLiteral("x"), {}, {}, {}})) << "the properties are read-only";
        EXPECT_EQ(doc.infoTexts(), InfoTexts{});
        const auto question = m_app.ui().questions().last();
        EXPECT_EQ(question.type, unsigned(MB_YESNO));
    }
}

TEST_F(Document, AccessCheckOfInstrumentImageAsksWithTransferWording)
{
    Parametersatz instrument = neuerParametersatz(0x13, {kPH, kKein, kKein});
    instrument.setZugangscodeAktiv(1);
    m_app.ui().answerAccessCode(QStringLiteral("0000")).answerMessageBox(IDNO, QStringLiteral("nicht übertragen"));
    CHVXDoc doc;
    EXPECT_EQ(doc.CheckAccess(instrument, CHVXDoc::AccessSubject::Instrument), 0);
    instrument.setZugangscodeAktiv(0);
    EXPECT_EQ(doc.CheckAccess(instrument, CHVXDoc::AccessSubject::Instrument), 1);
}

TEST_F(Document, AccessCheckInBatchRunAsksOnceInsteadOfForever)
{
    Parametersatz image = neuerParametersatz(0x13, {kPH, kKein, kKein});
    image.setZugangscodeAktiv(1);
    m_app.ui().setBatch(true);
    m_app.ui().answerAccessCode(std::nullopt).answerMessageBox(IDYES);
    CHVXDoc doc;
    EXPECT_EQ(doc.CheckAccess(image, CHVXDoc::AccessSubject::Document), 0);
    EXPECT_EQ(m_app.ui().questions().size(), 2);
    EXPECT_EQ(m_app.app().ErrorCode(), 0x84000002u);
}

TEST(AccessCode, ExactlyFourCharactersComparedByteForByte)
{
    Parametersatz image;
    image.setZugangscode({'A', 'b', '1', '\xE4'});
    EXPECT_TRUE(AccessCodeMatches(image, QStringLiteral("Ab1ä")));
    EXPECT_FALSE(AccessCodeMatches(image, QStringLiteral("ab1ä")));
    EXPECT_FALSE(AccessCodeMatches(image, QStringLiteral("Ab1ä5")));
    EXPECT_FALSE(AccessCodeMatches(image, QStringLiteral("Ab1")));
    EXPECT_FALSE(AccessCodeMatches(image, QStringLiteral(" Ab1")));
    image.setZugangscode({'A', 'b', '1', '?'});
    EXPECT_FALSE(AccessCodeMatches(image, QStringLiteral("Ab1\u0416"))) << "a character the code page lacks is no '?'";
}

TEST_F(Document, ModuleChangeResetsOnlyChangedSlots)
{
    CHVXDoc doc;
    doc.OnNewDocument(NeueKonfiguration{0x13, {kPH, kPH, kKein}});
    Parametersatz& ps = doc.parametersatz();
    ps.setModulByte(0, modulblock::kMaxAbweichung, 42);
    ps.setModulByte(1, modulblock::kMaxAbweichung, 43);
    ps.setMehrfachPH(mehrfachph::kZweifach);
    ps.setTemperaturkompensation(2);
    ps.setZusatzFreigabe(0, 1);
    ps.setReglerabschaltung(1, 0);
    ps.setModulByte(0, modulblock::kErhaltungsdosierung, 2);
    ViewUpdates views(doc);

    ASSERT_TRUE(doc.ChangeModuleConfiguration({kPH, kRedox, kKein}));
    EXPECT_EQ(ps.modulByte(0, modulblock::kMaxAbweichung), 42) << "slot 1 keeps its values";
    EXPECT_EQ(ps.modultyp(1), modultyp::kRedox);
    EXPECT_EQ(ps.reglertyp(1), reglertyp::kSignalgeraet);
    const Parametersatz fresh = neuerParametersatz(0x13, {kPH, kRedox, kKein});
    EXPECT_TRUE(std::ranges::equal(ps.reglerblock(1).subspan(0, reglerblock::kFlags), fresh.reglerblock(1).subspan(0, reglerblock::kFlags)));
    EXPECT_EQ(ps.modulkopf(1)[modulkopf::kModulflags], ps.modulByte(1, modulblock::kModulflags));
    EXPECT_EQ(ps.mehrfachPH(), mehrfachph::kKeine);
    EXPECT_EQ(ps.temperaturkompensation(), 4);
    for (int slot = 0; slot < 2; ++slot) {
        EXPECT_EQ(ps.zusatzFreigabe(slot), zusatzfreigabe::kAus) << slot;
        EXPECT_EQ(ps.reglerabschaltung(slot), zusatzfreigabe::kAus) << slot;
        EXPECT_EQ(ps.modulByte(slot, modulblock::kErhaltungsdosierung), 0) << slot;
    }
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(views.hints, QList<int>{CHVXDoc::kHintRebuild});
    EXPECT_EQ(doc.moduleCount(), 2);
}

TEST_F(Document, ModuleChangeWithoutDifferenceChangesNothing)
{
    CHVXDoc doc;
    doc.OnNewDocument(NeueKonfiguration{0x13, {kPH, kKein, kKein}});
    doc.parametersatz().setTemperaturkompensation(2);
    doc.setModifiedFlag(false); // as saved
    const Parametersatz before = doc.parametersatz();
    EXPECT_FALSE(doc.ChangeModuleConfiguration({kPH, kKein, kKein}));
    EXPECT_EQ(doc.parametersatz(), before);
    EXPECT_FALSE(doc.isModified());
}

TEST_F(Document, PropertiesAreLimitedAndMarkModified)
{
    CHVXDoc doc;
    ASSERT_TRUE(doc.SetProperties({QStringLiteral("1\r\n2"), {}, {}, QStringLiteral("a\r\nb\r\nc\r\nd\r\ne\r\nf")}));
    EXPECT_EQ(doc.infoTexts().seriennummer, QStringLiteral("1"));
    EXPECT_EQ(doc.infoTexts().bemerkung, QStringLiteral("a\r\nb\r\nc\r\nd"));
    EXPECT_TRUE(doc.isModified());
}
