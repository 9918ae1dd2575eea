#include "app/gui/AboutDlg.h"

#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "base/gui/DialogTexts.h"
#include "app/AboutInfo.h"
#include "app/SupportFile.h"
#include "app/gui/DesktopMail.h"

#include <QApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

using hvx::gui::WithCtrlId;

namespace {
constexpr int kIconSize = 48;
} // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : LanDialog("CAboutDlg", "Info-Dialog", 100, parent)
    , m_icon(WithCtrlId(new QLabel(this), 1330))
    , m_version(WithCtrlId(new QLabel(this), 1390))
    , m_secondLine(WithCtrlId(new QLabel(this), 1391))
    , m_buildDate(WithCtrlId(new QLabel(this), 1574))
    , m_desktopMail(std::make_unique<hvx::gui::DesktopMailClient>())
{
    setWindowTitle(QStringLiteral("Info über HVX"));
    const QIcon programIcon(CHVXApp::ExecutableDir() + QStringLiteral("/hvx.svg"));
    m_icon->setPixmap(programIcon.pixmap(kIconSize, kIconSize));
    m_icon->setFixedSize(kIconSize, kIconSize);
    m_icon->setCursor(Qt::PointingHandCursor);
    m_icon->installEventFilter(this);
    cancelButton()->hide();

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_icon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(m_version, 0, 1);
    grid->addWidget(m_secondLine, 1, 1);
    grid->addWidget(m_buildDate, 2, 1);
    grid->addWidget(buttonBox(), 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setHorizontalSpacing(16);
    setMinimumWidth(360);
}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::onInitDialog()
{
    const hvx::AboutTexts texts = hvx::AboutTextsFor(theApp().m_strVersion);
    m_version->setText(texts.versionLine);
    m_secondLine->setText(texts.secondLine);
    m_buildDate->setText(texts.buildDate);
}

bool CAboutDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_icon && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        OnAboutIcon();
        return true;
    }
    return LanDialog::eventFilter(watched, event);
}

void CAboutDlg::OnAboutIcon()
{
    LogEntry(1, QStringLiteral("CAboutDlg::OnAboutIcon"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const hvx::SupportFileResult result = hvx::WriteSupportFile(theApp(), QDateTime::currentDateTime());
    QApplication::restoreOverrideCursor();
    if (!result.written) {
        LogMessageBox(GetStringsText(hvx::kTextSupportFileNotWritten).arg(result.path), hvx::MB_OK | hvx::MB_ICONEXCLAMATION);
        return;
    }
    hvx::OfferSupportFile(result.path, m_mailClient != nullptr ? *m_mailClient : *m_desktopMail);
}
