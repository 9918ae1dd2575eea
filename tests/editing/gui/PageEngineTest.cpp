// The page rules of the view: blocked switching, Escape, error presentation, the page check and
// the defaults commands.

#include "base/gui/DialogTexts.h"
#include "editing/gui/EditingViewFixture.h"
#include "editing/MessSeiten.h"
#include "editing/ModulKonfigSeite.h"
#include "editing/ReglerSeite.h"
#include "editing/SystemKonfigSeite.h"
#include "model/Modulnamen.h"
#include "model/Standardwerte.h"
#include "model/Revisionen.h"

#include "app/gui/MainFrame.h"
#include "base/SettingsTable.h"
#include "editing/gui/ViewLogo.h"

#include <QLabel>

namespace hvx::test {
namespace {

class PageEngine : public EditingView {
protected:
    // Every page stores its entries, as before the save question.
    void speichereAlleSeiten()
    {
        EXPECT_TRUE(view->CommitCurrentPage());
        for (int tab = 1; tab < view->tabCtrl()->count(); ++tab) {
            for (int sub = 0; sub < 3; ++sub) {
                if (CHvxModelessDlg* seite = view->modulePage(tab - 1)->page(sub))
                    seite->ExchangePageData(true);
            }
        }
    }
};

TEST_F(PageEngine, TabsFollowTheFittedSlots)
{
    neu(0x22, {modultyp::kPH, modultyp::kFreigabeOderTimer});
    EXPECT_EQ(view->revisionCaption(), "Revision L 23");
    ASSERT_EQ(view->tabCtrl()->count(), 3);
    EXPECT_EQ(view->tabCtrl()->tabText(0), "Systemkonfiguration");
    EXPECT_EQ(view->tabCtrl()->tabText(1), "pH");
    EXPECT_EQ(view->tabCtrl()->tabText(2), "Timer");
    EXPECT_EQ(view->modulePage(0)->tabCtrl()->tabText(0), "Modulkonfiguration");

    neu(0x13, {modultyp::kPH, modultyp::kFreigabeOderTimer});
    EXPECT_EQ(view->tabCtrl()->tabText(2), "Freigabe");
    EXPECT_EQ(view->modulePage(1)->inhalt(), Modulinhalt::KeineParameter);
    // The container also holds the timer page of the previous configuration: find the notice by id.
    QLabel* hinweis = nullptr;
    for (QLabel* l : view->modulePage(1)->findChildren<QLabel*>())
        if (gui::CtrlId(l) == CHvxModulParameter::kKeineParameterId)
            hinweis = l;
    ASSERT_NE(hinweis, nullptr);
    EXPECT_EQ(hinweis->text(), "Keine Parameter einstellbar!");
}

TEST_F(PageEngine, NotANumberBlocksSwitchingUntilEscape)
{
    neu(0x13, {modultyp::kPH, modultyp::kRedox});
    edit(system(), systemkonfig::kLeerlaufzeit)->setText("abc");
    klickeTab(1);
    EXPECT_EQ(view->tabCtrl()->currentIndex(), 0);
    EXPECT_EQ(navigation().currentTab, 0);
    ASSERT_TRUE(view->IsInputErrorPending());
    EXPECT_EQ(InputErrorText(inputError()), QString::fromUtf8("Bitte geben sie eine gültige Zahl ein."));
    EXPECT_EQ(view->focusWidget(), edit(system(), systemkonfig::kLeerlaufzeit)) << "the focus returns to the field";

    system()->OnCancel();
    EXPECT_FALSE(view->IsInputErrorPending());
    EXPECT_EQ(edit(system(), systemkonfig::kLeerlaufzeit)->text(), "5");
    klickeTab(1);
    EXPECT_EQ(navigation().currentTab, 1);
}

TEST_F(PageEngine, AnInputErrorMarksItsFieldUntilItIsCorrected)
{
    neu(0x13, {modultyp::kPH});
    QLineEdit* feld = edit(system(), systemkonfig::kLeerlaufzeit);
    tippe(system(), systemkonfig::kLeerlaufzeit, "abc");
    EXPECT_FALSE(feld->styleSheet().isEmpty()) << "a red frame";
    EXPECT_EQ(feld->toolTip(), QString::fromUtf8("Bitte geben sie eine gültige Zahl ein."));
    tippe(system(), systemkonfig::kLeerlaufzeit, "7");
    EXPECT_TRUE(feld->styleSheet().isEmpty());
    EXPECT_TRUE(feld->toolTip().isEmpty());

    tippe(system(), systemkonfig::kLeerlaufzeit, "abc");
    system()->OnCancel();
    EXPECT_TRUE(feld->styleSheet().isEmpty()) << "Escape restores the field and its look";
}

TEST_F(PageEngine, AnEmptyNumberFieldIsZero)
{
    neu(0x13, {modultyp::kPH});
    tippe(system(), systemkonfig::kAlarmverzoegerung, "");
    EXPECT_FALSE(inputErrorPending());
    EXPECT_EQ(ps().alarmverzoegerung(), 0);
    tippe(system(), systemkonfig::kAlarmverzoegerung, "600");
    EXPECT_EQ(ps().alarmverzoegerung(), 600);
}

TEST_F(PageEngine, AnErrorOnAPageNotShownBringsThatPageToTheFront)
{
    neu(0x13, {modultyp::kPH, modultyp::kRedox});
    klickeTab(2);
    ASSERT_EQ(navigation().currentTab, 2);
    edit(modulKonfig(0), modulkonfig::kZykluszeit)->setText("0");
    modulKonfig(0)->CheckPage();
    ASSERT_TRUE(inputErrorPending());
    EXPECT_EQ(navigation().currentTab, 1);
    EXPECT_EQ(view->tabCtrl()->currentIndex(), 1);
    EXPECT_TRUE(modulKonfig(0)->isVisible());
    EXPECT_FALSE(modulKonfig(1)->isVisible());
}

TEST_F(PageEngine, PageCheckReportsTabAndSubPage)
{
    neu(0x13, {modultyp::kPH, modultyp::kRedox});
    app.ui().answerMessageBox(IDOK, "Aktuelle Seite hat keine Fehler. (0, 0)");
    view->CheckCurrentPage();
    klickeTab(2);
    app.ui().answerMessageBox(IDOK, "Aktuelle Seite hat keine Fehler. (2, 0)");
    view->CheckCurrentPage();

    // With an error the status bar speaks, no box.
    edit(modulKonfig(1), modulkonfig::kEinschaltzeit)->setText("31");
    view->CheckCurrentPage();
    EXPECT_TRUE(inputErrorPending());
    EXPECT_EQ(app.ui().messageTexts().size(), 2);
}

TEST_F(PageEngine, DefaultsCommandsRestoreAndClearTheError)
{
    neu(0x13, {modultyp::kPH, modultyp::kRedox});
    EXPECT_TRUE(view->CanSetDefaultsAll());
    EXPECT_FALSE(view->CanSetDefaultsCurrent()) << "the system page is shown";
    klickeTab(2);
    ASSERT_TRUE(view->CanSetDefaultsCurrent());
    tippe(modulKonfig(1), modulkonfig::kZykluszeit, "20");
    ASSERT_EQ(ps().zykluszeit(1), 2000);
    edit(modulKonfig(1), modulkonfig::kEinschaltzeit)->setText("abc");
    modulKonfig(1)->CheckPage();
    ASSERT_TRUE(inputErrorPending());
    view->OnDefaultsCurrent();
    EXPECT_FALSE(inputErrorPending());
    EXPECT_EQ(ps().zykluszeit(1), 500);
    EXPECT_EQ(edit(modulKonfig(1), modulkonfig::kEinschaltzeit)->text(), "0.5");

    ps().setLeerlaufzeit(33);
    view->OnDefaultsAll();
    EXPECT_EQ(ps().leerlaufzeit(), 5);
    EXPECT_EQ(edit(system(), systemkonfig::kLeerlaufzeit)->text(), "5");
}

TEST_F(PageEngine, CommitBeforeSavingTheDocument)
{
    neu(0x13, {modultyp::kPH});
    edit(system(), systemkonfig::kLeerlaufzeit)->setText("12");
    EXPECT_TRUE(view->CommitCurrentPage());
    EXPECT_EQ(ps().leerlaufzeit(), 12);
    edit(system(), systemkonfig::kLeerlaufzeit)->setText("x");
    EXPECT_FALSE(view->CommitCurrentPage());
    EXPECT_EQ(ps().leerlaufzeit(), 12);
}

TEST_F(PageEngine, HiddenFieldsAreNeverChecked)
{
    neu(0x30, {modultyp::kPH});
    // "über Profibus" is hidden below version 2 and the interval is disabled while "Aus" holds.
    edit(system(), systemkonfig::kMessdatenintervall)->setText("999");
    EXPECT_TRUE(system()->CheckPage());
    edit(modulKonfig(0), modulkonfig::kProduktname)->setText(QString::fromUtf8("ÄÖÜ too long for the field"));
    EXPECT_TRUE(modulKonfig(0)->CheckPage());
}

class PageEngineEnglish : public EditingView {
protected:
    PageEngineEnglish() : EditingView(TestApp::Language::English) {}
};

TEST_F(PageEngineEnglish, TextsComeFromTheLanguageFiles)
{
    neu(0x13, {modultyp::kPH});
    EXPECT_EQ(view->tabCtrl()->tabText(0), "System configuration");
    EXPECT_EQ(knopf(system(), systemkonfig::kZugangscodeAktiv)->text(), "Work with access code");
    EXPECT_EQ(eintraege(modulKonfig(0), modulkonfig::kZusatzFreigabe), (QStringList{"off"}));
    app.ui().answerMessageBox(IDOK, "The current page has no errors. (0, 0)");
    view->CheckCurrentPage();
}

} // namespace
} // namespace hvx::test

