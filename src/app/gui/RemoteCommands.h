#pragma once
// The Remote menu's commands that talk to the instrument: read the parameter set, transfer it
// with or without keeping the calibration values, set the clock. Each runs synchronously under
// the wait cursor, with the window's input frozen and its progress display live.

class CMainFrame;
class CHvxDocManager;

namespace hvx::gui {

void RegisterRemoteCommands(CMainFrame& frame, CHvxDocManager& documents);

} // namespace hvx::gui
