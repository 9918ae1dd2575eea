#pragma once
// Dialog texts from Dialog.lan, keyed by control id. Each widget of a dialog carries its control
// id as a property; one generic function puts the language file's text on it, and a text the
// language file lacks leaves the built-in German text in place.

#include <QString>

class QWidget;
class QComboBox;

namespace hvx::gui {

// Dialog.lan's section of the buttons that many dialogs share, and their ids.
inline constexpr const char* kGeneralDialogItems = "GeneralDialogItems";
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// Gives a widget its control id (and returns it, for chaining in constructors).
template <typename W>
W* WithCtrlId(W* widget, int id);
void SetCtrlId(QWidget* widget, int id);
int CtrlId(const QWidget* widget); // 0 when the widget has none

// The child of dialog with this control id, or nullptr.
QWidget* FindCtrl(QWidget* dialog, int id);

// Looks the text up in section; when it is not empty it becomes the text of the dialog's child
// with that control id. Returns the text.
QString SetDlgItemLanText(QWidget* dialog, const QString& section, int id);
// As SetDlgItemLanText, with the looked-up text used as a format for one argument ("%s", "%d").
QString SetDlgItemLanTextFormat(QWidget* dialog, const QString& section, int id, const QString& argument);

// The whole initialisation of a dialog's texts: the caption (captionId > 0) from section, every
// control with an id from section, and OK (1) and Cancel (2) from GeneralDialogItems.
void ApplyDialogTexts(QWidget* dialog, const QString& section, int captionId);

// Appends the numbered text to the list with the item data; an empty text adds nothing.
QString AddComboLanText(QComboBox* combo, int number, int itemData);

template <typename W>
W* WithCtrlId(W* widget, int id)
{
    SetCtrlId(widget, id);
    return widget;
}

} // namespace hvx::gui
