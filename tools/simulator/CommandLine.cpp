#include "CommandLine.h"

#include "WireFormat.h"
#include "document/NeuDlgRules.h"

#include <QCommandLineParser>

namespace hvxsim {
namespace {

struct OptionText {
    const char* name;
    const char* valueName; // nullptr: a flag
    const char* description;
};

constexpr OptionText kOptions[] = {
    {"revision", "byte", "Byte 0 of the parameter set (variant and version), e.g. 0x13 for K 54, 0x20 for L 21, or the "
                         "revision's name as hvxcli new takes it (\"Revision K 54\"). Default 0x13."},
    {"modules", "a,b,c", "Module types of slots 1 to 3, e.g. 1,7,2 (pH, chlorine, redox; the default); 0 = no module; or "
                         "the module names as hvxcli new takes them (\"pH,Chlor,Redox\")."},
    {"parameter-file", "file.hxd", "Take the parameter set from a configuration file instead of --revision/--modules."},
    {"access-code", "code", "The instrument's access code, four characters (default 9157)."},
    {"access-code-active", nullptr, "Put the access code in force."},
    {"interval", "seconds", "Measured-data interval (default 5; 255 = off, 254 = Profibus)."},
    {"alarms", "n", "Number of sample records in the alarm memory (default 3)."},
    {"fault", "rule",
     "Inject a fault; may be repeated. rule = KIND[:COMMAND[:COUNT[:ARG]]][@ack], e.g. nack-v:0x14, "
     "delay:0x13:1:1500, no-answer:0x14@ack, garbled-timestamp::2. COUNT < 0: always. ARG: ms for delay, "
     "bytes for bytes-before-ack and overlong-reply. @ack spoils the ACK of the command byte of a write."},
    {"turnaround-ms", "ms", "Pause before the first byte of an answer (default 5)."},
    {"no-line-rate", nullptr, "Send answers at once instead of one byte per 19200-baud byte time."},
    {"receive-timeout-ms", "ms", "Abandon a half-received data block after this pause (default 1000)."},
    {"link", "path", "Also make a symbolic link to the device at this path (removed on exit)."},
    {"trace", nullptr, "Print every command received on standard error."},
};

void AddOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Simulated Hydrovant instrument on a pseudo-terminal. Prints the device path, then "
                       "serves until SIGINT or SIGTERM. Commands on standard input while it serves: "
                       "fault RULE, faults, clear, state, burst N, help, quit.\nFault kinds: ") +
        QString::fromStdString(FaultKindNames()));
    parser.addHelpOption();
    for (const OptionText& o : kOptions) {
        QCommandLineOption option(QString::fromLatin1(o.name), QString::fromLatin1(o.description));
        if (o.valueName)
            option.setValueName(QString::fromLatin1(o.valueName));
        parser.addOption(option);
    }
}

struct NumericOption {
    const char* name;
    long low;
    long high;
    void (*apply)(SimulatorOptions&, long);
};

const NumericOption kNumericOptions[] = {
    {"interval", 1, 255, [](SimulatorOptions& o, long v) { o.setup.measuredDataInterval = static_cast<int>(v); }},
    {"alarms", 0, kMaxAlarmRecords, [](SimulatorOptions& o, long v) { o.setup.alarms = static_cast<int>(v); }},
    {"turnaround-ms", 0, 60000, [](SimulatorOptions& o, long v) { o.timing.turnaround = std::chrono::milliseconds(v); }},
    {"receive-timeout-ms", 1, 600000,
     [](SimulatorOptions& o, long v) { o.timing.receiveTimeout = std::chrono::milliseconds(v); }},
};

} // namespace

std::optional<long> ParseCNumber(const QString& text)
{
    bool ok = false;
    const long value = text.trimmed().toLong(&ok, 0);
    return ok ? std::optional(value) : std::nullopt;
}

