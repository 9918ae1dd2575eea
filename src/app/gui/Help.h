#pragma once
// The manual of the selected language: an HTML page in the language folder (German before a
// language is chosen), opened at a topic in the desktop's browser or, where there is none, in
// the program's own help window, so that help works on any machine, offline too.

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace hvx::gui {

enum class HelpCommand {
    Contents,     // "Inhalt...": the manual's list of topics
    DefaultTopic, // "Hilfe...": the manual from its start
    Context,      // F1, the help button: the topic of the page or dialog
};

// The manual of the language in use: the help file's name with ".html" in its folder; without a
// language, the first language folder's manual. Empty when there is none.
QString HelpPagePath();
// The manual at a topic (an anchor; empty: its start).
QUrl HelpUrl(const QString& anchor = QString());

// Opens the manual at the command's topic (anchor: the topic of a Context request). Shows
// message 61703 and returns false when the manual is missing.
bool ShowHelp(HelpCommand command, const QString& anchor = QString(), QWidget* origin = nullptr);

// Hands the manual to the desktop's browser; false where no browser takes web pages (the help
// window then shows it). Replaceable for tests and for taking the manual's pictures.
using BrowserOpener = std::function<bool(const QUrl& url)>;
void SetBrowserOpener(BrowserOpener opener);
bool OpenInDesktopBrowser(const QUrl& url);

// F1 in the dialogs opens their topic through ShowHelp.
void InstallContextHelp();

} // namespace hvx::gui
