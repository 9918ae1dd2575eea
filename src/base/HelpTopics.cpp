#include "base/HelpTopics.h"

#include "model/Reglerart.h"

namespace hvx {
namespace {

using namespace reglerart;

constexpr HelpTopic kTopics[] = {
    // The pages of the editing view
    {"Systemkonfigurations-Dialog", kAnyVariant, "system-page"},
    {"Modulparameter-Dialog", kAnyVariant, "module-tabs"},
    {"Modulkonfigurations-Dialog", kAnyVariant, "module-configuration-page"},
    {"Messparameter-pH-Dialog", kAnyVariant, "measuring-ph"},
    {"Messparameter-Redox-Dialog", kAnyVariant, "measuring-redox"},
    {"Messparameter-Temperatur-Dialog", kAnyVariant, "measuring-temperature"},
    {"Messparameter-LF-Dialog", kAnyVariant, "measuring-conductivity"},
    {"Messparameter-Chlor-Dialog", kAnyVariant, "measuring-chlorine"},
    {"Messparameter-Norm-Dialog", kAnyVariant, "measuring-standard-signal"},
    {"Reglerparameter-Dialog", kAnyVariant, "controller-page"},
    {"Reglerparameter-Dialog", kSignalgeraet, "controller-signal-device"},
    {"Reglerparameter-Dialog", kPid2, "controller-pid-2"},
    {"Reglerparameter-Dialog", kPid3, "controller-pid-3"},
    {"Reglerparameter-Dialog", kFuzzy2, "controller-fuzzy-2"},
    {"Reglerparameter-Dialog", kFuzzy3, "controller-fuzzy-3"},
    {"Reglerparameter-Dialog", kAdaptivAsymptotisch2, "controller-adaptive-2"},
    {"Reglerparameter-Dialog", kAdaptivSchnell2, "controller-adaptive-2"},
    {"Reglerparameter-Dialog", kAdaptivAsymptotisch3, "controller-adaptive-3"},
    {"Reglerparameter-Dialog", kAdaptivSchnell3, "controller-adaptive-3"},
    {"Reglerparameter-Dialog", kAbsalzgeraet, "controller-blow-down"},
    {"Timerparameter-Dialog", kAnyVariant, "timer-page"},
    // Files
    {"Einstiegs-Dialog", kAnyVariant, "entry-dialog"},
    {"Neu-Dialog", kAnyVariant, "new-configuration"},
    {"Eigenschaften-Dialog", kAnyVariant, "general-information"},
    {"Versionkonvertieren-Dialog", kAnyVariant, "version-adaptation"},
    {"Zugangscode-Dialog", kAnyVariant, "access-code"},
    // The instrument
    {"Comport-Dialog", kAnyVariant, "port-selection"},
    {"Kommunikationseinstellungen-Dialog", kAnyVariant, "extended-port-options"},
    {"Remote-Progress-Dialog", kAnyVariant, "transfer"},
    {"Vergleich-Dialog", kAnyVariant, "compare"},
    {"Alarmdaten-Dialog", kAnyVariant, "alarm-data"},
    {"Messdaten-Dialog", kAnyVariant, "recording-measured-data"},
    {"Messdatenanzeige-Dialog", kAnyVariant, "measured-data-chart"},
    // Output
    {"PrintPreview-Dialog", kAnyVariant, "print-preview"},
    // Settings, about box, service mode
    {"Einstellungs-Dialog", kAnyVariant, "settings"},
    {"Verzeichnisse-Dialog", kAnyVariant, "settings-directories"},
    {"Druckoptionen-Dialog", kAnyVariant, "settings-printing"},
    {"Logoptionen-Dialog", kAnyVariant, "settings-log-book"},
    {"Info-Dialog", kAnyVariant, "about"},
    {"Service-Dialog", kAnyVariant, "service-dialog"},
    {"Hex-Dump-Dialog", kAnyVariant, "hex-dump"},
};

} // namespace

std::span<const HelpTopic> helpTopics()
{
    return kTopics;
}

QString helpAnchor(const QString& section, int variant)
{
    if (section.isEmpty())
        return QLatin1String(kHelpStartAnchor);
    const HelpTopic* general = nullptr;
    for (const HelpTopic& topic : kTopics) {
        if (section != QLatin1String(topic.section))
            continue;
        if (variant != kAnyVariant && topic.variant == variant)
            return QLatin1String(topic.anchor);
        if (topic.variant == kAnyVariant && general == nullptr)
            general = &topic;
    }
    return general != nullptr ? QLatin1String(general->anchor) : QString();
}

} // namespace hvx
