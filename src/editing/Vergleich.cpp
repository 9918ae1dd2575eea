#include "editing/Vergleich.h"

#include "base/Language.h"
#include "editing/EditingTexts.h"
#include "editing/Felder.h"
#include "model/Bestueckung.h"
#include "model/Kalibrierung.h"
#include "model/Modulnamen.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <tuple>

namespace hvx {

namespace {

using Liste = std::vector<Feldangabe>;

Liste listeVon(const Parametersatz& ps)
{
    // A look only: read-only pages never write back, and the copy keeps the caller's set as it is.
    Parametersatz kopie = ps;
    Bearbeitung bearbeitung(kopie, false);
    return felderAuflisten(bearbeitung);
}

bool gleichGezeigt(const Feldangabe& x, const Feldangabe& y)
{
    return x.schluessel == y.schluessel && x.beschriftung == y.beschriftung && x.wert == y.wert
        && x.einheit == y.einheit;
}

// Whether a look at the set shows exactly these fields. The look stops at the first page that
// shows otherwise: most sets the comparison looks at differ early.
bool zeigtWie(const Parametersatz& ps, const Liste& liste)
{
    Parametersatz kopie = ps;
    Bearbeitung bearbeitung(kopie, false, Aufbau::beiBedarf);
    std::size_t bisher = 0;
    bool gleich = true;
    felderJeSeite(bearbeitung, [&](std::span<const Feldangabe> seite) {
        gleich = seite.size() <= liste.size() - bisher
            && std::equal(seite.begin(), seite.end(), liste.begin() + std::ptrdiff_t(bisher), gleichGezeigt);
        bisher += seite.size();
        return gleich;
    });
    return gleich && bisher == liste.size();
}

std::map<QString, const Feldangabe*> nachSchluessel(const Liste& liste)
{
    std::map<QString, const Feldangabe*> karte;
    for (const Feldangabe& f : liste)
        karte.emplace(f.schluessel, &f);
    return karte;
}

// Module block bytes that copy a byte of the slot's descriptor: a difference in the copy is the
// same difference as in the original, which a page shows.
struct Kopie {
    int modulblock;
    int modulkopf;
};
constexpr Kopie kKopien[] = {{modulblock::kModultyp, modulkopf::kModultyp},
                             {modulblock::kReglertyp, modulkopf::kReglertyp},
                             {modulblock::kModulflags, modulkopf::kModulflags},
                             {modulblock::kReglerflags, modulkopf::kReglerflags}};

std::optional<int> originalVon(int offset)
{
    for (int slot = 0; slot < layout::kSlotAnzahl; ++slot) {
        for (const Kopie& k : kKopien) {
            if (offset == Parametersatz::modulblockOffset(slot) + k.modulblock)
                return Parametersatz::modulkopfOffset(slot) + k.modulkopf;
        }
    }
    return std::nullopt;
}

// Where a byte lies, for the summary of bytes no page shows.
struct Bereich {
    int anfang;
    int groesse;
    int anzahl; // blocks of this size in a row (per slot), 1 for single blocks
    int textId; // "%1" takes the slot number where anzahl > 1
};
constexpr Bereich kBereiche[] = {
    {layout::kKonfigurationsteil, layout::kKonfigurationsteilGroesse, 1, editingtext::kOrtKonfigurationsteil},
    {layout::kModulblock, layout::kModulblockGroesse, layout::kSlotAnzahl, editingtext::kOrtModulblock},
    {layout::kReglerblock, layout::kReglerblockGroesse, layout::kSlotAnzahl, editingtext::kOrtReglerblock},
    {layout::kSystemblock, layout::kSystemblockGroesse, 1, editingtext::kOrtSystemblock},
    {layout::kAdaptivblock, layout::kAdaptivblockGroesse, layout::kSlotAnzahl, editingtext::kOrtAdaptivblock},
    {layout::kReserviertNachAdaptiv, 1, 1, editingtext::kOrtReserviert},
    {layout::kModulzusatz, layout::kModulzusatzGroesse, layout::kSlotAnzahl, editingtext::kOrtModulzusatz},
    {layout::kAlarmblock, layout::kAlarmblockGroesse, 1, editingtext::kOrtAlarmblock},
    {layout::kProduktname, layout::kProduktnameGroesse, 1, editingtext::kOrtProduktname},
    {layout::kReserviertEnde, layout::kReserviertEndeGroesse, 1, editingtext::kOrtReserviert},
};

struct Ort {
    QString block;
    int blockAnfang = 0;
};

Ort ortVon(int offset)
{
    for (const Bereich& b : kBereiche) {
        if (offset < b.anfang || offset >= b.anfang + b.groesse * b.anzahl)
            continue;
        const int nummer = (offset - b.anfang) / b.groesse;
        QString block = GetStringsText(b.textId);
        if (b.anzahl > 1)
            block = block.arg(nummer + 1);
        return {block, b.anfang + nummer * b.groesse};
    }
    return {QString(), 0};
}

bool istZugangscode(int offset)
{
    return offset >= layout::kZugangscode && offset < layout::kZugangscode + layout::kZugangscodeGroesse;
}

// The access code stays hidden: that it differs is shown, not what it is.
QString hex(const Parametersatz& ps, int offset, int laenge)
{
    QStringList teile;
    for (int i = offset; i < offset + laenge; ++i)
        teile << (istZugangscode(i) ? QStringLiteral("**") : QStringLiteral("%1").arg(int(ps.byte(i)), 2, 16, QLatin1Char('0')).toUpper());
    return teile.join(QLatin1Char(' '));
}

class Vergleicher {
public:
    Vergleicher(const Parametersatz& a, const Parametersatz& b)
        : m_a(a), m_b(b), m_listeA(listeVon(a)), m_listeB(listeVon(b))
    {
    }

