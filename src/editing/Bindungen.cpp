#include "editing/Bindungen.h"

#include "model/Bestueckung.h"

namespace hvx {

quint8* Feld::zeiger(SeitenKontext& k) const
{
    switch (block) {
    case Block::Modulkopf: return k.bild() + Parametersatz::modulkopfOffset(k.slot) + offset;
    case Block::Modulblock: return k.bild() + Parametersatz::modulblockOffset(k.slot) + offset;
    case Block::Reglerblock: return k.bild() + Parametersatz::reglerblockOffset(k.slot) + offset;
    case Block::Timereintrag:
        return k.bild() + Parametersatz::modulblockOffset(k.slot) + k.ps->timerEintragOffset(k.eintrag) + offset;
    case Block::Bild: break;
    }
    return k.bild() + offset;
}

Austausch alsCheckByte(Feld f)
{
    return [f](DataExchange& dx, SeitenKontext& k, int id) { DDX_CheckByte(dx, id, f.zeiger(k)); };
}

Austausch alsSwitchByte(Feld f, quint8 ein, quint8 aus)
{
    return [=](DataExchange& dx, SeitenKontext& k, int id) { DDX_SwitchByte(dx, id, f.zeiger(k), ein, aus); };
}

Austausch alsComboMap(Feld f)
{
    return [f](DataExchange& dx, SeitenKontext& k, int id) { DDX_ComboMap(dx, id, f.zeiger(k), k.listen[id]); };
}

Austausch alsByteNumber(Feld f)
{
    return [f](DataExchange& dx, SeitenKontext& k, int id) { DDX_ByteNumber(dx, id, f.zeiger(k)); };
}

Austausch alsWordNumber(Feld f)
{
    return [f](DataExchange& dx, SeitenKontext& k, int id) { DDX_WordNumber(dx, id, f.zeiger(k)); };
}

Austausch alsOffOrByte(int editId, Feld f, quint8 aus)
{
    return [=](DataExchange& dx, SeitenKontext& k, int id) { DDX_OffOrByte(dx, id, editId, f.zeiger(k), aus); };
}

Austausch alsOffOrWord(int editId, Feld f, quint16 aus)
{
    return [=](DataExchange& dx, SeitenKontext& k, int id) { DDX_OffOrWord(dx, id, editId, f.zeiger(k), aus); };
}

Austausch alsScaledByte(Feld f, int decimals)
{
    return [=](DataExchange& dx, SeitenKontext& k, int id) { DDX_ScaledByte(dx, id, f.zeiger(k), decimals); };
}

Austausch alsScaledWord(Feld f, int decimals)
{
    return [=](DataExchange& dx, SeitenKontext& k, int id) { DDX_ScaledWord(dx, id, f.zeiger(k), decimals); };
}

Austausch alsFixedText(Feld f, int laenge)
{
    return [=](DataExchange& dx, SeitenKontext& k, int id) { DDX_FixedText(dx, id, f.zeiger(k), laenge); };
}

Austausch alsTimeHHMM(Feld stunde, Feld minute)
{
    return [=](DataExchange& dx, SeitenKontext& k, int id) {
        DDX_TimeHHMM(dx, id, stunde.zeiger(k), minute.zeiger(k));
    };
}

Austausch alsCheckBit(Feld f, quint8 maske, bool invertiert, std::optional<Feld> kopie)
{
    return [=](DataExchange& dx, SeitenKontext& k, int id) {
        DDX_CheckBit(dx, id, f.zeiger(k), maske, invertiert, kopie ? kopie->zeiger(k) : nullptr);
    };
}

Austausch alsRadioBit(Feld f, quint8 maske, bool invertiert, std::optional<Feld> kopie)
{
    return [=](DataExchange& dx, SeitenKontext& k, int id) {
        DDX_RadioBit(dx, id, f.zeiger(k), maske, invertiert, kopie ? kopie->zeiger(k) : nullptr);
    };
}

Pruefung alsZahl(float min, float max, int decimals)
{
    return [=](IControls& c, const SeitenKontext& k, int id) { DDV_Number(c, id, min, max, decimals, k.tab, k.subPage); };
}

Pruefung alsText(int maxLaenge, Zeichensatz satz)
{
    return [=](IControls& c, const SeitenKontext& k, int id) { DDV_Text(c, id, maxLaenge, satz, k.tab, k.subPage); };
}

Pruefung alsZugangscode(int laenge)
{
    return [=](IControls& c, const SeitenKontext& k, int id) { DDV_AccessCode(c, id, laenge, k.tab, k.subPage); };
}

Pruefung alsZeit()
{
    return [](IControls& c, const SeitenKontext& k, int id) { DDV_Time(c, id, k.tab, k.subPage); };
}

Kommando alsAusSchalterByte(int checkId, Feld f, quint8 aus, quint8 start)
{
    return [=](SeitenKontext& k, IControls& c, ISeitenAktionen& seite) {
        *f.zeiger(k) = c.isChecked(checkId) ? aus : start;
        seite.laden();
    };
}

Kommando alsAusSchalterWord(int checkId, Feld f, quint16 aus, quint16 start)
{
    return [=](SeitenKontext& k, IControls& c, ISeitenAktionen& seite) {
        schreibeWort(f.zeiger(k), c.isChecked(checkId) ? aus : start);
        seite.laden();
    };
}

Regel wennAngekreuzt(int id)
{
    return [id](const SeitenKontext&, const IControls& c) { return c.isChecked(id); };
}

Regel wennNichtAngekreuzt(int id)
{
    return [id](const SeitenKontext&, const IControls& c) { return !c.isChecked(id); };
}

bool mehrereModule(const SeitenKontext& k, const IControls&)
{
    return modulanzahl(*k.ps) > 1;
}

} // namespace hvx
