// The documentation keeps up with the program: every command and option that hvxcli and hvx-sim
// list in their live --help is in their manual page, the reference in docs/ and the shell
// completion; every menu command of Main.lan and every help topic is in the manual of each
// language; every switch of hvx and every setting is documented; every link and picture of the
// manuals, README and docs/ resolves, and each picture names the scene that takes it; the manual
// pages render without a warning and the completions complete.
#include "base/HelpTopics.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

namespace {

const QString kRoot = QStringLiteral(HVX_SOURCE_DIR);
const QString kBin = QStringLiteral(HVX_TEST_BIN_DIR);

QString readText(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

QString source(const QString& relative)
{
    return readText(kRoot + u'/' + relative);
}

struct ProgramRun {
    int status = -1;
    QString out;
    QString err;
};

// A program of the build with a settings file of its own, so that the user's stays untouched.
ProgramRun run(const QString& program, const QStringList& arguments, const QProcessEnvironment& extra = {})
{
    static QTemporaryDir settings;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HVX_SETTINGS"), settings.filePath(QStringLiteral("hvx.ini")));
    for (const QString& key : extra.keys())
        environment.insert(key, extra.value(key));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ProgramRun result;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << program.toStdString() << " did not end";
        return result;
    }
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QStringList matches(const QString& text, const QString& pattern, int group = 1)
{
    QStringList found;
    const QRegularExpression re(pattern, QRegularExpression::MultilineOption);
    for (auto it = re.globalMatch(text); it.hasNext();)
        found.append(it.next().captured(group));
    return found;
}

// The options ("--name") a help text names.
QStringList optionsIn(const QString& help)
{
    QStringList options = matches(help, QStringLiteral("(?<![\\w-])(--[a-z][a-z-]*[a-z])"));
    options.removeDuplicates();
    return options;
}

// A manual page's text with groff's dashes and font changes taken out.
QString manText(const QString& page)
{
    QString text = source(QStringLiteral("resources/man/") + page);
    text.replace(QLatin1String("\\-"), QLatin1String("-"));
    text.remove(QRegularExpression(QStringLiteral("\\\\f[BIRP]")));
    return text;
}

// The blocks of a manual page's COMMANDS section, by command: every ".B command ..." item line
// with the lines up to the next item.
std::map<QString, QString> manCommandBlocks(const QString& man)
{
    std::map<QString, QString> blocks;
    const qsizetype start = man.indexOf(QLatin1String(".SH COMMANDS"));
    const qsizetype end = man.indexOf(QLatin1String(".SH"), start + 1);
    const QStringList lines = man.mid(start, end - start).split(u'\n');
    QString current;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const bool item = i > 0 && (lines[i - 1] == QLatin1String(".TP") || lines[i - 1] == QLatin1String(".TQ"))
                          && lines[i].startsWith(QLatin1String(".B "));
        if (item)
            current = lines[i].mid(3).section(u' ', 0, 0);
        if (!current.isEmpty())
            blocks[current] += lines[i] + u'\n';
    }
    return blocks;
}

// The sections of a Markdown file by the first word of their "### " heading.
std::map<QString, QString> markdownSections(const QString& markdown)
{
    std::map<QString, QString> sections;
    QString current;
    for (const QString& line : markdown.split(u'\n')) {
        if (line.startsWith(QLatin1String("#")))
            current = line.startsWith(QLatin1String("### ")) ? line.mid(4).section(u' ', 0, 0) : QString();
        if (!current.isEmpty())
            sections[current] += line + u'\n';
    }
    return sections;
}

// The completion's option table: [command]="options".
std::map<QString, QString> completionTable(const QString& script)
{
    std::map<QString, QString> table;
    const QRegularExpression row(QStringLiteral("^\\s*\\[([a-z-]+)\\]=\"([^\"]*)\""), QRegularExpression::MultilineOption);
    const qsizetype start = script.indexOf(QLatin1String("_hvxcli_options=("));
    const QString block = script.mid(start, script.indexOf(u')', start) - start);
    for (auto it = row.globalMatch(block); it.hasNext();) {
        const auto m = it.next();
        table[m.captured(1)] = m.captured(2);
    }
    return table;
}

bool hasWord(const QString& text, const QString& word)
{
    return QRegularExpression(QStringLiteral("(?<![\\w-])") + QRegularExpression::escape(word) + QStringLiteral("(?![\\w-])"))
        .match(text)
        .hasMatch();
}

struct Language {
    const char* folder;
    const char* manual;
};
const Language kLanguages[] = {{"01-Deutsch", "Deutsch.html"}, {"02-English", "English.html"}};

QString manualPath(const Language& language)
{
    return kRoot + QStringLiteral("/lang/") + QLatin1String(language.folder) + u'/' + QLatin1String(language.manual);
}

// The ids of the manual's headings (h2 and h3).
QSet<QString> headingIds(const QString& html)
{
    const QStringList ids = matches(html, QStringLiteral("<h[23]\\b[^>]*\\bid=\"([^\"]+)\""));
    return QSet<QString>(ids.begin(), ids.end());
}

// The text of an HTML fragment: tags out, the few entities the manuals use decoded.
QString plainText(QString html)
{
    html.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    html.replace(QLatin1String("&lt;"), QLatin1String("<")).replace(QLatin1String("&gt;"), QLatin1String(">"));
    return html.replace(QLatin1String("&amp;"), QLatin1String("&")).simplified();
}

// A menu text as the manual writes it: without the mnemonic, the accelerator and the dots.
QString menuWords(QString text)
{
    text = text.section(QLatin1String("\\t"), 0, 0).remove(u'&').trimmed();
    while (text.endsWith(u'.') || text.endsWith(u'…'))
        text.chop(1);
    return text.trimmed();
}

} // namespace

