#include "app/gui/ExtComOptionsDlg.h"

#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "base/gui/DialogTexts.h"
#include "link/PortSearch.h"
#include "app/gui/TypedSpinBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

using hvx::gui::WithCtrlId;

namespace {

constexpr int kTextOutOfRange = 3075; // the typed value, the field's label, the lowest and highest value

struct TimeoutField {
    const hvx::settings::Int& setting;
    int minimum;
    int maximum;
    int labelId;
    int fieldId;
    const char* label;
};

const TimeoutField kFields[CExtComOptionsDlg::kFieldCount] = {
    {hvx::settings::kNoDeviceSendTO, 0, 5000, 1731, 1737,
     "Zeit zum Erkennen, wann ein Sendevorgang des Gerätes abgeschlossen ist [ms]"},
    {hvx::settings::kTimeBetweenBytes, 1, 1000, 1732, 1738,
     "zeitlicher Abstand zwischen zwei gesendeten Bytes [ms] (verlängert Sendevorgang)"},
    {hvx::settings::kResponseTO1, 0, 5000, 1733, 1739, "maximale Wartezeit auf eine Anfragequittierung [ms]"},
    {hvx::settings::kResponseTO2, 0, 5000, 1734, 1740, "maximale Wartezeit auf angeforderte Daten [ms]"},
    {hvx::settings::kResponseThreadTO, 0, 10000, 1735, 1741,
     "maximale Wartezeit auf den Start der Empfangsbereitschaft [ms]"},
};

} // namespace

CExtComOptionsDlg::CExtComOptionsDlg(int presetPort, QWidget* parent)
    : LanDialog("CExtComOptionsDlg", "Kommunikationseinstellungen-Dialog", 181, parent)
    , m_nPort(presetPort)
    , m_list(WithCtrlId(new QComboBox(this), 1742))
    , m_verify(WithCtrlId(new QCheckBox(QStringLiteral("Nach dem Übertragen Parameter zurücklesen und vergleichen"), this), 1743))
{
    setWindowTitle(QStringLiteral("Erweiterte Kommunikationseinstellungen"));
    auto* grid = new QGridLayout(this);
    for (int index = 0; index < kFieldCount; ++index) {
        const TimeoutField& row = kFields[index];
        m_values.at(static_cast<size_t>(index)) = theApp().GetIntSetting(row.setting);
        auto* label = WithCtrlId(new QLabel(QString::fromUtf8(row.label), this), row.labelId);
        label->setWordWrap(true);
        m_labels.at(static_cast<size_t>(index)) = label;
        auto* spin = WithCtrlId(new hvx::gui::TypedSpinBox(row.minimum, row.maximum, this), row.fieldId);
        spin->setMinimumWidth(90);
        m_fields.at(static_cast<size_t>(index)) = spin;
        grid->addWidget(label, index, 0);
        grid->addWidget(spin, index, 1);
    }
    grid->addWidget(WithCtrlId(new QLabel(QStringLiteral("Schnittstelle"), this), 1736), kFieldCount, 0);
    grid->addWidget(m_list, kFieldCount, 1);
    grid->addWidget(m_verify, kFieldCount + 1, 0, 1, 2);
    grid->addWidget(buttonBox(), kFieldCount + 2, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    setMinimumWidth(560);
}

void CExtComOptionsDlg::onInitDialog()
{
    const QStringList names = hvx::AllPortNames();
    for (qsizetype index = 0; index < names.size(); ++index)
        m_list->addItem(names.at(index), int(index));
    m_list->setCurrentIndex(qMax(m_list->findData(m_nPort), 0));
    for (int index = 0; index < kFieldCount; ++index)
        field(index)->setValue(m_values.at(static_cast<size_t>(index)));
    m_verify->setChecked(theApp().GetIntSetting(hvx::settings::kVerifyAfterWrite) != 0);
}

bool CExtComOptionsDlg::ValuesInRange()
{
    // The settings' own ranges: a value outside would be replaced by the default when it is read.
    for (int index = 0; index < kFieldCount; ++index) {
        const hvx::settings::Int& setting = kFields[index].setting;
        const std::optional<int> value = field(index)->number();
        if (value && *value >= setting.minValue && *value <= setting.maxValue)
            continue;
        LogMessageBox(GetStringsText(kTextOutOfRange)
                          .arg(field(index)->text(), m_labels.at(static_cast<size_t>(index))->text())
                          .arg(setting.minValue)
                          .arg(setting.maxValue),
                      hvx::MB_OK | hvx::MB_ICONEXCLAMATION);
        field(index)->setFocus();
        field(index)->selectAll();
        return false;
    }
    return true;
}

bool CExtComOptionsDlg::onOK()
{
    if (!ValuesInRange())
        return false;
    for (int index = 0; index < kFieldCount; ++index) {
        const hvx::settings::Int& setting = kFields[index].setting;
        theApp().WriteProfileInt(QLatin1String(setting.section), QLatin1String(setting.name), field(index)->value());
    }
    const hvx::settings::Int& verify = hvx::settings::kVerifyAfterWrite;
    theApp().WriteProfileInt(QLatin1String(verify.section), QLatin1String(verify.name), m_verify->isChecked() ? 1 : 0);
    m_nPort = qMax(m_list->currentData().toInt(), 0);
    return true;
}
