#pragma once
// The about box: version, a second line and the build date. A click on the program's icon
// writes the support file and offers to send it.

#include "base/gui/LanDialog.h"

#include <memory>

class QLabel;

namespace hvx {
class IMailClient;
}

class CAboutDlg : public hvx::gui::LanDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

    // The mail program to use (tests); not owned. Without one, the desktop's.
    void setMailClient(hvx::IMailClient* client) { m_mailClient = client; }
    QLabel* icon() const { return m_icon; }
    void OnAboutIcon();

protected:
    void onInitDialog() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_icon;
    QLabel* m_version;
    QLabel* m_secondLine;
    QLabel* m_buildDate;
    std::unique_ptr<hvx::IMailClient> m_desktopMail;
    hvx::IMailClient* m_mailClient = nullptr;
};