namespace hvx::test {
namespace {

TEST_F(PageEngine, LanguageSwitchKeepsThePageAndTheEntry)
{
    neu(0x13, {modultyp::kPH, modultyp::kRedox});
    klickeTab(2);
    edit(modulKonfig(1), modulkonfig::kZykluszeit)->setText("7.5");
    app.app().SetLanguage(QStringLiteral("02-English"));
    view->OnLanguageChanged();
    EXPECT_EQ(navigation().currentTab, 2);
    EXPECT_EQ(view->tabCtrl()->tabText(0), "System configuration");
    EXPECT_EQ(view->tabCtrl()->tabText(2), "Redox");
    EXPECT_EQ(view->modulePage(1)->tabCtrl()->tabText(0), "Module configuration");
    EXPECT_EQ(eintraege(modulKonfig(1), modulkonfig::kReglermodul).first(), "Signal device");
    EXPECT_EQ(liste(modulKonfig(1), modulkonfig::kReglermodul)->currentText(), "Signal device");
    EXPECT_EQ(edit(modulKonfig(1), modulkonfig::kZykluszeit)->text(), "7.5");
    EXPECT_EQ(ps().zykluszeit(1), 750);
}

} // namespace
} // namespace hvx::test

#include <QFocusEvent>
#include <QKeyEvent>

