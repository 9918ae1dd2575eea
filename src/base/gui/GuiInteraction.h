#pragma once
// The user interaction of the window: message boxes, the access code prompt, the transfer
// progress and the file dialogs, owned by the main window.

#include "base/UserInteraction.h"

#include "base/gui/RemoteProgress.h"

#include <QPointer>
#include <memory>

class QWidget;


namespace hvx::gui {

class GuiInteraction : public IUserInteraction {
public:
    explicit GuiInteraction(QWidget* owner = nullptr) : m_owner(owner) {}
    ~GuiInteraction() override;
    void setOwner(QWidget* owner) { m_owner = owner; }

    int messageBox(const QString& text, unsigned type, unsigned helpId) override;
    std::optional<QString> askAccessCode() override;
    void progressBegin(const QString& title, int range) override;
    void progressStep(int position) override;
    void progressEnd() override;
    std::optional<QString> chooseFile(const FileChoice& choice) override;
    void idle() override;
    void beginWait() override;
    void endWait() override;
    bool isBatch() const override { return false; }
    void warning(const QString& text) override;
    // The follow-up is one more button beside the box's own.
    int messageBoxWithAction(const QString& text, unsigned type, const QString& action) override;

    CRemoteProgress* progressDialog() const { return m_progress; }

    // The Qt file dialog filter list: the file type, then all files.
    static QStringList FileFilters(const FileChoice& choice);

private:
    // The window that questions and progress belong to: the modal dialog at work, else the owner.
    QWidget* dialogParent() const;
    QPointer<QWidget> m_owner;
    QPointer<CRemoteProgress> m_progress;
};

} // namespace hvx::gui
