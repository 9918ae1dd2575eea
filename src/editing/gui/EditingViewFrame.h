#pragma once
// The editing view in the main window: the view becomes the frame's central widget, the frame's
// page check (F12) and the two "Standard" commands go to it, and the frame's status bar and
// close refusal learn of a pending input error.

class CHVXDoc;
class CHVXView;
class CMainFrame;

CHVXView* AttachEditingView(CMainFrame& frame, CHVXDoc& doc);
