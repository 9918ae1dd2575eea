#include "devicedata/MessdatenSpalten.h"

#include "base/ProfileReader.h"
#include "devicedata/MessStempel.h"
#include "devicedata/Messdaten.h"

#include <QFile>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <numeric>

namespace hvx {
namespace {

constexpr qint64 kBlockBytes = 4 << 20;
constexpr std::size_t kMaxNumberLength = 64;
constexpr float kNoValue = std::numeric_limits<float>::quiet_NaN();

bool Blank(char c)
{
    return c == ' ' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\t';
}

bool Digit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && Blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && Blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The number at the start of the text into buffer (a comma becomes a point, a plus sign is
// dropped), its length in the text, or 0 when it does not start with one.
std::size_t CopyNumber(std::string_view text, char* buffer, std::size_t& length)
{
    std::size_t i = 0;
    length = 0;
    auto put = [&](char c) {
        if (length < kMaxNumberLength)
            buffer[length] = c;
        ++length;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            put('-');
        ++i;
    }
    int digits = 0;
    for (; i < text.size() && Digit(text[i]); ++i, ++digits)
        put(text[i]);
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        put('.');
        for (++i; i < text.size() && Digit(text[i]); ++i, ++digits)
            put(text[i]);
    }
    if (digits == 0)
        return 0;
    // An exponent only when digits follow it; otherwise the "e" starts the unit.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && Digit(text[j])) {
            put('e');
            if (text[i + 1] == '-')
                put('-');
            for (i = j; i < text.size() && Digit(text[i]); ++i)
                put(text[i]);
        }
    }
    return length <= kMaxNumberLength ? i : 0;
}

} // namespace

std::optional<ZahlMitEinheit> ParseMesswert(std::string_view field)
{
    const std::string_view text = Trimmed(field);
    char buffer[kMaxNumberLength];
    std::size_t length = 0;
    const std::size_t used = CopyNumber(text, buffer, length);
    if (used == 0)
        return std::nullopt;
    double value = 0;
    const std::from_chars_result parsed = std::from_chars(buffer, buffer + length, value);
    if (parsed.ec != std::errc() || parsed.ptr != buffer + length || !std::isfinite(value))
        return std::nullopt;
    const std::string_view unit = Trimmed(text.substr(used));
    // A second number is no unit: "7.20 7.30" or "1.2.3" is no value.
    if (!unit.empty() && (Digit(unit.front()) || std::strchr("+-.,", unit.front())))
        return std::nullopt;
    return ZahlMitEinheit{value, unit};
}

const Messwertspalte* MessdatenSpalten::spalte(int modul, bool zweiterWert) const
{
    for (const Messwertspalte& s : spalten) {
        if (s.modul == modul && s.zweiterWert == zweiterWert)
            return &s;
    }
    return nullptr;
}

void MessdatenSpalten::Anfuegen(qint64 sekunden, const std::array<float, kWertspalten>& werte)
{
    zeit.push_back(sekunden);
    for (Messwertspalte& s : spalten)
        s.werte.push_back(werte[std::size_t(s.modul * kWerteProModul + (s.zweiterWert ? 1 : 0))]);
}

