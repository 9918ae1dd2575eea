#pragma once
// Sending the support file: a new mail to the support address with the file named in the body
// (and attached where the desktop can), or, when no mail program answers, a copy of the file
// to a folder of the user's choice, asked again until it succeeds or the user gives up.

#include <QString>

namespace hvx {

struct SupportMail {
    QString address;    // [System] Mailto, created with the support address when missing
    QString subject;
    QString body;       // names the support file
    QString attachment; // the support file
};

// The mail for a support file.
SupportMail SupportMailFor(const QString& supportFile);
// The body text: the numbered text with "%s" replaced by the file and its escapes ("%%E4", one
// byte in the Latin-1 code) turned into the characters they stand for.
QString SupportMailBody(const QString& format, const QString& supportFile);
// "mailto:" address with subject and body, percent-encoded as UTF-8.
QString MailtoUrl(const SupportMail& mail);

// The desktop's mail program.
class IMailClient {
public:
    virtual ~IMailClient() = default;
    // True when a mail program is registered for mailto addresses.
    virtual bool HasMailProgram() = 0;
    // Opens a new mail; false when nothing answered.
    virtual bool OpenMail(const SupportMail& mail) = 0;
};

// The freedesktop tools: xdg-mime names the mail program, xdg-email opens it with the file
// attached.
class XdgMailClient : public IMailClient {
public:
    bool HasMailProgram() override;
    bool OpenMail(const SupportMail& mail) override;
};

// Offers the written support file: the mail when a mail program answers, otherwise the copy
// (questions through the application's user interaction). Returns true when the file was sent
// to the mail program or copied.
bool OfferSupportFile(const QString& supportFile, IMailClient& mail);

} // namespace hvx
