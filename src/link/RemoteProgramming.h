#pragma once
// Remote programming beside the document's commands: reading the instrument's parameter set
// without a document, and the check after writing (the document's transfer is in HVXDoc.h).

#include "model/Parametersatz.h"

#include <QStringList>

namespace hvx {

// Reads the instrument's parameter set over a link of its own (connect, configuration part,
// parameter part, disconnect). False after the link's or the read's message; image unchanged.
bool ReadInstrumentParameters(Parametersatz& image);

// Whether a transfer reads the parameters back and compares them with what it sent:
// [Communication] VerifyAfterWrite, or /Verify (hvxcli transfer --verify) for this run.
bool VerifyAfterWrite();

// Names the differences between the parameter set sent and the one read back, one line each.
// The programs install the page-field comparison; without it the bytes are named by offset.
using WriteDifferenceLines = QStringList (*)(const Parametersatz& sent, const Parametersatz& readBack);
void SetWriteDifferenceLines(WriteDifferenceLines lines);

} // namespace hvx
