#pragma once
// Every question, message, progress display and file choice that the core needs goes through
// this one interface. The window provides the GUI implementation, the batch mode answers by
// itself, and tests script the answers.

#include <QString>
#include <cstdio>
#include <optional>

namespace hvx {

// Message box types and answers carry the values of the classic message-box API, because the
// batch answers are defined on the type value as a whole (see BatchInteraction).
enum MessageBoxType : unsigned {
    MB_OK = 0x00,
    MB_OKCANCEL = 0x01,
    MB_ABORTRETRYIGNORE = 0x02,
    MB_YESNOCANCEL = 0x03,
    MB_YESNO = 0x04,
    MB_RETRYCANCEL = 0x05,
    MB_ICONHAND = 0x10,
    MB_ICONSTOP = 0x10,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONWARNING = 0x30,
    MB_ICONASTERISK = 0x40,
    MB_ICONINFORMATION = 0x40,
    // The second button is the default: questions that overwrite or delete data answer "Nein"
    // on Enter. Only the window heeds it; a batch run answers as it always does.
    MB_TYPEMASK = 0x0F, // the buttons of a type value
    MB_DEFBUTTON1 = 0x000,
    MB_DEFBUTTON2 = 0x100,
    MB_DEFMASK = 0xF00,
};

enum MessageBoxAnswer : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDABORT = 3,
    IDRETRY = 4,
    IDIGNORE = 5,
    IDYES = 6,
    IDNO = 7,
    IDACTION = 100, // the follow-up button of messageBoxWithAction
};

struct FileChoice {
    bool open = true;          // open or save
    QString title;
    QString filterDescription; // text shown for the file type
    QString extension;         // default extension without the dot, e.g. "hxd"
    QString directory;         // initial directory
    QString fileName;          // proposed file name (save)
    QString allFiles;          // the all-files entry; empty: the program's built-in one
};

class IUserInteraction {
public:
    virtual ~IUserInteraction() = default;

    // Shows a message; returns one of MessageBoxAnswer.
    virtual int messageBox(const QString& text, unsigned type, unsigned helpId) = 0;

    // Asks for the four-character access code; nullopt when the user cancels.
    virtual std::optional<QString> askAccessCode() = 0;
    // Whether asking again after a wrong code can bring another one: not when the code was given
    // in advance (a command-line option), which would only be given again.
    virtual bool canRetryAccessCode() const { return true; }

    // Progress of a long operation (for example a transfer byte by byte).
    virtual void progressBegin(const QString& title, int range) = 0;
    virtual void progressStep(int position) = 0;
    virtual void progressEnd() = 0;

    // File choice; nullopt when cancelled.
    virtual std::optional<QString> chooseFile(const FileChoice& choice) = 0;

    // Called regularly while the core waits (for example on the instrument), so that a window
    // can repaint and update its progress display without accepting input.
    virtual void idle() = 0;

    // The wait cursor while the core waits on something the user cannot hurry (the instrument).
    // Calls nest; each beginWait is matched by one endWait.
    virtual void beginWait() = 0;
    virtual void endWait() = 0;

    // True when nobody can be asked (batch runs): workflows use it where they must decide
    // something other than the answer of a box.
    virtual bool isBatch() const = 0;

    // A warning that needs no answer (for example a backup that could not be made): standard
    // error here; the window shows it in its status bar.
    virtual void warning(const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); }

    // A message with one more button that offers a follow-up (after a transfer: save its report).
    // Returns IDACTION when that button was chosen. Where there is no such button (batch runs),
    // the plain message.
    virtual int messageBoxWithAction(const QString& text, unsigned type, const QString& /*action*/)
    {
        return messageBox(text, type, 0);
    }
};

} // namespace hvx
