// The main frame: menu texts from Main.lan by position, status-bar texts, tool tips, commands
// without a feature, the language switch and closing with a pending input error.
#include "GuiTestSupport.h"

#include "app/gui/CommandIds.h"
#include "app/gui/MainFrame.h"
#include "app/gui/MenuTexts.h"
#include "base/ProfileReader.h"
#include "support/TestApp.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <gtest/gtest.h>

using hvx::test::TestApp;
namespace cmd = hvx::cmd;

namespace {

QStringList menuTitles(CMainFrame& frame)
{
    QStringList titles;
    for (const QAction* action : frame.menuBar()->actions())
        titles.append(action->text());
    return titles;
}

QMenu* dropDown(CMainFrame& frame, int m)
{
    return frame.menuBar()->actions().at(m - 1)->menu();
}

class MainFrameTest : public ::testing::Test {
protected:
    // A Main.lan of the test's own in place of the language's.
    void useMainLan(const QString& text)
    {
        const QString path = t.filePath(QStringLiteral("Main.lan"));
        hvx::test::writeTextFile(path, text);
        t.app().m_strMainLan = path;
        hvx::NoteUserAction(); // the edited file is seen from the next action on
    }

    TestApp t;
};

TEST_F(MainFrameTest, OnlyTheFirstTitleKeyRenamesOnlyTheFirstMenu)
{
    useMainLan(QStringLiteral("[MainMenu]\nMainMenu1Title=&Akte\n"));
    CMainFrame frame;
    frame.LoadFrame();
    EXPECT_EQ(menuTitles(frame), (QStringList{"&Akte", "&Bearbeiten", "&Ansicht", "D&aten", "&Remote", "&Extras", "&?",
                                              "&Sprache"}));
    EXPECT_EQ(frame.CommandAction(cmd::kFileNew)->text(), "&Neu\tStrg+N");
    EXPECT_EQ(frame.CommandAction(cmd::kAppExit)->text(), "&Beenden");
    EXPECT_EQ(frame.CommandAction(cmd::kSelectPort)->text(), "&Schnittstelle auswählen...");
}

TEST_F(MainFrameTest, ItemsAreCountedWithoutSeparatorsRecentFilesAndSubMenuEntriesByPosition)
{
    useMainLan(QStringLiteral("[MainMenu1Items]\nMM1ITEM10=Aus&gabe\nMM1ITEM10_1=&Klartext\nMM1ITEM11=&Ende\n"
                              "[MainMenu5Items]\nMM5ITEM5=Über&tragen\\tPC -> Gerät\n"));
    CMainFrame frame;
    frame.LoadFrame();
    QMenu* file = dropDown(frame, 1);
    QMenu* exportMenu = nullptr;
    for (QAction* action : file->actions()) {
        if (action->menu() != nullptr)
            exportMenu = action->menu();
    }
    ASSERT_NE(exportMenu, nullptr);
    EXPECT_EQ(exportMenu->title(), "Aus&gabe");
    EXPECT_EQ(frame.CommandAction(cmd::kExportText)->text(), "&Klartext");
    EXPECT_EQ(frame.CommandAction(cmd::kAppExit)->text(), "&Ende");
    EXPECT_EQ(frame.CommandAction(cmd::kTransferProgramming)->text(), "Über&tragen\tPC -> Gerät");
    EXPECT_EQ(frame.CommandAction(cmd::kFilePrint)->text(), "&Drucken...\tStrg+P");
}

TEST_F(MainFrameTest, MissingKeysAfterASwitchShowTheBuiltInTextsAgain)
{
    useMainLan(QStringLiteral("[MainMenu]\nMainMenu2Title=&Edit\n[MainMenu2Items]\nMM2ITEM1=&Modules\n"));
    CMainFrame frame;
    frame.LoadFrame();
    EXPECT_EQ(menuTitles(frame).at(1), "&Edit");
    useMainLan(QStringLiteral("[MainMenu]\n"));
    frame.ApplyMenuTexts();
    EXPECT_EQ(menuTitles(frame).at(1), "&Bearbeiten");
    EXPECT_EQ(frame.CommandAction(cmd::kChangeModuleConfig)->text(), "&Modulkonfiguration ändern...");
}

TEST_F(MainFrameTest, HighlightedItemShowsItsMenuStatusTextOrNothing)
{
    useMainLan(QStringLiteral("[MenuStatus]\n57345=Bereit\n32776=Port wählen\n"));
    CMainFrame frame;
    frame.LoadFrame();
    EXPECT_EQ(frame.MessageText(), "Bereit");
    frame.CommandAction(cmd::kSelectPort)->hover();
    EXPECT_EQ(frame.MessageText(), "Port wählen");
    frame.CommandAction(cmd::kAppExit)->hover();
    EXPECT_EQ(frame.MessageText(), "");
}

TEST_F(MainFrameTest, PendingInputErrorTakesTheStatusBarAndIsLogged)
{
    CMainFrame frame;
    frame.LoadFrame();
    frame.SetInputErrorSource([] { return std::optional<PendingInputError>({1042, QStringLiteral("Wert zu groß")}); });
    frame.CommandAction(cmd::kSelectPort)->hover();
    EXPECT_EQ(frame.MessageText(), "Wert zu groß");
    const QStringList entries = t.logEntries();
    EXPECT_TRUE(entries.contains("Fehler ID: 1042"));
    EXPECT_TRUE(entries.contains("Fehlertext: Wert zu groß"));
}

TEST_F(MainFrameTest, ClosingWithAPendingInputErrorKeepsTheWindowOpen)
{
    CMainFrame frame;
    frame.LoadFrame();
    frame.show();
    bool pending = true;
    frame.SetInputErrorSource([&pending] {
        return pending ? std::optional<PendingInputError>({7, QStringLiteral("ungültige Zahl")}) : std::nullopt;
    });
    EXPECT_FALSE(frame.close());
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(frame.MessageText(), "Das Fenster bleibt offen, bis die Eingabe berichtigt ist: ungültige Zahl");
    pending = false;
    EXPECT_TRUE(frame.close());
}

TEST_F(MainFrameTest, ToolTipsComeFromMenuFlyerElseFromTheMenuTextCutTo79Characters)
{
    useMainLan(QStringLiteral("[MenuFlyer]\n32784=") + QString(100, u'x') + QStringLiteral("\n"));
    CMainFrame frame;
    frame.LoadFrame();
    EXPECT_EQ(frame.ToolTipText(cmd::kTransferProgramming), QString(79, u'x'));
    EXPECT_EQ(frame.ToolTipText(cmd::kFileOpen), "Öffnen...");
    EXPECT_EQ(frame.ToolTipText(0), "");
}

TEST_F(MainFrameTest, CommandsWithoutAFeatureStayVisibleAndDisabled)
{
    CMainFrame frame;
    frame.LoadFrame();
    for (const int id : {cmd::kFilePrint, cmd::kExportText, cmd::kReadParameters, cmd::kAlarmData, cmd::kSettings}) {
        EXPECT_TRUE(frame.CommandAction(id)->isVisible()) << id;
        EXPECT_FALSE(frame.CommandAction(id)->isEnabled()) << id;
        EXPECT_FALSE(frame.RunCommand(id)) << id;
    }
    bool ran = false;
    bool allowed = false;
    frame.RegisterCommand(cmd::kSettings, [&ran] { ran = true; }, [&allowed] { return allowed; });
    EXPECT_FALSE(frame.RunCommand(cmd::kSettings));
    allowed = true;
    frame.UpdateCommandStates();
    EXPECT_TRUE(frame.CommandAction(cmd::kSettings)->isEnabled());
    EXPECT_TRUE(frame.RunCommand(cmd::kSettings));
    EXPECT_TRUE(ran);
}

TEST_F(MainFrameTest, ASubMenuWithoutAnEntryToRunIsDisabled)
{
    CMainFrame frame;
    frame.LoadFrame();
    auto* subMenu = qobject_cast<QMenu*>(frame.CommandAction(cmd::kExportText)->parent());
    ASSERT_NE(subMenu, nullptr);
    QAction* exportMenu = subMenu->menuAction();
    EXPECT_FALSE(exportMenu->isEnabled());
    frame.RegisterCommand(cmd::kExportText, [] {});
    EXPECT_TRUE(exportMenu->isEnabled());
}

TEST_F(MainFrameTest, LanguageMenuListsTheFoldersAndChecksTheCurrentOne)
{
    CMainFrame frame;
    frame.LoadFrame();
    QMenu* languages = hvx::gui::LanguageMenu(frame.menuBar());
    ASSERT_NE(languages, nullptr);
    QStringList names;
    QList<bool> checked;
    for (const QAction* action : languages->actions()) {
        names.append(action->text());
        checked.append(action->isChecked());
    }
    EXPECT_EQ(names, (QStringList{"Deutsch", "English"}));
    EXPECT_EQ(checked, (QList<bool>{true, false}));
}

TEST_F(MainFrameTest, LanguageSwitchUpdatesSettingsMenuTitleAndAsksTheViews)
{
    CMainFrame frame;
    frame.SetDocumentTitle(QStringLiteral("anlage.hxd"));
    int refreshed = 0;
    frame.SetLanguageChangedHandler([&refreshed] { ++refreshed; });
    frame.LoadFrame();
    frame.OnLanguage(cmd::kLanguageFirst + 1);
    EXPECT_EQ(t.app().m_strLanguage, "02-English");
    EXPECT_EQ(t.app().GetStringSetting("System", "Language", QString()), "02-English");
    EXPECT_EQ(menuTitles(frame).constFirst(), "&File");
    EXPECT_EQ(frame.CommandAction(cmd::kFileNew)->text(), "&New\tCtrl+N");
    EXPECT_EQ(frame.MessageText(), "Ready");
    EXPECT_TRUE(frame.windowTitle().endsWith(" - anlage.hxd[*]"));
    EXPECT_EQ(frame.findChild<QToolBar*>()->windowTitle(), "Toolbar");
    EXPECT_EQ(refreshed, 1);
    const auto items = hvx::gui::LanguageMenu(frame.menuBar())->actions();
    EXPECT_FALSE(items.at(0)->isChecked());
    EXPECT_TRUE(items.at(1)->isChecked());
}

TEST_F(MainFrameTest, ServiceModeShowsItselfInTheTitle)
{
    t.app().m_bService = true;
    CMainFrame frame;
    frame.LoadFrame();
    frame.SetDocumentTitle(QStringLiteral("anlage.hxd"));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("HVX %1 – Service - anlage.hxd[*]").arg(frame.m_strShortVersion));
}

} // namespace

namespace {

TEST(MainFrameFirstRun, BuiltInGermanTextsFillStatusBarToolTipsAndTheLanguageMenu)
{
    TestApp t(TestApp::Language::None);
    CMainFrame frame;
    frame.LoadFrame();
    EXPECT_EQ(frame.MessageText(), "Bereit");
    frame.CommandAction(cmd::kSelectPort)->hover();
    EXPECT_EQ(frame.MessageText(), "Kommunikations-Port wählen...");
    EXPECT_EQ(frame.ToolTipText(cmd::kTransferProgramming), "Programmierung übertragen (mit Kalibrierdatenerhalt)");

    // German is in effect: it is the ticked one of exclusive choices.
    const auto items = hvx::gui::LanguageMenu(frame.menuBar())->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_TRUE(items.at(0)->isChecked());
    EXPECT_FALSE(items.at(1)->isChecked());
    ASSERT_NE(items.at(0)->actionGroup(), nullptr);
    EXPECT_TRUE(items.at(0)->actionGroup()->isExclusive());
    EXPECT_EQ(items.at(0)->actionGroup(), items.at(1)->actionGroup());
}

} // namespace
