#pragma once
// The instrument's configuration and parameter image: 558 bytes, 16-bit values big-endian.
// The same bytes go to the instrument and into files, so this class is a byte image with named
// accessors, never a struct laid over the bytes.
//
// Slots are addressed by their index 0..2 (module 1..3). Offsets passed to the block accessors
// are relative to the slot's block (see ParametersatzLayout.h).

#include "model/Codes.h"
#include "model/ParametersatzLayout.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>
#include <span>

namespace hvx {

class Parametersatz {
public:
    static constexpr int kGroesse = layout::kGroesse;
    using Bild = std::array<quint8, kGroesse>;

    // An all-zero image (the state of a document before anything is loaded).
    Parametersatz() = default;
    explicit Parametersatz(const Bild& bild) : m_bild(bild) {}
    // nullopt unless exactly 558 bytes are given.
    static std::optional<Parametersatz> fromBytes(QByteArrayView bytes);
    QByteArray toByteArray() const;

    bool operator==(const Parametersatz&) const = default;

    // --- raw access (file, link, service image) ---
    const Bild& bild() const { return m_bild; }
    std::span<quint8, kGroesse> bytes() { return m_bild; }
    std::span<const quint8, kGroesse> bytes() const { return m_bild; }
    std::span<quint8, layout::kKonfigurationsteilGroesse> konfigurationsteil();
    std::span<const quint8, layout::kKonfigurationsteilGroesse> konfigurationsteil() const;
    std::span<quint8, layout::kParameterteilGroesse> parameterteil();
    std::span<const quint8, layout::kParameterteilGroesse> parameterteil() const;
    // Replace one part with bytes received from the instrument; false (nothing changed) unless
    // exactly 46 or 512 bytes are given.
    bool setKonfigurationsteil(QByteArrayView bytes);
    bool setParameterteil(QByteArrayView bytes);

    quint8 byte(int offset) const;
    void setByte(int offset, quint8 value);
    quint16 word(int offset) const; // big-endian
    void setWord(int offset, quint16 value);
    void fill(int offset, int count, quint8 value);

    // --- `Geraetekennung` (byte 0) ---
    quint8 geraetekennung() const { return m_bild[layout::kGeraetekennung]; }
    void setGeraetekennung(quint8 value) { m_bild[layout::kGeraetekennung] = value; }
    int familie() const { return geraetekennung() >> 4; }      // variant nibble 1..5
    int version() const { return geraetekennung() & geraetekennung::kVersionMaske; }
    bool erweiterteSprachen() const { return geraetekennung() & geraetekennung::kErweiterteSprachen; }
    bool istVariante(Variante v) const { return familie() == static_cast<int>(v); }
    // Variants N and N7400: the peracetic-acid instruments.
    bool istPeressigFamilie() const { return istVariante(Variante::N) || istVariante(Variante::N7400); }
    bool versionUnterstuetzt() const { return version() <= geraetekennung::kHoechsteVersion; }

    // --- `Modulkopf` of a slot ---
    static int modulkopfOffset(int slot);
    quint8 modultyp(int slot) const { return byte(modulkopfOffset(slot) + modulkopf::kModultyp); }
    void setModultyp(int slot, quint8 v) { setByte(modulkopfOffset(slot) + modulkopf::kModultyp, v); }
    quint8 reglertyp(int slot) const { return byte(modulkopfOffset(slot) + modulkopf::kReglertyp); }
    void setReglertyp(int slot, quint8 v) { setByte(modulkopfOffset(slot) + modulkopf::kReglertyp, v); }
    quint8 modulflags(int slot) const { return byte(modulkopfOffset(slot) + modulkopf::kModulflags); }
    void setModulflags(int slot, quint8 v) { setByte(modulkopfOffset(slot) + modulkopf::kModulflags, v); }
    quint8 reglerflags(int slot) const { return byte(modulkopfOffset(slot) + modulkopf::kReglerflags); }
    void setReglerflags(int slot, quint8 v) { setByte(modulkopfOffset(slot) + modulkopf::kReglerflags, v); }
    std::span<quint8, layout::kModulkopfGroesse> modulkopf(int slot);
    std::span<const quint8, layout::kModulkopfGroesse> modulkopf(int slot) const;

