#include "app/gui/SettingsPage.h"

#include "base/Log.h"
#include "base/gui/DialogTexts.h"

namespace hvx::gui {

SettingsPage::SettingsPage(const char* className, const char* section, QWidget* parent)
    : QWidget(parent)
    , m_className(QLatin1String(className))
    , m_section(QString::fromUtf8(section))
{
}

void SettingsPage::initialise()
{
    LogEntry(1, marker("OnInitDialog"));
    ApplyDialogTexts(this, m_section, 0);
    onInitDialog();
}

bool SettingsPage::OnOK()
{
    LogEntry(1, marker("OnOK"));
    m_valid = Exchange();
    return m_valid;
}

QString SettingsPage::marker(const char* operation) const
{
    return m_className + QStringLiteral("::") + QLatin1String(operation);
}

} // namespace hvx::gui
