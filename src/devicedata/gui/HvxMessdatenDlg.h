#pragma once
// "Messdaten erfassen...": records the measured-data lines the instrument streams, shows each
// on the display imitation, as numbers and in a live trend chart, and saves the recording as a
// measured-data file. The recording itself is CMessdatenAufzeichnung; the window stays usable
// while lines come in, as they arrive by queued calls from the link's receive thread.

#include "base/gui/LanDialog.h"
#include "devicedata/MessdatenAufzeichnung.h"

#include <array>

class CHydrovantDisplayCtrl;
class CMesswertTrend;
class QLabel;
class QLineEdit;
class QPushButton;

class CHvxMessdatenDlg : public hvx::gui::LanDialog {
    Q_OBJECT
public:
    enum CtrlId {
        kIntervalLabel = 1590,
        kInterval = 1591,
        kSeconds = 1592,
        kStampLabel = 1593,
        kStamp = 1594,
        kModuleGroupFirst = 1600, // 1600..1602 "Messmodul1".."Messmodul3"
        kValueFirst = 1603,       // 1603..1608, two per module
        kEnableOnFirst = 1610,    // 1610..1612 "Freigabe ein"
        kEnableOffFirst = 1613,   // 1613..1615 "Freigabe aus"
        kRelayLabel = 1616,
        kRelay = 1617,
        kErrorLabel = 1618,
        kError = 1619,
        kStart = 1620,
        kStop = 1621,
    };

    explicit CHvxMessdatenDlg(QWidget* parent = nullptr);

    void OnStart();
    void OnStop();
    void reject() override;

    CHydrovantDisplayCtrl* display() const { return m_display; }
    CMesswertTrend* trend() const { return m_trend; }
    hvx::CMessdatenAufzeichnung& recording() { return m_recording; }

protected:
    void onInitDialog() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowLine(const QStringList& fields);
    void OnLinkLost();
    void ShowIdle();

    hvx::CMessdatenAufzeichnung m_recording;
    QLineEdit* m_interval;
    QLineEdit* m_stamp;
    CHydrovantDisplayCtrl* m_display;
    CMesswertTrend* m_trend;
    QWidget* m_details; // module groups, relay state and error number: filled, not shown
    std::array<QLineEdit*, 6> m_values{};
    std::array<QLabel*, 3> m_enableOn{};
    std::array<QLabel*, 3> m_enableOff{};
    QLineEdit* m_relay;
    QLineEdit* m_error;
    QPushButton* m_start;
    QPushButton* m_stop;
};