    Vergleich ergebnis()
    {
        Vergleich v;
        const std::set<int> kalibrierbytes = kalibrierBytes();
        felder(v, kalibrierbytes);
        bytes(v, kalibrierbytes);
        std::stable_sort(v.unterschiede.begin(), v.unterschiede.end(),
                         [](const Unterschied& x, const Unterschied& y) { return x.gruppe < y.gruppe; });
        return v;
    }

private:
    // The bytes that keeping the calibration would take over from the other set.
    std::set<int> kalibrierBytes() const
    {
        std::set<int> bytes;
        for (const auto& [ziel, quelle] : {std::pair{&m_a, &m_b}, std::pair{&m_b, &m_a}}) {
            Parametersatz erhalten = *ziel;
            erhalteKalibrierung(erhalten, *quelle);
            for (int i = 0; i < Parametersatz::kGroesse; ++i) {
                if (erhalten.byte(i) != ziel->byte(i))
                    bytes.insert(i);
            }
        }
        return bytes;
    }

    // Fields whose shown value follows the calibration values.
    std::set<QString> kalibrierFelder() const
    {
        std::set<QString> schluessel;
        for (const auto& [ziel, quelle, liste] :
             {std::tuple{&m_a, &m_b, &m_listeA}, std::tuple{&m_b, &m_a, &m_listeB}}) {
            Parametersatz erhalten = *ziel;
            erhalteKalibrierung(erhalten, *quelle);
            const auto vorher = nachSchluessel(*liste);
            for (const Feldangabe& f : listeVon(erhalten)) {
                const auto it = vorher.find(f.schluessel);
                if (it == vorher.end() || !gleichGezeigt(*it->second, f))
                    schluessel.insert(f.schluessel);
            }
        }
        return schluessel;
    }

    // The page column: the module with its name before a module's page, so that rows of two
    // modules of one kind, or of both sides of a changed module, tell which is meant.
    static QString seiteVon(const Parametersatz& ps, const Feldangabe& f)
    {
        const int tab = f.schluessel.section(QLatin1Char('.'), 0, 0).toInt();
        if (tab < 1 || tab > layout::kSlotAnzahl)
            return f.seite;
        return GetStringsText(editingtext::kModulseite)
            .arg(tab)
            .arg(modulName(ps.modultyp(tab - 1), ps.familie()), f.seite);
    }