TEST(Documentation, EveryHvxcliCommandAndOptionIsInTheManPageTheReferenceAndTheCompletion)
{
    const ProgramRun usage = run(kBin + QStringLiteral("/hvxcli"), {QStringLiteral("--help")});
    ASSERT_EQ(usage.status, 0) << usage.err.toStdString();
    const QStringList commands = matches(usage.out, QStringLiteral("^  ([a-z][a-z-]*)\\s"));
    ASSERT_GE(commands.size(), 17) << usage.out.toStdString();

    const QString man = manText(QStringLiteral("hvxcli.1"));
    const auto manBlocks = manCommandBlocks(man);
    const auto cliSections = markdownSections(source(QStringLiteral("docs/cli.md")));
    const QString cli = source(QStringLiteral("docs/cli.md"));
    const auto completionScript = source(QStringLiteral("resources/completion/hvxcli"));
    const auto completion = completionTable(completionScript);
    for (const QString& option : optionsIn(usage.out)) {
        EXPECT_TRUE(hasWord(man, option)) << "hvxcli.1 lacks " << option.toStdString();
        EXPECT_TRUE(hasWord(cli, option)) << "docs/cli.md lacks " << option.toStdString();
        EXPECT_TRUE(hasWord(completionScript, option)) << "the completion lacks " << option.toStdString();
    }
    for (const QString& command : commands) {
        SCOPED_TRACE(command.toStdString());
        const ProgramRun help = run(kBin + QStringLiteral("/hvxcli"), {command, QStringLiteral("--help")});
        EXPECT_EQ(help.status, 0);
        const bool inMan = manBlocks.count(command) > 0;
        const bool inCli = cliSections.count(command) > 0;
        const bool inCompletion = completion.count(command) > 0;
        EXPECT_TRUE(inMan) << "hvxcli.1 has no item for the command";
        EXPECT_TRUE(inCli) << "docs/cli.md has no section for the command";
        EXPECT_TRUE(inCompletion) << "the completion does not offer the command";
        for (const QString& option : optionsIn(help.out)) {
            if (option == QLatin1String("--help"))
                continue;
            EXPECT_TRUE(inMan && hasWord(manBlocks.at(command), option)) << "hvxcli.1: " << option.toStdString();
            EXPECT_TRUE(inCli && hasWord(cliSections.at(command), option)) << "docs/cli.md: " << option.toStdString();
            EXPECT_TRUE(inCompletion && hasWord(completion.at(command), option)) << "completion: " << option.toStdString();
        }
    }
}

