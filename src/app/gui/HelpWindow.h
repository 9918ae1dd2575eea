#pragma once
// The program's own help window: the manual in a text browser, with back, forward, the start of
// the manual and its contents (the manual's headings) beside it. It shows the manual where the
// desktop has no browser, so that help always works, offline too.

#include <QMainWindow>
#include <QUrl>

class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

class CHelpWindow : public QMainWindow {
    Q_OBJECT
public:
    // Shows the manual at the address in the one help window. While a modal dialog runs, the
    // window belongs to it, so that it can be used beside the dialog.
    static CHelpWindow* Show(const QUrl& url, QWidget* origin);
    // The open help window, if any.
    static CHelpWindow* Current();
    // A language switch closes it (the next request opens the manual of the new language).
    static void CloseAll();

    QTextBrowser* browser() const { return m_browser; }
    QTreeWidget* contents() const { return m_contents; }
    // The page and topic shown.
    QUrl source() const;
    // The topic selected in the contents (empty when the shown place has no heading of its own).
    QString selectedTopic() const;

    void open(const QUrl& url);
    void back();
    void forward();
    void home();

private:
    explicit CHelpWindow(QWidget* parent);
    void applyTexts();
    void buildContents(const QString& html);
    void useStyleSheetOf(const QString& html, const QString& page);
    void selectTopic(const QUrl& url);

    QTextBrowser* m_browser;
    QTreeWidget* m_contents;
    QAction* m_back;
    QAction* m_forward;
    QAction* m_home;
    QString m_page; // the manual's file whose headings the contents show
};
