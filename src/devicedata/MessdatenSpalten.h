#pragma once
// A measured-data file in columns, as the chart needs it: the time of every line that has 11
// TABs and a valid stamp, and one packed column per module value field (first and second value
// of modules 1 to 3) that holds a number in at least one line. A line costs 8 bytes of time and
// 4 bytes per column, so a month at one line per second stays well below 200 MB.
//
// The reader takes the text in blocks of any size (lines may be split between blocks) in one
// pass, without a date object or a string per line.

#include <QByteArray>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace hvx {

inline constexpr int kWerteProModul = 2; // first and second value
inline constexpr int kMesswertModule = 3;
inline constexpr int kWertspalten = kWerteProModul * kMesswertModule;

// A value field: a number (decimal point or comma, optional exponent) and an optional unit
// after it ("7.21", "0,45 mg/l", "650mV"); nothing for an empty field or other text.
struct ZahlMitEinheit {
    double zahl = 0;
    std::string_view einheit; // trimmed; empty when the field has none
};
std::optional<ZahlMitEinheit> ParseMesswert(std::string_view field);

struct Messwertspalte {
    int modul = 0;            // slot 0..2
    bool zweiterWert = false; // the module's second value (mostly the temperature)
    QString einheit;          // the unit after the numbers, from the first line that has one
    std::vector<float> werte; // one per line; NaN where the line has no number
};

struct MessdatenSpalten {
    std::vector<qint64> zeit; // wall-clock seconds (see MessStempel.h), ascending
    std::vector<Messwertspalte> spalten;
    qint64 verworfen = 0; // lines without 11 TABs or a valid stamp

    bool empty() const { return zeit.empty(); }
    qsizetype size() const { return qsizetype(zeit.size()); }
    // The column of a module's first or second value; nullptr when no line has a number there.
    const Messwertspalte* spalte(int modul, bool zweiterWert = false) const;
    // Appends one line's time and values (NaN for none); a time before the last one is sorted
    // into place by Sortiere().
    void Anfuegen(qint64 sekunden, const std::array<float, kWertspalten>& werte);
    // Brings the lines into time order (stable), when they are not.
    void Sortiere();
};

class MessdatenLeser {
public:
    // expectedBytes: the file's size, to reserve the columns once (0: unknown).
    explicit MessdatenLeser(qint64 expectedBytes = 0);
    void Lies(std::string_view block);
    // A last line without its line end counts too; empty columns are dropped.
    MessdatenSpalten Ende();

private:
    void Zeile(std::string_view line);
    void Reserviere(qint64 consumedBytes);

    qint64 m_expected;
    qint64 m_consumed = 0;
    bool m_reserved = false;
    std::string m_rest; // an unfinished line from the previous block
    MessdatenSpalten m_daten;
    std::array<bool, kWertspalten> m_zahlGesehen{};
};

// The whole text at once.
MessdatenSpalten LeseMessdaten(const QByteArray& datText);

// Reads the file in blocks. After each block progress(bytes read, file size) is called; when it
// returns false the reading stops and nothing is returned, as for a file that cannot be read
// (then *cause says why).
std::optional<MessdatenSpalten> LeseMessdatenDatei(const QString& path,
                                                   const std::function<bool(qint64 done, qint64 total)>& progress,
                                                   QString* cause = nullptr);

} // namespace hvx
