#include "app/gui/EinstiegDlg.h"

#include "base/gui/DialogTexts.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

using hvx::gui::WithCtrlId;

namespace {

struct EntryChoice {
    int choice;
    int radioId;
    const char* text;
    int explanationId;
    const char* explanation;
};

constexpr EntryChoice kChoices[] = {
    {CEinstiegDlg::NewConfiguration, 1231, "neue Programmierung erstellen", 1401,
     "Eine neue Konfiguration für einen Hydrovant anlegen: Revision und Module wählen, dann die "
     "Parameter einstellen."},
    {CEinstiegDlg::OpenFile, 1232, "bestehende Programmierung laden", 1402,
     "Eine gespeicherte Konfigurationsdatei (*.hxd) öffnen und bearbeiten."},
    {CEinstiegDlg::ReadFromInstrument, 1230, "Datei über Anbindung laden", 1403,
     "Die Parameter über die serielle Schnittstelle aus dem angeschlossenen Hydrovant auslesen."},
};

} // namespace

CEinstiegDlg::CEinstiegDlg(QWidget* parent)
    : LanDialog("CEinstiegDlg", "Einstiegs-Dialog", 144, parent)
    , m_choices(new QButtonGroup(this))
{
    setWindowTitle(QStringLiteral("Einstieg..."));
    auto* layout = new QVBoxLayout(this);
    for (const EntryChoice& entry : kChoices) {
        auto* radio = WithCtrlId(new QRadioButton(QString::fromUtf8(entry.text), this), entry.radioId);
        m_choices->addButton(radio, entry.choice);
        auto* explanation = WithCtrlId(new QLabel(QString::fromUtf8(entry.explanation), this), entry.explanationId);
        explanation->setWordWrap(true);
        explanation->setIndent(24);
        explanation->setForegroundRole(QPalette::PlaceholderText);
        layout->addWidget(radio);
        layout->addWidget(explanation);
        layout->addSpacing(8);
    }
    layout->addWidget(buttonBox());
    setMinimumWidth(440);
    setChoice(NewConfiguration);
}

int CEinstiegDlg::choice() const
{
    return m_choices->checkedId();
}

void CEinstiegDlg::setChoice(int choice)
{
    if (QAbstractButton* button = m_choices->button(choice))
        button->setChecked(true);
}

void CEinstiegDlg::setChoiceEnabled(int choice, bool enabled)
{
    if (QAbstractButton* button = m_choices->button(choice))
        button->setEnabled(enabled);
}
