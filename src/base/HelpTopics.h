#pragma once
// The topics of the user manual that context help opens (F1, the help button of the tool bar):
// one row per page, sub page and dialog, keyed by the Dialog.lan section the page or dialog
// takes its texts from and, for the controller page, by the controller kind. Both manuals (the
// HTML page of each language folder) carry every anchor of this table; a test holds them to it.

#include <QString>

#include <span>

namespace hvx {

struct HelpTopic {
    const char* section; // Dialog.lan section of the page or dialog
    int variant;         // the controller page: a controller kind code; else kAnyVariant
    const char* anchor;  // the topic's id in the manual
};

inline constexpr int kAnyVariant = -1;
// Where help starts when no page is shown (no configuration loaded yet).
inline constexpr const char* kHelpStartAnchor = "getting-started";
// The list of topics near the top of the manual ("Inhalt...").
inline constexpr const char* kHelpContentsAnchor = "contents";

std::span<const HelpTopic> helpTopics();

// The topic of a page or dialog. A variant without a row of its own takes the section's general
// row; an empty section gives the getting-started topic; an unknown section gives an empty text
// (the manual opens at its start).
QString helpAnchor(const QString& section, int variant = kAnyVariant);

} // namespace hvx