void MessdatenSpalten::Sortiere()
{
    if (std::is_sorted(zeit.begin(), zeit.end()))
        return;
    std::vector<quint32> order(zeit.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [this](quint32 a, quint32 b) { return zeit[a] < zeit[b]; });
    auto permute = [&order](auto& column) {
        std::remove_reference_t<decltype(column)> sorted(column.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            sorted[i] = column[order[i]];
        column.swap(sorted);
    };
    permute(zeit);
    for (Messwertspalte& s : spalten)
        permute(s.werte);
}

MessdatenLeser::MessdatenLeser(qint64 expectedBytes) : m_expected(expectedBytes)
{
    for (int m = 0; m < kMesswertModule; ++m) {
        for (int v = 0; v < kWerteProModul; ++v)
            m_daten.spalten.push_back({m, v == 1, QString(), {}});
    }
}

void MessdatenLeser::Reserviere(qint64 consumedBytes)
{
    // From the lines of the first block: the columns are reserved once for the whole file.
    if (m_reserved || m_expected <= 0 || m_daten.zeit.size() < 64)
        return;
    m_reserved = true;
    const double perLine = double(consumedBytes) / double(m_daten.zeit.size());
    const std::size_t lines = std::size_t(double(m_expected) / perLine * 1.02) + 64;
    m_daten.zeit.reserve(lines);
    for (Messwertspalte& s : m_daten.spalten)
        s.werte.reserve(lines);
}

void MessdatenLeser::Lies(std::string_view block)
{
    while (!block.empty()) {
        const char* end = static_cast<const char*>(std::memchr(block.data(), '\n', block.size()));
        if (!end) {
            m_rest.append(block);
            break;
        }
        const std::size_t length = std::size_t(end - block.data());
        if (m_rest.empty()) {
            Zeile(block.substr(0, length));
        } else {
            m_rest.append(block.substr(0, length));
            Zeile(m_rest);
            m_rest.clear();
        }
        m_consumed += qint64(length + 1);
        block.remove_prefix(length + 1);
    }
    Reserviere(m_consumed);
}

void MessdatenLeser::Zeile(std::string_view line)
{
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.remove_suffix(1);
    if (line.empty())
        return;
    std::array<std::string_view, kMesswertFelder> fields;
    std::size_t count = 0;
    for (std::string_view rest = line;;) {
        const char* tab = static_cast<const char*>(std::memchr(rest.data(), '\t', rest.size()));
        if (!tab || count == kMesswertTabs) {
            if (tab || count != kMesswertTabs) {
                ++m_daten.verworfen;
                return;
            }
            fields[count] = rest;
            break;
        }
        fields[count++] = rest.substr(0, std::size_t(tab - rest.data()));
        rest.remove_prefix(std::size_t(tab - rest.data()) + 1);
    }
    const std::optional<StempelSekunden> stamp = ParseStempelSekunden(fields[0]);
    if (!stamp) {
        ++m_daten.verworfen;
        return;
    }
    m_daten.zeit.push_back(stamp->sekunden);
    for (std::size_t c = 0; c < m_daten.spalten.size(); ++c) {
        Messwertspalte& column = m_daten.spalten[c];
        // Fields 2, 3 for module 1, 5, 6 for module 2, 8, 9 for module 3.
        const std::size_t field = 1 + std::size_t(column.modul) * 3 + (column.zweiterWert ? 1 : 0);
        const std::optional<ZahlMitEinheit> value = ParseMesswert(fields[field]);
        column.werte.push_back(value ? float(value->zahl) : kNoValue);
        if (value && !m_zahlGesehen[c]) {
            m_zahlGesehen[c] = true;
            column.einheit = DecodeTextFile(QByteArray(value->einheit.data(), qsizetype(value->einheit.size())));
        }
    }
}

MessdatenSpalten MessdatenLeser::Ende()
{
    if (!m_rest.empty()) {
        Zeile(m_rest);
        m_rest.clear();
    }
    MessdatenSpalten result = std::move(m_daten);
    std::vector<Messwertspalte> kept;
    for (std::size_t c = 0; c < result.spalten.size(); ++c) {
        if (m_zahlGesehen[c])
            kept.push_back(std::move(result.spalten[c]));
    }
    result.spalten = std::move(kept);
    result.Sortiere();
    return result;
}

MessdatenSpalten LeseMessdaten(const QByteArray& datText)
{
    MessdatenLeser reader(datText.size());
    reader.Lies(std::string_view(datText.constData(), std::size_t(datText.size())));
    return reader.Ende();
}

std::optional<MessdatenSpalten> LeseMessdatenDatei(const QString& path,
                                                   const std::function<bool(qint64 done, qint64 total)>& progress,
                                                   QString* cause)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (cause)
            *cause = file.errorString();
        return std::nullopt;
    }
    const qint64 total = file.size();
    MessdatenLeser reader(total);
    std::vector<char> block(static_cast<std::size_t>(kBlockBytes));
    qint64 done = 0;
    for (;;) {
        const qint64 n = file.read(block.data(), kBlockBytes);
        if (n < 0) {
            if (cause)
                *cause = file.errorString();
            return std::nullopt;
        }
        if (n == 0)
            break;
        reader.Lies(std::string_view(block.data(), std::size_t(n)));
        done += n;
        if (progress && !progress(done, total))
            return std::nullopt;
    }
    return reader.Ende();
}

} // namespace hvx
