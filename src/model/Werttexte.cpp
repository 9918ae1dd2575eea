#include "model/Werttexte.h"

#include "model/Messbereich.h"
#include "model/Temperatur.h"
#include "model/Texte.h"

#include <array>
#include <charconv>
#include <cmath>

namespace hvx {

namespace {

constexpr int kMaxStellen = 20;

bool istNullText(const QString& text)
{
    for (const QChar c : text) {
        if (c != QLatin1Char('-') && c != QLatin1Char('0') && c != QLatin1Char('.'))
            return false;
    }
    return true;
}

qint64 alsGanzzahl(const Formatargument& argument)
{
    if (const auto* i = std::get_if<qint64>(&argument))
        return *i;
    if (const auto* d = std::get_if<double>(&argument))
        return std::isfinite(*d) ? qint64(*d) : 0;
    return std::get<QString>(argument).toLongLong();
}

double alsZahl(const Formatargument& argument)
{
    if (const auto* d = std::get_if<double>(&argument))
        return *d;
    if (const auto* i = std::get_if<qint64>(&argument))
        return double(*i);
    return std::get<QString>(argument).toDouble();
}

QString alsText(const Formatargument& argument)
{
    if (const auto* s = std::get_if<QString>(&argument))
        return *s;
    if (const auto* i = std::get_if<qint64>(&argument))
        return QString::number(*i);
    return zahlText(std::get<double>(argument), 6);
}

// One conversion directive: flags, width, precision and the conversion letter.
struct Platzhalter {
    bool nullen = false;
    int breite = 0;
    int stellen = -1;
    QChar art;
    qsizetype laenge = 0; // characters of the directive, '%' included
};

Platzhalter lesePlatzhalter(const QString& text, qsizetype start)
{
    Platzhalter p;
    qsizetype i = start + 1;
    while (i < text.size() && (text[i] == QLatin1Char('0') || text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        p.nullen = p.nullen || text[i++] == QLatin1Char('0');
    while (i < text.size() && text[i].isDigit() && p.breite < 100)
        p.breite = p.breite * 10 + text[i++].digitValue();
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        p.stellen = 0;
        ++i;
        while (i < text.size() && text[i].isDigit() && p.stellen < kMaxStellen)
            p.stellen = p.stellen * 10 + text[i++].digitValue();
    }
    if (i < text.size() && text[i] == QLatin1Char('l'))
        ++i;
    p.art = i < text.size() ? text[i] : QChar();
    p.laenge = i + 1 - start;
    return p;
}

QString fuelle(const Platzhalter& p, const Formatargument& argument)
{
    QString wert;
    switch (p.art.unicode()) {
    case 'd':
    case 'i':
    case 'u': wert = QString::number(alsGanzzahl(argument)); break;
    case 'f': wert = zahlText(alsZahl(argument), p.stellen < 0 ? 6 : p.stellen); break;
    default: wert = alsText(argument); break;
    }
    if (wert.size() >= p.breite)
        return wert;
    if (!p.nullen || p.art == QLatin1Char('s'))
        return wert.rightJustified(p.breite, QLatin1Char(' '));
    const bool negativ = wert.startsWith(QLatin1Char('-'));
    const QString ziffern = negativ ? wert.mid(1) : wert;
    return (negativ ? QStringLiteral("-") : QString()) + ziffern.rightJustified(p.breite - (negativ ? 1 : 0), QLatin1Char('0'));
}

bool istBekannteArt(QChar art)
{
    return art == QLatin1Char('d') || art == QLatin1Char('i') || art == QLatin1Char('u') || art == QLatin1Char('f')
        || art == QLatin1Char('s');
}

} // namespace

QString zahlText(double value, int decimals)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    std::array<char, 64> puffer{};
    const auto [ende, fehler] = std::to_chars(puffer.data(), puffer.data() + puffer.size(), value,
                                              std::chars_format::fixed, qBound(0, decimals, kMaxStellen));
    if (fehler != std::errc())
        return QStringLiteral("0");
    QString text = QString::fromLatin1(puffer.data(), ende - puffer.data());
    if (text.startsWith(QLatin1Char('-')) && istNullText(text))
        text.remove(0, 1);
    return text;
}

QString formatiere(const QString& vorlage, std::initializer_list<Formatargument> argumente)
{
    QString ergebnis;
    auto naechstes = argumente.begin();
    qsizetype i = 0;
    while (i < vorlage.size()) {
        const qsizetype prozent = vorlage.indexOf(QLatin1Char('%'), i);
        if (prozent < 0) {
            ergebnis += QStringView(vorlage).mid(i);
            break;
        }
        ergebnis += QStringView(vorlage).mid(i, prozent - i);
        if (prozent + 1 < vorlage.size() && vorlage[prozent + 1] == QLatin1Char('%')) {
            ergebnis += QLatin1Char('%');
            i = prozent + 2;
            continue;
        }
        const Platzhalter p = lesePlatzhalter(vorlage, prozent);
        if (!istBekannteArt(p.art) || naechstes == argumente.end()) {
            ergebnis += QStringView(vorlage).mid(prozent, p.laenge);
        } else {
            ergebnis += fuelle(p, *naechstes);
            ++naechstes;
        }
        i = prozent + p.laenge;
    }
    return ergebnis;
}

QString temperaturText(int celsius, bool fahrenheit)
{
    if (fahrenheit)
        return zahlText(fahrenheitAusCelsius(celsius), 1) + QLatin1Char(' ') + temperaturEinheit(true);
    return QString::number(celsius) + QLatin1Char(' ') + temperaturEinheit(false);
}

} // namespace hvx
