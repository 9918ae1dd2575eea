#include "editing/gui/WidgetControls.h"

#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/gui/DialogTexts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>
#include <QWidget>

namespace hvx {

void applyPageTexts(QWidget* page, const QString& section)
{
    const QString deutsch = theApp().m_strProgDir + QStringLiteral("/01-Deutsch/Dialog.lan");
    const QList<QWidget*> widgets = page->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        const int id = gui::CtrlId(w);
        auto* label = qobject_cast<QLabel*>(w);
        auto* button = qobject_cast<QAbstractButton*>(w);
        auto* group = qobject_cast<QGroupBox*>(w);
        const bool ohneText = (label && label->text().isEmpty()) || (button && button->text().isEmpty())
                              || (group && group->title().isEmpty());
        if (id == 0 || !ohneText)
            continue;
        const QString text = GetLanText(section, QString::number(id), deutsch);
        if (label)
            label->setText(text);
        else if (button)
            button->setText(text);
        else
            group->setTitle(text);
    }
    gui::ApplyDialogTexts(page, section, 0);
}

void WidgetControls::add(int id, QWidget* widget)
{
    gui::SetCtrlId(widget, id);
    m_widgets.insert(id, widget);
}

void WidgetControls::addRadioGroup(int firstId, const QList<int>& buttonIds)
{
    m_radioGroups.insert(firstId, buttonIds);
}

bool WidgetControls::isVisible(int id) const
{
    const QWidget* w = widget(id);
    return w && w->isVisibleTo(m_page);
}

bool WidgetControls::isEnabled(int id) const
{
    const QWidget* w = widget(id);
    return w && w->isEnabledTo(m_page);
}

void WidgetControls::setEnabled(int id, bool enabled)
{
    if (QWidget* w = widget(id))
        w->setEnabled(enabled);
    for (int knopf : m_radioGroups.value(id)) {
        if (QWidget* w = widget(knopf))
            w->setEnabled(enabled);
    }
}

bool WidgetControls::isChecked(int id) const
{
    const auto* b = qobject_cast<const QAbstractButton*>(widget(id));
    return b && b->isChecked();
}

void WidgetControls::setChecked(int id, bool checked)
{
    if (auto* b = qobject_cast<QAbstractButton*>(widget(id)))
        b->setChecked(checked);
}

QString WidgetControls::text(int id) const
{
    const auto* e = qobject_cast<const QLineEdit*>(widget(id));
    return e ? e->text() : QString();
}

void WidgetControls::setText(int id, const QString& text)
{
    if (auto* e = qobject_cast<QLineEdit*>(widget(id)))
        e->setText(text);
}

int WidgetControls::selectedRadio(int firstId) const
{
    const QList<int> knoepfe = m_radioGroups.value(firstId);
    for (int i = 0; i < knoepfe.size(); ++i) {
        if (isChecked(knoepfe[i]))
            return i;
    }
    return -1;
}

void WidgetControls::selectRadio(int firstId, int number)
{
    const QList<int> knoepfe = m_radioGroups.value(firstId);
    for (int i = 0; i < knoepfe.size(); ++i) {
        auto* b = qobject_cast<QAbstractButton*>(widget(knoepfe[i]));
        if (!b)
            continue;
        // Auto-exclusive buttons cannot all be cleared one by one: switch exclusivity off briefly.
        b->setAutoExclusive(false);
        b->setChecked(i == number);
        b->setAutoExclusive(true);
    }
}

QString WidgetControls::selectedText(int id) const
{
    const auto* c = qobject_cast<const QComboBox*>(widget(id));
    return c ? c->currentText() : QString();
}

void WidgetControls::selectText(int id, const QString& text)
{
    if (auto* c = qobject_cast<QComboBox*>(widget(id)))
        c->setCurrentIndex(text.isEmpty() ? -1 : c->findText(text));
}

void WidgetControls::setItems(int id, const QStringList& texts)
{
    if (auto* c = qobject_cast<QComboBox*>(widget(id))) {
        c->clear();
        c->addItems(texts);
    }
}

} // namespace hvx
