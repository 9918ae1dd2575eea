#pragma once
// A number field whose spin buttons stay within a range while a typed number is taken as it is
// (the link's time-outs may be set beyond what the buttons offer).

#include <QAbstractSpinBox>
#include <optional>

namespace hvx::gui {

class TypedSpinBox : public QAbstractSpinBox {
    Q_OBJECT
public:
    TypedSpinBox(int minimum, int maximum, QWidget* parent = nullptr);
    int value() const; // 0 when the field holds no number
    // The number typed, or nothing when the field is empty or holds no number that fits an int.
    std::optional<int> number() const;
    void setValue(int value);
    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_minimum;
    int m_maximum;
};

} // namespace hvx::gui
