#pragma once
// The field exchange operations between a page's controls and the bytes of the parameter set.
// Each takes the exchange (direction and controls), a control id and a pointer into the image;
// 16-bit and 32-bit fields are big-endian there and are swapped around the conversion.

#include "editing/Controls.h"

#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

namespace hvx {

// One choice of a drop-down list: the visible text and the value stored for it.
struct Auswahl {
    QString text;
    int wert = 0;
    bool operator==(const Auswahl&) const = default;
};
using AuswahlListe = std::vector<Auswahl>;

class DataExchange {
public:
    enum class Richtung { Laden, Speichern };

    DataExchange(IControls& controls, Richtung richtung) : m_controls(controls), m_richtung(richtung) {}

    bool speichern() const { return m_richtung == Richtung::Speichern; }
    bool laden() const { return m_richtung == Richtung::Laden; }
    IControls& controls() const { return m_controls; }

private:
    IControls& m_controls;
    Richtung m_richtung;
};

// Big-endian helpers for fields of the image.
quint16 leseWort(const quint8* p);
void schreibeWort(quint8* p, quint16 wert);
quint32 leseLangwort(const quint8* p);
void schreibeLangwort(quint8* p, quint32 wert);

// The two halves of a drop-down exchange, for fields that are not a whole byte: selects the entry
// whose value equals wert (none when no entry has it); the value of the selected text, nullopt
// when the text is not in the map (the field then stays as it is).
void zeigeAuswahl(DataExchange& dx, int id, int wert, const AuswahlListe& map);
std::optional<int> gewaehlterWert(const DataExchange& dx, int id, const AuswahlListe& map);

void DDX_CheckByte(DataExchange& dx, int id, quint8* byte);
void DDX_SwitchByte(DataExchange& dx, int id, quint8* byte, quint8 ein, quint8 aus);
void DDX_SwitchWord(DataExchange& dx, int id, quint8* wort, quint16 ein, quint16 aus);
void DDX_RadioByte(DataExchange& dx, int firstId, quint8* byte);
void DDX_ComboMap(DataExchange& dx, int id, quint8* byte, const AuswahlListe& map);
void DDX_ComboMapWord(DataExchange& dx, int id, quint8* wort, const AuswahlListe& map);
void DDX_ByteNumber(DataExchange& dx, int id, quint8* byte);
void DDX_WordNumber(DataExchange& dx, int id, quint8* wort);
void DDX_OffOrByte(DataExchange& dx, int checkId, int editId, quint8* byte, quint8 aus);
void DDX_OffOrWord(DataExchange& dx, int checkId, int editId, quint8* wort, quint16 aus);
void DDX_ScaledByte(DataExchange& dx, int id, quint8* byte, int decimals);
void DDX_ScaledWord(DataExchange& dx, int id, quint8* wort, int decimals);
void DDX_ScaledLong(DataExchange& dx, int id, quint8* langwort, int decimals);
void DDX_FixedText(DataExchange& dx, int id, quint8* text, int laenge);
void DDX_TimeHHMM(DataExchange& dx, int id, quint8* stundeBcd, quint8* minuteBcd);

// Bits of a flag byte: a check box checked while (byte & maske) differs from 0, or equals 0 when
// invertiert. On save the bit is set or cleared in the byte and, when given, in its copy.
void DDX_CheckBit(DataExchange& dx, int id, quint8* byte, quint8 maske, bool invertiert = false,
                  quint8* kopie = nullptr);
// A two-button radio group on one bit: button 0 while the bit is clear, button 1 while set
// (the other way round when invertiert).
void DDX_RadioBit(DataExchange& dx, int firstId, quint8* byte, quint8 maske, bool invertiert = false,
                  quint8* kopie = nullptr);

} // namespace hvx
