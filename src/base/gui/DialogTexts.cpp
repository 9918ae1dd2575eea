// The one place where dialog texts of the language files reach the widgets.
#include "base/gui/DialogTexts.h"

#include "base/Language.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>

namespace hvx::gui {
namespace {

constexpr const char* kCtrlIdProperty = "hvxCtrlId";

// Puts a text on whatever kind of control carries the id.
void setControlText(QWidget* control, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(text);
    else
        control->setWindowTitle(text);
}

// Dialog windows format their texts with the classic "%s"/"%d" placeholders.
QString formatOne(QString format, const QString& argument)
{
    static const QString placeholders[] = {QStringLiteral("%s"), QStringLiteral("%d")};
    for (const QString& placeholder : placeholders) {
        const qsizetype at = format.indexOf(placeholder);
        if (at >= 0)
            return format.replace(at, placeholder.size(), argument);
    }
    return format;
}

} // namespace

void SetCtrlId(QWidget* widget, int id)
{
    widget->setProperty(kCtrlIdProperty, id);
}

int CtrlId(const QWidget* widget)
{
    return widget->property(kCtrlIdProperty).toInt();
}

QWidget* FindCtrl(QWidget* dialog, int id)
{
    if (dialog == nullptr)
        return nullptr;
    const auto children = dialog->findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (CtrlId(child) == id)
            return child;
    }
    return nullptr;
}

QString SetDlgItemLanText(QWidget* dialog, const QString& section, int id)
{
    const QString text = GetDialogText(section, id);
    if (!text.isEmpty()) {
        if (QWidget* control = FindCtrl(dialog, id))
            setControlText(control, text);
    }
    return text;
}

QString SetDlgItemLanTextFormat(QWidget* dialog, const QString& section, int id, const QString& argument)
{
    const QString format = GetDialogText(section, id);
    if (format.isEmpty())
        return format;
    const QString text = formatOne(format, argument);
    if (QWidget* control = FindCtrl(dialog, id))
        setControlText(control, text);
    return text;
}

void ApplyDialogTexts(QWidget* dialog, const QString& section, int captionId)
{
    if (captionId > 0) {
        const QString caption = GetDialogText(section, captionId);
        if (!caption.isEmpty())
            dialog->setWindowTitle(caption);
    }
    const auto children = dialog->findChildren<QWidget*>();
    for (QWidget* child : children) {
        const int id = CtrlId(child);
        if (id > kIdCancel)
            SetDlgItemLanText(dialog, section, id);
    }
    const QString general = QLatin1String(kGeneralDialogItems);
    SetDlgItemLanText(dialog, general, kIdOk);
    SetDlgItemLanText(dialog, general, kIdCancel);
}

QString AddComboLanText(QComboBox* combo, int number, int itemData)
{
    const QString text = GetStringsText(number);
    if (!text.isEmpty() && combo != nullptr)
        combo->addItem(text, itemData);
    return text;
}

} // namespace hvx::gui
