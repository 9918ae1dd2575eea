#include "devicedata/DisplayLayout.h"

#include "base/Language.h"
#include "devicedata/AlarmTexts.h"
#include "model/Bestueckung.h"
#include "model/Codes.h"
#include "model/Messbereich.h"
#include "model/Reglerart.h"
#include "model/Wertfeld.h"

#include <cmath>

namespace hvx {
namespace {

constexpr int kTextRelayOff = 3409;  // "Freigabe aus"
constexpr int kTextRelayLine = 3410; // "Relais:%s %s"
constexpr int kTextSetPoint = 3411;  // "Soll:"
constexpr int kTextUpper = 3412;     // "W+:"
constexpr int kTextLower = 3413;     // "W-:"
constexpr int kTextChlor = 3424;
constexpr int kTextClo2 = 3423;
constexpr int kTextPes = 3422;
constexpr int kProductNameLength = 13;
const QString kDashes = QStringLiteral("---");

// Display names of the module types that have one.
struct NameRow {
    quint8 type;
    int text;
};
constexpr NameRow kNames[] = {
    {modultyp::kPH, 3414},          {modultyp::kRedox, 3415},        {modultyp::kRedoxPlusMinus, 3415},
    {modultyp::kTemperatur, 3416},  {modultyp::kNormsignal, 3417},   {modultyp::kLfKonduktiv, 3418},
    {modultyp::kLfInduktiv, 3419},  {modultyp::kAbsalzInduktiv, 3420}, {modultyp::kAbsalzKonduktiv, 3421},
};

// Units of a standard-signal module's signal-1 kind for its second value.
struct UnitRow {
    int kind;
    const char* unit;
};
constexpr UnitRow kSignalUnits[] = {{0, "pH"}, {2, "mg/l"}, {3, "mA"}, {5, "mS"}, {6, "°C"}, {7, "°F"}};

bool IsChlorineFamily(quint8 type)
{
    return type == modultyp::kChlor;
}

bool IsBlowDown(quint8 type)
{
    return type == modultyp::kAbsalzInduktiv || type == modultyp::kAbsalzKonduktiv;
}

bool ProductDisplay(const Parametersatz& ps, int slot)
{
    return IsChlorineFamily(ps.modultyp(slot)) && ps.istPeressigFamilie() && ps.produktAnzeige(slot) == 1;
}

QString ModuleName(const Parametersatz& ps, int slot)
{
    const quint8 type = ps.modultyp(slot);
    if (IsChlorineFamily(type)) {
        if (ProductDisplay(ps, slot))
            return ps.produktnameText().left(kProductNameLength);
        if (ps.istPeressigFamilie())
            return GetStringsText(kTextPes);
        return GetStringsText(ps.istVariante(Variante::M) ? kTextClo2 : kTextChlor);
    }
    for (const NameRow& row : kNames) {
        if (row.type == type)
            return GetStringsText(row.text);
    }
    return QString();
}

bool Fahrenheit(const Parametersatz& ps, int slot)
{
    return (ps.modulflags(slot) & modulflags::kFahrenheit) != 0;
}

QString SecondUnit(const Parametersatz& ps, int slot)
{
    if (ps.modultyp(slot) == modultyp::kNormsignal) {
        const int kind = normsignalArt(ps, slot);
        for (const UnitRow& row : kSignalUnits) {
            if (row.kind == kind)
                return QString::fromUtf8(row.unit);
        }
        return QStringLiteral("mV");
    }
    return Fahrenheit(ps, slot) ? QStringLiteral("°F") : QStringLiteral("°C");
}

// A stored value of the module block as the display shows it, in units of the measured value.
double StoredValue(const Parametersatz& ps, int slot, int offset, bool withOffset)
{
    const int count = messwertZaehlwert(ps, slot, ps.modulWord(slot, offset), withOffset);
    return count / std::pow(10.0, qMax(0, nachkommastellen(ps, slot)));
}

QString Number(double value, int width, int decimals)
{
    return QString::asprintf("%*.*f", width, qMax(0, decimals), value);
}

QString SetPointText(const Parametersatz& ps, int slot, const QString& unit)
{
    const quint8 type = ps.modultyp(slot);
    const int decimals = nachkommastellen(ps, slot);
    const QString label = GetStringsText(kTextSetPoint);
    // As the controller page shows it: a Fahrenheit set point converted.
    const double value = wertfeldAnzeige(ps, slot, ps.modulWord(slot, modulblock::kSollwert))
                         / std::pow(10.0, qMax(0, decimals));
    if (ProductDisplay(ps, slot)) {
        // A product without its PES share cannot be converted; the display shows 0 then.
        const int percent = ps.prozentPES(slot);
        const double product = percent == 0 ? 0.0 : value / (100.0 * percent);
        return label + Number(product, 5, 3) + u'%';
    }
    if (IsChlorineFamily(type))
        return label + Number(value, 4, decimals) + unit;
    if (type == modultyp::kTemperatur)
        return label + Number(value, 5, decimals) + unit;
    return label + Number(value, 5, decimals) + u' ' + unit;
}

QString LimitText(const Parametersatz& ps, int slot, int labelText, int offset, const QString& unit)
{
    return GetStringsText(labelText) + Number(StoredValue(ps, slot, offset, false), 5, nachkommastellen(ps, slot))
           + u' ' + unit;
}

} // namespace

DisplayBlock DisplayLayout::BuildBlock(int slot) const
{
    DisplayBlock block;
    const quint8 type = m_ps.modultyp(slot);
    block.relay = DisplayItem{QString(), 0, 6};
    if (type >= 8 && type <= modultyp::kFreigabeOderTimer) {
        block.name = DisplayItem{kDashes, 0, 0};
        block.unit = DisplayItem{kDashes, 9, 2};
        return block;
    }
    block.controller = DisplayItem{reglerartKurzname(reglerartCode(m_ps, slot)), 0, 4};
    if (type == modultyp::kFluorid)
        return block;

    const bool product = ProductDisplay(m_ps, slot);
    const bool wide = type == modultyp::kNormsignal || type == modultyp::kLfKonduktiv || type == modultyp::kLfInduktiv
                      || IsBlowDown(type) || product;
    const int valueColumn = wide ? 11 : 10;
    const QString unit = product ? QStringLiteral("%") : messwertEinheit(m_ps, slot, Fahrenheit(m_ps, slot));
    block.name = DisplayItem{ModuleName(m_ps, slot), 0, 0};
    block.value = DisplayItem{QString(), valueColumn, 2, true, true};
    block.unit = DisplayItem{unit, valueColumn, 2};
    block.second = DisplayItem{QString(), 6, 3, true};
    block.secondUnit = DisplayItem{SecondUnit(m_ps, slot), 7, 3};
    if (IsBlowDown(type)) {
        block.controller->text = LimitText(m_ps, slot, kTextUpper, modulblock::kSollwert, unit);
        block.setPoint = DisplayItem{LimitText(m_ps, slot, kTextLower, modulblock::kSchaltdifferenzXSD, unit), 0, 5};
    } else {
        block.setPoint = DisplayItem{SetPointText(m_ps, slot, unit), 0, 5};
    }
    return block;
}

void DisplayLayout::SetLayout(const Parametersatz& ps)
{
    m_ps = ps;
    m_nModules = modulanzahl(ps);
    for (int slot = 0; slot < kSlots; ++slot)
        m_blocks[std::size_t(slot)] = BuildBlock(slot);
}

void DisplayLayout::UpdateModule(int slot, const QString& first, const QString& second, const QString& enable,
                                 unsigned relays)
{
    DisplayBlock& block = m_blocks.at(std::size_t(slot));
    if (block.value)
        block.value->text = first;
    if (block.second)
        block.second->text = second;
    if (enable != QLatin1String("1")) {
        block.relay->text = GetStringsText(kTextRelayOff);
        return;
    }
    auto relay = [relays](int bit, int number) {
        return (relays & (1u << bit)) ? QString::number(number) : QStringLiteral(" ");
    };
    QString line = GetStringsText(kTextRelayLine);
    for (const QString& number : {relay(2 * slot + 1, 2 * slot + 2), relay(2 * slot + 2, 2 * slot + 3)}) {
        const qsizetype at = line.indexOf(QLatin1String("%s"));
        if (at >= 0)
            line.replace(at, 2, number);
    }
    block.relay->text = line;
}

void DisplayLayout::UpdateAll(const QStringList& fields)
{
    const unsigned relays = fields.value(9).trimmed().toUInt(nullptr, 16);
    m_bAlarm = (relays & 1u) != 0;
    m_strAlarm = m_bAlarm ? AlarmText(fields.value(10).trimmed().toInt()) : QString();
    for (int slot = 0; slot < kSlots; ++slot)
        UpdateModule(slot, fields.value(3 * slot), fields.value(3 * slot + 1), fields.value(3 * slot + 2), relays);
}

void DisplayLayout::Reset()
{
    m_bAlarm = false;
    m_strAlarm.clear();
}

int DisplayLayout::BlockStart(int moduleIndex, int moduleCount, int width)
{
    const int blockWidth = width / kSlots;
    return (kSlots - moduleCount) * blockWidth / 2 + moduleIndex * blockWidth;
}

} // namespace hvx
