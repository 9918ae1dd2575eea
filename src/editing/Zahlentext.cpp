#include "editing/Zahlentext.h"

#include <QList>

#include <algorithm>
#include <cmath>

namespace hvx {

namespace {

bool istZiffer(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qint64 zehnHoch(int n)
{
    qint64 p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

// Replaces each occurrence of platzhalter, in order, with the next of ersatz; the rest stay.
QString ersetzeNacheinander(const QString& vorlage, const QString& platzhalter, const QStringList& ersatz)
{
    QString ergebnis;
    qsizetype pos = 0;
    for (const QString& e : ersatz) {
        const qsizetype fund = vorlage.indexOf(platzhalter, pos);
        if (fund < 0)
            break;
        ergebnis += vorlage.mid(pos, fund - pos) + e;
        pos = fund + platzhalter.size();
    }
    return ergebnis + vorlage.mid(pos);
}

} // namespace

Zahlzerlegung leseZahl(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {0.0, true};
    qsizetype i = 0;
    if (t[i] == u'+' || t[i] == u'-')
        ++i;
    int ziffern = 0;
    for (; i < t.size() && istZiffer(t[i]); ++i)
        ++ziffern;
    // A decimal comma is a decimal point: technicians type "1,5" as well as "1.5".
    if (i < t.size() && (t[i] == u'.' || t[i] == u',')) {
        for (++i; i < t.size() && istZiffer(t[i]); ++i)
            ++ziffern;
    }
    if (ziffern == 0)
        return {0.0, false};
    QString zahl = t.left(i);
    zahl.replace(u',', u'.');
    return {zahl.toDouble(), i == t.size()};
}

qint64 ganzzahlwert(const QString& text)
{
    return skalierterWert(text, 0);
}

qint64 skalierterWert(const QString& text, int decimals)
{
    const double produkt = leseZahl(text).wert * double(zehnHoch(decimals));
    const double geglaettet = std::round(produkt * 1e6) / 1e6;
    const double begrenzt = std::clamp(std::trunc(geglaettet), -9.0e15, 9.0e15);
    return qint64(begrenzt);
}

QString festkomma(qint64 wert, int decimals)
{
    if (decimals <= 0)
        return QString::number(wert);
    const qint64 teiler = zehnHoch(decimals);
    const quint64 betrag = wert < 0 ? quint64(-wert) : quint64(wert);
    return QStringLiteral("%1%2.%3")
        .arg(wert < 0 ? QStringLiteral("-") : QString())
        .arg(betrag / quint64(teiler))
        .arg(betrag % quint64(teiler), decimals, 10, QLatin1Char('0'));
}

QString ersetzeBereichsplatzhalter(const QString& vorlage, double min, double max, int decimals)
{
    const int d = std::max(decimals, 0);
    return ersetzeNacheinander(vorlage, QStringLiteral("%%.%df"),
                               {QString::number(min, 'f', d), QString::number(max, 'f', d)});
}

QString ersetzeGanzzahlen(const QString& vorlage, std::initializer_list<qint64> werte)
{
    QStringList ersatz;
    for (qint64 w : werte)
        ersatz << QString::number(w);
    QString ergebnis = ersetzeNacheinander(vorlage, QStringLiteral("%d"), ersatz);
    return ergebnis.replace(QStringLiteral("%%"), QStringLiteral("%"));
}

} // namespace hvx
