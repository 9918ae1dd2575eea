#include "MeasuredData.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace hvxsim {
namespace {

struct Quantity {
    double base;
    double swing;
    int decimals;
};

struct ModuleReading {
    int type;
    Quantity first;
    Quantity second;
};

constexpr Quantity kTemperature{24.5, 0.4, 1};
constexpr Quantity kNothing{0, 0, 0};

// What each module type shows: its measured value and a second value (mostly the temperature).
constexpr std::array kReadings{
    ModuleReading{1, {7.20, 0.15, 2}, kTemperature},   // pH
    ModuleReading{2, {650, 15, 0}, kTemperature},      // redox, mV
    ModuleReading{3, {24.5, 0.5, 1}, kNothing},        // temperature
    ModuleReading{4, {12.0, 2.0, 2}, kNothing},        // standard signal, mA
    ModuleReading{5, {1250, 30, 0}, kTemperature},     // conductivity, conductive
    ModuleReading{6, {1250, 30, 0}, kTemperature},     // conductivity, inductive
    ModuleReading{7, {0.45, 0.05, 2}, kTemperature},   // chlorine family
    ModuleReading{13, {1, 0, 0}, kNothing},            // enable input / timer
    ModuleReading{14, {0.80, 0.05, 2}, kTemperature},  // fluoride
    ModuleReading{15, {320, 20, 0}, kTemperature},     // redox (+/-)
    ModuleReading{16, {1500, 40, 0}, kTemperature},    // blow-down, inductive
    ModuleReading{17, {1500, 40, 0}, kTemperature},    // blow-down, conductive
};

QString Format(const Quantity& q, unsigned sequence, double phase)
{
    const double value = q.base + q.swing * std::sin(0.3 * sequence + phase);
    return QString::number(value, 'f', q.decimals);
}

QString TimeStamp(const DateTimeBcd& t)
{
    return QString::asprintf("%02x.%02x.%02x %02x:%02x:%02x", t[4], t[5], t[6], t[2], t[1], t[0]);
}

} // namespace

std::string MeasuredDataLine(const InstrumentState& state, unsigned sequence, std::optional<FaultKind> fault)
{
    QString stamp = TimeStamp(state.clock.Read());
    if (fault == FaultKind::GarbledTimestamp) {
        stamp[1] = QLatin1Char('#');
        stamp[4] = QLatin1Char('?');
        stamp[10] = QLatin1Char('x');
    }
    std::vector<QString> fields{stamp};
    for (int slot = 0; slot < kModuleSlots; ++slot) {
        const int type = state.ModuleType(slot);
        const auto it = std::find_if(kReadings.begin(), kReadings.end(), [type](const ModuleReading& r) { return r.type == type; });
        if (type == 0 || it == kReadings.end()) {
            fields.insert(fields.end(), {QString(), QString(), QString()});
            continue;
        }
        fields.push_back(Format(it->first, sequence, slot));
        fields.push_back(it->second.base == 0 ? QStringLiteral("0") : Format(it->second, sequence, slot + 0.5));
        fields.push_back(QStringLiteral("1"));
    }
    fields.push_back(QString::number(sequence % 8)); // relay state
    fields.push_back(QStringLiteral("0"));           // error number
    if (fault == FaultKind::MalformedLine)
        fields.erase(fields.end() - 2);

    QString line;
    for (std::size_t i = 0; i < fields.size(); ++i)
        line += (i ? QStringLiteral("\t") : QString()) + fields[i];
    line += QStringLiteral("\r\n");
    if (fault == FaultKind::VanishMidLine)
        line.truncate(line.size() / 2);
    return line.toStdString();
}

} // namespace hvxsim