TEST(Documentation, EveryHvxSimOptionAndFaultIsInTheManPageTheReferenceAndTheCompletion)
{
    const ProgramRun help = run(kBin + QStringLiteral("/hvx-sim"), {QStringLiteral("--help")});
    ASSERT_EQ(help.status, 0) << help.err.toStdString();
    const QStringList options = optionsIn(help.out);
    const QStringList faults = help.out.section(QLatin1String("Fault kinds:"), 1).section(u'\n', 0, 0).split(
        QRegularExpression(QStringLiteral("[,\\s]+")), Qt::SkipEmptyParts);
    ASSERT_GE(options.size(), 12);
    ASSERT_GE(faults.size(), 12);
    struct Document {
        QString name;
        QString text;
    };
    const QString completion = source(QStringLiteral("resources/completion/hvx-sim"));
    const Document documents[] = {{QStringLiteral("hvx-sim.1"), manText(QStringLiteral("hvx-sim.1"))},
                                  {QStringLiteral("docs/simulator.md"), source(QStringLiteral("docs/simulator.md"))},
                                  {QStringLiteral("completion"), completion}};
    for (const Document& document : documents) {
        for (const QString& word : options + faults)
            EXPECT_TRUE(hasWord(document.text, word)) << document.name.toStdString() << " lacks " << word.toStdString();
    }
}

TEST(Documentation, EverySwitchOfHvxIsInItsManPageAndTheManuals)
{
    QStringList switches = matches(source(QStringLiteral("src/base/CommandLine.cpp")), QStringLiteral("\"(/[A-Za-z]+:?)\""));
    switches.removeDuplicates();
    ASSERT_GE(switches.size(), 6) << switches.join(u' ').toStdString();
    const QString man = manText(QStringLiteral("hvx.1"));
    for (const QString& option : switches) {
        EXPECT_TRUE(man.contains(option)) << "hvx.1 lacks " << option.toStdString();
        for (const Language& language : kLanguages)
            EXPECT_TRUE(readText(manualPath(language)).contains(option)) << language.manual << " lacks " << option.toStdString();
    }
}

TEST(Documentation, EveryMenuCommandOfMainLanIsInTheManualOfItsLanguage)
{
    for (const Language& language : kLanguages) {
        SCOPED_TRACE(language.folder);
        const QString mainLan = source(QStringLiteral("lang/") + QLatin1String(language.folder) + QStringLiteral("/Main.lan"));
        const QString menuSections = mainLan.section(QLatin1String("[MenuStatus]"), 0, 0);
        const QStringList items = matches(menuSections, QStringLiteral("^(?:MainMenu\\d+Title|MM\\d+ITEM[\\d_]+)=([^\\r\\n]*)"));
        ASSERT_GE(items.size(), 30);
        // The menu paths the manual names: "Remote › Alarm Data...".
        QSet<QString> documented;
        for (const QString& span : matches(readText(manualPath(language)), QStringLiteral("(?s)<span class=\"menu\">(.*?)</span>"))) {
            for (const QString& part : plainText(span).split(u'›'))
                documented.insert(menuWords(part));
        }
        for (const QString& item : items)
            EXPECT_TRUE(documented.contains(menuWords(item))) << language.manual << " names no menu command " << item.toStdString();
    }
}

