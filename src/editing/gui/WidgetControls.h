#pragma once
// The controls of a page by control id: every widget that belongs to a page carries its control
// id (hvx::gui::SetCtrlId), and the program's one dialog-text function gives them their texts.

#include "editing/Controls.h"

#include <QHash>
#include <QString>

class QWidget;

namespace hvx {

// The texts of a page from its Dialog.lan section (hvx::gui::ApplyDialogTexts). Before a
// language is chosen (the first start) the German texts beside the program serve, as the
// built-in German texts of the other dialogs do.
void applyPageTexts(QWidget* page, const QString& section);

// IControls over the widgets of one page. Hidden and enabled are the controls' own states, not
// those of the page, so a page that is not shown is still checked like a shown one.
class WidgetControls : public IControls {
public:
    explicit WidgetControls(QWidget* page) : m_page(page) {}

    void add(int id, QWidget* widget);
    QWidget* widget(int id) const { return m_widgets.value(id); }
    const QHash<int, QWidget*>& all() const { return m_widgets; }

    bool isVisible(int id) const override;
    bool isEnabled(int id) const override;
    void setEnabled(int id, bool enabled) override;
    bool isChecked(int id) const override;
    void setChecked(int id, bool checked) override;
    QString text(int id) const override;
    void setText(int id, const QString& text) override;
    int selectedRadio(int firstId) const override;
    void selectRadio(int firstId, int number) override;
    QString selectedText(int id) const override;
    void selectText(int id, const QString& text) override;
    void setItems(int id, const QStringList& texts) override;

    // Radio buttons of a group, registered under the id of the first.
    void addRadioGroup(int firstId, const QList<int>& buttonIds);

private:
    QWidget* m_page;
    QHash<int, QWidget*> m_widgets;
    QHash<int, QList<int>> m_radioGroups;
};

} // namespace hvx
