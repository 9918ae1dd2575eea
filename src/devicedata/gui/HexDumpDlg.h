#pragma once
// The service view of the instrument's whole EEPROM: a hex dump of a 2048-byte image that the
// technician reads from the instrument, edits, writes back, saves as a .hxp file and loads from
// one. Reading and writing cover the selection, or the whole image when nothing is selected.

#include "base/gui/LanDialog.h"
#include "devicedata/EepromImage.h"

class CHexEdit;
class QPushButton;

class CHexDumpDlg : public hvx::gui::LanDialog {
    Q_OBJECT
public:
    static constexpr int kVorlage = 488;
    static constexpr int kIdHexEdit = 1900;
    static constexpr int kIdLesen = 1901;
    static constexpr int kIdSchreiben = 1902;
    static constexpr int kIdSpeichern = 1903;
    static constexpr int kIdLaden = 1904;

    explicit CHexDumpDlg(QWidget* parent = nullptr);

    CHexEdit* hexEdit() const { return m_hexEdit; }
    hvx::EepromImage& image() { return m_image; }

    void OnEepromLesen();
    void OnEepromSchreiben();
    void OnEepromSpeichern();
    void OnEepromLaden();

private:
    hvx::EepromRange selectedRange() const;
    // Marks the addresses an operation works on and keeps them in view.
    void showProgress(int first, int count);

    hvx::EepromImage m_image = hvx::FreshEepromImage();
    CHexEdit* m_hexEdit;
    QString m_lastFile;
};
