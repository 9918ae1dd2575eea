#pragma once
// "Allgemeine Angaben": the serial number, customer, site and remark of a configuration file.

#include "base/gui/LanDialog.h"
#include "document/InfoBlock.h"

class QLineEdit;
class QPlainTextEdit;

class CHvxFileEigenschaften : public hvx::gui::LanDialog {
    Q_OBJECT
public:
    // editable: the document's access is granted; otherwise the fields only show the texts.
    CHvxFileEigenschaften(const hvx::InfoTexts& texts, bool editable, QWidget* parent = nullptr);

    // The texts as entered, lines joined with CR LF (the document limits them).
    hvx::InfoTexts texts() const;

    QLineEdit* serialNumberEdit() const { return m_serial; }
    QPlainTextEdit* textEdit(int index) const; // 0 customer, 1 site, 2 remark

private:
    QLineEdit* m_serial;
    QPlainTextEdit* m_customer;
    QPlainTextEdit* m_site;
    QPlainTextEdit* m_remark;
};
