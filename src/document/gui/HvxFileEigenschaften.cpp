#include "document/gui/HvxFileEigenschaften.h"

#include "base/gui/DialogTexts.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

using hvx::gui::WithCtrlId;

namespace {

constexpr int kVisibleLines = 4;
constexpr int kLineLength = 40;

// Texts are stored with CR LF; the edit field works with LF.
QString toEdit(const QString& stored)
{
    QString text = stored;
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QString fromEdit(const QString& edited)
{
    QString text = edited;
    return text.replace(u'\n', QLatin1String("\r\n"));
}

QPlainTextEdit* multiLineEdit(const QString& text, int id, QWidget* parent)
{
    auto* edit = WithCtrlId(new QPlainTextEdit(toEdit(text), parent), id);
    edit->setTabChangesFocus(true);
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetrics metrics(edit->font());
    edit->setFixedHeight(metrics.lineSpacing() * kVisibleLines + 2 * edit->frameWidth() + 8);
    edit->setMinimumWidth(metrics.horizontalAdvance(QString(kLineLength, u'M')) / 10 * 8 + 24);
    return edit;
}

} // namespace

CHvxFileEigenschaften::CHvxFileEigenschaften(const hvx::InfoTexts& texts, bool editable, QWidget* parent)
    : LanDialog("CHvxFileEigenschaften", "Eigenschaften-Dialog", 165, parent)
    , m_serial(WithCtrlId(new QLineEdit(toEdit(texts.seriennummer), this), 1715))
    , m_customer(multiLineEdit(texts.kunde, 1716, this))
    , m_site(multiLineEdit(texts.standort, 1717, this))
    , m_remark(multiLineEdit(texts.bemerkung, 1718, this))
{
    setWindowTitle(QStringLiteral("Allgemeine Angaben"));
    m_serial->setMaxLength(kLineLength);
    auto* form = new QFormLayout;
    form->addRow(WithCtrlId(new QLabel(QStringLiteral("Hydrvant Serien-Nummer:"), this), 1711), m_serial);
    form->addRow(WithCtrlId(new QLabel(QStringLiteral("Kunde:"), this), 1712), m_customer);
    form->addRow(WithCtrlId(new QLabel(QStringLiteral("Standort:"), this), 1713), m_site);
    form->addRow(WithCtrlId(new QLabel(QStringLiteral("Bemerkung:"), this), 1714), m_remark);
    for (QWidget* field : {static_cast<QWidget*>(m_serial), static_cast<QWidget*>(m_customer),
                           static_cast<QWidget*>(m_site), static_cast<QWidget*>(m_remark)})
        field->setEnabled(editable);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttonBox());
}

QPlainTextEdit* CHvxFileEigenschaften::textEdit(int index) const
{
    switch (index) {
    case 0: return m_customer;
    case 1: return m_site;
    default: return m_remark;
    }
}

hvx::InfoTexts CHvxFileEigenschaften::texts() const
{
    hvx::InfoTexts result;
    result.seriennummer = fromEdit(m_serial->text());
    result.kunde = fromEdit(m_customer->toPlainText());
    result.standort = fromEdit(m_site->toPlainText());
    result.bemerkung = fromEdit(m_remark->toPlainText());
    return result;
}
