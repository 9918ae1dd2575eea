#pragma once
// The alarm memory commands and the state of the alarm dialog, without any widget: the dialog
// and hvxcli are thin users of these. Questions, messages and file choices go through the
// application's user interaction.

#include "devicedata/AlarmFile.h"

#include <QString>
#include <vector>

class CHVXDoc;

namespace hvx {

// Reads the alarm memory in its own connection (Open, configuration, memory, Close with
// disconnect) and writes it as an alarm file. Shows 284 when the configuration cannot be read
// and 469 for an instrument without alarm memory, 466 when no record is stored. On failure no
// file is written.
bool FetchAlarmFile(const QString& path, AlarmMemory* memory = nullptr);

// Asks 465, then deletes the instrument's alarm memory (the header set to four zero bytes)
// once the access check against the instrument's code has passed. The document's access flag
// is restored afterwards. True when the memory was deleted.
bool DeleteAlarmMemory(CHVXDoc& doc);

// What the alarm dialog shows and the rules of its buttons.
class AlarmListState {
public:
    AlarmListState() = default;
    // A temporary file still shown is deleted.
    ~AlarmListState();
    AlarmListState(const AlarmListState&) = delete;
    AlarmListState& operator=(const AlarmListState&) = delete;

    // "empfangen": into a new temporary file in the alarm data directory. True when the list
    // now shows the fetched records; a failed fetch leaves the previous list.
    bool Fetch();
    // "speichern": asks for the name, copies the temporary file there. False when cancelled.
    bool Save();
    // "laden": offers to save an unsaved fetch first, then asks for a file and loads it.
    bool Load();
    // Loads the file into the list (not temporary) and sorts it by start time, ascending. A file
    // that cannot be read or is no alarm file leaves the list empty.
    enum class LoadResult { Loaded, Unreadable, NotAnAlarmFile };
    LoadResult LoadFile(const QString& path);
    // "OK": an unsaved fetch is offered for saving; the dialog closes anyway.
    void Ok();

    // A click on a column header.
    void SortBy(AlarmColumn column);

    int occurred() const { return m_nOccurred; }
    int stored() const { return m_nStored; }
    const std::vector<CAlarmListData>& rows() const { return m_rows; }
    QString shownPath() const { return m_strPath; }
    bool isTemporary() const { return m_bTemporary; }
    bool saveEnabled() const { return unsavedFetch(); }
    bool unsavedFetch() const { return m_bTemporary && m_nStored != 0; }

private:
    void ForgetTemporaryFile();

    int m_nOccurred = 0;
    int m_nStored = 0;
    QString m_strPath;
    bool m_bTemporary = false;
    bool m_bKeepTemporary = false; // a save failed: the temporary file holds the only copy
    std::vector<CAlarmListData> m_rows;
};

} // namespace hvx
