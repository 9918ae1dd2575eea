#pragma once
// "Mit Gerät vergleichen...": the differences between the instrument's parameter set and the
// document's, as the comparison of the editing layer finds them, in a sortable table with one
// branch per group (the calibration data collapsed). From here the user copies the table, starts
// a transfer with or without keeping the calibration values, or closes.

#include "base/gui/LanDialog.h"
#include "editing/Vergleich.h"

class QPushButton;
class QTreeWidget;

class CGeraetevergleichDlg : public hvx::gui::LanDialog {
    Q_OBJECT
public:
    enum class Wahl { Schliessen, UebertragenMitKalibrierung, UebertragenOhneKalibrierung };

    // dokumentName heads the document's column; the transfer buttons are offered only when
    // the document may be transferred (each as its menu command allows).
    CGeraetevergleichDlg(hvx::Vergleich vergleich, const QString& dokumentName, bool mitErlaubt, bool ohneErlaubt,
                         QWidget* parent = nullptr);

    Wahl wahl() const { return m_wahl; }
    QTreeWidget* tabelle() const { return m_tabelle; }
    QPushButton* kopierenKnopf() const { return m_kopieren; }
    QPushButton* mitKalibrierungKnopf() const { return m_mit; }
    QPushButton* ohneKalibrierungKnopf() const { return m_ohne; }
    QPushButton* schliessenKnopf() const { return m_schliessen; }

protected:
    void onInitDialog() override;

private:
    void fuelleTabelle();
    void waehle(Wahl wahl);

    hvx::Vergleich m_vergleich;
    QString m_dokumentName;
    Wahl m_wahl = Wahl::Schliessen;
    QTreeWidget* m_tabelle;
    QPushButton* m_kopieren;
    QPushButton* m_mit;
    QPushButton* m_ohne;
    QPushButton* m_schliessen;
};
