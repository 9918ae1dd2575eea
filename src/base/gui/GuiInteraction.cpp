#include "base/gui/GuiInteraction.h"

#include "base/Language.h"
#include "base/gui/HvxZugangscodeDlg.h"
#include "base/gui/LanDialog.h"
#include "base/gui/RemoteProgress.h"

#include <QPushButton>
#include <QApplication>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>

namespace hvx::gui {
namespace {

constexpr unsigned kIconMask = 0xF0;
constexpr int kTextAllFiles = 61442;

struct ButtonSet {
    unsigned type;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    QMessageBox::StandardButton secondButton; // the default with MB_DEFBUTTON2
};

constexpr ButtonSet kButtonSets[] = {
    {MB_OK, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok},
    {MB_OKCANCEL, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Cancel},
    {MB_ABORTRETRYIGNORE, QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::Abort,
     QMessageBox::Retry},
    {MB_YESNOCANCEL, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::No},
    {MB_YESNO, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No},
    {MB_RETRYCANCEL, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry, QMessageBox::Cancel},
};

int answerOf(int button)
{
    switch (button) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Abort: return IDABORT;
    case QMessageBox::Retry: return IDRETRY;
    case QMessageBox::Ignore: return IDIGNORE;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return IDCANCEL;
    }
}

QMessageBox::Icon iconOf(unsigned type)
{
    switch (type & kIconMask) {
    case MB_ICONERROR: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONWARNING: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: break;
    }
    // Questions are asked with plain button types (their batch answer depends on it); the window
    // still shows them as questions, and a plain message as information.
    const unsigned buttons = type & MB_TYPEMASK;
    return buttons == MB_YESNO || buttons == MB_YESNOCANCEL ? QMessageBox::Question : QMessageBox::Information;
}

} // namespace

QWidget* GuiInteraction::dialogParent() const
{
    // A dialog that works (the hex dump writing the EEPROM) keeps its progress and messages in
    // front of it, not behind it over the main window.
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return m_owner;
}

GuiInteraction::~GuiInteraction()
{
    delete m_progress.data();
}

int GuiInteraction::messageBox(const QString& text, unsigned type, unsigned /*helpId*/)
{
    return messageBoxWithAction(text, type, QString());
}

int GuiInteraction::messageBoxWithAction(const QString& text, unsigned type, const QString& action)
{
    const unsigned buttons = type & MB_TYPEMASK;
    ButtonSet set = kButtonSets[0];
    for (const ButtonSet& candidate : kButtonSets) {
        if (candidate.type == buttons)
            set = candidate;
    }
    QMessageBox box(iconOf(type), QStringLiteral("HVX"), text, set.buttons, dialogParent());
    UseDialogFrame(&box);
    box.setDefaultButton((type & MB_DEFMASK) == MB_DEFBUTTON2 ? set.secondButton : set.defaultButton);
    QPushButton* follow = action.isEmpty() ? nullptr : box.addButton(action, QMessageBox::ActionRole);
    // A box is a question to the user: the wait cursor of a running command must not hide it.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int button = box.exec();
    QApplication::restoreOverrideCursor();
    if (follow != nullptr && box.clickedButton() == follow)
        return IDACTION;
    return answerOf(button);
}

std::optional<QString> GuiInteraction::askAccessCode()
{
    CHvxZugangscodeDlg dialog(dialogParent());
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int result = dialog.exec();
    QApplication::restoreOverrideCursor();
    if (result != QDialog::Accepted)
        return std::nullopt;
    return dialog.code();
}

void GuiInteraction::progressBegin(const QString& title, int range)
{
    delete m_progress.data();
    QWidget* parent = dialogParent();
    m_progress = new CRemoteProgress(title, range, parent);
    m_progress->show();
    if (parent != nullptr) {
        const QRect frame = parent->window()->geometry();
        m_progress->move(frame.center() - m_progress->rect().center());
    }
    idle();
}

void GuiInteraction::progressStep(int position)
{
    if (m_progress != nullptr)
        m_progress->setPosition(position);
    idle();
}

void GuiInteraction::progressEnd()
{
    delete m_progress.data();
    idle();
}

QStringList GuiInteraction::FileFilters(const FileChoice& choice)
{
    QString type = choice.filterDescription;
    if (!type.contains(QLatin1String("(*")))
        type += QStringLiteral(" (*.%1)").arg(choice.extension);
    // The all-files pattern of the text ("*.*") would hide files without an extension here.
    QString all = choice.allFiles.isEmpty() ? BuiltinGermanText(kTextAllFiles) : choice.allFiles;
    all.replace(QLatin1String("(*.*)"), QLatin1String("(*)"));
    return {type, all};
}

std::optional<QString> GuiInteraction::chooseFile(const FileChoice& choice)
{
    QFileDialog dialog(dialogParent(), choice.title, choice.directory);
    dialog.setAcceptMode(choice.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(choice.open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(FileFilters(choice));
    dialog.setDefaultSuffix(choice.extension);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!choice.fileName.isEmpty())
        dialog.selectFile(choice.fileName);
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int result = dialog.exec();
    QApplication::restoreOverrideCursor();
    if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void GuiInteraction::warning(const QString& text)
{
    IUserInteraction::warning(text);
    auto* frame = qobject_cast<QMainWindow*>(m_owner ? m_owner->window() : nullptr);
    if (frame != nullptr)
        frame->statusBar()->showMessage(text);
}

void GuiInteraction::idle()
{
    // Repaint and keep the progress moving, but take no input while the core works.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void GuiInteraction::beginWait()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void GuiInteraction::endWait()
{
    QApplication::restoreOverrideCursor();
}

} // namespace hvx::gui
