#include "WorkflowSession.h"

#include "app/gui/CommandIds.h"
#include "app/gui/OutputCommands.h"
#include "app/gui/RemoteCommands.h"
#include "editing/InputError.h"

#include <QApplication>

namespace hvx::test::workflow {

Sitzung::Sitzung(const QString& pfad) : m_frame(std::make_unique<CMainFrame>())
{
    m_view = new CHVXView(m_frame.get());
    m_frame->setCentralWidget(m_view);
    m_view->setDocument(&m_doc);
    m_frame->SetInputErrorSource([]() -> std::optional<PendingInputError> {
        if (!inputErrorPending())
            return std::nullopt;
        return PendingInputError{inputError().controlId, InputErrorText(inputError())};
    });
    m_manager = std::make_unique<CHvxDocManager>(m_doc, *m_frame);
    m_manager->RegisterCommands();
    gui::RegisterRemoteCommands(*m_frame, *m_manager);
    gui::RegisterOutputCommands(*m_frame, *m_manager);
    CHVXView* view = m_view;
    m_frame->RegisterCommand(cmd::kDefaultsCurrent, [view] { view->OnDefaultsCurrent(); },
                             [view] { return view->CanSetDefaultsCurrent(); });
    m_frame->RegisterCommand(cmd::kDefaultsAll, [view] { view->OnDefaultsAll(); },
                             [view] { return view->CanSetDefaultsAll(); });
    m_frame->resize(900, 700);
    m_frame->show();
    m_frame->activateWindow();
    m_manager->OpenDocumentFile(pfad);
    QCoreApplication::processEvents();
}

Sitzung::~Sitzung()
{
    m_manager.reset();
    m_frame.reset();
    inputError().clear();
}

CHvxModelessDlg* Sitzung::seite() const
{
    return m_view->currentPage();
}

} // namespace hvx::test::workflow
