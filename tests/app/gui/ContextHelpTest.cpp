// Context help: F1 and the help button open the manual of the language in use at the topic of
// the page, sub page or dialog shown; without a browser the manual opens in the program's own
// help window, whose contents show the topic; "Hilfe..." and "Inhalt..." open the start and the
// list of topics; back and forward walk the topics visited.
#include "GuiTestSupport.h"

#include "app/gui/CommandIds.h"
#include "app/gui/EinstellungenDlg.h"
#include "app/gui/Help.h"
#include "app/gui/HelpWindow.h"
#include "app/gui/HvxGuiApp.h"
#include "app/gui/MainFrame.h"
#include "base/gui/HvxZugangscodeDlg.h"
#include "devicedata/gui/AlarmDlg.h"
#include "document/gui/VersionAnpassenDlg.h"
#include "editing/gui/HVXTabCtrl.h"
#include "editing/gui/HVXView.h"
#include "editing/gui/HvxModulParameter.h"
#include "model/Modulauswahl.h"
#include "model/Reglerart.h"
#include "support/TestApp.h"

#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <gtest/gtest.h>

using hvx::test::TestApp;
using hvx::gui::CHvxGuiApp;
namespace cmd = hvx::cmd;
namespace art = hvx::reglerart;

namespace {

constexpr int kNone = -1;

struct PageCase {
    quint8 revision;
    std::vector<quint8> modules;
    int controllerOfSlot1; // kind code, or kNone for the module's first controller
    int tab;
    int subPage;
    const char* topic;
};

// One row per page kind and controller kind, in the configuration that shows it.
const PageCase kPages[] = {
    {0x13, {1, 7, 2}, kNone, 0, 0, "system-page"},
    {0x13, {1, 7, 2}, kNone, 1, 0, "module-configuration-page"},
    {0x13, {1, 7, 2}, kNone, 1, 1, "measuring-ph"},
    {0x13, {1, 7, 2}, kNone, 2, 1, "measuring-chlorine"},
    {0x13, {1, 7, 2}, kNone, 3, 1, "measuring-redox"},
    {0x13, {3, 4, 6}, kNone, 1, 1, "measuring-temperature"},
    {0x13, {3, 4, 6}, kNone, 2, 1, "measuring-standard-signal"},
    {0x13, {3, 4, 6}, kNone, 3, 1, "measuring-conductivity"},
    {0x13, {1, 7, 2}, kNone, 1, 2, "controller-signal-device"},
    {0x13, {1, 7, 2}, art::kPid2, 1, 2, "controller-pid-2"},
    {0x13, {1, 7, 2}, art::kPid3, 1, 2, "controller-pid-3"},
    {0x13, {1, 7, 2}, art::kFuzzy2, 1, 2, "controller-fuzzy-2"},
    {0x13, {1, 7, 2}, art::kFuzzy3, 1, 2, "controller-fuzzy-3"},
    {0x13, {1, 7, 2}, art::kAdaptivSchnell2, 1, 2, "controller-adaptive-2"},
    {0x13, {1, 7, 2}, art::kAdaptivAsymptotisch3, 1, 2, "controller-adaptive-3"},
    {0x23, {16, 1}, kNone, 1, 2, "controller-blow-down"},
    {0x23, {1, 13}, kNone, 2, 0, "timer-page"},
    {0x13, {1, 13}, kNone, 2, 0, "module-tabs"},
};

class ContextHelp : public ::testing::TestWithParam<TestApp::Language> {
protected:
    ContextHelp() : t(GetParam())
    {
        hvx::test::guiApp();
        t.app().WriteProfileInt("Options", "Titletime", 0);
        t.app().WriteProfileString("System", "LogDir", t.dir());
        t.ui().allowUnusedAnswers();
        // As the window's start-up does: F1 in a dialog opens the manual.
        hvx::gui::InstallContextHelp();
        // No browser on this desktop: the help window shows the manual.
        hvx::gui::SetBrowserOpener([this](const QUrl& url) {
            m_browser.append(url);
            return m_hasBrowser;
        });
    }
    ~ContextHelp() override
    {
        CHelpWindow::CloseAll();
        hvx::gui::SetBrowserOpener({});
        hvx::test::closeModalDialogs();
    }

    QString manualFile() const
    {
        return GetParam() == TestApp::Language::English ? QStringLiteral("/02-English/English.html")
                                                        : QStringLiteral("/01-Deutsch/Deutsch.html");
    }

    QString configuration(quint8 revision, const std::vector<quint8>& modules, int controllerOfSlot1 = kNone)
    {
        CHVXDoc doc;
        NeueKonfiguration choice{revision, {}};
        for (std::size_t slot = 0; slot < modules.size(); ++slot)
            choice.module[slot] = {modules[slot], hvx::anfangsReglertyp(modules[slot], revision >> 4)};
        doc.OnNewDocument(choice);
        // The file holds the controller kind: a change in the window would be an edit to save.
        if (controllerOfSlot1 != kNone)
            hvx::setzeReglerart(doc.parametersatz(), 0, controllerOfSlot1);
        const QString path = t.filePath(QStringLiteral("anlage%1.hxd").arg(++m_files));
        EXPECT_TRUE(doc.DoSave(path));
        return path;
    }

    static void pressF1(QWidget* window)
    {
        for (QShortcut* key : window->findChildren<QShortcut*>()) {
            if (key->key() == QKeySequence(Qt::Key_F1) && key->parent() == window) {
                Q_EMIT key->activated();
                return;
            }
        }
        ADD_FAILURE() << "no F1 on " << window->metaObject()->className();
    }

