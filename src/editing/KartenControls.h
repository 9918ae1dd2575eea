#pragma once
// The controls of a page held in maps: a page run without a window (hvxcli, tests) keeps its
// field texts, check marks, radio and list selections here, addressed by control id.

#include "editing/Controls.h"

#include <QMap>
#include <QSet>

namespace hvx {

class KartenControls : public IControls {
public:
    QSet<int> versteckt;
    QSet<int> gesperrt;
    QMap<int, bool> haken;
    QMap<int, QString> texte;
    QMap<int, int> radios;
    QMap<int, QString> auswahl;
    QMap<int, QStringList> listen;

    bool isVisible(int id) const override { return !versteckt.contains(id); }
    bool isEnabled(int id) const override { return !gesperrt.contains(id); }
    void setEnabled(int id, bool enabled) override
    {
        if (enabled)
            gesperrt.remove(id);
        else
            gesperrt.insert(id);
    }
    bool isChecked(int id) const override { return haken.value(id); }
    void setChecked(int id, bool checked) override { haken[id] = checked; }
    QString text(int id) const override { return texte.value(id); }
    void setText(int id, const QString& text) override { texte[id] = text; }
    int selectedRadio(int firstId) const override { return radios.value(firstId, -1); }
    void selectRadio(int firstId, int number) override { radios[firstId] = number; }
    QString selectedText(int id) const override { return auswahl.value(id); }
    void selectText(int id, const QString& text) override
    {
        auswahl[id] = listen.value(id).contains(text) ? text : QString();
    }
    void setItems(int id, const QStringList& texts) override
    {
        listen[id] = texts;
        if (!texts.contains(auswahl.value(id)))
            auswahl.remove(id);
    }
};

} // namespace hvx
