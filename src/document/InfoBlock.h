#pragma once
// The four descriptive texts of a configuration file and their 624-byte information block.

#include "document/ConfigFileLayout.h"

#include <QString>
#include <array>
#include <span>

namespace hvx {

struct InfoTexts {
    QString seriennummer;
    QString kunde;
    QString standort;
    QString bemerkung;

    bool operator==(const InfoTexts&) const = default;
};

using InfoBlockBytes = std::array<quint8, configfile::kInfoBlockSize>;

// Zero block with each text zero-terminated in its field. A text too long for its field is cut
// so that the terminator always fits.
InfoBlockBytes EncodeInfoBlock(const InfoTexts& texts);
InfoTexts DecodeInfoBlock(std::span<const quint8, configfile::kInfoBlockSize> block);

// The limits of the properties dialog: the serial number one line, the others four lines, each
// line at most 40 characters; lines are joined with CR LF (a bare LF also separates lines).
InfoTexts LimitInfoTexts(const InfoTexts& texts);
QString LimitLines(const QString& text, int maxLines, int maxLineLength);

} // namespace hvx
