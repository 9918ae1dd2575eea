#pragma once
// The page base: one engine that runs every editing page from its description. It builds the
// controls, fills the lists, sets the language texts, exchanges the fields with the parameter
// set (load, save, focus-out, Enter, Escape), runs the validators and the commands, applies the
// visibility and enable rules and the read-only mode.

#include "editing/PageDescription.h"
#include "editing/gui/WidgetControls.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class CHvxModelessDlg : public QWidget, public hvx::ISeitenAktionen {
    Q_OBJECT
public:
    CHvxModelessDlg(const hvx::Seitenbeschreibung& beschreibung, QWidget* parent = nullptr);
    ~CHvxModelessDlg() override;

    // What the page edits: the record, the slot, the tab and sub page it reports errors with,
    // and whether the parameters may be edited.
    void setKontext(hvx::Parametersatz* ps, int slot, int tab, int subPage, bool editierbar);
    // Called when the record may have changed: a save stored changed entries, or a command ran
    // (the document compares and marks itself modified).
    void setModifiedHook(std::function<void()> hook) { m_modified = std::move(hook); }

    const hvx::Seitenbeschreibung& beschreibung() const { return m_beschreibung; }
    const hvx::SeitenKontext& kontext() const { return m_kontext; }
    hvx::WidgetControls& controls() { return m_controls; }
    QWidget* control(int id) const { return m_controls.widget(id); }

    // (Re-)initialisation: lists, texts, visibility, fields from the record, enable rules or
    // the read-only mode.
    virtual void OnInitDialog();
    // The exchange cycle: saving checks first and exchanges only without error; loading while
    // an error is pending keeps the wrong text for correction.
    void ExchangePageData(bool speichern);
    // Runs the validators; true when no input error is pending.
    bool CheckPage();
    // Enter: save and load, then on to the next field when all is well.
    void OnOK();
    // Escape: the fields show the stored values again and the error is gone.
    void OnCancel();

    // ISeitenAktionen
    bool speichern() override;
    void laden() override;
    void aktivRegelnAnwenden() override;
    void reglerGeaendert() override;
    void bereichGeaendert() override;
    void ansichtenNeuAufbauen() override;
    void neuInitialisieren() override;
    void reglerAnpassen() override;

Q_SIGNALS:
    void controllerChanged();  // to the module container
    void rangeChanged();       // to the module container
    void rebuildAllViews();    // to the view
    void controllerAdjusted(); // to the module container: its controller page saves anew
    void statusPrompt(bool errorPending); // the status bar shows the idle prompt or the error

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void baueSteuerelemente();
    void ordneTabReihenfolge();
    QWidget* baueGruppe(const hvx::Gruppe& gruppe);
    void haltePlatzFuerBeschriftungen();
    void wendeSichtbarkeitAn();
    void wendeSeitentexteAn();
    void sperreAlles();
    void DoDataExchange(hvx::DataExchange& dx);
    void fokussiereFehler();
    void markiereFehler();
    void fuehreKommandoAus(const hvx::Steuerelement& element);

    const hvx::Seitenbeschreibung& m_beschreibung;
    hvx::SeitenKontext m_kontext;
    hvx::WidgetControls m_controls;
    std::function<void()> m_modified;
    QHash<int, QList<QWidget*>> m_beschriftungen; // label and unit of a control
    QHash<int, QWidget*> m_gruppen;               // group frame per group index
    QPointer<QWidget> m_markiert; // the field shown with the error frame
    bool m_gebaut = false;
    bool m_abbrechend = false;
    bool m_imAustausch = false;
};
