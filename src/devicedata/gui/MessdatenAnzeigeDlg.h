#pragma once
// "Messdaten anzeigen...": a saved measured-data file as a trend chart over the time of its
// stamps, one line per module. The file is read on a thread of its own with a progress bar and
// Cancel, so that the window keeps working while a long recording is read.

#include "devicedata/MessdatenSpalten.h"

#include "base/gui/LanDialog.h"

#include <optional>

class CMesswertTrend;

class CMessdatenAnzeigeDlg : public hvx::gui::LanDialog {
    Q_OBJECT
public:
    CMessdatenAnzeigeDlg(const QString& path, hvx::MessdatenSpalten columns, QWidget* parent = nullptr);
    CMesswertTrend* trend() const { return m_trend; }

    // The command: asks for the file in the measured-data directory and shows it; a file without
    // readable lines is reported instead.
    static void OnMessdatenAnzeigen(QWidget* parent);

    // Reads the file while a progress bar with Cancel shows how far; nothing when cancelled
    // (*cancelled then true) or unreadable.
    static std::optional<hvx::MessdatenSpalten> LoadWithProgress(const QString& path, QWidget* parent,
                                                                 bool* cancelled = nullptr);

private:
    CMesswertTrend* m_trend;
};