    // A field is the same on both sides when its key and its own label agree (the caption of a
    // controller's group names its kind and may differ). A row is a difference: the same field
    // showing another value, or a field that only one side shows, each under its own labels.
    void felder(Vergleich& v, const std::set<int>& kalibrierbytes) const
    {
        const std::set<QString> kalibrierung = kalibrierbytes.empty() ? std::set<QString>{} : kalibrierFelder();
        const auto zeile = [&](const Feldangabe* fa, const Feldangabe* fb) {
            const Feldangabe& f = fa ? *fa : *fb;
            // A field that one side shows empty (an edit beside a ticked "aus") and the other not
            // at all says nothing of its own.
            if (!(fa && fb) && f.wert.isEmpty())
                return;
            Unterschied u;
            u.gruppe = kalibrierung.count(f.schluessel) ? Unterschiedsgruppe::Kalibrierung : Unterschiedsgruppe::Feld;
            u.schluessel = f.schluessel;
            u.seite = fa ? seiteVon(m_a, *fa) : seiteVon(m_b, *fb);
            u.beschriftung = f.beschriftung;
            u.wertA = fa ? fa->wert : QString();
            u.wertB = fb ? fb->wert : QString();
            u.einheit = f.einheit;
            if (fa && fb && fa->einheit != fb->einheit) {
                u.wertA = QStringLiteral("%1 %2").arg(fa->wert, fa->einheit).trimmed();
                u.wertB = QStringLiteral("%1 %2").arg(fb->wert, fb->einheit).trimmed();
                u.einheit.clear();
            }
            v.unterschiede.push_back(u);
        };
        std::set<const Feldangabe*> gepaart;
        for (const Feldangabe& fa : m_listeA) {
            const auto fb = std::find_if(m_listeB.begin(), m_listeB.end(), [&fa](const Feldangabe& f) {
                return f.schluessel == fa.schluessel && f.feldname == fa.feldname;
            });
            if (fb == m_listeB.end()) {
                zeile(&fa, nullptr);
                continue;
            }
            gepaart.insert(&*fb);
            if (fa.wert == fb->wert && fa.einheit == fb->einheit)
                continue;
            if (fa.beschriftung == fb->beschriftung && seiteVon(m_a, fa) == seiteVon(m_b, *fb)) {
                zeile(&fa, &*fb);
            } else {
                zeile(&fa, nullptr);
                zeile(nullptr, &*fb);
            }
        }
        for (const Feldangabe& fb : m_listeB) {
            if (!gepaart.count(&fb))
                zeile(nullptr, &fb);
        }
    }

    // Whether setting these bytes of one set to the other set's values changes what one of the
    // two sets shows.
    bool aendertAnzeige(std::span<const int> offsets) const
    {
        Parametersatz a = m_a;
        Parametersatz b = m_b;
        for (int offset : offsets) {
            a.setByte(offset, m_b.byte(offset));
            b.setByte(offset, m_a.byte(offset));
        }
        return !zeigtWie(a, m_listeA) || !zeigtWie(b, m_listeB);
    }

    // The offsets a page shows. A group whose change shows nowhere is hidden as a whole, so most
    // bytes are settled in a few looks; a group that shows is split until single bytes remain,
    // and each single byte is looked at alone. When the first half of a group that shows does
    // not show, the second half is split without a look of its own: it is where the change is.
    // Returns whether the group showed.
    bool findeGezeigte(std::span<const int> offsets, std::set<int>& gezeigt, bool zeigtGewiss = false) const
    {
        if (offsets.empty())
            return false;
        if ((offsets.size() == 1 || !zeigtGewiss) && !aendertAnzeige(offsets))
            return false;
        if (offsets.size() == 1) {
            gezeigt.insert(offsets.front());
            return true;
        }
        const std::size_t haelfte = offsets.size() / 2;
        const bool ersteZeigt = findeGezeigte(offsets.first(haelfte), gezeigt);
        findeGezeigte(offsets.subspan(haelfte), gezeigt, !ersteZeigt);
        return true;
    }

    // A copy of a descriptor byte that differs too is the same difference the page shows there.
    bool kopieEinesUnterschieds(int offset) const
    {
        const std::optional<int> original = originalVon(offset);
        return original && m_a.byte(*original) != m_b.byte(*original);
    }

    // The controller type of an enable input, which has no controller: a new set writes "none"
    // there, its defaults the code of the block they share with the timer, and an instrument
    // takes the block's code when it is sent the set. Neither value means anything.
    bool reglertypOhneRegler(int offset) const
    {
        for (int slot = 0; slot < layout::kSlotAnzahl; ++slot) {
            if (offset != Parametersatz::modulkopfOffset(slot) + modulkopf::kReglertyp)
                continue;
            const auto freigabe = [slot](const Parametersatz& ps) {
                return ps.modultyp(slot) == modultyp::kFreigabeOderTimer && !istTimerSlot(ps, slot);
            };
            return freigabe(m_a) && freigabe(m_b);
        }
        return false;
    }