TEST(Documentation, EveryHelpTopicIsAHeadingOfBothManualsAndEveryPageAndDialogHasATopic)
{
    for (const Language& language : kLanguages) {
        const QSet<QString> ids = headingIds(readText(manualPath(language)));
        for (const hvx::HelpTopic& topic : hvx::helpTopics())
            EXPECT_TRUE(ids.contains(QLatin1String(topic.anchor))) << language.manual << " has no heading " << topic.anchor;
        for (const char* anchor : {hvx::kHelpStartAnchor, hvx::kHelpContentsAnchor})
            EXPECT_TRUE(ids.contains(QLatin1String(anchor))) << language.manual << " has no heading " << anchor;
    }

    // The sections of the pages and dialogs: Dialog.lan's and the program's own.
    QStringList sections = matches(source(QStringLiteral("lang/01-Deutsch/Dialog.lan")), QStringLiteral("^\\[([^\\]]+-Dialog)\\]"));
    QDirIterator files(kRoot + QStringLiteral("/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString text = readText(files.next());
        sections += matches(text, QStringLiteral("LanDialog\\(\"\\w+\", \"([^\"]+)\""));
        sections += matches(text, QStringLiteral("abschnitt = QStringLiteral\\(\"([^\"]+)\"\\)"));
        sections += matches(text, QStringLiteral("kAbschnitt = \"([^\"]+)\""));
    }
    sections.removeDuplicates();
    ASSERT_GE(sections.size(), 30);
    for (const QString& section : sections)
        EXPECT_FALSE(hvx::helpAnchor(section).isEmpty()) << "no help topic for " << section.toStdString();
    // ...and no row names a section that is gone.
    for (const hvx::HelpTopic& topic : hvx::helpTopics())
        EXPECT_TRUE(sections.contains(QLatin1String(topic.section))) << "stale help topic " << topic.section;
}

TEST(Documentation, EveryLinkAndPictureOfTheManualsReadmeAndDocsResolves)
{
    QStringList files{manualPath(kLanguages[0]), manualPath(kLanguages[1]), kRoot + QStringLiteral("/README.md")};
    for (const QFileInfo& doc : QDir(kRoot + QStringLiteral("/docs")).entryInfoList({QStringLiteral("*.md")}))
        files.append(doc.absoluteFilePath());
    ASSERT_GE(files.size(), 9);

    // GitHub's anchors of Markdown headings: lower case, punctuation dropped, blanks as dashes.
    const auto markdownAnchors = [](const QString& text) {
        QSet<QString> anchors;
        for (QString heading : matches(text, QStringLiteral("^#+\\s+([^\\r\\n]*)"))) {
            heading = heading.toLower().remove(QRegularExpression(QStringLiteral("[^\\w\\- ]")));
            anchors.insert(heading.replace(u' ', u'-'));
        }
        return anchors;
    };
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const QString text = readText(file);
        const bool html = file.endsWith(QLatin1String(".html"));
        const QStringList targets = html ? matches(text, QStringLiteral("\\b(?:href|src)=\"([^\"]+)\""))
                                         : matches(text, QStringLiteral("\\]\\(([^)\\s]+)\\)"));
        EXPECT_TRUE(!html || !targets.isEmpty()) << "the reader of a manual could not find this test's links";
        for (const QString& target : targets) {
            if (target.startsWith(QLatin1String("http")) || target.startsWith(QLatin1String("mailto:")))
                continue;
            const QString path = target.section(u'#', 0, 0);
            const QString fragment = target.section(u'#', 1);
            QString resolved = path.isEmpty() ? file : QFileInfo(file).absoluteDir().filePath(path);
            // A manual's "../help.css" lies beside the programs, where the build and the install
            // put the program files of resources/.
            if (html && path.startsWith(QLatin1String("../")) && !QFileInfo::exists(resolved)) {
                EXPECT_TRUE(source(QStringLiteral("src/CMakeLists.txt")).contains(QStringLiteral("resources/") + path.mid(3)))
                    << path.toStdString() << " is not among the program files";
                resolved = kRoot + QStringLiteral("/resources/") + path.mid(3);
            }
            ASSERT_TRUE(QFileInfo::exists(resolved)) << "missing " << target.toStdString();
            if (fragment.isEmpty())
                continue;
            const QString targetText = readText(resolved);
            const bool found = resolved.endsWith(QLatin1String(".md"))
                                   ? markdownAnchors(targetText).contains(fragment)
                                   : targetText.contains(QStringLiteral("id=\"%1\"").arg(fragment));
            EXPECT_TRUE(found) << "no anchor " << target.toStdString();
        }
    }
}