namespace hvx::test {
namespace {

TEST_F(PageEngine, KeysAndFocusLossRunTheExchange)
{
    neu(0x13, {modultyp::kPH});
    QLineEdit* feld = edit(system(), systemkonfig::kLeerlaufzeit);
    feld->setText("17");
    QFocusEvent verlassen(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(feld, &verlassen);
    EXPECT_EQ(ps().leerlaufzeit(), 17) << "leaving the field stores it";

    feld->setText("99");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(feld, &enter);
    ASSERT_TRUE(inputErrorPending());
    EXPECT_EQ(ps().leerlaufzeit(), 17);

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(feld, &escape);
    EXPECT_FALSE(inputErrorPending());
    EXPECT_EQ(feld->text(), "17");
    EXPECT_TRUE(system()->isVisible()) << "Escape never closes a page";
}

// Every label of every page gets at least the room its text needs, in both languages.
void pruefeBeschriftungen(CHVXView& view)
{
    for (int tab = 0; tab < view.tabCtrl()->count(); ++tab) {
        view.tabCtrl()->select(tab);
        QCoreApplication::processEvents();
        view.resize(300, 200); // the window cannot get narrower than its pages need
        QCoreApplication::processEvents();
        // ... and the pages fit the main window's default width (690 pixels with its frame).
        EXPECT_LE(view.width(), 670) << "tab " << tab;
        for (const QLabel* label : view.tabCtrl()->page(tab)->findChildren<QLabel*>()) {
            if (label->isVisible()) {
                EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
            }
        }
    }
}

TEST_F(PageEngine, NoLabelIsClipped)
{
    neu(0x43, {modultyp::kPH, modultyp::kChlor, modultyp::kRedox});
    pruefeBeschriftungen(*view);
}

TEST_F(PageEngineEnglish, NoLabelIsClipped)
{
    neu(0x43, {modultyp::kPH, modultyp::kChlor, modultyp::kRedox});
    pruefeBeschriftungen(*view);
}

} // namespace
} // namespace hvx::test

namespace hvx::test {
namespace {

class PageEngineFirstStart : public EditingView {
protected:
    PageEngineFirstStart() : EditingView(TestApp::Language::None) {}
};

TEST_F(PageEngineFirstStart, GermanTextsBeforeALanguageIsChosen)
{
    neu(0x13, {modultyp::kPH});
    EXPECT_EQ(knopf(system(), systemkonfig::kZugangscodeAktiv)->text(), "mit Zugangscode arbeiten");
    EXPECT_EQ(knopf(modulKonfig(0), modulkonfig::kFahrenheit)->text(), "Fahrenheit");
    EXPECT_EQ(view->tabCtrl()->tabText(0), "Systemkonfiguration");
}

} // namespace
} // namespace hvx::test

namespace hvx::test {
namespace {

TEST_F(PageEngine, SavingTheDocumentStoresWhatTheUserTyped)
{
    neu(0x13, {modultyp::kPH});
    QLineEdit* feld = edit(system(), systemkonfig::kLeerlaufzeit);
    feld->setText("42"); // typed, the field still has the focus
    const QString pfad = app.filePath(QStringLiteral("Anlage.hxd"));
    ASSERT_TRUE(doc.DoSave(pfad));
    EXPECT_EQ(ps().leerlaufzeit(), 42);

    feld->setText("99");
    EXPECT_FALSE(doc.DoSave(pfad)) << "an entry out of range stops the save";
    EXPECT_TRUE(inputErrorPending());
    EXPECT_EQ(ps().leerlaufzeit(), 42);
}

TEST_F(PageEngine, StoringUnchangedEntriesLeavesAnOpenedDocumentUnmodified)
{
    // Every revision with a module of each page kind: open the saved file, let every page store
    // its entries as before the save question, and nothing may count as a change.
    const QString pfad = app.filePath(QStringLiteral("Anlage.hxd"));
    for (const Revision& revision : revisionen()) {
        SCOPED_TRACE(revision.geraetekennung);
        neu(revision.geraetekennung, {modultyp::kPH, modultyp::kLfKonduktiv, modultyp::kRedox});
        ASSERT_TRUE(doc.DoSave(pfad));
        EXPECT_TRUE(view->CommitCurrentPage());
        EXPECT_FALSE(doc.isModified()) << "right after saving";
        ASSERT_TRUE(doc.OnOpenDocument(pfad));
        ASSERT_FALSE(doc.isModified());
        speichereAlleSeiten();
        EXPECT_FALSE(doc.isModified());
    }
    tippe(system(), systemkonfig::kLeerlaufzeit, QString::number(ps().leerlaufzeit() == 7 ? 8 : 7));
    EXPECT_TRUE(doc.isModified()) << "a changed byte marks the document";
}

TEST_F(PageEngine, ModuleTabsShowTheirSubTabHeaderAtOnceAsAfterALanguageSwitch)
{
    neu(0x13, {modultyp::kPH, modultyp::kRedox});
    klickeTab(1);
    QCoreApplication::processEvents();
    CHvxModulParameter* modul = view->modulePage(0);
    QTabBar* kopf = modul->tabCtrl()->tabBar();
    const QPoint seiteVorher = modul->page(0)->mapTo(view.get(), QPoint());
    EXPECT_TRUE(kopf->isVisible());
    EXPECT_GE(kopf->height(), kopf->sizeHint().height());

    view->OnLanguageChanged();
    QCoreApplication::processEvents();
    EXPECT_EQ(modul->page(0)->mapTo(view.get(), QPoint()), seiteVorher) << "the page sits where a switch puts it";
}

TEST_F(PageEngine, TwoModulesOfOneKindAreToldApartByTheirSlot)
{
    neu(0x13, {modultyp::kPH, modultyp::kRedox, modultyp::kPH});
    EXPECT_EQ(view->tabCtrl()->tabText(1), "pH 1");
    EXPECT_EQ(view->tabCtrl()->tabText(2), "Redox");
    EXPECT_EQ(view->tabCtrl()->tabText(3), "pH 3");
    view->OnLanguageChanged();
    EXPECT_EQ(view->tabCtrl()->tabText(3), "pH 3");
}

TEST_F(PageEngine, TabFollowsTheLeftColumnThenTheRightOne)
{
    neu(0x13, {modultyp::kPH});
    for (CHvxModelessDlg* seite : {system(), modulKonfig(0)}) {
        // The controls in reading order, from the page's description.
        QList<QWidget*> erwartet;
        for (int spalte = 0; spalte < 2; ++spalte) {
            for (const Gruppe& g : seite->beschreibung().gruppen) {
                if ((g.spalte == 0 ? 0 : 1) != spalte)
                    continue;
                for (const Steuerelement& e : g.elemente) {
                    for (int id : e.knoepfe.empty() ? std::vector<int>{e.id} : e.knoepfe)
                        if (QWidget* w = seite->control(id))
                            erwartet << w;
                }
            }
        }
        ASSERT_GT(erwartet.size(), 2);
        QList<QWidget*> kette;
        QWidget* w = erwartet.constFirst();
        for (int schritt = 0; schritt < 1000 && kette.size() < erwartet.size(); ++schritt, w = w->nextInFocusChain()) {
            if (erwartet.contains(w))
                kette << w;
        }
        EXPECT_EQ(kette, erwartet) << seite->beschreibung().abschnitt.toStdString();
    }
}

TEST_F(PageEngine, AFileMadeWithoutTheWindowOpensUnmodifiedAfterEveryPageStored)
{
    // Factory sets as the command-line tool or the instrument gives them (never shown on a page):
    // storing every page right after opening must not count as a change.
    const QString pfad = app.filePath(QStringLiteral("Roh.hxd"));
    for (const Revision& revision : revisionen()) {
        SCOPED_TRACE(revision.geraetekennung);
        {
            CHVXDoc roh;
            NeueKonfiguration wahl{revision.geraetekennung, {}};
            const quint8 typen[] = {modultyp::kPH, modultyp::kChlor, modultyp::kRedox};
            for (int slot = 0; slot < 3; ++slot) {
                wahl.module[slot].modultyp = typen[slot];
                wahl.module[slot].reglertyp = anfangsReglertyp(typen[slot], revision.geraetekennung >> 4);
            }
            ASSERT_TRUE(roh.OnNewDocument(wahl));
            ASSERT_TRUE(roh.DoSave(pfad));
        }
        if (!view) {
            view = std::make_unique<CHVXView>();
            view->setDocument(&doc);
            view->resize(760, 520);
            view->show();
        }
        ASSERT_TRUE(doc.OnOpenDocument(pfad));
        ASSERT_FALSE(doc.isModified());
        speichereAlleSeiten();
        EXPECT_FALSE(doc.isModified());
    }
}

} // namespace
} // namespace hvx::test

namespace hvx::test {
namespace {

TEST_F(PageEngine, TheModifiedMarkFollowsTheRecordWhateverChangedIt)
{
    // The "aus" boxes and the system page's own commands write the record themselves: each marks
    // the saved document, and so does the title bar.
    struct Kommando {
        const char* name;
        quint8 kennung;
        std::initializer_list<quint8> module;
        int slot; // -1: system page
        int subPage;
        int id;
    };
    const Kommando faelle[] = {
        {"access code", 0x13, {modultyp::kPH}, -1, 0, systemkonfig::kZugangscodeAktiv},
        {"measured data off", 0x13, {modultyp::kPH}, -1, 0, systemkonfig::kMessdatenAus},
        {"alarm repetition off", 0x13, {modultyp::kPH}, -1, 0, systemkonfig::kAlarmwiederholungAus},
        {"dosing time monitoring off", 0x13, {modultyp::kPH}, 0, 0, modulkonfig::kDosierzeitAus},
        {"calibration monitoring off", 0x13, {modultyp::kPH}, 0, 1, messparaph::kKalibrierung.aus},
        {"telemetry alarm delay off", 0x13, {modultyp::kChlor}, 0, 2, reglerpara::kDfueAus},
        {"pre-circulation off", 0x23, {modultyp::kPH, modultyp::kFreigabeOderTimer}, 1, 0, timerpara::kVorumwaelzungAus},
    };
    const QString pfad = app.filePath(QStringLiteral("Anlage.hxd"));
    for (const Kommando& fall : faelle) {
        SCOPED_TRACE(fall.name);
        neu(fall.kennung, fall.module);
        ASSERT_TRUE(doc.DoSave(pfad));
        ASSERT_FALSE(doc.isModified());
        CHvxModelessDlg* seite = system();
        if (fall.slot >= 0) {
            klickeTab(fall.slot + 1);
            CHvxModulParameter* modul = view->modulePage(fall.slot);
            seite = modul->page(fall.subPage);
            ASSERT_NE(seite, nullptr);
            modul->tabCtrl()->tabBar()->setCurrentIndex(modul->tabCtrl()->indexOf(seite));
        }
        ASSERT_TRUE(knopf(seite, fall.id)->isEnabled());
        knopf(seite, fall.id)->click();
        EXPECT_TRUE(doc.isModified());
    }
    // "über Profibus" is offered while "Aus" is ticked (as a new configuration has it).
    neu(0x13, {modultyp::kPH});
    ASSERT_TRUE(doc.DoSave(pfad));
    knopf(system(), systemkonfig::kProfibus)->click();
    EXPECT_TRUE(doc.isModified()) << "über Profibus";

    // The mark follows the record back: an entry typed back, defaults that are already there.
    neu(0x13, {modultyp::kPH, modultyp::kRedox});
    ASSERT_TRUE(doc.DoSave(pfad));
    const QString vorher = edit(system(), systemkonfig::kLeerlaufzeit)->text();
    tippe(system(), systemkonfig::kLeerlaufzeit, QStringLiteral("17"));
    EXPECT_TRUE(doc.isModified());
    tippe(system(), systemkonfig::kLeerlaufzeit, vorher);
    EXPECT_FALSE(doc.isModified()) << "the entry typed back";
    view->OnDefaultsAll();
    EXPECT_FALSE(doc.isModified()) << "the defaults of an untouched new configuration";
}

} // namespace
} // namespace hvx::test

namespace hvx::test {
namespace {

TEST_F(PageEngine, ATypeBehindAnEmptySlotGetsNoTabAndDefaultsStayOnTheirModule)
{
    // Slot 2 empty, a module in slot 3 (a file from elsewhere): one module, as the module count says.
    neu(0x13, {modultyp::kPH});
    ps().setModultyp(2, modultyp::kRedox);
    ps().setReglertyp(2, reglertyp::kSignalgeraet);
    ladeStandardwerte(ps(), 3);
    Q_EMIT doc.updateAllViews(CHVXDoc::kHintRebuild);
    EXPECT_EQ(view->tabCtrl()->count(), 2);
    for (int tab = 1; tab < view->tabCtrl()->count(); ++tab) {
        klickeTab(tab);
        const Parametersatz vorher = ps();
        view->OnDefaultsCurrent();
        for (int slot = 0; slot < 3; ++slot) {
            if (slot == tab - 1)
                continue;
            const auto a = vorher.modulblock(slot);
            const auto b = std::as_const(ps()).modulblock(slot);
            EXPECT_TRUE(std::equal(a.begin(), a.end(), b.begin())) << "tab " << tab << " changed slot " << slot + 1;
        }
    }
}

} // namespace
} // namespace hvx::test

namespace hvx::test {
namespace {

TEST_F(PageEngine, ReadOnlyTimerPageStillShowsEveryEntry)
{
    // Without the access code every timer entry can be looked at; none can be changed.
    neu(0x23, {modultyp::kPH, modultyp::kFreigabeOderTimer});
    for (int k = 0; k < timereintrag::kAnzahl; ++k)
        ps().setModulWord(1, ps().timerEintragOffset(k) + timereintrag::kDosierzeit, quint16(10 + k));
    doc.setAccessGranted(0);
    Q_EMIT doc.updateAllViews(CHVXDoc::kHintRebuild);
    klickeTab(2);
    CHvxModelessDlg* timer = view->modulePage(1)->page(0);
    ASSERT_NE(timer, nullptr);
    for (int k : {2, 6, 0}) {
        SCOPED_TRACE(k + 1);
        QAbstractButton* eintrag = knopf(timer, timerpara::kZeitpunkt + k);
        EXPECT_TRUE(eintrag->isEnabled());
        eintrag->click();
        EXPECT_EQ(timer->kontext().eintrag, k);
        EXPECT_EQ(edit(timer, timerpara::kDosierzeit)->text(), QString::number(10 + k));
        EXPECT_FALSE(edit(timer, timerpara::kDosierzeit)->isEnabled());
        EXPECT_FALSE(edit(timer, timerpara::kUhrzeit)->isEnabled());
    }
}

} // namespace
} // namespace hvx::test

namespace hvx::test {
namespace {

TEST_F(PageEngine, ModuleOnesDefaultsEndingAMultiplePHMeasurementGiveModuleTwoItsPagesAgain)
{
    neu(0x13, {modultyp::kPH, modultyp::kPH});
    waehle(system(), systemkonfig::kMehrfachPH, QString::fromUtf8("2-fach Überprüfung"));
    ASSERT_EQ(view->modulePage(1)->inhalt(), Modulinhalt::KeineParameter);
    klickeTab(1);
    view->OnDefaultsCurrent();
    QCoreApplication::processEvents();
    EXPECT_EQ(ps().mehrfachPH(), mehrfachph::kKeine);
    EXPECT_EQ(view->modulePage(1)->inhalt(), Modulinhalt::Seiten);
}

} // namespace
} // namespace hvx::test

// Exported by Qt GUI: what a key press runs through before it reaches the focus widget (the
// shortcut map), as the window system delivers it.
bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                  const QString& text = QString(), bool autorep = false, ushort count = 1);

