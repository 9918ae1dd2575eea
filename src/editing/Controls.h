#pragma once
// The controls of a page as the field exchange and the validators see them: addressed by control
// id, without widgets. The widget layer implements it over real controls; tests over a map.

#include <QString>
#include <QStringList>

namespace hvx {

class IControls {
public:
    virtual ~IControls() = default;

    virtual bool isVisible(int id) const = 0;
    virtual bool isEnabled(int id) const = 0;
    virtual void setEnabled(int id, bool enabled) = 0;

    // check boxes
    virtual bool isChecked(int id) const = 0;
    virtual void setChecked(int id, bool checked) = 0;
    // edits
    virtual QString text(int id) const = 0;
    virtual void setText(int id, const QString& text) = 0;
    // radio groups, addressed by the id of their first button: number of the selected button
    // (-1 when none is selected)
    virtual int selectedRadio(int firstId) const = 0;
    virtual void selectRadio(int firstId, int number) = 0;
    // drop-down lists: the visible text of the selection (empty when none), and selecting an
    // entry by its text (no selection when the text is not in the list)
    virtual QString selectedText(int id) const = 0;
    virtual void selectText(int id, const QString& text) = 0;
    virtual void setItems(int id, const QStringList& texts) = 0;
};

} // namespace hvx