    // --- per-slot blocks ---
    static int modulblockOffset(int slot);
    static int reglerblockOffset(int slot);
    static int adaptivblockOffset(int slot);
    static int modulzusatzOffset(int slot);
    std::span<quint8, layout::kModulblockGroesse> modulblock(int slot);
    std::span<const quint8, layout::kModulblockGroesse> modulblock(int slot) const;
    std::span<quint8, layout::kReglerblockGroesse> reglerblock(int slot);
    std::span<const quint8, layout::kReglerblockGroesse> reglerblock(int slot) const;
    std::span<quint8, layout::kAdaptivblockGroesse> adaptivblock(int slot);
    std::span<const quint8, layout::kAdaptivblockGroesse> adaptivblock(int slot) const;
    std::span<quint8, layout::kModulzusatzGroesse> modulzusatz(int slot);
    std::span<const quint8, layout::kModulzusatzGroesse> modulzusatz(int slot) const;

    quint8 modulByte(int slot, int offset) const { return byte(modulblockOffset(slot) + offset); }
    void setModulByte(int slot, int offset, quint8 v) { setByte(modulblockOffset(slot) + offset, v); }
    quint16 modulWord(int slot, int offset) const { return word(modulblockOffset(slot) + offset); }
    void setModulWord(int slot, int offset, quint16 v) { setWord(modulblockOffset(slot) + offset, v); }
    quint8 reglerByte(int slot, int offset) const { return byte(reglerblockOffset(slot) + offset); }
    void setReglerByte(int slot, int offset, quint8 v) { setByte(reglerblockOffset(slot) + offset, v); }
    quint16 reglerWord(int slot, int offset) const { return word(reglerblockOffset(slot) + offset); }
    void setReglerWord(int slot, int offset, quint16 v) { setWord(reglerblockOffset(slot) + offset, v); }

    // --- named module block fields ---
    quint8 temperaturkompensation() const { return modulByte(0, modulblock::kTemperaturkompensation); }
    void setTemperaturkompensation(quint8 v) { setModulByte(0, modulblock::kTemperaturkompensation, v); }
    quint8 mehrfachPH() const { return modulByte(0, modulblock::kMehrfachPH); }
    void setMehrfachPH(quint8 v) { setModulByte(0, modulblock::kMehrfachPH, v); }
    quint16 maxDosierzeit(int slot) const { return modulWord(slot, modulblock::kMaxDosierzeit); }
    void setMaxDosierzeit(int slot, quint16 v) { setModulWord(slot, modulblock::kMaxDosierzeit, v); }
    bool dosierzeitUeberwachungAus(int slot) const { return maxDosierzeit(slot) == kMaxDosierzeitAus; }
    quint8 produktAnzeige(int slot) const { return modulByte(slot, modulblock::kProduktAnzeige); }
    void setProduktAnzeige(int slot, quint8 v) { setModulByte(slot, modulblock::kProduktAnzeige, v); }
    quint16 prozentPES(int slot) const { return modulWord(slot, modulblock::kProzentPES); }
    void setProzentPES(int slot, quint16 v) { setModulWord(slot, modulblock::kProzentPES, v); }
    quint8 kalibrierueberwachung(int slot) const { return modulByte(slot, modulblock::kKalibrierueberwachung); }
    void setKalibrierueberwachung(int slot, quint8 v) { setModulByte(slot, modulblock::kKalibrierueberwachung, v); }

    // --- `Reglerblock` fields ---
    quint16 minEinschaltzeit(int slot) const { return reglerWord(slot, reglerblock::kMinEinschaltzeit); }
    void setMinEinschaltzeit(int slot, quint16 v) { setReglerWord(slot, reglerblock::kMinEinschaltzeit, v); }
    quint16 zykluszeit(int slot) const { return reglerWord(slot, reglerblock::kZykluszeit); }
    void setZykluszeit(int slot, quint16 v) { setReglerWord(slot, reglerblock::kZykluszeit, v); }
    quint8 reglerblockFlags(int slot) const { return reglerByte(slot, reglerblock::kFlags); }
    void setReglerblockFlags(int slot, quint8 v) { setReglerByte(slot, reglerblock::kFlags, v); }
    bool limitquittierungManuell(int slot) const;
    void setLimitquittierungManuell(int slot, bool manuell);
    int zusatzFreigabe(int slot) const;          // 0..3, 3 = "aus"
    void setZusatzFreigabe(int slot, int value);
    int reglerabschaltung(int slot) const;       // 0..3, same coding, 3 = "aus"
    void setReglerabschaltung(int slot, int value);