TEST(Documentation, EveryPictureOfTheManualsNamesItsSceneAndScriptsScreenshotsTakesIt)
{
    const QString scenes = source(QStringLiteral("tests/app/gui/ManualPicturesTest.cpp"));
    for (const Language& language : kLanguages) {
        SCOPED_TRACE(language.manual);
        const QString html = readText(manualPath(language));
        QSet<QString> shown;
        for (const QString& figure : matches(html, QStringLiteral("(?s)<div class=\"figure\">(.*?)</div>"))) {
            const QString picture = matches(figure, QStringLiteral("<img src=\"pictures/([\\w-]+)\\.png\"")).value(0);
            const QString caption = matches(figure, QStringLiteral("(?s)<p class=\"caption\">(.*?)</p>")).value(0);
            ASSERT_FALSE(picture.isEmpty()) << figure.toStdString();
            shown.insert(picture);
            EXPECT_TRUE(caption.contains(QLatin1String("scripts/screenshots")) && caption.contains(picture))
                << picture.toStdString() << ": the caption does not name its source";
            EXPECT_TRUE(scenes.contains(QStringLiteral("QStringLiteral(\"%1\")").arg(picture)))
                << picture.toStdString() << ": no scene of scripts/screenshots takes it";
        }
        EXPECT_EQ(matches(html, QStringLiteral("<img\\b")).size(), shown.size()) << "a picture outside a figure";
        // No picture lies beside the manual that it does not show.
        const QDir pictures(QFileInfo(manualPath(language)).absolutePath() + QStringLiteral("/pictures"));
        for (const QString& file : pictures.entryList({QStringLiteral("*.png")}))
            EXPECT_TRUE(shown.contains(QFileInfo(file).completeBaseName())) << "unused picture " << file.toStdString();
    }
}

TEST(Documentation, EverySettingIsInTheSettingsReference)
{
    const QString reference = source(QStringLiteral("docs/settings.md"));
    std::map<QString, QString> sections;
    QString current;
    for (const QString& line : reference.split(u'\n')) {
        if (line.startsWith(QLatin1String("## ")))
            current = line.mid(3).remove(u'[').remove(u']');
        sections[current] += line + u'\n';
    }
    const QString rows = source(QStringLiteral("src/base/SettingsTable.h"))
                         + source(QStringLiteral("tools/simulator/InProcessSimulator.cpp"));
    const QRegularExpression row(QStringLiteral("\\{\"(\\w+)\", \"(\\w+)\","));
    int count = 0;
    for (auto it = row.globalMatch(rows); it.hasNext(); ++count) {
        const auto m = it.next();
        const QString section = m.captured(1);
        const QString name = QLatin1Char('`') + m.captured(2) + QLatin1Char('`');
        const bool documented = sections.count(section) && sections.at(section).contains(name);
        EXPECT_TRUE(documented) << "docs/settings.md: [" << section.toStdString() << "] " << name.toStdString();
    }
    EXPECT_GE(count, 40);
}

TEST(Documentation, ManPagesRenderWithoutAWarning)
{
    const QString groff = QStandardPaths::findExecutable(QStringLiteral("groff"));
    if (groff.isEmpty())
        GTEST_SKIP() << "groff is not installed (scripts/setup installs it)";
    const QString man = QStandardPaths::findExecutable(QStringLiteral("man"));
    QProcessEnvironment width;
    width.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
    width.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    for (const char* page : {"hvx.1", "hvxcli.1", "hvx-sim.1"}) {
        SCOPED_TRACE(page);
        const QString path = kRoot + QStringLiteral("/resources/man/") + QLatin1String(page);
        const ProgramRun checked = run(groff, {QStringLiteral("-wall"), QStringLiteral("-man"), QStringLiteral("-Tutf8"), QStringLiteral("-z"), path});
        EXPECT_EQ(checked.status, 0);
        EXPECT_EQ(checked.err, QString());
        if (man.isEmpty())
            continue;
        const ProgramRun shown = run(man, {QStringLiteral("--warnings=all"), QStringLiteral("-l"), path}, width);
        EXPECT_EQ(shown.status, 0);
        EXPECT_EQ(shown.err, QString());
        EXPECT_TRUE(shown.out.contains(QStringLiteral("EXIT STATUS")));
    }
}

