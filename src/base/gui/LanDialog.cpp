#include "base/gui/LanDialog.h"

#include "base/HelpTopics.h"
#include "base/Log.h"
#include "base/gui/ContextHelp.h"
#include "base/gui/DialogTexts.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace hvx::gui {

void UseDialogFrame(QWidget* dialog)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint);
}

LanDialog::LanDialog(const char* className, const char* section, int captionId, QWidget* parent)
    : QDialog(parent)
    , m_className(QLatin1String(className))
    , m_section(QString::fromUtf8(section))
    , m_captionId(captionId)
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    UseDialogFrame(this);
    // Built-in German texts; the language file replaces them.
    WithCtrlId(m_buttons->button(QDialogButtonBox::Ok), kIdOk)->setText(QStringLiteral("OK"));
    WithCtrlId(m_buttons->button(QDialogButtonBox::Cancel), kIdCancel)->setText(QStringLiteral("Abbrechen"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &LanDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &LanDialog::reject);
    AddContextHelpKey(this, [this] { return helpAnchor(helpSection()); });
}

QPushButton* LanDialog::okButton() const
{
    return m_buttons->button(QDialogButtonBox::Ok);
}

QPushButton* LanDialog::cancelButton() const
{
    return m_buttons->button(QDialogButtonBox::Cancel);
}

void LanDialog::applyTexts()
{
    ApplyDialogTexts(this, m_section, m_captionId);
}

void LanDialog::showEvent(QShowEvent* event)
{
    if (!m_initialised) {
        m_initialised = true;
        logMarker("OnInitDialog");
        applyTexts();
        onInitDialog();
        orderFocusChain();
        adjustSize();
        // Before the main window is up (a file opened from the command line asks for its access
        // code), the dialog stands in the middle of the screen rather than in a corner.
        if (const QScreen* screen = QGuiApplication::primaryScreen();
            screen && (!parentWidget() || !parentWidget()->window()->isVisible())) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QDialog::showEvent(event);
}

void LanDialog::orderFocusChain()
{
    // The button box is made before the dialog's own controls, which would put OK first in the
    // tab order and give it the focus: the controls come first, the buttons last, and the first
    // control gets the focus, so that typing goes where the user looks.
    QList<QWidget*> controls;
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(this) && w->isEnabled() && !m_buttons->isAncestorOf(w))
            controls.append(w);
    }
    QWidget* previous = controls.isEmpty() ? nullptr : controls.constLast();
    const auto buttons = m_buttons->buttons();
    for (QAbstractButton* button : buttons) {
        if (previous != nullptr)
            setTabOrder(previous, button);
        previous = button;
    }
    if (controls.isEmpty())
        return;
    QWidget* first = controls.constFirst();
    // In a group of choices the chosen one takes the focus; the arrow keys move from there.
    if (auto* choice = qobject_cast<QAbstractButton*>(first); choice && choice->group() && choice->group()->checkedButton())
        first = choice->group()->checkedButton();
    first->setFocus(Qt::TabFocusReason);
}

void LanDialog::accept()
{
    logMarker("OnOK");
    if (onOK())
        QDialog::accept();
}

void LanDialog::logMarker(const char* operation) const
{
    LogEntry(1, m_className + QStringLiteral("::") + QLatin1String(operation));
}

} // namespace hvx::gui
