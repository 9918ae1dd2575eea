#include "base/gui/HvxZugangscodeDlg.h"

#include "base/gui/DialogTexts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using hvx::gui::WithCtrlId;

CHvxZugangscodeDlg::CHvxZugangscodeDlg(QWidget* parent)
    : LanDialog("CHvxZugangscodeDlg", "Zugangscode-Dialog", 174, parent)
    , m_code(WithCtrlId(new QLineEdit(this), 1320))
{
    setWindowTitle(QStringLiteral("Abfrage Zugangscode..."));
    // The code is compared byte for byte, so the field takes whatever is typed; the echo is hidden
    // as the code protects the instrument.
    m_code->setEchoMode(QLineEdit::Password);
    auto* form = new QFormLayout;
    form->addRow(WithCtrlId(new QLabel(QStringLiteral("Zugangscode:"), this), 1531), m_code);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttonBox());
    setMinimumWidth(320);
}

QString CHvxZugangscodeDlg::code() const
{
    return m_code->text();
}