namespace hvx::test {
namespace {

// A key pressed while the view's window is active: a shortcut, or else the focus widget's key.
void druecke(QWidget* fenster, int taste, Qt::KeyboardModifiers modifiers)
{
    QWidget* ziel = QApplication::focusWidget() ? QApplication::focusWidget() : fenster;
    if (qt_sendShortcutOverrideEvent(ziel, 0, taste, modifiers))
        return;
    QKeyEvent druck(QEvent::KeyPress, taste, modifiers);
    QCoreApplication::sendEvent(ziel, &druck);
}

// The first control of a page in reading order that takes input.
QWidget* erstesFeld(CHvxModelessDlg* seite)
{
    for (int spalte = 0; spalte < 2; ++spalte) {
        for (const Gruppe& g : seite->beschreibung().gruppen) {
            if ((g.spalte == 0 ? 0 : 1) != spalte)
                continue;
            for (const Steuerelement& e : g.elemente) {
                for (int id : e.knoepfe.empty() ? std::vector<int>{e.id} : e.knoepfe) {
                    QWidget* w = seite->control(id);
                    if (w && w->isEnabled() && w->isVisible() && w->focusPolicy() != Qt::NoFocus)
                        return w;
                }
            }
        }
    }
    return nullptr;
}

// Ctrl+Tab / Ctrl+Shift+Tab step through the main tabs, Ctrl+PgDn / Ctrl+PgUp through the sub
// tabs of the module shown, both round; the focus lands in the first field of the page shown.
TEST_F(PageEngine, TabKeysSwitchTabsAndSubTabsWithTheFocusInTheFirstField)
{
    neu(0x13, {modultyp::kPH, modultyp::kChlor, modultyp::kRedox});
    QApplication::setActiveWindow(view.get());
    view->activateWindow();
    erstesFeld(system())->setFocus();
    struct Schritt {
        int taste;
        Qt::KeyboardModifiers modifiers;
        int tab;
        int sub;
    };
    const Qt::KeyboardModifiers strg = Qt::ControlModifier;
    const Qt::KeyboardModifiers strgUmschalt = Qt::ControlModifier | Qt::ShiftModifier;
    const Schritt schritte[] = {
        {Qt::Key_Tab, strg, 1, 0},      {Qt::Key_PageDown, strg, 1, 1}, {Qt::Key_PageDown, strg, 1, 2},
        {Qt::Key_PageDown, strg, 1, 0}, {Qt::Key_PageUp, strg, 1, 2},   {Qt::Key_Backtab, strgUmschalt, 0, 0},
        {Qt::Key_Backtab, strgUmschalt, 3, 0}, {Qt::Key_Tab, strg, 0, 0}, {Qt::Key_PageDown, strg, 0, 0},
    };
    int nummer = 0;
    for (const Schritt& s : schritte) {
        druecke(view.get(), s.taste, s.modifiers);
        QCoreApplication::processEvents();
        ++nummer;
        ASSERT_EQ(navigation().currentTab, s.tab) << "step " << nummer;
        EXPECT_EQ(view->tabCtrl()->currentIndex(), s.tab) << "step " << nummer;
        if (s.tab > 0) {
            EXPECT_EQ(navigation().currentSubPage[s.tab - 1], s.sub) << "step " << nummer;
        }
        ASSERT_NE(view->currentPage(), nullptr);
        EXPECT_EQ(QApplication::focusWidget(), erstesFeld(view->currentPage())) << "step " << nummer;
    }

    // A field that holds no number keeps its page.
    QLineEdit* feld = edit(system(), systemkonfig::kLeerlaufzeit);
    feld->setFocus();
    feld->setText("abc");
    druecke(view.get(), Qt::Key_Tab, strg);
    EXPECT_EQ(navigation().currentTab, 0);
    EXPECT_TRUE(inputErrorPending());
    EXPECT_EQ(QApplication::focusWidget(), feld);
}

} // namespace
} // namespace hvx::test

