#pragma once
// The device data commands of the menus: the alarm data dialog and the measured-data recording
// (Remote menu), and showing a saved measured-data file as a chart (Daten menu).

class CMainFrame;
class CHvxDocManager;

namespace hvx::gui {

void RegisterDeviceDataCommands(CMainFrame& frame, CHvxDocManager& documents);

} // namespace hvx::gui
