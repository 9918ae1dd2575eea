#include "devicedata/gui/HvxMessdatenDlg.h"

#include "base/Language.h"
#include "base/Log.h"
#include "base/gui/DialogTexts.h"
#include "devicedata/MessStempel.h"
#include "devicedata/Messdaten.h"
#include "devicedata/gui/HydrovantDisplayCtrl.h"
#include "devicedata/gui/MesswertTrend.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using hvx::gui::WithCtrlId;

namespace {

constexpr int kTextLinkLost = 3401;
constexpr int kModules = 3;

QLineEdit* ReadOnlyField(QWidget* parent, int id, int width)
{
    auto* field = WithCtrlId(new QLineEdit(parent), id);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setMinimumWidth(width);
    return field;
}

} // namespace

CHvxMessdatenDlg::CHvxMessdatenDlg(QWidget* parent)
    : LanDialog("CHvxMessdatenDlg", "Messdaten-Dialog", 178, parent)
    , m_interval(ReadOnlyField(this, kInterval, 40))
    , m_stamp(ReadOnlyField(this, kStamp, 140))
    , m_display(new CHydrovantDisplayCtrl(this))
    , m_trend(new CMesswertTrend(this))
    , m_details(new QWidget(this))
    , m_relay(ReadOnlyField(m_details, kRelay, 60))
    , m_error(ReadOnlyField(m_details, kError, 60))
    , m_start(WithCtrlId(new QPushButton(QStringLiteral("Aufzeichnung starten"), this), kStart))
    , m_stop(WithCtrlId(new QPushButton(QStringLiteral("Aufzeichnung beenden"), this), kStop))
{
    setWindowTitle(QStringLiteral("Messdaten erfassen..."));
    auto* top = new QHBoxLayout;
    top->addWidget(WithCtrlId(new QLabel(QStringLiteral("Erfassungsintervall:   alle"), this), kIntervalLabel));
    m_interval->setMaximumWidth(50);
    top->addWidget(m_interval);
    top->addWidget(WithCtrlId(new QLabel(QStringLiteral("sec"), this), kSeconds));
    top->addStretch();
    top->addWidget(WithCtrlId(new QLabel(QStringLiteral("Messwerte von"), this), kStampLabel));
    top->addWidget(m_stamp);

    auto* details = new QGridLayout(m_details);
    details->setContentsMargins(0, 0, 0, 0);
    for (int m = 0; m < kModules; ++m) {
        auto* group = WithCtrlId(new QGroupBox(QStringLiteral("Messmodul%1").arg(m + 1), m_details), kModuleGroupFirst + m);
        auto* box = new QGridLayout(group);
        for (int v = 0; v < 2; ++v) {
            m_values[std::size_t(2 * m + v)] = ReadOnlyField(group, kValueFirst + 2 * m + v, 60);
            box->addWidget(m_values[std::size_t(2 * m + v)], v, 0, 1, 2);
        }
        m_enableOn[std::size_t(m)] = WithCtrlId(new QLabel(QStringLiteral("Freigabe ein"), group), kEnableOnFirst + m);
        m_enableOff[std::size_t(m)] = WithCtrlId(new QLabel(QStringLiteral("Freigabe aus"), group), kEnableOffFirst + m);
        box->addWidget(m_enableOn[std::size_t(m)], 2, 0);
        box->addWidget(m_enableOff[std::size_t(m)], 2, 1);
        details->addWidget(group, 0, m);
    }
    details->addWidget(WithCtrlId(new QLabel(QStringLiteral("Relaiszustand:"), m_details), kRelayLabel), 1, 0);
    details->addWidget(m_relay, 1, 1);
    details->addWidget(WithCtrlId(new QLabel(QStringLiteral("Fehlernummer:"), m_details), kErrorLabel), 2, 0);
    details->addWidget(m_error, 2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_start);
    buttons->addWidget(m_stop);
    buttons->addStretch();
    okButton()->hide();
    buttons->addWidget(buttonBox());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_display);
    m_trend->setMinimumHeight(240);
    layout->addWidget(m_trend, 1);
    layout->addWidget(m_details);
    layout->addLayout(buttons);

    connect(m_start, &QPushButton::clicked, this, &CHvxMessdatenDlg::OnStart);
    connect(m_stop, &QPushButton::clicked, this, &CHvxMessdatenDlg::OnStop);
    connect(&m_recording, &hvx::CMessdatenAufzeichnung::lineShown, this, &CHvxMessdatenDlg::ShowLine);
    connect(&m_recording, &hvx::CMessdatenAufzeichnung::linkLost, this, &CHvxMessdatenDlg::OnLinkLost);
    connect(&m_recording, &hvx::CMessdatenAufzeichnung::ended, this, &CHvxMessdatenDlg::ShowIdle);
}

void CHvxMessdatenDlg::onInitDialog()
{
    // The details stay filled but out of sight, as on the instrument's own recording screen.
    m_details->hide();
    m_stop->hide();
    for (QLabel* label : m_enableOn)
        label->hide();
    for (QLabel* label : m_enableOff)
        label->hide();
    m_start->setDefault(true);
    m_start->setFocus();
}

void CHvxMessdatenDlg::OnStart()
{
    if (m_recording.Start() != hvx::CMessdatenAufzeichnung::StartResult::Recording)
        return;
    m_display->SetLayout(m_recording.parametersatz());
    m_trend->SetModules(m_display->layout());
    m_interval->setText(m_recording.intervalText());
    m_start->hide();
    m_stop->show();
    m_stop->setDefault(true);
    m_stop->setFocus();
    cancelButton()->setEnabled(false);
}

void CHvxMessdatenDlg::ShowIdle()
{
    m_display->update();
    m_stop->hide();
    m_start->show();
    m_start->setDefault(true);
    m_start->setFocus();
    cancelButton()->setEnabled(true);
}

void CHvxMessdatenDlg::OnStop()
{
    if (m_recording.Stop())
        m_recording.SaveWithDialog();
}

void CHvxMessdatenDlg::OnLinkLost()
{
    LogMessageBoxId(kTextLinkLost, hvx::MB_OK | hvx::MB_ICONEXCLAMATION);
    OnStop();
}

void CHvxMessdatenDlg::ShowLine(const QStringList& fields)
{
    m_stamp->setText(fields.value(0));
    for (int m = 0; m < kModules; ++m) {
        m_values[std::size_t(2 * m)]->setText(fields.value(1 + 3 * m));
        m_values[std::size_t(2 * m + 1)]->setText(fields.value(2 + 3 * m));
        const QString enable = fields.value(3 + 3 * m);
        m_enableOn[std::size_t(m)]->setVisible(enable == QLatin1String("1"));
        m_enableOff[std::size_t(m)]->setVisible(!enable.isEmpty() && enable != QLatin1String("1"));
    }
    m_relay->setText(fields.value(10));
    m_error->setText(fields.value(11));
    const QStringList values = fields.mid(1);
    m_display->UpdateAll(values);
    const QByteArray stamp = fields.value(0).toLatin1();
    if (const std::optional<hvx::StempelSekunden> time = hvx::ParseStempelSekunden(std::string_view(stamp.constData(), std::size_t(stamp.size()))))
        m_trend->AddLine(time->sekunden, values);
}

void CHvxMessdatenDlg::reject()
{
    // No cancelling while recording: Stop first.
    if (!m_recording.isRunning())
        LanDialog::reject();
}

void CHvxMessdatenDlg::closeEvent(QCloseEvent* event)
{
    if (m_recording.isRunning())
        event->ignore();
    else
        LanDialog::closeEvent(event);
}
