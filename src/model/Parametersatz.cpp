#include "model/Parametersatz.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace hvx {

void Parametersatz::pruefeSlot(int slot)
{
    if (slot < 0 || slot >= layout::kSlotAnzahl)
        throw std::out_of_range("Parametersatz: slot index " + std::to_string(slot) + " outside 0..2");
}

void Parametersatz::pruefeBereich(int offset, int count)
{
    if (offset < 0 || count < 0 || offset + count > kGroesse)
        throw std::out_of_range("Parametersatz: bytes " + std::to_string(offset) + " + " + std::to_string(count)
                                + " outside the image");
}

std::optional<Parametersatz> Parametersatz::fromBytes(QByteArrayView bytes)
{
    if (bytes.size() != kGroesse)
        return std::nullopt;
    Parametersatz ps;
    std::copy(bytes.begin(), bytes.end(), ps.m_bild.begin());
    return ps;
}

QByteArray Parametersatz::toByteArray() const
{
    return QByteArray(reinterpret_cast<const char*>(m_bild.data()), kGroesse);
}

std::span<quint8, layout::kKonfigurationsteilGroesse> Parametersatz::konfigurationsteil()
{
    return block<layout::kKonfigurationsteilGroesse>(layout::kKonfigurationsteil);
}
std::span<const quint8, layout::kKonfigurationsteilGroesse> Parametersatz::konfigurationsteil() const
{
    return block<layout::kKonfigurationsteilGroesse>(layout::kKonfigurationsteil);
}
std::span<quint8, layout::kParameterteilGroesse> Parametersatz::parameterteil()
{
    return block<layout::kParameterteilGroesse>(layout::kParameterteil);
}
std::span<const quint8, layout::kParameterteilGroesse> Parametersatz::parameterteil() const
{
    return block<layout::kParameterteilGroesse>(layout::kParameterteil);
}

bool Parametersatz::setKonfigurationsteil(QByteArrayView bytes)
{
    if (bytes.size() != layout::kKonfigurationsteilGroesse)
        return false;
    std::copy(bytes.begin(), bytes.end(), m_bild.begin() + layout::kKonfigurationsteil);
    return true;
}

bool Parametersatz::setParameterteil(QByteArrayView bytes)
{
    if (bytes.size() != layout::kParameterteilGroesse)
        return false;
    std::copy(bytes.begin(), bytes.end(), m_bild.begin() + layout::kParameterteil);
    return true;
}

quint8 Parametersatz::byte(int offset) const
{
    pruefeBereich(offset, 1);
    return m_bild[offset];
}

void Parametersatz::setByte(int offset, quint8 value)
{
    pruefeBereich(offset, 1);
    m_bild[offset] = value;
}

quint16 Parametersatz::word(int offset) const
{
    pruefeBereich(offset, 2);
    return quint16((m_bild[offset] << 8) | m_bild[offset + 1]);
}

void Parametersatz::setWord(int offset, quint16 value)
{
    pruefeBereich(offset, 2);
    m_bild[offset] = quint8(value >> 8);
    m_bild[offset + 1] = quint8(value & 0xFF);
}

void Parametersatz::fill(int offset, int count, quint8 value)
{
    pruefeBereich(offset, count);
    std::fill_n(m_bild.begin() + offset, count, value);
}

int Parametersatz::modulkopfOffset(int slot)
{
    pruefeSlot(slot);
    return layout::kModulkopf + slot * layout::kModulkopfGroesse;
}
int Parametersatz::modulblockOffset(int slot)
{
    pruefeSlot(slot);
    return layout::kModulblock + slot * layout::kModulblockGroesse;
}
int Parametersatz::reglerblockOffset(int slot)
{
    pruefeSlot(slot);
    return layout::kReglerblock + slot * layout::kReglerblockGroesse;
}
int Parametersatz::adaptivblockOffset(int slot)
{
    pruefeSlot(slot);
    return layout::kAdaptivblock + slot * layout::kAdaptivblockGroesse;
}
int Parametersatz::modulzusatzOffset(int slot)
{
    pruefeSlot(slot);
    return layout::kModulzusatz + slot * layout::kModulzusatzGroesse;
}

