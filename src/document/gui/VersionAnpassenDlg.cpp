#include "document/gui/VersionAnpassenDlg.h"

#include "base/Language.h"
#include "base/gui/DialogTexts.h"
#include "model/Revisionen.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using hvx::gui::WithCtrlId;

CVersionAnpassenDlg::CVersionAnpassenDlg(quint8 geraetekennung, QWidget* parent)
    : LanDialog("CVersionAnpassenDlg", "Versionkonvertieren-Dialog", 179, parent)
    , m_current(WithCtrlId(new QLineEdit(hvx::revisionText(geraetekennung), this), 1753))
    , m_list(WithCtrlId(new QComboBox(this), 1755))
{
    setWindowTitle(QStringLiteral("Version anpassen..."));
    m_current->setReadOnly(true);
    for (const hvx::Revision& revision : hvx::revisionenDerVariante(geraetekennung))
        m_list->addItem(GetStringsText(revision.text), revision.geraetekennung);
    // The current revision is preselected, so that OK alone changes nothing. A byte 0 of no
    // revision preselects nothing: OK then waits for a choice instead of converting at random.
    m_list->setCurrentIndex(m_list->findData(geraetekennung));
    okButton()->setEnabled(m_list->currentIndex() >= 0);
    connect(m_list, &QComboBox::currentIndexChanged, this, [this](int index) { okButton()->setEnabled(index >= 0); });

    auto* question = WithCtrlId(
        new QLabel(QStringLiteral("Auf welche Hydrovant-Software-Version sollen die Daten angepasst werden?"), this), 1751);
    question->setWordWrap(true);
    auto* warning = WithCtrlId(
        new QLabel(QStringLiteral("ACHTUNG: Bei Anpassung an eine niedrigere Version können Einstellungen verloren gehen!"),
                   this),
        1756);
    warning->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(WithCtrlId(new QLabel(QStringLiteral("Aktuelle Version:"), this), 1752), m_current);
    form->addRow(WithCtrlId(new QLabel(QStringLiteral("Neue Version:"), this), 1754), m_list);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addLayout(form);
    layout->addWidget(warning);
    layout->addWidget(buttonBox());
    setMinimumWidth(420);
}

quint8 CVersionAnpassenDlg::target() const
{
    return static_cast<quint8>(m_list->currentData().toUInt());
}
