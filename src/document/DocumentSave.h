#pragma once
// The save steps the document framework runs around a command: save under a new name, and the
// question whether a modified document is saved before it is replaced.

#include "base/UserInteraction.h"

class CHVXDoc;

namespace hvx {

// The file choice of a configuration file (open or save): its title text number, the file
// type and the working directory.
FileChoice ConfigFileChoice(bool open, int titleText);

// Asks for a file name (title "Speichern unter", the working directory) and saves there. False
// when the user cancels or the save fails.
bool SaveDocumentAs(CHVXDoc& doc);

// Before a modified document is replaced: asks whether to save it (Yes saves, No goes on without,
// Cancel stops). False when the caller must stop.
bool SaveModifiedDocument(CHVXDoc& doc);

} // namespace hvx