std::optional<std::uint8_t> ParseRevision(const QString& text)
{
    if (const auto value = ParseCNumber(text))
        return *value >= 0 && *value <= 0xFF ? std::optional(static_cast<std::uint8_t>(*value)) : std::nullopt;
    const hvx::NeuDlgRules rules;
    const int index = rules.findRevision(text);
    if (index < 0)
        return std::nullopt;
    return rules.revisions()[static_cast<std::size_t>(index)].geraetekennung;
}

std::optional<std::array<std::uint8_t, kModuleSlots>> ParseModules(const QString& text, std::uint8_t revision)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() > kModuleSlots)
        return std::nullopt;
    // Names are those of the new-configuration list of the revision's variant.
    hvx::NeuDlgRules rules;
    const int revisionIndex = rules.findRevision(QString::number(revision));
    if (revisionIndex >= 0)
        rules.selectRevision(revisionIndex);
    std::array<std::uint8_t, kModuleSlots> modules{};
    for (int i = 0; i < parts.size(); ++i) {
        std::optional<long> code = ParseCNumber(parts[i]);
        if (!code) {
            const int index = rules.findModule(parts[i]);
            if (index >= 0)
                code = rules.choices()[static_cast<std::size_t>(index)].modultyp;
        }
        if (!code || *code < 0 || *code > 0xFF)
            return std::nullopt;
        modules[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(*code);
    }
    return modules;
}

QString SimulatorHelpText()
{
    QCommandLineParser parser;
    AddOptions(parser);
    return parser.helpText();
}

std::optional<SimulatorOptions> ParseSimulatorOptions(const QStringList& arguments, std::string* error)
{
    QCommandLineParser parser;
    AddOptions(parser);
    auto fail = [error](const QString& why) -> std::optional<SimulatorOptions> {
        if (error)
            *error = why.toStdString();
        return std::nullopt;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument: ") + parser.positionalArguments().first());

    SimulatorOptions options;
    options.help = parser.isSet(QStringLiteral("help"));
    auto isSet = [&](const char* name) { return parser.isSet(QString::fromLatin1(name)); };
    for (const NumericOption& o : kNumericOptions) {
        if (!isSet(o.name))
            continue;
        const QString text = parser.value(QString::fromLatin1(o.name));
        const auto value = ParseCNumber(text);
        if (!value || *value < o.low || *value > o.high)
            return fail(QStringLiteral("--%1: \"%2\" is not a number from %3 to %4")
                            .arg(QString::fromLatin1(o.name), text)
                            .arg(o.low)
                            .arg(o.high));
        o.apply(options, *value);
    }

    InstrumentSetup& setup = options.setup;
    if (isSet("revision")) {
        const auto revision = ParseRevision(parser.value(QStringLiteral("revision")));
        if (!revision)
            return fail(QStringLiteral("--revision: \"%1\" is neither a byte from 0 to 255 nor a revision name")
                            .arg(parser.value(QStringLiteral("revision"))));
        setup.revision = *revision;
    }
    if (isSet("modules")) {
        const auto modules = ParseModules(parser.value(QStringLiteral("modules")), setup.revision);
        if (!modules)
            return fail(QStringLiteral("--modules: expected up to three type codes or module names, e.g. 1,7,2 or pH,Chlor,Redox"));
        setup.modules = *modules;
    }
    setup.parameterFile = parser.value(QStringLiteral("parameter-file")).toStdString();
    if (isSet("access-code")) {
        const QByteArray code = parser.value(QStringLiteral("access-code")).toLatin1();
        if (code.size() != 4)
            return fail(QStringLiteral("--access-code: four characters expected"));
        setup.accessCode = code.toStdString();
    }
    if (isSet("access-code-active"))
        setup.accessCodeActive = true;
    for (const QString& def : parser.values(QStringLiteral("fault"))) {
        std::string why;
        const auto rule = ParseFaultRule(def.toStdString(), &why);
        if (!rule)
            return fail(QString::fromStdString(why));
        options.faults.push_back(*rule);
    }
    options.timing.lineRate = !isSet("no-line-rate");
    options.linkPath = parser.value(QStringLiteral("link")).toStdString();
    options.trace = isSet("trace");
    return options;
}

} // namespace hvxsim
