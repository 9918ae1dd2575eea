#include "document/gui/HvxNeuDlg.h"

#include "base/Language.h"
#include "base/gui/DialogTexts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using hvx::gui::WithCtrlId;

namespace {

constexpr int kRevisionLabelId = 1701;
constexpr int kRevisionListId = 1702;
constexpr int kFirstSlotLabelId = 1703;
constexpr int kFirstSlotListId = 1706;
const char* const kSlotLabels[] = {"Modul 1:", "Modul 2:", "Modul 3:"};

} // namespace

CHvxNeuDlg::CHvxNeuDlg(QWidget* parent)
    : LanDialog("CHvxNeuDlg", "Neu-Dialog", 0, parent)
{
    build();
}

CHvxNeuDlg::CHvxNeuDlg(const hvx::Parametersatz& current, QWidget* parent)
    : LanDialog("CHvxNeuDlg", "Neu-Dialog", 0, parent)
    , m_rules(current)
{
    build();
}

void CHvxNeuDlg::build()
{
    m_revision = WithCtrlId(new QComboBox(this), kRevisionListId);
    auto* form = new QFormLayout;
    form->addRow(WithCtrlId(new QLabel(QStringLiteral("Hydrovant-Revision:"), this), kRevisionLabelId), m_revision);
    for (int slot = 0; slot < 3; ++slot) {
        auto* list = WithCtrlId(new QComboBox(this), kFirstSlotListId + slot);
        list->setMinimumContentsLength(18);
        m_modules.at(static_cast<size_t>(slot)) = list;
        form->addRow(WithCtrlId(new QLabel(QString::fromUtf8(kSlotLabels[slot]), this), kFirstSlotLabelId + slot), list);
        connect(list, &QComboBox::currentIndexChanged, this, [this, slot](int index) { onModuleChanged(slot, index); });
    }
    for (const hvx::Revision& revision : m_rules.revisions())
        m_revision->addItem(GetStringsText(revision.text), revision.geraetekennung);
    connect(m_revision, &QComboBox::currentIndexChanged, this, &CHvxNeuDlg::onRevisionChanged);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttonBox());
    setMinimumWidth(380);
    showRules();
}

void CHvxNeuDlg::onInitDialog()
{
    // The caption tells the mode; it is a numbered text, as the dialog has no caption key.
    setWindowTitle(GetStringsText(m_rules.titleTextNumber()));
    showRules();
    if (m_revision->isEnabled())
        m_revision->setFocus();
    else
        moduleList(0)->setFocus();
}

void CHvxNeuDlg::showRules()
{
    m_showing = true;
    {
        const QSignalBlocker block(m_revision);
        if (m_rules.revisionIndex() >= 0) {
            m_revision->setCurrentIndex(m_rules.revisionIndex());
        } else {
            // A revision without its own list entry (change mode) is shown by its code.
            m_revision->setCurrentIndex(-1);
            m_revision->setPlaceholderText(QStringLiteral("0x%1").arg(m_rules.geraetekennung(), 2, 16, QLatin1Char('0')));
        }
        m_revision->setEnabled(m_rules.revisionEnabled());
    }
    const QStringList names = m_rules.moduleNames();
    for (int slot = 0; slot < 3; ++slot) {
        QComboBox* list = moduleList(slot);
        const QSignalBlocker block(list);
        list->clear();
        list->addItems(names);
        list->setCurrentIndex(m_rules.moduleIndex(slot));
        list->setEnabled(m_rules.slotEnabled(slot));
    }
    okButton()->setEnabled(m_rules.okEnabled());
    m_showing = false;
}

void CHvxNeuDlg::onRevisionChanged(int index)
{
    if (m_showing)
        return;
    m_rules.selectRevision(index);
    showRules();
}

void CHvxNeuDlg::onModuleChanged(int slot, int index)
{
    if (m_showing)
        return;
    m_rules.selectModule(slot, index);
    showRules();
}

NeueKonfiguration CHvxNeuDlg::choice() const
{
    NeueKonfiguration result;
    result.geraetekennung = m_rules.geraetekennung();
    result.module = m_rules.bestueckung();
    return result;
}
