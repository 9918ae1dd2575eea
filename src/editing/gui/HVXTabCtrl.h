#pragma once
// The tab control of the view and of the module containers: a tab bar over a page area. Every
// tab item carries the page it shows; only the selected page is shown and enabled. A switch
// the user asks for goes through a check first (the page being left may refuse); after it the
// keyboard focus is in the first field of the page shown.

#include <QWidget>

#include <functional>

class QHBoxLayout;
class QStackedWidget;
class QTabBar;

class CHVXTabCtrl : public QWidget {
    Q_OBJECT
public:
    explicit CHVXTabCtrl(QWidget* parent = nullptr);

    // Called before a switch the user asked for; false keeps the current tab.
    void setSwitchCheck(std::function<bool(int from, int to)> check) { m_switchCheck = std::move(check); }

    int count() const;
    int currentIndex() const;
    QWidget* page(int index) const;
    QString tabText(int index) const;
    int indexOf(const QWidget* page) const;

    void insertTab(int index, QWidget* page, const QString& text);
    void setTabText(int index, const QString& text);
    // Removes the tab item; the page itself is kept (hidden), as the view owns it.
    void removeTab(int index);
    // Selects a tab without asking the check (used by the program, not by the user).
    void select(int index);
    // The user steps to the next (1) or previous (-1) tab, round from the last to the first; the
    // switch is checked as a click on the tab is.
    void step(int delta);

    QTabBar* tabBar() const { return m_bar; }
    // A widget at the right end of the tab row (the view's revision caption).
    void setCornerWidget(QWidget* widget);
    // The sheet keeps one size on every tab: that of its largest page.
    void keepLargestPageSize();

Q_SIGNALS:
    void switched(int index);

private:
    void onBarChanged(int index);
    void barChanged();
    void showOnly(int index);

    QTabBar* m_bar;
    QHBoxLayout* m_kopf;
    QStackedWidget* m_stack;
    std::function<bool(int, int)> m_switchCheck;
    int m_current = -1;
    bool m_programmatic = false;
};
