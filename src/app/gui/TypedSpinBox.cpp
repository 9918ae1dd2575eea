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
    return number().value_or(0);
}

std::optional<int> TypedSpinBox::number() const
{
    bool ok = false;
    const int typed = lineEdit()->text().toInt(&ok);
    return ok ? std::optional<int>(typed) : std::nullopt;
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