TEST(Documentation, TheCompletionsOfferCommandsOptionsPortsAndFilesByExtension)
{
    QTemporaryDir dir;
    for (const char* name : {"anlage.hxd", "notiz.txt", "alarme.alm"}) {
        QFile file(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QFile settings(dir.filePath(QStringLiteral("hvx.ini")));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[Communication]\r\nPort=7\r\n[Ports]\r\nCOM5=/dev/serial/by-id/usb-x\r\nCOM12=sim\r\n");
    settings.close();

    struct Case {
        const char* script;    // completion file
        const char* function;  // its function
        QStringList words;     // the command line, the last word being completed
        QStringList offered;   // must be among the answers
        QStringList notOffered;
    };
    const Case cases[] = {
        {"hvxcli", "_hvxcli", {"hvxcli", "tr"}, {"transfer"}, {"diff"}},
        {"hvxcli", "_hvxcli", {"hvxcli", ""}, {"new", "set-info", "record", "--version"}, {}},
        {"hvxcli", "_hvxcli", {"hvxcli", "transfer", "--"}, {"--keep-calibration", "--overwrite-calibration", "--verify"}, {"--json"}},
        {"hvxcli", "_hvxcli", {"hvxcli", "read", "--port", ""}, {"4", "7", "11"}, {}},
        {"hvxcli", "_hvxcli", {"hvxcli", "info", ""}, {"anlage.hxd"}, {"notiz.txt", "alarme.alm"}},
        {"hvxcli", "_hvxcli", {"hvxcli", "export", "anlage.hxd", ""}, {"notiz.txt"}, {"alarme.alm"}},
        {"hvxcli", "_hvxcli", {"hvxcli", "alarms", ""}, {"read", "show", "delete"}, {}},
        {"hvxcli", "_hvxcli", {"hvxcli", "alarms", "show", ""}, {"alarme.alm"}, {"anlage.hxd"}},
        {"hvx-sim", "_hvx_sim", {"hvx-sim", "--fault", "c"}, {"corrupt-store"}, {"delay"}},
        {"hvx-sim", "_hvx_sim", {"hvx-sim", "--parameter-file", ""}, {"anlage.hxd"}, {"notiz.txt"}},
        {"hvx-sim", "_hvx_sim", {"hvx-sim", "--t"}, {"--trace", "--turnaround-ms"}, {"--link"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words.join(u' ').toStdString());
        QStringList quoted;
        for (const QString& word : c.words)
            quoted.append(u'\'' + word + u'\'');
        const QString script = QStringLiteral("source '%1/resources/completion/%2' && complete -p %2 >/dev/null && "
                                              "COMP_WORDS=(%3) && COMP_CWORD=%4 && %5 && printf '%s\\n' \"${COMPREPLY[@]}\"")
                                   .arg(kRoot, QLatin1String(c.script), quoted.join(u' '))
                                   .arg(c.words.size() - 1)
                                   .arg(QLatin1String(c.function));
        QProcess bash;
        bash.setWorkingDirectory(dir.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HVX_SETTINGS"), settings.fileName());
        bash.setProcessEnvironment(environment);
        bash.start(QStringLiteral("bash"), {QStringLiteral("-c"), script});
        ASSERT_TRUE(bash.waitForFinished(10000));
        EXPECT_EQ(bash.exitCode(), 0) << bash.readAllStandardError().toStdString();
        const QStringList answers = QString::fromUtf8(bash.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        for (const QString& expected : c.offered)
            EXPECT_TRUE(answers.contains(expected)) << expected.toStdString() << " not in " << answers.join(u' ').toStdString();
        for (const QString& unexpected : c.notOffered)
            EXPECT_FALSE(answers.contains(unexpected)) << unexpected.toStdString();
    }
}
