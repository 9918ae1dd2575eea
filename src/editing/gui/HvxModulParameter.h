#pragma once
// The module container of one slot: its own tab control with the module configuration,
// measuring and controller pages, the timer page of variant L, or the notice that the slot has
// nothing to set.

#include "editing/ModulSeitenplan.h"
#include "editing/PageDescription.h"
#include "model/Parametersatz.h"

#include <QWidget>

#include <functional>
#include <map>

class CHVXTabCtrl;
class CHvxModelessDlg;
class CHvxModulKonfig;
class QGroupBox;

class CHvxModulParameter : public QWidget {
    Q_OBJECT
public:
    static constexpr int kVorlage = 141;
    static constexpr int kTabCtrlId = 1003;
    static constexpr int kRahmenId = 1000;
    static constexpr int kKeineParameterId = 1001;
    static constexpr const char* kAbschnitt = "Modulparameter-Dialog"; // Dialog.lan section

    explicit CHvxModulParameter(QWidget* parent = nullptr);

    void setKontext(hvx::Parametersatz* ps, int slot, bool editierbar, std::function<void()> modified);
    int slot() const { return m_slot; }

    // Composes the container for the slot's module (and re-initialises existing pages).
    void OnInitDialog();
    // The controller choice changed: the controller tab follows with its caption and page.
    void OnControllerChanged();
    // A range or unit changed: the pages show their values anew.
    void OnRangeChanged();
    // Values changed under the pages (the controller kind did not): every page shows the record
    // again, the sub page shown stays.
    void ReloadPages();
    // After the defaults: every page shows the record again, the controller tab follows.
    void ReinitialisePages();
    // Texts, captions and lists in the current language, without leaving the sub page shown.
    void OnLanguageChanged();

    hvx::Modulinhalt inhalt() const { return m_inhalt; }
    CHVXTabCtrl* tabCtrl() const { return m_tabs; }
    // The page of a sub page (0 configuration or timer, 1 measuring, 2 controller); nullptr
    // where the slot has none.
    CHvxModelessDlg* page(int subPage) const;
    CHvxModelessDlg* currentPage() const;
    // Brings a sub page to the front without asking the page being left (error presentation).
    void showSubPage(int subPage);
    // Caption of the controller tab for the slot's current controller kind.
    QString controllerCaption() const { return m_reglerUeberschrift; }

Q_SIGNALS:
    void rebuildAllViews();
    void statusPrompt(bool errorPending);

private:
    void verbinde(CHvxModelessDlg* seite);
    void richteSeiteEin(CHvxModelessDlg* seite, int subPage);
    bool darfWechseln(int von, int nach);
    void zeigeHinweis(bool hinweis);
    CHvxModelessDlg* seiteFuer(const hvx::Seitenbeschreibung* beschreibung);
    void baueReglerTab();
    void reglerSeiteSpeichern();

    hvx::Parametersatz* m_ps = nullptr;
    int m_slot = 0;
    bool m_editierbar = true;
    std::function<void()> m_modified;
    hvx::Modulinhalt m_inhalt = hvx::Modulinhalt::KeineParameter;
    QString m_reglerUeberschrift;

    CHVXTabCtrl* m_tabs;
    QGroupBox* m_rahmen;
    CHvxModulKonfig* m_modulKonfig = nullptr;
    // Measuring, controller and timer pages by their description, created on first need.
    std::map<const hvx::Seitenbeschreibung*, CHvxModelessDlg*> m_seiten;
};
