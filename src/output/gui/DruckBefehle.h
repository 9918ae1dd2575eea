#pragma once
// The print commands of the window: print with the print dialog, print directly on the current
// printer, page set-up, the print preview and the choice of the print font.

class CHVXDoc;
class QWidget;

namespace hvx::gui {

void OnFilePrint(QWidget* parent, const CHVXDoc& doc, bool direkt);
void OnFilePrintSetup(QWidget* parent);
void OnFilePrintPreview(QWidget* parent, const CHVXDoc& doc);
void OnPrinterFont(QWidget* parent);

} // namespace hvx::gui
