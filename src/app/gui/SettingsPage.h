#pragma once
// A page of the settings dialog: a child widget with its own Dialog.lan section, which takes its
// entries on OK or before the tab changes (its data exchange) and stores them when asked.

#include "app/SettingsValues.h"

#include <QString>
#include <QWidget>

namespace hvx::gui {

class SettingsPage : public QWidget, public hvx::ISettingsPage {
    Q_OBJECT
public:
    SettingsPage(const char* className, const char* section, QWidget* parent);

    // The texts of the page's section; then the page's own initialisation.
    void initialise();
    // The data exchange: takes the entries, or tells the user about the first invalid one.
    virtual bool Exchange() = 0;
    // OK: sets "valid" from the data exchange.
    bool OnOK() override;
    bool isValid() const { return m_valid; }
    QString section() const { return m_section; }

protected:
    virtual void onInitDialog() {}
    QString marker(const char* operation) const;

private:
    QString m_className;
    QString m_section;
    bool m_valid = false;
};

} // namespace hvx::gui
