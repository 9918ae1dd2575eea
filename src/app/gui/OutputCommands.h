#pragma once
// The File menu's output commands: text export, print, print directly, page set-up, print
// preview and the print font.

class CMainFrame;
class CHvxDocManager;

namespace hvx::gui {

void RegisterOutputCommands(CMainFrame& frame, CHvxDocManager& documents);

} // namespace hvx::gui
