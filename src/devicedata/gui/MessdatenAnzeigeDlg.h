#pragma once
// "Messdaten anzeigen...": a saved measured-data file as a trend chart over the time of its
// stamps, one line per module.

#include "devicedata/Messdaten.h"

#include "base/gui/LanDialog.h"

class CMesswertTrend;

class CMessdatenAnzeigeDlg : public hvx::gui::LanDialog {
    Q_OBJECT
public:
    CMessdatenAnzeigeDlg(const QString& path, const std::vector<hvx::MesswertZeile>& rows, QWidget* parent = nullptr);
    CMesswertTrend* trend() const { return m_trend; }

    // The command: asks for the file in the measured-data directory and shows it; a file without
    // readable lines is reported instead.
    static void OnMessdatenAnzeigen(QWidget* parent);

private:
    CMesswertTrend* m_trend;
};