namespace hvx::test {
namespace {

// The sheet keeps one size and place on every tab and sub tab, and in the main window of the
// default size it leaves the logo free, for the tallest pages of every variant and in both languages.
void pruefeFesteSeitenflaeche(CHVXDoc& doc, TestApp::Language sprache)
{
    CMainFrame frame;
    frame.LoadFrame();
    auto* view = new CHVXView(&frame);
    frame.setCentralWidget(view);
    view->setDocument(&doc);
    frame.resize(settings::kFrameWidth.defaultValue, settings::kFrameHeight.defaultValue);
    frame.show();
    const quint8 typen[][3] = {
        {0x13, modultyp::kPH, modultyp::kChlor},         {0x23, modultyp::kAbsalzKonduktiv, modultyp::kFreigabeOderTimer},
        {0x33, modultyp::kNormsignal, modultyp::kChlor}, {0x43, modultyp::kChlor, modultyp::kLfInduktiv},
        {0x53, modultyp::kChlor, modultyp::kRedoxPlusMinus},
    };
    for (const auto& t : typen) {
        NeueKonfiguration wahl{t[0], {}};
        for (int slot = 0; slot < 2; ++slot) {
            wahl.module[slot].modultyp = t[slot + 1];
            wahl.module[slot].reglertyp = anfangsReglertyp(t[slot + 1], t[0] >> 4);
        }
        ASSERT_TRUE(doc.OnNewDocument(wahl));
        for (int runde = 0; runde < 3; ++runde)
            QCoreApplication::processEvents();
        const QRectF logo = view->logo().placement(QPointF(0, 0));
        ASSERT_FALSE(logo.isEmpty());
        const QRect flaeche = view->tabCtrl()->geometry();
        EXPECT_LT(flaeche.bottom(), logo.top()) << int(t[0]) << " language " << int(sprache);
        for (int tab = 0; tab < view->tabCtrl()->count(); ++tab) {
            view->tabCtrl()->step(tab == 0 ? 0 : 1);
            for (int sub = 0; sub < 3; ++sub) {
                if (tab > 0)
                    view->modulePage(tab - 1)->tabCtrl()->step(1);
                QCoreApplication::processEvents();
                const QRect jetzt = view->tabCtrl()->geometry();
                EXPECT_EQ(jetzt, flaeche) << int(t[0]) << " tab " << tab << " sub " << sub << ": " << jetzt.y() << " "
                                         << jetzt.width() << "x" << jetzt.height() << " instead of " << flaeche.y() << " "
                                         << flaeche.width() << "x" << flaeche.height();
            }
        }
    }
}

TEST_F(PageEngine, TheSheetKeepsOneSizeAndPlaceAndLeavesTheLogoFree)
{
    pruefeFesteSeitenflaeche(doc, TestApp::Language::German);
}

TEST_F(PageEngineEnglish, TheSheetKeepsOneSizeAndPlaceAndLeavesTheLogoFree)
{
    pruefeFesteSeitenflaeche(doc, TestApp::Language::English);
}

} // namespace
} // namespace hvx::test
