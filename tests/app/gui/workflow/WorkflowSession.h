#pragma once
// One start of the program on a configuration file, as the window puts itself together: the
// main frame with the editing view, the document, its file, remote and output commands and the
// two "Standard" commands, shown offscreen, against the simulated instrument inside the test.

#include "app/gui/HvxDocManager.h"
#include "app/gui/MainFrame.h"
#include "document/HVXDoc.h"
#include "editing/gui/HVXView.h"

#include <memory>

class CHvxModelessDlg;

namespace hvx::test::workflow {

class Sitzung {
public:
    explicit Sitzung(const QString& pfad);
    ~Sitzung();
    Sitzung(const Sitzung&) = delete;
    Sitzung& operator=(const Sitzung&) = delete;

    CHVXDoc& doc() { return m_doc; }
    CMainFrame& frame() { return *m_frame; }
    CHVXView& view() { return *m_view; }
    // The page in front, nullptr while the slot shows "Keine Parameter einstellbar!".
    CHvxModelessDlg* seite() const;
    // The window is still open (a close that was not cancelled ends the session).
    bool offen() const { return m_frame->isVisible(); }

private:
    CHVXDoc m_doc;
    std::unique_ptr<CMainFrame> m_frame;
    CHVXView* m_view = nullptr; // owned by the frame
    std::unique_ptr<CHvxDocManager> m_manager;
};

} // namespace hvx::test::workflow
