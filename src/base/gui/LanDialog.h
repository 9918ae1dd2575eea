#pragma once
// Base of the program's dialogs: texts from the dialog's Dialog.lan section applied when it
// opens, the handler markers "<class>::OnInitDialog" and "<class>::OnOK" in the log book,
// OK/Cancel buttons with their control ids, and F1 for the dialog's topic in the manual.

#include <QDialog>
#include <QString>

class QDialogButtonBox;
class QPushButton;

namespace hvx::gui {

// The frame of a dialog or message box: title and close button, no minimise or maximise button.
void UseDialogFrame(QWidget* dialog);

class LanDialog : public QDialog {
    Q_OBJECT
public:
    LanDialog(const char* className, const char* section, int captionId, QWidget* parent);

    QString section() const { return m_section; }
    QPushButton* okButton() const;
    QPushButton* cancelButton() const;

    // Applies the language texts again (for a dialog that stays open over a language switch).
    void applyTexts();

    void accept() override;

protected:
    // OK and Cancel with their control ids, for the dialog's layout.
    QDialogButtonBox* buttonBox() const { return m_buttons; }
    // The Dialog.lan section whose manual topic F1 opens: the dialog's own, or that of the page
    // it shows.
    virtual QString helpSection() const { return m_section; }
    // Runs once when the dialog is first shown, after the texts are applied.
    virtual void onInitDialog() {}
    // OK: returns false to keep the dialog open.
    virtual bool onOK() { return true; }
    void showEvent(QShowEvent* event) override;
    void logMarker(const char* operation) const;

private:
    void orderFocusChain();

    QString m_className;
    QString m_section;
    int m_captionId;
    QDialogButtonBox* m_buttons;
    bool m_initialised = false;
};

} // namespace hvx::gui
