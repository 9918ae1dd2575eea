#include "app/gui/MenuTable.h"

#include "app/gui/CommandIds.h"

namespace hvx::gui {
namespace {

using K = MenuRowKind;
using namespace hvx::cmd;

constexpr MenuRow kMenu[] = {
    {K::Title, 1, 0, "&Datei", "", 0},
    {K::Item, 1, 1, "&Neu", "Strg+N", kFileNew},
    {K::Item, 1, 2, "Ö&ffnen...", "Strg+O", kFileOpen},
    {K::Item, 1, 3, "S&peichern", "Strg+S", kFileSave},
    {K::Item, 1, 4, "Speichern &unter...", "", kFileSaveAs},
    {K::Separator, 1, 0, "", "", 0},
    {K::Item, 1, 5, "&Drucken...", "Strg+P", kFilePrint},
    {K::Item, 1, 6, "Sei&tenansicht", "", kFilePrintPreview},
    {K::Item, 1, 7, "Drucker&schriftart...", "", kPrinterFont},
    {K::Item, 1, 8, "Drucker&einrichtung...", "", kFilePrintSetup},
    {K::Separator, 1, 0, "", "", 0},
    {K::Item, 1, 9, "&Allgemeine Angaben...", "", kFileProperties},
    {K::Separator, 1, 0, "", "", 0},
    {K::SubMenu, 1, 10, "E&xport", "", 0},
    {K::SubItem, 1, 10, "&Textdatei", "", kExportText},
    {K::Separator, 1, 0, "", "", 0},
    {K::RecentFiles, 1, 0, "", "", 0},
    {K::Separator, 1, 0, "", "", 0},
    {K::Item, 1, 11, "&Beenden", "", kAppExit},

    {K::Title, 2, 0, "&Bearbeiten", "", 0},
    {K::Item, 2, 1, "&Modulkonfiguration ändern...", "", kChangeModuleConfig},
    {K::Item, 2, 2, "&Versionsanpassung...", "", kVersionAdaptation},

    {K::Title, 3, 0, "&Ansicht", "", 0},
    {K::Item, 3, 1, "&Symbolleiste", "", kViewToolbar},

    {K::Title, 4, 0, "D&aten", "", 0},
    {K::Item, 4, 1, "&Standard für aktuelle Parameter", "", kDefaultsCurrent},
    {K::Item, 4, 2, "Standard für &alle Parameter", "", kDefaultsAll},
    {K::Separator, 4, 0, "", "", 0},
    {K::Item, 4, 3, "Aktuelle Seite prüfen", "F12", kCheckPage},
    {K::Separator, 4, 0, "", "", 0},
    {K::Item, 4, 4, "Messdaten &anzeigen...", "", kShowMeasuredData},

    {K::Title, 5, 0, "&Remote", "", 0},
    {K::Item, 5, 1, "&Schnittstelle auswählen...", "", kSelectPort},
    {K::Separator, 5, 0, "", "", 0},
    {K::Item, 5, 2, "&Datum/Uhrzeit setzen ...", "", kSetDateTime},
    {K::Separator, 5, 0, "", "", 0},
    {K::Item, 5, 3, "Parameter &auslesen...", "Hydrovant -> PC", kReadParameters},
    {K::Item, 5, 4, "Parameter ü&bertragen ...", "PC -> Hydrovant", kTransferParameters},
    {K::Separator, 5, 0, "", "", 0},
    {K::Item, 5, 5, "&Programmierung übertragen ...", "PC -> Hydrovant", kTransferProgramming},
    {K::Separator, 5, 0, "", "", 0},
    {K::Item, 5, 6, "Alarmdaten...", "", kAlarmData},
    {K::Separator, 5, 0, "", "", 0},
    {K::Item, 5, 7, "&Messdaten erfassen ...", "", kMeasuredData},
    {K::Separator, 5, 0, "", "", 0},
    {K::Item, 5, 8, "Mit &Gerät vergleichen...", "", kCompareWithInstrument},

    {K::Title, 6, 0, "&Extras", "", 0},
    {K::Item, 6, 1, "&Einstellungen...", "", kSettings},

    {K::Title, 7, 0, "&?", "", 0},
    {K::Item, 7, 1, "&Hilfe...", "", kHelpIndex},
    {K::Item, 7, 2, "&Inhalt...", "", kHelpFinder},
    {K::Separator, 7, 0, "", "", 0},
    {K::Item, 7, 3, "Inf&o über HVX...", "", kAppAbout},

    {K::Title, 8, 0, "&Sprache", "", 0},
    {K::Languages, 8, 0, "", "", 0},
};

constexpr Accelerator kAccelerators[] = {
    {Qt::CTRL | Qt::Key_N, kFileNew},
    {Qt::CTRL | Qt::Key_O, kFileOpen},
    {Qt::CTRL | Qt::Key_S, kFileSave},
    {Qt::CTRL | Qt::Key_P, kFilePrint},
    {QKeyCombination(Qt::Key_F12), kCheckPage},
    {Qt::SHIFT | Qt::Key_F1, kContextHelp},
    {QKeyCombination(Qt::Key_F1), kContextHelp},
};

constexpr int kToolBar[] = {
    kFileNew, kFileOpen, kFileSave, 0, kFilePrint, kFilePrintPreview, 0, kTransferProgramming, 0, kContextHelp, kAppAbout,
};

} // namespace

std::span<const MenuRow> builtinMenu()
{
    return kMenu;
}

std::span<const Accelerator> accelerators()
{
    return kAccelerators;
}

std::span<const int> toolBarButtons()
{
    return kToolBar;
}

} // namespace hvx::gui
