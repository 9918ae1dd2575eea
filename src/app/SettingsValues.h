#pragma once
// What the settings dialog edits, apart from its widgets: the values of its three pages as they
// are read when a page is made and written when the user confirms, and the rule of OK.

#include "base/SettingsTable.h"

#include <QString>
#include <array>
#include <optional>
#include <span>

class CHVXApp;

namespace hvx {

// The five working directories, in the order of the directories page.
struct DirectoryRow {
    const settings::Text& setting;
    QString CHVXApp::*member; // the application's copy, read again after OK
};
std::span<const DirectoryRow> DirectoryRows();

struct DirectoryValues {
    std::array<QString, 5> paths;
    // As stored, empty when missing (nothing is written back).
    static DirectoryValues Load(CHVXApp& app);
    void Store(CHVXApp& app) const;
};
// After OK the application takes the directories again (missing ones become empty).
void ReloadDirectories(CHVXApp& app);

// Margins and indents in 1/10 mm, in the order of the print page.
struct PrintMarginValues {
    static constexpr int kCount = 5;
    std::array<int, kCount> values{};
    static const std::array<const settings::Int*, kCount>& Rows();
    // Read with the print page's defaults, written back when missing.
    static PrintMarginValues Load(CHVXApp& app);
    static PrintMarginValues Defaults();
    void Store(CHVXApp& app) const;
};

struct LogOptionValues {
    static constexpr int kLevels = 3; // 0, 1, 2
    QString directory;
    int level = 1;
    static LogOptionValues Load(CHVXApp& app);
    void Store(CHVXApp& app) const;
};

// A whole number as a number field takes it: an optional sign and digits, blanks around them
// allowed; nullopt for anything else or a number beyond the integer range.
std::optional<int> ParseWholeNumber(const QString& text);

// One page of the settings dialog as OK sees it.
class ISettingsPage {
public:
    virtual ~ISettingsPage() = default;
    // Takes the entries from the controls; false (after telling the user) when one is invalid.
    virtual bool OnOK() = 0;
    // Writes the taken entries to the settings.
    virtual void Store() = 0;
};

// OK of the settings dialog: each page in order takes its entries, and every page that is valid
// is stored at once, even when another is not. True when all pages were valid.
bool StoreValidPages(std::span<ISettingsPage* const> pages);

} // namespace hvx
