#include "InProcessSimulator.h"

#include "CommandLine.h"
#include "SimulatedSerialPort.h"

#include "base/HvxApp.h"
#include "base/Log.h"
#include "base/SettingsTable.h"
#include "link/SerialPortFactory.h"

#include <mutex>

namespace hvxsim {
namespace {

namespace settings = hvx::settings;

// [Simulator]: empty texts and -1 keep what the parameter set holds.
constexpr settings::Text kRevision{"Simulator", "Revision", "0x13"};
constexpr settings::Text kModules{"Simulator", "Modules", "1,7,2"};
constexpr settings::Text kParameterFile{"Simulator", "ParameterFile", ""};
constexpr settings::Text kAccessCode{"Simulator", "AccessCode", ""};
constexpr settings::Int kAccessCodeActive{"Simulator", "AccessCodeActive", -1};
constexpr settings::Int kMeasuredDataInterval{"Simulator", "MeasuredDataInterval", -1};
constexpr settings::Int kAlarms{"Simulator", "Alarms", 3};
constexpr settings::Int kTurnaroundMs{"Simulator", "TurnaroundMs", 5};
constexpr settings::Int kLineRate{"Simulator", "LineRate", 1};

QString Text(const settings::Text& row)
{
    return theApp().GetStringSetting(QLatin1String(row.section), QLatin1String(row.name), QLatin1String(row.defaultValue));
}

int Number(const settings::Int& row)
{
    return theApp().GetIntSetting(QLatin1String(row.section), QLatin1String(row.name), row.defaultValue);
}

std::optional<InstrumentSetup> Fail(std::string* error, const std::string& why)
{
    if (error)
        *error = "[Simulator] " + why;
    return std::nullopt;
}

std::mutex g_instrumentMutex;
std::shared_ptr<Instrument> g_instrument;

} // namespace

std::optional<InstrumentSetup> SetupFromSettings(Timing& timing, std::string* error)
{
    InstrumentSetup setup;
    const auto revision = ParseRevision(Text(kRevision));
    if (!revision)
        return Fail(error, "Revision must be byte 0 of a parameter set, e.g. 0x13, or a revision name");
    setup.revision = *revision;
    const auto modules = ParseModules(Text(kModules), setup.revision);
    if (!modules)
        return Fail(error, "Modules must be up to three module type codes or names, e.g. 1,7,2");
    setup.modules = *modules;
    setup.parameterFile = Text(kParameterFile).toStdString();

    const QByteArray code = Text(kAccessCode).toLatin1();
    if (!code.isEmpty() && code.size() != 4)
        return Fail(error, "AccessCode must have four characters");
    if (!code.isEmpty())
        setup.accessCode = code.toStdString();
    if (const int active = Number(kAccessCodeActive); active >= 0)
        setup.accessCodeActive = active != 0;
    if (const int interval = Number(kMeasuredDataInterval); interval >= 0) {
        if (interval < 1 || interval > 255)
            return Fail(error, "MeasuredDataInterval must be 1..255 (255 off, 254 Profibus)");
        setup.measuredDataInterval = interval;
    }
    setup.alarms = Number(kAlarms);
    if (setup.alarms < 0 || setup.alarms > kMaxAlarmRecords)
        return Fail(error, "Alarms must be 0.." + std::to_string(kMaxAlarmRecords));
    timing.turnaround = std::chrono::milliseconds(std::max(0, Number(kTurnaroundMs)));
    timing.lineRate = Number(kLineRate) != 0;
    return setup;
}

std::shared_ptr<Instrument> InProcessInstrument(std::string* error)
{
    const std::lock_guard lock(g_instrumentMutex);
    if (g_instrument)
        return g_instrument;
    Timing timing;
    const auto setup = SetupFromSettings(timing, error);
    if (!setup)
        return nullptr;
    auto state = BuildInstrument(*setup, error);
    if (!state)
        return nullptr;
    g_instrument = std::make_shared<Instrument>(std::move(*state), timing);
    g_instrument->SetRecording(false); // lives as long as the program; nobody inspects it
    return g_instrument;
}

void ResetInProcessInstrument()
{
    const std::lock_guard lock(g_instrumentMutex);
    g_instrument.reset();
}

void RegisterInProcessSimulator()
{
    hvx::SetSimulatedPortFactory([] {
        return std::make_unique<SimulatedSerialPort>([](std::string* error) {
            auto instrument = InProcessInstrument(error);
            if (!instrument)
                LogEntry(0, QStringLiteral("SimulatedSerialPort::open"), QString::fromStdString(*error));
            return instrument;
        });
    });
}

} // namespace hvxsim
