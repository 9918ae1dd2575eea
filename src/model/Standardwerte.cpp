#include "model/Standardwerte.h"

#include "model/Standardbloecke.h"

#include <algorithm>
#include <optional>

namespace hvx {

namespace {

struct SlotBereich {
    int erster;
    int letzter;
};

// welche = 0: all slots; 1..3: that slot; anything else: none.
std::optional<SlotBereich> slotBereich(int welche)
{
    if (welche == 0)
        return SlotBereich{0, layout::kSlotAnzahl - 1};
    if (welche >= 1 && welche <= layout::kSlotAnzahl)
        return SlotBereich{welche - 1, welche - 1};
    return std::nullopt;
}

template <typename Vorlage, typename Ziel, typename Quelle>
void ladeBlock(const Blockwahl<Vorlage>& wahl, Ziel ziel, Quelle quelle)
{
    switch (wahl.art) {
    case Ladeart::Vorlage: {
        const auto& bytes = quelle(wahl.vorlage);
        std::copy(bytes.begin(), bytes.end(), ziel.begin());
        break;
    }
    case Ladeart::Nullen:
        std::fill(ziel.begin(), ziel.end(), quint8(0));
        break;
    case Ladeart::NichtGeladen:
        break;
    }
}

template <typename Ziel, typename Werte>
void setzeAufOderNull(bool vorhanden, Ziel ziel, const Werte& werte)
{
    if (vorhanden)
        std::copy(werte.begin(), werte.end(), ziel.begin());
    else
        std::fill(ziel.begin(), ziel.end(), quint8(0));
}

void ladeSystemwerte(Parametersatz& ps)
{
    std::copy(kSystemblockStandard.begin(), kSystemblockStandard.end(), ps.bytes().begin() + layout::kSystemblock);
    std::copy(kAlarmblockStandard.begin(), kAlarmblockStandard.end(), ps.bytes().begin() + layout::kAlarmblock);
    // The peracetic-acid variants show the product name, so it starts empty there.
    const bool peressig = ps.istPeressigFamilie();
    ps.fill(layout::kProduktname, layout::kProduktnameGroesse, peressig ? 0x00 : 0xFF);
    ps.fill(layout::kReserviertEnde, layout::kReserviertEndeGroesse, 0xFF);
}

} // namespace

bool ladeStandardwerte(Parametersatz& ps, int welche)
{
    const auto bereich = slotBereich(welche);
    if (!bereich)
        return false;
    for (int slot = bereich->erster; slot <= bereich->letzter; ++slot) {
        const quint8 typ = ps.modultyp(slot);
        const Standardblockwahl wahl = waehleStandardbloecke(typ, ps.geraetekennung());
        ladeBlock(wahl.modul, ps.modulblock(slot), modulStandardblock);
        ladeBlock(wahl.regler, ps.reglerblock(slot), reglerStandardblock);
        const bool vorhanden = typ != modultyp::kKein;
        setzeAufOderNull(vorhanden, ps.adaptivblock(slot), kAdaptivblockStandard);
        setzeAufOderNull(vorhanden, ps.modulzusatz(slot), kModulzusatzStandard);
    }
    if (welche == 0)
        ladeSystemwerte(ps);
    return true;
}

void uebernehmeFlagsInModulkopf(Parametersatz& ps, int slot)
{
    ps.setModulflags(slot, ps.modulByte(slot, modulblock::kModulflags));
    ps.setReglerflags(slot, ps.modulByte(slot, modulblock::kReglerflags));
}

bool setzeStandardeinstellung(Parametersatz& ps, int welche)
{
    if (!ladeStandardwerte(ps, welche))
        return false;
    const auto bereich = slotBereich(welche);
    for (int slot = bereich->erster; slot <= bereich->letzter; ++slot) {
        const quint8 typ = ps.modultyp(slot);
        if (waehleStandardbloecke(typ, ps.geraetekennung()).modul.art != Ladeart::Vorlage)
            continue;
        if (typ != modultyp::kRedoxPlusMinus)
            ps.setModultyp(slot, ps.modulByte(slot, modulblock::kModultyp));
        ps.setReglertyp(slot, ps.modulByte(slot, modulblock::kReglertyp));
        uebernehmeFlagsInModulkopf(ps, slot);
    }
    return true;
}

} // namespace hvx