    void bytes(Vergleich& v, const std::set<int>& kalibrierbytes) const
    {
        std::vector<int> offen;
        for (int i = 0; i < Parametersatz::kGroesse; ++i) {
            if (m_a.byte(i) != m_b.byte(i) && !kopieEinesUnterschieds(i) && !reglertypOhneRegler(i))
                offen.push_back(i);
        }
        std::set<int> gezeigt;
        findeGezeigte(offen, gezeigt);
        std::vector<std::pair<int, Unterschiedsgruppe>> verborgen;
        for (int i : offen) {
            if (!gezeigt.count(i))
                verborgen.push_back({i, kalibrierbytes.count(i) ? Unterschiedsgruppe::Kalibrierung : Unterschiedsgruppe::Byte});
        }
        // Neighbouring bytes of one block and group make one row.
        for (std::size_t i = 0; i < verborgen.size();) {
            const auto [anfang, gruppe] = verborgen[i];
            const Ort ort = ortVon(anfang);
            std::size_t j = i + 1;
            while (j < verborgen.size() && verborgen[j].first == verborgen[j - 1].first + 1 && verborgen[j].second == gruppe
                   && ortVon(verborgen[j].first).blockAnfang == ort.blockAnfang)
                ++j;
            const int laenge = verborgen[j - 1].first - anfang + 1;
            Unterschied u;
            u.gruppe = gruppe;
            u.schluessel = QStringLiteral("@%1").arg(anfang);
            u.seite = ort.block;
            const int relativ = anfang - ort.blockAnfang;
            u.beschriftung = laenge == 1 ? GetStringsText(editingtext::kOrtByte).arg(relativ)
                                         : GetStringsText(editingtext::kOrtBytes).arg(relativ).arg(relativ + laenge - 1);
            u.wertA = hex(m_a, anfang, laenge);
            u.wertB = hex(m_b, anfang, laenge);
            u.offset = anfang;
            u.laenge = laenge;
            v.unterschiede.push_back(u);
            i = j;
        }
    }

    const Parametersatz& m_a;
    const Parametersatz& m_b;
    const Liste m_listeA;
    const Liste m_listeB;
};

} // namespace

std::vector<Unterschied> Vergleich::gruppe(Unterschiedsgruppe g) const
{
    std::vector<Unterschied> auswahl;
    std::copy_if(unterschiede.begin(), unterschiede.end(), std::back_inserter(auswahl),
                 [g](const Unterschied& u) { return u.gruppe == g; });
    return auswahl;
}

Vergleich vergleiche(const Parametersatz& a, const Parametersatz& b)
{
    if (a == b)
        return {};
    return Vergleicher(a, b).ergebnis();
}

QStringList unterschiedsZeilen(const Vergleich& vergleich)
{
    QStringList zeilen;
    for (const Unterschied& u : vergleich.unterschiede) {
        const QString leer = GetStringsText(editingtext::kWertFehlt);
        zeilen << GetStringsText(editingtext::kUnterschiedZeile)
                      .arg(u.seite, LabelWithoutColon(u.beschriftung), u.wertA.isEmpty() ? leer : u.wertA,
                           u.wertB.isEmpty() ? leer : u.wertB, u.einheit)
                      .trimmed();
    }
    return zeilen;
}

QString gruppenTitel(Unterschiedsgruppe g)
{
    switch (g) {
    case Unterschiedsgruppe::Feld: return GetStringsText(editingtext::kGruppeFelder);
    case Unterschiedsgruppe::Kalibrierung: return GetStringsText(editingtext::kGruppeKalibrierung);
    case Unterschiedsgruppe::Byte: return GetStringsText(editingtext::kGruppeBytes);
    }
    return QString();
}

QStringList unterschiedsZeilen(const Parametersatz& gesendet, const Parametersatz& gelesen)
{
    return unterschiedsZeilen(vergleiche(gesendet, gelesen));
}

QString vergleichsTabelle(const Vergleich& vergleich, const QString& nameA, const QString& nameB)
{
    if (vergleich.gleich())
        return GetStringsText(editingtext::kKeineUnterschiede) + QLatin1Char('\n');
    QString text;
    for (const Unterschiedsgruppe g : {Unterschiedsgruppe::Feld, Unterschiedsgruppe::Kalibrierung, Unterschiedsgruppe::Byte}) {
        const std::vector<Unterschied> zeilen = vergleich.gruppe(g);
        if (zeilen.empty())
            continue;
        text += QStringLiteral("== %1 ==\n").arg(gruppenTitel(g));
        text += GetStringsText(editingtext::kTabellenkopf).arg(nameA, nameB) + QLatin1Char('\n');
        for (const Unterschied& u : zeilen)
            text += QStringList{u.schluessel, u.seite, u.beschriftung, u.wertA, u.wertB, u.einheit}.join(QLatin1Char('\t'))
                + QLatin1Char('\n');
    }
    return text;
}

QString geraeteseite()
{
    return GetStringsText(editingtext::kGeraeteseite);
}

} // namespace hvx
