#include "app/gui/DruckOptionenDlg.h"

#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "base/gui/DialogTexts.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using hvx::gui::WithCtrlId;

namespace {

constexpr int kTextWholeNumber = 3008;

// One row per value, in the order of hvx::PrintMarginValues.
struct MarginControls {
    int fieldId;
    int labelId;
    const char* label;
};
const MarginControls kControls[hvx::PrintMarginValues::kCount] = {
    {1270, 1395, "linker Rand"}, {1271, 1396, "rechter Rand"}, {1272, 1397, "Einzug 1"},
    {1273, 1398, "Einzug 2"},    {1274, 1399, "Einzug 3"},
};

} // namespace

CDruckOptionenDlg::CDruckOptionenDlg(QWidget* parent)
    : SettingsPage("CDruckOptionenDlg", "Druckoptionen-Dialog", parent)
    , m_values(hvx::PrintMarginValues::Load(theApp()))
{
    auto* grid = new QGridLayout(this);
    grid->addWidget(WithCtrlId(new QLabel(QStringLiteral("Angaben in 1/10mm"), this), 1400), 0, 0, 1, 2);
    for (int index = 0; index < hvx::PrintMarginValues::kCount; ++index) {
        const MarginControls& controls = kControls[index];
        auto* edit = WithCtrlId(new QLineEdit(this), controls.fieldId);
        edit->setMaximumWidth(100);
        m_fields.at(static_cast<size_t>(index)) = edit;
        grid->addWidget(WithCtrlId(new QLabel(QString::fromUtf8(controls.label), this), controls.labelId), index + 1, 0);
        grid->addWidget(edit, index + 1, 1);
    }
    auto* standard = WithCtrlId(new QPushButton(QStringLiteral("Standard..."), this), 1275);
    grid->addWidget(standard, hvx::PrintMarginValues::kCount + 1, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(hvx::PrintMarginValues::kCount + 2, 1);
    connect(standard, &QPushButton::clicked, this, &CDruckOptionenDlg::OnStandard);
    showValues();
}

void CDruckOptionenDlg::showValues()
{
    for (int index = 0; index < hvx::PrintMarginValues::kCount; ++index)
        field(index)->setText(QString::number(m_values.values.at(static_cast<size_t>(index))));
}

void CDruckOptionenDlg::OnStandard()
{
    LogEntry(1, marker("OnStandard"));
    m_values = hvx::PrintMarginValues::Defaults();
    showValues();
}

bool CDruckOptionenDlg::Exchange()
{
    hvx::PrintMarginValues entered;
    for (int index = 0; index < hvx::PrintMarginValues::kCount; ++index) {
        const std::optional<int> value = hvx::ParseWholeNumber(field(index)->text());
        if (!value) {
            LogMessageBoxId(kTextWholeNumber, hvx::MB_OK | hvx::MB_ICONEXCLAMATION);
            field(index)->setFocus();
            field(index)->selectAll();
            return false;
        }
        entered.values.at(static_cast<size_t>(index)) = *value;
    }
    m_values = entered;
    return true;
}

void CDruckOptionenDlg::Store()
{
    m_values.Store(theApp());
}
