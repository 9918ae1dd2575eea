#include "editing/gui/EditingViewFrame.h"

#include "app/gui/CommandIds.h"
#include "app/gui/MainFrame.h"
#include "editing/InputError.h"
#include "editing/gui/HVXView.h"

CHVXView* AttachEditingView(CMainFrame& frame, CHVXDoc& doc)
{
    namespace cmd = hvx::cmd;
    auto* view = new CHVXView(&frame);
    view->setDocument(&doc);
    frame.setCentralWidget(view);
    frame.RegisterCommand(cmd::kCheckPage, [view] { view->CheckCurrentPage(); });
    frame.RegisterCommand(cmd::kDefaultsCurrent, [view] { view->OnDefaultsCurrent(); },
                          [view] { return view->CanSetDefaultsCurrent(); });
    frame.RegisterCommand(cmd::kDefaultsAll, [view] { view->OnDefaultsAll(); },
                          [view] { return view->CanSetDefaultsAll(); });
    frame.SetInputErrorSource([]() -> std::optional<PendingInputError> {
        if (!hvx::inputErrorPending())
            return std::nullopt;
        return PendingInputError{hvx::inputError().controlId, hvx::InputErrorText(hvx::inputError())};
    });
    // The status bar shows the error while it is pending and the idle prompt once it is gone.
    QObject::connect(view, &CHVXView::inputErrorChanged, &frame, [&frame] {
        frame.SetMessageString(cmd::kIdleMessage);
        frame.UpdateCommandStates();
    });
    return view;
}
