#pragma once
// The editing view: the revision caption, the main tab control with the system page and one
// module container per fitted slot, the logo in the background, the page check (F12) and the
// two "Standard" commands. The main frame embeds it as its central widget and routes those
// commands here; it asks IsInputErrorPending() before it saves, opens, closes or shows a file
// dialog.

#include "model/Parametersatz.h"

#include <QWidget>

#include <array>
#include <memory>

class CHVXDoc;
class CHVXTabCtrl;
class CHvxModelessDlg;
class CHvxModulParameter;
class CHvxSystemKonfig;
class CViewLogo;
class QLabel;

class CHVXView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kVorlage = 133;
    static constexpr int kRevisionId = 1002;
    static constexpr int kTabCtrlId = 1004;
    static constexpr int kHintRebuild = 1;

    explicit CHVXView(QWidget* parent = nullptr);
    ~CHVXView() override;

    // The document whose parameter set the pages edit in place. Its updates with hint 1 rebuild
    // the tabs (reading its access flag for the read-only mode); saving a page marks it
    // modified; it asks the view for a pending input error before it saves.
    void setDocument(CHVXDoc* doc);
    CHVXDoc* document() const { return m_doc; }

    QString revisionCaption() const;
    CHVXTabCtrl* tabCtrl() const { return m_tabs; }
    CHvxSystemKonfig* systemPage() const { return m_systemKonfig; }
    CHvxModulParameter* modulePage(int slot) const { return m_module[slot]; }
    // The page the user works on now (nullptr while no page exists or the slot has none).
    CHvxModelessDlg* currentPage() const;
    // The manual's topic of the page shown (context help): its section and, on the controller
    // page, the controller kind; without a configuration the getting-started topic.
    QString helpTopic() const;
    const CViewLogo& logo() const { return *m_logo; }

    bool IsInputErrorPending() const;
    // Runs the save cycle of the page shown, so that the document stores what the user sees;
    // false when an input error stops it.
    bool CommitCurrentPage();
    bool CanSetDefaultsCurrent() const;
    bool CanSetDefaultsAll() const;

public Q_SLOTS:
    void OnUpdate(int hint);
    void CheckCurrentPage();   // 32798, F12
    void OnDefaultsCurrent();  // 32793
    void OnDefaultsAll();      // 32794
    // After a language switch: captions, control texts and lists in the new language, on the
    // page the user is on.
    void OnLanguageChanged();

Q_SIGNALS:
    // The status bar shows InputErrorText() while an error is pending, else its idle prompt.
    void inputErrorChanged(bool pending);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void baueTabs();
    QString tabCaption(int slot) const;
    // A tab key: the next or previous main tab, or sub tab of the module shown.
    void wechsleTab(bool unterseiten, int schritt);
    bool darfWechseln(int von);
    void zeigeFehler();
    CHvxModelessDlg* seiteVonTab(int tab, int subPage) const;

    void alleAnsichtenNeuAufbauen();
    bool editierbar() const;

    CHVXDoc* m_doc = nullptr;

    QLabel* m_revision;
    CHVXTabCtrl* m_tabs;
    CHvxSystemKonfig* m_systemKonfig;
    std::array<CHvxModulParameter*, 3> m_module{};
    std::unique_ptr<CViewLogo> m_logo;
};