std::span<quint8, layout::kModulkopfGroesse> Parametersatz::modulkopf(int slot)
{
    return block<layout::kModulkopfGroesse>(modulkopfOffset(slot));
}
std::span<const quint8, layout::kModulkopfGroesse> Parametersatz::modulkopf(int slot) const
{
    return block<layout::kModulkopfGroesse>(modulkopfOffset(slot));
}
std::span<quint8, layout::kModulblockGroesse> Parametersatz::modulblock(int slot)
{
    return block<layout::kModulblockGroesse>(modulblockOffset(slot));
}
std::span<const quint8, layout::kModulblockGroesse> Parametersatz::modulblock(int slot) const
{
    return block<layout::kModulblockGroesse>(modulblockOffset(slot));
}
std::span<quint8, layout::kReglerblockGroesse> Parametersatz::reglerblock(int slot)
{
    return block<layout::kReglerblockGroesse>(reglerblockOffset(slot));
}
std::span<const quint8, layout::kReglerblockGroesse> Parametersatz::reglerblock(int slot) const
{
    return block<layout::kReglerblockGroesse>(reglerblockOffset(slot));
}
std::span<quint8, layout::kAdaptivblockGroesse> Parametersatz::adaptivblock(int slot)
{
    return block<layout::kAdaptivblockGroesse>(adaptivblockOffset(slot));
}
std::span<const quint8, layout::kAdaptivblockGroesse> Parametersatz::adaptivblock(int slot) const
{
    return block<layout::kAdaptivblockGroesse>(adaptivblockOffset(slot));
}
std::span<quint8, layout::kModulzusatzGroesse> Parametersatz::modulzusatz(int slot)
{
    return block<layout::kModulzusatzGroesse>(modulzusatzOffset(slot));
}
std::span<const quint8, layout::kModulzusatzGroesse> Parametersatz::modulzusatz(int slot) const
{
    return block<layout::kModulzusatzGroesse>(modulzusatzOffset(slot));
}

bool Parametersatz::limitquittierungManuell(int slot) const
{
    return reglerblockFlags(slot) & reglerblockflags::kLimitquittierungManuell;
}

void Parametersatz::setLimitquittierungManuell(int slot, bool manuell)
{
    const quint8 flags = reglerblockFlags(slot);
    setReglerblockFlags(slot, manuell ? quint8(flags | reglerblockflags::kLimitquittierungManuell)
                                      : quint8(flags & ~reglerblockflags::kLimitquittierungManuell));
}

int Parametersatz::reglerblockFeld(int slot, quint8 maske, int shift) const
{
    return (reglerblockFlags(slot) & maske) >> shift;
}

void Parametersatz::setReglerblockFeld(int slot, quint8 maske, int shift, int value)
{
    setReglerblockFlags(slot, quint8((reglerblockFlags(slot) & ~maske) | ((value << shift) & maske)));
}

int Parametersatz::zusatzFreigabe(int slot) const
{
    return reglerblockFeld(slot, reglerblockflags::kZusatzFreigabeMaske, reglerblockflags::kZusatzFreigabeShift);
}

void Parametersatz::setZusatzFreigabe(int slot, int value)
{
    setReglerblockFeld(slot, reglerblockflags::kZusatzFreigabeMaske, reglerblockflags::kZusatzFreigabeShift, value);
}

int Parametersatz::reglerabschaltung(int slot) const
{
    return reglerblockFeld(slot, reglerblockflags::kReglerabschaltungMaske, reglerblockflags::kReglerabschaltungShift);
}

void Parametersatz::setReglerabschaltung(int slot, int value)
{
    setReglerblockFeld(slot, reglerblockflags::kReglerabschaltungMaske, reglerblockflags::kReglerabschaltungShift,
                       value);
}

std::array<char, layout::kZugangscodeGroesse> Parametersatz::zugangscode() const
{
    std::array<char, layout::kZugangscodeGroesse> code{};
    std::copy_n(m_bild.begin() + layout::kZugangscode, code.size(), code.begin());
    return code;
}

void Parametersatz::setZugangscode(const std::array<char, layout::kZugangscodeGroesse>& code)
{
    std::copy(code.begin(), code.end(), m_bild.begin() + layout::kZugangscode);
}

bool Parametersatz::reglerEin(int slot) const
{
    pruefeSlot(slot);
    return m_bild[layout::kReglerSchalter] & (1u << (2 * slot));
}

void Parametersatz::setReglerEin(int slot, bool ein)
{
    pruefeSlot(slot);
    const quint8 bit = quint8(1u << (2 * slot));
    quint8& schalter = m_bild[layout::kReglerSchalter];
    schalter = ein ? quint8(schalter | bit) : quint8(schalter & ~bit);
}

std::span<quint8, layout::kProduktnameGroesse> Parametersatz::produktname()
{
    return block<layout::kProduktnameGroesse>(layout::kProduktname);
}

std::span<const quint8, layout::kProduktnameGroesse> Parametersatz::produktname() const
{
    return block<layout::kProduktnameGroesse>(layout::kProduktname);
}

QString Parametersatz::produktnameText() const
{
    const auto feld = produktname();
    const auto ende = std::find(feld.begin(), feld.end(), quint8(0));
    return QString::fromLatin1(reinterpret_cast<const char*>(feld.data()), ende - feld.begin());
}

int Parametersatz::timerEintragGroesse(quint8 geraetekennung)
{
    return geraetekennung < timereintrag::kLangAbGeraetekennung ? timereintrag::kGroesseKurz
                                                                : timereintrag::kGroesseLang;
}

int Parametersatz::timerEintragOffset(int k) const
{
    if (k < 0 || k >= timereintrag::kAnzahl)
        throw std::out_of_range("Parametersatz: timer entry " + std::to_string(k) + " outside 0..6");
    return modulblock::kTimerEintraege + k * timerEintragGroesse();
}

} // namespace hvx
