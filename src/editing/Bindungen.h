#pragma once
// Building blocks of page descriptions: where a field lies, and the exchange operations and
// validators bound to it, ready to be put into a row of a description.

#include "editing/PageDescription.h"
#include "editing/Validators.h"

#include <optional>

namespace hvx {

// A field of the record: an offset into the whole image, or into a block of the page's slot.
struct Feld {
    enum class Block { Bild, Modulkopf, Modulblock, Reglerblock, Timereintrag };
    Block block = Block::Bild;
    int offset = 0;

    quint8* zeiger(SeitenKontext& k) const;
};

inline Feld imBild(int offset) { return {Feld::Block::Bild, offset}; }
inline Feld imModulkopf(int offset) { return {Feld::Block::Modulkopf, offset}; }
inline Feld imModulblock(int offset) { return {Feld::Block::Modulblock, offset}; }
inline Feld imReglerblock(int offset) { return {Feld::Block::Reglerblock, offset}; }
// A byte of the timer entry the page shows (SeitenKontext::eintrag).
inline Feld imTimereintrag(int offset) { return {Feld::Block::Timereintrag, offset}; }

// --- exchange operations ---
Austausch alsCheckByte(Feld f);
Austausch alsSwitchByte(Feld f, quint8 ein, quint8 aus);
Austausch alsComboMap(Feld f); // uses the page's map of the list
Austausch alsByteNumber(Feld f);
Austausch alsWordNumber(Feld f);
Austausch alsOffOrByte(int editId, Feld f, quint8 aus);   // row of the "aus" check box
Austausch alsOffOrWord(int editId, Feld f, quint16 aus);
Austausch alsScaledByte(Feld f, int decimals);
Austausch alsScaledWord(Feld f, int decimals);
Austausch alsFixedText(Feld f, int laenge);
Austausch alsTimeHHMM(Feld stunde, Feld minute);
// A bit saved into the field and, when given, into its copy (descriptor and block flags).
Austausch alsCheckBit(Feld f, quint8 maske, bool invertiert = false, std::optional<Feld> kopie = std::nullopt);
Austausch alsRadioBit(Feld f, quint8 maske, bool invertiert = false, std::optional<Feld> kopie = std::nullopt);

// --- validators (tab and sub page come from the page) ---
Pruefung alsZahl(float min, float max, int decimals);
Pruefung alsText(int maxLaenge, Zeichensatz satz);
Pruefung alsZeit();
Pruefung alsZugangscode(int laenge);

// --- commands ---
// The "aus" box of an off-or-number pair: checked stores the off value, cleared the first value
// of the range; then the page shows the record again (its edit follows the box).
Kommando alsAusSchalterByte(int checkId, Feld f, quint8 aus, quint8 start);
Kommando alsAusSchalterWord(int checkId, Feld f, quint16 aus, quint16 start);

// --- rules ---
Regel wennAngekreuzt(int id);
Regel wennNichtAngekreuzt(int id);
// The instrument has more than one module (choices between modules make sense).
bool mehrereModule(const SeitenKontext& k, const IControls&);

} // namespace hvx
