#include "editing/DataExchange.h"

#include "editing/Zahlentext.h"
#include "link/BcdDateTime.h"

#include <algorithm>

namespace hvx {

quint16 leseWort(const quint8* p)
{
    return quint16((p[0] << 8) | p[1]);
}

void schreibeWort(quint8* p, quint16 wert)
{
    p[0] = quint8(wert >> 8);
    p[1] = quint8(wert);
}

quint32 leseLangwort(const quint8* p)
{
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | p[3];
}

void schreibeLangwort(quint8* p, quint32 wert)
{
    p[0] = quint8(wert >> 24);
    p[1] = quint8(wert >> 16);
    p[2] = quint8(wert >> 8);
    p[3] = quint8(wert);
}

void zeigeAuswahl(DataExchange& dx, int id, int wert, const AuswahlListe& map)
{
    const auto it = std::find_if(map.begin(), map.end(), [wert](const Auswahl& a) { return a.wert == wert; });
    dx.controls().selectText(id, it == map.end() ? QString() : it->text);
}

std::optional<int> gewaehlterWert(const DataExchange& dx, int id, const AuswahlListe& map)
{
    const QString text = dx.controls().selectedText(id);
    const auto it = std::find_if(map.begin(), map.end(), [&text](const Auswahl& a) { return a.text == text; });
    if (text.isEmpty() || it == map.end())
        return std::nullopt;
    return it->wert;
}

void DDX_CheckByte(DataExchange& dx, int id, quint8* byte)
{
    if (dx.laden())
        dx.controls().setChecked(id, *byte == 1);
    else
        *byte = dx.controls().isChecked(id) ? 1 : 0;
}

// A byte holding neither value shows "off" and stays as stored until the box is ticked or
// cleared: looking at a page never changes the record.
void DDX_SwitchByte(DataExchange& dx, int id, quint8* byte, quint8 ein, quint8 aus)
{
    if (dx.laden()) {
        dx.controls().setChecked(id, *byte == ein);
        return;
    }
    const bool an = dx.controls().isChecked(id);
    if (an || *byte == ein)
        *byte = an ? ein : aus;
}

void DDX_SwitchWord(DataExchange& dx, int id, quint8* wort, quint16 ein, quint16 aus)
{
    if (dx.laden()) {
        dx.controls().setChecked(id, leseWort(wort) == ein);
        return;
    }
    const bool an = dx.controls().isChecked(id);
    if (an || leseWort(wort) == ein)
        schreibeWort(wort, an ? ein : aus);
}

void DDX_RadioByte(DataExchange& dx, int firstId, quint8* byte)
{
    if (dx.laden()) {
        dx.controls().selectRadio(firstId, *byte);
    } else {
        // No selection keeps the byte: there is no number to store.
        const int gewaehlt = dx.controls().selectedRadio(firstId);
        if (gewaehlt >= 0)
            *byte = quint8(gewaehlt);
    }
}

void DDX_ComboMap(DataExchange& dx, int id, quint8* byte, const AuswahlListe& map)
{
    if (dx.laden())
        zeigeAuswahl(dx, id, *byte, map);
    else if (const auto wert = gewaehlterWert(dx, id, map))
        *byte = quint8(*wert);
}

void DDX_ComboMapWord(DataExchange& dx, int id, quint8* wort, const AuswahlListe& map)
{
    if (dx.laden())
        zeigeAuswahl(dx, id, leseWort(wort), map);
    else if (const auto wert = gewaehlterWert(dx, id, map))
        schreibeWort(wort, quint16(*wert));
}

void DDX_ByteNumber(DataExchange& dx, int id, quint8* byte)
{
    if (dx.laden())
        dx.controls().setText(id, QString::number(*byte));
    else
        *byte = quint8(ganzzahlwert(dx.controls().text(id)));
}

void DDX_WordNumber(DataExchange& dx, int id, quint8* wort)
{
    if (dx.laden())
        dx.controls().setText(id, QString::number(leseWort(wort)));
    else
        schreibeWort(wort, quint16(ganzzahlwert(dx.controls().text(id))));
}

void DDX_OffOrByte(DataExchange& dx, int checkId, int editId, quint8* byte, quint8 aus)
{
    if (dx.laden()) {
        dx.controls().setChecked(checkId, *byte == aus);
        dx.controls().setText(editId, *byte == aus ? QString() : QString::number(*byte));
    } else {
        *byte = dx.controls().isChecked(checkId) ? aus : quint8(ganzzahlwert(dx.controls().text(editId)));
    }
}

void DDX_OffOrWord(DataExchange& dx, int checkId, int editId, quint8* wort, quint16 aus)
{
    if (dx.laden()) {
        const quint16 wert = leseWort(wort);
        dx.controls().setChecked(checkId, wert == aus);
        dx.controls().setText(editId, wert == aus ? QString() : QString::number(wert));
    } else {
        schreibeWort(wort, dx.controls().isChecked(checkId) ? aus
                                                             : quint16(ganzzahlwert(dx.controls().text(editId))));
    }
}

void DDX_ScaledByte(DataExchange& dx, int id, quint8* byte, int decimals)
{
    if (dx.laden())
        dx.controls().setText(id, festkomma(*byte, decimals));
    else
        *byte = quint8(skalierterWert(dx.controls().text(id), decimals));
}

void DDX_ScaledWord(DataExchange& dx, int id, quint8* wort, int decimals)
{
    if (dx.laden())
        dx.controls().setText(id, festkomma(leseWort(wort), decimals));
    else
        schreibeWort(wort, quint16(skalierterWert(dx.controls().text(id), decimals)));
}

void DDX_ScaledLong(DataExchange& dx, int id, quint8* langwort, int decimals)
{
    if (dx.laden())
        dx.controls().setText(id, festkomma(qint32(leseLangwort(langwort)), decimals));
    else
        schreibeLangwort(langwort, quint32(qint32(skalierterWert(dx.controls().text(id), decimals))));
}

void DDX_FixedText(DataExchange& dx, int id, quint8* text, int laenge)
{
    const quint8* ende = std::find(text, text + laenge, quint8(0));
    const QString gezeigt = QString::fromLatin1(reinterpret_cast<const char*>(text), ende - text);
    if (dx.laden()) {
        dx.controls().setText(id, gezeigt);
        return;
    }
    // The text as shown stays as stored, so that its zero bytes are not taken for a change.
    if (dx.controls().text(id) == gezeigt)
        return;
    const QByteArray eingabe = dx.controls().text(id).toLatin1();
    if (eingabe.isEmpty()) {
        text[0] = 0;
        return;
    }
    for (int i = 0; i < laenge; ++i)
        text[i] = i < eingabe.size() ? quint8(eingabe[i]) : quint8(' ');
}

void DDX_TimeHHMM(DataExchange& dx, int id, quint8* stundeBcd, quint8* minuteBcd)
{
    if (dx.laden()) {
        dx.controls().setText(id, QStringLiteral("%1:%2")
                                      .arg(DecodeBcd(*stundeBcd), 2, 10, QLatin1Char('0'))
                                      .arg(DecodeBcd(*minuteBcd), 2, 10, QLatin1Char('0')));
        return;
    }
    const QString eingabe = dx.controls().text(id);
    const qsizetype trenner = eingabe.indexOf(u':');
    const QString stunde = trenner < 0 ? eingabe : eingabe.left(trenner);
    const QString minute = trenner < 0 ? QString() : eingabe.mid(trenner + 1);
    *stundeBcd = EncodeBcd(int(std::clamp<qint64>(ganzzahlwert(stunde), -1, 100)));
    *minuteBcd = EncodeBcd(int(std::clamp<qint64>(ganzzahlwert(minute), -1, 100)));
}

namespace {
void setzeBit(quint8* byte, quint8 maske, bool gesetzt)
{
    *byte = gesetzt ? quint8(*byte | maske) : quint8(*byte & ~maske);
}
} // namespace

void DDX_CheckBit(DataExchange& dx, int id, quint8* byte, quint8 maske, bool invertiert, quint8* kopie)
{
    if (dx.laden()) {
        dx.controls().setChecked(id, ((*byte & maske) != 0) != invertiert);
        return;
    }
    const bool gesetzt = dx.controls().isChecked(id) != invertiert;
    setzeBit(byte, maske, gesetzt);
    if (kopie)
        setzeBit(kopie, maske, gesetzt);
}

void DDX_RadioBit(DataExchange& dx, int firstId, quint8* byte, quint8 maske, bool invertiert, quint8* kopie)
{
    if (dx.laden()) {
        dx.controls().selectRadio(firstId, ((*byte & maske) != 0) != invertiert ? 1 : 0);
        return;
    }
    const int gewaehlt = dx.controls().selectedRadio(firstId);
    if (gewaehlt < 0)
        return;
    const bool gesetzt = (gewaehlt == 1) != invertiert;
    setzeBit(byte, maske, gesetzt);
    if (kopie)
        setzeBit(kopie, maske, gesetzt);
}

} // namespace hvx