    // --- `Adaptivblock` ---
    quint8 adaptivWert(int slot) const { return byte(adaptivblockOffset(slot) + adaptivblock::kAdaptivWert); }
    void setAdaptivWert(int slot, quint8 v) { setByte(adaptivblockOffset(slot) + adaptivblock::kAdaptivWert, v); }

    // --- `Systemblock` ---
    std::array<char, layout::kZugangscodeGroesse> zugangscode() const;
    void setZugangscode(const std::array<char, layout::kZugangscodeGroesse>& code);
    quint8 zugangscodeAktiv() const { return m_bild[layout::kZugangscodeAktiv]; }
    void setZugangscodeAktiv(quint8 v) { m_bild[layout::kZugangscodeAktiv] = v; }
    bool reglerEin(int slot) const;              // "Regler:" switch of the module's controller
    void setReglerEin(int slot, bool ein);
    quint8 dialogsprache() const { return m_bild[layout::kDialogsprache]; }
    void setDialogsprache(quint8 v) { m_bild[layout::kDialogsprache] = v; }

    // --- `Alarmblock` ---
    quint16 alarmverzoegerung() const { return word(layout::kAlarmverzoegerung); }
    void setAlarmverzoegerung(quint16 v) { setWord(layout::kAlarmverzoegerung, v); }
    quint8 alarmwiederholung() const { return m_bild[layout::kAlarmwiederholung]; }
    void setAlarmwiederholung(quint8 v) { m_bild[layout::kAlarmwiederholung] = v; }
    quint8 leerlaufzeit() const { return m_bild[layout::kLeerlaufzeit]; }
    void setLeerlaufzeit(quint8 v) { m_bild[layout::kLeerlaufzeit] = v; }
    quint8 messdatenintervall() const { return m_bild[layout::kMessdatenintervall]; }
    void setMessdatenintervall(quint8 v) { m_bild[layout::kMessdatenintervall] = v; }
    bool messdatenUeberProfibus() const { return messdatenintervall() == kMessdatenintervallProfibus; }
    quint8 alarmzaehlerAnzeige() const { return m_bild[layout::kAlarmzaehlerAnzeige]; }
    void setAlarmzaehlerAnzeige(quint8 v) { m_bild[layout::kAlarmzaehlerAnzeige] = v; }
    quint8 systemflags() const { return m_bild[layout::kSystemflags]; }
    void setSystemflags(quint8 v) { m_bild[layout::kSystemflags] = v; }

    // --- `Produktname` (zero-terminated within 16 bytes) ---
    std::span<quint8, layout::kProduktnameGroesse> produktname();
    std::span<const quint8, layout::kProduktnameGroesse> produktname() const;
    // Text up to the first zero byte; an unterminated field yields all 16 characters (Latin-1).
    QString produktnameText() const;

    // --- timer entries of a timer module block ---
    // Entry size of this image's revision: 10 bytes below byte 0 = 0x23, 13 bytes from there on.
    static int timerEintragGroesse(quint8 geraetekennung);
    int timerEintragGroesse() const { return timerEintragGroesse(geraetekennung()); }
    // Offset of entry k (0..6) relative to the module block.
    int timerEintragOffset(int k) const;

private:
    template <int N> std::span<quint8, N> block(int offset) { return std::span<quint8, N>(m_bild.data() + offset, N); }
    template <int N> std::span<const quint8, N> block(int offset) const
    {
        return std::span<const quint8, N>(m_bild.data() + offset, N);
    }
    int reglerblockFeld(int slot, quint8 maske, int shift) const;
    void setReglerblockFeld(int slot, quint8 maske, int shift, int value);
    static void pruefeSlot(int slot);
    static void pruefeBereich(int offset, int count);

    Bild m_bild{};
};

} // namespace hvx
