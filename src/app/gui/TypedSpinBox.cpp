#include "app/gui/TypedSpinBox.h"

#include <QLineEdit>
#include <algorithm>

namespace hvx::gui {

TypedSpinBox::TypedSpinBox(int minimum, int maximum, QWidget* parent)
    : QAbstractSpinBox(parent)
    , m_minimum(minimum)
    , m_maximum(maximum)
{
    setValue(minimum);
}

int TypedSpinBox::value() const
{
    bool ok = false;
    const int number = lineEdit()->text().toInt(&ok);
    return ok ? number : 0;
}

void TypedSpinBox::setValue(int value)
{
    lineEdit()->setText(QString::number(value));
}

void TypedSpinBox::stepBy(int steps)
{
    const qint64 next = std::clamp<qint64>(qint64(value()) + steps, m_minimum, m_maximum);
    setValue(static_cast<int>(next));
}

QValidator::State TypedSpinBox::validate(QString& input, int&) const
{
    if (input.isEmpty())
        return QValidator::Intermediate;
    bool ok = false;
    input.toInt(&ok);
    return ok && !input.startsWith(u'-') && !input.startsWith(u'+') ? QValidator::Acceptable : QValidator::Invalid;
}

QAbstractSpinBox::StepEnabled TypedSpinBox::stepEnabled() const
{
    StepEnabled enabled = StepNone;
    if (value() > m_minimum)
        enabled |= StepDownEnabled;
    if (value() < m_maximum)
        enabled |= StepUpEnabled;
    return enabled;
}

} // namespace hvx::gui