    // The topic the help window shows, checked against its contents: the manual has a heading
    // with that id.
    void expectHelpWindowAt(const char* topic)
    {
        CHelpWindow* help = CHelpWindow::Current();
        ASSERT_NE(help, nullptr) << topic;
        EXPECT_TRUE(help->source().path().endsWith(manualFile())) << help->source().toString().toStdString();
        EXPECT_EQ(help->source().fragment(), QLatin1String(topic));
        EXPECT_EQ(help->selectedTopic(), QLatin1String(topic)) << "the manual has no heading " << topic;
    }

    TestApp t;
    QList<QUrl> m_browser;
    bool m_hasBrowser = false;
    int m_files = 0;
};

} // namespace

TEST_P(ContextHelp, F1OnEveryKindOfPageOpensItsTopicInTheHelpWindow)
{
    for (const PageCase& page : kPages) {
        SCOPED_TRACE(page.topic);
        const QString path = configuration(page.revision, page.modules, page.controllerOfSlot1);
        CHvxGuiApp gui(t.app());
        gui.UseInteraction(&t.ui());
        ASSERT_EQ(gui.InitInstance({path}), CHvxGuiApp::Start::Run);
        // The user clicks the tab and the sub page.
        gui.view()->tabCtrl()->tabBar()->setCurrentIndex(page.tab);
        if (page.tab > 0 && gui.view()->modulePage(page.tab - 1)->page(page.subPage) != nullptr)
            gui.view()->modulePage(page.tab - 1)->tabCtrl()->tabBar()->setCurrentIndex(page.subPage);
        pressF1(gui.frame());
        expectHelpWindowAt(page.topic);
        CHelpWindow::CloseAll();
        // The controller kind set above is a change of the document: the close asks about it.
        if (page.controllerOfSlot1 != kNone)
            t.ui().answerMessageBox(hvx::IDNO, QStringLiteral(".hxd"));
        gui.frame()->close();
    }
}

TEST_P(ContextHelp, TheHelpButtonAndTheHelpMenuOpenTheTopicTheStartAndTheContents)
{
    const QString path = configuration(0x13, {1, 7, 2});
    CHvxGuiApp gui(t.app());
    gui.UseInteraction(&t.ui());
    ASSERT_EQ(gui.InitInstance({path}), CHvxGuiApp::Start::Run);
    gui.view()->tabCtrl()->tabBar()->setCurrentIndex(2);

    struct MenuCase {
        int command;
        const char* fragment;
    };
    const MenuCase cases[] = {{cmd::kContextHelp, "module-configuration-page"}, {cmd::kHelpIndex, ""},
                              {cmd::kHelpFinder, "contents"}};
    m_hasBrowser = true;
    for (const MenuCase& c : cases) {
        ASSERT_TRUE(gui.frame()->RunCommand(c.command)) << c.command;
        ASSERT_FALSE(m_browser.isEmpty());
        EXPECT_TRUE(m_browser.constLast().path().endsWith(manualFile()));
        EXPECT_EQ(m_browser.constLast().fragment(), QLatin1String(c.fragment)) << c.command;
    }
    // A desktop with a browser shows the manual there, not in the program's window.
    EXPECT_EQ(CHelpWindow::Current(), nullptr);
    gui.frame()->close();
}

TEST_P(ContextHelp, F1InADialogOpensTheDialogsTopicAndInTheSettingsThatOfThePageShown)
{
    CHVXDoc doc;
    CAlarmDlg alarms(doc);
    CVersionAnpassenDlg version(0x13);
    CHvxZugangscodeDlg code;
    CEinstellungenDlg settings;
    struct DialogCase {
        QWidget* dialog;
        std::function<void()> prepare;
        const char* topic;
    };
    const DialogCase cases[] = {
        {&alarms, {}, "alarm-data"},
        {&version, {}, "version-adaptation"},
        {&code, {}, "access-code"},
        {&settings, {}, "settings-directories"},
        {&settings, [&settings] { settings.tabs()->setCurrentIndex(2); }, "settings-log-book"},
    };
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(c.topic);
        c.dialog->show();
        if (c.prepare)
            c.prepare();
        pressF1(c.dialog);
        expectHelpWindowAt(c.topic);
        if (HasFatalFailure())
            return;
        // The help window belongs to the window that asked, so that it can be used beside it.
        EXPECT_EQ(CHelpWindow::Current()->parentWidget(), c.dialog);
        CHelpWindow::CloseAll();
        c.dialog->hide();
    }
}

TEST_P(ContextHelp, BackAndForwardWalkTheTopicsAndALanguageSwitchClosesTheWindow)
{
    const QString path = configuration(0x13, {1, 7, 2});
    CHvxGuiApp gui(t.app());
    gui.UseInteraction(&t.ui());
    ASSERT_EQ(gui.InitInstance({path}), CHvxGuiApp::Start::Run);
    pressF1(gui.frame());
    expectHelpWindowAt("system-page");
    gui.view()->tabCtrl()->tabBar()->setCurrentIndex(1);
    pressF1(gui.frame());
    expectHelpWindowAt("module-configuration-page");

    CHelpWindow* help = CHelpWindow::Current();
    help->back();
    expectHelpWindowAt("system-page");
    help->forward();
    expectHelpWindowAt("module-configuration-page");
    help->home();
    EXPECT_TRUE(help->source().fragment().isEmpty());

    // The other language's item of the language menu.
    const int other = GetParam() == TestApp::Language::English ? 183 : 184;
    gui.frame()->OnLanguage(other);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(CHelpWindow::Current(), nullptr);
    gui.frame()->close();
}

INSTANTIATE_TEST_SUITE_P(BothManuals, ContextHelp,
                         ::testing::Values(TestApp::Language::German, TestApp::Language::English),
                         [](const ::testing::TestParamInfo<TestApp::Language>& param) {
                             return param.param == TestApp::Language::English ? "English" : "German";
                         });
